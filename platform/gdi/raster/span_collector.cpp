#include "platform/gdi/raster/span_collector.h"

#include <algorithm>

namespace platform::gdi {

void SpanCollector::Span(std::int32_t y, std::int32_t x0, std::int32_t x1) {
  if (y < bounds_.top || y >= bounds_.bottom) return;
  x0 = std::max(x0, bounds_.left);
  x1 = std::min(x1, bounds_.right);
  if (x0 >= x1) return;
  spans_.push_back({y, x0, x1});
  finished_ = false;
}

void SpanCollector::Finish() {
  if (finished_) return;
  std::sort(spans_.begin(), spans_.end(), [](const RowSpan& a, const RowSpan& b) {
    return a.y != b.y ? a.y < b.y : a.x0 < b.x0;
  });
  std::size_t out = 0;
  for (const RowSpan& s : spans_) {
    if (out > 0 && spans_[out - 1].y == s.y && spans_[out - 1].x1 >= s.x0) {
      spans_[out - 1].x1 = std::max(spans_[out - 1].x1, s.x1);
    } else {
      spans_[out++] = s;
    }
  }
  spans_.resize(out);
  finished_ = true;
}

const RowSpan* SpanCollector::RowBegin(std::int32_t y) const {
  auto it = std::lower_bound(spans_.begin(), spans_.end(), y,
                             [](const RowSpan& s, std::int32_t row) { return s.y < row; });
  return spans_.data() + (it - spans_.begin());
}

const RowSpan* SpanCollector::RowEnd(std::int32_t y) const {
  auto it = std::upper_bound(spans_.begin(), spans_.end(), y,
                             [](std::int32_t row, const RowSpan& s) { return row < s.y; });
  return spans_.data() + (it - spans_.begin());
}

void SpanCollector::EmitTo(SpanSink& sink) const {
  for (const RowSpan& s : spans_) sink.Span(s.y, s.x0, s.x1);
}

void SubtractSink::Span(std::int32_t y, std::int32_t x0, std::int32_t x1) {
  for (const RowSpan* s = removed_.RowBegin(y), *end = removed_.RowEnd(y); s != end; ++s) {
    if (s->x1 <= x0) continue;
    if (s->x0 >= x1) break;
    if (s->x0 > x0) next_.Span(y, x0, s->x0);
    x0 = std::max(x0, s->x1);
    if (x0 >= x1) return;
  }
  if (x0 < x1) next_.Span(y, x0, x1);
}

void ClipSink::Span(std::int32_t y, std::int32_t x0, std::int32_t x1) {
  if (y < bounds_.top || y >= bounds_.bottom) return;
  x0 = std::max(x0, bounds_.left);
  x1 = std::min(x1, bounds_.right);
  if (x0 < x1) next_.Span(y, x0, x1);
}

}  // namespace platform::gdi
