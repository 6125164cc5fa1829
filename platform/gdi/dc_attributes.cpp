// The drawing attributes a DC keeps: background, text colour and alignment, brush origin,
// mix mode, fill mode, stretch mode, current position, the DC brush and pen colours.
// Each setter returns the previous value, or the GDI error value for a dead DC or a value
// out of range.
#include "platform/gdi/device_context.h"

using namespace platform::gdi;

namespace {

// Runs `change` on the live DC's state, or gives `failure` with ERROR_INVALID_HANDLE.
template <class T, class F>
T WithState(HDC dc, T failure, F change) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return failure;
  }
  return change(context->state);
}

template <class T>
T Exchange(T& slot, T value) {
  T previous = slot;
  slot = value;
  return previous;
}

bool Invalid(bool out_of_range) {
  if (out_of_range) SetLastError(ERROR_INVALID_PARAMETER);
  return out_of_range;
}

}  // namespace

extern "C" {

int SetBkMode(HDC dc, int mode) {
  return WithState(dc, 0, [&](DcState& s) {
    return Invalid(mode != TRANSPARENT && mode != OPAQUE) ? 0 : Exchange(s.bk_mode, mode);
  });
}
int GetBkMode(HDC dc) { return WithState(dc, 0, [](DcState& s) { return s.bk_mode; }); }

COLORREF SetBkColor(HDC dc, COLORREF color) {
  return WithState(dc, CLR_INVALID, [&](DcState& s) { return Exchange(s.bk_color, color & 0xFFFFFF); });
}
COLORREF GetBkColor(HDC dc) {
  return WithState(dc, CLR_INVALID, [](DcState& s) { return s.bk_color; });
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
  return WithState(dc, CLR_INVALID, [&](DcState& s) { return Exchange(s.text_color, color & 0xFFFFFF); });
}
COLORREF GetTextColor(HDC dc) {
  return WithState(dc, CLR_INVALID, [](DcState& s) { return s.text_color; });
}

UINT SetTextAlign(HDC dc, UINT align) {
  return WithState(dc, static_cast<UINT>(GDI_ERROR), [&](DcState& s) { return Exchange(s.text_align, align); });
}
UINT GetTextAlign(HDC dc) {
  return WithState(dc, static_cast<UINT>(GDI_ERROR), [](DcState& s) { return s.text_align; });
}

BOOL SetBrushOrgEx(HDC dc, int x, int y, LPPOINT previous) {
  return WithState(dc, FALSE, [&](DcState& s) {
    if (previous != nullptr) *previous = s.brush_origin;
    s.brush_origin = {x, y};
    return TRUE;
  });
}
BOOL GetBrushOrgEx(HDC dc, LPPOINT origin) {
  return WithState(dc, FALSE, [&](DcState& s) {
    if (Invalid(origin == nullptr)) return FALSE;
    *origin = s.brush_origin;
    return TRUE;
  });
}

int SetROP2(HDC dc, int mode) {
  return WithState(dc, 0, [&](DcState& s) {
    return Invalid(mode < R2_BLACK || mode > R2_WHITE) ? 0 : Exchange(s.rop2, mode);
  });
}
int GetROP2(HDC dc) { return WithState(dc, 0, [](DcState& s) { return s.rop2; }); }

int SetPolyFillMode(HDC dc, int mode) {
  return WithState(dc, 0, [&](DcState& s) {
    return Invalid(mode != ALTERNATE && mode != WINDING) ? 0 : Exchange(s.poly_fill_mode, mode);
  });
}
int GetPolyFillMode(HDC dc) { return WithState(dc, 0, [](DcState& s) { return s.poly_fill_mode; }); }

int SetStretchBltMode(HDC dc, int mode) {
  return WithState(dc, 0, [&](DcState& s) {
    return Invalid(mode < BLACKONWHITE || mode > HALFTONE) ? 0 : Exchange(s.stretch_mode, mode);
  });
}
int GetStretchBltMode(HDC dc) { return WithState(dc, 0, [](DcState& s) { return s.stretch_mode; }); }

BOOL GetCurrentPositionEx(HDC dc, LPPOINT position) {
  return WithState(dc, FALSE, [&](DcState& s) {
    if (Invalid(position == nullptr)) return FALSE;
    *position = s.current_position;
    return TRUE;
  });
}

COLORREF SetDCBrushColor(HDC dc, COLORREF color) {
  return WithState(dc, CLR_INVALID, [&](DcState& s) { return Exchange(s.dc_brush_color, color & 0xFFFFFF); });
}
COLORREF GetDCBrushColor(HDC dc) {
  return WithState(dc, CLR_INVALID, [](DcState& s) { return s.dc_brush_color; });
}
COLORREF SetDCPenColor(HDC dc, COLORREF color) {
  return WithState(dc, CLR_INVALID, [&](DcState& s) { return Exchange(s.dc_pen_color, color & 0xFFFFFF); });
}
COLORREF GetDCPenColor(HDC dc) {
  return WithState(dc, CLR_INVALID, [](DcState& s) { return s.dc_pen_color; });
}

}  // extern "C"
