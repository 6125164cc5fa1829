// Sending and posting: order, filters, subclassing, ANSI and wide procedures, quitting.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/platform/user/window_test_fixture.h"

namespace {

TEST_F(WindowTest, SendRunsAtOncePostWaitsForTheLoop) {
  HWND top = Create();
  Take();
  PostMessageW(top, WM_USER + 1, 0, 0);
  EXPECT_EQ(SendMessageW(top, WM_USER + 2, 0, 0), 0);
  auto seen = Take({WM_USER + 1, WM_USER + 2});
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].message, WM_USER + 2u);
  Pump();
  seen = Take({WM_USER + 1});
  ASSERT_EQ(seen.size(), 1u);
}

TEST_F(WindowTest, PeekHonoursWindowRangeAndRemoveFlags) {
  HWND a = Create();
  HWND b = Create();
  PostMessageW(a, WM_USER + 1, 1, 0);
  PostMessageW(b, WM_USER + 2, 2, 0);
  PostThreadMessageW(GetCurrentThreadId(), WM_USER + 3, 3, 0);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, b, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.message, WM_USER + 2u);
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_USER + 3, WM_USER + 3, PM_REMOVE));
  EXPECT_EQ(msg.hwnd, nullptr);
  EXPECT_EQ(msg.wParam, 3u);
  ASSERT_TRUE(PeekMessageW(&msg, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE) == FALSE);
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_USER + 1u);
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_USER + 2u);
}

TEST_F(WindowTest, QuitComesAfterPostedMessages) {
  HWND top = Create();
  PostQuitMessage(7);
  PostMessageW(top, WM_USER, 0, 0);
  MSG msg;
  EXPECT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, WM_USER);
  EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, WM_QUIT);
  EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(WindowTest, MessagesToADeadWindowGoNowhere) {
  HWND top = Create();
  PostMessageW(top, WM_USER, 0, 0);
  DestroyWindow(top);
  Take();
  Pump();
  EXPECT_TRUE(Take({WM_USER}).empty());
  SetLastError(0);
  EXPECT_FALSE(PostMessageW(top, WM_USER, 0, 0));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  MSG msg{top, WM_USER, 0, 0, 0, {}};
  EXPECT_EQ(DispatchMessageW(&msg), 0);
}

WNDPROC original_procedure = nullptr;
LRESULT Subclass(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_USER) return 42;
  return CallWindowProcW(original_procedure, window, message, wparam, lparam);
}

TEST_F(WindowTest, SubclassingSeesFirstAndPassesOn) {
  HWND top = Create();
  original_procedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(top, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Subclass)));
  ASSERT_NE(original_procedure, nullptr);
  Take();
  EXPECT_EQ(SendMessageW(top, WM_USER, 0, 0), 42);
  EXPECT_TRUE(Take({WM_USER}).empty());
  EXPECT_TRUE(SetWindowTextW(top, u"Changed"));
  EXPECT_EQ(Take({WM_SETTEXT}).size(), 1u);  // passed on to the class procedure
  EXPECT_EQ(GetWindowLongPtrW(top, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(Subclass));
}

// An ANSI procedure sees ANSI text whoever sends.
std::string ansi_seen;
LRESULT AnsiProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_SETTEXT) ansi_seen = reinterpret_cast<const char*>(lparam);
  if (message == WM_GETTEXT) {
    const char text[] = "caf\xc3\xa9";
    std::size_t n = std::min<std::size_t>(wparam - 1, std::strlen(text));
    std::memcpy(reinterpret_cast<char*>(lparam), text, n);
    reinterpret_cast<char*>(lparam)[n] = '\0';
    return static_cast<LRESULT>(n);
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

TEST_F(WindowTest, AnsiProceduresGetAnsiTextAndAnswerWideCallers) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = AnsiProcedure;
  wc.lpszClassName = "VestralinoAnsiWindow";
  ASSERT_NE(RegisterClassA(&wc), 0);
  HWND w = CreateWindowExW(0, u"VestralinoAnsiWindow", u"x", WS_POPUP, 0, 0, 10, 10, nullptr,
                           nullptr, nullptr, nullptr);
  ASSERT_NE(w, nullptr);
  EXPECT_FALSE(IsWindowUnicode(w));
  SetWindowTextW(w, u"se\u00f1or");
  EXPECT_EQ(ansi_seen, "se\xc3\xb1or");
  WCHAR wide[16];
  EXPECT_EQ(GetWindowTextW(w, wide, 16), 4);
  EXPECT_EQ(std::u16string(wide), u"caf\u00e9");
  DestroyWindow(w);
  UnregisterClassA("VestralinoAnsiWindow", nullptr);
}

TEST_F(WindowTest, WideWindowsAnswerAnsiCallers) {
  HWND top = Create();
  EXPECT_TRUE(SetWindowTextA(top, "Se\xc3\xb1or"));
  WCHAR wide[16];
  GetWindowTextW(top, wide, 16);
  EXPECT_EQ(std::u16string(wide), u"Se\u00f1or");
  char ansi[16];
  EXPECT_EQ(GetWindowTextLengthA(top), 6);
  EXPECT_EQ(GetWindowTextA(top, ansi, 16), 6);
  EXPECT_STREQ(ansi, "Se\xc3\xb1or");
  EXPECT_EQ(GetWindowTextA(top, ansi, 3), 2);  // truncated and terminated
  EXPECT_STREQ(ansi, "Se");
}

TEST_F(WindowTest, DialogItemNumbers) {
  HWND top = Create();
  CreateChild(top, 5);
  struct Row {
    const WCHAR* text;
    BOOL is_signed;
    UINT value;
    BOOL translated;
  };
  const Row rows[] = {
      {u"123", FALSE, 123, TRUE},        {u"  -45 ", TRUE, static_cast<UINT>(-45), TRUE},
      {u"-45", FALSE, 0, FALSE},          {u"12a", TRUE, 0, FALSE},
      {u"", TRUE, 0, FALSE},              {u"4294967295", FALSE, 4294967295u, TRUE},
      {u"4294967296", FALSE, 0, FALSE},   {u"2147483648", TRUE, 0, FALSE},
      {u"-2147483648", TRUE, 0x80000000u, TRUE},
  };
  for (const Row& row : rows) {
    SetDlgItemTextW(top, 5, row.text);
    BOOL translated = 2;
    EXPECT_EQ(GetDlgItemInt(top, 5, &translated, row.is_signed), row.value);
    EXPECT_EQ(translated, row.translated);
  }
  SetDlgItemInt(top, 5, static_cast<UINT>(-7), TRUE);
  WCHAR text[8];
  GetDlgItemTextW(top, 5, text, 8);
  EXPECT_EQ(std::u16string(text), u"-7");
}

}  // namespace
