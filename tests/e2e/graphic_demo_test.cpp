// The graphic engine's example program driven headless by a script: it opens its window,
// moves the ball with the arrow keys, is captured (the picture in the README) and ends
// on Escape, or by itself when the script is used up and the window is asked to close.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gdi/png_writer.h"
#include "tests/platform/gdi/golden.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::ChildOptions;
using testing_support::ChildResult;
using testing_support::RunChild;
using testing_support::TempDir;

ChildResult RunDemo(const TempDir& dir, const std::vector<std::string>& script) {
  std::string lines;
  for (const std::string& line : script) lines += line + "\n";
  testing_support::WriteBytes(dir / "script.txt", lines);
  ChildOptions options;
  options.environment = {"VESTRALINO_DISPLAY=headless", "VESTRALINO_SCRIPT=" + (dir / "script.txt")};
  return RunChild({GRAPHIC_DEMO_BINARY}, options);
}

TEST(GraphicDemo, ArrowsMoveTheBallAndTheCaptureMatchesThePicture) {
  TempDir dir;
  const std::string picture = dir / "demo.png";
  const ChildResult run = RunDemo(dir, {"key Right", "key Right", "key Down", "key Left",
                                        "capture " + picture, "key Escape"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  platform::gdi::PngImage image;
  ASSERT_TRUE(platform::gdi::ReadPng(picture, &image)) << run.err;
  for (auto& pixel : image.pixels) pixel &= 0xFFFFFF;
  platform::gdi::PixelSurface surface;
  surface.origin = image.pixels.data();
  surface.stride = image.width;
  surface.width = image.width;
  surface.height = image.height;
  EXPECT_TRUE(platform::gdi::testing::MatchesGolden(surface, "graphic_demo"));
}

TEST(GraphicDemo, EndsWhenTheScriptIsUsedUp) {
  TempDir dir;
  const ChildResult run = RunDemo(dir, {"key Up"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
}

}  // namespace
