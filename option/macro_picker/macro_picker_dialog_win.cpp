#include "option/macro_picker/macro_picker_dialog_win.h"

#include "lan/string_ids.h"
#include "option/macro_picker/library_picker_model.h"
#include "option/warning/warning_dialog_win.h"
#include "skins/skin_entries.h"

namespace {

namespace layout = skin_select_macro;

constexpr COLORREF kWellColour = RGB(24, 26, 32);
constexpr COLORREF kListHighlight = RGB(18, 72, 158);
constexpr COLORREF kListText = RGB(220, 224, 232);
constexpr int kRunModeTextMode = 4;  // caption centred

template <class Entry>
class PickerDialog final : public SkinDialog {
public:
    PickerDialog(const PageContext& context, const LibraryStore<Entry>& store, const LibrarySeed& seed)
        : SkinDialog(context.folders.skins, layout::kIniFile),
          texts_(context.texts),
          picker_(store, {seed.mode, seed.group, seed.item}) {}

    PickerChoice Choice() const { return picker_.Choice(); }

private:
    void OnBuild(const SkinWindowBuilder& build) override {
        StyleDialogButton(AddSkinButton(build, layout::kOk, "ok_mask.bmp", texts_.Text(str::kOk)));
        StyleDialogButton(AddSkinButton(build, layout::kCancel, "cancel_mask.bmp", texts_.Text(str::kCancel)));
        AddBitmapButton(build, layout::kClose);
        tree_ = &AddListBox(build, layout::kTreeList, kPickerTreeListId);
        tree_->SetListId(kPickerTreeListId);
        tree_->SetColours(kWellColour, kListHighlight);
        tree_->SetTextColours(kListText, RGB(255, 255, 255));
        tree_->SetDoubleClickNotify(true);
        for (int i = 0; i < kPickerRunModeCount; ++i) {
            runModes_[i] = &AddBitmapButton(build, layout::kRunMode[i], texts_.Text(str::kRunMode[i]));
            runModes_[i]->SetTextMode(kRunModeTextMode);
            runModes_[i]->SetToggleMode(true);
        }
    }

    BOOL OnInit() override {
        CentreOnOwner();
        ShowTree();
        ShowRunMode();
        SetFocus(tree_->Handle());
        return FALSE;  // the focus is set
    }

    void OnCommand(int id, int code, HWND) override {
        if (id == kPickerTreeListId) {
            if (code == LBN_SELCHANGE)
                picker_.SelectRow(static_cast<int>(SendMessageA(tree_->Handle(), LB_GETCURSEL, 0, 0)));
            return;
        }
        if (id == layout::kOk) End(IDOK);
        if (id == layout::kCancel || id == layout::kClose) End(IDCANCEL);
        for (int i = 0; i < kPickerRunModeCount; ++i)
            if (id == layout::kRunMode[i]) {
                picker_.SetRunMode(i);
                ShowRunMode();
            }
    }

    bool OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) override {
        if (message != kListDoubleClickMessage || lParam != kPickerTreeListId) return false;
        picker_.ToggleSelectedFolder();
        ShowTree();
        result = 0;
        return true;
    }

    void ShowTree() { tree_->ReplaceItems(picker_.TreeRows(), picker_.SelectedRow()); }

    // A toggle flips itself when clicked: every button is set from the model.
    void ShowRunMode() {
        for (int i = 0; i < kPickerRunModeCount; ++i) runModes_[i]->SetSelected(i == picker_.RunMode());
    }

    const TextSource& texts_;
    LibraryPicker<Entry> picker_;
    SkinListBox* tree_ = nullptr;
    SkinBitmapButton* runModes_[kPickerRunModeCount] = {};
};

template <class Entry>
std::optional<LibraryChoice<Entry>> RunPicker(HWND owner, const PageContext& context,
                                              const LibraryStore<Entry>& store, const LibrarySeed& seed) {
    PickerDialog<Entry> dialog(context, store, seed);
    if (dialog.RunModal(owner) != IDOK) return std::nullopt;
    const PickerChoice picked = dialog.Choice();
    LibraryChoice<Entry> choice;
    choice.mode = picked.runMode;
    choice.group = picked.folder;
    choice.item = picked.entry;
    if (const auto* folder = FolderAt(store, picked.folder)) choice.groupName = folder->Name;
    if (const Entry* entry = EntryAt(store, picked.folder, picked.entry)) choice.entry = *entry;
    return choice;
}

}  // namespace

std::optional<MacroChoice> RunMacroPicker(HWND owner, const PageContext& context, const LibrarySeed& seed) {
    return RunPicker(owner, context, context.libraries.MacroLibrary(), seed);
}

std::optional<PatternChoice> RunAdvancedPatternPicker(HWND owner, const PageContext& context,
                                                      const LibrarySeed& seed) {
    return RunPicker(owner, context, context.libraries.AdvancedLibrary(), seed);
}
