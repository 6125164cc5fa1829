// Reading icon directories and choosing an image from them.
#include "platform/user/icon_directory.h"

#include <cstdint>
#include <cstdlib>
#include <tuple>

namespace platform {
namespace {

std::uint16_t Read16(const BYTE* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t Read32(const BYTE* p) {
  return Read16(p) | (static_cast<std::uint32_t>(Read16(p + 2)) << 16);
}

// The entries' count when the 6-byte header is right for the kind and they all fit.
std::size_t EntryCount(const BYTE* bits, std::size_t size, bool icon, std::size_t entry_size) {
  if (bits == nullptr || size < 6 || Read16(bits) != 0 || Read16(bits + 2) != (icon ? 1 : 2)) {
    return 0;
  }
  const std::size_t count = Read16(bits + 4);
  return 6 + count * entry_size <= size ? count : 0;
}

}  // namespace

std::vector<DirectoryImage> ReadGroupDirectory(const BYTE* bits, std::size_t size, bool icon) {
  std::vector<DirectoryImage> images;
  const std::size_t count = EntryCount(bits, size, icon, 14);
  for (std::size_t i = 0; i < count; ++i) {
    const BYTE* entry = bits + 6 + 14 * i;
    DirectoryImage image;
    if (icon) {
      image.width = entry[0] == 0 ? 256 : entry[0];
      image.height = entry[1] == 0 ? 256 : entry[1];
    } else {
      image.width = Read16(entry);
      image.height = Read16(entry + 2) / 2;  // a cursor entry counts the mask rows too
    }
    image.bit_count = Read16(entry + 6);
    image.bytes = Read32(entry + 8);
    image.id = Read16(entry + 12);
    images.push_back(image);
  }
  return images;
}

std::vector<DirectoryImage> ReadFileDirectory(const BYTE* bits, std::size_t size, bool icon) {
  std::vector<DirectoryImage> images;
  const std::size_t count = EntryCount(bits, size, icon, 16);
  for (std::size_t i = 0; i < count; ++i) {
    const BYTE* entry = bits + 6 + 16 * i;
    DirectoryImage image;
    image.width = entry[0] == 0 ? 256 : entry[0];
    image.height = entry[1] == 0 ? 256 : entry[1];
    image.bit_count = icon ? Read16(entry + 6) : 32;
    if (!icon) image.hotspot = {Read16(entry + 4), Read16(entry + 6)};
    image.bytes = Read32(entry + 8);
    image.offset = Read32(entry + 12);
    if (image.offset > size || image.bytes > size - image.offset) return {};
    images.push_back(image);
  }
  return images;
}

std::optional<std::size_t> BestImage(const std::vector<DirectoryImage>& images, int cx, int cy,
                                     UINT flags) {
  std::optional<std::size_t> best;
  // Smaller keys are better: (larger images first, then the nearest size, then depth).
  auto key = [&](const DirectoryImage& image) {
    const bool fits = image.width >= cx && image.height >= cy;
    const long distance = std::labs(static_cast<long>(image.width) - cx) +
                          std::labs(static_cast<long>(image.height) - cy);
    const int depth = (flags & LR_MONOCHROME) ? (image.bit_count == 1 ? 0 : 1)
                                              : -image.bit_count;
    return std::make_tuple(fits ? 0 : 1, distance, depth);
  };
  for (std::size_t i = 0; i < images.size(); ++i) {
    if (!best || key(images[i]) < key(images[*best])) best = i;
  }
  return best;
}

}  // namespace platform
