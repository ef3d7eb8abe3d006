#include "option/pattern_library/pattern_file_dialog_win.h"

#include <commdlg.h>

#include "option/profile_exchange/profile_exchange.h"

std::optional<std::string> AskPatternFile(HWND owner, const PatternFileKind& kind, const std::string& programFolder,
                                          bool save) {
    const std::string filter = DialogFilterList(kind.filter);
    std::string file = ProposedPatternFile(programFolder, kind);
    file.resize(MAX_PATH * 4, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrDefExt = kind.extension;
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    if (!chosen) return std::nullopt;
    return std::string(file.c_str());
}
