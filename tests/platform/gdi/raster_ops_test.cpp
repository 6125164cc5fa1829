// Mix modes and raster operations, one pixel at a time.
#include <gtest/gtest.h>

#include <random>

#include "platform/gdi/device_context.h"
#include "platform/gdi/painter.h"
#include "tests/platform/gdi/gdi_canvas.h"

namespace platform::gdi::testing {
namespace {

// Pen 0xF0F0F0 over destination 0xCCCCCC: each result byte is the mode's truth table.
struct Rop2Row {
  int mode;
  std::uint32_t expected;
};
constexpr Rop2Row kRop2Rows[] = {
    {R2_BLACK, 0x000000},      {R2_NOTMERGEPEN, 0x030303}, {R2_MASKNOTPEN, 0x0C0C0C},
    {R2_NOTCOPYPEN, 0x0F0F0F}, {R2_MASKPENNOT, 0x303030},  {R2_NOT, 0x333333},
    {R2_XORPEN, 0x3C3C3C},     {R2_NOTMASKPEN, 0x3F3F3F},  {R2_MASKPEN, 0xC0C0C0},
    {R2_NOTXORPEN, 0xC3C3C3},  {R2_NOP, 0xCCCCCC},         {R2_MERGENOTPEN, 0xCFCFCF},
    {R2_COPYPEN, 0xF0F0F0},    {R2_MERGEPENNOT, 0xF3F3F3}, {R2_MERGEPEN, 0xFCFCFC},
    {R2_WHITE, 0xFFFFFF},
};

TEST(RasterOps, EveryMixModeOnOnePixelPair) {
  Canvas canvas(1, 1);
  DeviceContext* dc = FindDc(canvas.dc);
  for (const Rop2Row& row : kRop2Rows) {
    SCOPED_TRACE(row.mode);
    EXPECT_EQ(MixRop2(row.mode, 0xF0F0F0, 0xCCCCCC), row.expected);
    canvas.bits[0] = 0xCCCCCC;
    SetROP2(canvas.dc, row.mode);
    PaintSpan(*dc, 0, 0, 1, SolidFill(0xF0F0F0));
    EXPECT_EQ(canvas.bits[0], row.expected);
  }
}

// Solid copies take a short cut when a span lies inside one visible rectangle: on random
// spans and clips (none, one rectangle, banded regions) they paint exactly the pixels the
// per-pixel rule says are visible.
TEST(RasterOps, SolidSpansPaintExactlyTheVisiblePixels) {
  constexpr int kWidth = 20, kHeight = 12;
  std::mt19937 random(20261207);
  std::uniform_int_distribution<int> coordinate(-6, 26);
  for (int round = 0; round < 60; ++round) {
    Canvas canvas(kWidth, kHeight);
    std::vector<std::uint32_t> expected(canvas.bits, canvas.bits + kWidth * kHeight);
    if (const int parts = round % 4; parts > 0) {
      HRGN clip = CreateRectRgn(0, 0, 0, 0);
      for (int i = 0; i < parts; ++i) {
        HRGN part = CreateRectRgn(coordinate(random), coordinate(random), coordinate(random),
                                  coordinate(random));
        CombineRgn(clip, clip, part, RGN_OR);
        DeleteObject(part);
      }
      SelectClipRgn(canvas.dc, clip);
      DeleteObject(clip);
    }
    Painter painter(*FindDc(canvas.dc), R2_COPYPEN);
    for (int span = 0; span < 40; ++span) {
      const int y = coordinate(random), x0 = coordinate(random), x1 = coordinate(random);
      const Fill fill = SolidFill(random() & 0xFFFFFF);
      painter.Span(y, x0, x1, fill);
      for (int x = x0; x < x1; ++x) {
        if (painter.Visible(x, y)) expected[y * kWidth + x] = fill.pixel;
      }
    }
    ASSERT_EQ(std::vector<std::uint32_t>(canvas.bits, canvas.bits + kWidth * kHeight), expected)
        << "round " << round;
  }
}

// Brush 0xF0, source 0xCC, destination 0xAA in every channel: each result byte is the
// operation's code byte.
TEST(RasterOps, BitBltOperationsTable) {
  const DWORD rops[] = {SRCCOPY,   SRCPAINT,   SRCAND,    SRCINVERT,  SRCERASE,
                        NOTSRCCOPY, NOTSRCERASE, MERGECOPY, MERGEPAINT, PATCOPY,
                        PATPAINT,  PATINVERT,  DSTINVERT, BLACKNESS,  WHITENESS};
  Canvas source(1, 1, RGB(0xCC, 0xCC, 0xCC));
  Canvas target(1, 1);
  HBRUSH brush = CreateSolidBrush(RGB(0xF0, 0xF0, 0xF0));
  HGDIOBJ old = SelectObject(target.dc, brush);
  for (DWORD rop : rops) {
    SCOPED_TRACE(rop);
    target.bits[0] = 0xAAAAAA;
    ASSERT_TRUE(BitBlt(target.dc, 0, 0, 1, 1, source.dc, 0, 0, rop));
    const std::uint32_t byte = (rop >> 16) & 0xFF;
    EXPECT_EQ(target.bits[0], byte | (byte << 8) | (byte << 16));
  }
  SelectObject(target.dc, old);
  DeleteObject(brush);
}

TEST(RasterOps, BitBltWithinOneSurfaceHandlesOverlap) {
  Canvas canvas(6, 6);
  for (int i = 0; i < 36; ++i) canvas.bits[i] = static_cast<std::uint32_t>(i);
  ASSERT_TRUE(BitBlt(canvas.dc, 1, 1, 4, 4, canvas.dc, 0, 0, SRCCOPY));  // down-right
  for (int y = 1; y < 5; ++y) {
    for (int x = 1; x < 5; ++x) EXPECT_EQ(canvas.bits[y * 6 + x], static_cast<std::uint32_t>((y - 1) * 6 + x - 1));
  }
  for (int i = 0; i < 36; ++i) canvas.bits[i] = static_cast<std::uint32_t>(i);
  ASSERT_TRUE(BitBlt(canvas.dc, 0, 0, 4, 4, canvas.dc, 1, 1, SRCCOPY));  // up-left
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(canvas.bits[y * 6 + x], static_cast<std::uint32_t>((y + 1) * 6 + x + 1));
  }
}

TEST(RasterOps, StretchBltDoublesExactlyAndMirrors) {
  Canvas source(2, 2);
  source.bits[0] = 0x000001, source.bits[1] = 0x000002;
  source.bits[2] = 0x000003, source.bits[3] = 0x000004;
  Canvas target(4, 4);
  ASSERT_TRUE(StretchBlt(target.dc, 0, 0, 4, 4, source.dc, 0, 0, 2, 2, SRCCOPY));
  const std::uint32_t doubled[16] = {1, 1, 2, 2, 1, 1, 2, 2, 3, 3, 4, 4, 3, 3, 4, 4};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(target.bits[i], doubled[i]) << i;
  // A negative destination width covers the same columns, right to left.
  ASSERT_TRUE(StretchBlt(target.dc, 4, 0, -4, 4, source.dc, 0, 0, 2, 2, SRCCOPY));
  const std::uint32_t mirrored[16] = {2, 2, 1, 1, 2, 2, 1, 1, 4, 4, 3, 3, 4, 4, 3, 3};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(target.bits[i], mirrored[i]) << i;
  EXPECT_EQ(SetStretchBltMode(target.dc, COLORONCOLOR), BLACKONWHITE);
  EXPECT_EQ(GetStretchBltMode(target.dc), COLORONCOLOR);
}

TEST(RasterOps, MonochromeSourceTakesTextAndBackgroundColours) {
  HDC mono = CreateCompatibleDC(nullptr);
  const BYTE bits[2] = {0x80, 0};  // one row: white, black (1 = white)
  HBITMAP bitmap = CreateBitmap(2, 1, 1, 1, bits);
  HGDIOBJ old = SelectObject(mono, bitmap);
  Canvas target(2, 1);
  SetTextColor(target.dc, RGB(255, 0, 0));
  SetBkColor(target.dc, RGB(0, 0, 255));
  ASSERT_TRUE(BitBlt(target.dc, 0, 0, 2, 1, mono, 0, 0, SRCCOPY));
  EXPECT_EQ(target.At(0, 0), RGB(0, 0, 255));  // 1 bits: background colour
  EXPECT_EQ(target.At(1, 0), RGB(255, 0, 0));  // 0 bits: text colour
  // Colour to monochrome: the source's background colour becomes white.
  SetBkColor(target.dc, RGB(0, 0, 255));
  ASSERT_TRUE(BitBlt(mono, 0, 0, 2, 1, target.dc, 0, 0, SRCCOPY));
  EXPECT_EQ(GetPixel(mono, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(mono, 1, 0), RGB(0, 0, 0));
  SelectObject(mono, old);
  DeleteObject(bitmap);
  DeleteDC(mono);
}

TEST(RasterOps, HatchBrushHonoursBackgroundMode) {
  Canvas canvas(8, 8, RGB(0, 255, 0));
  HBRUSH hatch = CreateHatchBrush(HS_CROSS, RGB(0, 0, 0));
  RECT r{0, 0, 8, 8};
  SetBkMode(canvas.dc, TRANSPARENT);
  FillRect(canvas.dc, &r, hatch);
  EXPECT_EQ(canvas.At(0, 0), RGB(0, 255, 0));  // between the lines: untouched
  EXPECT_EQ(canvas.At(7, 0), RGB(0, 0, 0));    // on a line
  SetBkMode(canvas.dc, OPAQUE);
  SetBkColor(canvas.dc, RGB(255, 255, 0));
  FillRect(canvas.dc, &r, hatch);
  EXPECT_EQ(canvas.At(0, 0), RGB(255, 255, 0));
  DeleteObject(hatch);
}

}  // namespace
}  // namespace platform::gdi::testing
