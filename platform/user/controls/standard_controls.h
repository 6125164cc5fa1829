// The registrars of the standard controls this folder implements, named by the table of
// built-in classes (builtin_classes.cpp) (platform-internal).
#pragma once

namespace platform::user::controls {

bool RegisterButtonClass();     // "Button"
bool RegisterStaticClass();     // "Static"
bool RegisterScrollBarClass();  // "ScrollBar"

}  // namespace platform::user::controls
