// A rectangle in window client pixels. Its layout matches the platform's
// RECT so run lists can be handed to the region builder without copying.
#pragma once

#include <cstdint>

struct SkinRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    bool operator==(const SkinRect&) const = default;
};

static_assert(sizeof(SkinRect) == 16);
