// DIB sections of both row orders and several depths; GetDIBits and SetDIBits.
#include <gtest/gtest.h>

#include <vector>

#include "tests/platform/gdi/gdi_canvas.h"

namespace platform::gdi::testing {
namespace {

BITMAPINFO Info(int width, int height, int depth) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, static_cast<WORD>(depth), BI_RGB, 0, 0, 0, 0, 0};
  return info;
}

TEST(DibSection, RowOrderFollowsTheSignOfTheHeight) {
  for (bool top_down : {true, false}) {
    Canvas canvas(3, 2, RGB(255, 255, 255), top_down);
    SetPixel(canvas.dc, 0, 0, RGB(0x11, 0x22, 0x33));
    const std::uint32_t first_row = canvas.bits[0], last_row = canvas.bits[3];
    EXPECT_EQ(top_down ? first_row : last_row, 0x112233u);  // B, G, R, X in memory
    EXPECT_EQ(GetPixel(canvas.dc, 0, 0), RGB(0x11, 0x22, 0x33));
  }
}

TEST(DibSection, TwentyFourAndOneBitDibsSyncOnGdiFlush) {
  BITMAPINFO info = Info(3, -1, 24);
  void* memory = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
  ASSERT_NE(bitmap, nullptr);
  auto* bytes = static_cast<BYTE*>(memory);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SetPixel(dc, 1, 0, RGB(0x10, 0x20, 0x30));
  GdiFlush();
  EXPECT_EQ(bytes[3], 0x30);  // B, G, R
  EXPECT_EQ(bytes[4], 0x20);
  EXPECT_EQ(bytes[5], 0x10);
  bytes[6] = 0xFF;  // the caller writes the bits after GdiFlush; drawing sees them
  EXPECT_EQ(GetPixel(dc, 2, 0), RGB(0, 0, 0xFF));
  SelectObject(dc, old);
  DeleteObject(bitmap);

  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colors[2];
  } mono{};
  mono.header = Info(8, 1, 1).bmiHeader;
  mono.colors[1] = {255, 255, 255, 0};
  bitmap = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&mono), DIB_RGB_COLORS, &memory, nullptr, 0);
  ASSERT_NE(bitmap, nullptr);
  SelectObject(dc, bitmap);
  RECT left_half{0, 0, 4, 1};
  FillRect(dc, &left_half, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  GdiFlush();
  EXPECT_EQ(static_cast<BYTE*>(memory)[0], 0xF0);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

TEST(DibBits, GetAndSetDibitsRoundTrip) {
  Canvas canvas(2, 2);
  HDC screen = GetDC(nullptr);
  // Bottom-up 24-bpp source: the first row in memory is the bottom row.
  BITMAPINFO info = Info(2, 2, 24);
  const BYTE rows[16] = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
  EXPECT_EQ(SetDIBits(screen, canvas.bitmap, 0, 2, rows, &info, DIB_RGB_COLORS), 2);
  EXPECT_EQ(canvas.At(0, 1), RGB(3, 2, 1));
  EXPECT_EQ(canvas.At(1, 0), RGB(12, 11, 10));
  std::vector<BYTE> back(16, 0xEE);
  EXPECT_EQ(GetDIBits(screen, canvas.bitmap, 0, 2, back.data(), &info, DIB_RGB_COLORS), 2);
  for (int i : {0, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13}) EXPECT_EQ(back[i], rows[i]) << i;
  // Without bits, only the format is filled in.
  BITMAPINFO query{};
  query.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  EXPECT_NE(GetDIBits(screen, canvas.bitmap, 0, 0, nullptr, &query, DIB_RGB_COLORS), 0);
  EXPECT_EQ(query.bmiHeader.biWidth, 2);
  EXPECT_EQ(query.bmiHeader.biBitCount, 32);
  // StretchDIBits doubles the 2 x 2 image into a 4 x 4 canvas.
  Canvas big(4, 4);
  EXPECT_EQ(StretchDIBits(big.dc, 0, 0, 4, 4, 0, 0, 2, 2, rows, &info, DIB_RGB_COLORS, SRCCOPY), 2);
  EXPECT_EQ(big.At(0, 3), RGB(3, 2, 1));
  EXPECT_EQ(big.At(3, 0), RGB(12, 11, 10));
  EXPECT_EQ(SetDIBitsToDevice(big.dc, 0, 0, 2, 2, 0, 0, 0, 2, rows, &info, DIB_RGB_COLORS), 2);
  EXPECT_EQ(big.At(0, 1), RGB(3, 2, 1));
  EXPECT_EQ(GetDIBits(screen, nullptr, 0, 2, back.data(), &info, DIB_RGB_COLORS), 0);
  ReleaseDC(nullptr, screen);
}

}  // namespace
}  // namespace platform::gdi::testing
