// Text on the calling thread's current graphic target: written at the current position
// in the surface font and colours (the text background in the background colour, or
// none when it is transparent), measured, and moved to the next line.
//
// Text is UTF-16. Surfaces write with TA_UPDATECP: the current position moves to the end
// of the text, so that consecutive writes continue one line. With TEXT_CLIPPED in the
// surface's flags, text is cut at the visible area (ExtTextOutW with ETO_CLIPPED).
//
// Wrapping, by the surface's close_flags: with TEXT_WRAPS_CHARACTERS text that reaches the
// right edge of the visible area goes on at the start of the next line (new_text_line,
// scrolling included); with TEXT_WRAPS_WORDS it breaks at the last space that fits
// instead, when there is one, and the spaces at the break are dropped.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/win32.h"

namespace runtime {

// Writes the text at the current position; the position moves past it.
void write_text(std::u16string_view text);

// Width and height of the text in the surface font; (0, 0) without a target.
SIZE measure_text(std::u16string_view text);

// How many of the text's first characters fit in max_width pixels; 0 without a target.
std::int32_t characters_that_fit(std::u16string_view text, std::int32_t max_width);

// The current position goes to the start of the next line: the left edge of the visible
// area, one line (font height and external leading) further down. On surfaces with
// TEXT_SCROLLS in close_flags, a line that would not fit wholly at the bottom of the
// visible area scrolls the area up instead, so that it becomes the last line.
void new_text_line();

}  // namespace runtime
