// Entry points the toolkit calls into the graphic engine; their bodies live with the
// engine in runtime/graphics/ (view_scrolling.cpp, drawing_session.cpp,
// surface_resize.cpp).
#pragma once

#include "platform/win32.h"

namespace runtime {

// The engine's scroll handling of a graphic control: true when it handled the message.
bool graphic_engine_scroll(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
// The engine's own message 0x1403, seen before the control's previous procedure.
void graphic_engine_message(HWND control, WPARAM wParam, LPARAM lParam);
// Resizes a graphic control's surface (set_client_size and set_window_size hand graphic
// controls over with the values unconverted).
void graphic_engine_resize(HWND control, int width, int height);
// The calling thread's current graphic target (0 for none).
HWND& current_graphic_target();

inline constexpr UINT kGraphicEngineMessage = 0x1403;

}  // namespace runtime
