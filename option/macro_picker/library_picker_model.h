// The picker dialog (skin_select_macro.ini): the button page opens it on a
// button's current choice; the user picks a folder's entry and one of three
// run modes. One model serves the macro library and the advanced-pattern
// library; the dialog keeps its own expanded flags, so the library is only
// read.
//
//   LibraryPicker<Macro> picker(store, {mode, group, item});
//   picker.TreeRows(), picker.SelectedRow()  // one folder open, its entry selected
//   picker.SelectRow(3); picker.SetRunMode(2);
//   on OK: picker.Choice()                   // entry -1: no entry chosen
#pragma once

#include <cstdint>
#include <vector>

#include "gun/gun_record.h"
#include "macro/macro_record.h"
#include "option/library_tree/library_tree_rows.h"

// Control ids and skin keys of the dialog.
inline constexpr int kPickerTreeListId = 4096;
inline constexpr int kPickerRunModeCount = 3;

// What the dialog starts from and, after OK, hands back. A folder row
// chosen comes back with entry -1, which the caller treats as no choice.
struct PickerChoice {
    int32_t runMode = 0;  // 0..2
    int32_t folder = -1;
    int32_t entry = -1;
    bool operator==(const PickerChoice&) const = default;
};

// Esc, Enter and Space neither confirm nor cancel the picker.
inline bool PickerSwallowsKey(uint32_t vk) { return vk == 0x1B || vk == 0x0D || vk == 0x20; }

template <class Entry>
class LibraryPicker {
public:
    // Opens on `start`: its folder expanded and its entry (or the folder)
    // selected. A start position the library does not have (the button's
    // copy outlived its entry) opens with nothing selected there.
    LibraryPicker(const LibraryStore<Entry>& store, const PickerChoice& start)
        : store_(store), expanded_(store.Folders.size(), false) {
        SetRunMode(start.runMode);  // an unknown mode leaves the first
        if (FolderAt(store_, start.folder)) {
            folder_ = start.folder;
            entry_ = EntryAt(store_, start.folder, start.entry) ? start.entry : -1;
            expanded_[static_cast<std::size_t>(folder_)] = true;
        }
        Refill();
    }

    const std::vector<TreeRow>& TreeRows() const { return rows_; }
    int SelectedRow() const { return row_; }
    int RunMode() const { return runMode_; }

    // Selection change of the tree list.
    void SelectRow(int row) {
        const LibraryPosition at = PositionOfRow(rows_, row);
        folder_ = at.folder;
        entry_ = at.entry;
        row_ = folder_ < 0 ? -1 : row;
    }

    // Double-click: the selected folder opens or closes. Closing drops the
    // entry and leaves the folder's own row selected.
    void ToggleSelectedFolder() {
        if (folder_ < 0) return;
        const auto f = static_cast<std::size_t>(folder_);
        expanded_[f] = !expanded_[f];
        if (!expanded_[f]) entry_ = -1;
        Refill();
    }

    // One of the three run-mode buttons; only it shows pressed.
    void SetRunMode(int mode) {
        if (mode >= 0 && mode < kPickerRunModeCount) runMode_ = mode;
    }

    PickerChoice Choice() const { return {runMode_, folder_, entry_}; }

private:
    void Refill() {
        rows_ = LibraryTreeRows(store_, [this](int32_t f) { return expanded_[static_cast<std::size_t>(f)]; });
        row_ = folder_ < 0 ? -1 : RowOf(rows_, {folder_, entry_});
    }

    const LibraryStore<Entry>& store_;
    std::vector<bool> expanded_;
    std::vector<TreeRow> rows_;
    int32_t folder_ = -1;
    int32_t entry_ = -1;
    int row_ = -1;
    int runMode_ = 0;
};

// The two pickers: command 1049 of the button page picks a macro, 1068 an
// advanced pattern.
using MacroPicker = LibraryPicker<Macro>;
using AdvancedPatternPicker = LibraryPicker<AdvanceGun>;
