// Memory bitmaps: their records, the target rule, the set-up they share with graphic
// controls, and making, loading and ending that fail cleanly.
#include <string>

#include "runtime/graphics/bmp_file.h"
#include "tests/runtime/graphics/bitmap_fixture.h"
#include "tests/support/temp_dir.h"

namespace runtime::testing {
namespace {

using MemoryBitmaps = BitmapTest;

TEST_F(MemoryBitmaps, ABitmapIsASurfaceRegisteredUnderItsHandle) {
  HBITMAP bitmap = make_bitmap(7, 5);
  ASSERT_NE(bitmap, nullptr);
  const DialogState* record = find_record(reinterpret_cast<HWND>(bitmap));
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->kind, kind::kMemoryBitmap);
  EXPECT_EQ(record->parent, nullptr);
  EXPECT_EQ(record->flags, 0x10000000u | 0x200u | USES_PIXELS);
  EXPECT_EQ(GetCurrentObject(record->graphic.memory_dc, OBJ_BITMAP), bitmap);
  EXPECT_EQ(bitmap_size(bitmap).cx, 7);
  EXPECT_EQ(bitmap_size(bitmap).cy, 5);
  EXPECT_EQ(record->graphic.visible_size.cx, 7);
  EXPECT_EQ(GetTextAlign(record->graphic.memory_dc) & TA_UPDATECP, TA_UPDATECP);
  EXPECT_EQ(GetBkMode(record->graphic.memory_dc), OPAQUE);
  // Filled with the default background, like a graphic control.
  EXPECT_EQ(GetPixel(record->graphic.memory_dc, 6, 4), GetSysColor(COLOR_BTNFACE));
  EXPECT_TRUE(end_bitmap(bitmap));
}

TEST_F(MemoryBitmaps, OnlyAThreadWithoutATargetTakesTheNewBitmapAsItsTarget) {
  HBITMAP first = make_bitmap(2, 2);
  EXPECT_EQ(graphic_target(), reinterpret_cast<HWND>(first));
  HBITMAP second = make_bitmap(2, 2);
  EXPECT_EQ(graphic_target(), reinterpret_cast<HWND>(first));
  EXPECT_TRUE(end_bitmap(first));
  EXPECT_EQ(graphic_target(), nullptr) << "ending the target leaves the thread without one";
  set_graphic_target(reinterpret_cast<HWND>(second));
  EXPECT_TRUE(end_bitmap(second));
  EXPECT_FALSE(end_bitmap(second)) << "already ended";
}

TEST_F(MemoryBitmaps, SizesThatCannotBeMadeGiveZeroAndLeaveNothing) {
  const struct {
    int width, height;
  } rows[] = {{0, 5}, {5, 0}, {-1, 5}, {5, -3}, {INT32_MIN, INT32_MIN}, {1 << 20, 1 << 20},
              {INT32_MAX, 2}};
  for (const auto& row : rows) {
    EXPECT_EQ(make_bitmap(row.width, row.height), nullptr) << row.width << " x " << row.height;
  }
  EXPECT_EQ(graphic_target(), nullptr);
}

TEST_F(MemoryBitmaps, HandlesThatNameNoBitmapAreRefused) {
  EXPECT_FALSE(end_bitmap(nullptr));
  HBITMAP plain = CreateBitmap(2, 2, 1, 32, nullptr);  // a bitmap, but not the engine's
  EXPECT_FALSE(end_bitmap(plain));
  EXPECT_EQ(bitmap_size(plain).cx, 0);
  DeleteObject(plain);
  MakeSurface(4, 4);  // a graphic control is a surface, not a memory bitmap
  EXPECT_FALSE(end_bitmap(reinterpret_cast<HBITMAP>(control_)));
}

TEST_F(MemoryBitmaps, ALoadedPictureKeepsItsColourTable) {
  // 3 x 1 at one bit per pixel, colour table {red, blue}: a monochrome bitmap would take
  // the target's colours instead.
  const std::vector<BYTE> file = {
      'B', 'M', 66, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0,                       // file header
      40, 0, 0, 0, 3, 0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // info header
      0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0,
      0, 0, 0xFF, 0, 0xFF, 0, 0, 0,  // red, blue
      0xA0, 0, 0, 0};                // blue, red, blue
  testing_support::TempDir dir;
  const std::string path = dir / "two_colours.bmp";
  const std::u16string wide(path.begin(), path.end());
  ASSERT_TRUE(write_whole_file(wide.c_str(), file));
  HBITMAP bitmap = load_bitmap(wide.c_str());
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(bitmap_size(bitmap).cx, 3);
  set_graphic_target(reinterpret_cast<HWND>(bitmap));
  EXPECT_EQ(TargetPixels(), (std::vector<std::uint32_t>{0x0000FF, 0xFF0000, 0x0000FF}));
  EXPECT_TRUE(end_bitmap(bitmap));
}

TEST_F(MemoryBitmaps, FilesThatDoNotLoadGiveZero) {
  testing_support::TempDir dir;
  const std::string bad = dir.path() + "/bad.bmp";
  std::vector<BYTE> truncated = new_bmp_file(4, 4, 24);
  truncated.resize(truncated.size() - 1);
  const std::u16string wide_bad(bad.begin(), bad.end());
  ASSERT_TRUE(write_whole_file(wide_bad.c_str(), truncated));
  EXPECT_EQ(load_bitmap(wide_bad.c_str()), nullptr);
  EXPECT_EQ(load_bitmap(u"/no/such/folder/picture.bmp"), nullptr);
  EXPECT_EQ(load_bitmap(nullptr), nullptr);
}

}  // namespace
}  // namespace runtime::testing
