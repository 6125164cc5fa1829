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
//
// Making a surface (graphic controls: add_control; memory bitmaps and graphic windows:
// their own set-up): register_record gives the default colours and the shared
// background brush; then the memory DC with its bitmap selected (first_bitmap keeps what
// it held), bitmap_size, client_size and visible_size, the first font
// (select_first_graphic_font, which sets TA_UPDATECP), SetTextColor / SetBkColor /
// SetBkMode(OPAQUE), and the redraw policy in flags (REDRAW_DEFERRED for memory bitmaps,
// REDRAW_BATCHED for a graphic window's drawing child). Everything else starts at 0: the
// pen (solid, one pixel), the position, the world (origin 0, scale 0 = pixels, no mirror).
// free_window_record releases the memory DC, its bitmap and further_object.
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
