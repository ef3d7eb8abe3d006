#include "option/advanced_page/macro_file_dialog_win.h"

#include <commdlg.h>

#include "option/profile_exchange/profile_exchange.h"

std::optional<std::string> AskMacroFile(HWND owner, const MacroFileDialog& dialog, const std::string& programFolder) {
    const std::string filter = DialogFilterList(dialog.filter);
    std::string file = InitialMacroFileName(programFolder, dialog);
    file.resize(MAX_PATH, '\0');
    OPENFILENAMEA ask{};
    ask.lStructSize = sizeof ask;
    ask.hwndOwner = owner;
    ask.lpstrFilter = filter.c_str();
    ask.lpstrFile = file.data();
    ask.nMaxFile = static_cast<DWORD>(file.size());
    ask.lpstrDefExt = dialog.extension;
    ask.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | (dialog.save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL chosen = dialog.save ? GetSaveFileNameA(&ask) : GetOpenFileNameA(&ask);
    if (!chosen) return std::nullopt;
    return std::string(file.c_str());
}
