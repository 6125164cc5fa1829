// Pens: what CreatePen / CreatePenIndirect / ExtCreatePen make (platform-internal).
//
// A pen only stores what it was made with; the line and figure code reads it when it
// draws. Width 0 (and any cosmetic pen) means one pixel whatever the mapping.
#pragma once

#include "platform/gdi/gdi_object.h"
#include "platform/win32.h"

namespace platform::gdi {

class Pen : public GdiObject {
 public:
  static bool Accepts(DWORD type) { return type == OBJ_PEN || type == OBJ_EXTPEN; }

  // `type` is OBJ_PEN for CreatePen / CreatePenIndirect, OBJ_EXTPEN for ExtCreatePen.
  Pen(DWORD type, DWORD style, int width, COLORREF color)
      : GdiObject(type), style(style), width(width), color(color) {}

  DWORD style;         // PS_ style with, for ext pens, the PS_GEOMETRIC / end-cap / join bits
  int width;           // logical units as given; 0 = one pixel
  COLORREF color;
  UINT brush_style = BS_SOLID;  // ext pens: the LOGBRUSH they were made with
  ULONG_PTR hatch = 0;
  // The pen that DC_PEN stands for: its colour is the DC's `state.dc_pen_color`.
  bool dc_pen = false;

  int line_style() const { return static_cast<int>(style & PS_STYLE_MASK); }
  bool is_null() const { return line_style() == PS_NULL; }
  // The width in pixels the line code draws with (at least 1).
  int pixel_width() const { return width < 1 ? 1 : width; }
  // Whether lines are broken into dashes and dots: as in GDI, a pen wider than one pixel
  // made by CreatePen draws solid whatever its PS_DASH… style says.
  bool dashed() const {
    int s = line_style();
    return s >= PS_DASH && s <= PS_DASHDOTDOT && (type() == OBJ_EXTPEN || pixel_width() == 1);
  }

  int Describe(int size, void* buffer, bool wide) const override;
};

}  // namespace platform::gdi
