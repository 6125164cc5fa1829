// The blit engine: nearest-pixel mapping, colour <-> monochrome conversion, overlapping
// transfers on one surface, and one row function per raster operation.
#include "platform/gdi/blit.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/painter.h"

namespace platform::gdi {
namespace {

constexpr std::uint32_t kRgbMask = 0x00FFFFFF;

template <unsigned C>
inline std::uint32_t Rop3(std::uint32_t p, std::uint32_t s, std::uint32_t d) {
  std::uint32_t r = 0;
  if constexpr ((C & 0x01) != 0) r |= ~p & ~s & ~d;
  if constexpr ((C & 0x02) != 0) r |= ~p & ~s & d;
  if constexpr ((C & 0x04) != 0) r |= ~p & s & ~d;
  if constexpr ((C & 0x08) != 0) r |= ~p & s & d;
  if constexpr ((C & 0x10) != 0) r |= p & ~s & ~d;
  if constexpr ((C & 0x20) != 0) r |= p & ~s & d;
  if constexpr ((C & 0x40) != 0) r |= p & s & ~d;
  if constexpr ((C & 0x80) != 0) r |= p & s & d;
  return r & kRgbMask;
}

// One row: dst[i] = rop(pattern[(phase + i) & 7], src[i], dst[i]) where the pattern
// pixel is opaque.
using RowOp = void (*)(std::uint32_t* dst, const std::uint32_t* src, const std::uint32_t* pattern,
                       const bool* opaque, int phase, int count);

template <unsigned C>
void RopRow(std::uint32_t* dst, const std::uint32_t* src, const std::uint32_t* pattern,
            const bool* opaque, int phase, int count) {
  constexpr bool kSource = (((C >> 2) ^ C) & 0x33) != 0;
  for (int i = 0; i < count; ++i) {
    const int k = (phase + i) & 7;
    if (!opaque[k]) continue;
    dst[i] = Rop3<C>(pattern[k], kSource ? src[i] : 0, dst[i]);
  }
}

template <std::size_t... I>
constexpr std::array<RowOp, 256> MakeRowOps(std::index_sequence<I...>) {
  return {&RopRow<static_cast<unsigned>(I)>...};
}
constexpr std::array<RowOp, 256> kRowOps = MakeRowOps(std::make_index_sequence<256>{});

template <std::size_t... I>
constexpr std::array<std::uint32_t (*)(std::uint32_t, std::uint32_t, std::uint32_t), 256>
MakePixelOps(std::index_sequence<I...>) {
  return {&Rop3<static_cast<unsigned>(I)>...};
}
constexpr auto kPixelOps = MakePixelOps(std::make_index_sequence<256>{});

int Mod8(std::int64_t v) { return static_cast<int>(((v % 8) + 8) % 8); }

// A signed extent as a start and a positive length; true when it was negative.
bool Normalise(int& start, int& extent) {
  if (extent >= 0) return false;
  start += extent;
  extent = -extent;
  return true;
}

// Stores a run of pixels as a palette surface holds them, remembering the last colour
// looked up (runs are mostly one colour, and a table has up to 256 entries to search).
class NearestCache {
 public:
  explicit NearestCache(const DeviceContext& dc) : dc_(dc) {}
  void Apply(std::uint32_t* run, std::int64_t count) {
    if (dc_.palette == nullptr) return;
    for (std::int64_t i = 0; i < count; ++i) {
      const std::uint32_t p = run[i] & kRgbMask;
      if (!known_ || p != from_) {
        from_ = p;
        to_ = StoredPixel(dc_, p);
        known_ = true;
      }
      run[i] = to_;
    }
  }

 private:
  const DeviceContext& dc_;
  bool known_ = false;
  std::uint32_t from_ = 0, to_ = 0;
};

}  // namespace

std::uint32_t MixRop3(DWORD rop, std::uint32_t pattern, std::uint32_t source,
                      std::uint32_t destination) {
  return kPixelOps[RopCode(rop)](pattern, source, destination);
}

bool Blit(DeviceContext& dst, int x, int y, int width, int height, DeviceContext* src,
          int x_src, int y_src, int src_width, int src_height, DWORD rop) {
  const unsigned code = RopCode(rop);
  const bool uses_source = RopUsesSource(rop);
  const bool uses_pattern = RopUsesPattern(rop);
  if (uses_source && src == nullptr) return false;
  Painter painter(dst, R2_COPYPEN);
  if (!painter.ok()) return false;
  if (!uses_source) {
    src_width = width;
    src_height = height;
  }
  const bool flip_x = Normalise(x, width) != Normalise(x_src, src_width);
  const bool flip_y = Normalise(y, height) != Normalise(y_src, src_height);
  if (width == 0 || height == 0 || src_width == 0 || src_height == 0) return true;
  const PixelSurface& out = painter.surface();
  const POINT off = painter.offset();

  // The pattern, as 8 rows of 8 pixels.
  Fill pattern = SolidFill(0);
  if (uses_pattern) {
    pattern = BrushFill(dst, dst.state.brush);
    if (pattern.kind == Fill::Kind::kNone) return true;  // a null brush paints nothing
    pattern = StoredFill(dst, pattern);
  }
  if (pattern.kind == Fill::Kind::kSolid) {
    pattern.pattern.fill(pattern.pixel);
    pattern.opaque.fill(true);
  }

  // Where the destination's rows and columns come from in the source surface.
  PixelSurface in;
  POINT src_off{0, 0};
  std::uint32_t src_background = 0;
  bool to_colour = false, to_mono = false;
  if (uses_source) {
    in = src->Surface();
    if (in.empty()) return false;
    src_off = src->surface_offset;
    src_background = PixelFromColor(src->state.bk_color);
    // Only a monochrome device bitmap goes through the text and background colours: a
    // 1-bpp DIB section's pixels already hold its colour table's entries.
    to_colour = src->monochrome_device_bitmap() && !dst.monochrome_device_bitmap();
    to_mono = !src->monochrome_device_bitmap() && dst.monochrome_device_bitmap();
  }
  // A DIB section of up to 8 bpp keeps the nearest of its colour-table entries.
  NearestCache nearest(dst);
  const std::uint32_t zero_colour = PixelFromColor(dst.state.text_color);
  const std::uint32_t one_colour = PixelFromColor(dst.state.bk_color);

  // Only the part of the destination on the surface matters: clamp before mapping.
  const std::int64_t left = std::max<std::int64_t>(x, -std::int64_t{off.x});
  const std::int64_t right = std::min<std::int64_t>(std::int64_t{x} + width, std::int64_t{out.width} - off.x);
  const std::int64_t top = std::max<std::int64_t>(y, -std::int64_t{off.y});
  const std::int64_t bottom = std::min<std::int64_t>(std::int64_t{y} + height, std::int64_t{out.height} - off.y);
  if (left >= right || top >= bottom) return true;

  std::vector<int> cols, rows;
  const bool identity = uses_source && !flip_x && width == src_width;
  if (uses_source) {
    // Map the whole extent, then keep the clamped window (the mapping depends on it all).
    auto map_window = [](int extent, int src_extent, bool mirror, std::int64_t first, int limit,
                         std::int64_t from, std::int64_t to, std::int64_t origin) {
      std::vector<int> window(static_cast<std::size_t>(to - from));
      for (std::int64_t i = from; i < to; ++i) {
        const std::int64_t k = i - origin;
        std::int64_t j = (2 * k + 1) * src_extent / (std::int64_t{2} * extent);
        if (mirror) j = src_extent - 1 - j;
        const std::int64_t s = first + j;
        window[static_cast<std::size_t>(i - from)] = (s >= 0 && s < limit) ? static_cast<int>(s) : -1;
      }
      return window;
    };
    cols = map_window(width, src_width, flip_x, std::int64_t{x_src} + src_off.x, in.width, left, right, x);
    rows = map_window(height, src_height, flip_y, std::int64_t{y_src} + src_off.y, in.height, top, bottom, y);
  }

  // On one surface, walk rows away from the overlap so no source row is overwritten first.
  const bool same_surface = uses_source && in.origin == out.origin;
  bool bottom_up = false;
  if (same_surface && !rows.empty()) {
    bottom_up = rows.back() >= 0 && rows.front() >= 0 && rows.front() < top + off.y;
  }

  std::vector<std::uint32_t> buffer(uses_source ? static_cast<std::size_t>(right - left) : 0);
  const RowOp op = kRowOps[code];
  const std::int64_t count_rows = bottom - top;
  for (std::int64_t n = 0; n < count_rows; ++n) {
    const std::int64_t r = bottom_up ? count_rows - 1 - n : n;
    const std::int64_t dy = top + r;               // DC coordinates
    const std::int64_t sy_out = dy + off.y;        // destination surface row
    const std::uint32_t* src_row = nullptr;
    if (uses_source) {
      const int sy = rows[static_cast<std::size_t>(r)];
      if (sy < 0) continue;
      src_row = in.Row(sy);
    }
    std::uint32_t* out_row = out.Row(static_cast<std::int32_t>(sy_out));
    const int py = Mod8(dy - dst.state.brush_origin.y);
    for (const RECT& clip : painter.clip()) {
      if (clip.top > sy_out) break;
      if (sy_out >= clip.bottom) continue;
      std::int64_t a = std::max<std::int64_t>(left + off.x, clip.left);
      std::int64_t b = std::min<std::int64_t>(right + off.x, clip.right);
      if (a >= b) continue;
      const std::uint32_t* s = nullptr;
      if (uses_source) {
        // Columns whose source is outside the source surface are left alone.
        while (a < b && cols[static_cast<std::size_t>(a - off.x - left)] < 0) ++a;
        while (b > a && cols[static_cast<std::size_t>(b - 1 - off.x - left)] < 0) --b;
        if (a >= b) continue;
        std::uint32_t* fill = buffer.data();
        const std::int64_t base = a - off.x - left;
        if (identity && !to_colour && !to_mono && !same_surface) {
          s = src_row + cols[static_cast<std::size_t>(base)];
        } else {
          for (std::int64_t i = 0; i < b - a; ++i) {
            std::uint32_t p = src_row[cols[static_cast<std::size_t>(base + i)]] & kRgbMask;
            if (to_colour) p = p ? one_colour : zero_colour;
            if (to_mono) p = p == src_background ? kRgbMask : 0;
            fill[i] = p;
          }
          s = fill;
        }
        if (code == RopCode(SRCCOPY)) {
          std::memmove(out_row + a, s, static_cast<std::size_t>(b - a) * sizeof(std::uint32_t));
          nearest.Apply(out_row + a, b - a);
          continue;
        }
      }
      const int phase = Mod8(a - off.x - dst.state.brush_origin.x);
      op(out_row + a, s, &pattern.pattern[static_cast<std::size_t>(py) * 8],
         &pattern.opaque[static_cast<std::size_t>(py) * 8], phase, static_cast<int>(b - a));
      nearest.Apply(out_row + a, b - a);
    }
  }
  return true;
}

}  // namespace platform::gdi
