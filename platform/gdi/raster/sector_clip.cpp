#include "platform/gdi/raster/sector_clip.h"

#include <algorithm>

namespace platform::gdi {

namespace {

constexpr std::int64_t kFar = std::int64_t{1} << 62;

Wide Cross(HalfPoint a, HalfPoint b) { return Wide{a.y} * b.x - Wide{a.x} * b.y; }
Wide Dot(HalfPoint a, HalfPoint b) { return Wide{a.x} * b.x + Wide{a.y} * b.y; }

void Forward(std::int32_t y, std::int64_t x0, std::int64_t x1, std::int64_t lo, std::int64_t hi,
             SpanSink& next) {
  x0 = std::max(x0, lo);
  x1 = std::min(x1, hi);
  if (x0 < x1) next.Span(y, static_cast<std::int32_t>(x0), static_cast<std::int32_t>(x1));
}

}  // namespace

void SectorClipSink::HalfPlane::Row(std::int32_t y, std::int64_t* lo, std::int64_t* hi) const {
  // dir.y * (2x + 1 - base.x) - dir.x * (2y + 1 - base.y) >= 0, i.e. alpha * x + beta >= 0.
  Wide alpha = Wide{2} * dir.y;
  Wide beta = Wide{dir.y} * (1 - Wide{base.x}) - Wide{dir.x} * (Wide{2} * y + 1 - base.y);
  *lo = -kFar;
  *hi = kFar;
  if (alpha > 0) {
    *lo = static_cast<std::int64_t>(std::clamp<Wide>(CeilDiv(-beta, alpha), -kFar, kFar));
  } else if (alpha < 0) {
    *hi = static_cast<std::int64_t>(std::clamp<Wide>(FloorDiv(beta, -alpha) + 1, -kFar, kFar));
  } else if (beta < 0) {
    *hi = *lo;
  }
}

void SectorClipSink::SetSlice(HalfPoint centre, HalfPoint start, HalfPoint end) {
  Wide turn = Cross(start, end);
  first_ = {centre, start};                 // counter-clockwise of the start radial
  second_ = {centre, {-end.x, -end.y}};     // clockwise of the end radial
  if (turn > 0) {
    mode_ = Mode::kBoth;  // less than half a turn: the wedge between the two
  } else if (turn < 0) {
    mode_ = Mode::kEither;  // more than half a turn
  } else if (Dot(start, end) > 0 || (start.x == 0 && start.y == 0) || (end.x == 0 && end.y == 0)) {
    mode_ = Mode::kAll;  // one direction: the whole ellipse
  } else {
    mode_ = Mode::kOne;  // exactly half a turn
  }
}

void SectorClipSink::SetChordSide(HalfPoint from, HalfPoint to) {
  if (from.x == to.x && from.y == to.y) {
    mode_ = Mode::kAll;
    return;
  }
  first_ = {from, {from.x - to.x, from.y - to.y}};
  mode_ = Mode::kOne;
}

void SectorClipSink::Span(std::int32_t y, std::int32_t x0, std::int32_t x1) {
  std::int64_t lo1, hi1, lo2, hi2;
  switch (mode_) {
    case Mode::kAll:
      next_.Span(y, x0, x1);
      return;
    case Mode::kOne:
      first_.Row(y, &lo1, &hi1);
      Forward(y, x0, x1, lo1, hi1, next_);
      return;
    case Mode::kBoth:
      first_.Row(y, &lo1, &hi1);
      second_.Row(y, &lo2, &hi2);
      Forward(y, x0, x1, std::max(lo1, lo2), std::min(hi1, hi2), next_);
      return;
    case Mode::kEither:
      first_.Row(y, &lo1, &hi1);
      second_.Row(y, &lo2, &hi2);
      if (lo1 > lo2) {
        std::swap(lo1, lo2);
        std::swap(hi1, hi2);
      }
      if (hi1 >= lo2) {
        Forward(y, x0, x1, lo1, std::max(hi1, hi2), next_);
      } else {
        Forward(y, x0, x1, lo1, hi1, next_);
        Forward(y, x0, x1, lo2, hi2, next_);
      }
      return;
  }
}

}  // namespace platform::gdi
