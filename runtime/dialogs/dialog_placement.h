// The arithmetic of placing a pixel-mode dialog: centring in the work area and the rule
// for negative positions.
#pragma once

#include <cstdint>

#include "platform/win32.h"

namespace runtime {

// (low + high - size) / 2 in unsigned 32-bit arithmetic, 0 when the subtraction would go
// below zero: a dialog larger than the work area sits at its edge, never beyond it.
std::int32_t centred_coordinate(LONG low, LONG high, std::int32_t size);

// A child dialog or a DS_ABSALIGN popup cannot sit at a negative position, except a child
// with DS_CONTROL (it may be scrolled partly out of its parent).
std::int32_t clamped_coordinate(DWORD style, std::int32_t v);

}  // namespace runtime
