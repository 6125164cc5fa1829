// What the X server shows is what the program drew: a picture of each X window (its client
// area) equals, pixel for pixel, the client part of the headless display's capture of the
// same window in the same state.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gdi/png_writer.h"
#include "tests/support/vestralino_sandbox.h"
#include "tests/support/x_display_test.h"

namespace {

using testing_support::Sandbox;
using testing_support::XGeometry;
using testing_support::XRun;

using X11Pictures = testing_support::XDisplayTest;

constexpr char kToday[] = "2026-12-05 10:00:00";

// The client part of a capture of a window alone (frame included: equal sides and bottom,
// the caption on top) whose client area is `client` big.
std::vector<std::uint32_t> ClientPart(const platform::gdi::PngImage& capture,
                                      const XGeometry& client) {
  const int side = (capture.width - client.width) / 2;
  const int top = capture.height - client.height - side;
  std::vector<std::uint32_t> part;
  if (side < 0 || top < 0) return part;
  for (int y = 0; y < client.height; ++y) {
    for (int x = 0; x < client.width; ++x) {
      part.push_back(capture.pixels[static_cast<std::size_t>(top + y) * capture.width + side + x] &
                     0xFFFFFF);
    }
  }
  return part;
}

// The first differing pixel, for the failure message.
std::string FirstDifference(const std::vector<std::uint32_t>& a,
                            const std::vector<std::uint32_t>& b, int width) {
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    if (a[i] != b[i]) {
      char text[96];
      std::snprintf(text, sizeof text, "(%d, %d): X %06X, headless %06X",
                    static_cast<int>(i % width), static_cast<int>(i / width), a[i], b[i]);
      return text;
    }
  }
  return "sizes differ";
}

platform::gdi::PngImage HeadlessCapture(const std::vector<std::string>& after,
                                        const std::string& log) {
  Sandbox box;
  if (!log.empty()) box.SetLog(log);
  const std::string file = box.dir() + "/capture.png";
  std::vector<std::string> script = {"capture " + file};
  script.insert(script.end(), after.begin(), after.end());
  auto run = box.Run(kToday, script);
  platform::gdi::PngImage image;
  EXPECT_TRUE(platform::gdi::ReadPng(file, &image)) << run.err;
  return image;
}

TEST_F(X11Pictures, TheDialogAndTheQuestionAsTheHeadlessDisplayCapturesThem) {
  if (!testing_support::OnPath("import")) GTEST_SKIP() << "ImageMagick's import is missing";
  const struct {
    const char* title;
    std::string log;
    std::vector<std::string> headless_end;
    std::vector<std::string> x_end;
  } cases[] = {
      {"Vestralino", "", {"press Cancelar"}, {"alt+F4"}},
      {"Varovozodoz", testing_support::LogRecord("01/12/2026", "01/12/2026"), {"answer no"},
       {"n"}},
  };
  for (const auto& c : cases) {
    const platform::gdi::PngImage capture = HeadlessCapture(c.headless_end, c.log);
    ASSERT_GT(capture.width, 0) << c.title;

    Sandbox box;
    if (!c.log.empty()) box.SetLog(c.log);
    XRun run(server(), box, kToday);
    const std::string window = run.WaitForWindow(c.title);
    ASSERT_FALSE(window.empty()) << c.title;
    auto client = run.Geometry(window);
    ASSERT_TRUE(client.has_value()) << c.title;
    const std::vector<std::uint32_t> shown = run.Picture(window, *client);
    const std::vector<std::uint32_t> drawn = ClientPart(capture, *client);
    ASSERT_EQ(shown.size(), static_cast<std::size_t>(client->width) * client->height)
        << c.title << ": no picture of the X window";
    EXPECT_TRUE(shown == drawn) << c.title << ": " << FirstDifference(shown, drawn, client->width);
    run.Keys(window, c.x_end);
    run.Finish();
  }
}

}  // namespace
