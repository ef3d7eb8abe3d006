// Value and position arithmetic of the slider: a track with a thumb that
// travels between trackLeft and trackRight - width. Raw values are doubles so
// callers can trace them before they are made whole.
#pragma once

struct SliderRange {
    int minimum = 0;
    int maximum = 10;
    bool snap = false;  // round to the nearest whole number instead of truncating
};

// Limits v to [minimum, maximum] (minimum wins if the range is inverted).
int ClampSliderValue(const SliderRange& range, int v);

// Makes a raw value whole (rounded with snap, else truncated) and clamps it.
int WholeSliderValue(const SliderRange& range, double raw);

// Raw value of a click at x on a track spanning [rectLeft, rectRight).
double SliderClickRaw(const SliderRange& range, int x, int rectLeft, int rectRight);

// Raw value of a thumb whose left edge is at `left`.
double SliderThumbRaw(const SliderRange& range, int left, int trackLeft, int trackRight, int width);

// Left edge of the thumb showing value v (v is clamped first).
int SliderThumbLeft(const SliderRange& range, int v, int trackLeft, int trackRight, int width);

// Left edge a thumb is moved to after a snapped release at `value`.
int SliderSnappedLeft(const SliderRange& range, int value, int trackLeft, int trackRight, int width);

// Keeps a dragged thumb's left edge within its travel.
int ClampThumbLeft(int left, int trackLeft, int trackRight, int width);
