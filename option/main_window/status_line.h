// The line the main window paints beside the import and export buttons:
// the mouse's firmware version (from config.ini) and the program's own.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

std::string StatusLine(int32_t firmwareVersion, std::string_view programVersion);
