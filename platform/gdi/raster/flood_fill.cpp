#include "platform/gdi/raster/flood_fill.h"

#include <vector>

#include "platform/gdi/raster/int_math.h"

namespace platform::gdi {

namespace {

class FloodFiller {
 public:
  FloodFiller(std::uint32_t colour, FloodKind kind, const RECT& bounds, const PixelReader& read)
      : colour_(colour),
        kind_(kind),
        bounds_(bounds),
        width_(std::int64_t{bounds.right} - bounds.left),
        done_(static_cast<std::size_t>((width_ * (std::int64_t{bounds.bottom} - bounds.top) + 63) / 64)),
        read_(read) {}

  bool Fillable(std::int32_t x, std::int32_t y) const {
    if (x < bounds_.left || x >= bounds_.right || y < bounds_.top || y >= bounds_.bottom) return false;
    if (Done(x, y)) return false;
    std::uint32_t pixel;
    if (!read_(x, y, &pixel)) return false;
    pixel &= 0xFFFFFF;
    return kind_ == FloodKind::kBorder ? pixel != colour_ : pixel == colour_;
  }

  void Run(std::int32_t seed_x, std::int32_t seed_y, SpanSink& sink) {
    pending_.push_back({seed_x, seed_y});
    while (!pending_.empty()) {
      auto [x, y] = pending_.back();
      pending_.pop_back();
      if (!Fillable(x, y)) continue;
      std::int32_t x0 = x, x1 = x + 1;
      while (Fillable(x0 - 1, y)) --x0;
      while (Fillable(x1, y)) ++x1;
      for (std::int32_t i = x0; i < x1; ++i) MarkDone(i, y);
      sink.Span(y, x0, x1);
      // One entry per fillable run of the rows above and below.
      for (std::int32_t ny : {y - 1, y + 1}) {
        if (ny < bounds_.top || ny >= bounds_.bottom) continue;
        bool in_run = false;
        for (std::int32_t i = x0; i < x1; ++i) {
          bool fillable = Fillable(i, ny);
          if (fillable && !in_run) pending_.push_back({i, ny});
          in_run = fillable;
        }
      }
    }
  }

 private:
  std::size_t Index(std::int32_t x, std::int32_t y) const {
    return static_cast<std::size_t>((std::int64_t{y} - bounds_.top) * width_ + (std::int64_t{x} - bounds_.left));
  }
  bool Done(std::int32_t x, std::int32_t y) const {
    std::size_t i = Index(x, y);
    return (done_[i / 64] >> (i % 64)) & 1;
  }
  void MarkDone(std::int32_t x, std::int32_t y) {
    std::size_t i = Index(x, y);
    done_[i / 64] |= std::uint64_t{1} << (i % 64);
  }

  struct Seed {
    std::int32_t x, y;
  };
  std::uint32_t colour_;
  FloodKind kind_;
  RECT bounds_;
  std::int64_t width_;
  std::vector<std::uint64_t> done_;
  std::vector<Seed> pending_;
  const PixelReader& read_;
};

}  // namespace

bool RasterFloodFill(std::int32_t x, std::int32_t y, std::uint32_t colour, FloodKind kind,
                     const RECT& bounds, const PixelReader& read, SpanSink& sink) {
  if (IsEmptyBounds(bounds)) return false;
  FloodFiller filler(colour & 0xFFFFFF, kind, bounds, read);
  if (!filler.Fillable(x, y)) return false;
  filler.Run(x, y, sink);
  return true;
}

}  // namespace platform::gdi
