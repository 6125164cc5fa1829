// Links between windows: parents, children, owners, the top-level z-order
// (platform-internal).
#pragma once

#include <vector>

#include "platform/user/window.h"

namespace platform::user {

// Puts a new window in its place: a child at the bottom of its parent's children (so
// siblings keep their creation order), a top-level window at the top of the z-order.
void LinkWindow(Window& window);
// Takes it out of its parent's children or the top-level list.
void UnlinkWindow(Window& window);

// The screen position of a window's client origin; (0, 0) for null or the desktop.
POINT ClientOrigin(HWND window);

// The top-level window a window belongs to (itself for a top-level window), null if dead.
HWND RootOf(HWND window);

// Whether `ancestor` is `window` or one of its parents.
bool IsSelfOrAncestor(HWND ancestor, HWND window);

// The window and its descendants, parents before children, in z-order.
std::vector<HWND> SelfAndDescendants(HWND window);

// The top-level windows `owner` owns, directly.
std::vector<HWND> OwnedWindows(HWND owner);

}  // namespace platform::user
