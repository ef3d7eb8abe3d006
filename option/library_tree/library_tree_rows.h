// Rows of a tree list over a library (macro groups or pattern folders and
// their entries): a folder row, followed by its entries' rows when the
// folder is expanded. Each row carries the 32-bit item data the skinned
// list keeps (positions in the high bytes, the icon in the low 16 bits)
// and the positions it stands for.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "profile/library_store.h"

// Icon bitmap resources of folder rows.
inline constexpr uint32_t kOpenFolderIcon = 0x98;
inline constexpr uint32_t kClosedFolderIcon = 0x97;

// Item data of a folder row: (folder + 1) << 24 with its icon; of an entry
// row: (folder + 1) << 24 | (entry + 1) << 16 without icon. The data has a
// byte for each position, so past 255 the bytes wrap; the list's owner
// reads positions from TreeRow::position, never back from the data.
uint32_t FolderRowData(int32_t folder, bool expanded);
uint32_t EntryRowData(int32_t folder, int32_t entry);

struct TreeRow {
    std::string text;
    uint32_t data;
    LibraryPosition position;  // entry -1 on a folder row
    bool operator==(const TreeRow&) const = default;
};

// The rows of `store`, where `expanded(folder)` says which folders show
// their entries.
template <class Entry, class Expanded>
std::vector<TreeRow> LibraryTreeRows(const LibraryStore<Entry>& store, Expanded expanded) {
    std::vector<TreeRow> rows;
    for (std::size_t f = 0; f < store.Folders.size(); ++f) {
        const auto& folder = store.Folders[f];
        const auto g = static_cast<int32_t>(f);
        const bool open = expanded(g);
        rows.push_back({folder.Name, FolderRowData(g, open), {g, -1}});
        if (!open) continue;
        for (std::size_t e = 0; e < folder.Entries.size(); ++e) {
            const auto m = static_cast<int32_t>(e);
            rows.push_back({std::string(LibraryEntry<Entry>::Name(*folder.Entries[e])), EntryRowData(g, m), {g, m}});
        }
    }
    return rows;
}

// The positions of row `row`; none (-1, -1) outside the rows.
LibraryPosition PositionOfRow(const std::vector<TreeRow>& rows, int row);
// The row of a folder, or of one of its entries; -1 when it has none.
int RowOf(const std::vector<TreeRow>& rows, LibraryPosition position);
