#include "runtime/dialogs/graphic_engine_hooks.h"

namespace runtime {

bool graphic_engine_scroll(HWND, UINT, WPARAM, LPARAM) { return false; }

void graphic_engine_message(HWND, WPARAM, LPARAM) {}

void graphic_engine_resize(HWND, int, int) {}

HWND& current_graphic_target() {
  thread_local HWND target = nullptr;
  return target;
}

}  // namespace runtime
