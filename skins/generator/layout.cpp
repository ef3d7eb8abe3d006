#include "layout.h"

#include <charconv>
#include <set>
#include <sstream>

namespace {

struct Line {
  std::vector<std::string> words;
  std::string comment;
  int number = 0;
};

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::vector<Line> SplitLines(const std::string& text) {
  std::vector<Line> lines;
  std::istringstream in(text);
  std::string raw;
  for (int number = 1; std::getline(in, raw); ++number) {
    Line line;
    line.number = number;
    const auto hash = raw.find('#');
    if (hash != std::string::npos) {
      line.comment = Trim(raw.substr(hash + 1));
      raw.resize(hash);
    }
    std::istringstream words(raw);
    for (std::string w; words >> w;) line.words.push_back(w);
    if (!line.words.empty()) lines.push_back(line);
  }
  return lines;
}

[[noreturn]] void Fail(const std::string& source, int line, const std::string& message) {
  throw LayoutError(source + ":" + std::to_string(line) + ": " + message);
}

bool ToInt(const std::string& s, int& value) {
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  return ec == std::errc() && end == s.data() + s.size();
}

int IntAt(const Line& line, size_t i, const std::string& source) {
  int v = 0;
  if (i >= line.words.size() || !ToInt(line.words[i], v))
    Fail(source, line.number, "expected a number as word " + std::to_string(i + 1));
  return v;
}

// left top width height starting at word `first`; sizes must be positive.
Rect RectAt(const Line& line, size_t first, const std::string& source) {
  Rect r{IntAt(line, first, source), IntAt(line, first + 1, source), IntAt(line, first + 2, source),
         IntAt(line, first + 3, source)};
  if (r.width <= 0 || r.height <= 0) Fail(source, line.number, "a rectangle needs a positive size");
  return r;
}

// Text areas are written as left top right bottom, the way the windows
// name the boxes they paint into.
Rect EdgesAt(const Line& line, size_t first, const std::string& source) {
  const int l = IntAt(line, first, source), t = IntAt(line, first + 1, source);
  Rect r{l, t, IntAt(line, first + 2, source) - l, IntAt(line, first + 3, source) - t};
  if (r.width <= 0 || r.height <= 0) Fail(source, line.number, "right and bottom must exceed left and top");
  return r;
}

void Expect(const Line& line, size_t count, const std::string& source) {
  if (line.words.size() != count)
    Fail(source, line.number, "'" + line.words[0] + "' takes " + std::to_string(count - 1) + " values");
}

Control ParseControl(const Line& line, int key, const std::string& source) {
  if (line.words.size() < 6) Fail(source, line.number, "a control is: key kind left top width height [name=value...]");
  Control c;
  c.key = key;
  c.kind = line.words[1];
  c.rect = RectAt(line, 2, source);
  c.note = line.comment;
  c.line = line.number;
  for (size_t i = 6; i < line.words.size(); ++i) {
    const auto eq = line.words[i].find('=');
    if (eq == std::string::npos || eq == 0) Fail(source, line.number, "options are written name=value");
    c.options[line.words[i].substr(0, eq)] = line.words[i].substr(eq + 1);
  }
  if (c.note.empty()) Fail(source, line.number, "every control needs a comment saying what it is");
  return c;
}

}  // namespace

Shape ParseShape(const std::string& text) {
  static const std::map<std::string, ShapeKind> kinds = {
      {"rect", ShapeKind::Rect},         {"rounded", ShapeKind::Rounded},
      {"bevel", ShapeKind::Bevel},       {"notched", ShapeKind::Notched},
      {"trap-down", ShapeKind::TrapezoidDown}, {"trap-up", ShapeKind::TrapezoidUp}};
  const auto colon = text.find(':');
  const auto it = kinds.find(text.substr(0, colon));
  if (it == kinds.end()) throw LayoutError("unknown shape '" + text + "'");
  Shape shape{it->second, 0};
  if (colon != std::string::npos && (!ToInt(text.substr(colon + 1), shape.size) || shape.size < 0))
    throw LayoutError("bad size in shape '" + text + "'");
  return shape;
}

WindowLayout ParseWindowLayout(const std::string& text, const std::string& source) {
  WindowLayout layout;
  layout.source = source;
  std::set<int> keys;
  for (const Line& line : SplitLines(text)) {
    const std::string& word = line.words[0];
    int key = 0;
    try {
      if (word == "window") {
        Expect(line, 3, source);
        layout.width = IntAt(line, 1, source);
        layout.height = IntAt(line, 2, source);
      } else if (word == "ini") {
        Expect(line, 2, source);
        layout.iniFile = line.words[1];
      } else if (word == "section") {
        Expect(line, 2, source);
        layout.section = line.words[1];
      } else if (word == "pictures") {
        Expect(line, 2, source);
        layout.pictures = line.words[1];
      } else if (word == "outline") {
        Expect(line, 2, source);
        layout.outline = ParseShape(line.words[1]);
      } else if (word == "header") {
        Expect(line, 2, source);
        layout.header = IntAt(line, 1, source);
      } else if (word == "panel") {
        Expect(line, 5, source);
        layout.panels.push_back(RectAt(line, 1, source));
      } else if (word == "art") {
        Expect(line, 6, source);
        layout.artwork.push_back({line.words[1], RectAt(line, 2, source)});
      } else if (word == "text") {
        Expect(line, 5, source);
        layout.texts.push_back({EdgesAt(line, 1, source), line.comment});
      } else if (ToInt(word, key) && key > 0) {
        if (!keys.insert(key).second) Fail(source, line.number, "entry " + word + " appears twice");
        layout.controls.push_back(ParseControl(line, key, source));
      } else {
        Fail(source, line.number, "unknown directive '" + word + "'");
      }
    } catch (const LayoutError& e) {
      const std::string what = e.what();
      if (what.rfind(source, 0) == 0) throw;
      Fail(source, line.number, what);
    }
  }
  if (layout.width <= 0 || layout.height <= 0) throw LayoutError(source + ": missing 'window width height'");
  if (layout.iniFile.empty() || layout.pictures.empty())
    throw LayoutError(source + ": missing 'ini' or 'pictures'");
  return layout;
}

std::vector<MaskSpec> ParseMasks(const std::string& text, const std::string& source) {
  std::vector<MaskSpec> masks;
  for (const Line& line : SplitLines(text)) {
    if (line.words[0] != "mask") Fail(source, line.number, "expected 'mask file shape width height'");
    Expect(line, 5, source);
    MaskSpec m;
    m.file = line.words[1];
    try {
      m.shape = ParseShape(line.words[2]);
    } catch (const LayoutError& e) {
      Fail(source, line.number, e.what());
    }
    m.width = IntAt(line, 3, source);
    m.height = IntAt(line, 4, source);
    if (m.width <= 0 || m.height <= 0) Fail(source, line.number, "a mask needs a positive size");
    if (FindMask(masks, m.file)) Fail(source, line.number, m.file + " declared twice");
    masks.push_back(m);
  }
  return masks;
}

const MaskSpec* FindMask(const std::vector<MaskSpec>& masks, const std::string& file) {
  for (const MaskSpec& m : masks)
    if (m.file == file) return &m;
  return nullptr;
}

std::vector<std::string> CheckLayout(const WindowLayout& layout, const std::vector<MaskSpec>& masks) {
  std::vector<std::string> problems;
  auto report = [&](const Control& c, const std::string& what) {
    problems.push_back(layout.source + ":" + std::to_string(c.line) + ": entry " + std::to_string(c.key) + " " + what);
  };
  for (const TextArea& t : layout.texts)
    if (!t.rect.inside(layout.width, layout.height))
      problems.push_back(layout.source + ": text area '" + t.note + "' lies outside the window");
  for (size_t i = 0; i < layout.controls.size(); ++i) {
    const Control& c = layout.controls[i];
    if (!c.rect.inside(layout.width, layout.height)) report(c, "lies outside the window");
    for (const TextArea& t : layout.texts)
      if (c.rect.overlaps(t.rect)) report(c, "covers the text area '" + t.note + "'");
    for (size_t j = i + 1; j < layout.controls.size(); ++j) {
      const Control& o = layout.controls[j];
      if (c.rect.overlaps(o.rect) && !(c.rect == o.rect))
        report(c, "overlaps entry " + std::to_string(o.key));
    }
    const std::string maskFile = c.option("mask");
    if (maskFile.empty()) continue;
    const MaskSpec* mask = FindMask(masks, maskFile);
    if (!mask)
      report(c, "uses the undeclared mask " + maskFile);
    else if (mask->width != c.rect.width || mask->height != c.rect.height)
      report(c, "is not the size of " + maskFile + " (" + std::to_string(mask->width) + " x " +
                    std::to_string(mask->height) + ")");
  }
  return problems;
}
