// One window's skin layout file (skin_*.ini): its "SCREEN" pictures and the
// "BUTTONPOS" rectangles of its controls, read when the layout is made.
// Section and key names are matched without regard to case; missing values
// read as empty.
#pragma once

#include <windows.h>

#include <string>

#include "profile/ini_document.h"
#include "shell/button_pos.h"

class SkinLayout {
public:
    // `skinsFolder` ends with a backslash; `fileName` is e.g. "skin_main.ini".
    SkinLayout(const std::string& skinsFolder, const std::string& fileName);

    const std::string& SkinsFolder() const { return skinsFolder_; }
    const std::string& Path() const { return path_; }
    std::string Value(const char* section, const char* key) const;
    // The "SCREEN" picture named by `key` ("Mask", "Normal", ...) as a full
    // path, or empty when the layout names none.
    std::string ScreenPicture(const char* key) const;
    ButtonPos Entry(int number) const;
    RECT EntryRect(int number) const;

private:
    std::string skinsFolder_;
    std::string path_;
    IniDocument document_;
};
