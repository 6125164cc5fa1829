// Block transfers with ternary raster operations (platform-internal): the engine under
// PatBlt, BitBlt, StretchBlt, StretchDIBits and SetDIBitsToDevice.
//
// Blits write the destination's pixels themselves (a raster operation mixes three inputs,
// more than PaintSpan's two), inside the same clip a Painter uses. Source pixels are read
// without regard to the source DC's clip, as in GDI; destination pixels whose source lies
// outside the source's pixels are left alone.
#pragma once

#include <cstdint>

#include "platform/gdi/device_context.h"

namespace platform::gdi {

// The raster operation's truth table: bit (P << 2 | S << 1 | D) gives the result bit.
constexpr unsigned RopCode(DWORD rop) { return (rop >> 16) & 0xFF; }
constexpr bool RopUsesSource(DWORD rop) { return (((RopCode(rop) >> 2) ^ RopCode(rop)) & 0x33) != 0; }
constexpr bool RopUsesPattern(DWORD rop) { return (((RopCode(rop) >> 4) ^ RopCode(rop)) & 0x0F) != 0; }

// Applies a raster operation to one pattern, source and destination pixel.
std::uint32_t MixRop3(DWORD rop, std::uint32_t pattern, std::uint32_t source,
                      std::uint32_t destination);

// Transfers the source rectangle (x_src, y_src, src_width, src_height) onto the destination
// rectangle (x, y, width, height), stretching by nearest pixel; extents of opposite signs
// mirror. `source` may be null when the operation does not use one. False when the
// destination has no pixels or a needed source is missing.
bool Blit(DeviceContext& destination, int x, int y, int width, int height,
          DeviceContext* source, int x_src, int y_src, int src_width, int src_height, DWORD rop);

}  // namespace platform::gdi
