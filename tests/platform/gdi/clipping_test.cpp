// Clipping cuts every primitive; regions combine like sets of pixels.
#include <gtest/gtest.h>

#include <random>

#include "platform/gdi/region.h"
#include "tests/platform/gdi/gdi_canvas.h"

namespace platform::gdi::testing {
namespace {

TEST(Clipping, CutsFillRectBitBltAndSetPixel) {
  Canvas canvas(6, 3);
  EXPECT_EQ(IntersectClipRect(canvas.dc, 1, 0, 5, 3), SIMPLEREGION);
  EXPECT_EQ(ExcludeClipRect(canvas.dc, 2, 1, 4, 2), COMPLEXREGION);
  RECT all{0, 0, 6, 3};
  FillRect(canvas.dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(canvas.Row(0), ".####.");
  EXPECT_EQ(canvas.Row(1), ".#..#.");
  EXPECT_EQ(canvas.Row(2), ".####.");
  RECT box{};
  EXPECT_EQ(GetClipBox(canvas.dc, &box), COMPLEXREGION);
  EXPECT_EQ(box.left, 1);
  EXPECT_EQ(box.right, 5);

  Canvas black(6, 3, RGB(0, 0, 0));
  canvas.Clear(RGB(255, 255, 255));
  ASSERT_TRUE(BitBlt(canvas.dc, 0, 0, 6, 3, black.dc, 0, 0, SRCCOPY));
  EXPECT_EQ(canvas.Row(1), ".#..#.");

  canvas.Clear(RGB(255, 255, 255));
  EXPECT_EQ(SetPixel(canvas.dc, 2, 1, RGB(0, 0, 0)), CLR_INVALID);
  EXPECT_EQ(SetPixel(canvas.dc, 0, 0, RGB(0, 0, 0)), CLR_INVALID);
  EXPECT_EQ(SetPixel(canvas.dc, 1, 1, RGB(0, 0, 0)), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(canvas.dc, 2, 1), CLR_INVALID);
  EXPECT_EQ(canvas.Row(1), ".#....");

  // A selected region is copied; NULL removes the clip.
  HRGN region = CreateRectRgn(0, 0, 1, 1);
  EXPECT_EQ(SelectClipRgn(canvas.dc, region), SIMPLEREGION);
  SetRectRgn(region, 0, 0, 6, 3);
  EXPECT_EQ(GetPixel(canvas.dc, 3, 2), CLR_INVALID);
  EXPECT_EQ(SelectObject(canvas.dc, nullptr), nullptr);
  EXPECT_EQ(SelectClipRgn(canvas.dc, nullptr), SIMPLEREGION);
  EXPECT_EQ(GetPixel(canvas.dc, 3, 2), RGB(255, 255, 255));
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(SelectObject(canvas.dc, region)), SIMPLEREGION);
  DeleteObject(region);
  EXPECT_EQ(GetPixel(canvas.dc, 5, 2), RGB(255, 255, 255));
}

TEST(Clipping, OutsideTheSurfaceNothingIsTouched) {
  Canvas canvas(3, 3);
  RECT huge{-1000000000, -1000000000, 1000000000, 1000000000};
  EXPECT_EQ(FillRect(canvas.dc, &huge, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 1);
  EXPECT_EQ(canvas.Row(1), "###");
  EXPECT_EQ(GetPixel(canvas.dc, 3, 0), CLR_INVALID);
  EXPECT_EQ(GetPixel(canvas.dc, -1, 0), CLR_INVALID);
  EXPECT_TRUE(PatBlt(canvas.dc, 0x7FFFFFF0, 0, 0x7FFFFFF, 3, WHITENESS));
  EXPECT_TRUE(StretchBlt(canvas.dc, 0, 0, 3, 3, canvas.dc, -5, -5, 1000000, 2, SRCCOPY));
}

struct CombineRow {
  int mode;
  int expected_kind;
  RECT expected_box;
};

TEST(Regions, CombineModes) {
  const CombineRow rows[] = {
      {RGN_AND, SIMPLEREGION, {2, 2, 4, 4}},  {RGN_OR, COMPLEXREGION, {0, 0, 6, 6}},
      {RGN_XOR, COMPLEXREGION, {0, 0, 6, 6}}, {RGN_DIFF, COMPLEXREGION, {0, 0, 4, 4}},
      {RGN_COPY, SIMPLEREGION, {0, 0, 4, 4}},
  };
  HRGN a = CreateRectRgn(0, 0, 4, 4);
  HRGN b = CreateRectRgn(2, 2, 6, 6);
  HRGN out = CreateRectRgn(0, 0, 0, 0);
  for (const CombineRow& row : rows) {
    EXPECT_EQ(CombineRgn(out, a, b, row.mode), row.expected_kind) << row.mode;
    RECT box{};
    GetRgnBox(out, &box);
    EXPECT_TRUE(EqualRect(&box, &row.expected_box)) << row.mode;
  }
  EXPECT_EQ(CombineRgn(out, a, a, RGN_DIFF), NULLREGION);
  EXPECT_EQ(CombineRgn(out, a, nullptr, RGN_AND), ERROR);
  EXPECT_FALSE(PtInRegion(a, 4, 0));
  EXPECT_TRUE(PtInRegion(a, 3, 3));
  for (HRGN r : {a, b, out}) DeleteObject(r);
}

// CombineRects against a pixel-set reference on random rectangles (fixed seed).
TEST(Regions, CombineMatchesPixelReference) {
  std::mt19937 random(20240601);
  std::uniform_int_distribution<int> coordinate(0, 15);
  auto random_list = [&] {
    RectList list;
    const int n = 1 + static_cast<int>(random() % 3);
    for (int i = 0; i < n; ++i) {
      int x0 = coordinate(random), x1 = coordinate(random), y0 = coordinate(random), y1 = coordinate(random);
      list = CombineRects(list, RectsOf({std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)}), RGN_OR);
    }
    return list;
  };
  auto contains = [](const RectList& list, int x, int y) {
    int hits = 0;
    for (const RECT& r : list) hits += x >= r.left && x < r.right && y >= r.top && y < r.bottom;
    return hits;
  };
  for (int round = 0; round < 300; ++round) {
    const RectList a = random_list(), b = random_list();
    const int mode = RGN_AND + round % 4;
    const RectList result = CombineRects(a, b, mode);
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        const bool in_a = contains(a, x, y), in_b = contains(b, x, y);
        const bool want = mode == RGN_AND ? in_a && in_b
                          : mode == RGN_OR ? in_a || in_b
                          : mode == RGN_XOR ? in_a != in_b
                                            : in_a && !in_b;
        ASSERT_EQ(contains(result, x, y), want ? 1 : 0) << "round " << round << " at " << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace platform::gdi::testing
