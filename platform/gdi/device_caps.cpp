// GetDeviceCaps (every DC describes the screen: a 32-bpp raster display) and MulDiv.
#include <cstdlib>

#include "platform/gdi/device_context.h"
#include "platform/gdi/screen_dc.h"

using namespace platform::gdi;

extern "C" {

int GetDeviceCaps(HDC dc, int index) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  const ScreenInfo screen = GetScreenInfo();
  const int dpi = context->logical_dpi;
  switch (index) {
    case DRIVERVERSION: return 0x4000;
    case TECHNOLOGY: return DT_RASDISPLAY;
    case HORZSIZE: return MulDiv(screen.width, 254, dpi * 10);  // millimetres
    case VERTSIZE: return MulDiv(screen.height, 254, dpi * 10);
    case HORZRES:
    case DESKTOPHORZRES: return screen.width;
    case VERTRES:
    case DESKTOPVERTRES: return screen.height;
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case NUMBRUSHES:
    case NUMPENS:
    case NUMCOLORS: return -1;  // more than a palette's worth
    case NUMFONTS: return 0;
    case CURVECAPS: return 0xFF;
    case LINECAPS: return 0xFE;
    case POLYGONALCAPS: return 0xFF;
    case TEXTCAPS: return 0x7E07;
    case CLIPCAPS: return CP_RECTANGLE;
    case RASTERCAPS:
      return RC_BITBLT | RC_BITMAP64 | RC_GDI20_OUTPUT | RC_DI_BITMAP | RC_DIBTODEV |
             RC_STRETCHBLT | RC_FLOODFILL | RC_STRETCHDIB;
    case ASPECTX:
    case ASPECTY: return 36;
    case ASPECTXY: return 51;
    case LOGPIXELSX:
    case LOGPIXELSY: return dpi;
    case SIZEPALETTE:
    case NUMRESERVED: return 0;
    case COLORRES: return 24;
    case VREFRESH: return 60;
    case BLTALIGNMENT: return 0;
    default: return 0;
  }
}

int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  // Rounded half away from zero, as Windows does; -1 when the result does not fit.
  const std::int64_t product = std::int64_t{number} * numerator;
  const std::int64_t magnitude = (std::llabs(product) + std::llabs(denominator) / 2) /
                                 std::llabs(denominator);
  const std::int64_t result = ((product < 0) != (denominator < 0)) ? -magnitude : magnitude;
  if (result > INT32_MAX || result < INT32_MIN) return -1;
  return static_cast<int>(result);
}

}  // extern "C"

