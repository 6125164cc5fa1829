// What a program does to one control of a live dialog: find it, read and replace its
// text, send it messages, check states, focus, callbacks, user values, images, and
// destroying it. None raises a run-time error: a dialog or id that names nothing makes
// the Windows calls see a null window, and the result is 0, empty or nothing.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/win32.h"
#include "runtime/dialogs/dialog_state.h"
#include "runtime/text/dyn_string.h"

namespace runtime {

HWND get_control_handle(HWND dialog, std::int32_t id);

// The window's text as a wide DynString (empty for an empty text or a dead window).
DynString read_control_text(HWND window);
// `text` is a wide system string; null is sent as "".
void write_control_text(HWND window, const void* text);

LRESULT send_to_window(HWND window, UINT message, WPARAM wParam, LPARAM lParam);  // A
LRESULT send_to_window_wide(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT post_to_window(HWND window, UINT message, WPARAM wParam, LPARAM lParam);  // A
LRESULT post_to_window_wide(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT send_to_control(HWND dialog, std::int32_t id, UINT message, WPARAM wParam = 0,
                        LPARAM lParam = 0);
// SendMessageW with a wide system string (null sent as "") as lParam.
LRESULT send_text_message(HWND window, UINT message, WPARAM wParam, const void* text);
// A text of n characters asked with the length message, then fetched with the text message.
DynString query_text_by_messages(HWND window, WPARAM wParam, UINT text_message,
                                 UINT length_message);

std::int32_t get_control_check(HWND dialog, std::int32_t id);
void set_control_check(HWND dialog, std::int32_t id, std::int32_t state);
void check_radio_range(HWND dialog, std::int32_t first, std::int32_t last, std::int32_t checked);
// Brings the control's top-level dialog to the foreground and gives the control the focus.
void focus_control(HWND dialog, std::int32_t id);
void set_control_callback(HWND dialog, std::int32_t id, DialogCallback callback);

// Slots 1-8; the slot is taken modulo 8 (slot 9 is slot 1, slot 0 is slot 8).
inline constexpr int user_value_index(std::int32_t slot) { return (slot - 1) & 7; }
std::int32_t get_user_value(HWND window, std::int32_t slot);
void set_user_value(HWND window, std::int32_t slot, std::int32_t value);

// variant: 0 image, 1 image fitted to the control, 2 image button, 3 image button fitted;
// it must name the control's own kind (10 + variant) and image type.
void replace_control_image(HWND dialog, std::int32_t id, std::u16string_view name,
                           std::int32_t variant);

// DestroyWindow of the control, then the release of its record and its children's.
// DIALOG_ITSELF is left alone.
void destroy_control(HWND dialog, std::int32_t id);

LONG get_window_long(HWND window, int index);
LONG set_window_long(HWND window, int index, LONG value);
BOOL destroy_window(HWND window);

}  // namespace runtime
