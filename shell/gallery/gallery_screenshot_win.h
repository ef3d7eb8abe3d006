// Saving what the screen shows in a rectangle as a 24-bit BMP file.
#pragma once

#include <windows.h>

// Copies the screen (popup windows of every thread included) rather than a
// window DC, which comes out black under some display drivers.
bool SaveScreenRect(const RECT& area, const char* path);
