#include "platform/display/x11/x11_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace platform::x11 {
namespace {

bool Empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

RECT Intersect(const RECT& a, const RECT& b) {
  RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
         std::min(a.bottom, b.bottom)};
  return Empty(r) ? RECT{} : r;
}

RECT Union(const RECT& a, const RECT& b) {
  return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
}

bool Contains(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

constexpr int kDefaultDpi = 96;

}  // namespace

bool IsPopup(const TopLevelWindowInfo& info) {
  return (info.style & WS_CAPTION) != WS_CAPTION;
}

RECT ShownRectInWindow(const TopLevelWindowInfo& info) {
  const LONG width = std::max<LONG>(info.rect.right - info.rect.left, 0);
  const LONG height = std::max<LONG>(info.rect.bottom - info.rect.top, 0);
  const RECT whole{0, 0, width, height};
  if (IsPopup(info)) return whole;
  RECT client{info.client.left - info.rect.left, info.client.top - info.rect.top,
              info.client.right - info.rect.left, info.client.bottom - info.rect.top};
  return Intersect(client, whole);
}

RECT DamageInShown(const RECT& damaged, const RECT& shown) {
  RECT r = Intersect(damaged, shown);
  if (Empty(r)) return RECT{};
  return RECT{r.left - shown.left, r.top - shown.top, r.right - shown.left,
              r.bottom - shown.top};
}

void CopyShownPixels(const gdi::PixelSurface& window_bits, const RECT& shown, const RECT& rect,
                     std::uint32_t* kept, int kept_width, int kept_height) {
  if (window_bits.empty() || kept == nullptr) return;
  // Clip to the kept pixels and to the bitmap (which may be smaller than the window).
  RECT r = Intersect(rect, RECT{0, 0, kept_width, kept_height});
  r = Intersect(r, RECT{-shown.left, -shown.top, window_bits.width - shown.left,
                        window_bits.height - shown.top});
  if (Empty(r)) return;
  for (LONG y = r.top; y < r.bottom; ++y) {
    const std::uint32_t* from = window_bits.Row(y + shown.top) + shown.left + r.left;
    std::copy(from, from + (r.right - r.left),
              kept + static_cast<std::ptrdiff_t>(y) * kept_width + r.left);
  }
}

void DamageList::Add(const RECT& r) {
  if (Empty(r)) return;
  for (RECT& existing : rects_) {
    if (Contains(existing, r)) return;
    if (Contains(r, existing)) {
      existing = r;
      return;
    }
  }
  if (rects_.size() < kMostRects) {
    rects_.push_back(r);
    return;
  }
  RECT bounds = r;
  for (const RECT& existing : rects_) bounds = Union(bounds, existing);
  rects_.assign(1, bounds);
}

int RowsPerRequest(int width, std::uint32_t max_request_bytes) {
  constexpr std::uint32_t kPutImageHeader = 24;
  if (width <= 0) return 1;
  const std::uint64_t row = static_cast<std::uint64_t>(width) * 4;
  if (max_request_bytes <= kPutImageHeader + row) return 1;
  return static_cast<int>(std::min<std::uint64_t>((max_request_bytes - kPutImageHeader) / row,
                                                  1 << 20));
}

RECT ChooseWorkArea(SIZE screen, const std::vector<RECT>& monitors, int primary,
                    const std::optional<RECT>& announced) {
  RECT area{0, 0, screen.cx, screen.cy};
  if (!monitors.empty()) {
    const RECT& monitor =
        primary >= 0 && primary < static_cast<int>(monitors.size()) ? monitors[primary]
                                                                    : monitors.front();
    if (!Empty(monitor)) area = monitor;
  }
  if (announced) {
    RECT inside = Intersect(*announced, area);
    if (!Empty(inside)) area = inside;
  }
  return area;
}

int DpiFromResources(std::string_view resources) {
  constexpr std::string_view kKey = "Xft.dpi:";
  std::size_t at = 0;
  while (at < resources.size()) {
    std::size_t end = resources.find('\n', at);
    if (end == std::string_view::npos) end = resources.size();
    std::string_view line = resources.substr(at, end - at);
    at = end + 1;
    if (line.substr(0, kKey.size()) != kKey) continue;
    std::string value(line.substr(kKey.size()));
    char* stop = nullptr;
    const char* start = value.c_str();
    while (*start == ' ' || *start == '\t') ++start;
    double dpi = std::strtod(start, &stop);
    if (stop == start || !std::isfinite(dpi)) return kDefaultDpi;
    // Sane screens lie between a quarter and five times the usual resolution.
    if (dpi < 24 || dpi > 480) return kDefaultDpi;
    return static_cast<int>(std::lround(dpi));
  }
  return kDefaultDpi;
}

}  // namespace platform::x11
