// Spans gathered before they are painted (platform-internal).
//
// A figure's outline is made of pieces that may overlap (two radials of a pie, the round
// caps of a wide arc, the capsules of a wide polyline). Painting overlapping pieces
// directly would mix a pixel twice under R2_XORPEN, so the pieces are collected here,
// merged per row, and each pixel is painted once; the interior is then painted minus
// these pixels. Only spans inside the bounds are kept, so memory follows the visible
// part of the figure, not its size.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi/device_context.h"
#include "platform/win32.h"

namespace platform::gdi {

struct RowSpan {
  std::int32_t y;
  std::int32_t x0;
  std::int32_t x1;  // exclusive
};

class SpanCollector : public SpanSink {
 public:
  explicit SpanCollector(const RECT& bounds) : bounds_(bounds) {}

  void Span(std::int32_t y, std::int32_t x0, std::int32_t x1) override;

  // Sorts and merges what was collected; call once before the reads below.
  void Finish();

  // The merged spans of row y (sorted, disjoint, none touching).
  const RowSpan* RowBegin(std::int32_t y) const;
  const RowSpan* RowEnd(std::int32_t y) const;
  const std::vector<RowSpan>& spans() const { return spans_; }

  void EmitTo(SpanSink& sink) const;

 private:
  RECT bounds_;
  std::vector<RowSpan> spans_;
  bool finished_ = false;
};

// Forwards each span minus the pixels of a finished collector.
class SubtractSink : public SpanSink {
 public:
  SubtractSink(const SpanCollector& removed, SpanSink& next) : removed_(removed), next_(next) {}
  void Span(std::int32_t y, std::int32_t x0, std::int32_t x1) override;

 private:
  const SpanCollector& removed_;
  SpanSink& next_;
};

// Forwards each span clipped to the bounds; drops what lies outside.
class ClipSink : public SpanSink {
 public:
  ClipSink(const RECT& bounds, SpanSink& next) : bounds_(bounds), next_(next) {}
  void Span(std::int32_t y, std::int32_t x0, std::int32_t x1) override;

 private:
  RECT bounds_;
  SpanSink& next_;
};

}  // namespace platform::gdi
