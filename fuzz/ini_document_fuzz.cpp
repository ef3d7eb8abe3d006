// Any bytes parse as INI text; the text survives a parse unchanged, reads
// stay in bounds, and a written value reads back.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "profile/ini_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    IniDocument doc = IniDocument::Parse(text);
    if (doc.Text() != text) std::abort();

    uint8_t entry[720];
    doc.GetString("Setting", "ProFileName", "");
    doc.GetInt("setting", "CurrentProfile", -1);
    doc.GetStruct("SETTING", "MacroKeyInfo3", entry, sizeof entry);

    doc.PutInt("Setting", "CurrentProfile", 3);
    doc.PutString("New Section", "Key", text.substr(0, 64));
    const IniDocument again = IniDocument::Parse(doc.Text());
    if (again.GetInt("Setting", "CurrentProfile", -1) != 3) std::abort();
    return 0;
}
