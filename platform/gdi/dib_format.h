// Rows of device-independent bitmaps to and from 32-bpp pixels (platform-internal).
//
// Handles BI_RGB at 1, 4, 8 (with a colour table), 16 (5-5-5), 24 and 32 bits per
// pixel, and BI_BITFIELDS at 16 (5-6-5 or 5-5-5) and 32 bits. Pixels are 0x00RRGGBB.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win32.h"

namespace platform::gdi {

struct DibFormat {
  int bits_pixel = 32;
  int width = 0;
  int height = 0;            // positive
  bool top_down = false;
  bool five_six_five = false;
  std::vector<RGBQUAD> colors;  // up to 8 bpp

  // The format `info` describes, or false when this stand-in does not read it.
  static bool From(const BITMAPINFO& info, DibFormat* format);
  int stride() const { return ((width * bits_pixel + 31) / 32) * 4; }
  std::size_t bytes() const { return static_cast<std::size_t>(stride()) * height; }
  // The row of memory that image row y (0 = top) is stored in.
  int MemoryRow(int y) const { return top_down ? y : height - 1 - y; }

  void Decode(const std::uint8_t* row, std::uint32_t* pixels) const;
  void Encode(const std::uint32_t* pixels, std::uint8_t* row) const;
};

// A colour-table entry as a pixel, and the entry nearest to a pixel (the first of equals):
// how a DIB of up to 8 bpp stores a colour it has no entry for.
std::uint32_t PixelOfEntry(const RGBQUAD& entry);
std::uint32_t NearestEntry(const std::vector<RGBQUAD>& table, std::uint32_t pixel);

}  // namespace platform::gdi
