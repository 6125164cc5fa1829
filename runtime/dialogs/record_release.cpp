#include "runtime/dialogs/record_release.h"

#include <initializer_list>

#include "runtime/dialogs/dialog_state.h"
#include "runtime/dialogs/font_handles.h"
#include "runtime/dialogs/record_list.h"
#include "runtime/dialogs/shared_brushes.h"

namespace runtime {
namespace {

void DestroyImageList(LRESULT list) {
  if (list != 0) ImageList_Destroy(reinterpret_cast<HIMAGELIST>(list));
}

// Image lists a toolbar, tree view or tab control holds (list views destroy their own).
// When the control is already gone the questions are answered 0 and nothing happens.
void ReleaseImageLists(const DialogState& record) {
  switch (record.kind) {
    case kind::kToolbar:
      for (UINT m : {TB_GETIMAGELIST, TB_GETDISABLEDIMAGELIST, TB_GETHOTIMAGELIST}) {
        DestroyImageList(SendMessageA(record.hwnd, m, 0, 0));
      }
      break;
    case kind::kTreeView:
      DestroyImageList(SendMessageA(record.hwnd, TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
      break;
    case kind::kTabControl:
      DestroyImageList(SendMessageA(record.hwnd, TCM_GETIMAGELIST, 0, 0));
      break;
    default:
      break;
  }
}

void ReleaseGraphicSurface(const GraphicSurface& surface) {
  for (HWND child : surface.child_windows) {
    if (child != nullptr) DestroyWindow(child);
  }
  if (surface.first_bitmap != nullptr) {
    DeleteObject(SelectObject(surface.memory_dc, surface.first_bitmap));
  }
  if (surface.further_object != nullptr) DeleteObject(surface.further_object);
  if (surface.memory_dc != nullptr) DeleteDC(surface.memory_dc);
}

}  // namespace

void release_image(std::uint32_t flags, HANDLE image) {
  if (image == nullptr) return;
  if ((flags & IMAGE_IS_ICON) != 0) {
    DestroyIcon(static_cast<HICON>(image));
  } else if ((flags & IMAGE_IS_BITMAP) != 0) {
    DeleteObject(image);
  }
}

bool free_window_record(HWND window) {
  while (HWND child = first_child_control(window)) {
    if (!free_window_record(child)) return false;
  }
  DialogState* record = find_record(window);
  if (record == nullptr || !unlink_record(record)) return false;

  release_window_font(*record);
  if (record->back_color >= 0) let_go_of_brush(record->back_brush, record->back_color);
  if (IsGraphicKind(record->kind) && record->graphic.default_back_color >= 0) {
    let_go_of_brush(record->graphic.default_brush, record->graphic.default_back_color);
  }
  release_image(record->flags, record->image);
  release_image(IMAGE_IS_ICON, record->big_icon);
  release_image(IMAGE_IS_ICON, record->small_icon);
  ReleaseGraphicSurface(record->graphic);
  if ((record->flags & IS_CONTROL) != 0) ReleaseImageLists(*record);
  delete_record(record);
  return true;
}

}  // namespace runtime
