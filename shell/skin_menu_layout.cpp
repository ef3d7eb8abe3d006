#include "shell/skin_menu_layout.h"

int RaiseSkinMenuWidth(int width, std::string_view text) {
    const int wanted = static_cast<int>(text.size()) * kSkinMenuCharWidth;
    return wanted > width ? wanted : width;
}

SkinMenuItemSize MeasureSkinMenuItem(bool separator, int widthValue) {
    return {widthValue, separator ? kSkinMenuSeparatorHeight : kSkinMenuItemHeight};
}

SkinMenuItemColours SkinMenuColoursFor(bool selected) {
    return selected ? SkinMenuItemColours{kSkinMenuSelectedBack, kSkinMenuSelectedText}
                    : SkinMenuItemColours{kSkinMenuBack, kSkinMenuText};
}
