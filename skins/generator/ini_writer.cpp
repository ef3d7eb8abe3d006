#include "ini_writer.h"

#include <cctype>
#include <sstream>

namespace {
const char* const kScreenKeys[] = {"Mask", "Normal", "Over", "Down", "Disable"};
}

std::string SheetFileName(const WindowLayout& layout, const std::string& screenKey) {
  std::string suffix = screenKey;
  for (char& ch : suffix) ch = char(std::tolower(static_cast<unsigned char>(ch)));
  return layout.pictures + "_" + suffix + ".bmp";
}

std::string WriteSkinIni(const WindowLayout& layout) {
  std::ostringstream out;
  // Windows private-profile files want CR LF line ends.
  out << "[" << layout.section << "]\r\n";
  for (const char* key : kScreenKeys) out << key << "=" << SheetFileName(layout, key) << "\r\n";
  out << "\r\n[BUTTONPOS]\r\n";
  for (const Control& c : layout.controls) {
    out << "; " << c.note << "\r\n";
    // The label is not read by the program; the kind keeps the file readable.
    out << c.key << "=" << c.kind.substr(0, 39) << "," << c.rect.left << "," << c.rect.top << ","
        << c.rect.width << "," << c.rect.height << "\r\n";
  }
  return out.str();
}
