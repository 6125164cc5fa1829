// GetDIBColorTable and SetDIBColorTable: the colour table of the DIB section selected into
// a memory DC (1, 4 or 8 bpp; deeper DIBs and device bitmaps have none, and both calls
// give 0).
#include <algorithm>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"

using namespace platform::gdi;

namespace {

Bitmap* SelectedTable(HDC dc) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  Bitmap* bitmap = context->type() == OBJ_MEMDC ? Find<Bitmap>(context->state.bitmap) : nullptr;
  return bitmap != nullptr && bitmap->dib && !bitmap->color_table.empty() ? bitmap : nullptr;
}

}  // namespace

extern "C" {

UINT GetDIBColorTable(HDC dc, UINT start, UINT entries, RGBQUAD* colors) {
  Bitmap* bitmap = SelectedTable(dc);
  if (bitmap == nullptr || colors == nullptr || start >= bitmap->color_table.size()) return 0;
  const UINT count = std::min<UINT>(entries, static_cast<UINT>(bitmap->color_table.size()) - start);
  std::copy_n(bitmap->color_table.begin() + start, count, colors);
  return count;
}

UINT SetDIBColorTable(HDC dc, UINT start, UINT entries, const RGBQUAD* colors) {
  Bitmap* bitmap = SelectedTable(dc);
  if (bitmap == nullptr || colors == nullptr) return 0;
  return bitmap->SetColors(start, entries, colors);
}

}  // extern "C"
