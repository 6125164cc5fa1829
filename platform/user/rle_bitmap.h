// Run-length encoded DIB bits (BI_RLE8, BI_RLE4), decoded into the uncompressed bottom-up
// rows of the same depth (platform-internal, for LoadImageW).
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "platform/win32.h"

namespace platform {

// The bits of a width x height (bottom-up, height > 0) image of 8 (RLE8) or 4 (RLE4) bits
// per pixel, rows DWORD aligned; pixels the runs never reach are index 0, pixels past a
// row's end are dropped. Nothing when the runs end before the end-of-bitmap mark, or when
// the image would be out of proportion to its runs (more than kMaxRleExpansion decoded
// bytes per encoded byte, beyond the first megabyte): a few lying header bytes must not
// make a huge bitmap.
std::optional<std::vector<BYTE>> DecodeRle(const BYTE* runs, std::size_t size, int width,
                                           int height, int depth);

inline constexpr std::size_t kMaxRleExpansion = 1024;

}  // namespace platform
