// A window driven by the headless script: keys, typing, clicks, close requests, captures,
// and the transcript's window line.
#include <gtest/gtest.h>

#include "platform/gdi/png_writer.h"
#include "tests/platform/user/window_test_fixture.h"

namespace {

class HeadlessWindowTest : public WindowTest {
 protected:
  // A visible top-level window with two child "controls" and a message loop that runs
  // until the window is gone (or a bound of rounds).
  HWND ShowMainWindow() {
    HWND top = Create(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, nullptr, 0,
                      WS_EX_DLGMODALFRAME, RECT{100, 80, 340, 220}, u"Vestralino");
    ok_ = Create(WS_CHILD | WS_VISIBLE, top, IDOK, 0, RECT{20, 60, 95, 83}, u"&Aceptar");
    cancel_ = Create(WS_CHILD | WS_VISIBLE, top, IDCANCEL, 0, RECT{110, 60, 185, 83}, u"Cancelar");
    return top;
  }
  void RunUntilGone(HWND top) {
    MSG msg;
    for (int i = 0; i < 10000 && IsWindow(top); ++i) {
      if (GetMessageW(&msg, nullptr, 0, 0) <= 0) break;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  HWND ok_ = nullptr;
  HWND cancel_ = nullptr;
};

TEST_F(HeadlessWindowTest, TypedTextArrivesAsKeysAndCharacters) {
  UseScript("type aB\xc3\xb1\nkey Enter\nclose\n");
  HWND top = ShowMainWindow();
  SetFocus(top);
  Take();
  RunUntilGone(top);
  std::u16string typed;
  std::vector<UINT> keys;
  for (const SeenMessage& m : Take({WM_CHAR, WM_KEYDOWN})) {
    if (m.message == WM_CHAR) typed += static_cast<char16_t>(m.wparam);
    if (m.message == WM_KEYDOWN) keys.push_back(static_cast<UINT>(m.wparam));
  }
  EXPECT_EQ(typed, u"aB\u00f1\r");
  EXPECT_EQ(keys, (std::vector<UINT>{'A', VK_SHIFT, 'B', 0xE7, VK_RETURN}));
}

TEST_F(HeadlessWindowTest, KeyLParamCarriesScanCodeAndTransitions) {
  UseScript("key Tab\nkey Alt+F4\n");
  HWND top = ShowMainWindow();
  SetFocus(top);
  Take();
  RunUntilGone(top);
  auto keys = Take({WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_SYSCOMMAND});
  ASSERT_GE(keys.size(), 5u);
  EXPECT_EQ(keys[0].message, WM_KEYDOWN);
  EXPECT_EQ(static_cast<DWORD>(keys[0].lparam), 0x000F0001u);  // Tab: scan 0x0F, once
  EXPECT_EQ(keys[1].message, WM_KEYUP);
  EXPECT_EQ(static_cast<DWORD>(keys[1].lparam), 0xC00F0001u);
  EXPECT_EQ(keys[2].message, WM_SYSKEYDOWN);  // Alt
  EXPECT_EQ(keys[3].message, WM_SYSKEYDOWN);  // F4 with Alt: context bit
  EXPECT_EQ(keys[3].wparam, static_cast<WPARAM>(VK_F4));
  EXPECT_EQ(static_cast<DWORD>(keys[3].lparam), 0x203E0001u);
  EXPECT_EQ(keys[4].message, WM_SYSCOMMAND);  // Alt+F4 closes
  EXPECT_EQ(keys[4].wparam, SC_CLOSE);
  EXPECT_FALSE(IsWindow(top));
}

TEST_F(HeadlessWindowTest, PressAndClickHitTheControlsCentre) {
  UseScript("press aceptar\nclick 2\npress Nothing\n");
  HWND top = ShowMainWindow();
  Name(ok_, "ok");
  Name(cancel_, "cancel");
  Take();
  RunUntilGone(top);
  auto lines = TakeNames({WM_LBUTTONDOWN, WM_LBUTTONUP});
  EXPECT_EQ(lines, (std::vector<std::string>{"WM_LBUTTONDOWN ok", "WM_LBUTTONUP ok",
                                             "WM_LBUTTONDOWN cancel", "WM_LBUTTONUP cancel"}));
}

TEST_F(HeadlessWindowTest, UsedUpScriptClosesTheWindowEvenIfItRefuses) {
  UseScript("");
  HWND top = ShowMainWindow();
  handler_ = [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_CLOSE) return 0;  // refuses to close
    return std::nullopt;
  };
  RunUntilGone(top);
  EXPECT_FALSE(IsWindow(top));
  EXPECT_GE(Take({WM_CLOSE}).size(), 3u);
  MSG msg;
  EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), FALSE);  // no window left: WM_QUIT, no hang
}

TEST_F(HeadlessWindowTest, CaptureWritesTheActiveWindowWithItsFrame) {
  std::string file = std::getenv("KEEP_PNG") ? std::string("/tmp/window.png") : std::string(dir_ / "window.png");
  UseScript("capture " + file + "\nclose\n");
  HWND top = ShowMainWindow();
  RunUntilGone(top);
  platform::gdi::PngImage image;
  ASSERT_TRUE(platform::gdi::ReadPng(file, &image));
  EXPECT_EQ(image.width, 240);
  EXPECT_EQ(image.height, 140);
  auto at = [&](int x, int y) { return image.pixels[y * image.width + x] & 0xFFFFFF; };
  COLORREF caption = GetSysColor(COLOR_ACTIVECAPTION);
  EXPECT_EQ(at(3, 19), (GetRValue(caption) << 16u) | (GetGValue(caption) << 8u) | GetBValue(caption));
  EXPECT_EQ(at(1, 1), 0xFFFFFFu);        // the frame's highlight
  EXPECT_EQ(at(120, 100), 0xFFFFFFu);    // the client area, COLOR_WINDOW
  auto lines = Transcript();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0]["event"].str(), "window");
  EXPECT_EQ(lines[0]["caption"].str(), "Vestralino");
  ASSERT_EQ(lines[0]["controls"].items().size(), 2u);
  EXPECT_EQ(lines[0]["controls"][0]["text"].str(), "&Aceptar");
  EXPECT_EQ(lines[0]["controls"][0]["id"].number(), IDOK);
  EXPECT_EQ(lines[0]["controls"][0]["left"].number(), 20);
  EXPECT_EQ(lines[0]["controls"][0]["bottom"].number(), 83);
  EXPECT_EQ(lines[1]["event"].str(), "capture");
  EXPECT_TRUE(lines[1]["written"].boolean());
}

}  // namespace

namespace {

TEST_F(WindowTest, HiddenWindowsAloneDoNotKeepAWaitingThreadForever) {
  UseScript("");
  HWND hidden = Create(WS_OVERLAPPEDWINDOW);
  MSG msg;
  EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), FALSE);
  EXPECT_TRUE(IsWindow(hidden));
}

}  // namespace
