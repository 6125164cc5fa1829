// CreateBitmap, CreateCompatibleBitmap and CreateDIBSection: checking what is asked for.
#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"

namespace platform::gdi {
namespace {

// Null with the error GDI gives; ERROR_NOT_ENOUGH_MEMORY for sizes past what we make.
bool SizeAllowed(std::int64_t width, std::int64_t height) {
  if (width < 0 || height < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  if (width * height > kMaxBitmapPixels) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return false;
  }
  return true;
}

HBITMAP AddBitmap(std::unique_ptr<Bitmap> bitmap) {
  if (!bitmap) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  return static_cast<HBITMAP>(AddObject(std::move(bitmap)));
}

// Device bitmap rows are WORD aligned in the caller's bits (CreateBitmap).
void CopyInitialBits(Bitmap& bitmap, const void* bits, int bits_pixel) {
  const auto* bytes = static_cast<const std::uint8_t*>(bits);
  const int stride = ((bitmap.width * bits_pixel + 15) / 16) * 2;
  PixelSurface s = bitmap.Surface();
  for (int y = 0; y < bitmap.height; ++y) {
    const std::uint8_t* row = bytes + static_cast<std::size_t>(y) * stride;
    for (int x = 0; x < bitmap.width; ++x) {
      std::uint32_t p = 0;
      switch (bits_pixel) {
        case 1: p = (row[x / 8] & (0x80 >> (x % 8))) ? 0xFFFFFF : 0; break;
        case 24: p = row[3 * x] | (row[3 * x + 1] << 8) | (std::uint32_t{row[3 * x + 2]} << 16); break;
        case 32: p = (row[4 * x] | (row[4 * x + 1] << 8) | (std::uint32_t{row[4 * x + 2]} << 16)); break;
        default: break;
      }
      s.At(x, y) = p;
    }
  }
}

// A DIB section of `like`'s format (depth, row order, colour table, masks), all zero.
std::unique_ptr<Bitmap> SimilarDib(const Bitmap& like, int width, int height) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
  } info{};
  info.header = like.dib_header;
  info.header.biWidth = width;
  info.header.biHeight = like.top_down ? -height : height;
  info.header.biSizeImage = 0;
  info.header.biClrUsed = static_cast<DWORD>(like.color_table.size());
  std::copy(like.color_table.begin(), like.color_table.end(), info.colors);
  if (info.header.biCompression == BI_BITFIELDS) std::memcpy(info.colors, like.bitfields, sizeof like.bitfields);
  return Bitmap::MakeDibSection(reinterpret_cast<const BITMAPINFO&>(info));
}

}  // namespace
}  // namespace platform::gdi

using namespace platform::gdi;

extern "C" {

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bits_per_pixel, const void* bits) {
  if (planes != 1 || (bits_per_pixel != 1 && bits_per_pixel != 4 && bits_per_pixel != 8 &&
                      bits_per_pixel != 16 && bits_per_pixel != 24 && bits_per_pixel != 32)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (!SizeAllowed(width, height)) return nullptr;
  if (width == 0 || height == 0) return DefaultBitmap();
  std::unique_ptr<Bitmap> bitmap =
      Bitmap::MakeDeviceBitmap(width, height, static_cast<int>(bits_per_pixel));
  if (bitmap && bits != nullptr) CopyInitialBits(*bitmap, bits, static_cast<int>(bits_per_pixel));
  return AddBitmap(std::move(bitmap));
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if (!SizeAllowed(width, height)) return nullptr;
  if (width == 0 || height == 0) return DefaultBitmap();
  // Compatible with what the DC draws into, as in GDI: a memory DC holding a DIB section
  // gives a DIB section of its format, one holding a monochrome bitmap a monochrome bitmap.
  const Bitmap* selected = context->type() == OBJ_MEMDC ? Find<Bitmap>(context->state.bitmap) : nullptr;
  if (selected != nullptr && selected->dib) return AddBitmap(SimilarDib(*selected, width, height));
  return AddBitmap(Bitmap::MakeDeviceBitmap(width, height, context->monochrome ? 1 : 32));
}

HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits,
                         HANDLE section, DWORD offset) {
  if (bits != nullptr) *bits = nullptr;
  (void)dc, (void)offset;
  if (info == nullptr || section != nullptr ||
      (usage != DIB_RGB_COLORS && usage != DIB_PAL_COLORS)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const BITMAPINFOHEADER& h = info->bmiHeader;
  const WORD depth = h.biBitCount;
  const bool depth_ok = depth == 1 || depth == 4 || depth == 8 || depth == 16 || depth == 24 ||
                        depth == 32;
  const bool compression_ok =
      h.biCompression == BI_RGB || (h.biCompression == BI_BITFIELDS && (depth == 16 || depth == 32));
  if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biPlanes != 1 || !depth_ok || !compression_ok ||
      h.biWidth <= 0 || h.biHeight == 0 || h.biHeight == INT32_MIN) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (!SizeAllowed(h.biWidth, h.biHeight < 0 ? -std::int64_t{h.biHeight} : h.biHeight)) {
    return nullptr;
  }
  std::unique_ptr<Bitmap> bitmap = Bitmap::MakeDibSection(*info);
  void* memory = bitmap ? bitmap->dib_bits : nullptr;
  HBITMAP handle = AddBitmap(std::move(bitmap));
  if (handle != nullptr && bits != nullptr) *bits = memory;
  return handle;
}

}  // extern "C"
