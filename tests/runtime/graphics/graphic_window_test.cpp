// Graphic windows on the headless display: the class, the frame and its drawing surface,
// caption, place and size, surfaces that keep their picture when resized, painting from
// the bitmap, keys for the engine, and closing.
#include <string>

#include "runtime/dialogs/window_metrics.h"
#include "runtime/graphics/graphic_window.h"
#include "runtime/graphics/graphic_window_view.h"
#include "runtime/graphics/shape_operations.h"
#include "runtime/graphics/surface_resize.h"
#include "tests/platform/gdi/golden.h"
#include "tests/runtime/graphics/bitmap_fixture.h"

namespace runtime::testing {
namespace {

class GraphicWindows : public BitmapTest {
 protected:
  void TearDown() override {
    if (IsWindow(window_)) DestroyWindow(window_);
    BitmapTest::TearDown();
  }
  HWND Make(std::u16string_view caption = u"Pictures", int width = 40, int height = 30,
            DWORD style = 0) {
    window_ = make_graphic_window(caption, 20, 30, width, height, style);
    return window_;
  }
  HWND window_ = nullptr;
};

TEST_F(GraphicWindows, TheClassIsRegisteredOnceAsDescribed) {
  const ATOM atom = register_graphic_window_class();
  ASSERT_NE(atom, 0);
  EXPECT_EQ(register_graphic_window_class(), atom);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), u"ZIRCOGRAPH", &wc));
  EXPECT_EQ(wc.style, static_cast<UINT>(CS_VREDRAW | CS_HREDRAW));
  EXPECT_EQ(wc.hIcon, LoadIconW(nullptr, IDI_ASTERISK));
  EXPECT_EQ(wc.hCursor, LoadCursorW(nullptr, IDC_ARROW));
  EXPECT_EQ(wc.hbrBackground, GetStockObject(WHITE_BRUSH));
}

TEST_F(GraphicWindows, AWindowHoldsOneSurfaceThatBecomesTheTarget) {
  ASSERT_NE(Make(), nullptr);
  const DialogState* frame = find_record(window_);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->kind, 0);
  EXPECT_EQ(frame->flags, 0x80000000u | WAS_SHOWN | USES_PIXELS);
  EXPECT_EQ(frame->style, static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE)));
  EXPECT_EQ(frame->style & ~WS_VISIBLE, 0x868A0000u | WS_CAPTION);

  HWND surface = graphic_window_surface(window_);
  ASSERT_NE(surface, nullptr);
  EXPECT_EQ(GetParent(surface), window_);
  const DialogState* record = find_record(surface);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->kind, kind::kGraphicControl);
  EXPECT_EQ(record->flags & ~GRAPHIC_HAS_FOCUS, IS_CONTROL | 0x2000u | USES_PIXELS);
  EXPECT_NE(record->flags & GRAPHIC_HAS_FOCUS, 0u) << "the surface has the focus";
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(surface, GWL_STYLE)), 0x5000010Du);
  EXPECT_EQ(record->graphic.bitmap_size.cx, 40);
  EXPECT_EQ(record->graphic.bitmap_size.cy, 30);
  EXPECT_EQ(GetTextAlign(record->graphic.memory_dc) & TA_UPDATECP, TA_UPDATECP);
  EXPECT_EQ(graphic_target(), surface);
  EXPECT_TRUE(IsWindowVisible(window_));
  EXPECT_EQ(GetFocus(), surface);
  EXPECT_EQ(graphic_window_surface(surface), nullptr) << "only a graphic window has one";
}

TEST_F(GraphicWindows, StyleZeroGetsACaptionBarOnlyWithACaption) {
  Make(u"");
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE)) & ~WS_VISIBLE, 0x868A0000u);
  DestroyWindow(window_);
  Make(u"x", 10, 10, WS_POPUP | WS_BORDER);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE)) & ~WS_VISIBLE,
            static_cast<DWORD>(WS_POPUP | WS_BORDER))
      << "a style of the caller's is kept";
}

TEST_F(GraphicWindows, CaptionPlaceAndSize) {
  Make();
  EXPECT_EQ(graphic_window_caption(window_), u"Pictures");
  set_graphic_window_caption(window_, u"Dibujo");
  EXPECT_EQ(graphic_window_caption(window_), u"Dibujo");
  set_graphic_window_caption(window_, u"");
  EXPECT_EQ(graphic_window_caption(window_), u"");

  EXPECT_EQ(graphic_window_location(window_).x, 20);
  EXPECT_EQ(graphic_window_location(window_).y, 30);
  set_graphic_window_location(window_, 55, 66);
  EXPECT_EQ(graphic_window_location(window_).x, 55);
  EXPECT_EQ(graphic_window_location(window_).y, 66);

  EXPECT_EQ(graphic_window_size(window_).cx, 40);
  EXPECT_EQ(graphic_window_size(window_).cy, 30);
  set_graphic_window_size(window_, 70, 20);
  EXPECT_EQ(graphic_window_size(window_).cx, 70);
  EXPECT_EQ(graphic_window_size(window_).cy, 20);
  RECT outer{0, 0, 70, 20};
  AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE)), FALSE, 0);
  RECT rect{};
  GetWindowRect(window_, &rect);
  EXPECT_EQ(rect.right - rect.left, outer.right - outer.left);
  EXPECT_EQ(rect.bottom - rect.top, outer.bottom - outer.top);
  RECT surface{};
  GetClientRect(graphic_window_surface(window_), &surface);
  EXPECT_EQ(surface.right, 70);
  EXPECT_EQ(surface.bottom, 20);
  EXPECT_EQ(graphic_window_location(window_).x, 55) << "sizing keeps the place";

  set_graphic_window_size(window_, 0, 20);
  EXPECT_EQ(graphic_window_size(window_).cx, 70) << "a size below 1 changes nothing";
}

TEST_F(GraphicWindows, ResizingKeepsThePictureOverTheBackground) {
  Make(u"Resize", 3, 2);
  const std::vector<std::uint32_t> picture = {0xFF0000, 0x00FF00, 0x0000FF,
                                              0x123456, 0xABCDEF, 0x000000};
  write_pixels(picture);
  ASSERT_TRUE(resize_surface(graphic_window_surface(window_), 4, 3));
  COLORREF face = GetSysColor(COLOR_BTNFACE);
  const std::uint32_t b = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
  EXPECT_EQ(TargetPixels(), (std::vector<std::uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, b,
                                                        0x123456, 0xABCDEF, 0x000000, b,
                                                        b, b, b, b}));
  ASSERT_TRUE(resize_surface(graphic_window_surface(window_), 2, 1));
  EXPECT_EQ(TargetPixels(), (std::vector<std::uint32_t>{0xFF0000, 0x00FF00}));
  EXPECT_EQ(graphic_window_size(window_).cx, 2);
  EXPECT_FALSE(resize_surface(graphic_window_surface(window_), 0, 5));
  EXPECT_FALSE(resize_surface(window_, 5, 5)) << "the frame is no surface";
  HBITMAP bitmap = make_bitmap(2, 2);
  EXPECT_FALSE(resize_surface(reinterpret_cast<HWND>(bitmap), 5, 5)) << "bitmaps keep their size";
  end_bitmap(bitmap);
}

TEST_F(GraphicWindows, AGraphicControlResizedByTheToolkitKeepsItsPicture) {
  HWND control = MakeSurface(4, 4);
  set_graphic_target(control);
  write_pixels(std::vector<std::uint32_t>(16, 0x00FF00));
  set_client_size(dialog_, 100, 6, 5);
  RECT client{};
  GetClientRect(control, &client);
  EXPECT_EQ(client.right, 6);
  EXPECT_EQ(client.bottom, 5);
  const std::vector<std::uint32_t> pixels = TargetPixels();
  ASSERT_EQ(pixels.size(), 30u);
  EXPECT_EQ(pixels[0], 0x00FF00u);
  EXPECT_EQ(pixels[3 * 6 + 3], 0x00FF00u);
  EXPECT_NE(pixels[29], 0x00FF00u);
}

TEST_F(GraphicWindows, TheSurfacePaintsItselfFromItsBitmap) {
  Make(u"Paint", 4, 2);
  write_pixels(std::vector<std::uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF,
                                          0x000000, 0x808080, 0xFF00FF, 0x00FFFF});
  HWND surface = graphic_window_surface(window_);
  InvalidateRect(surface, nullptr, FALSE);
  UpdateWindow(surface);
  HDC dc = GetDC(surface);
  EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 2, 0), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(dc, 3, 1), RGB(0, 255, 255));
  ReleaseDC(surface, dc);
}

TEST_F(GraphicWindows, AStretchedPictureKeepsItsBitmapAndFillsTheWindow) {
  Make(u"Stretched", 2, 2);
  write_pixels(std::vector<std::uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF});
  HWND surface = graphic_window_surface(window_);
  ASSERT_TRUE(set_graphic_window_stretched(window_, true));
  EXPECT_NE(find_record(surface)->flags & GRAPHIC_STRETCHED, 0u);
  EXPECT_FALSE(set_graphic_window_stretched(surface, true)) << "the surface is no graphic window";
  set_graphic_window_size(window_, 6, 4);
  EXPECT_EQ(graphic_window_size(window_).cx, 6);
  EXPECT_EQ(target_bitmap_size().cx, 2) << "the bitmap keeps its size";
  InvalidateRect(surface, nullptr, FALSE);
  UpdateWindow(surface);
  HDC dc = GetDC(surface);
  const struct {
    int x, y;
    COLORREF colour;
  } rows[] = {{0, 0, RGB(255, 0, 0)}, {2, 1, RGB(255, 0, 0)}, {3, 0, RGB(0, 255, 0)},
              {5, 1, RGB(0, 255, 0)}, {0, 2, RGB(0, 0, 255)}, {5, 3, RGB(255, 255, 255)}};
  for (const auto& row : rows) EXPECT_EQ(GetPixel(dc, row.x, row.y), row.colour) << row.x << "," << row.y;
  ReleaseDC(surface, dc);

  // Back to plain: the bitmap, smaller than the window now, shows from its corner.
  ASSERT_TRUE(set_graphic_window_stretched(window_, false));
  EXPECT_EQ(find_record(surface)->flags & GRAPHIC_STRETCHED, 0u);
  dc = GetDC(surface);
  EXPECT_EQ(GetPixel(dc, 1, 0), RGB(0, 255, 0));
  EXPECT_EQ(GetPixel(dc, 4, 0), GetSysColor(COLOR_BTNFACE)) << "beyond the bitmap";
  EXPECT_EQ(GetPixel(dc, 0, 3), GetSysColor(COLOR_BTNFACE));
  ReleaseDC(surface, dc);
}

TEST_F(GraphicWindows, AViewLargerThanTheWindowScrollsWithBars) {
  Make(u"View", 40, 30);
  HWND surface = graphic_window_surface(window_);
  ASSERT_TRUE(set_graphic_window_view(window_, 100, 30));
  const DialogState& record = *find_record(surface);
  const int bar_width = GetSystemMetrics(SM_CXVSCROLL), bar_height = GetSystemMetrics(SM_CYHSCROLL);
  // Wider than the window: a horizontal bar, whose height leaves the view too short.
  HWND horizontal = record.graphic.child_windows[0], vertical = record.graphic.child_windows[1];
  ASSERT_TRUE(IsWindow(horizontal));
  ASSERT_TRUE(IsWindow(vertical));
  RECT shown{};
  GetClientRect(surface, &shown);
  EXPECT_EQ(shown.right, 40 - bar_width);
  EXPECT_EQ(shown.bottom, 30 - bar_height);
  EXPECT_EQ(graphic_window_size(window_).cx, 40) << "the window keeps its size";
  EXPECT_NE(record.flags & GRAPHIC_ARROWS_SCROLL, 0u);

  find_record(surface)->last_key = 0;
  SendMessageW(surface, WM_KEYDOWN, VK_RIGHT, 0x14D0001);
  EXPECT_GT(record.graphic.scroll.x, 0) << "the arrow scrolls the view";
  EXPECT_EQ(record.last_key, 0);
  EXPECT_EQ(GetScrollPos(horizontal, SB_CTL), record.graphic.scroll.x);
  SendMessageW(window_, WM_HSCROLL, SB_BOTTOM, reinterpret_cast<LPARAM>(horizontal));
  EXPECT_EQ(record.graphic.scroll.x, 100 - (40 - bar_width)) << "a bar's message, through the frame";

  ASSERT_TRUE(set_graphic_window_view(window_, 40, 30));
  EXPECT_FALSE(IsWindow(horizontal));
  EXPECT_FALSE(IsWindow(vertical));
  EXPECT_EQ(record.graphic.scroll.x, 0);
  EXPECT_EQ(record.flags & GRAPHIC_ARROWS_SCROLL, 0u) << "keys reach last_key again";
  EXPECT_FALSE(set_graphic_window_view(window_, 0, 30));
  EXPECT_FALSE(set_graphic_window_view(surface, 50, 50)) << "the surface is no graphic window";
}

// A graphic control in a dialog keeps its place and outer size and shows its own bars
// for a larger view; they and the keys scroll it, and a view that fits drops them.
TEST_F(GraphicWindows, AGraphicControlWithALargerViewShowsItsOwnBars) {
  HWND control = MakeSurface(80, 60);
  ASSERT_NE(control, nullptr);
  RECT outer{};
  GetWindowRect(control, &outer);
  ASSERT_TRUE(set_graphic_control_view(control, 200, 60));
  const DialogState& record = Record();
  const int bar_width = GetSystemMetrics(SM_CXVSCROLL), bar_height = GetSystemMetrics(SM_CYHSCROLL);
  const auto style = [&] { return static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE)); };
  EXPECT_EQ(style() & (WS_HSCROLL | WS_VSCROLL), static_cast<DWORD>(WS_HSCROLL | WS_VSCROLL));
  RECT shown{}, outer_now{};
  GetClientRect(control, &shown);
  GetWindowRect(control, &outer_now);
  EXPECT_EQ(shown.right, 80 - bar_width);
  EXPECT_EQ(shown.bottom, 60 - bar_height);
  EXPECT_EQ(record.graphic.client_size.cx, shown.right);
  EXPECT_TRUE(EqualRect(&outer, &outer_now)) << "the control keeps its place and size";
  EXPECT_NE(record.flags & GRAPHIC_ARROWS_SCROLL, 0u);

  SendMessageW(control, WM_KEYDOWN, VK_RIGHT, 0x14D0001);
  EXPECT_GT(record.graphic.scroll.x, 0) << "the arrow scrolls the view";
  EXPECT_EQ(GetScrollPos(control, SB_HORZ), record.graphic.scroll.x);
  SendMessageW(control, WM_HSCROLL, SB_BOTTOM, 0);  // what its own bar sends
  EXPECT_EQ(record.graphic.scroll.x, 200 - (80 - bar_width));
  EXPECT_EQ(GetScrollPos(control, SB_HORZ), record.graphic.scroll.x);
  SendMessageW(control, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 7), 0);
  EXPECT_EQ(record.graphic.scroll.x, 7);

  // As the dialog shows it: the picture from the offset, the bars beside it.
  move_to(0, 0, false);
  draw_line(199, 43, 0, false);
  draw_box(150, 10, 190, 30, 0, kEllipseCorners, 0x0000FF, 0);
  SendMessageW(control, WM_HSCROLL, SB_BOTTOM, 0);
  ShowWindow(dialog_, SW_SHOW);
  UpdateWindow(dialog_);
  HDC screen = GetDC(dialog_);
  HDC copy = CreateCompatibleDC(screen);
  HBITMAP picture = CreateCompatibleBitmap(screen, 100, 80);
  HGDIOBJ old = SelectObject(copy, picture);
  BitBlt(copy, 0, 0, 100, 80, screen, 0, 0, SRCCOPY);
  EXPECT_TRUE(platform::gdi::testing::MatchesGolden(copy, "graphic_control_view"));
  SelectObject(copy, old);
  DeleteObject(picture);
  DeleteDC(copy);
  ReleaseDC(dialog_, screen);

  ASSERT_TRUE(set_graphic_control_view(control, 80, 60));
  EXPECT_EQ(style() & (WS_HSCROLL | WS_VSCROLL), 0u);
  GetClientRect(control, &shown);
  EXPECT_EQ(shown.right, 80);
  EXPECT_EQ(record.graphic.scroll.x, 0);
  EXPECT_EQ(record.flags & GRAPHIC_ARROWS_SCROLL, 0u) << "keys reach last_key again";

  // Sized to show its whole picture, a control needs no bars.
  ASSERT_TRUE(set_graphic_control_view(control, 80, 150));
  EXPECT_NE(style() & WS_VSCROLL, 0u);
  ASSERT_TRUE(resize_surface(control, 50, 60));
  GetClientRect(control, &shown);
  EXPECT_EQ(style() & (WS_HSCROLL | WS_VSCROLL), 0u);
  EXPECT_EQ(shown.right, 50);
  EXPECT_EQ(shown.bottom, 60);

  EXPECT_FALSE(set_graphic_control_view(control, 0, 60));
  Make(u"View", 40, 30);
  EXPECT_FALSE(set_graphic_control_view(graphic_window_surface(window_), 80, 80))
      << "a graphic window's surface has the window's own view";
}

TEST_F(GraphicWindows, KeysReachLastKey) {
  Make();
  HWND surface = graphic_window_surface(window_);
  const struct {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    std::int32_t last_key;
  } rows[] = {
      {WM_CHAR, 'a', 0x1E0001, 'a'},
      {WM_KEYDOWN, VK_LEFT, 0x14B0001, 0x4B0000},  // extended: special
      {WM_KEYDOWN, VK_F1, 0x3B0001, 0x3B0000},
      {WM_SYSKEYDOWN, VK_F10, 0x440001, 0x440000},
      {WM_CHAR, VK_ESCAPE, 0x10001, VK_ESCAPE},
  };
  for (const auto& row : rows) {
    find_record(surface)->last_key = 0;
    SendMessageW(surface, row.message, row.wParam, row.lParam);
    EXPECT_EQ(find_record(surface)->last_key, row.last_key) << row.message << " " << row.wParam;
  }
}

TEST_F(GraphicWindows, ClosingEndsWindowRecordsAndTargetUnlessRefused) {
  Make();
  find_record(window_)->close_flags |= CLOSE_DISABLED;
  SendMessageW(window_, WM_CLOSE, 0, 0);
  ASSERT_TRUE(IsWindow(window_));
  find_record(window_)->close_flags &= ~CLOSE_DISABLED;
  SendMessageW(window_, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_EQ(find_record(window_), nullptr);
  EXPECT_EQ(graphic_target(), nullptr);
}

TEST_F(GraphicWindows, SizesBelowOneMakeNoWindow) {
  for (auto [w, h] : {std::pair{0, 10}, {10, 0}, {-5, 10}, {10, INT32_MIN}}) {
    EXPECT_EQ(make_graphic_window(u"x", 0, 0, w, h), nullptr) << w << " x " << h;
  }
  EXPECT_EQ(make_graphic_window(u"x", 0, 0, 1 << 20, 1 << 20), nullptr) << "no bitmap that large";
}

}  // namespace
}  // namespace runtime::testing
