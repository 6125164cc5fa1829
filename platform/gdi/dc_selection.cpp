// Selection counts, deferred deletion, and making and destroying DCs.
#include "platform/gdi/dc_selection.h"

#include "platform/gdi/bitmap.h"
#include "platform/gdi/stock_fonts.h"

namespace platform::gdi {

void Retain(HGDIOBJ object) {
  if (GdiObject* o = FindObject(object)) ++o->selected_count;
}

void Release(HGDIOBJ object) {
  GdiObject* o = FindObject(object);
  if (o == nullptr) return;
  if (--o->selected_count <= 0) {
    o->selected_count = 0;
    if (o->delete_pending) RemoveObject(object);
  }
}

void RetainState(const DcState& state) {
  Retain(state.pen);
  Retain(state.brush);
  Retain(state.font);
  Retain(state.bitmap);
}

void ReleaseState(const DcState& state) {
  Release(state.pen);
  Release(state.brush);
  Release(state.font);
  Release(state.bitmap);
}

void AttachBitmap(DeviceContext& dc, HBITMAP handle) {
  if (Bitmap* old = Find<Bitmap>(dc.state.bitmap)) {
    if (old->selected_in == &dc) old->selected_in = nullptr;
    old->StoreToBits();
    old->reload_pending = old->has_working_copy();  // the caller may write the bits now
  }
  dc.state.bitmap = handle;
  dc.monochrome = false;
  dc.palette = nullptr;
  if (Bitmap* bitmap = Find<Bitmap>(handle)) {
    if (!bitmap->stock()) bitmap->selected_in = &dc;
    bitmap->LoadFromBits();
    bitmap->reload_pending = false;
    dc.monochrome = bitmap->monochrome();
    if (bitmap->dib && !bitmap->color_table.empty()) dc.palette = &bitmap->color_table;
  }
  dc.ClipChanged();
}

HDC AddDc(std::unique_ptr<DeviceContext> dc) {
  DeviceContext* context = dc.get();
  context->logical_dpi = ScreenDpi();
  context->state.pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
  context->state.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  context->state.font = StockFont(SYSTEM_FONT);
  if (context->type() == OBJ_MEMDC) {
    context->surface_source = [context] {
      Bitmap* bitmap = Find<Bitmap>(context->state.bitmap);
      return bitmap ? bitmap->Surface() : PixelSurface{};
    };
    AttachBitmap(*context, DefaultBitmap());
  }
  HDC handle = static_cast<HDC>(AddObject(std::move(dc)));
  if (handle == nullptr) return nullptr;
  RetainState(context->state);
  return handle;
}

void DestroyDc(DeviceContext& dc) {
  HGDIOBJ handle = HandleOf(&dc);
  if (dc.type() == OBJ_MEMDC) {
    HBITMAP bitmap = dc.state.bitmap;
    AttachBitmap(dc, nullptr);   // writes the bitmap back and frees it for other DCs
    dc.state.bitmap = bitmap;    // still counted: released with the rest below
  }
  for (const DcState& saved : dc.saved) ReleaseState(saved);
  ReleaseState(dc.state);
  RemoveObject(handle);
}

}  // namespace platform::gdi
