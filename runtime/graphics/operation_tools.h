// The pen and brush of one drawing operation, made from the surface's pen style and
// width and the colours the caller gives, selected into the memory DC, and put back and
// deleted when the operation ends.
#pragma once

#include <cstdint>

#include "platform/win32.h"
#include "runtime/dialogs/dialog_state.h"

namespace runtime {

// Colour arguments of drawing operations: a COLORREF (only its low 24 bits count), or
inline constexpr std::int32_t kForegroundColour = -1;  // lines: the foreground colour;
                                                      // fills: the line colour
inline constexpr std::int32_t kNoColour = -2;          // no pen, or no fill (NULL_PEN, NULL_BRUSH)

// Fill styles: 0 solid, 1-6 the hatches HS_HORIZONTAL ... HS_DIAGCROSS; others count as 0.
inline constexpr std::int32_t kSolidFill = 0;

// The line colour of an operation: kForegroundColour gives the surface's foreground
// colour; kNoColour stays; anything else is cut to its low 24 bits.
std::int32_t line_colour(const DialogState& surface, std::int32_t colour);
// The fill colour: kForegroundColour gives the (resolved) line colour.
std::int32_t fill_colour(std::int32_t fill, std::int32_t resolved_line);

// A pen or brush for one operation; `made` tells whether it must be deleted (stock
// objects are not).
struct MadeTool {
  HGDIOBJ object;
  bool made;
};

// NULL_PEN for kNoColour, else CreatePen(pen style, pen width, colour). `colour` must be
// resolved by line_colour.
MadeTool make_operation_pen(const DialogState& surface, std::int32_t colour);
// NULL_BRUSH for kNoColour, CreateSolidBrush for style 0, CreateHatchBrush(style - 1)
// for 1-6. `colour` must be resolved by fill_colour.
MadeTool make_operation_brush(std::int32_t colour, std::int32_t fill_style);

// A tool selected into the memory DC for one scope; the destructor selects back what
// was there and deletes what was made.
class SelectedTool {
 public:
  SelectedTool(HDC dc, MadeTool tool);
  ~SelectedTool();
  SelectedTool(const SelectedTool&) = delete;
  SelectedTool& operator=(const SelectedTool&) = delete;

  HGDIOBJ object() const { return tool_.object; }

 private:
  HDC dc_;
  MadeTool tool_;
  HGDIOBJ previous_;
};

}  // namespace runtime
