#include "tools/profiletool/profile_dump.h"

#include <cstdint>
#include <cstring>

#include "profile/profile_files_keys.h"
#include "tools/profiletool/button_function_names.h"

namespace {

std::string FieldValue(const Profile& profile, const ProfileKey& key) {
    const auto* field = reinterpret_cast<const uint8_t*>(&profile) + key.offset;
    switch (key.kind) {
        case ProfileKeyKind::Text: {
            const void* end = std::memchr(field, 0, key.size);
            const std::size_t n = end ? static_cast<std::size_t>(static_cast<const uint8_t*>(end) - field) : key.size;
            std::string quoted = "'";
            quoted.append(reinterpret_cast<const char*>(field), n);
            return quoted + '\'';
        }
        case ProfileKeyKind::Int32: {
            int32_t value;
            std::memcpy(&value, field, sizeof value);
            return std::to_string(value);
        }
        case ProfileKeyKind::Byte:
            return std::to_string(*field);
        case ProfileKeyKind::Entry: {
            ButtonFunction entry;
            std::memcpy(&entry, field, sizeof entry);
            const int number = static_cast<int>((key.offset - offsetof(Profile, MacroKeyInfo)) / sizeof entry);
            return "bank " + std::to_string(number / 16 + 1) + " button " + std::to_string(number % 16 + 1) +
                   ", index " + std::to_string(entry.Index) + ": " + DescribeButtonFunction(entry);
        }
    }
    return {};
}

}  // namespace

std::string DumpProfile(const Profile& profile) {
    std::string text;
    for (const ProfileKey& key : ProfileFileKeys()) text += key.name + " = " + FieldValue(profile, key) + "\n";
    return text;
}
