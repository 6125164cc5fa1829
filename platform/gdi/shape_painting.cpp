#include "platform/gdi/shape_painting.h"

#include <algorithm>

#include "platform/gdi/brush.h"
#include "platform/gdi/pen.h"

namespace platform::gdi {

namespace {

// The pen as the rasterizer draws it.
OutlinePen DescribePen(const Pen* pen) {
  OutlinePen out;
  if (pen == nullptr || pen->is_null()) {
    out.kind = OutlinePen::Kind::kNone;
    return out;
  }
  const bool cosmetic_ext = pen->type() == OBJ_EXTPEN && (pen->style & PS_TYPE_MASK) == PS_COSMETIC;
  out.width = cosmetic_ext ? 1 : pen->pixel_width();
  out.kind = out.width > 1 ? OutlinePen::Kind::kWide : OutlinePen::Kind::kCosmetic;
  out.inside_frame = pen->line_style() == PS_INSIDEFRAME;
  out.style = pen->dashed() ? static_cast<unsigned>(pen->line_style()) : PS_SOLID;
  return out;
}

}  // namespace

ShapePainting::ShapePainting(HDC dc, std::optional<int> rop2) {
  dc_ = FindDc(dc);
  if (dc_ == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return;
  }
  painter_.emplace(*dc_, rop2.value_or(dc_->state.rop2));
  if (!painter_->ok()) return;
  ok_ = true;

  // The bounding box of the visible rectangles, back in DC coordinates.
  const std::vector<RECT>& clip = painter_->clip();
  if (!clip.empty()) {
    RECT box = clip.front();
    for (const RECT& r : clip) {
      box.left = std::min(box.left, r.left);
      box.top = std::min(box.top, r.top);
      box.right = std::max(box.right, r.right);
      box.bottom = std::max(box.bottom, r.bottom);
    }
    const POINT offset = dc_->surface_offset;
    bounds_ = {box.left - offset.x, box.top - offset.y, box.right - offset.x, box.bottom - offset.y};
  }

  const Pen* pen = Find<Pen>(dc_->state.pen);
  pen_ = DescribePen(pen);
  if (pen != nullptr) pen_fill_ = SolidFill(PixelFromColor(pen->dc_pen ? dc_->state.dc_pen_color : pen->color));
  has_gaps_ = pen_.style != PS_SOLID && dc_->state.bk_mode == OPAQUE;
  gap_fill_ = SolidFill(PixelFromColor(dc_->state.bk_color));
  brush_fill_ = BrushFill(*dc_, dc_->state.brush);
  has_brush_ = brush_fill_.kind != Fill::Kind::kNone;

  for (auto [sink, fill] : {std::pair{&pen_sink_, &pen_fill_}, std::pair{&gap_sink_, &gap_fill_},
                            std::pair{&brush_sink_, &brush_fill_}}) {
    sink->painter = &*painter_;
    sink->fill = fill;
  }
}

FigureSinks ShapePainting::Sinks(bool filled) {
  return {&pen_sink_, gap_sink(), filled && has_brush_ ? &brush_sink_ : nullptr};
}

}  // namespace platform::gdi
