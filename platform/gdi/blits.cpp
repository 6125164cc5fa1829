// PatBlt, BitBlt and StretchBlt: argument checks in front of the blit engine.
#include "platform/gdi/blit.h"

using namespace platform::gdi;

extern "C" {

BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (RopUsesSource(rop)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return Blit(*context, x, y, width, height, nullptr, 0, 0, width, height, rop) ? TRUE : FALSE;
}

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int x_src,
                int y_src, int src_width, int src_height, DWORD rop) {
  DeviceContext* target = FindDc(dest);
  DeviceContext* origin = RopUsesSource(rop) ? FindDc(source) : nullptr;
  if (target == nullptr || (RopUsesSource(rop) && origin == nullptr)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return Blit(*target, x, y, width, height, origin, x_src, y_src, src_width, src_height, rop)
             ? TRUE
             : FALSE;
}

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int x_src, int y_src,
            DWORD rop) {
  return StretchBlt(dest, x, y, width, height, source, x_src, y_src, width, height, rop);
}

}  // extern "C"
