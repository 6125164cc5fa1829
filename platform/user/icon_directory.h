// Icon and cursor directories: the RT_GROUP_ICON / RT_GROUP_CURSOR resources and the
// headers of .ico and .cur files, and the choice of the image that fits a size best
// (platform-internal).
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "platform/win32.h"

namespace platform {

struct DirectoryImage {
  int width = 0;
  int height = 0;
  int bit_count = 0;
  DWORD bytes = 0;
  WORD id = 0;            // group resources: the RT_ICON / RT_CURSOR id
  DWORD offset = 0;       // files: where the image starts
  POINT hotspot{0, 0};    // .cur files: the image's hot spot
};

// The entries of a group resource (GRPICONDIR, 14-byte entries); nothing when the header
// is not one of that kind or the entries run past `size`.
std::vector<DirectoryImage> ReadGroupDirectory(const BYTE* bits, std::size_t size, bool icon);
// The entries of an .ico / .cur file (ICONDIR, 16-byte entries with file offsets), each
// checked to lie inside the file.
std::vector<DirectoryImage> ReadFileDirectory(const BYTE* bits, std::size_t size, bool icon);

// The index of the image that fits cx x cy best: the same size, else the smallest larger
// one, else the largest; among equal sizes the deepest colour (or 1 bpp for
// LR_MONOCHROME). Nothing for an empty list.
std::optional<std::size_t> BestImage(const std::vector<DirectoryImage>& images, int cx, int cy,
                                     UINT flags);

}  // namespace platform
