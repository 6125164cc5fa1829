// The keyboard against a real X server (Xvfb): the US reading before the keymap is
// loaded, the server's keymap after, a keymap changed while running, and keys sent by
// xdotool to a focused window, dead keys and characters no key has included (xdotool
// maps a spare key code for those, which is no PC key: they come as VK_PACKET).
#include <gtest/gtest.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

#include "platform/display/x11/x11_keyboard.h"
#include "tests/platform/display/xvfb_server.h"

namespace {

using platform::KeyText;

struct ConnectionCloser {
  void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};

xcb_key_press_event_t KeyEvent(xcb_keycode_t code, std::uint16_t state) {
  xcb_key_press_event_t event{};
  event.response_type = XCB_KEY_PRESS;
  event.detail = code;
  event.state = state;
  return event;
}

bool HaveTool(const char* name) {
  return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

class X11KeyboardTest : public testing::Test {
 protected:
  void SetUp() override {
    SKIP_WITHOUT_XVFB(server_);
    connection_.reset(xcb_connect(nullptr, nullptr));
    if (xcb_connection_has_error(connection_.get())) GTEST_SKIP() << "no connection to Xvfb";
    keyboard_ = std::make_unique<platform::x11::X11Keyboard>(connection_.get());
  }
  void TearDown() override { keyboard_.reset(); }

  // A mapped window with the input focus, that hears keys.
  void FocusWindow() {
    xcb_connection_t* c = connection_.get();
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    xcb_window_t window = xcb_generate_id(c);
    std::uint32_t events =
        XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_KEY_RELEASE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 100, 100, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_EVENT_MASK,
                      &events);
    xcb_map_window(c, window);
    xcb_flush(c);
    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
      bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
      std::free(event);
      if (mapped) break;
    }
    xcb_set_input_focus(c, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));  // done
  }

  // What the keys arriving within `timeout` type: given text as is, a dead key as
  // "[accent]"; stops after `releases` key releases.
  std::string Typed(int releases, std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
    std::string typed;
    auto until = std::chrono::steady_clock::now() + timeout;
    while (releases > 0 && std::chrono::steady_clock::now() < until) {
      xcb_generic_event_t* event = xcb_poll_for_event(connection_.get());
      if (event == nullptr) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        continue;
      }
      std::uint8_t type = event->response_type & 0x7F;
      if (!keyboard_->HandleEvent(*event) && (type == XCB_KEY_PRESS || type == XCB_KEY_RELEASE)) {
        bool press = type == XCB_KEY_PRESS;
        for (const auto& e :
             keyboard_->Translate(*reinterpret_cast<xcb_key_press_event_t*>(event), press)) {
          if (e.key_text == KeyText::kDeadKey) typed += "[dead]";
          if (e.key_text == KeyText::kGiven) typed += e.text;
          if (e.virtual_key == 0 && press) typed += "[packet " + std::to_string(e.character) + "]";
        }
        if (!press) --releases;
      }
      std::free(event);
    }
    return typed;
  }

  // Runs a command on the test's server; text arguments are UTF-8 whatever other tests
  // left in the environment.
  int Run(const std::string& command) {
    return std::system(("LC_ALL=C.UTF-8 " + command + " >/dev/null 2>&1").c_str());
  }

  XvfbServer server_;
  std::unique_ptr<xcb_connection_t, ConnectionCloser> connection_;
  std::unique_ptr<platform::x11::X11Keyboard> keyboard_;
};

TEST_F(X11KeyboardTest, UsReadingUntilTheKeymapIsLoaded) {
  auto before = keyboard_->Translate(KeyEvent(38, 0x01), true);  // Shift+A
  ASSERT_EQ(before.size(), 1u);
  EXPECT_EQ(before[0].virtual_key, static_cast<UINT>('A'));
  EXPECT_EQ(before[0].text, "A");
  keyboard_->StartLoading();
  ASSERT_TRUE(keyboard_->WaitUntilLoaded(5000));
  auto after = keyboard_->Translate(KeyEvent(38, 0), true);
  ASSERT_EQ(after.size(), 1u);
  EXPECT_EQ(after[0].scan_code, 0x1Eu);
  EXPECT_EQ(after[0].text, "a");
}

TEST_F(X11KeyboardTest, XdotoolKeysReachAFocusedWindow) {
  if (!HaveTool("xdotool") || !HaveTool("setxkbmap")) GTEST_SKIP() << "no xdotool or setxkbmap";
  FocusWindow();
  keyboard_->StartLoading();
  ASSERT_TRUE(keyboard_->WaitUntilLoaded(5000));
  ASSERT_EQ(Run("xdotool key a shift+b"), 0);
  EXPECT_EQ(Typed(3), "aB");  // a, b and Shift are released

  // A Spanish keyboard from now on: the next key waits for the new keymap.
  ASSERT_EQ(Run("setxkbmap -layout es"), 0);
  ASSERT_EQ(Run("xdotool key dead_acute i"), 0);
  EXPECT_EQ(Typed(2), "[dead]\u00ED");
  ASSERT_EQ(Run("xdotool key ISO_Level3_Shift+2"), 0);
  EXPECT_EQ(Typed(2), "@");

  // A character no key types: xdotool maps a spare key to it for a moment (longer with a
  // longer delay: the test's machine may be busy), so the keys are read while it runs, as
  // the display does.
  std::thread typing([&] { Run("xdotool type --delay 300 '\u00ED'"); });
  std::string typed = Typed(1);
  typing.join();
  EXPECT_EQ(typed, "[packet 237]");  // í, as VK_PACKET
}

TEST_F(X11KeyboardTest, AHeldKeyRepeatsAsPressesAndOneRelease) {
  if (!HaveTool("xdotool")) GTEST_SKIP() << "no xdotool";
  FocusWindow();
  keyboard_->StartLoading();
  ASSERT_TRUE(keyboard_->WaitUntilLoaded(5000));
  ASSERT_EQ(Run("xdotool keydown a sleep 1.2 keyup a"), 0);
  int presses = 0;
  int releases = 0;
  while (xcb_generic_event_t* event = xcb_poll_for_event(connection_.get())) {
    std::uint8_t type = event->response_type & 0x7F;
    presses += type == XCB_KEY_PRESS;
    releases += type == XCB_KEY_RELEASE;
    std::free(event);
  }
  EXPECT_GT(presses, 1);  // the server's repeat: 660 ms, then 25 a second
  EXPECT_EQ(releases, 1);
}

}  // namespace
