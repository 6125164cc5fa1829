// The start and end of every drawing operation: the calling thread's current graphic
// target is looked up with the graphic lock held.
#pragma once

#include "runtime/dialogs/dialog_state.h"

namespace runtime {

// The target's record with the graphic lock held, or null with the lock released when
// the thread has no target, the target has no record, or its record is not a drawing
// surface (a graphic control, kind 14, or a memory bitmap, kind 26) with a memory DC.
DialogState* begin_drawing();
// Releases the graphic lock.
void end_drawing();

// Makes the window (a graphic control, or a memory bitmap's handle) the calling thread's
// target; 0 leaves the thread without one. Nothing is checked: drawing on a window that
// is no surface simply does nothing.
void set_graphic_target(HWND target);
HWND graphic_target();

// begin_drawing and end_drawing for one scope: `surface()` is null when drawing is not
// possible, and then the lock is not held.
class DrawingScope {
 public:
  DrawingScope() : record_(begin_drawing()) {}
  ~DrawingScope() {
    if (record_ != nullptr) end_drawing();
  }
  DrawingScope(const DrawingScope&) = delete;
  DrawingScope& operator=(const DrawingScope&) = delete;

  DialogState* surface() const { return record_; }
  explicit operator bool() const { return record_ != nullptr; }

 private:
  DialogState* record_;
};

}  // namespace runtime
