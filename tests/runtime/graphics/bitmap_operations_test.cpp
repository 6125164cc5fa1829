// Bitmap operations on the current target: pixels in bulk, copies and stretches (golden
// images of tiny surfaces), and BMP files that read back identical.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <tuple>
#include <string>

#include <gmock/gmock.h>

#include "platform/gdi/gdi_object.h"
#include "runtime/graphics/bmp_file.h"
#include "tests/platform/gdi/golden.h"
#include "tests/runtime/graphics/bitmap_fixture.h"
#include "tests/support/temp_dir.h"

namespace runtime::testing {
namespace {

using platform::gdi::testing::MatchesGolden;
using BitmapOperations = BitmapTest;

HWND Key(HBITMAP bitmap) { return reinterpret_cast<HWND>(bitmap); }

std::uint32_t AsPixel(COLORREF c) {
  return (std::uint32_t{GetRValue(c)} << 16) | (std::uint32_t{GetGValue(c)} << 8) | GetBValue(c);
}

std::u16string Wide(const std::string& path) { return std::u16string(path.begin(), path.end()); }

// A 4 x 3 picture of four coloured quadrants with a white first column, for copying.
HBITMAP Quadrants() {
  HBITMAP bitmap = make_bitmap(4, 3);
  set_graphic_target(Key(bitmap));
  const std::uint32_t r = 0xFF0000, g = 0x00FF00, b = 0x0000FF, y = 0xFFFF00, w = 0xFFFFFF;
  const std::vector<std::uint32_t> pixels = {w, r, g, g,  //
                                             w, r, g, g,  //
                                             w, b, y, y};
  EXPECT_TRUE(write_pixels(pixels));
  return bitmap;
}

TEST_F(BitmapOperations, PixelsWrittenInBulkReadBackIdentical) {
  HBITMAP bitmap = make_bitmap(13, 7);
  const std::vector<std::uint32_t> pixels = RandomPixels(13 * 7);
  ASSERT_TRUE(write_pixels(pixels));
  EXPECT_EQ(TargetPixels(), pixels);
  // The top byte is not a colour: it is dropped.
  std::vector<std::uint32_t> marked = pixels;
  for (std::uint32_t& p : marked) p |= 0xAB000000u;
  ASSERT_TRUE(write_pixels(marked));
  EXPECT_EQ(TargetPixels(), pixels);
  end_bitmap(bitmap);
}

TEST_F(BitmapOperations, PixelBuffersTooSmallOrNoTargetChangeNothing) {
  std::vector<std::uint32_t> few(5, 0x123456);
  EXPECT_FALSE(read_pixels(few)) << "no target";
  EXPECT_FALSE(write_pixels(few));
  EXPECT_EQ(few, std::vector<std::uint32_t>(5, 0x123456));
  HBITMAP bitmap = make_bitmap(3, 2);
  EXPECT_FALSE(read_pixels(few));
  EXPECT_FALSE(write_pixels(few));
  EXPECT_EQ(TargetPixels(), std::vector<std::uint32_t>(6, AsPixel(GetSysColor(COLOR_BTNFACE))));
  end_bitmap(bitmap);
}

TEST_F(BitmapOperations, CopiesAndStretchesMatchTheirImages) {
  HBITMAP source = Quadrants();
  HBITMAP canvas = make_bitmap(16, 12);
  set_graphic_target(Key(canvas));
  struct Row {
    const char* name;
    void (*draw)(HBITMAP source);
  };
  const Row rows[] = {
      {"copy_whole_at_1_1", [](HBITMAP s) { copy_bitmap(s, 1, 1); }},
      {"copy_part_cut_to_source", [](HBITMAP s) { copy_bitmap_part(s, RECT{1, 1, 9, 9}, 10, 0); }},
      {"copy_past_the_edges", [](HBITMAP s) { copy_bitmap(s, -2, 10); copy_bitmap(s, 14, -1); }},
      {"stretch_to_12_by_9", [](HBITMAP s) { stretch_bitmap(s, 2, 2, 14, 11); }},
      {"stretch_mirrored_corners", [](HBITMAP s) { stretch_bitmap(s, 14, 11, 2, 2); }},
  };
  for (const Row& row : rows) {
    std::vector<std::uint32_t> black(16 * 12, 0);
    write_pixels(black);
    row.draw(source);
    EXPECT_TRUE(MatchesGolden(find_record(Key(canvas))->graphic.memory_dc, std::string("bitmap_") + row.name, 0))
        << row.name;
  }
  end_bitmap(canvas);
  end_bitmap(source);
}

TEST_F(BitmapOperations, CopyingNeedsABitmapAndATarget) {
  HBITMAP source = Quadrants();
  set_graphic_target(nullptr);
  EXPECT_FALSE(copy_bitmap(source, 0, 0)) << "no target";
  EXPECT_FALSE(stretch_bitmap(source, 0, 0, 5, 5));
  set_graphic_target(Key(source));
  EXPECT_FALSE(copy_bitmap(nullptr, 0, 0));
  HBITMAP plain = CreateBitmap(2, 2, 1, 32, nullptr);
  EXPECT_FALSE(copy_bitmap(plain, 0, 0)) << "a bitmap the engine did not make";
  DeleteObject(plain);
  EXPECT_TRUE(copy_bitmap(source, 1, 0)) << "onto itself";
  EXPECT_EQ(TargetPixels()[1], 0xFFFFFFu);
  end_bitmap(source);
}

TEST_F(BitmapOperations, ASavedBitmapReadsBackIdentical) {
  testing_support::TempDir dir;
  for (int depth : {24, 32}) {
    for (SIZE size : {SIZE{1, 1}, SIZE{5, 3}, SIZE{17, 9}}) {  // rows with and without padding
      HBITMAP bitmap = make_bitmap(size.cx, size.cy);
      set_graphic_target(Key(bitmap));
      const std::vector<std::uint32_t> pixels =
          RandomPixels(static_cast<std::size_t>(size.cx) * size.cy, static_cast<unsigned>(depth));
      write_pixels(pixels);
      const std::string path = dir / ("saved" + std::to_string(depth) + ".bmp");
      ASSERT_TRUE(save_bitmap(Wide(path).c_str(), depth));
      EXPECT_EQ(testing_support::ReadBytes(path).size(),
                kBmpHeaderBytes + bmp_row_bytes(size.cx, depth) * size.cy);

      HBITMAP loaded = load_bitmap(Wide(path).c_str());
      ASSERT_NE(loaded, nullptr);
      set_graphic_target(Key(loaded));
      EXPECT_EQ(TargetPixels(), pixels) << depth << " bpp, " << size.cx << " x " << size.cy;
      end_bitmap(loaded);
      end_bitmap(bitmap);
    }
  }
}

TEST_F(BitmapOperations, AStandardImageToolReadsTheFile) {
  if (std::system("command -v identify >/dev/null 2>&1") != 0) GTEST_SKIP() << "no ImageMagick";
  testing_support::TempDir dir;
  HBITMAP bitmap = make_bitmap(6, 4);
  write_pixels(RandomPixels(24));
  const std::string path = dir / "tool.bmp";
  ASSERT_TRUE(save_bitmap(Wide(path).c_str()));
  const std::string command = "identify -format '%m %w %h' " + path + " 2>&1";
  std::FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  char answer[128] = {};
  const std::size_t n = std::fread(answer, 1, sizeof answer - 1, pipe);
  pclose(pipe);
  // ImageMagick names files with a BITMAPINFOHEADER "BMP3".
  EXPECT_THAT(std::string(answer, n), ::testing::MatchesRegex("BMP3? 6 4"));
  end_bitmap(bitmap);
}

TEST_F(BitmapOperations, FilesThatCannotBeWrittenFailAndLeaveNothing) {
  testing_support::TempDir dir;
  HBITMAP bitmap = make_bitmap(3, 3);
  EXPECT_FALSE(save_bitmap(u"/no/such/folder/x.bmp"));
  EXPECT_FALSE(save_bitmap(Wide(dir.path()).c_str())) << "a folder";
  const std::string path = dir / "depth.bmp";
  EXPECT_FALSE(save_bitmap(Wide(path).c_str(), 16)) << "a depth not written";
  EXPECT_FALSE(testing_support::PathExists(path));
  if (testing_support::PathExists("/dev/full")) {
    EXPECT_FALSE(save_bitmap(u"/dev/full")) << "a full disk";
  }
  set_graphic_target(nullptr);
  EXPECT_FALSE(save_bitmap(Wide(dir / "none.bmp").c_str())) << "no target";
  end_bitmap(bitmap);
}

TEST(BmpFile, HeadersDescribeTheRows) {
  const struct {
    int width, height, depth;
    std::size_t row, total;
  } rows[] = {
      {1, 1, 24, 4, 58}, {3, 2, 24, 12, 78}, {4, 1, 24, 12, 66}, {5, 3, 32, 20, 114},
  };
  for (const auto& row : rows) {
    const std::vector<BYTE> file = new_bmp_file(row.width, row.height, row.depth);
    ASSERT_EQ(file.size(), row.total);
    EXPECT_EQ(bmp_row_bytes(row.width, row.depth), row.row);
    BITMAPFILEHEADER head{};
    BITMAPINFOHEADER info{};
    std::memcpy(&head, file.data(), sizeof head);
    std::memcpy(&info, file.data() + sizeof head, sizeof info);
    // The file header is packed: its fields are read by value, never bound by reference.
    const DWORD type = head.bfType, size = head.bfSize, offset = head.bfOffBits;
    EXPECT_EQ(type, 0x4D42u);
    EXPECT_EQ(size, row.total);
    EXPECT_EQ(offset, 54u);
    EXPECT_EQ(info.biSize, 40u);
    EXPECT_EQ(info.biWidth, row.width);
    EXPECT_EQ(info.biHeight, row.height);
    EXPECT_EQ(info.biBitCount, row.depth);
    EXPECT_EQ(info.biSizeImage, row.row * row.height);
  }
  for (auto [w, h, d] : {std::tuple{0, 1, 24}, {1, 0, 24}, {-1, 1, 24}, {2, 2, 16}, {2, 2, 8},
                         {1 << 16, 1 << 15, 32}}) {
    EXPECT_TRUE(new_bmp_file(w, h, d).empty()) << w << " " << h << " " << d;
  }
}

}  // namespace
}  // namespace runtime::testing
