// Image lists: equal-sized images kept as pixels with a transparency mask, drawn into DCs.
// Handles are checked against the lists alive, so a destroyed or made-up handle fails.
#include <cstdint>
#include <mutex>
#include <set>
#include <vector>

#include "platform/win32.h"

struct _IMAGELIST {
  int cx = 0;
  int cy = 0;
  UINT flags = 0;
  COLORREF background = CLR_NONE;
  struct Image {
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top-down
    std::vector<bool> transparent;
  };
  std::vector<Image> images;
};

namespace {

std::mutex& Lock() {
  static std::mutex* lock = new std::mutex;
  return *lock;
}
std::set<HIMAGELIST>& Alive() {
  static auto* alive = new std::set<HIMAGELIST>;
  return *alive;
}
bool IsAlive(HIMAGELIST list) {
  std::lock_guard hold(Lock());
  return list != nullptr && Alive().count(list) != 0;
}

// A bitmap's pixels as 0x00RRGGBB rows, top-down; empty when it is not a bitmap.
std::vector<std::uint32_t> ReadBitmap(HBITMAP bitmap, int& width, int& height) {
  BITMAP info{};
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) return {};
  width = info.bmWidth;
  height = info.bmHeight;
  if (width <= 0 || height <= 0 || width > 16384 || height > 16384) return {};
  BITMAPINFO request{};
  request.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  request.bmiHeader.biWidth = width;
  request.bmiHeader.biHeight = -height;
  request.bmiHeader.biPlanes = 1;
  request.bmiHeader.biBitCount = 32;
  request.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  HDC dc = CreateCompatibleDC(nullptr);
  int lines = GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(), &request,
                        DIB_RGB_COLORS);
  DeleteDC(dc);
  if (lines == 0) return {};
  for (auto& p : pixels) p &= 0x00FFFFFF;
  return pixels;
}

// Cuts a strip of images into the list; `is_transparent(x, y, pixel)` gives the mask.
template <class Mask>
int AddStrip(HIMAGELIST list, const std::vector<std::uint32_t>& pixels, int width, int height,
             Mask is_transparent) {
  if (height < list->cy || width < list->cx) return -1;
  int first = static_cast<int>(list->images.size());
  for (int left = 0; left + list->cx <= width; left += list->cx) {
    _IMAGELIST::Image image;
    image.pixels.resize(static_cast<std::size_t>(list->cx) * list->cy);
    image.transparent.resize(image.pixels.size());
    for (int y = 0; y < list->cy; ++y) {
      for (int x = 0; x < list->cx; ++x) {
        std::uint32_t p = pixels[static_cast<std::size_t>(y) * width + left + x];
        image.pixels[y * list->cx + x] = p;
        image.transparent[y * list->cx + x] = is_transparent(left + x, y, p);
      }
    }
    list->images.push_back(std::move(image));
  }
  return first;
}

}  // namespace

extern "C" {

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow) {
  (void)grow;
  if (cx <= 0 || cy <= 0 || cx > 4096 || cy > 4096 || initial < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto* list = new _IMAGELIST;
  list->cx = cx;
  list->cy = cy;
  list->flags = flags;
  std::lock_guard hold(Lock());
  Alive().insert(list);
  return list;
}

BOOL ImageList_Destroy(HIMAGELIST list) {
  {
    std::lock_guard hold(Lock());
    if (list == nullptr || Alive().erase(list) == 0) return FALSE;
  }
  delete list;
  return TRUE;
}

int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask) {
  if (!IsAlive(list)) return -1;
  int width = 0, height = 0;
  auto pixels = ReadBitmap(image, width, height);
  if (pixels.empty()) return -1;
  int mask_width = 0, mask_height = 0;
  std::vector<std::uint32_t> mask_pixels;
  if (mask != nullptr && (list->flags & ILC_MASK)) {
    mask_pixels = ReadBitmap(mask, mask_width, mask_height);
  }
  return AddStrip(list, pixels, width, height, [&](int x, int y, std::uint32_t) {
    // A set (white) mask pixel is transparent, as in a monochrome AND mask.
    if (mask_pixels.empty() || x >= mask_width || y >= mask_height) return false;
    return (mask_pixels[static_cast<std::size_t>(y) * mask_width + x] & 0xFFFFFF) != 0;
  });
}

int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF mask_color) {
  if (!IsAlive(list)) return -1;
  int width = 0, height = 0;
  auto pixels = ReadBitmap(image, width, height);
  if (pixels.empty()) return -1;
  std::uint32_t key = ((mask_color & 0xFF) << 16) | (mask_color & 0xFF00) | ((mask_color >> 16) & 0xFF);
  bool masked = (list->flags & ILC_MASK) != 0;
  return AddStrip(list, pixels, width, height,
                  [&](int, int, std::uint32_t p) { return masked && p == key; });
}

int ImageList_GetImageCount(HIMAGELIST list) {
  if (!IsAlive(list)) return 0;
  return static_cast<int>(list->images.size());
}

BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy) {
  if (!IsAlive(list) || cx == nullptr || cy == nullptr) return FALSE;
  *cx = list->cx;
  *cy = list->cy;
  return TRUE;
}

BOOL ImageList_Remove(HIMAGELIST list, int index) {
  if (!IsAlive(list)) return FALSE;
  if (index == -1) {
    list->images.clear();
    return TRUE;
  }
  if (index < 0 || index >= static_cast<int>(list->images.size())) return FALSE;
  list->images.erase(list->images.begin() + index);
  return TRUE;
}

COLORREF ImageList_SetBkColor(HIMAGELIST list, COLORREF color) {
  if (!IsAlive(list)) return CLR_NONE;
  COLORREF old = list->background;
  list->background = color;
  return old;
}

COLORREF ImageList_GetBkColor(HIMAGELIST list) {
  return IsAlive(list) ? list->background : CLR_NONE;
}

BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style) {
  if (!IsAlive(list) || dc == nullptr) return FALSE;
  if (index < 0 || index >= static_cast<int>(list->images.size())) return FALSE;
  const auto& image = list->images[index];
  bool transparent = (style & (ILD_TRANSPARENT | ILD_MASK)) != 0 || list->background == CLR_NONE;
  COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  for (int row = 0; row < list->cy; ++row) {
    for (int column = 0; column < list->cx; ++column) {
      std::size_t i = static_cast<std::size_t>(row) * list->cx + column;
      COLORREF color;
      if (image.transparent[i]) {
        if (transparent) continue;
        color = list->background;
      } else {
        std::uint32_t p = image.pixels[i];
        color = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
        if (style & (ILD_BLEND25 | ILD_BLEND50)) {
          // Selected images are blended half way with the highlight colour.
          color = RGB((GetRValue(color) + GetRValue(highlight)) / 2,
                      (GetGValue(color) + GetGValue(highlight)) / 2,
                      (GetBValue(color) + GetBValue(highlight)) / 2);
        }
      }
      SetPixelV(dc, x + column, y + row, color);
    }
  }
  return TRUE;
}

}  // extern "C"
