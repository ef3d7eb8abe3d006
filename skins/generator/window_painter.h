// Paints a window's mask and its four state sheets from its layout.
#pragma once

#include <vector>

#include "control_painter.h"
#include "image.h"
#include "layout.h"

// Black where the shape covers, white (the transparent colour of every
// mask) elsewhere; drawn without smoothing so the outline is exact.
Image PaintMask(const Shape& shape, int width, int height);

// The whole window in one state: background, frame, panels and every
// control drawn in that state. The Normal sheet is also the background.
Image PaintSheet(const WindowLayout& layout, const std::vector<MaskSpec>& masks, SheetState state);
