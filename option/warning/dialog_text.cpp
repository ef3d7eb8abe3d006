#include "option/warning/dialog_text.h"

#include <algorithm>

PlacedText PlaceText(const SkinRect& box, int height, bool centre, TextAlign align) {
    const int fits = std::clamp(height, 0, box.Height());
    PlacedText placed{box, align};
    if (centre) placed.rect.top = box.top + (box.Height() - fits) / 2;
    placed.rect.bottom = placed.rect.top + fits;
    return placed;
}
