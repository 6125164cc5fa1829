// Where a top-level window's pixels go on X, and the arithmetic around them
// (platform-internal, pure: no X connection needed).
//
// A window with a caption becomes an X window holding only its client area: the window
// manager draws frame and caption from our hints (without one there is none). A window
// without a caption (a pop-up such as the calendar drop-down) is shown whole, frame
// included, as an override-redirect window. The window system paints the whole window
// into one bitmap; the part shown is cut out of it.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/display/display_driver.h"
#include "platform/gdi/pixel_surface.h"

namespace platform::x11 {

// True for windows the window manager must leave alone (no caption to draw).
bool IsPopup(const TopLevelWindowInfo& info);

// The shown part of the window, in window coordinates (0, 0 = the window's top-left).
RECT ShownRectInWindow(const TopLevelWindowInfo& info);

// `damaged` (window coordinates) clipped to `shown` and moved into the shown part's own
// coordinates; empty (all zero) when they do not meet.
RECT DamageInShown(const RECT& damaged, const RECT& shown);

// Copies `rect` (shown coordinates) from the window's bitmap into `kept`, the shown part's
// pixels (kept_width x kept_height, rows top-down). Pixels outside either are skipped.
void CopyShownPixels(const gdi::PixelSurface& window_bits, const RECT& shown, const RECT& rect,
                     std::uint32_t* kept, int kept_width, int kept_height);

// A short list of rectangles still to send; past a handful they melt into their bounds,
// since one larger image costs less than many requests.
class DamageList {
 public:
  void Add(const RECT& r);
  void Clear() { rects_.clear(); }
  bool empty() const { return rects_.empty(); }
  const std::vector<RECT>& rects() const { return rects_; }

 private:
  static constexpr std::size_t kMostRects = 8;
  std::vector<RECT> rects_;
};

// How many rows of `width` 32-bit pixels fit in one image request of at most
// `max_request_bytes` (at least one row).
int RowsPerRequest(int width, std::uint32_t max_request_bytes);

// Where windows are centred: the work area the desktop announces (_NET_WORKAREA) within
// the chosen monitor, else that monitor, else the whole screen. `monitors` come from RandR,
// `primary` indexes them (-1: none marked; the first is taken).
RECT ChooseWorkArea(SIZE screen, const std::vector<RECT>& monitors, int primary,
                    const std::optional<RECT>& announced);

// The DPI in an X resource database text (the root window's RESOURCE_MANAGER): the
// "Xft.dpi" entry rounded, or 96 when it is missing or makes no sense.
int DpiFromResources(std::string_view resources);

}  // namespace platform::x11
