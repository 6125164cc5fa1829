// The graphic engine's core, for every drawing operation and its tests:
//
//   DrawingScope scope;                       // begin_drawing: lock + current target
//   if (!scope) return;                       // no target, or not a drawing surface
//   DialogState& surface = *scope.surface();
//   POINT p = to_device(surface, x, y, false);
//   const std::int32_t c = line_colour(surface, colour);
//   { SelectedTool pen(dc, make_operation_pen(surface, c)); ...GDI call...; }
//   mark_dirty(surface, touched, DirtyMode::kPenWidth);   // redraw policy
//                                             // ~DrawingScope: end_drawing
//
// A surface is a DialogState of kind 14 (graphic control) or 26 (memory bitmap); its
// drawing state is in record.graphic (see dialog_state.h). The memory DC's current
// position is always graphic.position: an operation that moves one moves the other
// (set_current_position).
#pragma once

#include "runtime/dialogs/dialog_state.h"
#include "runtime/graphics/device_coordinates.h"
#include "runtime/graphics/drawing_session.h"
#include "runtime/graphics/graphic_lock.h"
#include "runtime/graphics/operation_tools.h"
#include "runtime/graphics/redraw_policy.h"

namespace runtime {

// MoveToEx on the memory DC and graphic.position, together.
inline void set_current_position(DialogState& surface, POINT p) {
  MoveToEx(surface.graphic.memory_dc, p.x, p.y, nullptr);
  surface.graphic.position = p;
}

}  // namespace runtime
