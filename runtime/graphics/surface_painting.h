// Showing a surface's bitmap in its window, for the surfaces that paint themselves (the
// drawing surface of a graphic window): the part of the window being painted, from the
// bitmap at the scroll offset (any part of the window beyond the bitmap in the surface's
// background), or the whole bitmap stretched to the window when the surface holds
// GRAPHIC_STRETCHED.
#pragma once

#include "platform/win32.h"
#include "runtime/dialogs/dialog_state.h"

namespace runtime {

void paint_surface(const DialogState& record, HDC dc, const RECT& part);

}  // namespace runtime
