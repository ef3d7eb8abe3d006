#include "window_painter.h"

#include <algorithm>

#include "draw.h"

namespace {

// Faint diagonal hatching gives the large dark areas some texture.
void PaintHatching(cairo_t* cr, int width, int height) {
  for (int x = -height; x < width; x += 6)
    StrokeLine(cr, x, height, x + height, 0, 1.0, {255, 255, 255}, 0.012);
}

void PaintHeader(cairo_t* cr, const WindowLayout& layout) {
  const double w = layout.width, h = layout.header;
  cairo_new_path(cr);
  cairo_rectangle(cr, 0, 0, w, h);
  FillVertical(cr, 0, h, theme::kHeaderTop, theme::kHeaderBottom);
  cairo_new_path(cr);
  // An accent rule under the header with a raised notch at its left end
  // and a soft glow below it.
  const double notch = std::min(w * 0.3, 240.0);
  cairo_move_to(cr, 0, h - 6);
  cairo_line_to(cr, notch, h - 6);
  cairo_line_to(cr, notch + 6, h);
  cairo_line_to(cr, w, h);
  SetColour(cr, theme::kAccentBright);
  cairo_set_line_width(cr, 2.0);
  cairo_stroke(cr);
  cairo_pattern_t* glow = cairo_pattern_create_linear(0, h, 0, h + 10);
  cairo_pattern_add_color_stop_rgba(glow, 0, theme::kAccent.r / 255.0, theme::kAccent.g / 255.0, theme::kAccent.b / 255.0, 0.35);
  cairo_pattern_add_color_stop_rgba(glow, 1, 0, 0, 0, 0);
  cairo_rectangle(cr, notch + 6, h + 1, w, 10);
  cairo_set_source(cr, glow);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
}

void PaintPanel(cairo_t* cr, const Rect& r) {
  const Box b = Box::Of(r);
  const Shape shape{ShapeKind::Notched, 10};
  cairo_new_path(cr);
  TraceShape(cr, shape, b.inset(0.5));
  FillVertical(cr, b.y, b.y + b.h, Mix(theme::kPanel, theme::kWindowTop, 0.3), theme::kPanel);
  SetColour(cr, theme::kPanelEdge);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  // Accent corner marks at the notched corners.
  StrokeLine(cr, b.x + 1, b.y + 9, b.x + 9, b.y + 1, 2.0, theme::kAccentBright);
  StrokeLine(cr, b.x + b.w - 9, b.y + b.h - 1, b.x + b.w - 1, b.y + b.h - 9, 2.0, theme::kAccentBright);
}

// A top view of the mouse, outlined in the accent colour, so the page of
// button functions has something to point at.
void PaintMouseArt(cairo_t* cr, const Box& b) {
  const double w = std::min(b.w, b.h * 0.6), h = w / 0.6;
  const double x = b.cx() - w / 2, y = b.cy() - h / 2;
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, x + w / 2, y);
  cairo_curve_to(cr, x + w * 0.95, y, x + w, y + h * 0.25, x + w, y + h * 0.5);
  cairo_curve_to(cr, x + w, y + h * 0.85, x + w * 0.8, y + h, x + w / 2, y + h);
  cairo_curve_to(cr, x + w * 0.2, y + h, x, y + h * 0.85, x, y + h * 0.5);
  cairo_curve_to(cr, x, y + h * 0.25, x + w * 0.05, y, x + w / 2, y);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(x + w * 0.4, y + h * 0.3, w * 0.05, x + w / 2, y + h / 2, h * 0.6);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.17, 0.19, 0.24);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.04, 0.045, 0.055);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  SetColour(cr, theme::kAccentBright, 0.9);
  cairo_set_line_width(cr, 2.0);
  cairo_stroke(cr);
  // Split between the two main buttons, the wheel, side buttons and a
  // light strip along the back.
  StrokeLine(cr, x + w / 2, y + 2, x + w / 2, y + h * 0.36, 1.5, theme::kFrameInner);
  StrokeLine(cr, x + w * 0.08, y + h * 0.36, x + w * 0.92, y + h * 0.36, 1.0, theme::kFrameInner, 0.8);
  cairo_new_path(cr);
  TraceShape(cr, {ShapeKind::Rounded, 4}, {x + w / 2 - 5, y + h * 0.12, 10, h * 0.16});
  SetColour(cr, theme::kAccentGlow);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  for (int i = 0; i < 2; ++i) {
    cairo_new_path(cr);
    TraceShape(cr, {ShapeKind::Rounded, 2}, {x + 2, y + h * (0.42 + 0.1 * i), 6, h * 0.08});
    SetColour(cr, theme::kAccent);
    cairo_fill(cr);
  }
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  StrokeLine(cr, x + w * 0.3, y + h * 0.86, x + w * 0.7, y + h * 0.86, 3.0, theme::kAccentBright, 0.8);
  PaintEmblem(cr, {x + w / 2 - w * 0.14, y + h * 0.55, w * 0.28, w * 0.28}, theme::kAccent, theme::kFrameInner, false);
  cairo_restore(cr);
}

void PaintArtwork(cairo_t* cr, const WindowLayout& layout, const Artwork& art) {
  if (art.name == "mouse")
    PaintMouseArt(cr, Box::Of(art.rect));
  else
    throw LayoutError(layout.source + ": unknown artwork '" + art.name + "'");
}

void PaintFrame(cairo_t* cr, const WindowLayout& layout) {
  const Box all{0, 0, double(layout.width), double(layout.height)};
  cairo_new_path(cr);
  TraceShape(cr, layout.outline, all.inset(0.5));
  SetColour(cr, theme::kAccentBright);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  cairo_new_path(cr);
  TraceShape(cr, layout.outline, all.inset(1.5));
  SetColour(cr, theme::kFrameInner);
  cairo_stroke(cr);
}

}  // namespace

Image PaintMask(const Shape& shape, int width, int height) {
  Canvas canvas(width, height);
  cairo_t* cr = canvas.cr();
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  SetColour(cr, {255, 255, 255});
  cairo_paint(cr);
  TraceShape(cr, shape, {0, 0, double(width), double(height)});
  SetColour(cr, {0, 0, 0});
  cairo_fill(cr);
  return canvas.image();
}

Image PaintSheet(const WindowLayout& layout, const std::vector<MaskSpec>& masks, SheetState state) {
  Canvas canvas(layout.width, layout.height);
  cairo_t* cr = canvas.cr();
  SetColour(cr, {0, 0, 0});
  cairo_paint(cr);

  cairo_save(cr);
  TraceShape(cr, layout.outline, {0, 0, double(layout.width), double(layout.height)});
  FillVertical(cr, 0, layout.height, theme::kWindowTop, theme::kWindowBottom);
  cairo_clip(cr);
  PaintHatching(cr, layout.width, layout.height);
  if (layout.header > 0) PaintHeader(cr, layout);
  for (const Rect& panel : layout.panels) PaintPanel(cr, panel);
  for (const Artwork& art : layout.artwork) PaintArtwork(cr, layout, art);
  cairo_restore(cr);
  PaintFrame(cr, layout);

  for (const Control& control : layout.controls)
    PaintControl(cr, control, FindMask(masks, control.option("mask")), state);
  return canvas.image();
}
