// Windows BMP files as the graphic engine writes them: a BITMAPFILEHEADER, a
// BITMAPINFOHEADER and uncompressed bottom-up rows of 24 or 32 bits per pixel, each row
// padded to a multiple of four bytes. Reading goes through LoadImageW(LR_LOADFROMFILE).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/win32.h"

namespace runtime {

inline constexpr std::size_t kBmpHeaderBytes = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);

// Bytes of one stored row.
std::size_t bmp_row_bytes(int width, int bits_per_pixel);

// The info header GetDIBits fills the rows of such a file from (bottom-up, BI_RGB).
BITMAPINFOHEADER bmp_info_header(int width, int height, int bits_per_pixel);

// A file of the size and depth with its headers written and its rows zeroed, ready for
// GetDIBits at kBmpHeaderBytes. Empty for a size or depth the file cannot hold (sizes
// below 1, depths other than 24 and 32, more than 4 GB).
std::vector<BYTE> new_bmp_file(int width, int height, int bits_per_pixel);

// Writes the bytes as a new file at the Windows path (CREATE_ALWAYS, WriteFile). False,
// with the last error of the failing call, when the file cannot be made or written in
// full; a partly written file is deleted.
bool write_whole_file(LPCWSTR path, const std::vector<BYTE>& bytes);

}  // namespace runtime
