#include "runtime/graphics/memory_bitmaps.h"

#include <cstdint>

#include "runtime/dialogs/dialog_state.h"
#include "runtime/dialogs/font_handles.h"
#include "runtime/dialogs/record_list.h"
#include "runtime/dialogs/record_release.h"
#include "runtime/frame/error_state.h"
#include "runtime/graphics/drawing_session.h"
#include "runtime/graphics/graphic_lock.h"

namespace runtime {
namespace {

// Deferred redraw: there is no window to repaint.
constexpr std::uint32_t kMemoryBitmapFlags = IS_MEMORY_BITMAP | REDRAW_DEFERRED | USES_PIXELS;

HWND KeyOf(HBITMAP bitmap) { return reinterpret_cast<HWND>(bitmap); }

DialogState* FindMemoryBitmap(HBITMAP bitmap) {
  DialogState* record = find_record(KeyOf(bitmap));
  return record != nullptr && record->kind == kind::kMemoryBitmap ? record : nullptr;
}

// What a graphic control gets at its making, for a surface with no window.
void SetUpSurface(DialogState& record, HDC memory_dc, HBITMAP bitmap, SIZE size) {
  GraphicSurface& surface = record.graphic;
  surface.memory_dc = memory_dc;
  surface.first_bitmap = SelectObject(memory_dc, bitmap);
  surface.client_size = surface.bitmap_size = surface.visible_size = size;
  const RECT all{0, 0, size.cx, size.cy};
  FillRect(memory_dc, &all, surface.default_brush);
  select_first_graphic_font(record);  // without it text still draws, in the DC's own font
  SetTextColor(memory_dc, static_cast<COLORREF>(surface.default_text_color));
  SetBkColor(memory_dc, static_cast<COLORREF>(surface.default_back_color));
  SetBkMode(memory_dc, OPAQUE);
}

// The picture's pixels onto the surface's bitmap. The picture is a DIB section, so a
// one-bit picture is drawn through its own colour table, not the target's text and
// background colours.
bool CopyPicture(HBITMAP picture, const DialogState& record) {
  const GraphicSurface& surface = record.graphic;
  HDC source = CreateCompatibleDC(surface.memory_dc);
  if (source == nullptr) return false;
  HGDIOBJ previous = SelectObject(source, picture);
  const bool copied = previous != nullptr &&
                      BitBlt(surface.memory_dc, 0, 0, surface.bitmap_size.cx, surface.bitmap_size.cy,
                             source, 0, 0, SRCCOPY);
  if (previous != nullptr) SelectObject(source, previous);
  DeleteDC(source);
  return copied;
}

}  // namespace

HBITMAP make_bitmap(int width, int height) {
  if (width < 1 || height < 1) return nullptr;
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return nullptr;
  HDC memory_dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = memory_dc != nullptr ? CreateCompatibleBitmap(screen, width, height) : nullptr;
  ReleaseDC(nullptr, screen);
  ErrorState not_passed_on;
  DialogState* record =
      bitmap != nullptr
          ? register_record(not_passed_on, KeyOf(bitmap), nullptr, kMemoryBitmapFlags,
                            kind::kMemoryBitmap)
          : nullptr;
  if (record == nullptr) {
    if (bitmap != nullptr) DeleteObject(bitmap);
    if (memory_dc != nullptr) DeleteDC(memory_dc);
    return nullptr;
  }
  SetUpSurface(*record, memory_dc, bitmap, SIZE{width, height});
  if (graphic_target() == nullptr) set_graphic_target(KeyOf(bitmap));
  return bitmap;
}

HBITMAP load_bitmap(LPCWSTR path) {
  // A DIB section keeps the file's colours: a monochrome device bitmap would take the
  // target's text and background colours when copied.
  auto picture = static_cast<HBITMAP>(
      LoadImageW(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  if (picture == nullptr) return nullptr;
  BITMAP size{};
  HBITMAP bitmap = nullptr;
  if (GetObjectA(picture, sizeof size, &size) != 0) {
    bitmap = make_bitmap(size.bmWidth, size.bmHeight < 0 ? -size.bmHeight : size.bmHeight);
  }
  if (DialogState* record = FindMemoryBitmap(bitmap)) {
    if (!CopyPicture(picture, *record)) {
      end_bitmap(bitmap);
      bitmap = nullptr;
    }
  }
  DeleteObject(picture);
  return bitmap;
}

bool end_bitmap(HBITMAP bitmap) {
  if (FindMemoryBitmap(bitmap) == nullptr) return false;
  if (graphic_target() == KeyOf(bitmap)) set_graphic_target(nullptr);
  // Under the graphic lock: no other thread is drawing on it, or copying from it.
  take_graphic_lock();
  const bool released = free_window_record(KeyOf(bitmap));
  release_graphic_lock();
  return released;
}

SIZE bitmap_size(HBITMAP bitmap) {
  const DialogState* record = FindMemoryBitmap(bitmap);
  return record != nullptr ? record->graphic.bitmap_size : SIZE{0, 0};
}

}  // namespace runtime
