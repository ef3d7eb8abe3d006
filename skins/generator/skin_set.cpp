#include "skin_set.h"

#include <algorithm>
#include <filesystem>

#include "bmp_file.h"
#include "control_painter.h"
#include "entry_header.h"
#include "fixed_pictures.h"
#include "icon_file.h"
#include "ini_writer.h"
#include "window_painter.h"

namespace fs = std::filesystem;

namespace {

const char kMaskList[] = "masks.layout";

std::string ReadText(const fs::path& path) {
  const auto bytes = ReadFileBytes(path.string());
  if (!bytes) throw LayoutError(path.string() + ": cannot be read");
  return std::string(bytes->begin(), bytes->end());
}

void Write(const fs::path& path, const std::vector<uint8_t>& bytes) {
  if (!WriteFileBytes(path.string(), bytes)) throw std::runtime_error(path.string() + ": cannot be written");
}

void WriteBmp(const fs::path& path, const Image& image) { Write(path, EncodeBmp24(image)); }

void WriteWindow(const WindowLayout& layout, const std::vector<MaskSpec>& masks, const fs::path& dir) {
  const std::string ini = WriteSkinIni(layout);
  Write(dir / layout.iniFile, std::vector<uint8_t>(ini.begin(), ini.end()));
  WriteBmp(dir / SheetFileName(layout, "Mask"), PaintMask(layout.outline, layout.width, layout.height));
  const std::pair<const char*, SheetState> sheets[] = {{"Normal", SheetState::Normal},
                                                        {"Over", SheetState::Over},
                                                        {"Down", SheetState::Down},
                                                        {"Disable", SheetState::Disable}};
  for (const auto& [key, state] : sheets) WriteBmp(dir / SheetFileName(layout, key), PaintSheet(layout, masks, state));
}

void WriteResources(const fs::path& dir) {
  Write(dir / "app_icon.ico", EncodeIcon(PaintProgramIcon()));
  // The file names that skins/skin_pictures.rc gives resource numbers.
  const std::pair<ListIcon, const char*> listIcons[] = {
      {ListIcon::Clock, "list_clock.bmp"},          {ListIcon::ArrowUp, "list_arrow_up.bmp"},
      {ListIcon::ArrowDown, "list_arrow_down.bmp"}, {ListIcon::Mouse, "list_mouse.bmp"},
      {ListIcon::FolderClosed, "list_folder_closed.bmp"}, {ListIcon::FolderOpen, "list_folder_open.bmp"}};
  for (const auto& [icon, file] : listIcons) WriteBmp(dir / file, PaintListIcon(icon));
  Write(dir / "submenu_arrow.ico", EncodeIcon({PaintSubmenuArrow()}));
  Write(dir / "hand.cur", EncodeCursor(PaintHandCursor(), kHandHotX, kHandHotY));
}

}  // namespace

SkinSources ReadSkinSources(const std::string& dir) {
  SkinSources sources;
  sources.masks = ParseMasks(ReadText(fs::path(dir) / kMaskList), kMaskList);
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(dir))
    if (entry.path().extension() == ".layout" && entry.path().filename() != kMaskList) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  for (const fs::path& file : files)
    sources.windows.push_back(ParseWindowLayout(ReadText(file), file.filename().string()));
  return sources;
}

std::vector<std::string> CheckSkinSources(const SkinSources& sources) {
  std::vector<std::string> problems;
  for (const WindowLayout& layout : sources.windows) {
    for (const std::string& p : CheckLayout(layout, sources.masks)) problems.push_back(p);
    for (const std::string& p : CheckEntryNames(layout)) problems.push_back(p);
    for (const Control& c : layout.controls)
      if (!IsKnownControlKind(c.kind))
        problems.push_back(layout.source + ":" + std::to_string(c.line) + ": unknown kind '" + c.kind + "'");
  }
  return problems;
}

void WriteSkinSet(const SkinSources& sources, const std::string& skinsDir, const std::string& resourceDir) {
  fs::create_directories(skinsDir);
  fs::create_directories(resourceDir);
  for (const WindowLayout& layout : sources.windows) WriteWindow(layout, sources.masks, skinsDir);
  for (const MaskSpec& mask : sources.masks)
    WriteBmp(fs::path(skinsDir) / mask.file, PaintMask(mask.shape, mask.width, mask.height));
  WriteBmp(fs::path(skinsDir) / "scroll_arrow_down.bmp", PaintThumb(true));
  WriteBmp(fs::path(skinsDir) / "scroll_arrow_up.bmp", PaintThumb(false));
  WriteResources(resourceDir);
}

void WriteEntryHeaderFile(const SkinSources& sources, const std::string& path) {
  const std::string text = WriteEntryHeader(sources.windows);
  const auto old = ReadFileBytes(path);
  if (old && std::string(old->begin(), old->end()) == text) return;
  fs::create_directories(fs::path(path).parent_path());
  Write(path, std::vector<uint8_t>(text.begin(), text.end()));
}
