// Blits to and from 1-bpp DIB sections and monochrome device bitmaps, and colour tables.
// A DIB section's pixels mean its colour table's entries; only a monochrome device bitmap
// goes through the text and background colours.
#include <gtest/gtest.h>

#include <vector>

#include "tests/platform/gdi/gdi_canvas.h"

namespace platform::gdi::testing {
namespace {

constexpr RGBQUAD Quad(COLORREF c) { return {GetBValue(c), GetGValue(c), GetRValue(c), 0}; }
constexpr COLORREF kRed = RGB(200, 0, 0), kBlue = RGB(0, 0, 200), kGreen = RGB(0, 160, 0),
                   kYellow = RGB(250, 250, 0), kWhite = RGB(255, 255, 255);

// A one-row DIB section of `depth` bits, its table from `table` (the rest black), its
// first byte `first`. `bits` (if given) receives the bits.
HBITMAP MakeDib(int width, int depth, std::vector<COLORREF> table, BYTE first, BYTE** bits = nullptr) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
  } info{{sizeof(BITMAPINFOHEADER), width, -1, 1, static_cast<WORD>(depth), BI_RGB, 0, 0, 0, 0, 0}, {}};
  for (std::size_t i = 0; i < table.size(); ++i) info.colors[i] = Quad(table[i]);
  void* memory = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &memory, nullptr, 0);
  static_cast<BYTE*>(memory)[0] = first;  // no DC holds it yet: the caller may write
  if (bits != nullptr) *bits = static_cast<BYTE*>(memory);
  return bitmap;
}

// A memory DC holding `bitmap` for the length of a test.
struct Selected {
  explicit Selected(HBITMAP bitmap) : bitmap(bitmap), dc(CreateCompatibleDC(nullptr)), old(SelectObject(dc, bitmap)) {}
  ~Selected() {
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
  HBITMAP bitmap;
  HDC dc;
  HGDIOBJ old;
};

// Pixels 1, 0, 1, 0 blitted and stretched 2:1 onto 32 bpp whose text colour is green and
// background yellow: a DIB section shows its table, a monochrome device bitmap (made
// either way) the destination's colours.
TEST(PaletteBlit, OneBitSourcesToColour) {
  const BYTE mono_bits[2] = {0xA0, 0};
  HDC fresh = CreateCompatibleDC(nullptr);  // holds the stock 1 x 1 monochrome bitmap
  HBITMAP compatible = CreateCompatibleBitmap(fresh, 4, 1);
  HGDIOBJ stock = SelectObject(fresh, compatible);
  for (int x : {0, 2}) SetPixel(fresh, x, 0, kWhite);
  SelectObject(fresh, stock);
  DeleteDC(fresh);
  const struct {
    HBITMAP bitmap;
    COLORREF zero, one;
  } rows[] = {{MakeDib(4, 1, {kRed, kBlue}, 0xA0), kRed, kBlue},
              {CreateBitmap(4, 1, 1, 1, mono_bits), kGreen, kYellow},
              {compatible, kGreen, kYellow}};
  for (const auto& row : rows) {
    SCOPED_TRACE(&row - rows);
    Selected source(row.bitmap);
    Canvas target(8, 1);
    SetTextColor(target.dc, kGreen);
    SetBkColor(target.dc, kYellow);
    ASSERT_TRUE(BitBlt(target.dc, 0, 0, 4, 1, source.dc, 0, 0, SRCCOPY));
    ASSERT_TRUE(StretchBlt(target.dc, 4, 0, 4, 1, source.dc, 0, 0, 2, 1, SRCCOPY));
    const COLORREF expected[8] = {row.one, row.zero, row.one, row.zero, row.one, row.one, row.zero, row.zero};
    for (int x = 0; x < 8; ++x) EXPECT_EQ(target.At(x, 0), expected[x]) << x;
  }
}

// Onto a 1-bpp DIB section {red, blue}: the nearest entry, whatever the source's background
// colour. Onto a monochrome device bitmap: the source's background colour is 1, all else 0.
// A monochrome source onto the DIB: text colour (blue) for 0, background (red) for 1.
TEST(PaletteBlit, OneBitDestinations) {
  const COLORREF colours[4] = {RGB(250, 10, 10), RGB(10, 10, 250), RGB(120, 0, 110), RGB(100, 0, 130)};
  const BYTE mono_bits[2] = {0xA0, 0};
  for (int row = 0; row < 3; ++row) {
    SCOPED_TRACE(row);
    BYTE* bits = nullptr;
    Selected target(row == 1 ? CreateBitmap(4, 1, 1, 1, nullptr) : MakeDib(4, 1, {RGB(255, 0, 0), RGB(0, 0, 255)}, 0, &bits));
    Canvas colour(4, 1);
    for (int x = 0; x < 4; ++x) SetPixel(colour.dc, x, 0, colours[x]);
    SetBkColor(colour.dc, colours[2]);
    Selected mono(CreateBitmap(4, 1, 1, 1, mono_bits));
    SetTextColor(target.dc, RGB(0, 0, 255));
    SetBkColor(target.dc, RGB(255, 0, 0));
    ASSERT_TRUE(BitBlt(target.dc, 0, 0, 4, 1, row == 2 ? mono.dc : colour.dc, 0, 0, SRCCOPY));
    const BYTE expected = row == 1 ? 0x20 : 0x50;
    for (int x = 0; x < 4; ++x) {
      const bool one = (expected >> (7 - x)) & 1;
      EXPECT_EQ(GetPixel(target.dc, x, 0), row == 1 ? (one ? kWhite : 0) : (one ? RGB(0, 0, 255) : RGB(255, 0, 0))) << x;
    }
    GdiFlush();
    if (bits != nullptr) {
      EXPECT_EQ(bits[0], expected);
    }
  }
}

TEST(PaletteBlit, ColorTablesChangeLaterBlitsNotTheIndices) {
  BYTE* bits = nullptr;
  HBITMAP dib = MakeDib(2, 1, {kRed, kBlue}, 0x40, &bits);  // entries 0, 1
  GdiFlush();  // keeps what the caller wrote into a DIB no DC holds
  Selected source(dib);
  Canvas target(2, 1);
  const RGBQUAD fresh[2] = {Quad(kGreen), Quad(kYellow)};
  EXPECT_EQ(SetDIBColorTable(source.dc, 0, 2, fresh), 2u);
  ASSERT_TRUE(BitBlt(target.dc, 0, 0, 2, 1, source.dc, 0, 0, SRCCOPY));
  EXPECT_EQ(target.At(0, 0), kGreen);
  EXPECT_EQ(target.At(1, 0), kYellow);
  RGBQUAD read[256]{};
  EXPECT_EQ(GetDIBColorTable(source.dc, 0, 4, read), 2u);
  EXPECT_EQ(read[1].rgbRed, 250);
  GdiFlush();
  EXPECT_EQ(bits[0], 0x40);
  // Counts are cut to the table; a start past it, deeper DIBs and device bitmaps give 0.
  EXPECT_EQ(SetDIBColorTable(source.dc, 1, 5, fresh), 1u);
  EXPECT_EQ(SetDIBColorTable(source.dc, 2, 1, fresh), 0u);
  ASSERT_TRUE(BitBlt(target.dc, 0, 0, 2, 1, source.dc, 0, 0, SRCCOPY));
  EXPECT_EQ(target.At(1, 0), kGreen);
  Selected eight(MakeDib(2, 8, {}, 0));
  EXPECT_EQ(GetDIBColorTable(eight.dc, 250, 10, read), 6u);
  EXPECT_EQ(SetDIBColorTable(eight.dc, 255, 3, read), 1u);
  Selected deep(MakeDib(2, 32, {}, 0));
  Selected device(CreateBitmap(2, 1, 1, 1, nullptr));
  for (HDC dc : {deep.dc, device.dc, HDC{}}) {
    EXPECT_EQ(GetDIBColorTable(dc, 0, 2, read), 0u);
    EXPECT_EQ(SetDIBColorTable(dc, 0, 2, read), 0u);
  }
}

TEST(PaletteBlit, CompatibleBitmapOfADibSectionIsADibSection) {
  Selected dib(MakeDib(2, 1, {kRed, kBlue}, 0));
  Selected made(CreateCompatibleBitmap(dib.dc, 3, 2));
  DIBSECTION section{};
  ASSERT_EQ(GetObjectA(made.bitmap, sizeof section, &section), static_cast<int>(sizeof section));
  EXPECT_EQ(section.dsBmih.biBitCount, 1);
  EXPECT_EQ(section.dsBm.bmWidth, 3);
  Canvas target(1, 1);
  ASSERT_TRUE(BitBlt(target.dc, 0, 0, 1, 1, made.dc, 0, 0, SRCCOPY));
  EXPECT_EQ(target.At(0, 0), kRed);  // zero bits: entry 0 of the copied table
}

// A 1-bpp pattern brush paints 0 bits in the text colour and 1 bits in the background
// colour; a DIB section's bits are its pixels' table indices, whatever the colours.
TEST(PaletteBlit, OneBitDibPatternBrushUsesItsIndices) {
  HBITMAP dib = MakeDib(8, 1, {kRed, kBlue}, 0xAA);
  HBRUSH brush = CreatePatternBrush(dib);
  Canvas target(2, 1);
  SetTextColor(target.dc, kGreen);
  SetBkColor(target.dc, kYellow);
  const RECT all{0, 0, 2, 1};
  FillRect(target.dc, &all, brush);
  EXPECT_EQ(target.At(0, 0), kYellow);
  EXPECT_EQ(target.At(1, 0), kGreen);
  DeleteObject(brush);
  DeleteObject(dib);
}

// Painting stores the nearest entry too: a 4-bpp DIB with a red, green, blue table.
TEST(PaletteBlit, PaintingStoresTheNearestEntry) {
  BYTE* bits = nullptr;
  Selected dib(MakeDib(2, 4, {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)}, 0, &bits));
  EXPECT_EQ(SetPixel(dib.dc, 0, 0, RGB(30, 200, 40)), RGB(0, 255, 0));
  HBRUSH brush = CreateSolidBrush(RGB(20, 30, 220));
  const RECT second{1, 0, 2, 1};
  FillRect(dib.dc, &second, brush);
  DeleteObject(brush);
  EXPECT_EQ(GetPixel(dib.dc, 1, 0), RGB(0, 0, 255));
  GdiFlush();
  EXPECT_EQ(bits[0], 0x12);
}

// GetDIBits of a DIB section in its own depth hands back its colour table and its
// indices; in another palette depth, the standard table and the nearest entries.
TEST(PaletteBlit, GetDIBitsGivesASectionItsOwnTable) {
  HBITMAP bitmap = MakeDib(8, 4, {kRed, kBlue, kGreen, kYellow}, 0x21);  // green, blue, ...
  HDC screen = GetDC(nullptr);
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
  } info{{sizeof(BITMAPINFOHEADER), 0, -1, 1, 4, BI_RGB, 0, 0, 0, 0, 0}, {}};
  BYTE bits[4] = {};
  ASSERT_EQ(GetDIBits(screen, bitmap, 0, 1, bits, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS), 1);
  EXPECT_EQ(bits[0], 0x21);
  const COLORREF expected[] = {kRed, kBlue, kGreen, kYellow, 0};
  for (int i = 0; i < 5; ++i) {
    const RGBQUAD q = info.colors[i];
    EXPECT_EQ(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue), expected[i]) << i;
  }
  info.header.biBitCount = 1;  // black and white: green and blue are nearer black
  ASSERT_EQ(GetDIBits(screen, bitmap, 0, 1, bits, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS), 1);
  EXPECT_EQ(info.colors[1].rgbRed, 255);
  EXPECT_EQ(bits[0] & 0xC0, 0);
  ReleaseDC(nullptr, screen);
  DeleteObject(bitmap);
}

}  // namespace
}  // namespace platform::gdi::testing
