// The table of live windows and the handles that name them (platform-internal).
//
// A handle is a slot number and a generation (like GDI's object handles), never a heap
// pointer: a destroyed, foreign or made-up HWND is recognised as dead without being
// touched, and a reused slot gets a new generation, so an old handle stays dead. Functions
// given a dead handle fail with ERROR_INVALID_WINDOW_HANDLE.
//
// Windows belong to the thread that created them; the table itself may be searched from
// any thread (PostMessageW), under its own lock.
#pragma once

#include <memory>
#include <vector>

#include "platform/user/window.h"

namespace platform::user {

// Adds the record and gives it its handle; null (ERROR_NOT_ENOUGH_MEMORY) when full.
HWND AddWindow(std::unique_ptr<Window> window);

// The live record of a handle, or null. FindWindowRecord leaves the last error alone;
// LiveWindow sets ERROR_INVALID_WINDOW_HANDLE when it returns null.
Window* FindWindowRecord(HWND handle);
Window* LiveWindow(HWND handle);

// Kills the handle. The record is kept until ReleaseDeadWindows (see window.h).
void RemoveWindow(HWND handle);
// Frees records removed so far by this thread; called where no window code is running.
void ReleaseDeadWindows();

// Top-level windows in z-order, topmost first.
std::vector<HWND>& TopLevelWindows();

// The desktop window: the parent of top-level windows as GetAncestor and GetDesktopWindow
// see it, covering the screen. Created on first use.
HWND DesktopWindow();

// How many windows are alive (the desktop not counted): lets tests prove nothing leaks.
int LiveWindowCount();

}  // namespace platform::user
