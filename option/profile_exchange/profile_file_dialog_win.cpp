#include "option/profile_exchange/profile_file_dialog_win.h"

#include <commdlg.h>

std::optional<std::string> AskProfileFile(HWND owner, const ProfileFileDialog& kind, const std::string& programFolder) {
    const std::string filter = DialogFilterList(kProfileFileFilter);
    // A multiple selection of long names needs room beyond MAX_PATH.
    std::string file = InitialProfileFileName(programFolder);
    file.resize(32 * 1024, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrDefExt = kProfileFileExtension;
    dialog.Flags = OFN_EXPLORER | (kind.fileMustExist ? OFN_FILEMUSTEXIST : 0) |
                   (kind.hideReadOnly ? OFN_HIDEREADONLY : 0) | (kind.overwritePrompt ? OFN_OVERWRITEPROMPT : 0) |
                   (kind.multiSelect ? OFN_ALLOWMULTISELECT : 0);
    const BOOL chosen = kind.save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    if (!chosen) return std::nullopt;
    // With a multiple selection the first name ends at the first NUL.
    return std::string(file.c_str());
}
