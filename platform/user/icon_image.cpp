// Decoding and resampling of icon images.
#include "platform/user/icon_image.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace platform {
namespace {

constexpr int kMaxIconSide = 1024;

std::uint32_t Read32(const BYTE* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t Read16(const BYTE* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::unique_ptr<Icon> NewIcon(int width, int height) {
  auto icon = std::make_unique<Icon>();
  icon->width = width;
  icon->height = height;
  icon->argb.assign(static_cast<std::size_t>(width) * height, 0);
  icon->mask.assign(static_cast<std::size_t>(width) * height, 0);
  return icon;
}

std::unique_ptr<Icon> DecodePng(const BYTE* bits, std::size_t size) {
  png_image decoder;
  std::memset(&decoder, 0, sizeof decoder);
  decoder.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&decoder, bits, size)) return nullptr;
  decoder.format = PNG_FORMAT_BGRA;  // in memory B, G, R, A: one 0xAARRGGBB per pixel
  if (decoder.width == 0 || decoder.height == 0 || decoder.width > kMaxIconSide ||
      decoder.height > kMaxIconSide) {
    png_image_free(&decoder);
    return nullptr;
  }
  auto icon = NewIcon(static_cast<int>(decoder.width), static_cast<int>(decoder.height));
  if (!png_image_finish_read(&decoder, nullptr, icon->argb.data(), 0, nullptr)) return nullptr;
  icon->has_alpha = true;
  for (std::size_t i = 0; i < icon->argb.size(); ++i) icon->mask[i] = (icon->argb[i] >> 24) == 0;
  return icon;
}

std::unique_ptr<Icon> DecodeDib(const BYTE* bits, std::size_t size) {
  if (size < 40 || Read32(bits) < 40 || Read32(bits) > size) return nullptr;
  const std::uint32_t header = Read32(bits);
  const auto width = static_cast<std::int32_t>(Read32(bits + 4));
  const auto stacked = static_cast<std::int32_t>(Read32(bits + 8));
  const int bpp = Read16(bits + 14);
  const std::uint32_t compression = Read32(bits + 16);
  std::uint32_t colors = Read32(bits + 32);
  if (width <= 0 || width > kMaxIconSide || stacked <= 0 || stacked % 2 != 0 ||
      stacked / 2 > kMaxIconSide || compression != 0) {
    return nullptr;
  }
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) return nullptr;
  const int height = stacked / 2;
  if (bpp > 8)
    colors = 0;
  else if (colors == 0 || colors > (1u << bpp))
    colors = 1u << bpp;
  const std::size_t palette_at = header;
  const std::size_t xor_at = palette_at + std::size_t{colors} * 4;
  const std::size_t xor_stride = ((static_cast<std::size_t>(width) * bpp + 31) / 32) * 4;
  const std::size_t and_stride = ((static_cast<std::size_t>(width) + 31) / 32) * 4;
  const std::size_t and_at = xor_at + xor_stride * height;
  if (and_at + and_stride * height > size) return nullptr;

  auto icon = NewIcon(width, height);
  bool any_alpha = false;
  for (int y = 0; y < height; ++y) {
    const BYTE* row = bits + xor_at + xor_stride * (height - 1 - y);
    const BYTE* mask_row = bits + and_at + and_stride * (height - 1 - y);
    for (int x = 0; x < width; ++x) {
      std::uint32_t pixel;
      if (bpp == 32) {
        pixel = Read32(row + 4 * x);
        any_alpha |= (pixel >> 24) != 0;
      } else if (bpp == 24) {
        pixel =
            row[3 * x] | (row[3 * x + 1] << 8) | (static_cast<std::uint32_t>(row[3 * x + 2]) << 16);
      } else {
        const int per_byte = 8 / bpp;
        const int shift = (per_byte - 1 - x % per_byte) * bpp;
        const std::uint32_t index = (row[x / per_byte] >> shift) & ((1u << bpp) - 1);
        pixel = index < colors ? Read32(bits + palette_at + 4 * index) & 0xFFFFFF : 0;
      }
      const std::size_t at = static_cast<std::size_t>(y) * width + x;
      icon->argb[at] = pixel;
      icon->mask[at] = (mask_row[x / 8] >> (7 - x % 8)) & 1;
    }
  }
  // A 32-bpp image whose alpha is all zero is an old one: its mask says what shows.
  icon->has_alpha = any_alpha;
  icon->monochrome = bpp == 1;
  if (!any_alpha) {
    for (std::size_t i = 0; i < icon->argb.size(); ++i) {
      icon->argb[i] = (icon->argb[i] & 0xFFFFFF) | (icon->mask[i] ? 0u : 0xFF000000u);
    }
  }
  return icon;
}

// The source pixels one target pixel is made of along an axis, and their weights
// (summing to 1).
struct Taps {
  int first = 0;
  std::vector<float> weights;
};

// Catmull-Rom: a cubic that keeps edges crisp where averaging alone blurs them, which is
// what makes a 128 px drawing still read at 16 px.
double CatmullRom(double x) {
  x = std::fabs(x);
  if (x < 1) return 1.5 * x * x * x - 2.5 * x * x + 1;
  if (x < 2) return -0.5 * x * x * x + 2.5 * x * x - 4 * x + 2;
  return 0;
}

// Shrinking: the cubic stretched over `source / target` source pixels, so every source
// pixel counts (it filters as well as samples). Growing: each target pixel takes the
// source area it covers, which keeps whole-number enlargements exact.
std::vector<Taps> AxisTaps(int source, int target) {
  std::vector<Taps> taps(static_cast<std::size_t>(target));
  const double scale = static_cast<double>(source) / target;
  for (int t = 0; t < target; ++t) {
    Taps& tap = taps[static_cast<std::size_t>(t)];
    double lo, hi;
    if (scale > 1) {
      const double centre = (t + 0.5) * scale;
      lo = std::floor(centre - 2 * scale);
      hi = std::ceil(centre + 2 * scale);
    } else {
      lo = std::floor(t * scale);
      hi = std::ceil((t + 1) * scale);
    }
    tap.first = static_cast<int>(std::max(0.0, lo));
    const int last = static_cast<int>(std::min<double>(source, hi));
    double total = 0;
    std::vector<double> weights;
    for (int s = tap.first; s < last; ++s) {
      double w;
      if (scale > 1) {
        w = CatmullRom((s + 0.5 - (t + 0.5) * scale) / scale);
      } else {
        w = std::min<double>(s + 1, (t + 1) * scale) - std::max<double>(s, t * scale);
      }
      weights.push_back(w);
      total += w;
    }
    for (double w : weights) tap.weights.push_back(static_cast<float>(w / total));
  }
  return taps;
}

std::uint32_t ToByte(float v) {
  return static_cast<std::uint32_t>(std::clamp(std::lround(v), 0L, 255L));
}

}  // namespace

std::unique_ptr<Icon> DecodeIconImage(const BYTE* bits, std::size_t size, bool is_icon) {
  if (bits == nullptr) return nullptr;
  POINT hotspot{0, 0};
  if (!is_icon) {
    if (size < 4) return nullptr;
    hotspot = {Read16(bits), Read16(bits + 2)};
    bits += 4;
    size -= 4;
  }
  static constexpr BYTE kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::unique_ptr<Icon> icon = size >= 8 && std::memcmp(bits, kPngSignature, 8) == 0
                                   ? DecodePng(bits, size)
                                   : DecodeDib(bits, size);
  if (icon == nullptr) return nullptr;
  icon->is_icon = is_icon;
  icon->hotspot = is_icon ? POINT{icon->width / 2, icon->height / 2} : hotspot;
  return icon;
}

std::unique_ptr<Icon> ResizedIcon(const Icon& source, int width, int height) {
  auto icon = NewIcon(width, height);
  icon->is_icon = source.is_icon;
  icon->has_alpha = source.has_alpha;
  icon->monochrome = source.monochrome;
  icon->hotspot = {static_cast<LONG>(std::int64_t{source.hotspot.x} * width / source.width),
                   static_cast<LONG>(std::int64_t{source.hotspot.y} * height / source.height)};
  const std::vector<Taps> columns = AxisTaps(source.width, width);
  const std::vector<Taps> rows = AxisTaps(source.height, height);

  // Premultiplied channels (A, R*A, G*A, B*A) and the mask, filtered along x, then y.
  constexpr int kChannels = 5;
  std::vector<float> across(static_cast<std::size_t>(source.height) * width * kChannels, 0.0f);
  for (int sy = 0; sy < source.height; ++sy) {
    for (int tx = 0; tx < width; ++tx) {
      float* out = &across[(static_cast<std::size_t>(sy) * width + tx) * kChannels];
      for (std::size_t i = 0; i < columns[tx].weights.size(); ++i) {
        const int sx = columns[tx].first + static_cast<int>(i);
        const float w = columns[tx].weights[i];
        const std::size_t at = static_cast<std::size_t>(sy) * source.width + sx;
        const std::uint32_t p = source.argb[at];
        const float alpha = static_cast<float>(source.Alpha(sx, sy)) * w;
        out[0] += alpha;
        out[1] += static_cast<float>((p >> 16) & 0xFF) * alpha;
        out[2] += static_cast<float>((p >> 8) & 0xFF) * alpha;
        out[3] += static_cast<float>(p & 0xFF) * alpha;
        out[4] += static_cast<float>(source.mask[at]) * w;
      }
    }
  }
  for (int ty = 0; ty < height; ++ty) {
    for (int tx = 0; tx < width; ++tx) {
      float sum[kChannels] = {0, 0, 0, 0, 0};
      for (std::size_t i = 0; i < rows[ty].weights.size(); ++i) {
        const int sy = rows[ty].first + static_cast<int>(i);
        const float* in = &across[(static_cast<std::size_t>(sy) * width + tx) * kChannels];
        for (int c = 0; c < kChannels; ++c) sum[c] += in[c] * rows[ty].weights[i];
      }
      const std::size_t at = static_cast<std::size_t>(ty) * width + tx;
      const std::uint32_t alpha = ToByte(sum[0]);
      icon->mask[at] = sum[4] > 0.5f;
      if (alpha == 0) {
        icon->argb[at] = 0;
        icon->mask[at] = 1;
        continue;
      }
      icon->argb[at] = alpha << 24 | ToByte(sum[1] / sum[0]) << 16 | ToByte(sum[2] / sum[0]) << 8 |
                       ToByte(sum[3] / sum[0]);
    }
  }
  return icon;
}

}  // namespace platform
