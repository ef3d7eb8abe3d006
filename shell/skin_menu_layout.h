// Sizes and colours of the owner-drawn popup menu items.
#pragma once

#include <cstdint>
#include <string_view>

constexpr unsigned kSkinMenuSeparatorId = 0x800;

constexpr int kSkinMenuCharWidth = 8;  // width value per character of an item text
constexpr int kSkinMenuSeparatorHeight = 5;
constexpr int kSkinMenuItemHeight = 14 + 5;
constexpr int kSkinMenuTextLeft = 2;
constexpr int kSkinMenuArrowRight = 19;  // arrow icon x = item right - 19
constexpr int kSkinMenuArrowUp = 9;      // arrow icon y = item top - 9

// Colours as 0x00BBGGRR.
constexpr uint32_t kSkinMenuBack = 0x000000;
constexpr uint32_t kSkinMenuSelectedBack = 0x9E4812;  // (18, 72, 158)
constexpr uint32_t kSkinMenuSeparatorLine = 0x9E4812;
constexpr uint32_t kSkinMenuText = 0xE6E6E6;  // (230, 230, 230)
constexpr uint32_t kSkinMenuSelectedText = 0xE6E6E6;
constexpr uint32_t kSkinMenuDisabledText = 0x808080;  // an item that cannot be chosen

// The menu's width value after appending an item with `text`: raised to
// 8 pixels per character when that is wider.
int RaiseSkinMenuWidth(int width, std::string_view text);

struct SkinMenuItemSize {
    int width;
    int height;
};

SkinMenuItemSize MeasureSkinMenuItem(bool separator, int widthValue);

struct SkinMenuItemColours {
    uint32_t back;
    uint32_t text;
};

SkinMenuItemColours SkinMenuColoursFor(bool selected);
