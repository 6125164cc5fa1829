// Cutting spans to a pie slice or to one side of a chord (platform-internal).
//
// Arcs, pies and chords are parts of an ellipse: the ellipse's rows are sent through this
// sink, which keeps the pixels whose centres lie in the slice swept counter-clockwise (as
// seen on the screen, y down) from the start radial to the end radial, or on the arc's side
// of a chord. Points are in half-pixel units (pixel x has its centre at 2x + 1) and the
// tests are exact integer cross products; pixels on a radial or on the chord are kept.
#pragma once

#include <cstdint>

#include "platform/gdi/device_context.h"
#include "platform/gdi/raster/int_math.h"

namespace platform::gdi {

struct HalfPoint {
  std::int64_t x, y;  // half-pixel units
};

class SectorClipSink : public SpanSink {
 public:
  // Keeps everything until a Set call.
  explicit SectorClipSink(SpanSink& next) : next_(next) {}

  // The slice swept counter-clockwise from direction `start` to `end` around `centre`;
  // the whole plane when they point the same way.
  void SetSlice(HalfPoint centre, HalfPoint start, HalfPoint end);
  // The side of the line from `from` to `to` that an arc running counter-clockwise from
  // `from` to `to` lies on; the whole plane when the two points coincide.
  void SetChordSide(HalfPoint from, HalfPoint to);

  void Span(std::int32_t y, std::int32_t x0, std::int32_t x1) override;

 private:
  // Points P with dir.y * (P.x - base.x) - dir.x * (P.y - base.y) >= 0: the left side of
  // `dir` as seen on the screen (counter-clockwise of it).
  struct HalfPlane {
    HalfPoint base, dir;
    // Row y's pixels in the half-plane: [lo, hi).
    void Row(std::int32_t y, std::int64_t* lo, std::int64_t* hi) const;
  };
  enum class Mode { kAll, kOne, kBoth, kEither };

  SpanSink& next_;
  Mode mode_ = Mode::kAll;
  HalfPlane first_{}, second_{};
};

}  // namespace platform::gdi
