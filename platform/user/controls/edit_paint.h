// Painting an edit control (platform-internal; see edit_paint.cpp).
#pragma once

#include "platform/user/controls/edit_state.h"

namespace platform::user::controls {

void PaintEdit(EditState& state, HDC dc);

}  // namespace platform::user::controls
