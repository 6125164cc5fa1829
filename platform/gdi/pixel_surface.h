// The pixels every drawing call ends in (platform-internal).
//
// Surfaces are 32 bits per pixel, one uint32_t per pixel holding 0x00RRGGBB, which is
// B, G, R, X in memory: the layout of a 32-bpp DIB. Rows may run top-down (stride > 0)
// or bottom-up (stride < 0, origin at the last row in memory), so a DIB section of
// either orientation is drawn into in place.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/win32.h"

namespace platform::gdi {

struct PixelSurface {
  std::uint32_t* origin = nullptr;  // pixel (0, 0)
  std::ptrdiff_t stride = 0;        // in pixels, from one row to the next below it
  std::int32_t width = 0;
  std::int32_t height = 0;

  bool empty() const { return origin == nullptr || width <= 0 || height <= 0; }
  std::uint32_t* Row(std::int32_t y) const { return origin + stride * y; }
  std::uint32_t& At(std::int32_t x, std::int32_t y) const { return Row(y)[x]; }
};

// COLORREF 0x00BBGGRR <-> pixel 0x00RRGGBB.
constexpr std::uint32_t PixelFromColor(COLORREF c) {
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr COLORREF ColorFromPixel(std::uint32_t p) {
  return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}

}  // namespace platform::gdi
