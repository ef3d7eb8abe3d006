#include "tools/profiletool/profile_check.h"

#include <vector>

#include "profile/profile_files_keys.h"

namespace {

std::string StructProblem(std::string_view value, std::size_t size) {
    if (value.size() != size * 2 + 2)
        return "length " + std::to_string(value.size()) + ", expected " + std::to_string(size * 2 + 2);
    return "not hexadecimal or checksum mismatch";
}

}  // namespace

std::vector<std::string> CheckProfileFile(const IniDocument& file) {
    std::vector<std::string> problems;
    std::vector<uint8_t> buffer;
    for (const ProfileKey& key : ProfileFileKeys()) {
        const auto value = file.Find(kProfileSection, key.name);
        if (!value) {
            problems.push_back(key.name + ": missing");
            continue;
        }
        if (key.kind != ProfileKeyKind::Entry) continue;
        buffer.resize(key.size);
        if (!file.GetStruct(kProfileSection, key.name, buffer.data(), buffer.size()))
            problems.push_back(key.name + ": bad struct value (" + StructProblem(*value, key.size) + ")");
    }
    return problems;
}
