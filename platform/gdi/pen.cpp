// Pens: creation and GetObject's LOGPEN / EXTLOGPEN.
#include "platform/gdi/pen.h"

#include <cstring>
#include <memory>

namespace platform::gdi {

int Pen::Describe(int size, void* buffer, bool) const {
  if (type() == OBJ_EXTPEN) {
    const int needed = static_cast<int>(offsetof(EXTLOGPEN, elpStyleEntry));
    if (buffer == nullptr) return needed;
    if (size < needed) return 0;
    EXTLOGPEN elp{};
    elp.elpPenStyle = style;
    elp.elpWidth = static_cast<DWORD>(width);
    elp.elpBrushStyle = brush_style;
    elp.elpColor = color;
    elp.elpHatch = hatch;
    elp.elpNumEntries = 0;
    std::memcpy(buffer, &elp, static_cast<std::size_t>(needed));
    return needed;
  }
  if (buffer == nullptr) return sizeof(LOGPEN);
  if (size < static_cast<int>(sizeof(LOGPEN))) return 0;
  LOGPEN lp{style, {width, 0}, color};
  std::memcpy(buffer, &lp, sizeof lp);
  return sizeof(LOGPEN);
}

}  // namespace platform::gdi

using platform::gdi::Pen;

extern "C" {

HPEN CreatePen(int style, int width, COLORREF color) {
  // As in GDI, an unknown style makes a solid pen and a negative width counts as its size.
  if (style < PS_SOLID || style > PS_INSIDEFRAME) style = PS_SOLID;
  if (width < 0) width = -width;
  return static_cast<HPEN>(platform::gdi::AddObject(
      std::make_unique<Pen>(OBJ_PEN, static_cast<DWORD>(style), width, color & 0xFFFFFF)));
}

HPEN CreatePenIndirect(const LOGPEN* pen) {
  if (pen == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return CreatePen(static_cast<int>(pen->lopnStyle), pen->lopnWidth.x, pen->lopnColor);
}

HPEN ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH* brush, DWORD style_count,
                  const DWORD* styles) {
  const DWORD line = style & PS_STYLE_MASK;
  const DWORD type = style & PS_TYPE_MASK;
  const bool cosmetic = type == PS_COSMETIC;
  if (brush == nullptr || line > PS_ALTERNATE || (type != PS_COSMETIC && type != PS_GEOMETRIC) ||
      (cosmetic && width != 1) || (line == PS_USERSTYLE) != (style_count != 0) ||
      (style_count != 0 && styles == nullptr) || width > 0x7FFFFFFF) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (brush->lbStyle != BS_SOLID && brush->lbStyle != BS_NULL && brush->lbStyle != BS_HATCHED) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto pen = std::make_unique<Pen>(OBJ_EXTPEN, style, static_cast<int>(width),
                                   brush->lbColor & 0xFFFFFF);
  pen->brush_style = brush->lbStyle;
  pen->hatch = brush->lbHatch;
  if (brush->lbStyle == BS_NULL) pen->style = (style & ~DWORD{PS_STYLE_MASK}) | PS_NULL;
  return static_cast<HPEN>(platform::gdi::AddObject(std::move(pen)));
}

}  // extern "C"
