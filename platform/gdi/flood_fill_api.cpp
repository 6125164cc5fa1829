// ExtFloodFill and FloodFill: an area filled with the selected brush.
#include "platform/gdi/raster/flood_fill.h"
#include "platform/gdi/shape_painting.h"

using namespace platform::gdi;

extern "C" {

BOOL ExtFloodFill(HDC dc, int x, int y, COLORREF color, UINT type) {
  if (type != FLOODFILLBORDER && type != FLOODFILLSURFACE) {
    SetLastError(FindDc(dc) == nullptr ? ERROR_INVALID_HANDLE : ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  // The brush is laid down as a pattern copy: the mix mode does not apply.
  ShapePainting painting(dc, R2_COPYPEN);
  if (!painting.ok()) return FALSE;
  const DeviceContext& context = painting.dc();
  PixelReader read = [&context](std::int32_t px, std::int32_t py, std::uint32_t* pixel) {
    if (!ReadPixel(context, px, py, pixel)) return false;
    *pixel = ColorFromPixel(*pixel);  // compared as COLORREFs
    return true;
  };
  const FloodKind kind = type == FLOODFILLSURFACE ? FloodKind::kSurface : FloodKind::kBorder;
  return RasterFloodFill(x, y, color & 0xFFFFFF, kind, painting.bounds(), read,
                         painting.brush_sink())
             ? TRUE
             : FALSE;
}

BOOL FloodFill(HDC dc, int x, int y, COLORREF color) {
  return ExtFloodFill(dc, x, y, color, FLOODFILLBORDER);
}

}  // extern "C"
