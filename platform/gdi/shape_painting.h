// What a line or figure call takes from its DC (platform-internal).
//
// Looks the DC up (a dead handle fails with ERROR_INVALID_HANDLE), opens a Painter with
// the DC's mix mode, works out the bounds of the visible part in DC coordinates (so the
// rasterizer never visits what cannot be seen) and resolves the selected pen and brush
// into the rasterizer's pen description and the fills the spans are painted with.
#pragma once

#include <optional>

#include "platform/gdi/device_context.h"
#include "platform/gdi/painter.h"
#include "platform/gdi/raster/figures.h"
#include "platform/win32.h"

namespace platform::gdi {


class ShapePainting {
 public:
  // `rop2`: the mix mode to paint with; by default the DC's own.
  explicit ShapePainting(HDC dc, std::optional<int> rop2 = std::nullopt);
  ShapePainting(const ShapePainting&) = delete;
  ShapePainting& operator=(const ShapePainting&) = delete;

  // False (and the error set when there is one) when nothing can be drawn: a dead handle
  // or a DC without pixels.
  bool ok() const { return ok_; }
  DeviceContext& dc() { return *dc_; }
  const RECT& bounds() const { return bounds_; }
  const OutlinePen& pen() const { return pen_; }

  SpanSink& pen_sink() { return pen_sink_; }
  SpanSink* gap_sink() { return has_gaps_ ? &gap_sink_ : nullptr; }
  SpanSink& brush_sink() { return brush_sink_; }
  // Outline with the pen and, for filled figures, interior with the brush.
  FigureSinks Sinks(bool filled);

 private:
  DeviceContext* dc_ = nullptr;
  std::optional<Painter> painter_;
  bool ok_ = false;
  RECT bounds_{0, 0, 0, 0};
  OutlinePen pen_;
  Fill pen_fill_, gap_fill_, brush_fill_;
  bool has_gaps_ = false;
  bool has_brush_ = false;
  struct LazySink : SpanSink {
    Painter* painter = nullptr;
    const Fill* fill = nullptr;
    void Span(std::int32_t y, std::int32_t x0, std::int32_t x1) override {
      painter->Span(y, x0, x1, *fill);
    }
  } pen_sink_, gap_sink_, brush_sink_;
};

}  // namespace platform::gdi
