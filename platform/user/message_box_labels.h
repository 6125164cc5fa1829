// The texts on a message box's buttons, in the user's language (platform-internal).
#pragma once

#include <vector>

#include "platform/win32.h"

namespace platform::user {

struct MessageBoxLabel {
  int id;
  const char16_t* text;  // with its & mnemonic, as the button shows it
};

// The buttons of the style's MB_ type, left to right, labelled in Spanish or English;
// empty for a type that names no button set.
std::vector<MessageBoxLabel> MessageBoxLabels(UINT style, bool spanish);

}  // namespace platform::user
