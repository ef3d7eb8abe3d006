#include "fixed_pictures.h"

#include <cmath>

#include "draw.h"

namespace {

constexpr Rgb kMagenta{255, 0, 255};

// Thumb size: as tall as the slider tracks, which clip their thumbs.
constexpr int kThumbWidth = 11, kThumbHeight = 10;

void FillRect(cairo_t* cr, double x, double y, double w, double h, Rgb c) {
  cairo_new_path(cr);
  cairo_rectangle(cr, x, y, w, h);
  SetColour(cr, c);
  cairo_fill(cr);
}

}  // namespace

Image PaintThumb(bool pointsDown) {
  Canvas canvas(kThumbWidth, kThumbHeight);
  cairo_t* cr = canvas.cr();
  // Hard edges: a smoothed edge would leave a dark fringe of pixels that
  // are not quite the background colour.
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  SetColour(cr, {0, 0, 0});
  cairo_paint(cr);
  cairo_new_path(cr);
  // The base stays a pixel off the edges so the corner pixel (0,0) is
  // always background.
  const double base = pointsDown ? 1 : kThumbHeight - 1, tip = pointsDown ? kThumbHeight : 0;
  cairo_move_to(cr, 1, base);
  cairo_line_to(cr, kThumbWidth - 1, base);
  cairo_line_to(cr, kThumbWidth / 2.0, tip);
  cairo_close_path(cr);
  FillVertical(cr, 0, kThumbHeight, pointsDown ? Rgb{235, 242, 255} : theme::kAccentBright,
               pointsDown ? theme::kAccentBright : Rgb{235, 242, 255});
  return canvas.image();
}

std::vector<Image> PaintProgramIcon() {
  std::vector<Image> images;
  for (int size : {16, 32, 48}) {
    Canvas canvas(size, size);
    cairo_t* cr = canvas.cr();
    PaintEmblem(cr, {0, 0, double(size), double(size)}, theme::kAccentBright, theme::kText, false);
    images.push_back(canvas.image());
  }
  return images;
}

Image PaintListIcon(ListIcon icon) {
  Canvas canvas(16, 16);
  cairo_t* cr = canvas.cr();
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  SetColour(cr, kMagenta);
  cairo_paint(cr);
  const Rgb dark{20, 22, 28}, blue = theme::kAccentBright, light{225, 230, 240}, amber{232, 176, 60},
            amberDark{160, 110, 30};
  switch (icon) {
    case ListIcon::Clock:
      cairo_arc(cr, 8, 8, 6.5, 0, 2 * M_PI);
      SetColour(cr, light);
      cairo_fill_preserve(cr);
      SetColour(cr, blue);
      cairo_set_line_width(cr, 1.5);
      cairo_stroke(cr);
      FillRect(cr, 7, 4, 2, 5, dark);
      FillRect(cr, 7, 7, 4, 2, dark);
      break;
    case ListIcon::ArrowUp:
    case ListIcon::ArrowDown: {
      const bool up = icon == ListIcon::ArrowUp;
      const Rgb c = up ? Rgb{80, 200, 110} : Rgb{90, 160, 255};
      FillRect(cr, 6, up ? 7 : 2, 4, 7, c);
      cairo_new_path(cr);
      cairo_move_to(cr, 2, up ? 8 : 8);
      cairo_line_to(cr, 14, up ? 8 : 8);
      cairo_line_to(cr, 8, up ? 2 : 14);
      cairo_close_path(cr);
      SetColour(cr, c);
      cairo_fill(cr);
      break;
    }
    case ListIcon::Mouse:
      cairo_new_path(cr);
      TraceShape(cr, {ShapeKind::Rounded, 5}, {3, 1, 10, 14});
      SetColour(cr, light);
      cairo_fill_preserve(cr);
      SetColour(cr, dark);
      cairo_set_line_width(cr, 1.0);
      cairo_stroke(cr);
      FillRect(cr, 7.5, 1, 1, 6, dark);
      FillRect(cr, 3, 6, 10, 1, dark);
      FillRect(cr, 7, 3, 2, 3, blue);
      break;
    case ListIcon::FolderClosed:
      FillRect(cr, 1, 3, 6, 2, amberDark);
      FillRect(cr, 1, 4, 14, 10, amber);
      FillRect(cr, 1, 13, 14, 1, amberDark);
      FillRect(cr, 1, 6, 14, 1, Mix(amber, {255, 255, 255}, 0.4));
      break;
    case ListIcon::FolderOpen:
      FillRect(cr, 1, 3, 6, 2, amberDark);
      FillRect(cr, 1, 4, 13, 10, amberDark);
      cairo_new_path(cr);
      cairo_move_to(cr, 4, 7);
      cairo_line_to(cr, 16, 7);
      cairo_line_to(cr, 13, 14);
      cairo_line_to(cr, 1, 14);
      cairo_close_path(cr);
      SetColour(cr, amber);
      cairo_fill(cr);
      break;
  }
  return canvas.image();
}

// Menus draw this icon at the system icon size (32 x 32) with its top-left
// corner 19 pixels left of the item's right edge and 9 pixels above the
// item, so the arrow sits where that square meets the 19-pixel item row.
Image PaintSubmenuArrow() {
  Canvas canvas(32, 32);
  FillTriangle(canvas.cr(), 11, 18, 8, Direction::Right, theme::kText);
  return canvas.image();
}

Image PaintHandCursor() {
  Canvas canvas(32, 32);
  cairo_t* cr = canvas.cr();
  cairo_new_path(cr);
  // Index finger up from the palm, three folded fingers, thumb at the left.
  cairo_move_to(cr, 10, 5);
  cairo_arc(cr, 12, 5, 2, M_PI, 2 * M_PI);
  cairo_line_to(cr, 14, 12);
  cairo_arc(cr, 16, 12.5, 2, M_PI, 2 * M_PI);
  cairo_line_to(cr, 18, 13);
  cairo_arc(cr, 20, 13.5, 2, M_PI, 2 * M_PI);
  cairo_line_to(cr, 22, 14);
  cairo_arc(cr, 24, 14.5, 2, M_PI, 2 * M_PI);
  cairo_line_to(cr, 26, 22);
  cairo_curve_to(cr, 26, 26, 24, 28, 21, 28);
  cairo_line_to(cr, 14, 28);
  cairo_curve_to(cr, 11, 28, 10, 26, 8, 23);
  cairo_line_to(cr, 4.5, 17.5);
  cairo_arc(cr, 6.5, 16, 2, M_PI * 0.8, M_PI * 1.9);
  cairo_line_to(cr, 10, 19);
  cairo_close_path(cr);
  SetColour(cr, {255, 255, 255});
  cairo_fill_preserve(cr);
  SetColour(cr, {0, 0, 0});
  cairo_set_line_width(cr, 1.2);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  for (double x : {14.0, 18.0, 22.0}) StrokeLine(cr, x, 15, x, 19, 1.0, {0, 0, 0});
  return canvas.image();
}
