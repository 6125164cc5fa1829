// The dash patterns of cosmetic styled pens (platform-internal).
//
// A cosmetic pen of style PS_DASH, PS_DOT, PS_DASHDOT or PS_DASHDOTDOT switches between
// drawn and skipped pixels counted along the line's major axis. The pattern carries on
// from one segment of a polyline to the next (the position is kept here between the
// segments) and starts afresh with each drawing call. Lengths are those of the display
// driver's styles, in pixels: dash 18 on 6 off, dot 3/3, dash-dot 9/6/3/6,
// dash-dot-dot 9/3/3/3/3/3.
#pragma once

#include <cstdint>

namespace platform::gdi {

class LineStyle {
 public:
  // A style for a PS_ value; PS_SOLID and anything unknown draw every pixel.
  static LineStyle ForPenStyle(unsigned pen_style);

  bool solid() const { return period_ == 0; }
  // Whether the pixel `step` pixels after the current position is drawn.
  bool On(std::uint64_t step) const;
  // How many pixels from `step` on share its on/off state (at least 1).
  std::uint64_t RunFrom(std::uint64_t step) const;
  void Advance(std::uint64_t steps);

 private:
  std::uint8_t lengths_[6] = {};
  int count_ = 0;
  std::uint32_t period_ = 0;  // 0: solid
  std::uint32_t position_ = 0;

  // The index of the dash or gap holding pattern offset `at`, and that dash's end offset.
  int Segment(std::uint32_t at, std::uint32_t* segment_end) const;
};

}  // namespace platform::gdi
