#include "shell/list_rename.h"

namespace {

bool RowExists(int index, int rowCount) { return index >= 0 && index < rowCount; }

}  // namespace

RenameCommit PlanRenameCommit(std::string_view text, int editIndex, int rowCount) {
    RenameCommit c;
    if (!RowExists(editIndex, rowCount)) return c;
    c.removeRow = true;
    c.reinsert = !text.empty();
    c.index = editIndex;
    return c;
}

bool RenameCancelRemovesRow(int editIndex, int rowCount) { return RowExists(editIndex, rowCount); }
