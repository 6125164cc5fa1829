#include "runtime/graphics/operation_tools.h"

namespace runtime {
namespace {

constexpr std::int32_t kLow24Bits = 0xFFFFFF;

}  // namespace

std::int32_t line_colour(const DialogState& surface, std::int32_t colour) {
  if (colour == kNoColour) return kNoColour;
  if (colour == kForegroundColour) colour = surface.graphic.default_text_color;
  return colour & kLow24Bits;
}

std::int32_t fill_colour(std::int32_t fill, std::int32_t resolved_line) {
  if (fill == kNoColour) return kNoColour;
  if (fill == kForegroundColour) return resolved_line;
  return fill & kLow24Bits;
}

MadeTool make_operation_pen(const DialogState& surface, std::int32_t colour) {
  if (colour == kNoColour) return {GetStockObject(NULL_PEN), false};
  HPEN pen = CreatePen(surface.graphic.pen_style, surface.graphic.pen_width,
                       static_cast<COLORREF>(colour));
  return {pen, pen != nullptr};
}

MadeTool make_operation_brush(std::int32_t colour, std::int32_t fill_style) {
  if (colour == kNoColour) return {GetStockObject(NULL_BRUSH), false};
  HBRUSH brush = fill_style >= 1 && fill_style <= 6
                     ? CreateHatchBrush(fill_style - 1, static_cast<COLORREF>(colour))
                     : CreateSolidBrush(static_cast<COLORREF>(colour));
  return {brush, brush != nullptr};
}

SelectedTool::SelectedTool(HDC dc, MadeTool tool)
    : dc_(dc), tool_(tool),
      previous_(tool.object != nullptr ? SelectObject(dc, tool.object) : nullptr) {}

SelectedTool::~SelectedTool() {
  if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  if (tool_.made) DeleteObject(tool_.object);
}

}  // namespace runtime
