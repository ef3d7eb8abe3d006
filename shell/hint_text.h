// The program-wide hint: the text of the control the pointer last moved
// onto. Controls publish their hint when the pointer comes over them; the
// main window, told with kHintChangedMessage, shows the current one.
#pragma once

#include <string>

// Posted to the main window with wParam 1 when the current hint changed.
inline constexpr unsigned kHintChangedMessage = 0x0465;

// Makes `text` the current hint; false when it already was (nothing to tell).
bool PublishHint(const std::string& text);
const std::string& CurrentHint();
