// Making, saving, restoring and deleting device contexts.
#include <memory>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc_selection.h"
#include "platform/gdi/region.h"

namespace platform::gdi {

HDC MakeSurfaceDC(std::function<PixelSurface()> source, POINT surface_offset,
                  const RECT& visible, HWND window) {
  auto dc = std::make_unique<DeviceContext>(OBJ_DC);
  dc->surface_source = std::move(source);
  dc->surface_offset = surface_offset;
  dc->visible.rects = RectsOf(visible);
  dc->has_visible = true;
  dc->window = window;
  return AddDc(std::move(dc));
}

}  // namespace platform::gdi

using namespace platform::gdi;

extern "C" {

HDC CreateCompatibleDC(HDC dc) {
  if (dc != nullptr && FindDc(dc) == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return AddDc(std::make_unique<DeviceContext>(OBJ_MEMDC));
}

BOOL DeleteDC(HDC dc) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  DestroyDc(*context);
  return TRUE;
}

int SaveDC(HDC dc) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  context->saved.push_back(context->state);
  RetainState(context->state);
  return static_cast<int>(context->saved.size());
}

BOOL RestoreDC(HDC dc, int saved_dc) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  const int depth = static_cast<int>(context->saved.size());
  // Positive: an instance SaveDC returned; negative: relative to the latest.
  const int level = saved_dc < 0 ? depth + 1 + saved_dc : saved_dc;
  if (saved_dc == 0 || level < 1 || level > depth) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  // Later saved states are dropped; the chosen one becomes current.
  while (static_cast<int>(context->saved.size()) > level) {
    ReleaseState(context->saved.back());
    context->saved.pop_back();
  }
  DcState restored = std::move(context->saved.back());
  context->saved.pop_back();
  DcState previous = context->state;
  const HBITMAP wanted = restored.bitmap;
  context->state = std::move(restored);
  if (context->type() == OBJ_MEMDC && wanted != previous.bitmap) {
    context->state.bitmap = previous.bitmap;
    Bitmap* bitmap = Find<Bitmap>(wanted);
    const bool elsewhere = bitmap && bitmap->selected_in && bitmap->selected_in != context;
    AttachBitmap(*context, elsewhere ? previous.bitmap : wanted);
    if (elsewhere) {  // keep the current bitmap: the saved one now belongs to another DC
      Retain(previous.bitmap);
      Release(wanted);
    }
  }
  ReleaseState(previous);  // the restored state's counts came with it from the save
  context->ClipChanged();
  return TRUE;
}

BOOL GdiFlush() {
  // DIB sections with a working copy write it back, and reload it on next use, so that
  // the caller may read or write the bits now.
  ForEachObject(OBJ_BITMAP, [](GdiObject& object) {
    auto& bitmap = static_cast<Bitmap&>(object);
    if (!bitmap.has_working_copy()) return;
    bitmap.StoreToBits();
    bitmap.reload_pending = true;
  });
  return TRUE;
}

}  // extern "C"
