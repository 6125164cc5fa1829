// GDI objects: handles, selection, deletion, stock objects, GetObject, and failing calls.
#include <gtest/gtest.h>

#include "platform/gdi/gdi_object.h"
#include "tests/platform/gdi/gdi_canvas.h"

namespace platform::gdi::testing {
namespace {

class Objects : public ::testing::Test {
 protected:
  void SetUp() override {
    GetStockObject(WHITE_BRUSH);  // stock objects exist before counting starts
    GetSysColorBrush(COLOR_BTNFACE);
    start_ = LiveObjectCount();
  }
  void TearDown() override { EXPECT_EQ(LiveObjectCount(), start_) << "a GDI object leaked"; }
  int start_ = 0;
};

TEST_F(Objects, SelectObjectReturnsThePreviousObject) {
  HDC dc = CreateCompatibleDC(nullptr);
  HPEN pen = CreatePen(PS_DOT, 1, RGB(1, 2, 3));
  EXPECT_EQ(SelectObject(dc, pen), GetStockObject(BLACK_PEN));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
  EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), pen);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
  EXPECT_TRUE(DeleteObject(pen));
  EXPECT_TRUE(DeleteDC(dc));
}

TEST_F(Objects, DeadAndMadeUpHandlesFail) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  ASSERT_TRUE(DeleteObject(brush));
  HBRUSH reused = CreateSolidBrush(RGB(4, 5, 6));  // may take the dead handle's slot
  SetLastError(0);
  EXPECT_EQ(SelectObject(dc, brush), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_FALSE(DeleteObject(brush));
  EXPECT_EQ(GetObjectType(brush), 0u);
  const HGDIOBJ made_up[] = {reinterpret_cast<HGDIOBJ>(0x1234), reinterpret_cast<HGDIOBJ>(&dc), nullptr};
  for (HGDIOBJ handle : made_up) {
    EXPECT_EQ(SelectObject(dc, handle), nullptr);
    EXPECT_FALSE(DeleteObject(handle));
    EXPECT_EQ(GetObjectW(handle, 0, nullptr), 0);
  }
  EXPECT_EQ(GetObjectType(reused), OBJ_BRUSH);
  DeleteObject(reused);
  DeleteDC(dc);
  EXPECT_FALSE(DeleteDC(dc));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), nullptr);
}

TEST_F(Objects, StockObjectsSurviveDeleteObject) {
  for (int index : {WHITE_BRUSH, NULL_BRUSH, BLACK_PEN, NULL_PEN, DC_BRUSH}) {
    HGDIOBJ stock = GetStockObject(index);
    ASSERT_NE(stock, nullptr);
    EXPECT_TRUE(DeleteObject(stock));
    EXPECT_EQ(GetStockObject(index), stock);
    EXPECT_NE(GetObjectType(stock), 0u);
  }
  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  EXPECT_TRUE(DeleteObject(face));
  EXPECT_EQ(GetObjectType(face), OBJ_BRUSH);
  EXPECT_EQ(GetStockObject(9), nullptr);
  EXPECT_EQ(GetStockObject(-1), nullptr);
}

TEST_F(Objects, BitmapSelectedInOneDcOnly) {
  HDC a = CreateCompatibleDC(nullptr);
  HDC b = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(a, 4, 4);  // a holds 1 x 1 monochrome: so is this
  BITMAP info{};
  ASSERT_EQ(GetObjectW(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
  EXPECT_EQ(info.bmBitsPixel, 1);
  HGDIOBJ first = SelectObject(a, bitmap);
  EXPECT_EQ(GetObjectType(first), OBJ_BITMAP);
  EXPECT_EQ(SelectObject(b, bitmap), nullptr);
  EXPECT_FALSE(DeleteObject(bitmap));  // selected bitmaps stay
  SelectObject(a, first);
  EXPECT_EQ(SelectObject(b, bitmap), first);
  SelectObject(b, first);
  EXPECT_TRUE(DeleteObject(bitmap));
  DeleteDC(a);
  DeleteDC(b);
}

TEST_F(Objects, DeletingASelectedPenWaitsForItsDeselection) {
  HDC dc = CreateCompatibleDC(nullptr);
  HPEN pen = CreatePen(PS_SOLID, 3, RGB(9, 9, 9));
  SelectObject(dc, pen);
  EXPECT_TRUE(DeleteObject(pen));
  EXPECT_EQ(GetObjectType(pen), OBJ_PEN);  // still in use
  SelectObject(dc, GetStockObject(BLACK_PEN));
  EXPECT_EQ(GetObjectType(pen), 0u);
  HBRUSH brush = CreateSolidBrush(0);
  SelectObject(dc, brush);
  DeleteObject(brush);
  DeleteDC(dc);  // lets go of the brush, which goes with it
  EXPECT_EQ(GetObjectType(brush), 0u);
}

TEST_F(Objects, GetObjectDescribesPensBrushesBitmaps) {
  HPEN pen = CreatePen(PS_DASH, 1, RGB(10, 20, 30));
  LOGPEN lp{};
  EXPECT_EQ(GetObjectW(pen, 0, nullptr), static_cast<int>(sizeof(LOGPEN)));
  ASSERT_EQ(GetObjectW(pen, sizeof lp, &lp), static_cast<int>(sizeof lp));
  EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_DASH));
  EXPECT_EQ(lp.lopnWidth.x, 1);
  EXPECT_EQ(lp.lopnColor, RGB(10, 20, 30));
  EXPECT_EQ(GetObjectW(pen, 3, &lp), 0);
  HBRUSH hatch = CreateHatchBrush(HS_DIAGCROSS, RGB(1, 1, 1));
  LOGBRUSH lb{};
  ASSERT_EQ(GetObjectA(hatch, sizeof lb, &lb), static_cast<int>(sizeof lb));
  EXPECT_EQ(lb.lbStyle, BS_HATCHED);
  EXPECT_EQ(lb.lbHatch, static_cast<ULONG_PTR>(HS_DIAGCROSS));
  Canvas canvas(5, 3);
  DIBSECTION ds{};
  ASSERT_EQ(GetObjectW(canvas.bitmap, sizeof ds, &ds), static_cast<int>(sizeof ds));
  EXPECT_EQ(ds.dsBm.bmWidth, 5);
  EXPECT_EQ(ds.dsBm.bmHeight, 3);
  EXPECT_EQ(ds.dsBm.bmWidthBytes, 20);
  EXPECT_EQ(ds.dsBm.bmBits, canvas.bits);
  EXPECT_EQ(ds.dsBmih.biHeight, -3);
  DeleteObject(pen);
  DeleteObject(hatch);
}

TEST_F(Objects, BadSizesFailWithWindowsErrors) {
  HDC dc = CreateCompatibleDC(nullptr);
  SetLastError(0);
  EXPECT_EQ(CreateCompatibleBitmap(dc, 100000, 100000), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_EQ(CreateBitmap(-4, 4, 1, 32, nullptr), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(CreateCompatibleBitmap(nullptr, 4, 4), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 100000, -100000, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = &info;
  EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
  EXPECT_EQ(bits, nullptr);
  info.bmiHeader.biWidth = -3;
  EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(CreateDIBSection(nullptr, nullptr, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
  EXPECT_EQ(CreateHatchBrush(17, 0), nullptr);
  // Zero sizes give the stock 1 x 1 monochrome bitmap.
  HBITMAP empty = CreateCompatibleBitmap(dc, 0, 5);
  BITMAP bm{};
  GetObjectW(empty, sizeof bm, &bm);
  EXPECT_EQ(bm.bmWidth, 1);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  // Calls on a null DC fail and touch nothing.
  RECT r{0, 0, 5, 5};
  EXPECT_EQ(FillRect(nullptr, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 0);
  EXPECT_FALSE(BitBlt(nullptr, 0, 0, 1, 1, dc, 0, 0, SRCCOPY));
  EXPECT_FALSE(BitBlt(dc, 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
  EXPECT_EQ(GetPixel(nullptr, 0, 0), CLR_INVALID);
  EXPECT_EQ(SetBkColor(nullptr, 0), CLR_INVALID);
  EXPECT_EQ(SetROP2(dc, 17), 0);
  EXPECT_EQ(SetBkMode(dc, 3), 0);
  EXPECT_EQ(GetDeviceCaps(nullptr, LOGPIXELSX), 0);
  DeleteDC(dc);
}

TEST_F(Objects, SaveAndRestoreDc) {
  Canvas canvas(2, 2);
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  EXPECT_EQ(SaveDC(canvas.dc), 1);
  SelectObject(canvas.dc, pen);
  SetBkColor(canvas.dc, RGB(1, 2, 3));
  IntersectClipRect(canvas.dc, 0, 0, 1, 1);
  EXPECT_EQ(SaveDC(canvas.dc), 2);
  SetROP2(canvas.dc, R2_XORPEN);
  EXPECT_TRUE(RestoreDC(canvas.dc, -1));  // back to level 1 as saved second
  EXPECT_EQ(GetROP2(canvas.dc), R2_COPYPEN);
  EXPECT_EQ(GetBkColor(canvas.dc), RGB(1, 2, 3));
  EXPECT_EQ(GetPixel(canvas.dc, 1, 1), CLR_INVALID);  // still clipped
  EXPECT_TRUE(RestoreDC(canvas.dc, 1));
  EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_PEN), GetStockObject(BLACK_PEN));
  EXPECT_EQ(GetBkColor(canvas.dc), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(canvas.dc, 1, 1), RGB(255, 255, 255));
  EXPECT_EQ(GetCurrentObject(canvas.dc, OBJ_BITMAP), canvas.bitmap);
  EXPECT_FALSE(RestoreDC(canvas.dc, 1));  // nothing saved any more
  EXPECT_FALSE(RestoreDC(canvas.dc, 0));
  EXPECT_TRUE(DeleteObject(pen));
}

TEST_F(Objects, ScreenDcAndDeviceCaps) {
  HDC screen = GetDC(nullptr);
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSX), 96);
  EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), 96);
  EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 32);
  EXPECT_EQ(GetDeviceCaps(screen, PLANES), 1);
  EXPECT_EQ(GetDeviceCaps(screen, TECHNOLOGY), DT_RASDISPLAY);
  EXPECT_GT(GetDeviceCaps(screen, HORZRES), 0);
  EXPECT_TRUE(GetDeviceCaps(screen, RASTERCAPS) & RC_STRETCHBLT);
  HBITMAP colour = CreateCompatibleBitmap(screen, 2, 2);
  BITMAP bm{};
  GetObjectW(colour, sizeof bm, &bm);
  EXPECT_EQ(bm.bmBitsPixel, 32);
  DeleteObject(colour);
  EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
  EXPECT_EQ(ReleaseDC(nullptr, screen), 0);
}

struct MulDivRow {
  int number, numerator, denominator, expected;
};

TEST(MulDiv, RoundsHalfAwayFromZeroAndFailsWithMinusOne) {
  const MulDivRow rows[] = {
      {8, 96, 72, 11},  {-8, 96, 72, -11}, {1, 1, 2, 1},    {-1, 1, 2, -1}, {1, 1, -2, -1},
      {7, 3, 2, 11},    {5, 0, 3, 0},      {1, 1, 0, -1},   {0x7FFFFFFF, 2, 1, -1},
      {0x40000000, 4, 2, -1}, {0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF},
  };
  for (const MulDivRow& row : rows) {
    EXPECT_EQ(MulDiv(row.number, row.numerator, row.denominator), row.expected)
        << row.number << " * " << row.numerator << " / " << row.denominator;
  }
}

}  // namespace
}  // namespace platform::gdi::testing
