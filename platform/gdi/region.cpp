// Region algebra over rectangle lists, and the region calls of gdi32.
//
// Set operations sweep the horizontal bands between every top and bottom edge of both
// inputs; in each band the covered column intervals of the two sides are combined. Regions
// in this program have a handful of rectangles, so the simple quadratic sweep is plenty.
#include "platform/gdi/region.h"

#include <algorithm>
#include <memory>

namespace platform::gdi {
namespace {

using Intervals = std::vector<std::pair<LONG, LONG>>;

// The merged column intervals of `rects` covering the band [top, bottom).
Intervals BandIntervals(const RectList& rects, LONG top, LONG bottom) {
  Intervals out;
  for (const RECT& r : rects) {
    if (r.top <= top && r.bottom >= bottom) out.emplace_back(r.left, r.right);
  }
  std::sort(out.begin(), out.end());
  Intervals merged;
  for (auto& iv : out) {
    if (!merged.empty() && iv.first <= merged.back().second) {
      merged.back().second = std::max(merged.back().second, iv.second);
    } else {
      merged.push_back(iv);
    }
  }
  return merged;
}

bool Covered(const Intervals& ivs, LONG x) {
  for (auto& iv : ivs) {
    if (x >= iv.first && x < iv.second) return true;
  }
  return false;
}

bool Keep(int mode, bool in_a, bool in_b) {
  switch (mode) {
    case RGN_AND: return in_a && in_b;
    case RGN_OR: return in_a || in_b;
    case RGN_XOR: return in_a != in_b;
    case RGN_DIFF: return in_a && !in_b;
    default: return in_a;
  }
}

}  // namespace

RectList RectsOf(const RECT& rect) {
  if (rect.left >= rect.right || rect.top >= rect.bottom) return {};
  return {rect};
}

RectList CombineRects(const RectList& a, const RectList& b, int mode) {
  std::vector<LONG> ys;
  for (const RectList* side : {&a, &b}) {
    for (const RECT& r : *side) {
      ys.push_back(r.top);
      ys.push_back(r.bottom);
    }
  }
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

  RectList out;
  Intervals previous;
  std::size_t previous_start = 0;  // first rect of the previous band in `out`
  LONG previous_bottom = 0;
  for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
    LONG top = ys[i], bottom = ys[i + 1];
    Intervals ia = BandIntervals(a, top, bottom);
    Intervals ib = BandIntervals(b, top, bottom);
    std::vector<LONG> xs;
    for (const Intervals* side : {&ia, &ib}) {
      for (auto& iv : *side) {
        xs.push_back(iv.first);
        xs.push_back(iv.second);
      }
    }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    Intervals band;
    for (std::size_t j = 0; j + 1 < xs.size(); ++j) {
      if (!Keep(mode, Covered(ia, xs[j]), Covered(ib, xs[j]))) continue;
      if (!band.empty() && band.back().second == xs[j]) {
        band.back().second = xs[j + 1];
      } else {
        band.emplace_back(xs[j], xs[j + 1]);
      }
    }
    if (band.empty()) {
      previous.clear();
      continue;
    }
    if (band == previous && previous_bottom == top) {
      for (std::size_t k = previous_start; k < out.size(); ++k) out[k].bottom = bottom;
    } else {
      previous_start = out.size();
      for (auto& iv : band) out.push_back({iv.first, top, iv.second, bottom});
      previous = band;
    }
    previous_bottom = bottom;
  }
  return out;
}

int RegionKind(const RectList& rects) {
  if (rects.empty()) return NULLREGION;
  return rects.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

RECT BoundingBox(const RectList& rects) {
  if (rects.empty()) return {0, 0, 0, 0};
  RECT box = rects.front();
  for (const RECT& r : rects) {
    box.left = std::min(box.left, r.left);
    box.top = std::min(box.top, r.top);
    box.right = std::max(box.right, r.right);
    box.bottom = std::max(box.bottom, r.bottom);
  }
  return box;
}

void OffsetRects(RectList& rects, int dx, int dy) {
  for (RECT& r : rects) {
    r.left += dx;
    r.right += dx;
    r.top += dy;
    r.bottom += dy;
  }
}

}  // namespace platform::gdi

using platform::gdi::Find;
using platform::gdi::Region;

extern "C" {

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  auto region = std::make_unique<Region>();
  // GDI orders the corners of a region's rectangle.
  RECT r{std::min(left, right), std::min(top, bottom), std::max(left, right),
         std::max(top, bottom)};
  region->rects = platform::gdi::RectsOf(r);
  return static_cast<HRGN>(platform::gdi::AddObject(std::move(region)));
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
  if (rect == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

BOOL SetRectRgn(HRGN handle, int left, int top, int right, int bottom) {
  Region* region = Find<Region>(handle);
  if (region == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  RECT r{std::min(left, right), std::min(top, bottom), std::max(left, right),
         std::max(top, bottom)};
  region->rects = platform::gdi::RectsOf(r);
  return TRUE;
}

int CombineRgn(HRGN destination, HRGN source1, HRGN source2, int mode) {
  Region* dst = Find<Region>(destination);
  Region* a = Find<Region>(source1);
  Region* b = mode == RGN_COPY ? a : Find<Region>(source2);
  if (dst == nullptr || a == nullptr || b == nullptr || mode < RGN_AND || mode > RGN_COPY) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return ERROR;
  }
  platform::gdi::RectList result =
      mode == RGN_COPY ? a->rects : platform::gdi::CombineRects(a->rects, b->rects, mode);
  dst->rects = std::move(result);
  return platform::gdi::RegionKind(dst->rects);
}

int GetRgnBox(HRGN handle, LPRECT rect) {
  Region* region = Find<Region>(handle);
  if (region == nullptr || rect == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return ERROR;
  }
  *rect = platform::gdi::BoundingBox(region->rects);
  return platform::gdi::RegionKind(region->rects);
}

BOOL PtInRegion(HRGN handle, int x, int y) {
  Region* region = Find<Region>(handle);
  if (region == nullptr) return FALSE;
  for (const RECT& r : region->rects) {
    if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return TRUE;
  }
  return FALSE;
}

int OffsetRgn(HRGN handle, int x, int y) {
  Region* region = Find<Region>(handle);
  if (region == nullptr) return ERROR;
  platform::gdi::OffsetRects(region->rects, x, y);
  return platform::gdi::RegionKind(region->rects);
}

}  // extern "C"
