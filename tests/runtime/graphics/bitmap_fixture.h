// Memory bitmaps and graphic windows for the engine's tests: the surface fixture's
// display and fonts, with a check that each test gives back every record and GDI object
// it took, and a few helpers to fill and read whole surfaces.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "platform/gdi/gdi_object.h"
#include "runtime/dialogs/record_list.h"
#include "runtime/graphics/bitmap_operations.h"
#include "runtime/graphics/memory_bitmaps.h"
#include "tests/runtime/graphics/surface_fixture.h"

namespace runtime::testing {

class BitmapTest : public SurfaceTest {
 protected:
  void SetUp() override {
    SurfaceTest::SetUp();
    // Font 1's handle is made on first use and kept: made here, so the count sees only
    // what the test itself takes.
    if (HBITMAP warm = make_bitmap(1, 1)) end_bitmap(warm);
    set_graphic_target(nullptr);
    records_before_ = record_count();
    objects_before_ = platform::gdi::LiveObjectCount();
  }
  void TearDown() override {
    set_graphic_target(nullptr);
    if (dialog_ != nullptr) DestroyWindow(dialog_);
    dialog_ = nullptr;
    EXPECT_EQ(record_count(), records_before_) << "a record was left in the list";
    EXPECT_EQ(platform::gdi::LiveObjectCount(), objects_before_) << "a GDI object leaked";
    SurfaceTest::TearDown();
  }

  // Pixels of the current target, rows from the top.
  static std::vector<std::uint32_t> TargetPixels() {
    const SIZE size = target_bitmap_size();
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size.cx) * size.cy);
    EXPECT_TRUE(read_pixels(pixels));
    return pixels;
  }
  // Random colours from a fixed seed.
  static std::vector<std::uint32_t> RandomPixels(std::size_t count, unsigned seed = 7) {
    std::mt19937 random(seed);
    std::vector<std::uint32_t> pixels(count);
    for (std::uint32_t& p : pixels) p = random() & 0xFFFFFF;
    return pixels;
  }

  std::size_t records_before_ = 0;
  int objects_before_ = 0;
};

}  // namespace runtime::testing
