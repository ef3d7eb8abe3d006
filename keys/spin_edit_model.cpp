#include "keys/spin_edit_model.h"

#include <algorithm>
#include <cctype>
#include <climits>

int ReadNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long magnitude = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), static_cast<long long>(INT_MAX) + 1);
    const long long v = negative ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

void SpinEditModel::SetRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
}

int SpinEditModel::TextLimit() const {
    // Room for a sign before the maximum, and for the whole minimum, so
    // every number of the range can be typed.
    const int forMaximum = static_cast<int>(std::to_string(maximum_).size()) + (SignAllowed() ? 1 : 0);
    return std::max(forMaximum, static_cast<int>(std::to_string(minimum_).size()));
}

// Negative values mirror positive ones: rounding the halves up with a
// division that truncates toward zero would move every negative multiple of
// the step one step toward zero, and since each shown text is aligned again,
// a negative value would walk to zero by itself.
long long SpinEditModel::Align(long long v) const {
    if (v < 0) return -Align(-v);
    return step_ * ((v + step_ / 2) / step_);
}

int SpinEditModel::Clamp(long long v) const {
    return static_cast<int>(std::max<long long>(std::min<long long>(v, maximum_), minimum_));
}

SpinEditModel::NewText SpinEditModel::Show(int v, std::string_view text) {
    value_ = v;
    std::string shown = std::to_string(v);
    if (shown == text) return std::nullopt;
    return shown;
}

SpinEditModel::NewText SpinEditModel::SetValue(int v, std::string_view text) { return Show(v, text); }

// A step is clamped, aligned, and clamped again: a step that does not divide
// the range's end would otherwise align past it.
SpinEditModel::NewText SpinEditModel::Increase(std::string_view text) {
    const int n = ReadNumber(text);
    if (n > maximum_) return std::nullopt;
    return Show(Clamp(Align(Clamp(static_cast<long long>(n) + step_))), text);
}

SpinEditModel::NewText SpinEditModel::Decrease(std::string_view text) {
    const int n = ReadNumber(text);
    if (n < minimum_) return std::nullopt;
    return Show(Clamp(Align(Clamp(static_cast<long long>(n) - step_))), text);
}

SpinEditModel::NewText SpinEditModel::TextChanged(std::string_view text) {
    const int a = ReadNumber(text);
    const int b = Clamp(Align(a));
    value_ = a;
    if (b == a) return std::nullopt;
    value_ = b;
    return std::to_string(b);
}

SpinEditModel::EnterResult SpinEditModel::Enter(std::string_view text) {
    const size_t start = text.find_first_of("-+123456789");
    const int c = Clamp(ReadNumber(start == std::string_view::npos ? text : text.substr(start)));
    // The text as it would read with everything but its digits and first sign dropped.
    std::string reduced;
    bool signSeen = false;
    for (char ch : text) {
        const bool sign = ch == '-' || ch == '+';
        if (std::isdigit(static_cast<unsigned char>(ch)) || (sign && !signSeen)) reduced += ch;
        signSeen = signSeen || sign;
    }
    const std::string shown = std::to_string(c);
    NewText replacement;
    if ((value_ != c || reduced != shown) && shown != text) replacement = shown;
    value_ = c;
    return {replacement, maximum_ >= minimum_};
}
