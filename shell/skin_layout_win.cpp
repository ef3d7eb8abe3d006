#include "shell/skin_layout_win.h"

#include "shell/file_view_win.h"

namespace {

// The layout's text, read once: asking the platform for each of the many
// values costs a noticeable part of a window's start under Wine.
IniDocument ReadLayout(const std::string& path) {
    const FileView file(path);
    const auto bytes = file.Bytes();
    return IniDocument::Parse({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

}  // namespace

SkinLayout::SkinLayout(const std::string& skinsFolder, const std::string& fileName)
    : skinsFolder_(skinsFolder), path_(skinsFolder + fileName), document_(ReadLayout(path_)) {}

std::string SkinLayout::Value(const char* section, const char* key) const {
    return document_.GetString(section, key, "");
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
