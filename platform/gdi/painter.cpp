// PaintSpan and its helpers: the one place where the pixels of a DC are written.
#include "platform/gdi/painter.h"

#include <algorithm>
#include <cwchar>
#include <optional>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/region.h"

namespace platform::gdi {
namespace {

constexpr std::uint32_t kRgbMask = 0x00FFFFFF;

// glibc's wmemset is its memset for 32-bit units: vectorised, and streaming past the cache
// for large blocks, which a plain loop is not.
static_assert(sizeof(wchar_t) == sizeof(std::uint32_t));
// Short runs (the edges of outlines, thin figures) are most spans: a few plain stores beat
// the call.
void FillPixels(std::uint32_t* first, std::size_t count, std::uint32_t pixel) {
  if (count <= 8) {
    for (std::size_t i = 0; i < count; ++i) first[i] = pixel;
    return;
  }
  std::wmemset(reinterpret_cast<wchar_t*>(first), static_cast<wchar_t>(pixel), count);
}

int Mod8(std::int64_t v) { return static_cast<int>(((v % 8) + 8) % 8); }

}  // namespace

std::uint32_t MixRop2(int rop2, std::uint32_t pen, std::uint32_t destination) {
  // R2_x - 1 is a truth table: bit (2 * pen bit + destination bit) gives the result bit.
  const unsigned table = static_cast<unsigned>(rop2 - 1) & 0xF;
  const std::uint32_t p = pen, d = destination;
  std::uint32_t r = 0;
  if (table & 1) r |= ~p & ~d;
  if (table & 2) r |= ~p & d;
  if (table & 4) r |= p & ~d;
  if (table & 8) r |= p & d;
  return r & kRgbMask;
}

Fill SolidFill(std::uint32_t pixel) {
  Fill fill;
  fill.kind = Fill::Kind::kSolid;
  fill.pixel = pixel & kRgbMask;
  return fill;
}

std::uint32_t StoredPixel(const DeviceContext& dc, std::uint32_t pixel) {
  pixel &= kRgbMask;
  if (dc.palette != nullptr) return PixelOfEntry((*dc.palette)[NearestEntry(*dc.palette, pixel)]);
  return dc.monochrome ? MonochromePixel(pixel) : pixel;
}

bool StoresEveryColor(const DeviceContext& dc) { return !dc.monochrome && dc.palette == nullptr; }

Fill StoredFill(const DeviceContext& dc, const Fill& fill) {
  if (StoresEveryColor(dc)) return fill;
  Fill stored = fill;
  stored.pixel = StoredPixel(dc, fill.pixel);
  if (fill.kind != Fill::Kind::kSolid) {
    for (auto& p : stored.pattern) p = StoredPixel(dc, p);
  }
  return stored;
}

const std::vector<RECT>& DeviceClip(DeviceContext& dc, const PixelSurface& surface) {
  auto& cache = dc.clip_cache;
  if (cache.version == dc.clip_version && cache.width == surface.width &&
      cache.height == surface.height) {
    return cache.rects;
  }
  RectList rects = RectsOf({0, 0, surface.width, surface.height});
  if (dc.has_visible) rects = CombineRects(rects, dc.visible.rects, RGN_AND);
  if (dc.state.clipped) {
    RectList clip = dc.state.clip.rects;
    OffsetRects(clip, dc.surface_offset.x, dc.surface_offset.y);
    rects = CombineRects(rects, clip, RGN_AND);
  }
  cache.rects = std::move(rects);
  cache.version = dc.clip_version;
  cache.width = surface.width;
  cache.height = surface.height;
  return cache.rects;
}

Painter::Painter(DeviceContext& dc, int rop2)
    : dc_(dc), rop2_(rop2), surface_(dc.Surface()), clip_(&DeviceClip(dc, surface_)) {}

bool Painter::Visible(std::int32_t x, std::int32_t y) const {
  if (!ok()) return false;
  const std::int64_t sx = std::int64_t{x} + dc_.surface_offset.x;
  const std::int64_t sy = std::int64_t{y} + dc_.surface_offset.y;
  for (const RECT& r : *clip_) {
    if (sx >= r.left && sx < r.right && sy >= r.top && sy < r.bottom) return true;
  }
  return false;
}

void Painter::Span(std::int32_t y, std::int32_t x0, std::int32_t x1, const Fill& fill) {
  if (!ok() || fill.kind == Fill::Kind::kNone || x0 >= x1 || rop2_ == R2_NOP) return;
  const std::int64_t sy = std::int64_t{y} + dc_.surface_offset.y;
  if (sy < 0 || sy >= surface_.height) return;
  const std::int64_t sx0 = std::int64_t{x0} + dc_.surface_offset.x;
  const std::int64_t sx1 = std::int64_t{x1} + dc_.surface_offset.x;
  std::uint32_t* row = surface_.Row(static_cast<std::int32_t>(sy));
  if (!StoresEveryColor(dc_)) {
    ClippedRuns(row, sy, sx0, sx1, y, StoredFill(dc_, fill));
    return;
  }
  // The common case, a solid copy inside one visible rectangle (usually the whole
  // surface): the clip reduces to a clamp and the run to a fill.
  if (fill.kind == Fill::Kind::kSolid && rop2_ == R2_COPYPEN && !clip_->empty()) {
    const RECT& r = (*clip_)[last_clip_ < clip_->size() ? last_clip_ : 0];
    if (sy >= r.top && sy < r.bottom && sx0 >= r.left && sx1 <= r.right) {
      FillPixels(row + sx0, static_cast<std::size_t>(sx1 - sx0), fill.pixel & kRgbMask);
      return;
    }
    if (clip_->size() == 1) {
      const std::int64_t a = std::max<std::int64_t>(sx0, r.left);
      const std::int64_t b = std::min<std::int64_t>(sx1, r.right);
      if (sy >= r.top && sy < r.bottom && a < b) {
        FillPixels(row + a, static_cast<std::size_t>(b - a), fill.pixel & kRgbMask);
      }
      return;
    }
  }
  ClippedRuns(row, sy, sx0, sx1, y, fill);
}

void Painter::ClippedRuns(std::uint32_t* row, std::int64_t sy, std::int64_t sx0, std::int64_t sx1,
                          std::int32_t dc_y, const Fill& fill) {
  for (std::size_t i = 0; i < clip_->size(); ++i) {
    const RECT& r = (*clip_)[i];
    if (r.top > sy) break;  // rectangles are sorted by top
    if (sy >= r.bottom) continue;
    const std::int64_t a = std::max<std::int64_t>(sx0, r.left);
    const std::int64_t b = std::min<std::int64_t>(sx1, r.right);
    if (a < b) {
      // Remembered for the fast path: the next span is most likely in the same band.
      last_clip_ = i;
      PaintRun(row, static_cast<std::int32_t>(a), static_cast<std::int32_t>(b), dc_y, fill);
    }
  }
}

void Painter::Area(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                   const Fill& fill) {
  if (!ok() || left >= right || top >= bottom) return;
  const std::int64_t sx0 = std::int64_t{left} + dc_.surface_offset.x;
  const std::int64_t sx1 = std::int64_t{right} + dc_.surface_offset.x;
  const std::int64_t sy0 = std::max<std::int64_t>(std::int64_t{top} + dc_.surface_offset.y, 0);
  const std::int64_t sy1 = std::min<std::int64_t>(std::int64_t{bottom} + dc_.surface_offset.y, surface_.height);
  std::optional<Fill> mono;
  if (!StoresEveryColor(dc_)) mono = StoredFill(dc_, fill);
  const Fill* used = mono ? &*mono : &fill;
  const bool block = fill.kind == Fill::Kind::kSolid && rop2_ == R2_COPYPEN &&
                     surface_.stride == surface_.width && StoresEveryColor(dc_);
  for (const RECT& r : *clip_) {
    const std::int64_t a = std::max<std::int64_t>(sx0, r.left), b = std::min<std::int64_t>(sx1, r.right);
    const std::int64_t t = std::max<std::int64_t>(sy0, r.top), u = std::min<std::int64_t>(sy1, r.bottom);
    if (a >= b || t >= u) continue;
    if (block && a == 0 && b == surface_.width) {
      // Whole rows of a top-down surface: one contiguous block.
      FillPixels(surface_.Row(static_cast<std::int32_t>(t)),
                 static_cast<std::size_t>((u - t) * surface_.width), fill.pixel & kRgbMask);
      continue;
    }
    for (std::int64_t y = t; y < u; ++y) {
      PaintRun(surface_.Row(static_cast<std::int32_t>(y)), static_cast<std::int32_t>(a),
               static_cast<std::int32_t>(b), static_cast<std::int32_t>(y - dc_.surface_offset.y), *used);
    }
  }
}

void Painter::PaintRun(std::uint32_t* row, std::int32_t a, std::int32_t b, std::int32_t dc_y,
                       const Fill& fill) const {
  std::uint32_t* first = row + a;
  std::uint32_t* last = row + b;
  if (fill.kind == Fill::Kind::kSolid) {
    const std::uint32_t p = fill.pixel & kRgbMask;
    switch (rop2_) {
      case R2_COPYPEN: FillPixels(first, static_cast<std::size_t>(last - first), p); return;
      case R2_BLACK: FillPixels(first, static_cast<std::size_t>(last - first), 0); return;
      case R2_WHITE: FillPixels(first, static_cast<std::size_t>(last - first), kRgbMask); return;
      case R2_NOT:
        for (auto* q = first; q < last; ++q) *q = ~*q & kRgbMask;
        return;
      case R2_XORPEN:
        for (auto* q = first; q < last; ++q) *q = (*q ^ p) & kRgbMask;
        return;
      default:
        for (auto* q = first; q < last; ++q) *q = MixRop2(rop2_, p, *q);
        return;
    }
  }
  // An 8 x 8 pattern anchored at the brush origin, in DC coordinates.
  const POINT org = dc_.state.brush_origin;
  const int py = Mod8(std::int64_t{dc_y} - org.y);
  int px = Mod8(std::int64_t{a} - dc_.surface_offset.x - org.x);
  const std::uint32_t* pattern = &fill.pattern[py * 8];
  const bool* opaque = &fill.opaque[py * 8];
  for (auto* q = first; q < last; ++q, px = (px + 1) & 7) {
    if (!opaque[px]) continue;
    *q = rop2_ == R2_COPYPEN ? (pattern[px] & kRgbMask) : MixRop2(rop2_, pattern[px], *q);
  }
}

void PaintSpan(DeviceContext& dc, std::int32_t y, std::int32_t x0, std::int32_t x1,
               const Fill& fill) {
  Painter(dc, dc.state.rop2).Span(y, x0, x1, fill);
}

bool ReadPixel(const DeviceContext& dc, std::int32_t x, std::int32_t y, std::uint32_t* pixel) {
  // Painting never changes the DC; the cast only lets the clip cache be refreshed.
  Painter painter(const_cast<DeviceContext&>(dc), R2_NOP);
  if (!painter.Visible(x, y)) return false;
  if (pixel != nullptr) {
    *pixel = painter.surface().At(x + dc.surface_offset.x, y + dc.surface_offset.y) & kRgbMask;
  }
  return true;
}

}  // namespace platform::gdi
