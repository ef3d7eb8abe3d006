#include "draw.h"

#include <algorithm>
#include <cmath>

Canvas::Canvas(int width, int height)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)), cr_(cairo_create(surface_)) {}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

Image Canvas::image() const {
  cairo_surface_flush(surface_);
  const int w = cairo_image_surface_get_width(surface_), h = cairo_image_surface_get_height(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  Image image(w, h);
  for (int y = 0; y < h; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + y * stride);
    for (int x = 0; x < w; ++x) {
      const uint32_t p = row[x];
      const uint32_t a = p >> 24;
      auto channel = [&](int shift) { return a ? std::min<uint32_t>(255, ((p >> shift & 0xFF) * 255 + a / 2) / a) : 0; };
      image.at(x, y) = a << 24 | channel(16) << 16 | channel(8) << 8 | channel(0);
    }
  }
  return image;
}

void SetColour(cairo_t* cr, Rgb c, double alpha) { cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha); }

Rgb Mix(Rgb a, Rgb b, double t) {
  auto m = [t](uint8_t x, uint8_t y) { return uint8_t(std::lround(x + (y - x) * t)); };
  return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

void TraceShape(cairo_t* cr, const Shape& shape, const Box& b) {
  const double s = std::min<double>(shape.size, std::min(b.w, b.h) / 2);
  const double r = b.x + b.w, bo = b.y + b.h;
  cairo_new_sub_path(cr);
  switch (shape.kind) {
    case ShapeKind::Rect:
      cairo_rectangle(cr, b.x, b.y, b.w, b.h);
      return;
    case ShapeKind::Rounded:
      cairo_arc(cr, r - s, b.y + s, s, -M_PI / 2, 0);
      cairo_arc(cr, r - s, bo - s, s, 0, M_PI / 2);
      cairo_arc(cr, b.x + s, bo - s, s, M_PI / 2, M_PI);
      cairo_arc(cr, b.x + s, b.y + s, s, M_PI, 3 * M_PI / 2);
      break;
    case ShapeKind::Bevel:
      cairo_move_to(cr, b.x + s, b.y);
      cairo_line_to(cr, r - s, b.y);
      cairo_line_to(cr, r, b.y + s);
      cairo_line_to(cr, r, bo - s);
      cairo_line_to(cr, r - s, bo);
      cairo_line_to(cr, b.x + s, bo);
      cairo_line_to(cr, b.x, bo - s);
      cairo_line_to(cr, b.x, b.y + s);
      break;
    case ShapeKind::Notched: {
      // Deep cuts at the top-left and bottom-right, small ones elsewhere.
      const double t = std::max(2.0, s / 4);
      cairo_move_to(cr, b.x + s, b.y);
      cairo_line_to(cr, r - t, b.y);
      cairo_line_to(cr, r, b.y + t);
      cairo_line_to(cr, r, bo - s);
      cairo_line_to(cr, r - s, bo);
      cairo_line_to(cr, b.x + t, bo);
      cairo_line_to(cr, b.x, bo - t);
      cairo_line_to(cr, b.x, b.y + s);
      break;
    }
    case ShapeKind::TrapezoidDown:
      cairo_move_to(cr, b.x, b.y);
      cairo_line_to(cr, r, b.y);
      cairo_line_to(cr, r - s, bo);
      cairo_line_to(cr, b.x + s, bo);
      break;
    case ShapeKind::TrapezoidUp:
      cairo_move_to(cr, b.x + s, b.y);
      cairo_line_to(cr, r - s, b.y);
      cairo_line_to(cr, r, bo);
      cairo_line_to(cr, b.x, bo);
      break;
  }
  cairo_close_path(cr);
}

void FillVertical(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r / 255.0, top.g / 255.0, top.b / 255.0);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.r / 255.0, bottom.g / 255.0, bottom.b / 255.0);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
}

void PaintFace(cairo_t* cr, const Shape& shape, const Box& box, const theme::Look& look) {
  cairo_save(cr);
  cairo_new_path(cr);
  TraceShape(cr, shape, box);
  FillVertical(cr, box.y, box.y + box.h, look.top, look.bottom);
  cairo_clip(cr);
  // The rim is stroked on the inside of the outline so that a mask cut
  // along the outline keeps all of it.
  TraceShape(cr, shape, box);
  SetColour(cr, look.border);
  cairo_set_line_width(cr, 2.0);
  cairo_stroke(cr);
  StrokeLine(cr, box.x + 2, box.y + 1.5, box.x + box.w - 2, box.y + 1.5, 1.0, look.highlight, 0.8);
  cairo_restore(cr);
}

void PaintWell(cairo_t* cr, const Shape& shape, const Box& box, Rgb edge) {
  cairo_save(cr);
  cairo_new_path(cr);
  TraceShape(cr, shape, box.inset(0.5));
  FillVertical(cr, box.y, box.y + box.h, theme::kWell, Mix(theme::kWell, theme::kPanel, 0.6));
  SetColour(cr, edge);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  // Inner shadow along the top edge gives the sunken look.
  StrokeLine(cr, box.x + 1.5, box.y + 1.5, box.x + box.w - 1.5, box.y + 1.5, 1.0, {0, 0, 0}, 0.7);
  cairo_restore(cr);
}

void FillTriangle(cairo_t* cr, double cx, double cy, double size, Direction d, Rgb c) {
  const double h = size / 2;
  cairo_new_path(cr);
  switch (d) {
    case Direction::Up:
      cairo_move_to(cr, cx - h, cy + h / 2);
      cairo_line_to(cr, cx + h, cy + h / 2);
      cairo_line_to(cr, cx, cy - h / 2 - 1);
      break;
    case Direction::Down:
      cairo_move_to(cr, cx - h, cy - h / 2);
      cairo_line_to(cr, cx + h, cy - h / 2);
      cairo_line_to(cr, cx, cy + h / 2 + 1);
      break;
    case Direction::Left:
      cairo_move_to(cr, cx + h / 2, cy - h);
      cairo_line_to(cr, cx + h / 2, cy + h);
      cairo_line_to(cr, cx - h / 2 - 1, cy);
      break;
    case Direction::Right:
      cairo_move_to(cr, cx - h / 2, cy - h);
      cairo_line_to(cr, cx - h / 2, cy + h);
      cairo_line_to(cr, cx + h / 2 + 1, cy);
      break;
  }
  cairo_close_path(cr);
  SetColour(cr, c);
  cairo_fill(cr);
}

void StrokeLine(cairo_t* cr, double x0, double y0, double x1, double y1, double width, Rgb c, double alpha) {
  cairo_new_path(cr);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  SetColour(cr, c, alpha);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void PaintEmblem(cairo_t* cr, const Box& box, Rgb rim, Rgb mark, bool glow) {
  const double r = std::min(box.w, box.h) / 2 * 0.92;
  cairo_save(cr);
  cairo_translate(cr, box.cx(), box.cy());
  auto hexagon = [cr](double radius) {
    cairo_new_path(cr);
    for (int i = 0; i < 6; ++i) {
      const double a = M_PI / 6 + i * M_PI / 3;
      cairo_line_to(cr, radius * std::cos(a), radius * std::sin(a));
    }
    cairo_close_path(cr);
  };
  if (glow) {
    for (int i = 4; i >= 1; --i) {
      hexagon(r + i * 0.8);
      SetColour(cr, theme::kAccentGlow, 0.10);
      cairo_fill(cr);
    }
  }
  hexagon(r);
  cairo_pattern_t* g = cairo_pattern_create_radial(0, -r / 3, r / 6, 0, 0, r);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.16, 0.18, 0.22);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.03, 0.035, 0.045);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  SetColour(cr, rim);
  cairo_set_line_width(cr, std::max(1.0, r / 9));
  cairo_stroke(cr);
  // Three slanted claw marks.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = -1; i <= 1; ++i) {
    const double x = i * r * 0.32;
    cairo_new_path(cr);
    cairo_move_to(cr, x + r * 0.16, -r * 0.55);
    cairo_curve_to(cr, x + r * 0.02, -r * 0.15, x - r * 0.02, r * 0.2, x - r * 0.2, r * 0.55);
    SetColour(cr, mark);
    cairo_set_line_width(cr, std::max(1.0, r / 6.5));
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}
