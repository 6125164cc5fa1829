// Showing dialogs: the modal show with its polling loop, the modeless show, the show
// state, end_dialog, and the one-message pump and plain sleep of other waiting loops.
#pragma once

#include <cstdint>

#include "platform/win32.h"
#include "runtime/dialogs/dialog_state.h"

namespace runtime {

// Attaches the callback (after giving it a WM_INITDIALOG with the dialog as wParam and a
// WM_SIZE with the client size), disables the parent, shows the dialog and takes every
// message of the thread until the dialog window is gone. *result is written only by
// end_dialog. The callback and result may be null.
void show_dialog_modal(HWND dialog, DialogCallback callback, std::int32_t* result);

// The same without the loop and without parent handling; returns at once.
void show_dialog_modeless(HWND dialog, DialogCallback callback, std::int32_t* result);

// Shown windows and controls: ShowWindow and a repaint. A dialog not yet shown only
// records the command (SW_HIDE, SW_MAXIMIZE, SW_MINIMIZE, else SW_SHOW) and gives 0.
std::int32_t set_dialog_show_state(HWND window, std::int32_t command);

// Stores the result for the modal caller, lets the callback see WM_CLOSE, enables the
// parent, destroys the accelerator table and the dialog. Callable from the callback.
void end_dialog(HWND dialog, std::int32_t result);

// One message of the thread (offered to the active dialog first), or a 1 ms sleep when
// none waits. Returns the number of live dialogs.
std::int32_t pump_messages_once();

void idle_sleep(DWORD milliseconds);

}  // namespace runtime
