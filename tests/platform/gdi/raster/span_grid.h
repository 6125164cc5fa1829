// A SpanSink that records every pixel it is sent, for the rasterizer tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/gdi/device_context.h"

namespace platform::gdi::testing {

// Counts how often each pixel of `area` is sent; a span leaving the area, empty or
// reversed is a failure of its own.
class SpanGrid : public SpanSink {
 public:
  explicit SpanGrid(RECT area = {-64, -64, 64, 64})
      : area_(area), counts_((area.right - area.left) * (area.bottom - area.top)) {}

  void Span(std::int32_t y, std::int32_t x0, std::int32_t x1) override {
    bool inside = y >= area_.top && y < area_.bottom && x0 >= area_.left && x1 <= area_.right;
    EXPECT_TRUE(inside && x0 < x1) << "span y " << y << " x " << x0 << ".." << x1;
    if (!inside) return;
    for (std::int32_t x = x0; x < x1; ++x) ++counts_[Index(x, y)];
  }

  int Count(std::int32_t x, std::int32_t y) const {
    if (x < area_.left || x >= area_.right || y < area_.top || y >= area_.bottom) return 0;
    return counts_[Index(x, y)];
  }
  bool Has(std::int32_t x, std::int32_t y) const { return Count(x, y) > 0; }

  std::set<std::pair<int, int>> Pixels() const {
    std::set<std::pair<int, int>> out;
    for (int y = area_.top; y < area_.bottom; ++y)
      for (int x = area_.left; x < area_.right; ++x)
        if (Has(x, y)) out.insert({x, y});
    return out;
  }
  int MaxCount() const {
    int m = 0;
    for (int c : counts_) m = std::max(m, c);
    return m;
  }
  const RECT& area() const { return area_; }

  // The pixels as rows of '#' and '.', for failure messages.
  std::string Picture(RECT r) const {
    std::string s;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) s += Has(x, y) ? '#' : '.';
      s += '\n';
    }
    return s;
  }

 private:
  std::size_t Index(std::int32_t x, std::int32_t y) const {
    return static_cast<std::size_t>((y - area_.top) * (area_.right - area_.left) + (x - area_.left));
  }
  RECT area_;
  std::vector<int> counts_;
};

using PixelSet = std::set<std::pair<int, int>>;

}  // namespace platform::gdi::testing
