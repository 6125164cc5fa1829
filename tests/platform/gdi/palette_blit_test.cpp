// Blits to and from 1-bpp DIB sections and monochrome device bitmaps, and colour tables.
// A DIB section's pixels mean its colour table's entries; only a monochrome device bitmap
// goes through the text and background colours.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "tests/platform/gdi/gdi_canvas.h"

namespace platform::gdi::testing {
namespace {

constexpr RGBQUAD Quad(COLORREF c) { return {GetBValue(c), GetGValue(c), GetRValue(c), 0}; }
constexpr COLORREF kRed = RGB(200, 0, 0), kBlue = RGB(0, 0, 200), kGreen = RGB(0, 160, 0),
                   kYellow = RGB(250, 250, 0), kWhite = RGB(255, 255, 255);

// A top-down DIB section of `depth` bits, its colour table from `table` (the rest black).
HBITMAP MakeDib(int width, int height, int depth, std::vector<COLORREF> table, BYTE** bits) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
  } info{};
  info.header = {sizeof(BITMAPINFOHEADER), width, -height, 1, static_cast<WORD>(depth), BI_RGB, 0, 0, 0, 0, 0};
  for (std::size_t i = 0; i < table.size(); ++i) info.colors[i] = Quad(table[i]);
  void* memory = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                    &memory, nullptr, 0);
  *bits = static_cast<BYTE*>(memory);
  return bitmap;
}

// A memory DC holding `bitmap` for the length of a test.
struct Selected {
  Selected(HBITMAP bitmap) : bitmap(bitmap), dc(CreateCompatibleDC(nullptr)), old(SelectObject(dc, bitmap)) {}
  ~Selected() {
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
  HBITMAP bitmap;
  HDC dc;
  HGDIOBJ old;
};

// Four pixels 1, 0, 1, 0 as each kind of 1-bpp bitmap; what a 32-bpp destination whose
// text colour is green and background yellow gets for a 0 and a 1 pixel.
struct MonoSourceRow {
  const char* kind;
  std::function<HBITMAP()> make;
  COLORREF zero, one;
};

TEST(PaletteBlit, OneBitSourcesToColour) {
  const MonoSourceRow rows[] = {
      {"1-bpp DIB section: its own colour table",
       [] {
         BYTE* bits = nullptr;
         HBITMAP b = MakeDib(4, 1, 1, {kRed, kBlue}, &bits);
         bits[0] = 0xA0;
         return b;
       },
       kRed, kBlue},
      {"CreateBitmap(1 plane, 1 bit): text and background colours",
       [] {
         const BYTE bits[2] = {0xA0, 0};
         return CreateBitmap(4, 1, 1, 1, bits);
       },
       kGreen, kYellow},
      {"CreateCompatibleBitmap on a new memory DC: monochrome too",
       [] {
         HDC fresh = CreateCompatibleDC(nullptr);
         HBITMAP b = CreateCompatibleBitmap(fresh, 4, 1);
         HGDIOBJ old = SelectObject(fresh, b);
         for (int x : {0, 2}) SetPixel(fresh, x, 0, kWhite);
         SelectObject(fresh, old);
         DeleteDC(fresh);
         return b;
       },
       kGreen, kYellow},
  };
  for (const MonoSourceRow& row : rows) {
    SCOPED_TRACE(row.kind);
    Selected source(row.make());
    ASSERT_NE(source.bitmap, nullptr);
    Canvas target(8, 1);
    SetTextColor(target.dc, kGreen);
    SetBkColor(target.dc, kYellow);
    ASSERT_TRUE(BitBlt(target.dc, 0, 0, 4, 1, source.dc, 0, 0, SRCCOPY));
    ASSERT_TRUE(StretchBlt(target.dc, 4, 0, 4, 1, source.dc, 0, 0, 2, 1, SRCCOPY));
    const COLORREF expected[8] = {row.one, row.zero, row.one, row.zero,
                                  row.one, row.one, row.zero, row.zero};
    for (int x = 0; x < 8; ++x) EXPECT_EQ(target.At(x, 0), expected[x]) << x;
  }
}

// Colour onto a 1-bpp DIB section takes the nearest table entry, whatever the source's
// background colour; onto a monochrome device bitmap, the source's background colour is
// white (1) and everything else black (0).
TEST(PaletteBlit, ColourToOneBitDestinations) {
  const COLORREF sources[4] = {RGB(250, 10, 10), RGB(10, 10, 250), RGB(120, 0, 110), RGB(100, 0, 130)};
  struct Row {
    bool dib;
    BYTE expected_bits;  // the four pixels' bits, first pixel in the top bit
  };
  for (const Row& row : {Row{true, 0x50}, Row{false, 0x20}}) {
    SCOPED_TRACE(row.dib ? "DIB section" : "device bitmap");
    BYTE* bits = nullptr;
    Selected target(row.dib ? MakeDib(4, 1, 1, {RGB(255, 0, 0), RGB(0, 0, 255)}, &bits)
                            : CreateBitmap(4, 1, 1, 1, nullptr));
    Canvas source(4, 1);
    for (int x = 0; x < 4; ++x) SetPixel(source.dc, x, 0, sources[x]);
    SetBkColor(source.dc, sources[2]);
    ASSERT_TRUE(BitBlt(target.dc, 0, 0, 4, 1, source.dc, 0, 0, SRCCOPY));
    for (int x = 0; x < 4; ++x) {
      const bool one = (row.expected_bits >> (7 - x)) & 1;
      const COLORREF stored = row.dib ? (one ? RGB(0, 0, 255) : RGB(255, 0, 0)) : (one ? kWhite : 0);
      EXPECT_EQ(GetPixel(target.dc, x, 0), stored) << x;
    }
    if (row.dib) {
      GdiFlush();
      EXPECT_EQ(bits[0], row.expected_bits);
    }
  }
}

// A monochrome device bitmap onto a 1-bpp DIB section: 0 bits as the text colour, 1 bits
// as the background colour, each stored as its nearest entry.
TEST(PaletteBlit, MonochromeBitmapOntoOneBitDib) {
  BYTE* bits = nullptr;
  Selected target(MakeDib(4, 1, 1, {kRed, kBlue}, &bits));
  const BYTE mono_bits[2] = {0xA0, 0};
  Selected source(CreateBitmap(4, 1, 1, 1, mono_bits));
  SetTextColor(target.dc, RGB(0, 0, 255));
  SetBkColor(target.dc, RGB(255, 0, 0));
  ASSERT_TRUE(BitBlt(target.dc, 0, 0, 4, 1, source.dc, 0, 0, SRCCOPY));
  GdiFlush();
  EXPECT_EQ(bits[0], 0x50);
}

TEST(PaletteBlit, SetDibColorTableRecoloursLaterBlits) {
  BYTE* bits = nullptr;
  HBITMAP dib = MakeDib(2, 1, 1, {kRed, kBlue}, &bits);
  bits[0] = 0x40;  // pixel 0 is entry 0, pixel 1 entry 1
  GdiFlush();      // keeps what the caller wrote into a DIB no DC holds
  Selected source(dib);
  Canvas target(2, 1);
  const RGBQUAD fresh[2] = {Quad(kGreen), Quad(kYellow)};
  EXPECT_EQ(SetDIBColorTable(source.dc, 0, 2, fresh), 2u);
  ASSERT_TRUE(BitBlt(target.dc, 0, 0, 2, 1, source.dc, 0, 0, SRCCOPY));
  EXPECT_EQ(target.At(0, 0), kGreen);
  EXPECT_EQ(target.At(1, 0), kYellow);
  RGBQUAD read[4]{};
  EXPECT_EQ(GetDIBColorTable(source.dc, 0, 4, read), 2u);
  EXPECT_EQ(read[1].rgbRed, 250);
  // The pixels keep their indices.
  GdiFlush();
  EXPECT_EQ(bits[0], 0x40);
  // One entry at a time; a start past the table sets nothing.
  EXPECT_EQ(SetDIBColorTable(source.dc, 1, 5, fresh), 1u);
  EXPECT_EQ(SetDIBColorTable(source.dc, 2, 1, fresh), 0u);
  ASSERT_TRUE(BitBlt(target.dc, 0, 0, 2, 1, source.dc, 0, 0, SRCCOPY));
  EXPECT_EQ(target.At(1, 0), kGreen);
}

TEST(PaletteBlit, ColorTableCallsOnOtherBitmaps) {
  BYTE* bits = nullptr;
  Selected eight(MakeDib(2, 1, 8, {kRed, kBlue}, &bits));
  RGBQUAD read[256]{};
  EXPECT_EQ(GetDIBColorTable(eight.dc, 250, 10, read), 6u);
  EXPECT_EQ(SetDIBColorTable(eight.dc, 255, 3, read), 1u);
  Selected deep(MakeDib(2, 1, 32, {}, &bits));
  Selected device(CreateBitmap(2, 1, 1, 1, nullptr));
  for (HDC dc : {deep.dc, device.dc}) {
    EXPECT_EQ(GetDIBColorTable(dc, 0, 2, read), 0u);
    EXPECT_EQ(SetDIBColorTable(dc, 0, 2, read), 0u);
  }
  EXPECT_EQ(GetDIBColorTable(nullptr, 0, 2, read), 0u);
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(GetDIBColorTable(screen, 0, 2, read), 0u);
  ReleaseDC(nullptr, screen);
}

TEST(PaletteBlit, CompatibleBitmapOfADibSectionIsADibSection) {
  BYTE* bits = nullptr;
  Selected dib(MakeDib(2, 1, 1, {kRed, kBlue}, &bits));
  Selected made(CreateCompatibleBitmap(dib.dc, 3, 2));
  DIBSECTION section{};
  ASSERT_EQ(GetObjectA(made.bitmap, sizeof section, &section), static_cast<int>(sizeof section));
  EXPECT_EQ(section.dsBmih.biBitCount, 1);
  EXPECT_EQ(section.dsBm.bmWidth, 3);
  Canvas target(1, 1);
  ASSERT_TRUE(BitBlt(target.dc, 0, 0, 1, 1, made.dc, 0, 0, SRCCOPY));
  EXPECT_EQ(target.At(0, 0), kRed);  // zero bits: entry 0 of the copied table
}

// A pattern brush of a 1-bpp bitmap takes the text colour for 0 bits and the background
// colour for 1 bits; a DIB section's bits are its pixels' table indices, whatever colours.
TEST(PaletteBlit, OneBitDibPatternBrushUsesItsIndices) {
  BYTE* bits = nullptr;
  HBITMAP dib = MakeDib(8, 1, 1, {kRed, kBlue}, &bits);
  bits[0] = 0xAA;
  HBRUSH brush = CreatePatternBrush(dib);
  Canvas target(2, 1);
  SetTextColor(target.dc, kGreen);
  SetBkColor(target.dc, kYellow);
  RECT all{0, 0, 2, 1};
  FillRect(target.dc, &all, brush);
  EXPECT_EQ(target.At(0, 0), kYellow);
  EXPECT_EQ(target.At(1, 0), kGreen);
  DeleteObject(brush);
  DeleteObject(dib);
}

// Painting stores the nearest entry too: a 4-bpp DIB with a red, green, blue table.
TEST(PaletteBlit, PaintingStoresTheNearestEntry) {
  BYTE* bits = nullptr;
  Selected dib(MakeDib(2, 1, 4, {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)}, &bits));
  EXPECT_EQ(SetPixel(dib.dc, 0, 0, RGB(30, 200, 40)), RGB(0, 255, 0));
  HBRUSH brush = CreateSolidBrush(RGB(20, 30, 220));
  RECT second{1, 0, 2, 1};
  FillRect(dib.dc, &second, brush);
  DeleteObject(brush);
  EXPECT_EQ(GetPixel(dib.dc, 1, 0), RGB(0, 0, 255));
  GdiFlush();
  EXPECT_EQ(bits[0], 0x12);
}

}  // namespace
}  // namespace platform::gdi::testing
