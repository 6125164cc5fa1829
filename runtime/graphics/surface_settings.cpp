#include "runtime/graphics/surface_settings.h"

#include <algorithm>

#include "runtime/dialogs/font_table.h"
#include "runtime/dialogs/shared_brushes.h"
#include "runtime/graphics/surface_core.h"

namespace runtime {
namespace {

constexpr std::int32_t kLow24Bits = 0xFFFFFF;
constexpr std::uint32_t kUserFlags = TEXT_CLIPPED | REDRAW_DEFERRED | REDRAW_BATCHED |
                                     GRAPHIC_STRETCHED | GRAPHIC_ARROWS_SCROLL | MIRROR_X |
                                     MIRROR_Y;
constexpr std::uint32_t kUserCloseFlags = INCLUSIVE_ENDS | TEXT_SCROLLS | TEXT_WRAP_BITS;

void SetBits(std::uint32_t& word, std::uint32_t bits, bool on) {
  word = on ? (word | bits) : (word & ~bits);
}

// The surface's background brush follows its colour: shared by colour with other
// records, the old one deleted when no record keeps its colour.
void ChangeBackground(DialogState& surface, std::int32_t colour) {
  GraphicSurface& s = surface.graphic;
  const std::int32_t old_colour = s.default_back_color;
  HBRUSH old_brush = s.default_brush;
  if (old_colour == colour && (old_brush != nullptr || colour < 0)) return;
  s.default_back_color = colour;
  s.default_brush = nullptr;  // so that the search below does not find this record
  if (colour >= 0) s.default_brush = share_or_create_brush(colour);
  if (old_colour >= 0) let_go_of_brush(old_brush, old_colour);
}

void KeepMetrics(GraphicSurface& s) {
  TEXTMETRICW metrics{};
  if (!GetTextMetricsW(s.memory_dc, &metrics)) return;
  s.char_width = metrics.tmAveCharWidth;
  s.char_height = metrics.tmHeight;
  s.external_leading = metrics.tmExternalLeading;
}

}  // namespace

void set_foreground_colour(std::int32_t colour) {
  if (colour == kKeepColour) return;
  DrawingScope scope;
  if (!scope) return;
  GraphicSurface& s = scope.surface()->graphic;
  if (colour == kSystemColour) colour = static_cast<std::int32_t>(GetSysColor(COLOR_WINDOWTEXT));
  s.default_text_color = colour & kLow24Bits;
  SetTextColor(s.memory_dc, static_cast<COLORREF>(s.default_text_color));
}

void set_background_colour(std::int32_t colour) {
  if (colour == kKeepColour) return;
  DrawingScope scope;
  if (!scope) return;
  DialogState& surface = *scope.surface();
  HDC dc = surface.graphic.memory_dc;
  if (colour == kTransparentBackground) {
    SetBkColor(dc, 0xFFFFFF);
    SetBkMode(dc, TRANSPARENT);
    ChangeBackground(surface, kTransparentBackground);
    return;
  }
  if (colour == kSystemColour) colour = static_cast<std::int32_t>(GetSysColor(COLOR_BTNFACE));
  colour &= kLow24Bits;
  SetBkColor(dc, static_cast<COLORREF>(colour));
  SetBkMode(dc, OPAQUE);
  ChangeBackground(surface, colour);
}

void set_pen_style(std::int32_t style) {
  DrawingScope scope;
  if (!scope) return;
  scope.surface()->graphic.pen_style = style >= PS_SOLID && style <= PS_DASHDOTDOT ? style : PS_SOLID;
}

void set_pen_width(std::int32_t width) {
  DrawingScope scope;
  if (!scope) return;
  scope.surface()->graphic.pen_width = std::clamp(width, 0, kWidestPen);
}

std::int32_t set_mix_mode(std::int32_t mode) {
  DrawingScope scope;
  if (!scope || mode < R2_BLACK || mode > R2_WHITE) return 0;
  return SetROP2(scope.surface()->graphic.memory_dc, mode);
}

std::int32_t set_stretch_mode(std::int32_t mode) {
  DrawingScope scope;
  if (!scope) return 0;
  return SetStretchBltMode(scope.surface()->graphic.memory_dc, mode);
}

void set_clip_box(double x1, double y1, double x2, double y2) {
  DrawingScope scope;
  if (!scope) return;
  DialogState& surface = *scope.surface();
  const POINT a = to_device(surface, x1, y1, false);
  const POINT b = to_device(surface, x2, y2, false);
  HRGN region = CreateRectRgn(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x),
                              std::max(a.y, b.y));
  if (region == nullptr) return;
  SelectClipRgn(surface.graphic.memory_dc, region);  // the DC keeps a copy
  DeleteObject(region);
}

void clear_clip() {
  DrawingScope scope;
  if (!scope) return;
  SelectClipRgn(scope.surface()->graphic.memory_dc, nullptr);
}

void set_world(float origin_x, float origin_y, float scale_x, float scale_y,
               std::uint32_t mirror_bits) {
  DrawingScope scope;
  if (!scope) return;
  DialogState& surface = *scope.surface();
  GraphicSurface& s = surface.graphic;
  s.origin_x = origin_x;
  s.origin_y = origin_y;
  s.units_scale_x = scale_x;
  s.units_scale_y = scale_y;
  surface.flags = (surface.flags & ~(MIRROR_X | MIRROR_Y)) | (mirror_bits & (MIRROR_X | MIRROR_Y));
}

void set_surface_font(FontNumber number) {
  DrawingScope scope;
  if (!scope) return;
  DialogState& surface = *scope.surface();
  GraphicSurface& s = surface.graphic;
  FontRecord* entry = find_font(number == 0 ? 1 : number);
  if (entry == nullptr) return;
  if (entry->handle == nullptr) {
    entry->font.lfHeight = font_height_for(GetDeviceCaps(s.memory_dc, LOGPIXELSY), entry->size);
    entry->handle = CreateFontIndirectW(&entry->font);
    if (entry->handle == nullptr) return;
  }
  HGDIOBJ previous = SelectObject(s.memory_dc, entry->handle);
  if (previous == nullptr || previous == HGDI_ERROR) return;
  if (surface.saved_font == nullptr) surface.saved_font = static_cast<HFONT>(previous);
  if (FontRecord* old = find_font(surface.font_number)) --old->use_count;
  ++entry->use_count;
  surface.font_number = entry->number;
  KeepMetrics(s);
}

void set_surface_close_flags(std::uint32_t bits, bool on) {
  DrawingScope scope;
  if (!scope) return;
  SetBits(scope.surface()->close_flags, bits & kUserCloseFlags, on);
}

void set_surface_flags(std::uint32_t bits, bool on) {
  DrawingScope scope;
  if (!scope) return;
  SetBits(scope.surface()->flags, bits & kUserFlags, on);
}

}  // namespace runtime
