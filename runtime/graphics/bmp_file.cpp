#include "runtime/graphics/bmp_file.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace runtime {

std::size_t bmp_row_bytes(int width, int bits_per_pixel) {
  const std::uint64_t bits = static_cast<std::uint64_t>(width) * static_cast<unsigned>(bits_per_pixel);
  return static_cast<std::size_t>((bits + 31) / 32 * 4);
}

BITMAPINFOHEADER bmp_info_header(int width, int height, int bits_per_pixel) {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof(BITMAPINFOHEADER);
  header.biWidth = width;
  header.biHeight = height;  // positive: rows stored bottom-up, as most readers expect
  header.biPlanes = 1;
  header.biBitCount = static_cast<WORD>(bits_per_pixel);
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(bmp_row_bytes(width, bits_per_pixel) *
                                          static_cast<std::size_t>(height));
  return header;
}

std::vector<BYTE> new_bmp_file(int width, int height, int bits_per_pixel) {
  if (width < 1 || height < 1 || (bits_per_pixel != 24 && bits_per_pixel != 32)) return {};
  const std::uint64_t image = static_cast<std::uint64_t>(bmp_row_bytes(width, bits_per_pixel)) *
                              static_cast<std::uint64_t>(height);
  const std::uint64_t total = kBmpHeaderBytes + image;
  if (total > std::numeric_limits<DWORD>::max()) return {};  // bfSize is 32 bits

  std::vector<BYTE> file(static_cast<std::size_t>(total));
  BITMAPFILEHEADER file_header{};
  file_header.bfType = 0x4D42;  // "BM"
  file_header.bfSize = static_cast<DWORD>(total);
  file_header.bfOffBits = static_cast<DWORD>(kBmpHeaderBytes);
  const BITMAPINFOHEADER info = bmp_info_header(width, height, bits_per_pixel);
  std::memcpy(file.data(), &file_header, sizeof file_header);
  std::memcpy(file.data() + sizeof file_header, &info, sizeof info);
  return file;
}

bool write_whole_file(LPCWSTR path, const std::vector<BYTE>& bytes) {
  HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  // WriteFile takes 32-bit counts; the files made here stay below 4 GB, but write in
  // pieces all the same so that a short write is noticed wherever it happens.
  std::size_t done = 0;
  bool ok = true;
  while (ok && done < bytes.size()) {
    const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
    DWORD written = 0;
    ok = WriteFile(file, bytes.data() + done, piece, &written, nullptr) && written == piece;
    if (ok) done += written;
    else if (GetLastError() == ERROR_SUCCESS) SetLastError(ERROR_DISK_FULL);
  }
  const DWORD error = GetLastError();
  ok = CloseHandle(file) && ok;
  if (!ok) {
    DeleteFileW(path);
    SetLastError(error);
  }
  return ok;
}

}  // namespace runtime
