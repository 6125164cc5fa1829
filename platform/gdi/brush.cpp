// Brushes: creation, GetObject's LOGBRUSH, and the fill a brush paints with in a DC.
#include "platform/gdi/brush.h"

#include <cstring>
#include <memory>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"

namespace platform::gdi {
namespace {

HBRUSH AddBrush(std::unique_ptr<Brush> brush) {
  return static_cast<HBRUSH>(AddObject(std::move(brush)));
}

}  // namespace

std::array<std::uint8_t, 8> HatchBits(int hatch) {
  std::array<std::uint8_t, 8> bits{};
  for (int y = 0; y < 8; ++y) {
    std::uint8_t row = 0;
    for (int x = 0; x < 8; ++x) {
      bool horizontal = y == 7;
      bool vertical = x == 7;
      bool forward = x == y;        // "\": down from the top-left
      bool backward = x + y == 7;   // "/": up from the bottom-left
      bool on = false;
      switch (hatch) {
        case HS_HORIZONTAL: on = horizontal; break;
        case HS_VERTICAL: on = vertical; break;
        case HS_FDIAGONAL: on = forward; break;
        case HS_BDIAGONAL: on = backward; break;
        case HS_CROSS: on = horizontal || vertical; break;
        case HS_DIAGCROSS: on = forward || backward; break;
        default: break;
      }
      if (on) row |= static_cast<std::uint8_t>(0x80 >> x);
    }
    bits[y] = row;
  }
  return bits;
}

int Brush::Describe(int size, void* buffer, bool) const {
  if (buffer == nullptr) return sizeof(LOGBRUSH);
  if (size < static_cast<int>(sizeof(LOGBRUSH))) return 0;
  LOGBRUSH lb{style, style == BS_PATTERN ? 0 : color, style == BS_HATCHED || style == BS_PATTERN ? hatch : 0};
  std::memcpy(buffer, &lb, sizeof lb);
  return sizeof(LOGBRUSH);
}

Fill BrushFill(const DeviceContext& dc, HBRUSH handle) {
  const Brush* brush = Find<Brush>(handle);
  if (brush == nullptr) return Fill{};
  switch (brush->style) {
    case BS_SOLID:
      return SolidFill(PixelFromColor(brush->dc_brush ? dc.state.dc_brush_color : brush->color));
    case BS_HATCHED: {
      Fill fill;
      fill.kind = Fill::Kind::kPattern;
      const auto bits = HatchBits(static_cast<int>(brush->hatch));
      const std::uint32_t line = PixelFromColor(brush->color);
      const std::uint32_t back = PixelFromColor(dc.state.bk_color);
      const bool opaque_back = dc.state.bk_mode == OPAQUE;
      for (int i = 0; i < 64; ++i) {
        bool on = bits[i / 8] & (0x80 >> (i % 8));
        fill.pattern[i] = on ? line : back;
        fill.opaque[i] = on || opaque_back;
      }
      return fill;
    }
    case BS_PATTERN: {
      Fill fill;
      fill.kind = Fill::Kind::kPattern;
      fill.opaque.fill(true);
      if (brush->monochrome_pattern) {
        // 0 bits take the text colour, 1 bits the background colour.
        const std::uint32_t zero = PixelFromColor(dc.state.text_color);
        const std::uint32_t one = PixelFromColor(dc.state.bk_color);
        for (int i = 0; i < 64; ++i) fill.pattern[i] = brush->pattern[i] ? one : zero;
      } else {
        fill.pattern = brush->pattern;
      }
      return fill;
    }
    default:
      return Fill{};
  }
}

}  // namespace platform::gdi

using platform::gdi::Brush;

extern "C" {

HBRUSH CreateSolidBrush(COLORREF color) {
  return platform::gdi::AddBrush(std::make_unique<Brush>(BS_SOLID, color & 0xFFFFFF, 0));
}

HBRUSH CreateHatchBrush(int hatch, COLORREF color) {
  if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return platform::gdi::AddBrush(
      std::make_unique<Brush>(BS_HATCHED, color & 0xFFFFFF, static_cast<ULONG_PTR>(hatch)));
}

HBRUSH CreatePatternBrush(HBITMAP handle) {
  platform::gdi::Bitmap* bitmap = platform::gdi::Find<platform::gdi::Bitmap>(handle);
  if (bitmap == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto brush = std::make_unique<Brush>(BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(handle));
  brush->monochrome_pattern = bitmap->monochrome();
  platform::gdi::PixelSurface pixels = bitmap->Surface();
  if (pixels.empty()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  // Smaller bitmaps repeat to fill the 8 x 8 cell.
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      std::uint32_t p = pixels.At(x % pixels.width, y % pixels.height) & 0xFFFFFF;
      // A 1-bpp DIB section's bit is its pixel's colour-table index, whatever the colours.
      if (brush->monochrome_pattern) p = bitmap->dib ? platform::gdi::NearestEntry(bitmap->color_table, p) != 0 : p != 0;
      brush->pattern[y * 8 + x] = p;
    }
  }
  return platform::gdi::AddBrush(std::move(brush));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* lb) {
  if (lb == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  switch (lb->lbStyle) {
    case BS_SOLID: return CreateSolidBrush(lb->lbColor);
    case BS_NULL: return platform::gdi::AddBrush(std::make_unique<Brush>(BS_NULL, 0, 0));
    case BS_HATCHED: return CreateHatchBrush(static_cast<int>(lb->lbHatch), lb->lbColor);
    case BS_PATTERN: return CreatePatternBrush(reinterpret_cast<HBITMAP>(lb->lbHatch));
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}

}  // extern "C"
