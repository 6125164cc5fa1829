// CreateIconIndirect and GetIconInfo: icons to and from a colour bitmap and an AND mask.
//
// Only a 32-bpp DIB section keeps an alpha byte in this GDI, so that is the colour bitmap
// whose alpha is read, and the one GetIconInfo hands out (bottom-up, straight alpha, as
// icon resources hold it). An image whose alpha is all zero is an old-style one: its mask
// says what shows and where the screen is inverted. A null colour bitmap makes a
// monochrome icon whose mask is twice as high: the AND rows over the XOR rows.
#include <cstdint>
#include <memory>

#include "platform/gdi/bitmap.h"
#include "platform/user/icon_object.h"
#include "platform/win32.h"

namespace platform {
namespace {

using gdi::Bitmap;
using gdi::PixelSurface;

constexpr std::uint32_t kRgbMask = 0x00FFFFFF;

// A monochrome bitmap's pixel: 1 for white (the AND mask's "keep the screen").
bool IsSet(const PixelSurface& s, int x, int y) {
  return gdi::MonochromePixel(s.At(x, y) & kRgbMask) != 0;
}

// The icon of the bitmaps, or null when they cannot make one.
std::unique_ptr<Icon> IconOfBitmaps(const ICONINFO& info) {
  Bitmap* mask = gdi::Find<Bitmap>(info.hbmMask);
  if (mask == nullptr) return nullptr;
  Bitmap* color = nullptr;
  if (info.hbmColor != nullptr && (color = gdi::Find<Bitmap>(info.hbmColor)) == nullptr) {
    return nullptr;
  }
  auto icon = std::make_unique<Icon>();
  icon->width = color != nullptr ? color->width : mask->width;
  icon->height = color != nullptr ? color->height : mask->height / 2;
  // The mask must cover the image (a monochrome icon's holds both halves).
  if (icon->height <= 0 || mask->width < icon->width ||
      mask->height < (color != nullptr ? icon->height : 2 * icon->height)) {
    return nullptr;
  }
  const std::size_t count = static_cast<std::size_t>(icon->width) * icon->height;
  icon->argb.assign(count, 0);
  icon->mask.assign(count, 0);
  const PixelSurface mask_pixels = mask->Surface();
  const PixelSurface color_pixels = color != nullptr ? color->Surface() : PixelSurface{};
  const bool alpha_byte = color != nullptr && color->dib && color->bits_pixel == 32;
  for (int y = 0; y < icon->height; ++y) {
    for (int x = 0; x < icon->width; ++x) {
      const std::size_t at = static_cast<std::size_t>(y) * icon->width + x;
      icon->mask[at] = IsSet(mask_pixels, x, y);
      if (color != nullptr) {
        const std::uint32_t p = color_pixels.At(x, y);
        icon->argb[at] = alpha_byte ? p : p & kRgbMask;
        icon->has_alpha |= (icon->argb[at] >> 24) != 0;
      } else {
        icon->argb[at] = IsSet(mask_pixels, x, y + icon->height) ? 0xFFFFFF : 0;
      }
    }
  }
  icon->monochrome = color == nullptr;
  if (!icon->has_alpha) {
    for (std::size_t i = 0; i < count; ++i) {
      icon->argb[i] = (icon->argb[i] & kRgbMask) | (icon->mask[i] ? 0u : 0xFF000000u);
    }
  }
  icon->is_icon = info.fIcon != FALSE;
  icon->hotspot = icon->is_icon
                      ? POINT{icon->width / 2, icon->height / 2}
                      : POINT{static_cast<LONG>(info.xHotspot), static_cast<LONG>(info.yHotspot)};
  return icon;
}

// A monochrome bitmap of `rows` rows; `white(x, y)` says which pixels are 1.
template <class White>
HBITMAP MonochromeBitmap(int width, int rows, White white) {
  HBITMAP handle = CreateBitmap(width, rows, 1, 1, nullptr);
  Bitmap* bitmap = gdi::Find<Bitmap>(handle);
  if (bitmap == nullptr) return nullptr;
  const PixelSurface s = bitmap->Surface();
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < width; ++x) s.At(x, y) = white(x, y) ? 0xFFFFFF : 0;
  }
  return handle;
}

// The colour image as a bottom-up 32-bpp DIB section; alpha zero for old-style icons.
HBITMAP ColorBitmap(const Icon& icon) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = icon.width;
  info.bmiHeader.biHeight = icon.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (handle == nullptr) return nullptr;
  auto* rows = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < icon.height; ++y) {
    std::uint32_t* row = rows + static_cast<std::size_t>(icon.height - 1 - y) * icon.width;
    for (int x = 0; x < icon.width; ++x) {
      const std::uint32_t p = icon.argb[static_cast<std::size_t>(y) * icon.width + x];
      row[x] = icon.has_alpha ? p : p & kRgbMask;
    }
  }
  return handle;
}

}  // namespace
}  // namespace platform

extern "C" {

HICON CreateIconIndirect(PICONINFO info) {
  if (info == nullptr || info->hbmMask == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  std::unique_ptr<platform::Icon> icon = platform::IconOfBitmaps(*info);
  if (icon == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return platform::AddIcon(std::move(icon));
}

BOOL GetIconInfo(HICON handle, PICONINFO info) {
  const platform::Icon* icon = platform::FindIcon(handle);
  if (icon == nullptr) {
    SetLastError(ERROR_INVALID_CURSOR_HANDLE);
    return FALSE;
  }
  if (info == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const int width = icon->width;
  const int height = icon->height;
  HBITMAP color = nullptr;
  HBITMAP mask = nullptr;
  if (icon->monochrome) {
    mask = platform::MonochromeBitmap(width, 2 * height, [&](int x, int y) {
      const std::size_t at = static_cast<std::size_t>(y % height) * width + x;
      return y < height ? icon->mask[at] != 0 : (icon->argb[at] & 0xFFFFFF) != 0;
    });
  } else {
    color = platform::ColorBitmap(*icon);
    mask = platform::MonochromeBitmap(width, height, [&](int x, int y) {
      return icon->mask[static_cast<std::size_t>(y) * width + x] != 0;
    });
  }
  if (mask == nullptr || (!icon->monochrome && color == nullptr)) {
    if (mask != nullptr) DeleteObject(mask);
    if (color != nullptr) DeleteObject(color);
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return FALSE;
  }
  info->fIcon = icon->is_icon ? TRUE : FALSE;
  info->xHotspot = static_cast<DWORD>(icon->hotspot.x);
  info->yHotspot = static_cast<DWORD>(icon->hotspot.y);
  info->hbmMask = mask;
  info->hbmColor = color;
  return TRUE;
}

}  // extern "C"
