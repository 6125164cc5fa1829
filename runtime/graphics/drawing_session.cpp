#include "runtime/graphics/drawing_session.h"

#include "runtime/dialogs/graphic_engine_hooks.h"
#include "runtime/dialogs/record_list.h"
#include "runtime/graphics/graphic_lock.h"

namespace runtime {

HWND& current_graphic_target() {
  thread_local HWND target = nullptr;
  return target;
}

void set_graphic_target(HWND target) { current_graphic_target() = target; }

HWND graphic_target() { return current_graphic_target(); }

DialogState* begin_drawing() {
  take_graphic_lock();
  DialogState* record = find_record(current_graphic_target());
  if (record != nullptr && record->graphic.memory_dc != nullptr &&
      (record->kind == kind::kGraphicControl || record->kind == kind::kMemoryBitmap)) {
    return record;
  }
  release_graphic_lock();
  return nullptr;
}

void end_drawing() { release_graphic_lock(); }

}  // namespace runtime
