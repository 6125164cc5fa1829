// Random .bmp files for LoadImageW(LR_LOADFROMFILE), under every loading option and a few
// stretch sizes: a file that is truncated or whose headers lie about sizes, offsets,
// depths or colour counts must fail with a null handle, never crash, read past its bytes
// (ASan) or make a bitmap out of proportion to the file. A bitmap that loads is read back
// with GetDIBits and deleted; libFuzzer's leak check sees anything left behind.
//
// The first input byte picks the options; the rest is the file.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace {

std::u16string& FilePath() {
  static std::u16string path;
  return path;
}
std::string& NativePath() {
  static std::string path;
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  NativePath() = "/tmp/bmp_loader_fuzz." + std::to_string(getpid()) + ".bmp";
  FilePath().assign(NativePath().begin(), NativePath().end());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t options = data[0];
  std::FILE* out = std::fopen(NativePath().c_str(), "wb");
  if (out == nullptr) return 0;
  if (size > 1) std::fwrite(data + 1, 1, size - 1, out);
  std::fclose(out);

  UINT flags = LR_LOADFROMFILE;
  if (options & 1) flags |= LR_CREATEDIBSECTION;
  if (options & 2) flags |= LR_MONOCHROME;
  if (options & 4) flags |= LR_LOADMAP3DCOLORS;
  if (options & 8) flags |= LR_LOADTRANSPARENT;
  const int cx = (options & 0x30) == 0x30 ? 7 : 0;  // now and then stretched
  const int cy = (options & 0xC0) == 0xC0 ? 3 : 0;

  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageW(nullptr, FilePath().c_str(), IMAGE_BITMAP, cx, cy, flags));
  if (bitmap == nullptr) return 0;
  BITMAP bm{};
  if (GetObjectW(bitmap, sizeof bm, &bm) == sizeof bm && bm.bmWidth > 0 && bm.bmHeight > 0 &&
      std::int64_t{bm.bmWidth} * bm.bmHeight <= (1 << 22)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = bm.bmWidth;
    info.bmiHeader.biHeight = -bm.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(bm.bmWidth) * bm.bmHeight);
    HDC dc = CreateCompatibleDC(nullptr);
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(bm.bmHeight), pixels.data(), &info, DIB_RGB_COLORS);
    DeleteDC(dc);
  }
  DeleteObject(bitmap);
  return 0;
}
