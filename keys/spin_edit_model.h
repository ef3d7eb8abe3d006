// The arithmetic of a numeric spin field: a whole number in a range, moved
// by a step and aligned to it. The control hands in the edit's current text;
// each rule returns the text the edit must show instead, or nothing when
// the edit keeps its text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Posted to the field's owner after every change: wParam = value, lParam =
// the field's control id.
inline constexpr unsigned kSpinEditChangedMessage = 0x045A;
// Control id of the edit inside the field.
inline constexpr int kSpinEditEditId = 401;

class SpinEditModel {
public:
    using NewText = std::optional<std::string>;

    SpinEditModel(int minimum, int maximum) : minimum_(minimum), maximum_(maximum) {}

    int Value() const { return value_; }
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    int Step() const { return step_; }

    void SetRange(int minimum, int maximum);
    void SetStep(int step) { step_ = step < 1 ? 1 : step; }

    // The edit takes a sign only when the range reaches below zero, and as
    // many characters as the longest number of the range needs.
    bool SignAllowed() const { return minimum_ < 0; }
    int TextLimit() const;

    // Nearest multiple of the step, halves rounded away from zero; every
    // multiple of the step stays as it is.
    long long Align(long long v) const;

    NewText SetValue(int v, std::string_view text);
    // The arrow buttons; nothing happens when the text already lies beyond
    // the end they move toward.
    NewText Increase(std::string_view text);
    NewText Decrease(std::string_view text);
    // After every change of the text and when the edit loses the focus; the
    // owner is told the value afterwards.
    NewText TextChanged(std::string_view text);

    struct EnterResult {
        NewText text;
        bool notify;  // false only when the range is empty (maximum below minimum)
        bool operator==(const EnterResult&) const = default;
    };
    EnterResult Enter(std::string_view text);

private:
    // Limited to the maximum, then raised to the minimum.
    int Clamp(long long v) const;
    NewText Show(int v, std::string_view text);

    int minimum_;
    int maximum_;
    int step_ = 1;
    int value_ = 0;
};

// The leading number of `text` as the C library reads it (blanks, a sign,
// digits; 0 when there is none), held at the ends of int instead of
// overflowing.
int ReadNumber(std::string_view text);
