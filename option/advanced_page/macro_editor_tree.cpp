// The tree list's commands: new, delete and rename of groups and macros.
#include <algorithm>
#include <memory>

#include "option/advanced_page/macro_editor_commands.h"
#include "option/advanced_page/macro_editor_model.h"
#include "profile/button_code.h"
#include "profile/fixed_text.h"
#include "profile/library_names.h"

namespace {

// Confirmation kinds of the delete dialog (variant E).
constexpr int kConfirmMacroKind = 0;
constexpr int kConfirmGroupKind = 1;

}  // namespace

void MacroEditorModel::TreeCommand(int command) {
    if (recording_) return;
    switch (command) {
        case kCmdNewGroup: NewGroup(); break;
        case kCmdDeleteGroup: DeleteGroup(); break;
        case kCmdNewMacro: NewMacro(); break;
        case kCmdDeleteMacro: DeleteMacro(); break;
        case kCmdRename: Rename(); break;
        default: break;
    }
}

void MacroEditorModel::NewGroup() {
    const auto name = parts_.host.AskName(NameMode::MacroGroup, -1);
    if (!name) return;
    MacroFolder group;
    group.Name = FitName(*name, kMacroNameLimit);
    parts_.store.Folders.push_back(std::move(group));
    RefreshTree();
    LoadSelection(static_cast<int>(treeRows_.size()) - 1);
    Commit();
}

void MacroEditorModel::NewMacro() {
    const int32_t g = selected_.folder;
    MacroFolder* group = GroupAt(parts_.store, g);
    if (!group) return;
    const auto name = parts_.host.AskName(NameMode::Macro, g);
    if (!name) return;
    auto macro = std::make_unique<Macro>();
    LibraryEntry<Macro>::SetName(*macro, *name);
    group->Entries.push_back(std::move(macro));
    group->Expanded = true;
    RefreshTree();
    LoadSelection(RowOf(treeRows_, {g, static_cast<int32_t>(group->Entries.size()) - 1}));
    Commit();
}

void MacroEditorModel::DeleteGroup() {
    if (!GroupAt(parts_.store, selected_.folder) || selected_.entry >= 0) return;
    if (!parts_.host.Warn(WarningVariant::E, kConfirmGroupKind)) return;
    parts_.store.Folders.erase(parts_.store.Folders.begin() + selected_.folder);
    RefreshTree();
    LoadSelection(selectedRow_ - 1);  // the row before the group's place; none for the first
    Commit();
}

void MacroEditorModel::DeleteMacro() {
    const int32_t g = selected_.folder;
    if (!Current()) return;
    if (!parts_.host.Warn(WarningVariant::E, kConfirmMacroKind)) return;
    auto& entries = parts_.store.Folders[static_cast<std::size_t>(g)].Entries;
    entries.erase(entries.begin() + selected_.entry);
    RefreshTree();
    // The same row number, but not past the group's last row.
    const int lastOfGroup = RowOf(treeRows_, {g, -1}) + static_cast<int>(entries.size());
    LoadSelection(std::min(selectedRow_, lastOfGroup));
    Commit();
}

void MacroEditorModel::Rename() {
    MacroFolder* group = GroupAt(parts_.store, selected_.folder);
    if (!group) return;
    Macro* macro = Current();
    const auto name = macro ? parts_.host.AskName(NameMode::Macro, selected_.folder)
                            : parts_.host.AskName(NameMode::MacroGroup, -1);
    if (!name) return;
    RenameInButtons(*name);
    if (macro)
        LibraryEntry<Macro>::SetName(*macro, *name);
    else
        group->Name = FitName(*name, kMacroNameLimit);
    RefreshTree();
    Commit();
}

void MacroEditorModel::RenameInButtons(std::string_view newName) {
    const std::string copied = FitName(newName, kButtonNameLimit);
    for (Profile& profile : parts_.profiles) {
        for (ButtonFunction& button : profile.MacroKeyInfo) {
            if (CodeOf(button) != ButtonCode::Macro || FixedText(button.ItemName).empty()) continue;
            const LibraryPosition held = FindAssignedMacro(parts_.store, button);
            if (held.folder != selected_.folder) continue;
            if (selected_.entry < 0)
                SetFixedText(button.GroupName, copied);
            else if (held.entry == selected_.entry)
                SetFixedText(button.ItemName, copied);
        }
    }
}
