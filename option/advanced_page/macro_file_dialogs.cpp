#include "option/advanced_page/macro_file_dialogs.h"

#include "option/advanced_page/macro_editor_commands.h"

std::optional<MacroFileDialog> MacroFileDialogOf(int command) {
    switch (command) {
        case kCmdExportGroup: return MacroFileDialog{true, "macros", "Macros(*.macros)|*.MACROS|"};
        case kCmdImportGroup: return MacroFileDialog{false, "macros", "Macros(*.macros)|*.MACROS|"};
        case kCmdExportMacro: return MacroFileDialog{true, "macro", "Macro(*.macro)|*.macro|"};
        case kCmdImportMacro: return MacroFileDialog{false, "macro", "Macro(*.macro)|*.MACRO|"};
        default: return std::nullopt;
    }
}

std::string InitialMacroFileName(std::string_view programFolder, const MacroFileDialog& dialog) {
    return std::string(programFolder) + "config\\." + dialog.extension;
}
