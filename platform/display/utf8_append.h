// Appending one character to UTF-8 text: what the terminal writes and what a key types
// (platform-internal).
#pragma once

#include <string>

namespace platform {

void AppendUtf8(std::string& out, char32_t character);

}  // namespace platform
