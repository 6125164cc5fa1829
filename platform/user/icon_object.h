// Icons and cursors and the table of their handles (platform-internal).
//
// An icon keeps its pixels as 0xAARRGGBB with straight alpha, and its AND mask (one byte
// per pixel, 1 = transparent) for the icons that have no alpha of their own. Handles are
// kIconTag | generation << 16 | slot, like GDI's, so a destroyed, foreign or made-up
// handle is found dead without being touched; the tag keeps them apart from GDI handles.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/win32.h"

namespace platform {

struct Icon {
  int width = 0;
  int height = 0;
  bool is_icon = true;          // false: a cursor
  POINT hotspot{0, 0};          // cursors; the centre for icons
  bool has_alpha = false;       // false: the mask says what shows
  bool monochrome = false;      // a 1-bpp image: GetIconInfo gives no colour bitmap
  bool shared = false;          // LR_SHARED: DestroyIcon leaves it alone
  std::vector<std::uint32_t> argb;  // width * height, top-down
  std::vector<std::uint8_t> mask;   // width * height, 1 = transparent

  std::uint32_t Alpha(int x, int y) const {
    const std::size_t at = static_cast<std::size_t>(y) * width + x;
    return has_alpha ? argb[at] >> 24 : (mask[at] ? 0u : 255u);
  }
};

// Adds an icon and returns its handle, or null (ERROR_NOT_ENOUGH_MEMORY) when full.
HICON AddIcon(std::unique_ptr<Icon> icon);
// Adds `source` resampled to width x height (ResizedIcon). The resampling waits for the
// first FindIcon: a window's icons are often set long before anything draws them, and
// resampling a large image is a noticeable part of showing a dialog. Until then the icon
// holds the source, which several icons may share (a window's big and small icon).
HICON AddResizedIcon(std::shared_ptr<const Icon> source, int width, int height);
// The live icon of a handle, or null. The pointer stays valid until RemoveIcon.
Icon* FindIcon(HICON handle);
// Removes the icon; false for a dead handle.
bool RemoveIcon(HICON handle);
// How many icons are alive: lets tests prove that nothing leaks.
int LiveIconCount();

}  // namespace platform
