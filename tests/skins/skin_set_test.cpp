// Checks the generated skin set the way the program will read it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "bmp_file.h"
#include "layout.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSkins = SKIN_OUTPUT_DIR;
const fs::path kResources = SKIN_RESOURCE_DIR;

std::string Lower(std::string s) {
  for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// section -> key -> value, names lower-cased as the program matches them
// without regard to case; ';' lines are comments.
using Ini = std::map<std::string, std::map<std::string, std::string>>;
Ini ReadIni(const fs::path& path) {
  const auto bytes = ReadFileBytes(path.string());
  Ini ini;
  if (!bytes) return ini;
  std::istringstream in(std::string(bytes->begin(), bytes->end()));
  std::string line, section;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      section = Lower(line.substr(1, line.find(']') - 1));
      continue;
    }
    const auto eq = line.find('=');
    if (eq != std::string::npos) ini[section][Lower(line.substr(0, eq))] = line.substr(eq + 1);
  }
  return ini;
}

// label,left,top,width,height read with "%d,%d,%d,%d" after the first comma.
Rect ParsePosition(const std::string& value) {
  Rect r;
  const auto comma = value.find(',');
  if (comma == std::string::npos || comma > 39) return r;
  std::sscanf(value.c_str() + comma + 1, "%d,%d,%d,%d", &r.left, &r.top, &r.width, &r.height);
  return r;
}

Image Picture(const fs::path& path) {
  const auto bytes = ReadFileBytes(path.string());
  if (!bytes) return {};
  const auto image = DecodeBmp24(*bytes);
  return image ? *image : Image{};
}

std::vector<int> Range(int first, int last) {
  std::vector<int> keys;
  for (int k = first; k <= last; ++k) keys.push_back(k);
  return keys;
}
std::vector<int> Join(std::vector<int> a, const std::vector<int>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

struct Window {
  const char* ini;
  const char* section;
  std::vector<int> keys;  // entries the window reads
};

const std::vector<Window> kWindows = {
    {"skin_main.ini", "SCREEN", Join(Range(1, 9), Range(11, 17))},
    {"skin_button_page.ini", "Screen", Join(Range(1, 39), Range(41, 56))},
    {"skin_warn.ini", "SCREEN", Range(1, 3)},
    {"skin_inputname.ini", "SCREEN", Range(1, 5)},
    {"skin_fire_button.ini", "SCREEN", Range(1, 6)},
    {"skin_qiangxieku.ini", "SCREEN", Join(Join(Range(1, 6), {31, 32, 33, 34, 35, 36, 37, 40}), Join(Range(400, 407), Join(Range(410, 417), Range(420, 427))))},
    {"skin_gaoji_qiangxieku.ini", "SCREEN", Join(Join(Range(1, 6), Range(31, 35)), Join(Range(400, 407), Join(Range(410, 417), Range(420, 427))))},
    {"skin_select_macro.ini", "SCREEN", Range(1, 7)},
    {"skin_advance_setting.ini", "SCREEN", Join({1, 2, 3, 4, 5, 6, 7}, Join(Range(9, 17), {19, 20, 21, 22, 23}))},
    {"skin_key.ini", "SCREEN", Range(1, 9)},
};

Rect Entry(const Ini& ini, int key) {
  const auto section = ini.find("buttonpos");
  if (section == ini.end()) return {};
  const auto it = section->second.find(std::to_string(key));
  return it == section->second.end() ? Rect{} : ParsePosition(it->second);
}

TEST(SkinSet, EveryWindowHasItsPicturesAndEntriesInside) {
  for (const Window& w : kWindows) {
    SCOPED_TRACE(w.ini);
    const Ini ini = ReadIni(kSkins / w.ini);
    ASSERT_TRUE(ini.count(Lower(w.section))) << "no picture section";
    const auto& screen = ini.at(Lower(w.section));
    const Image normal = Picture(kSkins / screen.at("normal"));
    ASSERT_GT(normal.width, 0);
    for (const char* key : {"mask", "over", "down", "disable"}) {
      const Image other = Picture(kSkins / screen.at(key));
      EXPECT_EQ(other.width, normal.width) << key;
      EXPECT_EQ(other.height, normal.height) << key;
    }
    for (int key : w.keys) {
      const Rect r = Entry(ini, key);
      EXPECT_GT(r.width, 0) << "entry " << key;
      EXPECT_TRUE(r.inside(normal.width, normal.height)) << "entry " << key;
    }
  }
}

TEST(SkinSet, WindowMasksAreBlackInsideAndWhiteOutsideTheCorners) {
  for (const Window& w : kWindows) {
    SCOPED_TRACE(w.ini);
    const Ini ini = ReadIni(kSkins / w.ini);
    const Image mask = Picture(kSkins / ini.at(Lower(w.section)).at("mask"));
    ASSERT_GT(mask.width, 0);
    EXPECT_EQ(mask.rgb(mask.width / 2, mask.height / 2), (Rgb{0, 0, 0}));
    for (int y = 0; y < mask.height; ++y)
      for (int x = 0; x < mask.width; ++x) {
        const Rgb c = mask.rgb(x, y);
        ASSERT_TRUE(c == (Rgb{0, 0, 0}) || c == (Rgb{255, 255, 255})) << "grey mask pixel at " << x << "," << y;
      }
  }
  // The main window is shaped: its top-left corner is cut away.
  const Image main = Picture(kSkins / "main_mask.bmp");
  EXPECT_EQ(main.rgb(0, 0), (Rgb{255, 255, 255}));
}

TEST(SkinSet, ButtonMasksHaveTheSizeOfEveryButtonUsingThem) {
  struct Use {
    const char* ini;
    int key;
    const char* mask;
  };
  const std::vector<Use> uses = {
      {"skin_main.ini", 1, "basic_mask.bmp"},      {"skin_main.ini", 2, "advanced_mask.bmp"},
      {"skin_main.ini", 3, "ok_mask.bmp"},         {"skin_main.ini", 5, "ok_mask.bmp"},
      {"skin_main.ini", 4, "cancel_mask.bmp"},     {"skin_main.ini", 11, "prifile1_mask.bmp"},
      {"skin_main.ini", 13, "prifile1_mask.bmp"},  {"skin_main.ini", 15, "prifile1_mask.bmp"},
      {"skin_main.ini", 12, "prifile2_mask.bmp"},  {"skin_main.ini", 14, "prifile2_mask.bmp"},
      {"skin_main.ini", 16, "prifile2_mask.bmp"},  {"skin_gaoji_qiangxieku.ini", 31, "ok_mask.bmp"},
      {"skin_gaoji_qiangxieku.ini", 32, "cancel_mask.bmp"}};
  for (const Use& u : uses) {
    const Rect r = Entry(ReadIni(kSkins / u.ini), u.key);
    const Image mask = Picture(kSkins / u.mask);
    EXPECT_EQ(mask.width, r.width) << u.ini << " " << u.key;
    EXPECT_EQ(mask.height, r.height) << u.ini << " " << u.key;
  }
  for (const char* ini : {"skin_warn.ini", "skin_inputname.ini", "skin_fire_button.ini", "skin_select_macro.ini",
                          "skin_key.ini"}) {
    EXPECT_EQ(Entry(ReadIni(kSkins / ini), 1).width, Picture(kSkins / "ok_mask.bmp").width) << ini;
    EXPECT_EQ(Entry(ReadIni(kSkins / ini), 2).height, Picture(kSkins / "cancel_mask.bmp").height) << ini;
  }
}

TEST(SkinSet, PagesFitTheMainWindowPageAreaAndDpiControlsFitTheirMask) {
  const Rect area = Entry(ReadIni(kSkins / "skin_main.ini"), 9);
  for (const char* page : {"button_page_normal.bmp", "advance_setting_normal.bmp"}) {
    const Image picture = Picture(kSkins / page);
    EXPECT_EQ(picture.width, area.width) << page;
    EXPECT_EQ(picture.height, area.height) << page;
  }
  const Image dpiMask = Picture(kSkins / "DPI_Window_Mask.bmp");
  EXPECT_EQ(dpiMask.width, 350);
  const Ini page = ReadIni(kSkins / "skin_button_page.ini");
  for (int key = 24; key <= 29; ++key) {
    EXPECT_EQ(Entry(page, key).width, dpiMask.width);
    EXPECT_EQ(Entry(page, key).height, dpiMask.height);
  }
}

TEST(SkinSet, ButtonPageKeepsItsCaptionBoxesFree) {
  const Ini page = ReadIni(kSkins / "skin_button_page.ini");
  const Rect captions[] = {{281, 16, 208, 43}, {530, 6, 360, 43}, {530, 145, 360, 25},
                           {530, 90, 360, 25}, {530, 115, 50, 25}, {690, 115, 45, 25}};
  for (const auto& [key, value] : page.at("buttonpos"))
    for (const Rect& caption : captions) EXPECT_FALSE(ParsePosition(value).overlaps(caption)) << "entry " << key;
}

TEST(SkinSet, SliderThumbsShowAnArrowOnTheirCornerColour) {
  for (const char* name : {"scroll_arrow_down.bmp", "scroll_arrow_up.bmp"}) {
    const Image thumb = Picture(kSkins / name);
    ASSERT_GT(thumb.width, 0) << name;
    EXPECT_LE(thumb.height, 10) << "taller than the DPI slider track";
    const Rgb background = thumb.rgb(0, 0);
    int arrow = 0;
    for (int y = 0; y < thumb.height; ++y)
      for (int x = 0; x < thumb.width; ++x) arrow += !(thumb.rgb(x, y) == background);
    EXPECT_GT(arrow, thumb.width * thumb.height / 4) << name;
    EXPECT_LT(arrow, thumb.width * thumb.height * 3 / 4) << name;
  }
}

TEST(SkinSet, ResourcePicturesExist) {
  for (const char* icon : {"list_clock.bmp", "list_arrow_up.bmp", "list_arrow_down.bmp", "list_mouse.bmp",
                           "list_folder_closed.bmp", "list_folder_open.bmp"}) {
    const Image picture = Picture(kResources / icon);
    EXPECT_EQ(picture.width, 16) << icon;
    EXPECT_EQ(picture.height, 16) << icon;
    EXPECT_EQ(picture.rgb(0, 15), (Rgb{255, 0, 255})) << icon << ": corner should be transparent magenta";
  }
  for (const char* file : {"app_icon.ico", "submenu_arrow.ico", "hand.cur"})
    EXPECT_TRUE(fs::exists(kResources / file)) << file;
  const auto icon = ReadFileBytes((kResources / "app_icon.ico").string());
  ASSERT_TRUE(icon);
  EXPECT_EQ((*icon)[4], 3);  // 16, 32 and 48 pixels
}

}  // namespace
