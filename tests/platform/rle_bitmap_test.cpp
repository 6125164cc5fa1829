// Run-length encoded DIB bits: random images encoded the plain way (runs, literals, end
// of row, end of image over blank rows) decode to the same rows, for both depths.
#include <cstdint>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "platform/user/rle_bitmap.h"

namespace {

using Image = std::vector<std::vector<int>>;  // rows from the bottom, pixel indexes

// The uncompressed DIB rows of the image: the obviously right side.
std::vector<BYTE> Packed(const Image& image, int width, int depth) {
  const std::size_t stride = (static_cast<std::size_t>(width) * depth + 31) / 32 * 4;
  std::vector<BYTE> bits(stride * image.size());
  for (std::size_t y = 0; y < image.size(); ++y) {
    for (int x = 0; x < width; ++x) {
      BYTE& b = bits[y * stride + (depth == 8 ? x : x / 2)];
      const int v = image[y][x];
      if (depth == 8) b = static_cast<BYTE>(v);
      else b |= static_cast<BYTE>(x % 2 == 0 ? v << 4 : v);
    }
  }
  return bits;
}

// Encodes a row as runs of one value (RLE4: a run of one nibble repeated) and literal
// stretches where values change; rows of zeros at the top are left to the end mark.
std::vector<BYTE> Encode(const Image& image, int width, int depth, std::mt19937& random) {
  std::vector<BYTE> out;
  for (std::size_t y = 0; y < image.size(); ++y) {
    const auto& row = image[y];
    bool blank_rest = true;
    for (std::size_t r = y; r < image.size(); ++r)
      for (int v : image[r]) blank_rest = blank_rest && v == 0;
    if (blank_rest) break;
    int x = 0;
    while (x < width) {
      int same = 1;
      while (x + same < width && row[x + same] == row[x] && same < 255) ++same;
      if (same >= 3 || width - x < 3 || random() % 2 == 0) {
        out.push_back(static_cast<BYTE>(same));
        out.push_back(static_cast<BYTE>(depth == 8 ? row[x] : row[x] * 17));
        x += same;
      } else {
        const int n = std::min(width - x, 3 + static_cast<int>(random() % 5));
        out.push_back(0);
        out.push_back(static_cast<BYTE>(n));
        std::vector<BYTE> literal;
        for (int i = 0; i < n; ++i) {
          if (depth == 8) literal.push_back(static_cast<BYTE>(row[x + i]));
          else if (i % 2 == 0) literal.push_back(static_cast<BYTE>(row[x + i] << 4));
          else literal.back() |= static_cast<BYTE>(row[x + i]);
        }
        if (literal.size() % 2 != 0) literal.push_back(0);
        out.insert(out.end(), literal.begin(), literal.end());
        x += n;
      }
    }
    out.push_back(0);
    out.push_back(0);  // end of row
  }
  out.push_back(0);
  out.push_back(1);  // end of image
  return out;
}

TEST(RleBitmap, RandomImagesDecodeToTheirRows) {
  std::mt19937 random(20261207);
  for (int round = 0; round < 400; ++round) {
    const int depth = round % 2 == 0 ? 8 : 4;
    const int width = 1 + static_cast<int>(random() % 40);
    const int height = 1 + static_cast<int>(random() % 8);
    const int values = depth == 8 ? 256 : 16;
    Image image(static_cast<std::size_t>(height), std::vector<int>(static_cast<std::size_t>(width)));
    const int blank_from = static_cast<int>(random() % (height + 1));
    for (int y = 0; y < blank_from; ++y) {
      for (int x = 0; x < width; ++x) {
        // Long stretches of one value with changes now and then, so both codes occur.
        image[y][x] = x > 0 && random() % 4 != 0 ? image[y][x - 1] : static_cast<int>(random() % values);
      }
    }
    const std::vector<BYTE> runs = Encode(image, width, depth, random);
    const auto decoded = platform::DecodeRle(runs.data(), runs.size(), width, height, depth);
    ASSERT_TRUE(decoded.has_value()) << "round " << round;
    EXPECT_EQ(*decoded, Packed(image, width, depth)) << "round " << round << ", " << width << " x "
                                                     << height << " at " << depth;
  }
}

TEST(RleBitmap, EveryCutOfAStreamFailsOrStaysInside) {
  const std::vector<BYTE> runs = {3, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 1, 0, 2, 3, 0, 1};
  for (std::size_t n = 0; n < runs.size(); ++n) {
    EXPECT_FALSE(platform::DecodeRle(runs.data(), n, 5, 3, 8).has_value()) << n;
  }
  EXPECT_TRUE(platform::DecodeRle(runs.data(), runs.size(), 5, 3, 8).has_value());
}

}  // namespace
