// Drawing primitives over cairo shared by every painter.
#pragma once

#include <cairo.h>

#include "image.h"
#include "layout.h"
#include "theme.h"

// An image surface with its drawing context.
class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  // The pixels drawn so far, un-premultiplied.
  Image image() const;

 private:
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

struct Box {
  double x, y, w, h;
  static Box Of(const Rect& r) { return {double(r.left), double(r.top), double(r.width), double(r.height)}; }
  Box inset(double d) const { return {x + d, y + d, w - 2 * d, h - 2 * d}; }
  double cx() const { return x + w / 2; }
  double cy() const { return y + h / 2; }
};

enum class Direction { Up, Down, Left, Right };

void SetColour(cairo_t* cr, Rgb c, double alpha = 1.0);
Rgb Mix(Rgb a, Rgb b, double t);  // t = 0 gives a, 1 gives b

// Adds the outline of `shape` filling `box` to the current path.
void TraceShape(cairo_t* cr, const Shape& shape, const Box& box);

// Fills the current path with a vertical gradient between rows y0 and y1
// and keeps the path.
void FillVertical(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom);

// A control face: gradient, rim and top highlight inside `box`.
void PaintFace(cairo_t* cr, const Shape& shape, const Box& box, const theme::Look& look);

// A sunken well for fields, lists and grooves.
void PaintWell(cairo_t* cr, const Shape& shape, const Box& box, Rgb edge);

void FillTriangle(cairo_t* cr, double cx, double cy, double size, Direction d, Rgb c);
void StrokeLine(cairo_t* cr, double x0, double y0, double x1, double y1, double width, Rgb c, double alpha = 1.0);

// The program's emblem, a stylised claw in a hexagon, centred in `box`.
void PaintEmblem(cairo_t* cr, const Box& box, Rgb rim, Rgb mark, bool glow);
