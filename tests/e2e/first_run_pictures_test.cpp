// What a first run shows, as pictures: the start-day dialog closed and with its calendar
// dropped down, captured from the real program and compared with the stored images.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gdi/png_writer.h"
#include "tests/platform/gdi/golden.h"
#include "tests/support/vestralino_sandbox.h"

namespace {

using testing_support::RunOutcome;
using testing_support::Sandbox;

platform::gdi::PngImage Captured(const std::vector<std::string>& keys) {
  Sandbox box;
  const std::string picture = box.dir() + "/capture.png";
  std::vector<std::string> script = keys;
  script.push_back("capture " + picture);
  script.push_back("key Escape");
  script.push_back("press Cancelar");
  RunOutcome run = box.Run("2026-12-05 10:00:00", script, {"LANG=es_ES.UTF-8"});
  platform::gdi::PngImage image;
  EXPECT_TRUE(platform::gdi::ReadPng(picture, &image)) << run.err;
  return image;
}

TEST(FirstRunPictures, StartDayDialogClosedAndDroppedDown) {
  const struct {
    std::vector<std::string> keys;
    const char* golden;
  } cases[] = {
      {{}, "start_day_dialog"},
      {{"key F4"}, "start_day_dialog_dropped"},
  };
  for (const auto& c : cases) {
    platform::gdi::PngImage image = Captured(c.keys);
    ASSERT_GT(image.width, 0) << c.golden;
    for (auto& pixel : image.pixels) pixel &= 0xFFFFFF;
    platform::gdi::PixelSurface surface;
    surface.origin = image.pixels.data();
    surface.stride = image.width;
    surface.width = image.width;
    surface.height = image.height;
    EXPECT_TRUE(platform::gdi::testing::MatchesGolden(surface, c.golden)) << c.golden;
  }
}

}  // namespace
