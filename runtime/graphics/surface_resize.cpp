// Placeholder until surface resizing joins the engine: a resize leaves the surface as it is.
#include "runtime/dialogs/graphic_engine_hooks.h"

namespace runtime {

void graphic_engine_resize(HWND, int, int) {}

}  // namespace runtime
