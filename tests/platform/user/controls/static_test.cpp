// STATIC: alignment and prefixes (pixels), shapes, images, owner-draw, notifications and
// transparency to clicks and to the parent's colours.
#include <gtest/gtest.h>

#include "platform/user/icon_object.h"
#include "tests/platform/user/controls/control_test_fixture.h"

namespace {

class StaticTest : public ControlTest {
 protected:
  HWND MakeStatic(DWORD style, const WCHAR* text = u"Text", RECT place = RECT{10, 10, 210, 30}, int id = 100) {
    return Make(u"Static", text, style, place, id);
  }
};

TEST_F(StaticTest, TextFollowsItsAlignment) {
  struct Row {
    DWORD style;
    int min_left;
    int max_left;
    int min_right;
  } rows[] = {
      {SS_LEFT, 0, 2, 0},
      {SS_SIMPLE, 0, 2, 0},
      {SS_LEFTNOWORDWRAP, 0, 2, 0},
      {SS_CENTER, 80, 100, 0},
      {SS_RIGHT, 150, 199, 195},
  };
  for (const Row& row : rows) {
    HWND s = MakeStatic(row.style, u"Word");
    RECT ink = DarkBox(s);
    EXPECT_GE(ink.left, row.min_left) << row.style;
    EXPECT_LE(ink.left, row.max_left) << row.style;
    EXPECT_GE(ink.right, row.min_right) << row.style;
    DestroyWindow(s);
  }
}

TEST_F(StaticTest, CentreImageCentresTextVertically) {
  HWND top = MakeStatic(SS_LEFT, u"Word", RECT{10, 10, 210, 70});
  HWND middle = MakeStatic(SS_LEFT | SS_CENTERIMAGE, u"Word", RECT{10, 80, 210, 140}, 101);
  RECT a = DarkBox(top);
  RECT b = DarkBox(middle);
  EXPECT_LT(a.top, 8);
  EXPECT_GT(b.top, 20);
  EXPECT_NEAR((b.top + b.bottom) / 2, 30, 3);
}

TEST_F(StaticTest, WordsWrapUnlessTheStyleSaysNot) {
  const WCHAR* text = u"one two three four five six seven";
  HWND wrapped = MakeStatic(SS_LEFT, text, RECT{10, 10, 70, 100});
  HWND kept = MakeStatic(SS_LEFTNOWORDWRAP, text, RECT{100, 10, 160, 100}, 101);
  EXPECT_GT(DarkBox(wrapped).bottom, 25);
  EXPECT_LT(DarkBox(kept).bottom, 16);
}

TEST_F(StaticTest, AmpersandUnderlinesUnlessNoPrefix) {
  HWND prefixed = MakeStatic(SS_LEFT, u"&Tt", RECT{10, 10, 110, 30});
  HWND plain = MakeStatic(SS_LEFT | SS_NOPREFIX, u"&Tt", RECT{10, 40, 110, 60}, 101);
  HWND bare = MakeStatic(SS_LEFT, u"Tt", RECT{10, 70, 110, 90}, 102);
  RECT with_line = DarkBox(prefixed);
  RECT without = DarkBox(bare);
  RECT amp = DarkBox(plain);
  EXPECT_GT(with_line.bottom, without.bottom);  // the underline under the T
  EXPECT_EQ(with_line.left, without.left);
  EXPECT_GT(amp.right, without.right + 4);     // the & itself is drawn
}

TEST_F(StaticTest, EndEllipsisCutsTheLine) {
  HWND s = MakeStatic(SS_LEFT | SS_ENDELLIPSIS, u"a very long line that cannot fit", RECT{10, 10, 70, 50});
  EXPECT_LT(DarkBox(s).bottom, 16);  // one line, not wrapped
  EXPECT_LE(DarkBox(s).right, 60);
}

TEST_F(StaticTest, ShapesPaintTheirColours) {
  struct Row {
    DWORD style;
    int color;  // at the centre; -1: the frame's colour at the edge only
    int edge;
  } rows[] = {
      {SS_BLACKRECT, COLOR_WINDOWFRAME, COLOR_WINDOWFRAME},
      {SS_GRAYRECT, COLOR_3DSHADOW, COLOR_3DSHADOW},
      {SS_WHITERECT, COLOR_3DHILIGHT, COLOR_3DHILIGHT},
      {SS_BLACKFRAME, -1, COLOR_WINDOWFRAME},
      {SS_GRAYFRAME, -1, COLOR_3DSHADOW},
      {SS_ETCHEDFRAME, -1, COLOR_3DSHADOW},
      {SS_ETCHEDHORZ, -1, COLOR_3DSHADOW},
  };
  for (const Row& row : rows) {
    HWND s = MakeStatic(row.style, u"", RECT{10, 10, 50, 40});
    EXPECT_EQ(Pixel(s, 0, 0), GetSysColor(row.edge)) << row.style;
    if (row.color >= 0) {
      EXPECT_EQ(Pixel(s, 20, 15), GetSysColor(row.color)) << row.style;
    }
    else EXPECT_EQ(Pixel(s, 20, 15), GetSysColor(COLOR_WINDOW)) << row.style;  // the parent shows
    DestroyWindow(s);
  }
}

TEST_F(StaticTest, SunkenStaticHasAStaticEdge) {
  HWND s = MakeStatic(SS_LEFT | SS_SUNKEN, u"");
  EXPECT_TRUE(GetWindowLongW(s, GWL_EXSTYLE) & WS_EX_STATICEDGE);
  RECT client;
  GetClientRect(s, &client);
  EXPECT_EQ(client.right, 198);
}

TEST_F(StaticTest, ClicksGoThroughUnlessNotify) {
  HWND quiet = MakeStatic(SS_LEFT);
  HWND loud = MakeStatic(SS_LEFT | SS_NOTIFY, u"Loud", RECT{10, 40, 210, 60}, 101);
  POINT in_loud{5, 5};
  ClientToScreen(loud, &in_loud);
  EXPECT_EQ(SendMessageW(quiet, WM_NCHITTEST, 0, MAKELPARAM(in_loud.x, in_loud.y - 30)), HTTRANSPARENT);
  EXPECT_EQ(SendMessageW(loud, WM_NCHITTEST, 0, MAKELPARAM(in_loud.x, in_loud.y)), HTCLIENT);
  Take();
  Click(loud, 5, 5);
  DoubleClick(loud, 5, 5);
  EXPECT_EQ(Notifications(loud), (std::vector<WORD>{STN_CLICKED, STN_DBLCLK}));
  Click(quiet, 5, 5);
  EXPECT_TRUE(Notifications(quiet).empty());
  EXPECT_EQ(SendMessageW(quiet, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
}

TEST_F(StaticTest, NullBrushAndTransparentModeShowTheParent) {
  handler_ = [&](HWND, UINT message, WPARAM wparam, LPARAM) -> std::optional<LRESULT> {
    if (message != WM_CTLCOLORSTATIC) return std::nullopt;
    SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
  };
  HWND s = MakeStatic(SS_LEFT, u"Word");
  EXPECT_EQ(Pixel(s, 150, 10), GetSysColor(COLOR_WINDOW));  // the parent's white
  RECT ink = DarkBox(s);
  EXPECT_GT(ink.right, 0);
  handler_ = nullptr;
}

TEST_F(StaticTest, DefaultColoursAreTheFace) {
  HWND s = MakeStatic(SS_LEFT, u"");
  EXPECT_EQ(Pixel(s, 100, 10), GetSysColor(COLOR_3DFACE));
}

TEST_F(StaticTest, SetTextRepaints) {
  HWND s = MakeStatic(SS_LEFT, u"i");
  RECT before = DarkBox(s);
  SetWindowTextW(s, u"WWWWWW");
  RECT after = DarkBox(s);
  EXPECT_GT(after.right, before.right + 20);
}

HICON MakeIcon(int side) {
  auto icon = std::make_unique<platform::Icon>();
  icon->width = side;
  icon->height = side;
  icon->has_alpha = true;
  icon->argb.assign(static_cast<std::size_t>(side) * side, 0xFF0000FFu);  // opaque blue
  return platform::AddIcon(std::move(icon));
}

TEST_F(StaticTest, IconStaticSizesItselfToTheIcon) {
  HICON icon = MakeIcon(16);
  HWND s = MakeStatic(SS_ICON, u"", RECT{10, 10, 110, 110});
  EXPECT_EQ(SendMessageW(s, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0), 0);
  RECT r;
  GetClientRect(s, &r);
  EXPECT_EQ(r.right, 16);
  EXPECT_EQ(r.bottom, 16);
  EXPECT_EQ(SendMessageW(s, STM_GETICON, 0, 0), reinterpret_cast<LRESULT>(icon));
  EXPECT_EQ(SendMessageW(s, STM_GETIMAGE, IMAGE_ICON, 0), reinterpret_cast<LRESULT>(icon));
  EXPECT_EQ(SendMessageW(s, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
  EXPECT_EQ(Pixel(s, 8, 8), RGB(0, 0, 255));
  EXPECT_EQ(SendMessageW(s, STM_SETIMAGE, IMAGE_ICON, 0), reinterpret_cast<LRESULT>(icon));
  DestroyIcon(icon);
}

TEST_F(StaticTest, CentreImageKeepsTheSizeAndCentres) {
  std::uint32_t bits[16];
  std::fill(std::begin(bits), std::end(bits), 0x00FF00u);
  HBITMAP green = CreateBitmap(4, 4, 1, 32, bits);
  HWND s = MakeStatic(SS_BITMAP | SS_CENTERIMAGE, u"", RECT{10, 10, 50, 30});
  EXPECT_EQ(SendMessageW(s, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(green)), 0);
  RECT r;
  GetClientRect(s, &r);
  EXPECT_EQ(r.right, 40);
  EXPECT_EQ(Pixel(s, 19, 9), RGB(0, 255, 0));
  EXPECT_NE(Pixel(s, 2, 2), RGB(0, 255, 0));
  // An icon is not a bitmap static's image.
  EXPECT_EQ(SendMessageW(s, STM_SETICON, 0, 0), 0);
  DestroyWindow(s);
  DeleteObject(green);
}

TEST_F(StaticTest, OwnerDrawAsksTheParent) {
  std::vector<DRAWITEMSTRUCT> items;
  handler_ = [&](HWND, UINT message, WPARAM, LPARAM lparam) -> std::optional<LRESULT> {
    if (message != WM_DRAWITEM) return std::nullopt;
    items.push_back(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
    return TRUE;
  };
  HWND s = MakeStatic(SS_OWNERDRAW, u"", RECT{10, 10, 50, 30}, 55);
  EnableWindow(s, FALSE);
  UpdateWindow(parent_);
  ASSERT_FALSE(items.empty());
  EXPECT_EQ(items.back().CtlType, ODT_STATIC);
  EXPECT_EQ(items.back().CtlID, 55u);
  EXPECT_EQ(items.back().itemAction, ODA_DRAWENTIRE);
  EXPECT_EQ(items.back().itemState, ODS_DISABLED);
  EXPECT_EQ(items.back().hwndItem, s);
  handler_ = nullptr;
}

}  // namespace
