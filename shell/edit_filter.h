// Input rules of the numeric edit field: which keys may be typed and which
// part of a pasted or typed text survives.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Virtual-key codes a numeric field lets through on key-down: digits of the
// main keyboard and the numeric pad, editing and caret keys, and the minus
// and plus keys of the main keyboard (the text rule decides about signs).
bool IsNumericEditKey(unsigned virtualKey);

// Characters a numeric field accepts: digits, the signs when `allowSign`
// is set, and control characters (Backspace, and the Ctrl+letter editing
// commands such as Ctrl+V, which the field carries out itself).
bool IsNumericEditChar(unsigned character, bool allowSign);

// The leading run of `text` made of digits, or of digits and signs when
// `allowSign` is set. Everything from the first other character on is cut.
std::string LeadingNumericRun(std::string_view text, bool allowSign);

// The decimal number a numeric field without signs shows: its leading
// digits, saturated at 100000 (far above any field's limit); nothing when
// it starts with no digit (an empty field).
std::optional<int> FieldNumber(std::string_view text);
