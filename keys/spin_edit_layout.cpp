#include "keys/spin_edit_layout.h"

SpinEditParts PlaceSpinEditParts(SpinLayout layout, int width, int height) {
    if (layout == SpinLayout::kHorizontal) return {{0, 0, 10, 19}, {12, 1, width - 12, 18}, {width - 11, 0, width, 19}};
    return {{width - 11, 10, width - 1, height - 1}, {1, 1, width - 11, height - 1}, {width - 11, 1, width - 1, 9}};
}
