// The start-day dialog: on a run without a log it asks for the day the streak began and
// writes the log's first record (today, that day). "Cancelar" or a close request writes
// nothing.
#pragma once

#include <cstdint>

#include "platform/win32.h"

namespace app {

// Control ids of the dialog; their creation order is the tab order.
inline constexpr std::int32_t IDC_START_DATE = 1001;
inline constexpr std::int32_t IDC_START_LABEL = 1002;
inline constexpr std::int32_t IDC_CANCEL_BUTTON = 1003;
inline constexpr std::int32_t IDC_ACCEPT_BUTTON = 1004;

// Builds the dialog, runs it modally and returns its end result (0).
std::int32_t ShowStartDayDialog(HWND owner);

// The dialog's callback: always 0, so the toolkit's default handling follows.
std::int32_t StartDayCallback(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace app
