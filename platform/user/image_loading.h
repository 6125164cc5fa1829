// LoadImageW's parts (platform-internal).
#pragma once

#include <vector>

#include "platform/win32.h"

namespace platform {

// LoadImageW of IMAGE_ICON (icon true) or IMAGE_CURSOR: from a group resource of the
// instance (null: USER32's system images) or, with LR_LOADFROMFILE, an .ico / .cur file.
HANDLE LoadIconOrCursor(HINSTANCE instance, LPCWSTR name, bool icon, int cx, int cy,
                        UINT flags);

// The bytes of a file named by a Windows path; false with the open or read error set, or
// ERROR_INVALID_DATA for a file too large to be an image.
bool ReadWholeFile(LPCWSTR path, std::vector<BYTE>& bytes);

}  // namespace platform
