// Painting a list box's items (platform-internal; see list_box_paint.cpp). Its scroll bar
// is the window's own, painted with the frame.
#pragma once

#include "platform/user/controls/list_box_state.h"

namespace platform::user::controls {

void PaintListBox(ListBoxState& state, HDC dc);

}  // namespace platform::user::controls
