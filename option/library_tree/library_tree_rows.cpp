#include "option/library_tree/library_tree_rows.h"

namespace {

uint32_t PositionByte(int32_t position) { return static_cast<uint32_t>(position + 1) & 0xFFu; }

}  // namespace

uint32_t FolderRowData(int32_t folder, bool expanded) {
    return PositionByte(folder) << 24 | (expanded ? kOpenFolderIcon : kClosedFolderIcon);
}

uint32_t EntryRowData(int32_t folder, int32_t entry) { return PositionByte(folder) << 24 | PositionByte(entry) << 16; }

LibraryPosition PositionOfRow(const std::vector<TreeRow>& rows, int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) return {};
    return rows[static_cast<std::size_t>(row)].position;
}

int RowOf(const std::vector<TreeRow>& rows, LibraryPosition position) {
    for (std::size_t r = 0; r < rows.size(); ++r)
        if (rows[r].position == position) return static_cast<int>(r);
    return -1;
}
