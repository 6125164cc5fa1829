// The dialog template of a message box, laid out as Windows lays one out
// (platform-internal).
//
// All in dialog units of the message font (SPI_GETNONCLIENTMETRICS' lfMessageFont, which
// the template names by the point size 0x7FFF):
//   - 7 units of margin round the contents and between icon, text and buttons;
//   - the MB_ICON* icon (32 x 32 pixels) at the top left, the text to its right, centred
//     on the icon when it is shorter;
//   - the text as DrawTextW wraps it (words, tabs, CR LF lines, no & prefixes) at most
//     5/8 of the work area wide, aligned right for MB_RIGHT and MB_RTLREADING;
//   - the buttons, 50 x 14 units each and 7 apart, centred in a row under both, a Help
//     button (IDHELP) last for MB_HELP;
//   - the box as wide as the widest of text, button row and caption (with its close box:
//     every box has the system menu; those that cannot be closed grey it).
#pragma once

#include <string>
#include <vector>

#include "platform/user/message_box_labels.h"
#include "platform/win32.h"

namespace platform::user {

inline constexpr int kMessageBoxTextId = 0xFFFF;  // the static with the text
inline constexpr int kMessageBoxIconId = 20;      // the SS_ICON static

struct MessageBoxContent {
  std::u16string caption;
  std::u16string text;
  UINT style = MB_OK;
  bool spanish = false;
  bool centred = true;  // DS_CENTER in the work area; else the caller places it
  HICON user_icon = nullptr;  // MB_USERICON's icon
};

// True when the style's MB_YESNO or MB_ABORTRETRYIGNORE box offers no way to close it.
bool MessageBoxClosable(UINT style);

// The icon of the style's MB_ICON* bits (the given one for MB_USERICON), null for none.
HICON MessageBoxIcon(const MessageBoxContent& content);

// The buttons, left to right: the style's set, then Help for MB_HELP.
std::vector<MessageBoxLabel> MessageBoxButtonsOf(const MessageBoxContent& content);

// A DLGTEMPLATE with its items (DWORD-aligned, as CreateDialogIndirectParamW reads it);
// empty when the style names no button set or the screen cannot be measured.
std::vector<DWORD> BuildMessageBoxTemplate(const MessageBoxContent& content);

}  // namespace platform::user
