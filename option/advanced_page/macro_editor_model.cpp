#include "option/advanced_page/macro_editor_model.h"

#include <algorithm>
#include <cstring>

#include "keys/spin_edit_model.h"

MacroEditorModel::MacroEditorModel(const MacroEditorParts& parts) : parts_(parts) { RefreshTree(); }

Macro* MacroEditorModel::Current() const { return MacroAt(parts_.store, selected_.folder, selected_.entry); }

void MacroEditorModel::RefreshTree() {
    const auto& folders = parts_.store.Folders;
    treeRows_ = LibraryTreeRows(parts_.store, [&folders](int32_t g) { return folders[static_cast<std::size_t>(g)].Expanded; });
}

void MacroEditorModel::SelectTreeRow(int row) {
    if (recording_) return;
    LoadSelection(row);
}

void MacroEditorModel::LoadSelection(int row) {
    selected_ = PositionOfRow(treeRows_, row);
    selectedRow_ = selected_.folder < 0 ? -1 : row;
    std::memset(events_, 0, sizeof events_);
    count_ = 0;
    repeatCount_ = 1;
    if (const Macro* macro = Current()) {
        count_ = std::clamp(macro->EventCount, 0, kMacroEventLimit);
        std::memcpy(events_, macro->Events, sizeof(MacroEvent) * static_cast<std::size_t>(count_));
        repeatCount_ = std::max(macro->RepeatCount, kMinRepeatCount);
    }
    lastChanged_ = count_ - 1;
    caretTarget_ = -1;
    RefreshEvents();
}

void MacroEditorModel::ToggleSelectedGroup() {
    if (recording_) return;
    MacroFolder* group = GroupAt(parts_.store, selected_.folder);
    if (!group) return;
    group->Expanded = !group->Expanded;
    RefreshTree();
    if (group->Expanded) return;
    // The group's macro rows are gone: select the group itself, not
    // whatever row now has the old number.
    LoadSelection(RowOf(treeRows_, {selected_.folder, -1}));
}

void MacroEditorModel::RefreshEvents() {
    eventRows_ = MacroEventRows(events_, count_, parts_.texts, parts_.map);
    const int rows = static_cast<int>(eventRows_.size());
    int caret = caretTarget_;
    if (caret < 0 && lastChanged_ >= 0) {
        const uint32_t data = static_cast<uint32_t>(lastChanged_ + 1) << 16;
        auto it = std::find_if(eventRows_.begin(), eventRows_.end(),
                               [data](const EventRow& r) { return (r.data & 0xFFFF0000u) == data; });
        if (it != eventRows_.end()) caret = static_cast<int>(it - eventRows_.begin());
    }
    if (caret < 0 || caret >= rows) caret = rows - 1;
    // Two rows further down keep the rows after the change in view.
    if (caret > 3 && caret < rows - 4) caret += 2;
    caretRow_ = caret;
}

void MacroEditorModel::WriteBack() {
    if (Macro* macro = Current()) {
        std::memcpy(macro->Events, events_, sizeof events_);
        macro->EventCount = count_;
    }
    Commit();
}

void MacroEditorModel::Commit() {
    ResyncAssignedMacros(parts_.store, parts_.profiles);
    parts_.host.SaveMacros();
    parts_.host.RefreshButtonCaptions();
}

std::optional<std::string> MacroEditorModel::RepeatCountChanged(std::string_view text) {
    const int typed = ReadNumber(text);
    repeatCount_ = std::clamp(typed, kMinRepeatCount, kMaxRepeatCount);
    Macro* macro = Current();
    if (macro && macro->RepeatCount != repeatCount_) {
        macro->RepeatCount = repeatCount_;
        Commit();
    }
    if (typed == repeatCount_) return std::nullopt;
    return RepeatCountText();
}
