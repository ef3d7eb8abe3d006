// The layout description of one skinned window, read from a small text
// file (see skins/layouts/README.layout for the grammar), and the shared
// list of button masks.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool overlaps(const Rect& o) const {
    return left < o.right() && o.left < right() && top < o.bottom() && o.top < bottom();
  }
  bool inside(int w, int h) const { return left >= 0 && top >= 0 && right() <= w && bottom() <= h; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Outline of a window, a masked button or a decorated control.
enum class ShapeKind { Rect, Rounded, Bevel, Notched, TrapezoidDown, TrapezoidUp };
struct Shape {
  ShapeKind kind = ShapeKind::Rect;
  int size = 0;  // corner radius, bevel or slant in pixels
};

struct Control {
  int key = 0;
  std::string kind;
  Rect rect;
  std::map<std::string, std::string> options;
  std::string note;  // what the control is, from the line's comment
  int line = 0;

  std::string option(const std::string& name, const std::string& fallback = "") const {
    auto it = options.find(name);
    return it == options.end() ? fallback : it->second;
  }
};

// A rectangle in which the window paints a text itself; controls keep
// clear of it.
struct TextArea {
  Rect rect;
  std::string note;
};

// Decorative artwork painted into the background, e.g. "mouse".
struct Artwork {
  std::string name;
  Rect rect;
};

struct WindowLayout {
  std::string source;    // layout file, for messages
  std::string iniFile;   // skin_*.ini written for the window
  std::string section = "SCREEN";
  std::string pictures;  // base name of the five window pictures
  int width = 0, height = 0;
  Shape outline;
  int header = 0;  // height of the title band, 0 for none
  std::vector<Rect> panels;
  std::vector<Artwork> artwork;
  std::vector<TextArea> texts;
  std::vector<Control> controls;
};

struct MaskSpec {
  std::string file;
  Shape shape;
  int width = 0, height = 0;
};

struct LayoutError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

Shape ParseShape(const std::string& text);  // "rect", "bevel:6", ...

// Parses one window layout; `source` names the file in error messages.
WindowLayout ParseWindowLayout(const std::string& text, const std::string& source);

// Parses "mask <file> <shape> <width> <height>" lines.
std::vector<MaskSpec> ParseMasks(const std::string& text, const std::string& source);

// Checks what the programs rely on: every control lies inside the window,
// keeps clear of the text areas and of other controls (two banks of
// buttons may share a rectangle exactly), keys are unique and a masked
// control has its mask's size. Returns one message per problem.
std::vector<std::string> CheckLayout(const WindowLayout& layout, const std::vector<MaskSpec>& masks);

const MaskSpec* FindMask(const std::vector<MaskSpec>& masks, const std::string& file);
