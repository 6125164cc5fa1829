// Solid brushes shared by colour between records: one brush per colour, made when the
// first record needs it and deleted when the last record of that colour lets it go.
#pragma once

#include <cstdint>

#include "platform/win32.h"

namespace runtime {

struct DialogState;

// The brush of another record of that colour, or a new solid brush (0 when creation
// fails).
HBRUSH share_or_create_brush(std::int32_t color);

// Deletes the brush unless some record in the list still uses the colour (a record being
// released must already be out of the list).
void let_go_of_brush(HBRUSH brush, std::int32_t color);

// Graphic kinds: the default text and background colours (COLOR_WINDOWTEXT,
// COLOR_BTNFACE) and the shared default background brush.
void give_graphic_defaults(DialogState& record);

}  // namespace runtime
