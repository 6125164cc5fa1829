// Creation and destruction: the messages and their order, handles dying, refusals.
#include <gtest/gtest.h>

#include "platform/user/window_table.h"
#include "tests/platform/user/window_test_fixture.h"

namespace {

using Lines = std::vector<std::string>;

TEST_F(WindowTest, CreationSendsTheMessagesInOrder) {
  HWND top = Create(WS_OVERLAPPEDWINDOW);
  ASSERT_NE(top, nullptr);
  Name(top, "top");
  EXPECT_EQ(TakeNames(), (Lines{"WM_GETMINMAXINFO top", "WM_NCCREATE top", "WM_NCCALCSIZE top",
                                "WM_CREATE top", "WM_SIZE top", "WM_MOVE top"}));
  WCHAR text[16];
  EXPECT_EQ(GetWindowTextW(top, text, 16), 4);
  EXPECT_EQ(std::u16string(text), u"Test");
}

TEST_F(WindowTest, CreateStructCarriesTheParameters) {
  int marker = 0;
  CREATESTRUCTW seen{};
  handler_ = [&](HWND, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
    if (m == WM_CREATE) seen = *reinterpret_cast<CREATESTRUCTW*>(l);
    return std::nullopt;
  };
  HWND top = CreateWindowExW(WS_EX_TOOLWINDOW, kClass, u"Name", WS_POPUP, 3, 4, 50, 60, nullptr,
                             nullptr, nullptr, &marker);
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(seen.lpCreateParams, &marker);
  EXPECT_EQ(seen.x, 3);
  EXPECT_EQ(seen.y, 4);
  EXPECT_EQ(seen.cx, 50);
  EXPECT_EQ(seen.cy, 60);
  EXPECT_EQ(seen.style, static_cast<LONG>(WS_POPUP));
  EXPECT_EQ(seen.dwExStyle, WS_EX_TOOLWINDOW);
  EXPECT_EQ(std::u16string(seen.lpszName), u"Name");
}

TEST_F(WindowTest, VisibleChildNotifiesItsParentAndShows) {
  HWND top = Create(WS_OVERLAPPEDWINDOW);
  Name(top, "top");
  Take();
  HWND child = CreateChild(top, 7);
  Name(child, "child");
  EXPECT_EQ(TakeNames({WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE, WM_PARENTNOTIFY, WM_SHOWWINDOW,
                       WM_WINDOWPOSCHANGED}),
            (Lines{"WM_NCCREATE child", "WM_CREATE child", "WM_SIZE child", "WM_MOVE child",
                   "WM_PARENTNOTIFY top", "WM_SHOWWINDOW child", "WM_WINDOWPOSCHANGED child"}));
  EXPECT_TRUE(IsWindowVisible(child) == FALSE);  // its parent is hidden
  EXPECT_EQ(GetDlgItem(top, 7), child);
  EXPECT_EQ(GetDlgCtrlID(child), 7);
}

TEST_F(WindowTest, NoParentNotifyStyleIsRespected) {
  HWND top = Create(WS_OVERLAPPEDWINDOW);
  Take();
  Create(WS_CHILD, top, 1, WS_EX_NOPARENTNOTIFY);
  EXPECT_TRUE(Take({WM_PARENTNOTIFY}).empty());
}

struct RefusalRow {
  UINT message;
  LRESULT answer;
};

class CreationRefusal : public WindowTest, public testing::WithParamInterface<RefusalRow> {};

TEST_P(CreationRefusal, DestroysTheWindowAndReturnsNull) {
  RefusalRow row = GetParam();
  HWND refused = nullptr;
  handler_ = [&](HWND w, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == row.message) {
      refused = w;
      return row.answer;
    }
    return std::nullopt;
  };
  EXPECT_EQ(Create(), nullptr);
  ASSERT_NE(refused, nullptr);
  EXPECT_FALSE(IsWindow(refused));
  auto seen = Take({WM_DESTROY, WM_NCDESTROY});
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back().message, static_cast<UINT>(WM_NCDESTROY));
}

INSTANTIATE_TEST_SUITE_P(Rows, CreationRefusal,
                         testing::Values(RefusalRow{WM_CREATE, -1}, RefusalRow{WM_NCCREATE, FALSE}));

TEST_F(WindowTest, UnknownClassAndOrphanChildFail) {
  SetLastError(0);
  EXPECT_EQ(CreateWindowExW(0, u"NoSuchClass", u"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                            nullptr),
            nullptr);
  EXPECT_EQ(GetLastError(), ERROR_CANNOT_FIND_WND_CLASS);
  EXPECT_EQ(Create(WS_CHILD, nullptr), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_TLW_WITH_WSCHILD);
}

TEST_F(WindowTest, SecondRegistrationFails) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.lpszClassName = u"vestralinotestwindow";  // names ignore case
  EXPECT_EQ(RegisterClassW(&wc), 0);
  EXPECT_EQ(GetLastError(), ERROR_CLASS_ALREADY_EXISTS);
}

TEST_F(WindowTest, DestroyingAParentOrdersDestroyAndNcDestroy) {
  HWND top = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND a = CreateChild(top, 1);
  HWND a1 = CreateChild(a, 11);
  HWND b = CreateChild(top, 2);
  HWND owned = Create(WS_POPUP, top);
  Name(top, "top");
  Name(a, "a");
  Name(a1, "a1");
  Name(b, "b");
  Name(owned, "owned");
  Take();
  ASSERT_TRUE(DestroyWindow(top));
  EXPECT_EQ(TakeNames({WM_DESTROY, WM_NCDESTROY}),
            (Lines{"WM_DESTROY owned", "WM_NCDESTROY owned", "WM_DESTROY top", "WM_DESTROY a",
                   "WM_DESTROY a1", "WM_DESTROY b", "WM_NCDESTROY a1", "WM_NCDESTROY a",
                   "WM_NCDESTROY b", "WM_NCDESTROY top"}));
  for (HWND gone : {top, a, a1, b, owned}) EXPECT_FALSE(IsWindow(gone));
  EXPECT_EQ(GetActiveWindow(), nullptr);
}

TEST_F(WindowTest, ChildDestructionNotifiesParent) {
  HWND top = Create();
  HWND child = CreateChild(top, 9);
  Take();
  DestroyWindow(child);
  auto notes = Take({WM_PARENTNOTIFY});
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(LOWORD(notes[0].wparam), WM_DESTROY);
  EXPECT_EQ(HIWORD(notes[0].wparam), 9);
  EXPECT_EQ(GetWindow(top, GW_CHILD), nullptr);
}

TEST_F(WindowTest, WindowDestroyedInsideItsOwnHandlerIsSafe) {
  HWND top = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  handler_ = [](HWND w, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_USER) {
      DestroyWindow(w);
      DestroyWindow(w);  // a second time: already dead
      return 5;
    }
    return std::nullopt;
  };
  EXPECT_EQ(SendMessageW(top, WM_USER, 0, 0), 5);
  EXPECT_FALSE(IsWindow(top));
  PostMessageW(top, WM_USER, 0, 0);
  Pump();
}

TEST_F(WindowTest, DestroyDuringDestroyOfAChildIsSafe) {
  HWND top = Create();
  HWND a = CreateChild(top, 1);
  HWND b = CreateChild(top, 2);
  handler_ = [&](HWND w, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_DESTROY && w == a) DestroyWindow(b);
    return std::nullopt;
  };
  EXPECT_TRUE(DestroyWindow(top));
  EXPECT_FALSE(IsWindow(b));
}

TEST_F(WindowTest, WindowsDoNotLeak) {
  HWND top = Create();
  for (int i = 0; i < 50; ++i) CreateChild(top, i);
  DestroyWindow(top);
  MSG msg;
  PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);  // lets the dead records go
  EXPECT_EQ(platform::user::LiveWindowCount(), 0);
}

}  // namespace
