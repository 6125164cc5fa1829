// What a message box is, apart from how a backend shows it: its buttons for a style, the
// focus among them and the answer each input gives. Every backend drives one of these,
// so a box behaves the same on a screen, in a terminal and under a script.
//
//   input                  effect
//   ---------------------  ------------------------------------------------------------
//   (start)                focus on the default button (MB_DEFBUTTONn; the first when
//                          the box has fewer buttons)
//   Tab, Right, Down       focus on the next button, wrapping round
//   Left, Up               focus on the previous button, wrapping round
//   Enter, Space           ends with the focused button's id
//   a mnemonic letter      ends with that button's id (case does not matter)
//   Escape, Alt+F4, close  ends with IDCANCEL when there is a Cancel button, IDOK for a
//                          lone OK button; ignored otherwise
//   anything else          ignored
#pragma once

#include <span>
#include <string_view>

#include "platform/win32.h"

namespace platform {

struct MessageBoxButton {
  int id;
  const char* text;
  char mnemonic;  // upper-case letter, 0 for none
};

// The buttons of the style's MB_ type, left to right; empty for an unknown type.
std::span<const MessageBoxButton> MessageBoxButtons(UINT style);

enum class KeyName {
  kTab,
  kEnter,
  kEscape,
  kLeft,
  kRight,
  kUp,
  kDown,
  kSpace,
  kAltF4,
  kCharacter,
  // Keys for windows only (a message box ignores them).
  kShiftTab,
  kF4,
  kAltDown,
  kHome,
  kEnd,
  kPageUp,
  kPageDown,
  kBackspace,
  kDelete,
};

struct BoxKey {
  KeyName name = KeyName::kCharacter;
  char32_t character = 0;  // for kCharacter
  bool operator==(const BoxKey&) const = default;
};

class MessageBoxModel {
 public:
  explicit MessageBoxModel(UINT style);

  // False for a style whose type names no button set: such a box cannot be shown.
  bool valid() const { return !buttons_.empty(); }
  std::span<const MessageBoxButton> buttons() const { return buttons_; }
  int focus() const { return focus_; }

  // The answer when the input ends the box, 0 while it keeps waiting.
  int OnKey(const BoxKey& key);
  int OnCloseRequest() const;
  // Index of the button with that text (exact, else ignoring case) or that id; -1 if none.
  int FindButtonByText(std::string_view text) const;
  int FindButtonById(int id) const;

 private:
  void MoveFocus(int step);

  std::span<const MessageBoxButton> buttons_;
  int focus_ = 0;
  bool lone_ok_ = false;
};

}  // namespace platform
