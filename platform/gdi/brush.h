// Brushes: solid, hatched, pattern and null (platform-internal).
//
// A pattern brush copies the 8 x 8 top-left corner of its bitmap when it is made (the
// bitmap may be deleted afterwards, as in GDI). A monochrome pattern is kept as bits: its
// 0 bits paint in the DC's text colour and its 1 bits in its background colour, resolved
// when the brush is used (BrushFill).
#pragma once

#include <array>
#include <cstdint>

#include "platform/gdi/gdi_object.h"
#include "platform/win32.h"

namespace platform::gdi {

class Brush : public GdiObject {
 public:
  static bool Accepts(DWORD type) { return type == OBJ_BRUSH; }
  Brush(UINT style, COLORREF color, ULONG_PTR hatch)
      : GdiObject(OBJ_BRUSH), style(style), color(color), hatch(hatch) {}

  UINT style;        // BS_SOLID, BS_NULL, BS_HATCHED, BS_PATTERN
  COLORREF color;    // BS_SOLID, BS_HATCHED
  ULONG_PTR hatch;   // BS_HATCHED: HS_ index; BS_PATTERN: the bitmap it was made from
  // BS_PATTERN: 8 rows of 8 pixels (0x00RRGGBB) or, for a monochrome bitmap, bits.
  std::array<std::uint32_t, 64> pattern{};
  bool monochrome_pattern = false;
  // The brush that DC_BRUSH stands for takes its colour from the DC.
  bool dc_brush = false;

  int Describe(int size, void* buffer, bool wide) const override;
};

// The 8 x 8 bits of a hatch style (bit set = hatch line), row by row; x = 0 is bit 7.
std::array<std::uint8_t, 8> HatchBits(int hatch);

}  // namespace platform::gdi
