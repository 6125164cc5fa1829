// TextOutW / ExtTextOutW and their ANSI forms.
//
// The reference point (x, y), or the current position with TA_UPDATECP, is placed by the
// alignment: TA_LEFT / TA_CENTER / TA_RIGHT along the baseline, TA_TOP / TA_BASELINE /
// TA_BOTTOM across it. Glyphs step by whole-pixel advances (or lpDx) along the baseline,
// which turns by the font's escapement. An OPAQUE background fills the text's cell box
// (ascent + descent high, advance-sum wide) with the background colour before the
// glyphs; ETO_OPAQUE fills the given rectangle; ETO_CLIPPED keeps everything inside it.
// Background boxes, underlines and strike-outs are drawn for horizontal text only.
#include "platform/gdi/text_out.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/gdi/ansi_text.h"
#include "platform/gdi/font_object.h"

namespace platform::gdi {
namespace {

constexpr double kPi = 3.14159265358979323846;

void DrawGlyph(DeviceContext& dc, const Glyph& glyph, std::int32_t pen_x, std::int32_t baseline,
               std::uint32_t pixel, const RECT* bounds) {
  if (glyph.coverage.empty()) return;
  CoverageMask mask{glyph.coverage.data(), glyph.width, glyph.height};
  PaintCoverage(dc, pen_x + glyph.left, baseline - glyph.top, mask, pixel, bounds);
}

}  // namespace

void FillTextBox(DeviceContext& dc, LONG x0, LONG y0, LONG x1, LONG y1, std::uint32_t pixel,
                 const RECT* bounds) {
  if (bounds != nullptr) {
    x0 = std::max(x0, bounds->left);
    y0 = std::max(y0, bounds->top);
    x1 = std::min(x1, bounds->right);
    y1 = std::min(y1, bounds->bottom);
  }
  if (x0 >= x1 || y0 >= y1) return;
  const int saved_rop2 = dc.state.rop2;
  dc.state.rop2 = 13;  // R2_COPYPEN: text is not mixed
  const Fill fill = SolidFill(pixel);
  for (LONG y = y0; y < y1; ++y) PaintSpan(dc, y, x0, x1, fill);
  dc.state.rop2 = saved_rop2;
}

bool DrawTextRun(DeviceContext& dc, int x, int y, UINT options, const RECT* rect,
                 std::u16string_view text, const INT* dx) {
  if (dc.Surface().empty()) return false;
  const RealizedFont& font = DcFont(dc);
  const TEXTMETRICW& tm = font.metrics();
  const RECT* clip = (options & ETO_CLIPPED) != 0 ? rect : nullptr;
  const std::uint32_t text_pixel = PixelFromColor(dc.state.text_color);
  const std::uint32_t back_pixel = PixelFromColor(dc.state.bk_color);
  if ((options & ETO_OPAQUE) != 0 && rect != nullptr) {
    FillTextBox(dc, rect->left, rect->top, rect->right, rect->bottom, back_pixel, nullptr);
  }

  std::vector<int> advances;
  if (dx != nullptr) {
    advances.assign(dx, dx + text.size());
  } else {
    advances = font.Advances(text);
  }
  std::int64_t width = 0;
  for (int advance : advances) width += advance;

  const UINT align = dc.state.text_align;
  const POINT reference = (align & TA_UPDATECP) != 0 ? dc.state.current_position : POINT{x, y};
  std::int64_t along = 0;  // where the text starts, along the baseline from the reference
  if ((align & TA_CENTER) == TA_CENTER) {
    along = -width / 2;
  } else if ((align & TA_RIGHT) != 0) {
    along = -width;
  }
  std::int64_t across = tm.tmAscent;  // from the reference down to the baseline
  if ((align & TA_BASELINE) == TA_BASELINE) {
    across = 0;
  } else if ((align & TA_BOTTOM) != 0) {
    across = -tm.tmDescent;
  }

  if (font.angle() == 0) {
    const std::int64_t left = reference.x + along;
    const std::int64_t baseline = reference.y + across;
    if (dc.state.bk_mode == OPAQUE) {
      FillTextBox(dc, static_cast<LONG>(left), static_cast<LONG>(baseline - tm.tmAscent),
                  static_cast<LONG>(left + width), static_cast<LONG>(baseline + tm.tmDescent),
                  back_pixel, clip);
    }
    std::int64_t pen = left;
    for (std::size_t i = 0; i < text.size();) {
      std::size_t units = 1;
      const GlyphPtr glyph = font.GlyphOf(CharacterAt(text, i, &units));
      DrawGlyph(dc, *glyph, static_cast<std::int32_t>(pen), static_cast<std::int32_t>(baseline),
                text_pixel, clip);
      for (std::size_t k = 0; k < units; ++k) pen += advances[i + k];
      i += units;
    }
    if (tm.tmUnderlined) {
      const TextLine line = font.underline();
      FillTextBox(dc, static_cast<LONG>(left), static_cast<LONG>(baseline + line.offset),
                  static_cast<LONG>(left + width),
                  static_cast<LONG>(baseline + line.offset + line.thickness), text_pixel, clip);
    }
    if (tm.tmStruckOut) {
      const TextLine line = font.strikeout();
      FillTextBox(dc, static_cast<LONG>(left), static_cast<LONG>(baseline - line.offset),
                  static_cast<LONG>(left + width),
                  static_cast<LONG>(baseline - line.offset + line.thickness), text_pixel, clip);
    }
  } else {
    // Turned text: the baseline runs along u = (cos, -sin) in device space (y grows
    // downwards) and "down" across it is d = (sin, cos).
    const double radians = font.angle() * kPi / 1800.0;
    const double ux = std::cos(radians), uy = -std::sin(radians);
    const double origin_x = reference.x + along * ux + across * -uy;
    const double origin_y = reference.y + along * uy + across * ux;
    std::int64_t pen = 0;
    for (std::size_t i = 0; i < text.size();) {
      std::size_t units = 1;
      const GlyphPtr glyph = font.TurnedGlyphOf(CharacterAt(text, i, &units));
      const auto px = static_cast<std::int32_t>(std::lround(origin_x + pen * ux));
      const auto py = static_cast<std::int32_t>(std::lround(origin_y + pen * uy));
      DrawGlyph(dc, *glyph, px, py, text_pixel, clip);
      for (std::size_t k = 0; k < units; ++k) pen += advances[i + k];
      i += units;
    }
  }

  if ((align & TA_UPDATECP) != 0) {
    // The current position moves past the text for left alignment and back before it
    // for right alignment; centred text leaves it where it was.
    std::int64_t move = 0;
    if ((align & TA_CENTER) == TA_CENTER) {
      move = 0;
    } else if ((align & TA_RIGHT) != 0) {
      move = -width;
    } else {
      move = width;
    }
    const double radians = font.angle() * kPi / 1800.0;
    dc.state.current_position.x =
        static_cast<LONG>(reference.x + std::lround(move * std::cos(radians)));
    dc.state.current_position.y =
        static_cast<LONG>(reference.y - std::lround(move * std::sin(radians)));
  }
  return true;
}

}  // namespace platform::gdi

using platform::gdi::DeviceContext;
using platform::gdi::FindDc;

extern "C" {

BOOL ExtTextOutW(HDC dc, int x, int y, UINT options, const RECT* rect, LPCWSTR text,
                 UINT count, const INT* dx) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if ((count > 0 && text == nullptr) || count > 0x7FFFFFFF) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::u16string_view view(count == 0 ? u"" : text, count);
  return platform::gdi::DrawTextRun(*context, x, y, options, rect, view, dx) ? TRUE : FALSE;
}

BOOL ExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* rect, LPCSTR text,
                 UINT count, const INT* dx) {
  if ((count > 0 && text == nullptr) || count > 0x7FFFFFFF) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  // lpDx of the ANSI form counts bytes; with multi-byte characters the per-unit advances
  // no longer line up, so they are used only when every byte became one unit.
  const std::u16string wide = platform::gdi::WidenAnsi(text, static_cast<int>(count));
  const INT* wide_dx = wide.size() == count ? dx : nullptr;
  return ExtTextOutW(dc, x, y, options, rect, wide.c_str(), static_cast<UINT>(wide.size()),
                     wide_dx);
}

BOOL TextOutW(HDC dc, int x, int y, LPCWSTR text, int count) {
  if (count < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return ExtTextOutW(dc, x, y, 0, nullptr, text, static_cast<UINT>(count), nullptr);
}

BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int count) {
  if (count < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return ExtTextOutA(dc, x, y, 0, nullptr, text, static_cast<UINT>(count), nullptr);
}

}  // extern "C"

