// The flat frame drawn around every popup menu: one coloured outline at the
// window's edge and two black outlines inside it.
#pragma once

#include <array>
#include <cstdint>

constexpr uint32_t kMenuFrameColour = 0x9E4812;  // (18, 72, 158) as 0x00BBGGRR
constexpr uint32_t kMenuFrameInnerColour = 0x000000;

struct FrameOutline {
    int left, top, right, bottom;  // window coordinates, right/bottom exclusive
    uint32_t colour;
};

// The three outlines of a menu window of the given size, outermost first.
std::array<FrameOutline, 3> MenuFrameOutlines(int width, int height);
