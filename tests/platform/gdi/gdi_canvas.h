// Test helper: a memory DC drawing into a small top-down 32-bpp DIB section.
#pragma once

#include <cstdint>
#include <string>

#include "platform/win32.h"

namespace platform::gdi::testing {

class Canvas {
 public:
  Canvas(int width, int height, COLORREF background = RGB(255, 255, 255), bool top_down = true)
      : width(width), height(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = top_down ? -height : height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* memory = nullptr;
    bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
    bits = static_cast<std::uint32_t*>(memory);
    dc = CreateCompatibleDC(nullptr);
    previous = SelectObject(dc, bitmap);
    Clear(background);
  }
  ~Canvas() {
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  void Clear(COLORREF color) {
    for (int i = 0; i < width * height; ++i) {
      bits[i] = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
    }
  }
  // The pixel as a COLORREF, read straight from the bits (top-down canvases).
  COLORREF At(int x, int y) const {
    const std::uint32_t p = bits[y * width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  // One row as characters: '#' for `ink`, '.' for anything else.
  std::string Row(int y, COLORREF ink = RGB(0, 0, 0)) const {
    std::string row;
    for (int x = 0; x < width; ++x) row += At(x, y) == ink ? '#' : '.';
    return row;
  }

  int width;
  int height;
  HBITMAP bitmap = nullptr;
  std::uint32_t* bits = nullptr;
  HDC dc = nullptr;
  HGDIOBJ previous = nullptr;
};

}  // namespace platform::gdi::testing
