// PNG files of surfaces, bitmaps and DCs, and reading PNGs back (platform-internal):
// the headless display's captures, golden-image tests and icon artwork.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gdi/pixel_surface.h"
#include "platform/win32.h"

namespace platform::gdi {

// Writes the surface as an 8-bit RGB PNG. False when the file cannot be written.
bool WritePng(const PixelSurface& surface, const std::string& path);
// The pixels of a bitmap, or of what a DC draws into.
bool WriteBitmapPng(HBITMAP bitmap, const std::string& path);
bool WriteDcPng(HDC dc, const std::string& path);

struct PngImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // top-down rows, 0xAARRGGBB (BGRA in memory)
};

// Reads any PNG as 8-bit RGBA. False (image untouched) when the file is missing or bad.
bool ReadPng(const std::string& path, PngImage* image);

}  // namespace platform::gdi
