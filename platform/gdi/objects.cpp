// SelectObject, DeleteObject and the questions about objects (GetObject, GetObjectType,
// GetCurrentObject).
//
// Deleting an object a DC still holds: pens, brushes, fonts and regions report success and
// go when the last DC lets go of them; a selected bitmap cannot be deleted (FALSE), which
// is what GDI does, so its pixels never vanish under a DC.
#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc_selection.h"

using namespace platform::gdi;

namespace {

// Puts `object` in `slot`, returning what was there; counts follow.
template <class Handle>
HGDIOBJ Swap(Handle& slot, HGDIOBJ object) {
  Handle previous = slot;
  if (previous == object) return previous;
  Retain(object);
  slot = static_cast<Handle>(object);
  Release(previous);
  return previous;
}

}  // namespace

extern "C" {

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
  DeviceContext* context = FindDc(dc);
  GdiObject* selected = FindObject(object);
  if (context == nullptr || selected == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  switch (selected->type()) {
    case OBJ_PEN:
    case OBJ_EXTPEN:
      return Swap(context->state.pen, object);
    case OBJ_BRUSH:
      return Swap(context->state.brush, object);
    case OBJ_FONT:
      return Swap(context->state.font, object);
    case OBJ_REGION:
      return reinterpret_cast<HGDIOBJ>(
          static_cast<LONG_PTR>(SelectClipRgn(dc, static_cast<HRGN>(object))));
    case OBJ_BITMAP: {
      auto* bitmap = static_cast<Bitmap*>(selected);
      if (context->type() != OBJ_MEMDC) return nullptr;
      if (bitmap->selected_in != nullptr && bitmap->selected_in != context) return nullptr;
      HBITMAP previous = context->state.bitmap;
      if (previous == object) return previous;
      Retain(object);
      AttachBitmap(*context, static_cast<HBITMAP>(object));
      Release(previous);
      return previous;
    }
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}

BOOL DeleteObject(HGDIOBJ object) {
  GdiObject* doomed = FindObject(object);
  if (doomed == nullptr || doomed->type() == OBJ_DC || doomed->type() == OBJ_MEMDC) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (doomed->stock()) return TRUE;
  if (doomed->selected_count > 0) {
    if (doomed->type() == OBJ_BITMAP) return FALSE;
    doomed->delete_pending = true;
    return TRUE;
  }
  return RemoveObject(object) ? TRUE : FALSE;
}

int GetObjectW(HANDLE object, int size, LPVOID buffer) {
  GdiObject* described = FindObject(object);
  if (described == nullptr || size < 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return described->Describe(size, buffer, true);
}

int GetObjectA(HANDLE object, int size, LPVOID buffer) {
  GdiObject* described = FindObject(object);
  if (described == nullptr || size < 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return described->Describe(size, buffer, false);
}

DWORD GetObjectType(HGDIOBJ object) {
  GdiObject* found = FindObject(object);
  if (found == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return found->type();
}

HGDIOBJ GetCurrentObject(HDC dc, UINT type) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  switch (type) {
    case OBJ_PEN:
    case OBJ_EXTPEN: return context->state.pen;
    case OBJ_BRUSH: return context->state.brush;
    case OBJ_FONT: return context->state.font;
    case OBJ_BITMAP: return context->state.bitmap;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}

}  // extern "C"
