// The BUTTON control (platform-internal): its state and the painting of each kind.
//
// Mouse and keyboard, as a table (button.cpp follows it row by row; the tests drive each):
//
//   state     | event                              | does                          | next
//   ----------+------------------------------------+-------------------------------+---------
//   idle      | WM_LBUTTONDOWN                     | focus, capture, pushed        | tracking
//   tracking  | WM_MOUSEMOVE inside / outside      | pushed / not pushed           | tracking
//   tracking  | WM_LBUTTONUP inside                | release, unpush, click        | idle
//   tracking  | WM_LBUTTONUP outside               | release                       | idle
//   tracking  | capture lost, focus lost           | unpush                        | idle
//   idle      | WM_KEYDOWN Space (focused)         | pushed                        | space
//   space     | WM_KEYUP Space                     | unpush, click                 | idle
//   space     | focus lost                         | unpush                        | idle
//   any       | BM_CLICK                           | press and release inside      | idle
//   any       | WM_LBUTTONDBLCLK, radio, owner-draw| BN_DOUBLECLICKED              | same
//             |   or BS_NOTIFY; else as a press    |                               |
//
// "click": the state of an automatic button advances (auto check box: unchecked <->
// checked; auto 3-state: unchecked -> checked -> indeterminate -> unchecked; auto radio:
// checked, and the other radio buttons of its group unchecked, the group being the
// siblings between WS_GROUP marks), then the parent gets BN_CLICKED.
#pragma once

#include "platform/win32.h"

namespace platform::user::controls {

struct ButtonState {
  UINT check = BST_UNCHECKED;  // BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE
  bool pushed = false;         // drawn pressed (BST_PUSHED)
  bool focused = false;        // BST_FOCUS
  bool tracking = false;       // the mouse is down on it, captured
  bool space_down = false;     // Space is held on it
  HFONT font = nullptr;        // WM_SETFONT
  HBITMAP bitmap = nullptr;    // BM_SETIMAGE(IMAGE_BITMAP)
  HICON icon = nullptr;        // BM_SETIMAGE(IMAGE_ICON)
};

// The kind of button a style names (BS_TYPEMASK), BS_USERBUTTON and BS_PUSHBOX painted as
// push buttons.
DWORD ButtonType(DWORD style);
bool IsCheckType(DWORD type);  // check boxes, 3-state and radio buttons
bool IsRadioType(DWORD type);

// Paints the whole button (owner-draw buttons ask their parent with `action`).
void PaintButton(HWND button, HDC dc, const ButtonState& state, UINT action);

}  // namespace platform::user::controls
