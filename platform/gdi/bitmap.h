// Bitmaps: device-dependent bitmaps and DIB sections (platform-internal).
//
// Every bitmap is drawn into as a 32-bpp PixelSurface.
// - A device-dependent bitmap (CreateBitmap, CreateCompatibleBitmap) keeps 32-bpp pixels,
//   top-down; a monochrome one (1 bpp) holds only black 0x000000 and white 0xFFFFFF.
// - A 32-bpp DIB section is drawn into in place, in either row order: the bits the caller
//   got from CreateDIBSection are the surface.
// - A DIB section of another depth (24 or 1 bpp, …) keeps its bits in their own format
//   and a 32-bpp working copy that drawing uses. The copy is refreshed from the bits when
//   the bitmap is selected, after each GdiFlush and while no DC holds it, and written
//   back to the bits by GdiFlush and when the bitmap is deselected: Windows programs call
//   GdiFlush before touching the bits of a selected DIB, which is exactly when the two
//   meet, and may write those of an unselected one at any time.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gdi/dib_format.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/pixel_surface.h"
#include "platform/win32.h"

namespace platform::gdi {

class DeviceContext;

class Bitmap : public GdiObject {
 public:
  static bool Accepts(DWORD type) { return type == OBJ_BITMAP; }

  // A device-dependent bitmap of 1 or 32 bits per pixel, all black (zero).
  // Returns null (ERROR_NOT_ENOUGH_MEMORY) when the pixels cannot be had.
  static std::unique_ptr<Bitmap> MakeDeviceBitmap(int width, int height, int bits_pixel);
  // A DIB section as `info` describes it, bits zeroed; null when `info` is not a
  // format we read or the bits cannot be had.
  static std::unique_ptr<Bitmap> MakeDibSection(const BITMAPINFO& info);

  Bitmap() : GdiObject(OBJ_BITMAP) {}
  ~Bitmap() override;

  int width = 0;
  int height = 0;        // always positive
  int bits_pixel = 32;   // 1 or 32 for device bitmaps; 1, 4, 8, 16, 24, 32 for DIBs
  bool dib = false;
  bool top_down = false;                // DIBs: rows run down in memory
  BITMAPINFOHEADER dib_header{};        // DIBs: as created (biHeight keeps its sign)
  std::vector<RGBQUAD> color_table;     // DIBs of up to 8 bpp
  DWORD bitfields[3] = {0, 0, 0};
  std::uint8_t* dib_bits = nullptr;     // DIBs: the caller's bits (owned)
  std::size_t dib_bytes = 0;
  DeviceContext* selected_in = nullptr; // the memory DC that has it selected
  bool reload_pending = false;  // GdiFlush, or no DC holds it: take the bits again on next use

  bool monochrome() const { return bits_pixel == 1; }
  // Bytes of one row in the bits' own format, DWORD aligned (DIBs) or WORD aligned
  // (device bitmaps' bmWidthBytes).
  int dib_stride() const { return ((width * bits_pixel + 31) / 32) * 4; }

  // The 32-bpp pixels drawing uses.
  PixelSurface Surface();
  // DIBs not of 32 bpp: copy the bits into the working pixels / the pixels back.
  void LoadFromBits();
  void StoreToBits();
  // DIBs of up to 8 bpp: entries [start, start + count) of the colour table, cut to its
  // size; returns how many were set. The pixels keep their indices, so what is drawn
  // from them takes the new colours.
  UINT SetColors(UINT start, UINT count, const RGBQUAD* colors);
  bool has_working_copy() const { return dib && bits_pixel != 32; }

  int Describe(int size, void* buffer, bool wide) const override;

 private:
  std::vector<std::uint32_t> pixels_;  // device bitmaps and the working copy of DIBs
  DibFormat format_;                   // DIBs: the bits' own format
};

// The largest bitmap this stand-in makes, in pixels: beyond it CreateBitmap & co fail with
// ERROR_NOT_ENOUGH_MEMORY instead of trying (100000 x 100000 fails, a 4K screen does not).
constexpr std::int64_t kMaxBitmapPixels = std::int64_t{1} << 27;

// Stock 1 x 1 monochrome bitmap every new memory DC starts with.
HBITMAP DefaultBitmap();

// Black or white: the colour a monochrome surface stores for a pixel.
constexpr std::uint32_t MonochromePixel(std::uint32_t pixel) {
  unsigned sum = ((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF);
  return sum >= 383 ? 0xFFFFFF : 0x000000;
}

}  // namespace platform::gdi
