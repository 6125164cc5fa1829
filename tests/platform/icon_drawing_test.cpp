// Icons as bitmaps and on DCs: CreateIconIndirect, GetIconInfo, DrawIconEx and DrawIcon,
// with the program's icon "#200" at the sizes its windows show.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/gdi/gdi_object.h"
#include "platform/user/icon_object.h"
#include "platform/win32.h"
#include "tests/platform/gdi/gdi_canvas.h"
#include "tests/platform/gdi/golden.h"

namespace {

using platform::gdi::testing::Canvas;

constexpr COLORREF kFace = RGB(212, 208, 200);

class IconDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    GetStockObject(WHITE_BRUSH);  // made on first use: not a leak
    GetSysColorBrush(COLOR_BTNFACE);
    objects_before_ = platform::gdi::LiveObjectCount();
    icons_before_ = platform::LiveIconCount();
  }
  void TearDown() override {
    EXPECT_EQ(platform::gdi::LiveObjectCount(), objects_before_) << "a GDI object leaked";
    EXPECT_EQ(platform::LiveIconCount(), icons_before_) << "an icon leaked";
  }
  int objects_before_ = 0;
  int icons_before_ = 0;
};

HICON Icon200(int side) {
  return static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), u"#200", IMAGE_ICON, side, side, 0));
}

BITMAP BitmapOf(HBITMAP bitmap) {
  BITMAP bm{};
  EXPECT_EQ(GetObjectW(bitmap, sizeof bm, &bm), static_cast<int>(sizeof bm));
  return bm;
}

// A bottom-up 32-bpp DIB section holding `argb` (top-down rows) with its alpha.
HBITMAP ArgbBitmap(int width, int height, const std::vector<std::uint32_t>& argb) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* rows = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) rows[(height - 1 - y) * width + x] = argb[y * width + x];
  }
  return bitmap;
}

// The pixels of a 32-bpp DIB section as stored, top-down, alpha included.
std::vector<std::uint32_t> ArgbOf(HBITMAP bitmap) {
  DIBSECTION ds{};
  if (GetObjectW(bitmap, sizeof ds, &ds) != static_cast<int>(sizeof ds) ||
      ds.dsBm.bmBits == nullptr || ds.dsBm.bmBitsPixel != 32) {
    return {};
  }
  const auto* rows = static_cast<const std::uint32_t*>(ds.dsBm.bmBits);
  const int w = ds.dsBm.bmWidth, h = ds.dsBm.bmHeight;
  const bool top_down = ds.dsBmih.biHeight < 0;
  std::vector<std::uint32_t> argb;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) argb.push_back(rows[(top_down ? y : h - 1 - y) * w + x]);
  }
  return argb;
}

// A monochrome bitmap from rows of '1' (white) and '0'.
HBITMAP MaskBitmap(const std::vector<const char*>& rows) {
  const int width = static_cast<int>(std::char_traits<char>::length(rows[0]));
  std::vector<BYTE> bits(rows.size() * 2, 0);  // WORD-aligned rows of up to 16 pixels
  for (std::size_t y = 0; y < rows.size(); ++y) {
    for (int x = 0; x < width; ++x) {
      if (rows[y][x] == '1') bits[y * 2 + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
    }
  }
  return CreateBitmap(width, static_cast<int>(rows.size()), 1, 1, bits.data());
}

// The rows of a monochrome bitmap as '1' and '0'.
std::vector<std::string> MaskRows(HBITMAP mask) {
  const BITMAP bm = BitmapOf(mask);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, mask);
  std::vector<std::string> rows(bm.bmHeight);
  for (int y = 0; y < bm.bmHeight; ++y) {
    for (int x = 0; x < bm.bmWidth; ++x)
      rows[y] += GetPixel(dc, x, y) == RGB(255, 255, 255) ? '1' : '0';
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  return rows;
}

void DeleteInfo(const ICONINFO& info) {
  if (info.hbmColor != nullptr) {
    EXPECT_TRUE(DeleteObject(info.hbmColor));
  }
  EXPECT_TRUE(DeleteObject(info.hbmMask));
}

// The icon an ARGB image and a mask make.
HICON MakeIcon(int width, int height, const std::vector<std::uint32_t>& argb,
               const std::vector<const char*>& mask, BOOL is_icon = TRUE) {
  ICONINFO info{is_icon, 1, 0, MaskBitmap(mask), ArgbBitmap(width, height, argb)};
  HICON icon = CreateIconIndirect(&info);
  DeleteInfo(info);
  return icon;
}

// Straight alpha over an opaque background, rounded: the slow way.
COLORREF Over(std::uint32_t argb, COLORREF under) {
  const double a = (argb >> 24) / 255.0;
  auto mix = [&](int over, int back) { return static_cast<int>(over * a + back * (1 - a) + 0.5); };
  return RGB(mix((argb >> 16) & 0xFF, GetRValue(under)), mix((argb >> 8) & 0xFF, GetGValue(under)),
             mix(argb & 0xFF, GetBValue(under)));
}

TEST_F(IconDrawing, TheProgramIconAtWindowSizesHasBitmapsOfThatSize) {
  for (int side : {32, 16}) {
    HICON icon = Icon200(side);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info)) << side;
    EXPECT_TRUE(info.fIcon);
    EXPECT_EQ(info.xHotspot, static_cast<DWORD>(side / 2));
    const BITMAP color = BitmapOf(info.hbmColor);
    const BITMAP mask = BitmapOf(info.hbmMask);
    EXPECT_EQ(color.bmWidth, side);
    EXPECT_EQ(color.bmHeight, side);
    EXPECT_EQ(color.bmBitsPixel, 32);
    EXPECT_EQ(mask.bmWidth, side);
    EXPECT_EQ(mask.bmHeight, side);
    EXPECT_EQ(mask.bmBitsPixel, 1);
    DeleteInfo(info);
    DestroyIcon(icon);
  }
}

TEST_F(IconDrawing, TheProgramIconIsBlendedWithItsAlpha) {
  for (int side : {32, 16}) {
    HICON icon = Icon200(side);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    const std::vector<std::uint32_t> argb = ArgbOf(info.hbmColor);
    ASSERT_EQ(argb.size(), static_cast<std::size_t>(side * side));
    DeleteInfo(info);

    Canvas canvas(side + 4, side + 4, kFace);
    ASSERT_TRUE(DrawIconEx(canvas.dc, 2, 2, icon, 0, 0, 0, nullptr, DI_NORMAL));
    int half_alpha = 0;
    for (int y = 0; y < canvas.height; ++y) {
      for (int x = 0; x < canvas.width; ++x) {
        const bool inside = x >= 2 && y >= 2 && x < side + 2 && y < side + 2;
        const std::uint32_t p = inside ? argb[(y - 2) * side + x - 2] : 0;
        const COLORREF expected = Over(p, kFace);
        const COLORREF got = canvas.At(x, y);
        ASSERT_LE(std::abs(GetRValue(got) - GetRValue(expected)), 1)
            << side << " " << x << "," << y;
        ASSERT_LE(std::abs(GetGValue(got) - GetGValue(expected)), 1)
            << side << " " << x << "," << y;
        ASSERT_LE(std::abs(GetBValue(got) - GetBValue(expected)), 1)
            << side << " " << x << "," << y;
        if ((p >> 24) >= 64 && (p >> 24) <= 192 && got != kFace && got != Over(p | 0xFF000000, 0)) {
          ++half_alpha;  // neither the background nor the icon's own colour: blended
        }
      }
    }
    EXPECT_GT(half_alpha, 0) << side;  // the soft shadow and the edges
    DestroyIcon(icon);
  }
}

TEST_F(IconDrawing, TheProgramIconLooksRightOnTheClassicFaceAndOnWhite) {
  Canvas canvas(100, 36, kFace);
  const RECT white{50, 0, 100, 36};
  FillRect(canvas.dc, &white, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  HICON big = Icon200(32);
  HICON small = Icon200(16);
  for (int left : {0, 50}) {
    DrawIconEx(canvas.dc, left + 2, 2, big, 0, 0, 0, nullptr, DI_NORMAL);
    DrawIconEx(canvas.dc, left + 36, 2, small, 0, 0, 0, nullptr, DI_NORMAL);
  }
  EXPECT_TRUE(platform::gdi::testing::MatchesGolden(canvas.dc, "icon_200"));
  DestroyIcon(big);
  DestroyIcon(small);
}

TEST_F(IconDrawing, CreateIconIndirectAndGetIconInfoRoundTrip) {
  const std::vector<std::uint32_t> argb = {0xFFFF0000, 0x8000FF00, 0x00000000,
                                           0x400000FF, 0xFFFFFFFF, 0x00123456};
  HICON cursor = MakeIcon(3, 2, argb, {"001", "001"}, FALSE);
  ASSERT_NE(cursor, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(cursor, &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 1u);
  EXPECT_EQ(info.yHotspot, 0u);
  EXPECT_EQ(ArgbOf(info.hbmColor), argb);
  EXPECT_EQ(MaskRows(info.hbmMask), (std::vector<std::string>{"001", "001"}));
  DeleteInfo(info);
  // The bitmaps are copies: the icon made from them again is the same icon.
  ASSERT_TRUE(GetIconInfo(cursor, &info));
  HICON again = CreateIconIndirect(&info);
  DeleteInfo(info);
  ASSERT_TRUE(GetIconInfo(again, &info));
  EXPECT_EQ(ArgbOf(info.hbmColor), argb);
  DeleteInfo(info);
  DestroyIcon(again);
  DestroyIcon(cursor);
}

TEST_F(IconDrawing, AMonochromeIconKeepsItsDoubleMask) {
  // AND rows over XOR rows: transparent, black, white, inverted.
  const std::vector<const char*> rows = {"1001", "1001", "0011", "0011"};
  ICONINFO in{TRUE, 0, 0, MaskBitmap(rows), nullptr};
  HICON icon = CreateIconIndirect(&in);
  DeleteInfo(in);
  ASSERT_NE(icon, nullptr);
  ICONINFO out{};
  ASSERT_TRUE(GetIconInfo(icon, &out));
  EXPECT_EQ(out.hbmColor, nullptr);
  EXPECT_EQ(MaskRows(out.hbmMask), (std::vector<std::string>{"1001", "1001", "0011", "0011"}));
  DeleteInfo(out);

  Canvas canvas(4, 2, RGB(0x80, 0x40, 0x20));
  EXPECT_TRUE(DrawIconEx(canvas.dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(canvas.At(0, 0), RGB(0x80, 0x40, 0x20));
  EXPECT_EQ(canvas.At(1, 0), RGB(0, 0, 0));
  EXPECT_EQ(canvas.At(2, 0), RGB(255, 255, 255));
  EXPECT_EQ(canvas.At(3, 0), RGB(0x7F, 0xBF, 0xDF));
  DestroyIcon(icon);
}

TEST_F(IconDrawing, OldStyleIconsPaintTheirMaskAndImageAsTheFlagsSay) {
  // Alpha all zero: the mask says what shows. Pixel 0 inverts, pixel 1 is red.
  HICON icon = MakeIcon(2, 1, {0x00FFFFFF, 0x00FF0000}, {"10"});
  const COLORREF back = RGB(0x80, 0x40, 0x20);
  const struct {
    UINT flags;
    COLORREF first, second;
  } rows[] = {
      {DI_NORMAL, RGB(0x7F, 0xBF, 0xDF), RGB(255, 0, 0)},
      {DI_MASK, back, RGB(0, 0, 0)},
      {DI_IMAGE, RGB(255, 255, 255), RGB(255, 0, 0)},
      {DI_DEFAULTSIZE & ~DI_NORMAL, back, back},  // neither: nothing drawn
  };
  for (const auto& row : rows) {
    Canvas canvas(2, 1, back);
    EXPECT_TRUE(DrawIconEx(canvas.dc, 0, 0, icon, 2, 1, 0, nullptr, row.flags));
    EXPECT_EQ(canvas.At(0, 0), row.first) << row.flags;
    EXPECT_EQ(canvas.At(1, 0), row.second) << row.flags;
  }
  DestroyIcon(icon);
}

TEST_F(IconDrawing, DrawingStretchesToTheSizeAsked) {
  HICON icon = MakeIcon(2, 2, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF}, {"00", "00"});
  Canvas canvas(40, 40, RGB(0, 0, 0));
  EXPECT_TRUE(DrawIconEx(canvas.dc, 0, 0, icon, 4, 4, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(canvas.At(1, 1), RGB(255, 0, 0));
  EXPECT_EQ(canvas.At(2, 1), RGB(0, 255, 0));
  EXPECT_EQ(canvas.At(1, 3), RGB(0, 0, 255));
  EXPECT_EQ(canvas.At(3, 3), RGB(255, 255, 255));
  EXPECT_EQ(canvas.At(4, 4), RGB(0, 0, 0));

  struct Row {
    int cx;
    UINT flags;
    int painted;  // the side of the square painted
  } rows[] = {
      {0, DI_NORMAL, 2}, {0, DI_NORMAL | DI_DEFAULTSIZE, 32}, {5, DI_NORMAL | DI_DEFAULTSIZE, 5}};
  for (const Row& row : rows) {
    canvas.Clear(RGB(0, 0, 0));
    EXPECT_TRUE(DrawIconEx(canvas.dc, 0, 0, icon, row.cx, row.cx, 0, nullptr, row.flags));
    EXPECT_NE(canvas.At(row.painted - 1, row.painted - 1), RGB(0, 0, 0)) << row.painted;
    EXPECT_EQ(canvas.At(row.painted, row.painted), RGB(0, 0, 0)) << row.painted;
  }
  canvas.Clear(RGB(0, 0, 0));
  EXPECT_TRUE(DrawIcon(canvas.dc, 1, 1, icon));  // the system's icon size
  EXPECT_EQ(canvas.At(32, 32), RGB(255, 255, 255));
  EXPECT_EQ(canvas.At(33, 33), RGB(0, 0, 0));
  DestroyIcon(icon);
}

TEST_F(IconDrawing, DrawingKeepsToTheClipAndTheFlickerFreeBrushFillsFirst) {
  // Opaque red with a transparent first column.
  std::vector<std::uint32_t> argb(36, 0xFFFF0000);
  for (int y = 0; y < 6; ++y) argb[y * 6] = 0;
  HICON icon = MakeIcon(6, 6, argb, {"100000", "100000", "100000", "100000", "100000", "100000"});
  Canvas canvas(8, 6, RGB(0, 0, 0));
  HRGN clip = CreateRectRgn(2, 1, 5, 3);
  HRGN second = CreateRectRgn(0, 4, 8, 5);
  CombineRgn(clip, clip, second, RGN_OR);
  SelectClipRgn(canvas.dc, clip);
  DeleteObject(second);
  DeleteObject(clip);
  EXPECT_TRUE(DrawIconEx(canvas.dc, 1, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
  const COLORREF red = RGB(255, 0, 0);
  EXPECT_EQ(canvas.Row(0, red), "........");
  EXPECT_EQ(canvas.Row(1, red), "..###...");
  EXPECT_EQ(canvas.Row(2, red), "..###...");
  EXPECT_EQ(canvas.Row(3, red), "........");
  EXPECT_EQ(canvas.Row(4, red), "..#####.");  // column 1 is the transparent one
  EXPECT_EQ(canvas.Row(5, red), "........");

  SelectClipRgn(canvas.dc, nullptr);
  canvas.Clear(RGB(0, 0, 0));
  HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
  EXPECT_TRUE(DrawIconEx(canvas.dc, 1, 0, icon, 0, 0, 0, green, DI_NORMAL));
  EXPECT_EQ(canvas.At(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(canvas.At(1, 0), RGB(0, 255, 0));
  EXPECT_EQ(canvas.At(2, 0), red);
  DeleteObject(green);
  DestroyIcon(icon);
}

TEST_F(IconDrawing, BadHandlesAndArgumentsFail) {
  HICON icon = MakeIcon(1, 1, {0xFF000000}, {"0"});
  HICON dead = MakeIcon(1, 1, {0xFF000000}, {"0"});
  DestroyIcon(dead);
  Canvas canvas(2, 2);
  HDC dead_dc = CreateCompatibleDC(nullptr);
  DeleteDC(dead_dc);
  const struct {
    HDC dc;
    HICON icon;
    int cx;
    DWORD error;
  } rows[] = {
      {canvas.dc, dead, 0, ERROR_INVALID_CURSOR_HANDLE},
      {canvas.dc, nullptr, 0, ERROR_INVALID_CURSOR_HANDLE},
      {dead_dc, icon, 0, ERROR_INVALID_HANDLE},
      {canvas.dc, icon, -1, ERROR_INVALID_PARAMETER},
      {canvas.dc, icon, 1 << 20, ERROR_NOT_ENOUGH_MEMORY},
  };
  for (const auto& row : rows) {
    SetLastError(0);
    EXPECT_FALSE(DrawIconEx(row.dc, 0, 0, row.icon, row.cx, row.cx, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(GetLastError(), row.error);
  }
  EXPECT_FALSE(DrawIcon(canvas.dc, 0, 0, dead));

  ICONINFO info{};
  EXPECT_FALSE(GetIconInfo(dead, &info));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_CURSOR_HANDLE);
  EXPECT_FALSE(GetIconInfo(icon, nullptr));

  HBITMAP deleted = CreateBitmap(1, 1, 1, 1, nullptr);
  DeleteObject(deleted);
  HBITMAP mask = MaskBitmap({"0"});
  HBITMAP wide = ArgbBitmap(2, 1, {0, 0});
  const ICONINFO refused[] = {
      {TRUE, 0, 0, nullptr, wide},  // no mask
      {TRUE, 0, 0, deleted, wide},  // a dead mask
      {TRUE, 0, 0, mask, deleted},  // a dead colour bitmap
      {TRUE, 0, 0, mask, wide},     // a mask narrower than the image
      {TRUE, 0, 0, mask, nullptr},  // a monochrome mask of one row: no XOR half
  };
  for (ICONINFO row : refused) {
    SetLastError(0);
    EXPECT_EQ(CreateIconIndirect(&row), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  }
  EXPECT_EQ(CreateIconIndirect(nullptr), nullptr);
  DeleteObject(mask);
  DeleteObject(wide);
  DestroyIcon(icon);
}

}  // namespace
