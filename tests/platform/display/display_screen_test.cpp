// The display's screen (size, work area, resolution) is what GDI and the window system use.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/display/display_session.h"
#include "platform/win32.h"

namespace platform {
namespace {

class HighDpiScreen : public DisplayDriver {
 public:
  DisplayKind kind() const override { return DisplayKind::kHeadless; }
  int RunMessageBox(const MessageBoxRequest&) override { return 0; }
  SIZE ScreenSize() const override { return SIZE{1280, 800}; }
  RECT WorkArea() const override { return RECT{0, 30, 1280, 800}; }
  int Dpi() const override { return 192; }
};

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

TEST(DisplayScreenTest, GdiAndTheWindowSystemTakeTheDisplaysScreen) {
  setenv("VESTRALINO_DISPLAY", "headless", 1);
  UseDisplayDriver(std::make_unique<HighDpiScreen>());
  EXPECT_EQ(ScreenDpi(), 192);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
  RECT area{};
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0));
  EXPECT_EQ(area.top, 30);
  EXPECT_EQ(area.bottom, 800);
  // Message boxes and captions: 8 points at the screen's resolution.
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
  EXPECT_EQ(metrics.lfMessageFont.lfHeight, -21);
  ResetDisplaySession();
  EXPECT_EQ(ScreenDpi(), 96);  // the next display's, made on first use
  metrics.cbSize = sizeof metrics;
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
  EXPECT_EQ(metrics.lfMessageFont.lfHeight, -11);
  ResetDisplaySession();
  unsetenv("VESTRALINO_DISPLAY");
}

}  // namespace
}  // namespace platform
