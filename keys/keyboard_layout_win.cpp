#include "keys/keyboard_layout_win.h"

#include <windows.h>

uint32_t MapVirtualKeyOfActiveLayout(uint32_t code, uint32_t mapType) { return MapVirtualKeyA(code, mapType); }
