#include "control_painter.h"

#include <cmath>
#include <functional>
#include <map>

#include "draw.h"

namespace {

using theme::Look;

const Shape kSmallRound{ShapeKind::Rounded, 3};

// Shaped buttons carry light captions when pressed, the rectangular
// push and toggle buttons blue ones: each gets a pressed face its
// caption reads well on.
const Look& LookOf(SheetState s, bool shapedButton) {
  switch (s) {
    case SheetState::Over: return theme::kOver;
    case SheetState::Down: return shapedButton ? theme::kDownAccent : theme::kDownLight;
    case SheetState::Disable: return theme::kDisabled;
    case SheetState::Normal: break;
  }
  return theme::kNormal;
}

Rgb ParseColour(const Control& c, const std::string& text) {
  if (text.size() != 6) throw LayoutError("entry " + std::to_string(c.key) + ": colour is written RRGGBB");
  const unsigned long v = std::stoul(text, nullptr, 16);
  return {uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)};
}

Shape ShapeOf(const Control& c, const MaskSpec* mask, const Shape& fallback) {
  if (mask) return mask->shape;
  const std::string s = c.option("shape");
  return s.empty() ? fallback : ParseShape(s);
}

// Icons drawn on a face. Centred ones fill the face; "left" and "right"
// ones sit in a square at that end so a caption fits beside them.
void PaintGlyph(cairo_t* cr, const Control& c, const Box& face, Rgb colour) {
  const std::string name = c.option("glyph");
  if (name.empty()) return;
  const std::string at = c.option("glyph-at", "center");
  const double side = std::min(face.w, face.h);
  Box g{face.cx() - side / 2, face.y, side, side};
  if (at == "left") g.x = face.x + 2;
  else if (at == "right") g.x = face.x + face.w - side - 2;
  else if (at != "center") throw LayoutError("entry " + std::to_string(c.key) + ": glyph-at is left, center or right");
  const double u = side / 10;  // glyph unit
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  if (name == "close") {
    StrokeLine(cr, g.cx() - 2.2 * u, g.cy() - 2.2 * u, g.cx() + 2.2 * u, g.cy() + 2.2 * u, 1.6, colour);
    StrokeLine(cr, g.cx() + 2.2 * u, g.cy() - 2.2 * u, g.cx() - 2.2 * u, g.cy() + 2.2 * u, 1.6, colour);
  } else if (name == "minimise") {
    StrokeLine(cr, g.cx() - 2.5 * u, g.cy() + 2 * u, g.cx() + 2.5 * u, g.cy() + 2 * u, 2.0, colour);
  } else if (name == "dropdown") {
    FillTriangle(cr, g.cx(), g.cy(), 3.6 * u, Direction::Down, colour);
  } else if (name == "record") {
    cairo_new_path(cr);
    cairo_arc(cr, g.cx(), g.cy(), 2.4 * u, 0, 2 * M_PI);
    SetColour(cr, Mix(colour, {220, 40, 40}, 0.7));
    cairo_fill(cr);
  } else if (name == "stop") {
    cairo_rectangle(cr, g.cx() - 2 * u, g.cy() - 2 * u, 4 * u, 4 * u);
    SetColour(cr, colour);
    cairo_fill(cr);
  } else if (name == "import" || name == "export") {
    // A tray with an arrow going into it or out of it.
    const double dir = name == "import" ? 1 : -1;
    StrokeLine(cr, g.cx() - 3 * u, g.cy() + 1.5 * u, g.cx() - 3 * u, g.cy() + 3 * u, 1.4, colour);
    StrokeLine(cr, g.cx() - 3 * u, g.cy() + 3 * u, g.cx() + 3 * u, g.cy() + 3 * u, 1.4, colour);
    StrokeLine(cr, g.cx() + 3 * u, g.cy() + 3 * u, g.cx() + 3 * u, g.cy() + 1.5 * u, 1.4, colour);
    StrokeLine(cr, g.cx(), g.cy() - 3.2 * u, g.cx(), g.cy() + 1.2 * u, 1.4, colour);
    FillTriangle(cr, g.cx(), dir > 0 ? g.cy() + 0.8 * u : g.cy() - 3.4 * u, 3.2 * u,
                 dir > 0 ? Direction::Down : Direction::Up, colour);
  } else if (name == "lock") {
    cairo_new_path(cr);
    cairo_arc(cr, g.cx(), g.cy() - 0.6 * u, 1.8 * u, M_PI, 2 * M_PI);
    SetColour(cr, colour);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_rectangle(cr, g.cx() - 2.6 * u, g.cy() - 0.6 * u, 5.2 * u, 3.8 * u);
    cairo_fill(cr);
  } else if (name == "reset") {
    cairo_new_path(cr);
    cairo_arc(cr, g.cx(), g.cy(), 2.6 * u, -M_PI * 0.35, M_PI * 1.4);
    SetColour(cr, colour);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    FillTriangle(cr, g.cx() + 2.0 * u, g.cy() - 2.4 * u, 2.6 * u, Direction::Right, colour);
  } else {
    throw LayoutError("entry " + std::to_string(c.key) + ": unknown glyph '" + name + "'");
  }
  cairo_restore(cr);
}

// Push buttons, shaped buttons, tabs and the like: a face and its glyph.
void PaintButton(cairo_t* cr, const Control& c, const MaskSpec* mask, SheetState s, const Shape& fallback) {
  const Look& look = LookOf(s, mask != nullptr);
  // Unmasked buttons keep a pixel of window background around them; a
  // masked one fills its mask exactly.
  const Box face = mask ? Box::Of(c.rect) : Box::Of(c.rect).inset(1);
  PaintFace(cr, ShapeOf(c, mask, fallback), face, look);
  PaintGlyph(cr, c, face.inset(2), look.glyph);
}

// A function slot of the button page: captions start 25 pixels in, the
// room before them holds a small status lamp.
void PaintFunction(cairo_t* cr, const Control& c, const MaskSpec* mask, SheetState s) {
  PaintButton(cr, c, mask, s, kSmallRound);
  const Box b = Box::Of(c.rect);
  static const std::map<SheetState, Rgb> lamp = {{SheetState::Normal, theme::kAccentBright},
                                                 {SheetState::Over, theme::kAccent},
                                                 {SheetState::Down, {255, 255, 255}},
                                                 {SheetState::Disable, theme::kDisabledGlyph}};
  cairo_new_path(cr);
  cairo_rectangle(cr, b.x + 9, b.cy() - 3, 6, 6);
  SetColour(cr, lamp.at(s));
  cairo_fill(cr);
  StrokeLine(cr, b.x + 20.5, b.y + 5, b.x + 20.5, b.y + b.h - 5, 1.0, LookOf(s, false).border, 0.8);
}

// A check option: a face with a check box at its left end.
void PaintOption(cairo_t* cr, const Control& c, const MaskSpec* mask, SheetState s) {
  PaintButton(cr, c, mask, s, kSmallRound);
  const Box b = Box::Of(c.rect);
  const Box box{b.x + 6, b.cy() - 6, 12, 12};
  PaintWell(cr, kSmallRound, box, s == SheetState::Over ? theme::kAccentBright : theme::kWellEdge);
  if (s == SheetState::Down) {
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_new_path(cr);
    cairo_move_to(cr, box.x + 2.5, box.cy());
    cairo_line_to(cr, box.x + 5, box.y + box.h - 3);
    cairo_line_to(cr, box.x + box.w - 2.5, box.y + 2.5);
    SetColour(cr, theme::kAccentGlow);
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
    cairo_restore(cr);
  }
}

// A toggle: a face with an indicator lamp in its top-right corner.
void PaintToggle(cairo_t* cr, const Control& c, const MaskSpec* mask, SheetState s) {
  PaintButton(cr, c, mask, s, kSmallRound);
  const Box b = Box::Of(c.rect);
  cairo_new_path(cr);
  cairo_rectangle(cr, b.x + b.w - 13, b.y + 5, 7, 3);
  SetColour(cr, s == SheetState::Down ? Rgb{255, 255, 255}
                : s == SheetState::Disable ? theme::kDisabledGlyph
                                           : Rgb{70, 76, 88});
  cairo_fill(cr);
}

// A colour choice: a face with a bar of its colour ("rainbow" for all).
void PaintChoice(cairo_t* cr, const Control& c, const MaskSpec* mask, SheetState s) {
  PaintButton(cr, c, mask, s, kSmallRound);
  const Box bar = Box::Of(c.rect).inset(6);
  cairo_new_path(cr);
  TraceShape(cr, kSmallRound, bar);
  const std::string colour = c.option("colour");
  const double fade = s == SheetState::Disable ? 0.25 : 1.0;
  if (colour == "rainbow") {
    cairo_pattern_t* g = cairo_pattern_create_linear(bar.x, 0, bar.x + bar.w, 0);
    const Rgb stops[] = {{255, 40, 40}, {255, 220, 40}, {40, 230, 80}, {40, 200, 255}, {70, 70, 255}, {230, 60, 255}};
    for (int i = 0; i < 6; ++i)
      cairo_pattern_add_color_stop_rgba(g, i / 5.0, stops[i].r / 255.0, stops[i].g / 255.0, stops[i].b / 255.0, fade);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  } else {
    SetColour(cr, ParseColour(c, colour), fade);
    cairo_fill(cr);
  }
}

// Edit fields and lists: a sunken well; hover lights its edge.
void PaintWellControl(cairo_t* cr, const Control& c, SheetState s) {
  const Rgb edge = s == SheetState::Over ? theme::kAccentBright
                   : s == SheetState::Down ? theme::kAccentGlow
                   : s == SheetState::Disable ? Rgb{40, 42, 46}
                                              : theme::kWellEdge;
  PaintWell(cr, kSmallRound, Box::Of(c.rect), edge);
}

// A slider track: a groove across the middle with end ticks; the thumb
// picture slides over it.
void PaintTrackIn(cairo_t* cr, const Box& b, SheetState s) {
  const Rgb edge = s == SheetState::Disable ? Rgb{40, 42, 46} : theme::kWellEdge;
  const Box groove{b.x + 2, b.cy() - 2, b.w - 4, 4};
  PaintWell(cr, {ShapeKind::Rounded, 2}, groove, edge);
  const Rgb tick = s == SheetState::Disable ? theme::kDisabledGlyph : theme::kAccentBright;
  StrokeLine(cr, b.x + 1.5, b.y + 1, b.x + 1.5, b.y + b.h - 1, 1.0, tick, 0.8);
  StrokeLine(cr, b.x + b.w - 1.5, b.y + 1, b.x + b.w - 1.5, b.y + b.h - 1, 1.0, tick, 0.8);
}

// An arrow cell of a spin field.
void PaintSpinArrow(cairo_t* cr, const Box& b, Direction d, SheetState s) {
  const Look& look = LookOf(s, false);
  PaintFace(cr, {ShapeKind::Rounded, 2}, b, look);
  FillTriangle(cr, b.cx(), b.cy(), std::min(b.w, b.h) * 0.55, d, look.glyph);
}

// Spin fields match the control's sub-rectangles: horizontal = decrease
// 0..10, edit 12..right-12, increase right-11..right; vertical = edit on
// the left, up arrow right-11..right-1 x 1..9, down arrow x 10..bottom-1.
void PaintSpin(cairo_t* cr, const Control& c, SheetState s, bool horizontal) {
  const Rect& r = c.rect;
  const double x = r.left, y = r.top, right = r.right(), bottom = r.bottom();
  if (horizontal) {
    PaintSpinArrow(cr, {x, y, 11, 20}, Direction::Left, s);
    PaintWell(cr, kSmallRound, {x + 12, y + 1, right - 23 - x, 18}, theme::kWellEdge);
    PaintSpinArrow(cr, {right - 11, y, 11, 20}, Direction::Right, s);
  } else {
    PaintWell(cr, kSmallRound, {x + 1, y + 1, right - 12 - x, bottom - 1 - (y + 1)}, theme::kWellEdge);
    PaintSpinArrow(cr, {right - 11, y + 1, 10, 9}, Direction::Up, s);
    PaintSpinArrow(cr, {right - 11, y + 10, 10, bottom - 1 - (y + 10)}, Direction::Down, s);
  }
}

// A column heading strip: a quiet bar with an accent underline.
void PaintStrip(cairo_t* cr, const Control& c) {
  const Box b = Box::Of(c.rect);
  cairo_new_path(cr);
  cairo_rectangle(cr, b.x, b.y, b.w, b.h);
  FillVertical(cr, b.y, b.y + b.h, theme::kHeaderTop, theme::kHeaderBottom);
  cairo_new_path(cr);
  StrokeLine(cr, b.x, b.y + b.h - 1, b.x + b.w, b.y + b.h - 1, 2.0, theme::kAccent);
}

// The DPI level control, drawn as one piece whose parts sit where the
// control places its children: the level strip (0,0)-(350,20), the
// enable switch (4,20)-(25,45), the slider track (33,19)-(293,29) and the
// value label (301,22)-(341,37). The Down sheet shows the current level:
// lit strip, switch on.
void PaintDpiLevel(cairo_t* cr, const Control& c, const MaskSpec* mask, SheetState s) {
  const Box b = Box::Of(c.rect);
  const Shape outline = ShapeOf(c, mask, {ShapeKind::Bevel, 6});
  cairo_save(cr);
  cairo_new_path(cr);
  TraceShape(cr, outline, b);
  FillVertical(cr, b.y, b.y + b.h, {24, 26, 31}, {13, 14, 17});
  cairo_clip(cr);

  const Look& strip = s == SheetState::Normal || s == SheetState::Disable ? theme::kNormal : LookOf(s, false);
  cairo_new_path(cr);
  cairo_rectangle(cr, b.x, b.y, b.w, 20);
  FillVertical(cr, b.y, b.y + 20, strip.top, strip.bottom);
  StrokeLine(cr, b.x, b.y + 19.5, b.x + b.w, b.y + 19.5, 1.0, strip.border);
  // A chevron at the strip's right end marks the level as selectable.
  FillTriangle(cr, b.x + b.w - 14, b.y + 10, 7, Direction::Left, strip.glyph);

  const Box sw{b.x + 6, b.y + 24, 17, 17};
  const bool on = s == SheetState::Down;
  PaintFace(cr, {ShapeKind::Rounded, 3}, sw, on ? theme::kDownAccent : LookOf(s, false));
  cairo_new_path(cr);
  cairo_arc(cr, sw.cx(), sw.cy(), 3.5, 0, 2 * M_PI);
  SetColour(cr, on ? theme::kAccentGlow : s == SheetState::Over ? theme::kAccent : Rgb{60, 64, 72});
  cairo_fill(cr);

  PaintTrackIn(cr, {b.x + 33, b.y + 19, 260, 10}, s == SheetState::Disable ? s : SheetState::Normal);
  PaintWell(cr, kSmallRound, {b.x + 299, b.y + 22, 46, 16}, theme::kWellEdge);

  cairo_new_path(cr);
  TraceShape(cr, outline, b);
  SetColour(cr, on ? theme::kAccentBright : theme::kPanelEdge);
  cairo_set_line_width(cr, 2.0);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void PaintLogo(cairo_t* cr, const Control& c, SheetState s) {
  const bool lit = s == SheetState::Over || s == SheetState::Down;
  PaintEmblem(cr, Box::Of(c.rect), lit ? theme::kAccentGlow : theme::kAccentBright,
              s == SheetState::Down ? theme::kAccentGlow : theme::kText, lit);
}

using Painter = std::function<void(cairo_t*, const Control&, const MaskSpec*, SheetState)>;

const std::map<std::string, Painter>& Painters() {
  static const std::map<std::string, Painter> painters = {
      {"button", [](cairo_t* cr, const Control& c, const MaskSpec* m, SheetState s) { PaintButton(cr, c, m, s, kSmallRound); }},
      {"shaped", [](cairo_t* cr, const Control& c, const MaskSpec* m, SheetState s) {
         if (!m) throw LayoutError("entry " + std::to_string(c.key) + ": a shaped button needs mask=");
         PaintButton(cr, c, m, s, kSmallRound);
       }},
      {"tab", [](cairo_t* cr, const Control& c, const MaskSpec* m, SheetState s) { PaintButton(cr, c, m, s, {ShapeKind::Bevel, 8}); }},
      {"function", PaintFunction},
      {"option", PaintOption},
      {"toggle", PaintToggle},
      {"choice", PaintChoice},
      {"swatch", [](cairo_t* cr, const Control& c, const MaskSpec*, SheetState s) { PaintWellControl(cr, c, s); }},
      {"field", [](cairo_t* cr, const Control& c, const MaskSpec*, SheetState s) { PaintWellControl(cr, c, s); }},
      {"list", [](cairo_t* cr, const Control& c, const MaskSpec*, SheetState s) {
         PaintWellControl(cr, c, s == SheetState::Disable ? s : SheetState::Normal);
       }},
      {"slider", [](cairo_t* cr, const Control& c, const MaskSpec*, SheetState s) { PaintTrackIn(cr, Box::Of(c.rect), s); }},
      {"spin-h", [](cairo_t* cr, const Control& c, const MaskSpec*, SheetState s) { PaintSpin(cr, c, s, true); }},
      {"spin-v", [](cairo_t* cr, const Control& c, const MaskSpec*, SheetState s) { PaintSpin(cr, c, s, false); }},
      {"strip", [](cairo_t* cr, const Control& c, const MaskSpec*, SheetState) { PaintStrip(cr, c); }},
      {"dpi", PaintDpiLevel},
      {"logo", [](cairo_t* cr, const Control& c, const MaskSpec*, SheetState s) { PaintLogo(cr, c, s); }},
      {"area", [](cairo_t*, const Control&, const MaskSpec*, SheetState) {}},
  };
  return painters;
}

}  // namespace

bool IsKnownControlKind(const std::string& kind) { return Painters().count(kind) != 0; }

void PaintControl(cairo_t* cr, const Control& control, const MaskSpec* mask, SheetState state) {
  const auto it = Painters().find(control.kind);
  if (it == Painters().end())
    throw LayoutError("entry " + std::to_string(control.key) + ": unknown kind '" + control.kind + "'");
  cairo_save(cr);
  it->second(cr, control, mask, state);
  cairo_restore(cr);
}
