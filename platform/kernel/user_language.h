// The language of the user's messages, as the environment names it (platform-internal).
#pragma once

namespace platform {

// Spanish when LC_ALL, LC_MESSAGES or LANG (the first one set) starts with "es".
bool UserLanguageIsSpanish();

}  // namespace platform
