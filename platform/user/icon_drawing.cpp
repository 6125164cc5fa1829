// DrawIconEx and DrawIcon: an icon painted into a DC through the DC's clip.
//
// DI_NORMAL blends an icon that has alpha over what is there; an old-style icon is painted
// as GDI does with its two bitmaps: the AND mask (SRCAND), then the colour image XORed
// on top (SRCINVERT), so mask-1 pixels with colour invert the screen. DI_MASK alone does
// the first step, DI_IMAGE alone copies the colour image (SRCCOPY). Stretching averages
// areas for icons with alpha and picks the nearest pixel for old-style ones, whose
// inverting pixels cannot be averaged.
#include <algorithm>
#include <cstdint>
#include <memory>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/painter.h"
#include "platform/user/icon_image.h"
#include "platform/user/icon_object.h"
#include "platform/win32.h"

namespace platform {
namespace {

constexpr std::uint32_t kRgbMask = 0x00FFFFFF;

// One channel of `over` blended onto `under` with alpha 0..255, rounded.
std::uint32_t BlendChannel(std::uint32_t over, std::uint32_t under, std::uint32_t alpha) {
  const std::uint32_t v = over * alpha + under * (255 - alpha) + 128;
  return (v + (v >> 8)) >> 8;  // (v - 128) / 255 rounded: exact for v <= 255 * 255 + 128
}

std::uint32_t Blend(std::uint32_t argb, std::uint32_t destination) {
  const std::uint32_t alpha = argb >> 24;
  if (alpha == 255) return argb & kRgbMask;
  if (alpha == 0) return destination;
  return BlendChannel((argb >> 16) & 0xFF, (destination >> 16) & 0xFF, alpha) << 16 |
         BlendChannel((argb >> 8) & 0xFF, (destination >> 8) & 0xFF, alpha) << 8 |
         BlendChannel(argb & 0xFF, destination & 0xFF, alpha);
}

// The new destination pixel for an icon pixel (colour and AND-mask bit).
std::uint32_t IconPixel(const Icon& icon, std::uint32_t argb, bool mask, UINT flags,
                        std::uint32_t destination) {
  const bool image = flags & DI_IMAGE;
  const bool and_mask = flags & DI_MASK;
  if (image && !and_mask) return argb & kRgbMask;
  if (!image) return mask ? destination : 0;
  if (icon.has_alpha) return Blend(argb, destination);
  return ((mask ? destination : 0) ^ argb) & kRgbMask;
}

BOOL Fail(DWORD error) {
  SetLastError(error);
  return FALSE;
}

}  // namespace
}  // namespace platform

extern "C" {

BOOL DrawIconEx(HDC dc, int x, int y, HICON handle, int cx, int cy, UINT step,
                HBRUSH flicker_free_brush, UINT flags) {
  (void)step;  // animated cursors only, and there are none
  using namespace platform;
  gdi::DeviceContext* context = gdi::FindDc(dc);
  if (context == nullptr) return Fail(ERROR_INVALID_HANDLE);
  const Icon* found = FindIcon(handle);
  if (found == nullptr) return Fail(ERROR_INVALID_CURSOR_HANDLE);
  if (cx < 0 || cy < 0) return Fail(ERROR_INVALID_PARAMETER);
  const int system_side = found->is_icon ? kIconSize : kCursorSize;
  if (cx == 0) cx = (flags & DI_DEFAULTSIZE) ? system_side : found->width;
  if (cy == 0) cy = (flags & DI_DEFAULTSIZE) ? system_side : found->height;
  if (static_cast<std::int64_t>(cx) * cy > gdi::kMaxBitmapPixels) {
    return Fail(ERROR_NOT_ENOUGH_MEMORY);
  }
  // The brush fills the rectangle first: what Windows' off-screen drawing comes to.
  if (flicker_free_brush != nullptr) {
    const RECT area{x, y, x + cx, y + cy};
    if (!FillRect(dc, &area, flicker_free_brush)) return FALSE;
  }
  if ((flags & DI_NORMAL) == 0) return TRUE;

  std::unique_ptr<Icon> resized;
  const Icon* icon = found;
  if (found->has_alpha && (cx != found->width || cy != found->height)) {
    resized = ResizedIcon(*found, cx, cy);
    icon = resized.get();
  }
  gdi::Painter painter(*context, R2_COPYPEN);
  if (!painter.ok()) return Fail(ERROR_INVALID_HANDLE);
  const gdi::PixelSurface& surface = painter.surface();
  const std::int64_t left = std::int64_t{x} + painter.offset().x;
  const std::int64_t top = std::int64_t{y} + painter.offset().y;
  for (const RECT& clip : painter.clip()) {
    const std::int64_t x0 = std::max<std::int64_t>(clip.left, left);
    const std::int64_t x1 = std::min<std::int64_t>(clip.right, left + cx);
    const std::int64_t y0 = std::max<std::int64_t>(clip.top, top);
    const std::int64_t y1 = std::min<std::int64_t>(clip.bottom, top + cy);
    for (std::int64_t sy = y0; sy < y1; ++sy) {
      const auto iy = static_cast<int>((sy - top) * icon->height / cy);
      std::uint32_t* row = surface.Row(static_cast<std::int32_t>(sy));
      for (std::int64_t sx = x0; sx < x1; ++sx) {
        const auto ix = static_cast<int>((sx - left) * icon->width / cx);
        const std::size_t at = static_cast<std::size_t>(iy) * icon->width + ix;
        std::uint32_t& pixel = row[sx];
        pixel = IconPixel(*icon, icon->argb[at], icon->mask[at] != 0, flags, pixel & kRgbMask);
        if (!gdi::StoresEveryColor(*context)) pixel = gdi::StoredPixel(*context, pixel);
      }
    }
  }
  return TRUE;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon) {
  return DrawIconEx(dc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_COMPAT | DI_DEFAULTSIZE);
}

}  // extern "C"
