// What the 32-bit item data of a skinned list box row means, and where its
// parts are drawn.
#pragma once

#include <cstdint>

// Icon numbers with a meaning of their own: 0 draws no icon and leaves no
// room for one; 1 leaves the room but draws nothing (an indented row).
constexpr unsigned kListNoIcon = 0;
constexpr unsigned kListIconRoomOnly = 1;

constexpr int kListIconSize = 16;
constexpr int kListIconLeft = 5;  // icon x offset from the row's left edge
constexpr int kListIconTop = 2;   // icon y offset from the row's top edge
constexpr int kListTextInset = 5;

// Low 16 bits: resource number of the row's 16 x 16 icon bitmap.
constexpr unsigned ListItemIcon(uint32_t data) { return data & 0xFFFFu; }
// Bits 16-23: the row's mark.
constexpr int ListItemMark(uint32_t data) { return static_cast<int>((data >> 16) & 0xFFu); }
constexpr uint32_t MakeListItemData(unsigned icon, int mark) {
    return (icon & 0xFFFFu) | (static_cast<uint32_t>(mark & 0xFF) << 16);
}

constexpr bool ListItemHasIconRoom(uint32_t data) { return ListItemIcon(data) != kListNoIcon; }
constexpr bool ListItemDrawsIcon(uint32_t data) { return ListItemIcon(data) > kListIconRoomOnly; }

// Offset of the row's text (and of the rename field) from the row's left edge.
constexpr int ListItemTextOffset(uint32_t data) {
    return ListItemHasIconRoom(data) ? kListIconSize + kListTextInset : kListTextInset;
}

// How one owner-drawn row is painted, from the platform's draw flags.
struct ListRowFlags {
    bool selected = false;
    bool focused = false;
    bool disabled = false;
    bool selectionChanged = false;  // the draw was asked for a selection change
    bool focusChanged = false;      // the draw was asked for a focus change
};

enum class RowFill { None, Highlight, Background };
enum class RowText { Normal, Highlight, Disabled };

struct ListRowPaint {
    RowFill fill = RowFill::None;
    RowText text = RowText::Normal;
    bool highlightTextArea = false;  // fill the text's own area with the highlight colour
};

ListRowPaint PlanListRowPaint(const ListRowFlags& flags);
