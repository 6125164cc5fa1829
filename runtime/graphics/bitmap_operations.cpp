#include "runtime/graphics/bitmap_operations.h"

#include <algorithm>
#include <vector>

#include "runtime/dialogs/record_list.h"
#include "runtime/graphics/bmp_file.h"
#include "runtime/graphics/surface_core.h"

namespace runtime {
namespace {

const DialogState* FindMemoryBitmap(HBITMAP bitmap) {
  const DialogState* record = find_record(reinterpret_cast<HWND>(bitmap));
  return record != nullptr && record->kind == kind::kMemoryBitmap ? record : nullptr;
}

// GetDIBits and SetDIBits want a bitmap that no device context holds: the surface's own
// is taken out of its memory DC for the call and put back (the DC keeps its other state).
class BitmapOutOfDc {
 public:
  explicit BitmapOutOfDc(const GraphicSurface& surface)
      : dc_(surface.memory_dc),
        bitmap_(static_cast<HBITMAP>(SelectObject(dc_, surface.first_bitmap))) {}
  ~BitmapOutOfDc() { SelectObject(dc_, bitmap_); }
  BitmapOutOfDc(const BitmapOutOfDc&) = delete;
  BitmapOutOfDc& operator=(const BitmapOutOfDc&) = delete;

  HDC dc() const { return dc_; }
  HBITMAP bitmap() const { return bitmap_; }

 private:
  HDC dc_;
  HBITMAP bitmap_;
};

// 32 bits per pixel, rows from the top: each pixel is 0x00RRGGBB in memory order.
BITMAPINFO TopDownInfo(SIZE size) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

std::size_t PixelCount(SIZE size) {
  return static_cast<std::size_t>(size.cx) * static_cast<std::size_t>(size.cy);
}

bool Blit(DialogState& target, const GraphicSurface& source, RECT part, double x, double y) {
  part.left = std::max<LONG>(part.left, 0);
  part.top = std::max<LONG>(part.top, 0);
  part.right = std::min<LONG>(part.right, source.bitmap_size.cx);
  part.bottom = std::min<LONG>(part.bottom, source.bitmap_size.cy);
  const POINT at = to_device(target, x, y, false);
  if (part.right > part.left && part.bottom > part.top) {
    const LONG width = part.right - part.left, height = part.bottom - part.top;
    BitBlt(target.graphic.memory_dc, at.x, at.y, width, height, source.memory_dc, part.left,
           part.top, SRCCOPY);
    mark_dirty(target, RECT{at.x, at.y, at.x + width, at.y + height}, DirtyMode::kExact);
  }
  return true;
}

}  // namespace

bool copy_bitmap(HBITMAP source, double x, double y) {
  return copy_bitmap_part(source, RECT{0, 0, kFarthestPixel, kFarthestPixel}, x, y);
}

bool copy_bitmap_part(HBITMAP source, RECT part, double x, double y) {
  DrawingScope scope;
  const DialogState* from = FindMemoryBitmap(source);
  if (!scope || from == nullptr) return false;
  return Blit(*scope.surface(), from->graphic, part, x, y);
}

bool stretch_bitmap(HBITMAP source, double x1, double y1, double x2, double y2) {
  DrawingScope scope;
  const DialogState* from = FindMemoryBitmap(source);
  if (!scope || from == nullptr) return false;
  DialogState& target = *scope.surface();
  const POINT a = to_device(target, x1, y1, false);
  const POINT b = to_device(target, x2, y2, false);
  RECT box{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
  if ((target.close_flags & INCLUSIVE_ENDS) != 0) {
    ++box.right;
    ++box.bottom;
  }
  HDC dc = target.graphic.memory_dc;
  // HALFTONE samples through the brush origin, which Windows wants reset after the mode
  // is chosen.
  if (GetStretchBltMode(dc) == HALFTONE) SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchBlt(dc, box.left, box.top, box.right - box.left, box.bottom - box.top,
             from->graphic.memory_dc, 0, 0, from->graphic.bitmap_size.cx,
             from->graphic.bitmap_size.cy, SRCCOPY);
  mark_dirty(target, box, DirtyMode::kExact);
  return true;
}

SIZE target_bitmap_size() {
  DrawingScope scope;
  return scope ? scope.surface()->graphic.bitmap_size : SIZE{0, 0};
}

bool read_pixels(std::span<std::uint32_t> pixels) {
  DrawingScope scope;
  if (!scope) return false;
  const GraphicSurface& surface = scope.surface()->graphic;
  const SIZE size = surface.bitmap_size;
  if (pixels.size() < PixelCount(size)) return false;
  BITMAPINFO info = TopDownInfo(size);
  BitmapOutOfDc bitmap(surface);
  return GetDIBits(bitmap.dc(), bitmap.bitmap(), 0, static_cast<UINT>(size.cy), pixels.data(),
                   &info, DIB_RGB_COLORS) == size.cy;
}

bool write_pixels(std::span<const std::uint32_t> pixels) {
  DrawingScope scope;
  if (!scope) return false;
  DialogState& target = *scope.surface();
  const SIZE size = target.graphic.bitmap_size;
  const std::size_t count = PixelCount(size);
  if (pixels.size() < count) return false;
  std::vector<std::uint32_t> colours(pixels.begin(), pixels.begin() + static_cast<std::ptrdiff_t>(count));
  for (std::uint32_t& c : colours) c &= 0xFFFFFF;
  const BITMAPINFO info = TopDownInfo(size);
  int written = 0;
  {
    BitmapOutOfDc bitmap(target.graphic);
    written = SetDIBits(bitmap.dc(), bitmap.bitmap(), 0, static_cast<UINT>(size.cy),
                        colours.data(), &info, DIB_RGB_COLORS);
  }
  mark_dirty(target, RECT{0, 0, size.cx, size.cy}, DirtyMode::kExact);
  return written == size.cy;
}

bool save_bitmap(LPCWSTR path, int bits_per_pixel) {
  std::vector<BYTE> file;
  {
    // The picture is taken under the lock; the file is written after it is released.
    DrawingScope scope;
    if (!scope) return false;
    const GraphicSurface& surface = scope.surface()->graphic;
    const SIZE size = surface.bitmap_size;
    file = new_bmp_file(size.cx, size.cy, bits_per_pixel);
    if (file.empty()) return false;
    BITMAPINFO info{};
    info.bmiHeader = bmp_info_header(size.cx, size.cy, bits_per_pixel);
    BitmapOutOfDc bitmap(surface);
    if (GetDIBits(bitmap.dc(), bitmap.bitmap(), 0, static_cast<UINT>(size.cy),
                  file.data() + kBmpHeaderBytes, &info, DIB_RGB_COLORS) != size.cy) {
      return false;
    }
  }
  return write_whole_file(path, file);
}

}  // namespace runtime
