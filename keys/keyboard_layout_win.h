// The active keyboard layout, in the form the key conversions take.
#pragma once

#include <cstdint>

uint32_t MapVirtualKeyOfActiveLayout(uint32_t code, uint32_t mapType);
