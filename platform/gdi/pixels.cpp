// SetPixel, SetPixelV and GetPixel. A pixel outside the surface or the clip reads and
// writes as CLR_INVALID; SetPixel ignores the mix mode, as in GDI.
#include "platform/gdi/bitmap.h"
#include "platform/gdi/painter.h"

using namespace platform::gdi;

extern "C" {

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return CLR_INVALID;
  }
  Painter painter(*context, R2_COPYPEN);
  if (!painter.Visible(x, y)) return CLR_INVALID;
  std::uint32_t pixel = PixelFromColor(color & 0xFFFFFF);
  pixel = StoredPixel(*context, pixel);
  painter.Span(y, x, x + 1, SolidFill(pixel));
  return ColorFromPixel(pixel);
}

BOOL SetPixelV(HDC dc, int x, int y, COLORREF color) {
  return SetPixel(dc, x, y, color) != CLR_INVALID ? TRUE : FALSE;
}

COLORREF GetPixel(HDC dc, int x, int y) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return CLR_INVALID;
  }
  std::uint32_t pixel = 0;
  if (!ReadPixel(*context, x, y, &pixel)) return CLR_INVALID;
  return ColorFromPixel(pixel);
}

}  // extern "C"
