// Releasing a window's record and everything it owns: the font count, shared brushes,
// a graphic surface's windows, bitmap and device context, images, icons and image lists.
#pragma once

#include <cstdint>

#include "platform/win32.h"

namespace runtime {

// Frees the records of the window's child controls first (depth first), then the
// window's own. False when the window, or one of its child controls, has no record; a
// child that fails stops the release and its parent's record stays in the list.
bool free_window_record(HWND window);

// Destroys an image by the record flags it came with: DestroyIcon for IMAGE_IS_ICON,
// DeleteObject for IMAGE_IS_BITMAP, nothing otherwise or for a zero handle.
void release_image(std::uint32_t flags, HANDLE image);

}  // namespace runtime
