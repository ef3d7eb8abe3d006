// Paints one control of a layout into a window sheet in one of the four
// states the skin engine cuts pictures from.
#pragma once

#include <cairo.h>

#include "layout.h"

enum class SheetState { Normal, Over, Down, Disable };

// Fails with LayoutError for an unknown kind or option.
void PaintControl(cairo_t* cr, const Control& control, const MaskSpec* mask, SheetState state);

// The kinds PaintControl draws, for layout checks.
bool IsKnownControlKind(const std::string& kind);
