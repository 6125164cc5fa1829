// Bitmap operations on the calling thread's current graphic target (a graphic control, a
// graphic window's surface or a memory bitmap, see memory_bitmaps.h): drawing a memory
// bitmap onto it, plain or stretched, reading and writing its pixels in bulk, and saving
// its picture as a BMP file. Like every drawing operation they hold the graphic lock and
// do nothing (returning false) when the thread has no target that is a drawing surface.
#pragma once

#include <cstdint>
#include <span>

#include "platform/win32.h"

namespace runtime {

// Copies the source bitmap's picture (or the part of it given in its own pixels) onto the
// target with its top-left corner at the world point (x, y) (SRCCOPY). A part reaching
// past the source is cut to it. False when the source names no memory bitmap.
bool copy_bitmap(HBITMAP source, double x, double y);
bool copy_bitmap_part(HBITMAP source, RECT part, double x, double y);

// Stretches the source bitmap's whole picture into the box whose corners are the world
// points (x1, y1) and (x2, y2), with the target's stretch mode (HALFTONE included). The
// box is ordered like draw_box's and includes its right and bottom edges only with
// INCLUSIVE_ENDS.
bool stretch_bitmap(HBITMAP source, double x1, double y1, double x2, double y2);

// The target's bitmap size in pixels, (0, 0) without a target.
SIZE target_bitmap_size();

// The target's pixels, rows from the top, each 0x00RRGGBB: width x height values into the
// start of `pixels`. False (nothing read) when `pixels` is smaller.
bool read_pixels(std::span<std::uint32_t> pixels);
// Replaces the target's pixels from such values (the top byte of each is ignored) and
// marks the whole surface for redrawing. False (nothing written) when `pixels` is smaller
// than width x height.
bool write_pixels(std::span<const std::uint32_t> pixels);

// Writes the target's picture to a BMP file of 24 or 32 bits per pixel (bottom-up rows,
// no colour table). False when there is no target, the depth is neither, or the file
// cannot be made or written in full (a partly written file is deleted).
bool save_bitmap(LPCWSTR path, int bits_per_pixel = 24);

}  // namespace runtime
