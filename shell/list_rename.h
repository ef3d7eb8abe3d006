// What ending an in-place rename does to the list: the edited row is always
// taken out; a non-empty text puts it back at the same place with its item
// data, and only then is the owner told the row's index.
#pragma once

#include <string_view>

constexpr int kRenameTextLimit = 20;   // renaming an existing row
constexpr int kNewItemTextLimit = 15;  // naming a newly added row

struct RenameCommit {
    bool removeRow = false;  // delete the row at `index`
    bool reinsert = false;   // insert the new text at `index`, select it and notify
    int index = -1;
};

// `editIndex` is the row being edited; `rowCount` the rows the list holds now.
// A row that no longer exists (the list was changed behind the edit) is left
// alone, so no other row is deleted in its place.
RenameCommit PlanRenameCommit(std::string_view text, int editIndex, int rowCount);

// Escape: the edited row is removed, if it still exists.
bool RenameCancelRemovesRow(int editIndex, int rowCount);
