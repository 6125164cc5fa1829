// Settings of the calling thread's current graphic target that later operations use:
// colours, pen, mix and stretch modes, the clipping rectangle, the world coordinate
// system and the surface font. Without a drawing target they do nothing.
#pragma once

#include <cstdint>

#include "platform/win32.h"
#include "runtime/dialogs/dialog_state.h"

namespace runtime {

// Colour arguments of the two setters, besides a COLORREF:
inline constexpr std::int32_t kKeepColour = -3;    // leaves the colour as it is
inline constexpr std::int32_t kSystemColour = -1;  // COLOR_WINDOWTEXT / COLOR_BTNFACE
inline constexpr std::int32_t kTransparentBackground = -2;  // text without background

// The default colour of lines, shapes and text (and the text colour of the DC).
void set_foreground_colour(std::int32_t colour);
// The colour of clearing, scrolled-in lines and text backgrounds. The background brush
// is shared with every record of the same colour.
void set_background_colour(std::int32_t colour);

// PS_SOLID (0) ... PS_DASHDOTDOT (4); other values give PS_SOLID.
void set_pen_style(std::int32_t style);
// Pixels; 0 and 1 both draw one pixel wide. Held inside 0 .. kWidestPen.
void set_pen_width(std::int32_t width);
inline constexpr std::int32_t kWidestPen = 4096;

// SetROP2 (R2_BLACK 1 ... R2_WHITE 16); returns the previous mode, 0 when refused.
std::int32_t set_mix_mode(std::int32_t mode);
// SetStretchBltMode for bitmaps stretched onto the surface; returns the previous mode.
std::int32_t set_stretch_mode(std::int32_t mode);

// Drawing is limited to the box between two world corners (either order)...
void set_clip_box(double x1, double y1, double x2, double y2);
// ...or allowed on the whole bitmap again.
void clear_clip();

// The world: the origin (world point at the visible area's top-left corner, or at its
// bottom or right edge when mirrored), the scale in pixels per unit (0: units are
// pixels), and the mirror bits MIRROR_X / MIRROR_Y.
void set_world(float origin_x, float origin_y, float scale_x, float scale_y,
               std::uint32_t mirror_bits);

// Selects a font of the font table (0 means 1) into the surface; the line spacing
// follows its metrics. Unknown numbers and fonts that cannot be made change nothing.
void set_surface_font(FontNumber number);

// close_flags bits of the target (INCLUSIVE_ENDS, TEXT_SCROLLS, TEXT_WRAP_BITS) and
// flags bits (TEXT_CLIPPED, the redraw policies...) turned on or off; other bits are
// left alone.
void set_surface_close_flags(std::uint32_t bits, bool on);
void set_surface_flags(std::uint32_t bits, bool on);

}  // namespace runtime
