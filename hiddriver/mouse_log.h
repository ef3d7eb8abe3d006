// Log entries of the virtual mouse and their one-line text form.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vmouse {

// One exchange (or one on-mouse action) as the mouse saw it.
struct LogEntry {
    std::string Channel;         // "SET", "GET", "WRITE", "PRESS", ...
    std::vector<uint8_t> Bytes;  // raw bytes received or sent
    std::string Text;            // decoding; protocol errors start with "ERROR: "
    std::vector<std::string> Details;  // further decoded lines (button table, ...)
};

struct TimeOfDay {
    int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

// "12:04:59.123 SET   01 88 02 00 00 00 00 74  open", then each detail on
// its own indented line. Every line ends with '\n'.
std::string FormatLogEntry(const TimeOfDay& time, const LogEntry& entry);

// "01 88 02 ..." (upper-case hex pairs separated by blanks).
std::string HexBytes(const uint8_t* bytes, size_t count);

}  // namespace vmouse
