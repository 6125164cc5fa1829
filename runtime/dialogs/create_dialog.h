// create_dialog: a hidden modeless dialog made from a template written in memory,
// placed, captioned and registered with a record. Controls are added afterwards.
#pragma once

#include <cstdint>

#include "platform/win32.h"

namespace runtime {

struct RoutineFrame;

// Coordinate mode bit 1 (value 2): the numbers are pixels (width and height then give
// the client size); otherwise dialog units. x or y CENTRE_DEFAULT centres the dialog.
// The caption is slot 0 of the caller's string work stack, already UTF-16, and is
// popped. Returns the dialog, or 0 when it could not be made or registered; no run-time
// error is raised.
HWND create_dialog(RoutineFrame& frame, std::uint32_t coordinate_mode, HWND parent,
                   std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                   DWORD style, DWORD ex_style);

inline constexpr std::uint32_t kPixelMode = 0x2;

}  // namespace runtime
