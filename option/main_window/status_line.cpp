#include "option/main_window/status_line.h"

#include "profile/config_file.h"

std::string StatusLine(int32_t firmwareVersion, std::string_view programVersion) {
    return "Firmware " + FirmwareVersionText(firmwareVersion) + "    Version " + std::string(programVersion);
}
