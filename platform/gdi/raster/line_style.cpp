#include "platform/gdi/raster/line_style.h"

#include <cstdint>
#include <initializer_list>

namespace platform::gdi {

namespace {
constexpr unsigned kPsDash = 1;
constexpr unsigned kPsDot = 2;
constexpr unsigned kPsDashDot = 3;
constexpr unsigned kPsDashDotDot = 4;
}  // namespace

LineStyle LineStyle::ForPenStyle(unsigned pen_style) {
  LineStyle style;
  auto set = [&style](std::initializer_list<std::uint8_t> lengths) {
    for (std::uint8_t length : lengths) {
      style.lengths_[style.count_++] = length;
      style.period_ += length;
    }
  };
  switch (pen_style & 0xF) {
    case kPsDash: set({18, 6}); break;
    case kPsDot: set({3, 3}); break;
    case kPsDashDot: set({9, 6, 3, 6}); break;
    case kPsDashDotDot: set({9, 3, 3, 3, 3, 3}); break;
    default: break;
  }
  return style;
}

int LineStyle::Segment(std::uint32_t at, std::uint32_t* segment_end) const {
  std::uint32_t end = 0;
  for (int i = 0; i < count_; ++i) {
    end += lengths_[i];
    if (at < end) {
      *segment_end = end;
      return i;
    }
  }
  *segment_end = period_;
  return count_ - 1;
}

bool LineStyle::On(std::uint64_t step) const {
  if (solid()) return true;
  std::uint32_t end;
  return Segment(static_cast<std::uint32_t>((position_ + step) % period_), &end) % 2 == 0;
}

std::uint64_t LineStyle::RunFrom(std::uint64_t step) const {
  if (solid()) return UINT64_MAX;
  std::uint32_t at = static_cast<std::uint32_t>((position_ + step) % period_);
  std::uint32_t end;
  Segment(at, &end);
  return end - at;
}

void LineStyle::Advance(std::uint64_t steps) {
  if (!solid()) position_ = static_cast<std::uint32_t>((position_ + steps % period_) % period_);
}

}  // namespace platform::gdi
