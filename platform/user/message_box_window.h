// A message box as a modal dialog window of the dialog manager (platform-internal).
//
// The box is built from BuildMessageBoxTemplate's template and runs its own modal loop:
//   - the owner's top-level window (or, for MB_TASKMODAL without one, every enabled
//     top-level window of the thread) is disabled while the box is up, enabled after;
//   - the box is shown active, the default button (MB_DEFBUTTONn) focused and marked;
//   - a button ends it with its id; a close request (WM_CLOSE, SC_CLOSE, Escape, Alt+F4)
//     ends it with IDCANCEL when it has a Cancel button, IDOK for a lone OK, and does
//     nothing to MB_YESNO and MB_ABORTRETRYIGNORE, whose Close item and close box are
//     greyed;
//   - the Help button of MB_HELP leaves the box up and asks for help: the callback given
//     to MessageBoxIndirectW, else WM_HELP to the owner, with a HELPINFO;
//   - the owner gets WM_ENTERIDLE (MSGF_DIALOGBOX, the box) each time the loop runs out
//     of messages, as from any modal dialog;
//   - when the display says no input will ever come again (a used-up script), the box
//     ends with 0, unanswered; WM_QUIT ends it with 0 and is posted again for the caller.
// The window record is marked as a message box: the transcript's `messagebox` line (which
// MessageBoxW writes) stands for it, not a `window` line.
#pragma once

#include <string_view>

#include "platform/user/message_box_template.h"

namespace platform::user {

// The id of the button chosen, 0 when the box could not be shown (last error set) or was
// left unanswered.
struct MessageBoxHelp {
  DWORD_PTR context_id = 0;
  MSGBOXCALLBACK callback = nullptr;
};
int RunMessageBoxWindow(HWND owner, const MessageBoxContent& content, const MessageBoxHelp& help = {});

// Scripts name a message box's buttons by their English texts whatever the language:
// the button of `box` (a message box) so named, ignoring case; null for none.
HWND FindMessageBoxButton(HWND box, std::string_view english_text);

}  // namespace platform::user
