// Drawing operations on the calling thread's current graphic target: clearing, lines,
// boxes, arcs and pies, polygons and polylines, flood fills, and single pixels.
//
// Coordinates are world coordinates (see device_coordinates.h). Colours are COLORREFs
// (0x00BBGGRR; only the low 24 bits count) or kForegroundColour (-1) / kNoColour (-2) as
// operation_tools.h describes; a fill colour of -1 is the line colour. Fill styles: 0
// solid, 1-6 the hatches HS_HORIZONTAL ... HS_DIAGCROSS. Pens take the surface's pen
// style and width.
//
// Without a target, or with a target that is no drawing surface (a dialog, a plain
// control), every operation does nothing and reports nothing.
#pragma once

#include <cstdint>
#include <span>

#include "platform/win32.h"

namespace runtime {

struct WorldPoint {
  double x;
  double y;
};

// Moves the current position (the start of the next line and text) without drawing.
void move_to(double x, double y, bool relative);

// Fills the whole bitmap; colour -1 is the background colour (-2 clears nothing). The
// window is repainted at once, whatever the redraw policy but deferred, and the current
// position goes to the visible area's top-left corner.
void clear_surface(std::int32_t colour = -1, std::int32_t fill_style = 0);

// A line from the current position to the point, which becomes the current position.
// The end pixel is drawn only on surfaces with INCLUSIVE_ENDS.
void draw_line(double x, double y, std::int32_t colour, bool relative);

// A box between two corners (either order). corner_percent: 0 square corners; 1-100 the
// corners' size as that share of the shorter side; kEllipseCorners an ellipse filling
// the box. With INCLUSIVE_ENDS the box takes its right column and bottom row.
void draw_box(double x1, double y1, double x2, double y2, std::int32_t colour,
              std::int32_t corner_percent, std::int32_t fill_colour, std::int32_t fill_style);
inline constexpr std::int32_t kEllipseCorners = static_cast<std::int32_t>(0x80000000u);

// The part of the ellipse in the box from angle `start` to `end` (radians, counter-
// clockwise, 0 pointing right). With kArcPie in `arc_flags` a pie: the two radii are
// drawn and the inside filled.
void draw_arc(double x1, double y1, double x2, double y2, float start, float end,
              std::int32_t colour, std::int32_t fill_colour, std::int32_t fill_style,
              std::uint32_t arc_flags);
inline constexpr std::uint32_t kArcPie = 0x1;

// A closed, filled polygon through the points (two or more; fewer draw nothing).
// fill_mode ALTERNATE (1) or WINDING (2); other values count as ALTERNATE.
void draw_polygon(std::span<const WorldPoint> points, std::int32_t colour,
                  std::int32_t fill_colour, std::int32_t fill_style, std::int32_t fill_mode);

// Connected lines through the points (two or more); the last pixel only with
// INCLUSIVE_ENDS. The current position does not move.
void draw_polyline(std::span<const WorldPoint> points, std::int32_t colour);

// Fills the area around the point: with border_colour kForegroundColour (-1) the area of
// the colour found at the point; otherwise everything up to a border of border_colour.
// A fill colour of -1 is the foreground colour.
void flood_fill(double x, double y, std::int32_t fill_colour, std::int32_t fill_style,
                std::int32_t border_colour);

// The colour of one pixel, or -1 outside the bitmap or without a target.
std::int32_t read_pixel(double x, double y);
// Sets one pixel (colour -1: the foreground colour); the current position stays.
void set_pixel(double x, double y, std::int32_t colour);

}  // namespace runtime
