// Icon and cursor images as Windows stores them, turned into Icon pixels
// (platform-internal).
#pragma once

#include <cstddef>
#include <memory>

#include "platform/user/icon_object.h"

namespace platform {

// One RT_ICON / RT_CURSOR image (a cursor's starts with its hot spot, two WORDs): a PNG
// file, or a DIB of 1, 4, 8, 24 or 32 bits per pixel whose height counts the colour rows
// and the AND mask. Null for anything malformed or truncated.
std::unique_ptr<Icon> DecodeIconImage(const BYTE* bits, std::size_t size, bool icon);

// The image resampled to width x height on premultiplied colours, so transparent pixels
// do not darken the edges: shrinking filters with a Catmull-Rom cubic spread over the
// pixels each target pixel covers (a 128 px drawing stays crisp at 32 and 16 px),
// growing takes the area each target pixel covers. Same size: a copy.
std::unique_ptr<Icon> ResizedIcon(const Icon& source, int width, int height);

// The system's icon sizes (SM_CXICON, SM_CXSMICON) and cursor size (SM_CXCURSOR).
constexpr int kIconSize = 32;
constexpr int kSmallIconSize = 16;
constexpr int kCursorSize = 32;

}  // namespace platform
