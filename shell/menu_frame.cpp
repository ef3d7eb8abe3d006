#include "shell/menu_frame.h"

std::array<FrameOutline, 3> MenuFrameOutlines(int width, int height) {
    std::array<FrameOutline, 3> lines{};
    for (int i = 0; i < 3; ++i)
        lines[i] = {i, i, width - i, height - i, i == 0 ? kMenuFrameColour : kMenuFrameInnerColour};
    return lines;
}
