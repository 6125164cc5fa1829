// The x11 display against a real X server (Xvfb), watched through a second connection.
#include "platform/display/x11/x11_driver.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tests/platform/display/xvfb_server.h"

namespace platform::x11 {
namespace {

HWND Handle(int n) { return reinterpret_cast<HWND>(static_cast<std::intptr_t>(0x1000 + n)); }

// A dialog at 100,100, 100 x 60, with a 3-pixel frame and a 19-pixel caption.
TopLevelWindowInfo Dialog(HWND window, HWND owner = nullptr) {
  TopLevelWindowInfo info;
  info.window = window;
  info.owner = owner;
  info.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  info.rect = RECT{100, 100, 200, 160};
  info.client = RECT{103, 122, 197, 157};
  info.title = "Día ñ";
  return info;
}

// The window's bitmap: the frame red, each client pixel its own colour.
struct WindowBits {
  std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(100 * 60, 0xFF0000);
  WindowBits() {
    for (int y = 22; y < 57; ++y) {
      for (int x = 3; x < 97; ++x) pixels[y * 100 + x] = ClientPixel(x - 3, y - 22);
    }
  }
  static std::uint32_t ClientPixel(int x, int y) { return static_cast<std::uint32_t>(x << 12 | y << 2 | 0x40); }
  gdi::PixelSurface Surface() {
    return gdi::PixelSurface{pixels.data(), 100, 100, 60};
  }
};

class Watcher {
 public:
  Watcher() : c_(xcb_connect(nullptr, nullptr)) {}
  ~Watcher() { xcb_disconnect(c_); }
  xcb_connection_t* get() { return c_; }
  xcb_window_t root() { return xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root; }

  xcb_atom_t Atom(const char* name) {
    auto* reply = xcb_intern_atom_reply(c_, xcb_intern_atom(c_, 0, std::strlen(name), name), nullptr);
    xcb_atom_t atom = reply != nullptr ? reply->atom : 0;
    std::free(reply);
    return atom;
  }
  std::string Bytes(xcb_window_t w, xcb_atom_t property, xcb_atom_t* type = nullptr) {
    auto* reply = xcb_get_property_reply(
        c_, xcb_get_property(c_, 0, w, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1 << 20), nullptr);
    if (reply == nullptr) return {};
    std::string out(static_cast<const char*>(xcb_get_property_value(reply)),
                    xcb_get_property_value_length(reply));
    if (type != nullptr) *type = reply->type;
    std::free(reply);
    return out;
  }
  std::vector<std::uint32_t> Words(xcb_window_t w, xcb_atom_t property) {
    std::string bytes = Bytes(w, property);
    std::vector<std::uint32_t> words(bytes.size() / 4);
    if (!words.empty()) std::memcpy(words.data(), bytes.data(), words.size() * 4);
    return words;
  }
  bool Viewable(xcb_window_t w) {
    auto* reply = xcb_get_window_attributes_reply(c_, xcb_get_window_attributes(c_, w), nullptr);
    bool viewable = reply != nullptr && reply->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(reply);
    return viewable;
  }
  RECT Geometry(xcb_window_t w) {
    auto* reply = xcb_get_geometry_reply(c_, xcb_get_geometry(c_, w), nullptr);
    RECT r{};
    if (reply != nullptr) r = RECT{reply->x, reply->y, reply->x + reply->width, reply->y + reply->height};
    std::free(reply);
    return r;
  }
  std::vector<std::uint32_t> Image(xcb_window_t w, int width, int height) {
    auto* reply = xcb_get_image_reply(
        c_, xcb_get_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, w, 0, 0, width, height, ~0u), nullptr);
    std::vector<std::uint32_t> out;
    if (reply != nullptr) {
      const auto* data = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(reply));
      for (int i = 0; i < width * height; ++i) out.push_back(data[i] & 0xFFFFFF);
    }
    std::free(reply);
    return out;
  }
  xcb_window_t Focus() {
    auto* reply = xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr);
    xcb_window_t w = reply != nullptr ? reply->focus : 0;
    std::free(reply);
    return w;
  }

 private:
  xcb_connection_t* c_;
};

class X11DriverTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!server_.running()) GTEST_SKIP() << "Xvfb is not available";
  }
  // A driver on the test's server; null when it cannot connect.
  std::unique_ptr<X11Driver> MakeDriver() {
    std::unique_ptr<X11Connection> connection = X11Connection::Open();
    return connection ? std::make_unique<X11Driver>(std::move(connection)) : nullptr;
  }
  // Shows and paints the dialog, then lets the driver present it as when the program
  // waits for input.
  void ShowDialog(X11Driver& driver, const TopLevelWindowInfo& info) {
    driver.WindowShown(info);
    driver.WindowActivated(info.window);
    driver.WindowPainted(info.window, RECT{0, 0, 100, 60}, bits_.Surface());
    InputEvent ignored;
    while (driver.PollInput(&ignored)) {
    }
  }
  // Polls (waiting in between) until an event of `kind` comes; false after ~2 s.
  bool AwaitInput(X11Driver& driver, InputKind kind, InputEvent* event, int rounds = 40) {
    for (int i = 0; i < rounds; ++i) {
      while (driver.PollInput(event)) {
        if (event->kind == kind) return true;
      }
      driver.WaitForInput(50);
    }
    return false;
  }

  XvfbServer server_;
  WindowBits bits_;
};

TEST_F(X11DriverTest, TheDialogIsMappedWithItsClientAreaInItsFirstFrame) {
  auto driver = MakeDriver();
  ASSERT_NE(driver, nullptr);
  TopLevelWindowInfo info = Dialog(Handle(1));
  driver->WindowShown(info);
  Watcher watch;
  xcb_window_t w = driver->XWindowOf(info.window);
  ASSERT_NE(w, 0u);
  EXPECT_FALSE(watch.Viewable(w)) << "nothing is mapped before it is painted";
  driver->WindowPainted(info.window, RECT{0, 0, 100, 60}, bits_.Surface());
  InputEvent event;
  driver->PollInput(&event);
  EXPECT_TRUE(watch.Viewable(w));
  RECT at = watch.Geometry(w);
  EXPECT_EQ(at.left, 103);  // the X window's origin is the client origin
  EXPECT_EQ(at.top, 122);
  EXPECT_EQ(at.right - at.left, 94);
  EXPECT_EQ(at.bottom - at.top, 35);
  std::vector<std::uint32_t> shown = watch.Image(w, 94, 35);
  ASSERT_EQ(shown.size(), 94u * 35);
  for (int y = 0; y < 35; ++y) {
    for (int x = 0; x < 94; ++x) {
      ASSERT_EQ(shown[y * 94 + x], WindowBits::ClientPixel(x, y)) << x << "," << y;
    }
  }
}

TEST_F(X11DriverTest, DamagedPixelsFollowAndExposeIsRepaintedFromTheKeptPixels) {
  auto driver = MakeDriver();
  ASSERT_NE(driver, nullptr);
  TopLevelWindowInfo info = Dialog(Handle(1));
  ShowDialog(*driver, info);
  for (int y = 30; y < 40; ++y) {
    for (int x = 10; x < 20; ++x) bits_.pixels[y * 100 + x] = 0x00FF00;
  }
  bits_.pixels[0] = 0x0000FF;  // the frame: never shown
  driver->WindowPainted(info.window, RECT{10, 30, 20, 40}, bits_.Surface());
  InputEvent event;
  driver->PollInput(&event);
  Watcher watch;
  xcb_window_t w = driver->XWindowOf(info.window);
  std::vector<std::uint32_t> shown = watch.Image(w, 94, 35);
  ASSERT_EQ(shown.size(), 94u * 35);
  EXPECT_EQ(shown[(30 - 22) * 94 + (10 - 3)], 0x00FF00u);
  EXPECT_EQ(shown[(39 - 22) * 94 + (19 - 3)], 0x00FF00u);
  EXPECT_EQ(shown[0], WindowBits::ClientPixel(0, 0));
  // A window mapped over it and gone again: the server asks, the kept pixels answer.
  xcb_window_t cover = xcb_generate_id(watch.get());
  const std::uint32_t values[] = {0x123456, 1};
  xcb_create_window(watch.get(), XCB_COPY_FROM_PARENT, cover, watch.root(), 90, 110, 200, 100, 0,
                    XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT,
                    XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, values);
  xcb_map_window(watch.get(), cover);
  xcb_destroy_window(watch.get(), cover);
  std::free(xcb_get_input_focus_reply(watch.get(), xcb_get_input_focus(watch.get()), nullptr));
  for (int i = 0; i < 5; ++i) {
    while (driver->PollInput(&event)) {
    }
    driver->WaitForInput(20);
  }
  shown = watch.Image(w, 94, 35);
  ASSERT_EQ(shown.size(), 94u * 35);
  EXPECT_EQ(shown[(30 - 22) * 94 + (10 - 3)], 0x00FF00u);
  EXPECT_EQ(shown[34 * 94 + 93], WindowBits::ClientPixel(93, 34));
}

TEST_F(X11DriverTest, LargeWindowsArriveWholeThroughSharedMemory) {
  auto driver = MakeDriver();
  ASSERT_NE(driver, nullptr);
  TopLevelWindowInfo info = Dialog(Handle(1));
  info.rect = RECT{0, 0, 400, 300};
  info.client = RECT{3, 22, 397, 297};  // 394 x 275 x 4 bytes: past the plain-put size
  driver->WindowShown(info);
  std::vector<std::uint32_t> pixels(400 * 300);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint32_t>(i * 40503u) & 0xFFFFFF;
  driver->WindowPainted(info.window, RECT{0, 0, 400, 300}, gdi::PixelSurface{pixels.data(), 400, 400, 300});
  InputEvent event;
  driver->PollInput(&event);
  for (int y = 100; y < 110; ++y) pixels[y * 400 + 50] = 0xABCDEF;  // a small change after it
  driver->WindowPainted(info.window, RECT{50, 100, 51, 110}, gdi::PixelSurface{pixels.data(), 400, 400, 300});
  driver->PollInput(&event);
  Watcher watch;
  std::vector<std::uint32_t> shown = watch.Image(driver->XWindowOf(info.window), 394, 275);
  ASSERT_EQ(shown.size(), 394u * 275);
  for (int y = 0; y < 275; ++y) {
    for (int x = 0; x < 394; ++x) ASSERT_EQ(shown[y * 394 + x], pixels[(y + 22) * 400 + x + 3]) << x << "," << y;
  }
}

TEST_F(X11DriverTest, PropertiesNameTheProgramAndItsDialog) {
  auto driver = MakeDriver();
  ASSERT_NE(driver, nullptr);
  TopLevelWindowInfo dialog = Dialog(Handle(1));
  ShowDialog(*driver, dialog);
  TopLevelWindowInfo box = Dialog(Handle(2), dialog.window);
  box.message_box = true;
  box.title = "Err: ";
  ShowDialog(*driver, box);
  Watcher watch;
  xcb_window_t w = driver->XWindowOf(dialog.window);
  xcb_window_t b = driver->XWindowOf(box.window);
  xcb_atom_t type = 0;
  EXPECT_EQ(watch.Bytes(w, watch.Atom("_NET_WM_NAME"), &type), "Día ñ");
  EXPECT_EQ(type, watch.Atom("UTF8_STRING"));
  EXPECT_EQ(watch.Bytes(w, XCB_ATOM_WM_NAME), "Día ñ");
  EXPECT_EQ(watch.Bytes(b, XCB_ATOM_WM_NAME, &type), "Err: ");
  EXPECT_EQ(type, XCB_ATOM_STRING);
  EXPECT_EQ(watch.Bytes(w, XCB_ATOM_WM_CLASS), std::string("vestralino\0Vestralino\0", 22));
  EXPECT_EQ(watch.Words(w, watch.Atom("_NET_WM_PID")),
            std::vector<std::uint32_t>{static_cast<std::uint32_t>(getpid())});
  EXPECT_EQ(watch.Words(w, watch.Atom("_NET_WM_WINDOW_TYPE")),
            std::vector<std::uint32_t>{watch.Atom("_NET_WM_WINDOW_TYPE_DIALOG")});
  EXPECT_EQ(watch.Words(w, watch.Atom("WM_PROTOCOLS")),
            std::vector<std::uint32_t>{watch.Atom("WM_DELETE_WINDOW")});
  std::vector<std::uint32_t> hints = watch.Words(w, XCB_ATOM_WM_NORMAL_HINTS);
  ASSERT_EQ(hints.size(), 18u);
  EXPECT_EQ(hints[5], 94u);  // minimum = maximum = the client size
  EXPECT_EQ(hints[6], 35u);
  EXPECT_EQ(hints[7], 94u);
  EXPECT_EQ(hints[8], 35u);
  EXPECT_TRUE(watch.Words(w, XCB_ATOM_WM_TRANSIENT_FOR).empty());
  EXPECT_EQ(watch.Words(b, XCB_ATOM_WM_TRANSIENT_FOR), std::vector<std::uint32_t>{w});
  // The icon follows the first frame, made on a thread of its own.
  std::vector<std::uint32_t> icon;
  InputEvent ignored;
  for (int i = 0; i < 100 && icon.empty(); ++i) {
    while (driver->PollInput(&ignored)) {
    }
    driver->WaitForInput(20);
    icon = watch.Words(w, watch.Atom("_NET_WM_ICON"));
  }
  ASSERT_GE(icon.size(), 2u);
  EXPECT_EQ(icon[0], 16u);
  EXPECT_EQ(icon.size(), 3u * 2 + 16 * 16 + 32 * 32 + 48 * 48);
}

TEST_F(X11DriverTest, TheActiveWindowGetsTheKeyboardAndFocusInActivates) {
  auto driver = MakeDriver();
  ASSERT_NE(driver, nullptr);
  TopLevelWindowInfo info = Dialog(Handle(1));
  driver->WindowShown(info);
  driver->WindowActivated(info.window);
  driver->WindowPainted(info.window, RECT{0, 0, 100, 60}, bits_.Surface());
  InputEvent event;
  ASSERT_TRUE(AwaitInput(*driver, InputKind::kFocusGained, &event));
  EXPECT_EQ(event.window, info.window);
  Watcher watch;
  EXPECT_EQ(watch.Focus(), driver->XWindowOf(info.window));
  xcb_set_input_focus(watch.get(), XCB_INPUT_FOCUS_POINTER_ROOT, watch.root(), XCB_CURRENT_TIME);
  xcb_flush(watch.get());
  ASSERT_TRUE(AwaitInput(*driver, InputKind::kFocusLost, &event));
  EXPECT_EQ(event.window, info.window);
}

TEST_F(X11DriverTest, ADisabledOwnerPassesTheKeyboardToItsBox) {
  auto driver = MakeDriver();
  ASSERT_NE(driver, nullptr);
  TopLevelWindowInfo dialog = Dialog(Handle(1));
  ShowDialog(*driver, dialog);
  TopLevelWindowInfo box = Dialog(Handle(2), dialog.window);
  ShowDialog(*driver, box);
  dialog.style |= WS_DISABLED;
  driver->WindowChanged(dialog);
  InputEvent event;
  while (AwaitInput(*driver, InputKind::kFocusGained, &event, 5)) {
  }  // the box's own focus events first
  Watcher watch;
  xcb_set_input_focus(watch.get(), XCB_INPUT_FOCUS_PARENT, driver->XWindowOf(dialog.window),
                      XCB_CURRENT_TIME);
  xcb_flush(watch.get());
  AwaitInput(*driver, InputKind::kFocusGained, &event);  // the box's, once it has the keyboard
  EXPECT_EQ(watch.Focus(), driver->XWindowOf(box.window));
}

TEST_F(X11DriverTest, APopupIsLeftAloneByTheWindowManagerAndTakesOutsideClicks) {
  auto driver = MakeDriver();
  ASSERT_NE(driver, nullptr);
  TopLevelWindowInfo dialog = Dialog(Handle(1));
  ShowDialog(*driver, dialog);
  TopLevelWindowInfo popup = Dialog(Handle(2), dialog.window);
  popup.style = WS_POPUP | WS_BORDER;
  ShowDialog(*driver, popup);
  Watcher watch;
  xcb_window_t p = driver->XWindowOf(popup.window);
  auto* attributes = xcb_get_window_attributes_reply(watch.get(), xcb_get_window_attributes(watch.get(), p), nullptr);
  ASSERT_NE(attributes, nullptr);
  EXPECT_TRUE(attributes->override_redirect);
  std::free(attributes);
  EXPECT_EQ(watch.Geometry(p).left, 100);  // shown whole, border included
  // The pointer is grabbed: another client cannot take it while the pop-up is up.
  auto* grab = xcb_grab_pointer_reply(
      watch.get(), xcb_grab_pointer(watch.get(), 0, watch.root(), XCB_EVENT_MASK_BUTTON_PRESS,
                                    XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC, XCB_NONE, XCB_NONE,
                                    XCB_CURRENT_TIME),
      nullptr);
  ASSERT_NE(grab, nullptr);
  EXPECT_EQ(grab->status, XCB_GRAB_STATUS_ALREADY_GRABBED);
  std::free(grab);
}

TEST_F(X11DriverTest, DeleteWindowMessageAndSigtermAreCloseRequests) {
  auto driver = MakeDriver();
  ASSERT_NE(driver, nullptr);
  TopLevelWindowInfo info = Dialog(Handle(1));
  ShowDialog(*driver, info);
  Watcher watch;
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = driver->XWindowOf(info.window);
  message.type = watch.Atom("WM_PROTOCOLS");
  message.data.data32[0] = watch.Atom("WM_DELETE_WINDOW");
  xcb_send_event(watch.get(), 0, message.window, XCB_EVENT_MASK_NO_EVENT,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(watch.get());
  InputEvent event;
  ASSERT_TRUE(AwaitInput(*driver, InputKind::kCloseRequest, &event));
  EXPECT_EQ(event.window, info.window);
  raise(SIGTERM);
  ASSERT_TRUE(AwaitInput(*driver, InputKind::kCloseRequest, &event));
  EXPECT_EQ(event.window, nullptr);  // the active window's
  // Then the pass ends as when input runs out: nothing waits for an answer any more.
  EXPECT_TRUE(driver->InputEnded());
  ASSERT_TRUE(AwaitInput(*driver, InputKind::kScriptEnded, &event));
}

TEST_F(X11DriverTest, MouseEventsBecomeScreenPoints) {
  auto driver = MakeDriver();
  ASSERT_NE(driver, nullptr);
  TopLevelWindowInfo info = Dialog(Handle(1));
  ShowDialog(*driver, info);
  Watcher watch;
  xcb_button_press_event_t press{};
  press.response_type = XCB_BUTTON_PRESS;
  press.detail = 1;
  press.event = driver->XWindowOf(info.window);
  press.event_x = 5;
  press.event_y = 7;
  xcb_send_event(watch.get(), 0, press.event, XCB_EVENT_MASK_BUTTON_PRESS,
                 reinterpret_cast<const char*>(&press));
  press.detail = 5;  // a wheel notch towards the user
  xcb_send_event(watch.get(), 0, press.event, XCB_EVENT_MASK_BUTTON_PRESS,
                 reinterpret_cast<const char*>(&press));
  xcb_flush(watch.get());
  InputEvent event;
  ASSERT_TRUE(AwaitInput(*driver, InputKind::kMouseDown, &event));
  EXPECT_EQ(event.button, MouseButton::kLeft);
  EXPECT_EQ(event.point.x, 103 + 5);
  EXPECT_EQ(event.point.y, 122 + 7);
  ASSERT_TRUE(AwaitInput(*driver, InputKind::kMouseWheel, &event));
  EXPECT_EQ(event.wheel_delta, -120);
}

TEST_F(X11DriverTest, ScreenFactsComeFromTheRootWindow) {
  {
    Watcher watch;
    const char resources[] = "Xft.antialias:\t1\nXft.dpi:\t192\n";
    xcb_change_property(watch.get(), XCB_PROP_MODE_REPLACE, watch.root(), XCB_ATOM_RESOURCE_MANAGER,
                        XCB_ATOM_STRING, 8, sizeof resources - 1, resources);
    const std::uint32_t area[] = {0, 24, 640, 456};
    xcb_change_property(watch.get(), XCB_PROP_MODE_REPLACE, watch.root(), watch.Atom("_NET_WORKAREA"),
                        XCB_ATOM_CARDINAL, 32, 4, area);
    std::free(xcb_get_input_focus_reply(watch.get(), xcb_get_input_focus(watch.get()), nullptr));
  }
  auto driver = MakeDriver();
  ASSERT_NE(driver, nullptr);
  EXPECT_EQ(driver->Dpi(), 192);
  EXPECT_EQ(driver->ScreenSize().cx, 640);
  EXPECT_EQ(driver->ScreenSize().cy, 480);
  RECT area = driver->WorkArea();
  EXPECT_EQ(area.top, 24);
  EXPECT_EQ(area.bottom, 480);
  EXPECT_EQ(area.right, 640);
}

TEST_F(X11DriverTest, ADisplayThatGoesAwayEndsThePassWithOneLine) {
  auto driver = MakeDriver();
  ASSERT_NE(driver, nullptr);
  TopLevelWindowInfo info = Dialog(Handle(1));
  ShowDialog(*driver, info);
  server_.Stop();
  testing::internal::CaptureStderr();
  InputEvent event;
  bool ended = AwaitInput(*driver, InputKind::kScriptEnded, &event);
  driver->WindowShown(Dialog(Handle(2)));  // nothing breaks afterwards
  driver->WindowPainted(Handle(1), RECT{0, 0, 100, 60}, bits_.Surface());
  driver->PollInput(&event);
  std::string said = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(ended);
  EXPECT_TRUE(driver->InputEnded());
  EXPECT_EQ(said, "vestralino: the X display went away; closing\n");
}

TEST_F(X11DriverTest, NoDisplayNoConnection) {
  setenv("DISPLAY", ":987", 1);
  EXPECT_EQ(X11Connection::Open(), nullptr);
  unsetenv("DISPLAY");
  EXPECT_EQ(X11Connection::Open(), nullptr);
}

}  // namespace
}  // namespace platform::x11
