// Frames, rectangles, coordinates and SetWindowPos.
#include <gtest/gtest.h>

#include "tests/platform/user/window_test_fixture.h"

namespace {

struct FrameRow {
  DWORD style;
  DWORD ex_style;
  BOOL menu;
  RECT expected;  // AdjustWindowRectEx of {0, 0, 100, 50}
};

class AdjustWindowRectRows : public testing::TestWithParam<FrameRow> {};

TEST_P(AdjustWindowRectRows, AddsTheClassicFrame) {
  const FrameRow& row = GetParam();
  RECT r{0, 0, 100, 50};
  ASSERT_TRUE(AdjustWindowRectEx(&r, row.style, row.menu, row.ex_style));
  EXPECT_EQ(r.left, row.expected.left);
  EXPECT_EQ(r.top, row.expected.top);
  EXPECT_EQ(r.right, row.expected.right);
  EXPECT_EQ(r.bottom, row.expected.bottom);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AdjustWindowRectRows,
    testing::Values(
        FrameRow{WS_OVERLAPPEDWINDOW, 0, FALSE, {-4, -23, 104, 54}},
        FrameRow{WS_OVERLAPPEDWINDOW, 0, TRUE, {-4, -42, 104, 54}},
        FrameRow{WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, FALSE, {-3, -22, 103, 53}},
        FrameRow{WS_POPUP | WS_CAPTION, WS_EX_TOOLWINDOW, FALSE, {-3, -19, 103, 53}},
        FrameRow{WS_POPUP | WS_BORDER, 0, FALSE, {-1, -1, 101, 51}},
        FrameRow{WS_CHILD, WS_EX_CLIENTEDGE, FALSE, {-2, -2, 102, 52}},
        FrameRow{WS_CHILD | WS_BORDER, WS_EX_STATICEDGE, TRUE, {-2, -2, 102, 52}},
        FrameRow{WS_POPUP, 0, FALSE, {0, 0, 100, 50}}));

TEST(SystemMetrics, AgreeWithTheFrame) {
  struct Row {
    int index;
    int value;
  };
  const Row rows[] = {{SM_CYCAPTION, 19}, {SM_CXBORDER, 1}, {SM_CXDLGFRAME, 3}, {SM_CXFRAME, 4},
                      {SM_CXEDGE, 2},     {SM_CXVSCROLL, 16}, {SM_CYHSCROLL, 16}, {SM_CXICON, 32},
                      {SM_CXSMICON, 16},  {SM_CYMENU, 19},    {SM_CXDOUBLECLK, 4}, {-1, 0}};
  for (const Row& row : rows) EXPECT_EQ(GetSystemMetrics(row.index), row.value) << row.index;
}

TEST_F(WindowTest, ScreenAndWorkAreaComeFromTheDisplay) {
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
  RECT work{};
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
  EXPECT_EQ(work.right, 1024);
  EXPECT_EQ(work.bottom, 768);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
  EXPECT_EQ(metrics.lfCaptionFont.lfWeight, 700);
  EXPECT_EQ(std::u16string(metrics.lfMessageFont.lfFaceName), u"MS Sans Serif");
  metrics.cbSize = 3;
  EXPECT_FALSE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0));
}

TEST_F(WindowTest, ClientAreaSitsInsideTheFrame) {
  HWND top = Create(WS_OVERLAPPEDWINDOW, nullptr, 0, 0, RECT{10, 20, 210, 170});
  RECT window, client;
  GetWindowRect(top, &window);
  GetClientRect(top, &client);
  EXPECT_EQ(window.left, 10);
  EXPECT_EQ(window.bottom, 170);
  EXPECT_EQ(client.right, 200 - 8);
  EXPECT_EQ(client.bottom, 150 - 27);
  POINT p{0, 0};
  ClientToScreen(top, &p);
  EXPECT_EQ(p.x, 14);
  EXPECT_EQ(p.y, 43);
  HWND child = CreateChild(top, 1, RECT{5, 6, 25, 16});
  POINT q{1, 1};
  EXPECT_EQ(MapWindowPoints(child, top, &q, 1), MAKELONG(5, 6));
  EXPECT_EQ(q.x, 6);
  EXPECT_EQ(q.y, 7);
  ScreenToClient(child, &p);
  EXPECT_EQ(p.x, -5);
  EXPECT_EQ(ChildWindowFromPoint(top, POINT{10, 10}), child);
  EXPECT_EQ(ChildWindowFromPoint(top, POINT{100, 100}), top);
}

TEST_F(WindowTest, SetWindowPosReportsWhatChanged) {
  HWND top = Create(WS_POPUP, nullptr, 0, 0, RECT{0, 0, 100, 100});
  Take();
  WINDOWPOS changed{};
  handler_ = [&](HWND, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
    if (m == WM_WINDOWPOSCHANGING) reinterpret_cast<WINDOWPOS*>(l)->cx = 77;  // adjusted
    if (m == WM_WINDOWPOSCHANGED) changed = *reinterpret_cast<WINDOWPOS*>(l);
    return std::nullopt;
  };
  ASSERT_TRUE(SetWindowPos(top, nullptr, 5, 6, 50, 60, SWP_NOZORDER | SWP_NOACTIVATE));
  auto seen = Take({WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE});
  std::vector<UINT> order;
  for (auto& m : seen) order.push_back(m.message);
  EXPECT_EQ(order, (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED,
                                      WM_MOVE, WM_SIZE}));
  EXPECT_EQ(seen.back().lparam, MAKELPARAM(77, 60));
  EXPECT_EQ(changed.cx, 77);
  RECT r;
  GetWindowRect(top, &r);
  EXPECT_EQ(r.right, 82);
  Take();
  SetWindowPos(top, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_TRUE(Take({WM_MOVE, WM_SIZE, WM_NCCALCSIZE}).empty());
  MoveWindow(top, 1, 2, 77, 60, TRUE);
  auto moves = Take({WM_MOVE, WM_SIZE});
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].message, WM_MOVE);
}

TEST_F(WindowTest, ChildrenFollowTheirParent) {
  HWND top = Create(WS_POPUP, nullptr, 0, 0, RECT{0, 0, 100, 100});
  HWND child = CreateChild(top, 1, RECT{10, 10, 20, 20});
  MoveWindow(top, 50, 60, 100, 100, TRUE);
  RECT r;
  GetWindowRect(child, &r);
  EXPECT_EQ(r.left, 60);
  EXPECT_EQ(r.top, 70);
}

TEST_F(WindowTest, TreeQueries) {
  HWND top = Create();
  HWND a = CreateChild(top, 1);
  HWND b = CreateChild(top, 2);
  HWND a1 = CreateChild(a, 3);
  EXPECT_EQ(GetWindow(top, GW_CHILD), a);
  EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
  EXPECT_EQ(GetWindow(b, GW_HWNDPREV), a);
  EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), nullptr);
  EXPECT_EQ(GetWindow(a, GW_HWNDLAST), b);
  EXPECT_EQ(GetParent(a1), a);
  EXPECT_EQ(GetParent(top), nullptr);
  EXPECT_EQ(GetAncestor(a1, GA_ROOT), top);
  EXPECT_EQ(GetAncestor(top, GA_PARENT), GetDesktopWindow());
  EXPECT_TRUE(IsChild(top, a1));
  EXPECT_FALSE(IsChild(a, b));
  std::vector<HWND> order;
  EnumChildWindows(top, [](HWND w, LPARAM l) -> BOOL {
    reinterpret_cast<std::vector<HWND>*>(l)->push_back(w);
    return TRUE;
  }, reinterpret_cast<LPARAM>(&order));
  EXPECT_EQ(order, (std::vector<HWND>{a, a1, b}));
  EXPECT_EQ(FindWindowW(kClass, u"Test"), top);
  EXPECT_EQ(SetParent(a1, b), a);
  EXPECT_EQ(GetParent(a1), b);
  EXPECT_EQ(GetWindow(a, GW_CHILD), nullptr);
}

}  // namespace

namespace {

TEST_F(WindowTest, AbsurdPlacesAndSizesAreKeptInBounds) {
  HWND top = CreateWindowExW(0, kClass, u"", WS_POPUP | WS_VISIBLE, 0x7FFFFFFF, -0x7FFFFFFF,
                             0x7FFFFFFF, 0x7FFFFFFF, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(top, nullptr);
  RECT r;
  GetWindowRect(top, &r);
  EXPECT_EQ(r.left, 32767);
  EXPECT_EQ(r.right - r.left, 32767);
  EXPECT_TRUE(SetWindowPos(top, nullptr, -0x7FFFFFFF, 0, -5, 0x7FFFFFFF, SWP_NOZORDER));
  GetWindowRect(top, &r);
  EXPECT_EQ(r.left, -32767);
  EXPECT_EQ(r.right, r.left);
  Pump();  // paints a window larger than any bitmap without trouble
}

}  // namespace
