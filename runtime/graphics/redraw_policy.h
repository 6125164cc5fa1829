// What a drawing operation does after painting into the bitmap: the touched rectangle is
// added to the surface's pending redraw, and the surface's redraw policy decides when the
// window is repainted from the bitmap.
//
// Policies, by the surface's flags: REDRAW_DEFERRED (memory bitmaps) never repaints by
// itself; REDRAW_BATCHED (graphic windows) repaints every kBatchedOperations operations,
// or at the next mark when REDRAW_NOW is set; any other surface repaints at once.
#pragma once

#include <cstdint>

#include "platform/win32.h"
#include "runtime/dialogs/dialog_state.h"

namespace runtime {

inline constexpr std::int32_t kBatchedOperations = 250;

enum class DirtyMode {
  kExact,     // the rectangle as it is
  kPenWidth,  // widened on every side by pen width / 2 + 1 (lines and outlines)
};

// Called with the graphic lock held, at the end of an operation: normalises the
// rectangle (edges in any order), widens it by the mode, clips it to the bitmap, merges
// it into pending_redraw, sets REDRAW_PENDING and applies the policy. The lock stays held.
void mark_dirty(DialogState& surface, RECT touched, DirtyMode mode);

// Repaints now: InvalidateRect of the pending rectangle, moved by the pixel offset to
// where the window shows it (the whole window when GRAPHIC_STRETCHED), without erasing;
// UpdateWindow; and the pending state cleared (rectangle empty, REDRAW_PENDING,
// REDRAW_NOW and the operation counter).
void refresh_surface(DialogState& surface);

}  // namespace runtime
