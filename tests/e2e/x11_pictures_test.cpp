// What the X server shows is what the program drew: a picture of each X window (its client
// area) equals, pixel for pixel, the client part of the headless display's capture of the
// same window in the same state.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cstdint>
#include <sstream>
#include <string>
#include <thread>
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

// The part of a picture at (left, top), `size` big.
std::vector<std::uint32_t> Part(const platform::gdi::PngImage& picture, int left, int top,
                                const XGeometry& size) {
  std::vector<std::uint32_t> part;
  if (left < 0 || top < 0 || left + size.width > picture.width ||
      top + size.height > picture.height) {
    return part;
  }
  for (int y = 0; y < size.height; ++y) {
    for (int x = 0; x < size.width; ++x) {
      part.push_back(picture.pixels[static_cast<std::size_t>(top + y) * picture.width + left + x] &
                     0xFFFFFF);
    }
  }
  return part;
}

// The client part of a capture of a window alone (frame included: equal sides and bottom,
// the caption on top) whose client area is `client` big.
std::vector<std::uint32_t> ClientPart(const platform::gdi::PngImage& capture,
                                      const XGeometry& client) {
  const int side = (capture.width - client.width) / 2;
  const int top = capture.height - client.height - side;
  return Part(capture, side, top, client);
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

platform::gdi::PngImage HeadlessCapture(const std::vector<std::string>& before,
                                        const std::vector<std::string>& after,
                                        const std::string& log) {
  Sandbox box;
  if (!log.empty()) box.SetLog(log);
  const std::string file = box.dir() + "/capture.png";
  std::vector<std::string> script = before;
  script.push_back("capture " + file);
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
    const platform::gdi::PngImage capture = HeadlessCapture({}, c.headless_end, c.log);
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

// The drop-down calendar is a window of its own on X (override-redirect, no frame); the
// headless capture shows it over the dialog, where the transcript places it.
TEST_F(X11Pictures, TheDroppedCalendarAsTheHeadlessDisplayCapturesIt) {
  if (!testing_support::OnPath("import")) GTEST_SKIP() << "ImageMagick's import is missing";
  Sandbox headless;
  const std::string file = headless.dir() + "/capture.png";
  auto captured = headless.Run(kToday, {"key F4", "capture " + file, "key Escape",
                                        "press Cancelar"});
  platform::gdi::PngImage capture;
  ASSERT_TRUE(platform::gdi::ReadPng(file, &capture)) << captured.err;
  testing_support::Json dialog_line, calendar_line;
  for (const auto& line : captured.transcript) {
    if (line["class"].str() == "#32770") dialog_line = line;
    if (line["class"].str() == "SysMonthCal32") calendar_line = line;
  }
  ASSERT_FALSE(calendar_line.is_null()) << "no calendar in the headless run";
  // The capture's origin is the dialog's (the calendar drops below it, inside the picture).
  const int left = static_cast<int>(calendar_line["left"].number() - dialog_line["left"].number());
  const int top = static_cast<int>(calendar_line["top"].number() - dialog_line["top"].number());

  Sandbox box;
  XRun run(server(), box, kToday);
  const std::string dialog = run.WaitForWindow("Vestralino");
  ASSERT_FALSE(dialog.empty());
  run.Keys(dialog, {"F4"});
  ASSERT_TRUE(run.WaitForTranscriptWindow("SysMonthCal32").has_value());
  // The calendar's X window: the other mapped child of the root, as big as the calendar.
  const XGeometry size{0, 0,
                       static_cast<int>(calendar_line["right"].number() -
                                        calendar_line["left"].number()),
                       static_cast<int>(calendar_line["bottom"].number() -
                                        calendar_line["top"].number())};
  std::string calendar;
  for (int attempt = 0; attempt < 100 && calendar.empty(); ++attempt) {
    std::istringstream ids(
        server().Tool({"xdotool", "search", "--onlyvisible", "--maxdepth", "1", "--name", ""}).out);
    for (std::string id; std::getline(ids, id);) {
      auto g = run.Geometry(id);
      if (id != dialog && g && g->width == size.width && g->height == size.height) calendar = id;
    }
    if (calendar.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ASSERT_FALSE(calendar.empty()) << "no calendar window " << size.width << "x" << size.height;
  const std::vector<std::uint32_t> shown = run.Picture(calendar, size);
  const std::vector<std::uint32_t> drawn = Part(capture, left, top, size);
  ASSERT_FALSE(shown.empty());
  ASSERT_FALSE(drawn.empty());
  EXPECT_TRUE(shown == drawn) << FirstDifference(shown, drawn, size.width);
  run.Keys(dialog, {"Escape", "alt+F4"});
  run.Finish();
}

// A window covered by another and uncovered again is drawn again (Expose), as it was.
TEST_F(X11Pictures, UncoveredTheDialogIsDrawnAgain) {
  if (!testing_support::OnPath("import") || !testing_support::OnPath("xmessage")) {
    GTEST_SKIP() << "ImageMagick's import or xmessage is missing";
  }
  Sandbox box;
  XRun run(server(), box, kToday);
  const std::string dialog = run.WaitForWindow("Vestralino");
  ASSERT_FALSE(dialog.empty());
  auto client = run.Geometry(dialog);
  ASSERT_TRUE(client.has_value());
  const std::vector<std::uint32_t> before = run.Picture(dialog, *client);
  ASSERT_FALSE(before.empty());
  {
    // xmessage over the whole dialog, then gone.
    testing_support::ChildOptions options;
    options.environment = {"DISPLAY=" + server().display()};
    const std::string geometry = std::to_string(client->width + 40) + "x" +
                                 std::to_string(client->height + 40) + "+" +
                                 std::to_string(client->x - 20) + "+" +
                                 std::to_string(client->y - 20);
    testing_support::Child cover({"timeout", "-s", "KILL", "10", "xmessage", "-geometry", geometry,
                                  "covering"},
                                 options);
    bool covered = false;
    for (int attempt = 0; attempt < 250 && !covered; ++attempt) {
      covered = !server().Tool({"xdotool", "search", "--onlyvisible", "--class", "Xmessage"})
                     .out.empty();
      if (!covered) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ASSERT_TRUE(covered) << "xmessage did not come up";
    ASSERT_NE(run.Picture(dialog, *client), before) << "the cover does not cover";
    kill(cover.pid(), SIGTERM);
    cover.Wait();
  }
  std::vector<std::uint32_t> after;
  for (int attempt = 0; attempt < 100 && after != before; ++attempt) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    after = run.Picture(dialog, *client);
  }
  EXPECT_TRUE(after == before) << FirstDifference(after, before, client->width);
  run.Keys(dialog, {"alt+F4"});
  run.Finish();
}

}  // namespace
