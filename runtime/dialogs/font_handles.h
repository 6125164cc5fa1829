// The Windows side of the font table: handles made on first use at the window's display
// resolution, fonts set on controls with use counts, and handles released when no window
// shows them any more.
#pragma once

#include <cstdint>

#include "platform/win32.h"
#include "runtime/dialogs/dialog_state.h"

namespace runtime {

// Gives the control the font (0 means 1). Nothing happens for a control without a
// record, an unknown number, or a handle that cannot be made.
void set_control_font(HWND dialog, std::int32_t id, FontNumber number);

// Deletes the font's handles once no window shows it; the built-ins 1-3 are never
// released. The entry keeps its number and gets a new handle on next use.
void release_font(FontNumber number);

// Part of releasing a record: the window's count on its font goes, and the font it had
// before the toolkit first changed it is put back.
void release_window_font(DialogState& record);

// The first font of a graphic surface: entry 1 selected into the memory DC, its metrics
// kept and TA_UPDATECP set. Returns 0, or 5 when the font could not be selected (the
// engine raises nothing for it).
std::int32_t select_first_graphic_font(DialogState& record);

}  // namespace runtime
