// Where a spin field's edit and arrow buttons sit inside the control.
#pragma once

#include "shell/skin_rect.h"

enum class SpinLayout { kHorizontal, kVertical };

struct SpinEditParts {
    SkinRect decrease;
    SkinRect edit;
    SkinRect increase;
};

// Horizontal: decrease at the left, increase at the right, the edit between
// them growing with the width (a 48-pixel control keeps a 24-pixel edit).
// Vertical: the edit, with increase above decrease along the right edge.
SpinEditParts PlaceSpinEditParts(SpinLayout layout, int width, int height);

// The range a new field starts with in each layout.
inline constexpr int kSpinDefaultMinimum = 0;
inline constexpr int SpinDefaultMaximum(SpinLayout layout) { return layout == SpinLayout::kHorizontal ? 12 : 10; }
