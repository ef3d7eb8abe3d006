#include "shell/skin_layout_win.h"

SkinLayout::SkinLayout(const std::string& skinsFolder, const std::string& fileName)
    : skinsFolder_(skinsFolder), path_(skinsFolder + fileName) {}

std::string SkinLayout::Value(const char* section, const char* key) const {
    char value[2048] = {};
    GetPrivateProfileStringA(section, key, "", value, sizeof value, path_.c_str());
    return value;
}

std::string SkinLayout::ScreenPicture(const char* key) const {
    const std::string name = Value("SCREEN", key);
    return name.empty() ? std::string() : skinsFolder_ + name;
}

ButtonPos SkinLayout::Entry(int number) const {
    ButtonPos entry;
    ParseButtonPos(Value("BUTTONPOS", std::to_string(number).c_str()), entry);
    return entry;
}

RECT SkinLayout::EntryRect(int number) const {
    const SkinRect r = Entry(number).rect;
    return {r.left, r.top, r.right, r.bottom};
}
