#include "shell/slider_math.h"

#include <cmath>

namespace {

// The part of `span` pixels that value v covers: span * (v - min) / (max - min),
// multiplied before dividing. An empty range has no travel.
double SpanAt(const SliderRange& r, int span, int v) {
    if (r.maximum <= r.minimum) return 0.0;
    return static_cast<double>(span) * (v - r.minimum) / (r.maximum - r.minimum);
}

// Raw value at `offset` pixels along a travel of `span` pixels. A travel of
// zero or less cannot be divided and reads as the minimum.
double RawAlong(const SliderRange& r, int offset, int span) {
    if (span <= 0) return r.minimum;
    return r.minimum + static_cast<double>(offset) * (r.maximum - r.minimum) / span;
}

}  // namespace

int ClampSliderValue(const SliderRange& r, int v) {
    if (v > r.maximum) v = r.maximum;
    if (v < r.minimum) v = r.minimum;
    return v;
}

int WholeSliderValue(const SliderRange& r, double raw) {
    // Clamp before converting so no out-of-range double reaches the int cast.
    if (!(raw >= r.minimum)) return r.minimum;  // also catches NaN
    if (raw > r.maximum) return ClampSliderValue(r, r.maximum);
    const double whole = r.snap ? std::round(raw) : std::trunc(raw);
    return ClampSliderValue(r, static_cast<int>(whole));
}

double SliderClickRaw(const SliderRange& r, int x, int rectLeft, int rectRight) {
    return RawAlong(r, x - rectLeft, rectRight - rectLeft);
}

double SliderThumbRaw(const SliderRange& r, int left, int trackLeft, int trackRight, int width) {
    return RawAlong(r, left - trackLeft, trackRight - trackLeft - width);
}

int SliderThumbLeft(const SliderRange& r, int v, int trackLeft, int trackRight, int width) {
    const int half = width / 2;
    const double centre = trackLeft + SpanAt(r, trackRight - trackLeft - width, ClampSliderValue(r, v)) + half;
    return static_cast<int>(std::trunc(centre)) - half;
}

int SliderSnappedLeft(const SliderRange& r, int value, int trackLeft, int trackRight, int width) {
    return static_cast<int>(trackLeft + SpanAt(r, trackRight - width - trackLeft, value));
}

int ClampThumbLeft(int left, int trackLeft, int trackRight, int width) {
    if (left > trackRight - width) left = trackRight - width;
    if (left < trackLeft) left = trackLeft;
    return left;
}
