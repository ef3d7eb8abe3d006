// Binding to the language library lan.dll beside the program: numbered
// texts read from its string table. A missing library is not an error;
// every text is then empty.
#pragma once

#include <windows.h>

#include <string>

#include "profile/text_source.h"

class LanguageLibrary final : public TextSource {
public:
    // Loads programFolder + "lan.dll" (a separator is added when the folder
    // lacks its trailing backslash). Fails silently.
    explicit LanguageLibrary(const std::string& programFolder);
    ~LanguageLibrary() override;
    LanguageLibrary(const LanguageLibrary&) = delete;
    LanguageLibrary& operator=(const LanguageLibrary&) = delete;

    bool Loaded() const { return module_ != nullptr; }
    // At most 259 characters; empty for an unknown number or no library.
    std::string Text(int id) const override;

private:
    HMODULE module_ = nullptr;
};
