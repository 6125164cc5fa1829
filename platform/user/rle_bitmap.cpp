// Each code is two bytes. A non-zero first byte is a run: that many pixels of the second
// byte (RLE4: its two nibbles in turn). A zero first byte is an escape by the second:
// 0 ends the row, 1 ends the image, 2 moves right and up by the next two bytes, and n >= 3
// copies n pixels literally from the bytes that follow, padded to a 16-bit boundary.
#include "platform/user/rle_bitmap.h"

#include <cstdint>

namespace platform {
namespace {

class RleCanvas {
 public:
  RleCanvas(int width, int height, int depth, std::size_t stride)
      : width_(width), height_(height), depth_(depth), stride_(stride),
        bits_(stride * static_cast<std::size_t>(height)) {}

  // Pixels outside the image are dropped: a run may overshoot its row.
  void Put(int value) {
    if (x_ < width_ && y_ < height_) {
      BYTE* row = bits_.data() + static_cast<std::size_t>(y_) * stride_;
      if (depth_ == 8) {
        row[x_] = static_cast<BYTE>(value);
      } else {
        BYTE& pair = row[x_ / 2];
        pair = (x_ % 2 == 0) ? static_cast<BYTE>((pair & 0x0F) | (value << 4))
                             : static_cast<BYTE>((pair & 0xF0) | (value & 0x0F));
      }
    }
    if (x_ < width_) ++x_;  // stays at the edge: the rest of a long run changes nothing
  }
  void NextRow() {
    x_ = 0;
    if (y_ < height_) ++y_;
  }
  void Move(int dx, int dy) {
    x_ = x_ + dx < width_ ? x_ + dx : width_;
    y_ = y_ + dy < height_ ? y_ + dy : height_;
  }
  std::vector<BYTE> Take() { return std::move(bits_); }

 private:
  int width_, height_, depth_;
  std::size_t stride_;
  std::vector<BYTE> bits_;
  int x_ = 0, y_ = 0;  // y counts rows from the bottom, as the bits are stored
};

}  // namespace

std::optional<std::vector<BYTE>> DecodeRle(const BYTE* runs, std::size_t size, int width,
                                           int height, int depth) {
  if ((depth != 8 && depth != 4) || width <= 0 || height <= 0) return std::nullopt;
  const std::size_t stride = (static_cast<std::size_t>(width) * depth + 31) / 32 * 4;
  const std::size_t bytes = stride * static_cast<std::size_t>(height);
  if (bytes > (std::size_t{1} << 20) && bytes / kMaxRleExpansion > size) return std::nullopt;

  RleCanvas canvas(width, height, depth, stride);
  std::size_t at = 0;
  while (at + 2 <= size) {
    const int first = runs[at], second = runs[at + 1];
    at += 2;
    if (first != 0) {
      for (int i = 0; i < first; ++i) {
        canvas.Put(depth == 8 ? second : (i % 2 == 0 ? second >> 4 : second & 0x0F));
      }
      continue;
    }
    switch (second) {
      case 0:
        canvas.NextRow();
        break;
      case 1:
        return canvas.Take();
      case 2:
        if (at + 2 > size) return std::nullopt;
        canvas.Move(runs[at], runs[at + 1]);
        at += 2;
        break;
      default: {
        const std::size_t literal = depth == 8 ? second : (second + 1) / 2;
        const std::size_t padded = literal + (literal & 1);
        if (at + padded > size) return std::nullopt;
        for (int i = 0; i < second; ++i) {
          canvas.Put(depth == 8 ? runs[at + i]
                                : (i % 2 == 0 ? runs[at + i / 2] >> 4 : runs[at + i / 2] & 0x0F));
        }
        at += padded;
        break;
      }
    }
  }
  return std::nullopt;  // no end-of-bitmap mark before the runs ran out
}

}  // namespace platform
