// Decoding and resampling of icon images.
#include "platform/user/icon_image.h"

#include <png.h>

#include <cstdint>
#include <cstring>
#include <limits>

namespace platform {
namespace {

constexpr int kMaxIconSide = 1024;

std::uint32_t Read32(const BYTE* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t Read16(const BYTE* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

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
  if (bpp > 8) colors = 0;
  else if (colors == 0 || colors > (1u << bpp)) colors = 1u << bpp;
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
        pixel = row[3 * x] | (row[3 * x + 1] << 8) | (static_cast<std::uint32_t>(row[3 * x + 2]) << 16);
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
  if (!any_alpha) {
    for (std::size_t i = 0; i < icon->argb.size(); ++i) {
      icon->argb[i] = (icon->argb[i] & 0xFFFFFF) | (icon->mask[i] ? 0u : 0xFF000000u);
    }
  }
  return icon;
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
  icon->hotspot = {static_cast<LONG>(std::int64_t{source.hotspot.x} * width / source.width),
                   static_cast<LONG>(std::int64_t{source.hotspot.y} * height / source.height)};
  // Each target pixel averages the source area it covers, in fixed point (1/256 pixel),
  // weighting colours by alpha.
  for (int ty = 0; ty < height; ++ty) {
    const std::int64_t y0 = std::int64_t{ty} * source.height * 256 / height;
    const std::int64_t y1 = std::int64_t{ty + 1} * source.height * 256 / height;
    for (int tx = 0; tx < width; ++tx) {
      const std::int64_t x0 = std::int64_t{tx} * source.width * 256 / width;
      const std::int64_t x1 = std::int64_t{tx + 1} * source.width * 256 / width;
      std::uint64_t a = 0, r = 0, g = 0, b = 0, mask = 0, total = 0;
      for (std::int64_t sy = y0 / 256; sy * 256 < y1 && sy < source.height; ++sy) {
        const std::int64_t wy = std::min(y1, (sy + 1) * 256) - std::max(y0, sy * 256);
        for (std::int64_t sx = x0 / 256; sx * 256 < x1 && sx < source.width; ++sx) {
          const std::int64_t wx = std::min(x1, (sx + 1) * 256) - std::max(x0, sx * 256);
          const auto weight = static_cast<std::uint64_t>(wx * wy);
          const std::size_t at = static_cast<std::size_t>(sy) * source.width + sx;
          const std::uint32_t p = source.argb[at];
          const std::uint32_t alpha = source.Alpha(static_cast<int>(sx), static_cast<int>(sy));
          a += alpha * weight;
          r += ((p >> 16) & 0xFF) * alpha * weight;
          g += ((p >> 8) & 0xFF) * alpha * weight;
          b += (p & 0xFF) * alpha * weight;
          mask += source.mask[at] * weight;
          total += weight;
        }
      }
      const std::size_t at = static_cast<std::size_t>(ty) * width + tx;
      if (total == 0 || a == 0) {
        icon->argb[at] = 0;
        icon->mask[at] = 1;
        continue;
      }
      const std::uint32_t alpha = static_cast<std::uint32_t>((a + total / 2) / total);
      icon->argb[at] = (alpha << 24) | static_cast<std::uint32_t>((r + a / 2) / a) << 16 |
                       static_cast<std::uint32_t>((g + a / 2) / a) << 8 |
                       static_cast<std::uint32_t>((b + a / 2) / a);
      icon->mask[at] = mask * 2 > total;
    }
  }
  return icon;
}

}  // namespace platform
