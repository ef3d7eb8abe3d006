#include "hiddriver/mouse_log.h"

#include <cstdio>

namespace vmouse {

std::string HexBytes(const uint8_t* bytes, size_t count) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(count * 3);
    for (size_t i = 0; i < count; ++i) {
        if (i) text += ' ';
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 0x0F];
    }
    return text;
}

std::string FormatLogEntry(const TimeOfDay& time, const LogEntry& entry) {
    char head[40];
    std::snprintf(head, sizeof head, "%02d:%02d:%02d.%03d %-5s ", time.Hour, time.Minute, time.Second,
                  time.Millisecond, entry.Channel.c_str());
    std::string line = head;
    if (!entry.Bytes.empty()) line += HexBytes(entry.Bytes.data(), entry.Bytes.size()) + "  ";
    line += entry.Text + '\n';
    for (const auto& detail : entry.Details) line += "    " + detail + '\n';
    return line;
}

}  // namespace vmouse
