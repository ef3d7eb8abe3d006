// The tree list's file commands: macro exchange files in and out.
#include "macro/macro_exchange.h"
#include "option/advanced_page/macro_editor_model.h"

bool MacroEditorModel::ExportGroup(const std::string& path) {
    const MacroFolder* group = GroupAt(parts_.store, selected_.folder);
    return group && ExportMacroFolder(*group, path);
}

bool MacroEditorModel::ImportGroup(const std::string& path) {
    if (recording_ || !ImportMacroFolder(parts_.store, path)) return false;
    RefreshTree();
    parts_.host.SaveMacros();
    return true;
}

bool MacroEditorModel::ExportMacro(const std::string& path) {
    const Macro* macro = Current();
    return macro && ::ExportMacro(*macro, path);
}

bool MacroEditorModel::ImportMacro(const std::string& path) {
    if (recording_) return false;
    const auto imported = ::ImportMacro(parts_.store, selected_.folder, path);
    if (!imported) return false;
    RefreshTree();
    LoadSelection(RowOf(treeRows_, *imported));
    parts_.host.SaveMacros();
    return true;
}
