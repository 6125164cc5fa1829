// GetDIBits, SetDIBits, SetDIBitsToDevice and StretchDIBits: bitmaps' pixels in the
// caller's DIB format.
//
// Scan lines are counted in the DIB's memory order: from the bottom of the image for a
// bottom-up DIB, from the top for a top-down one (negative biHeight).
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/blit.h"
#include "platform/gdi/dib_format.h"

using namespace platform::gdi;

namespace {

int Fail(DWORD error) {
  SetLastError(error);
  return 0;
}

// The caller's DIB as 32-bpp pixels, top-down, in a DC a blit can read from. Scan lines
// outside [start, start + lines) stay black.
class DibSource {
 public:
  DibSource(const DibFormat& format, const void* bits, UINT start, UINT lines)
      : dc_(OBJ_MEMDC), pixels_(static_cast<std::size_t>(format.width) * format.height) {
    const auto* bytes = static_cast<const std::uint8_t*>(bits);
    const UINT end = std::min<UINT>(start + lines, static_cast<UINT>(format.height));
    for (UINT scan = start; scan < end; ++scan) {
      const int y = format.top_down ? static_cast<int>(scan) : format.height - 1 - static_cast<int>(scan);
      format.Decode(bytes + static_cast<std::size_t>(scan - start) * format.stride(),
                    pixels_.data() + static_cast<std::size_t>(y) * format.width);
    }
    PixelSurface surface{pixels_.data(), format.width, format.width, format.height};
    dc_.surface_source = [surface] { return surface; };
  }
  DeviceContext& dc() { return dc_; }

 private:
  DeviceContext dc_;
  std::vector<std::uint32_t> pixels_;
};

bool ReadableFormat(const BITMAPINFO* info, DibFormat* format) {
  return info != nullptr && DibFormat::From(*info, format) &&
         static_cast<std::int64_t>(format->width) * format->height <= kMaxBitmapPixels;
}

}  // namespace

extern "C" {

int GetDIBits(HDC dc, HBITMAP handle, UINT start, UINT lines, LPVOID bits, LPBITMAPINFO info,
              UINT usage) {
  Bitmap* bitmap = Find<Bitmap>(handle);
  if (FindDc(dc) == nullptr || bitmap == nullptr) return Fail(ERROR_INVALID_HANDLE);
  if (info == nullptr || info->bmiHeader.biSize < sizeof(BITMAPINFOHEADER) ||
      usage != DIB_RGB_COLORS) {
    return Fail(ERROR_INVALID_PARAMETER);
  }
  BITMAPINFOHEADER& h = info->bmiHeader;
  if (h.biBitCount == 0) {
    // Only the bitmap's own format is asked for.
    h.biWidth = bitmap->width;
    h.biHeight = bitmap->height;
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(bitmap->bits_pixel);
    h.biCompression = BI_RGB;
    h.biSizeImage = static_cast<DWORD>(((bitmap->width * bitmap->bits_pixel + 31) / 32) * 4 * bitmap->height);
    h.biClrUsed = 0;
    h.biClrImportant = 0;
    return 1;
  }
  // The caller names depth and orientation; width and height are the bitmap's.
  const bool top_down = h.biHeight < 0;
  h.biWidth = bitmap->width;
  h.biHeight = top_down ? -bitmap->height : bitmap->height;
  h.biPlanes = 1;
  if (h.biBitCount <= 8) {
    // Colour tables: a DIB section asked for in its own depth gives its own table (its
    // pixels then come back as the indices they are); otherwise black and white for one
    // bit, a grey ramp for more.
    const int entries = 1 << h.biBitCount;
    const bool own = bitmap->dib && bitmap->bits_pixel == h.biBitCount;
    for (int i = 0; i < entries; ++i) {
      const BYTE v = static_cast<BYTE>(i * 255 / (entries - 1));
      if (!own) {
        info->bmiColors[i] = {v, v, v, 0};
      } else {
        const auto& table = bitmap->color_table;
        info->bmiColors[i] = static_cast<std::size_t>(i) < table.size() ? table[i] : RGBQUAD{};
      }
    }
    h.biClrUsed = 0;
  }
  DibFormat format;
  if (!DibFormat::From(*info, &format)) return Fail(ERROR_INVALID_PARAMETER);
  h.biSizeImage = static_cast<DWORD>(format.bytes());
  if (bits == nullptr) return bitmap->height;
  const PixelSurface surface = bitmap->Surface();
  const UINT end = std::min<UINT>(start + lines, static_cast<UINT>(format.height));
  auto* out = static_cast<std::uint8_t*>(bits);
  std::vector<std::uint32_t> row(static_cast<std::size_t>(format.width));
  for (UINT scan = start; scan < end; ++scan) {
    const int y = top_down ? static_cast<int>(scan) : format.height - 1 - static_cast<int>(scan);
    std::copy_n(surface.Row(y), format.width, row.data());
    format.Encode(row.data(), out + static_cast<std::size_t>(scan - start) * format.stride());
  }
  return start < end ? static_cast<int>(end - start) : 0;
}

int SetDIBits(HDC dc, HBITMAP handle, UINT start, UINT lines, const void* bits,
              const BITMAPINFO* info, UINT usage) {
  (void)dc;
  Bitmap* bitmap = Find<Bitmap>(handle);
  if (bitmap == nullptr) return Fail(ERROR_INVALID_HANDLE);
  DibFormat format;
  if (bits == nullptr || usage != DIB_RGB_COLORS || !ReadableFormat(info, &format)) {
    return Fail(ERROR_INVALID_PARAMETER);
  }
  const PixelSurface surface = bitmap->Surface();
  const auto* in = static_cast<const std::uint8_t*>(bits);
  const UINT end = std::min<UINT>(start + lines, static_cast<UINT>(format.height));
  std::vector<std::uint32_t> row(static_cast<std::size_t>(format.width));
  int copied = 0;
  for (UINT scan = start; scan < end; ++scan) {
    const int y = format.top_down ? static_cast<int>(scan) : format.height - 1 - static_cast<int>(scan);
    if (y >= surface.height) continue;
    format.Decode(in + static_cast<std::size_t>(scan - start) * format.stride(), row.data());
    const int n = std::min(format.width, surface.width);
    for (int x = 0; x < n; ++x) {
      surface.At(x, y) = bitmap->monochrome() && !bitmap->dib ? MonochromePixel(row[x]) : row[x];
    }
    ++copied;
  }
  // A DIB section keeps its nearest colour-table entries, in its bits and in what is drawn.
  bitmap->StoreToBits();
  if (bitmap->selected_in != nullptr) bitmap->LoadFromBits();
  else bitmap->reload_pending = bitmap->has_working_copy();
  return copied;
}

int SetDIBitsToDevice(HDC dc, int x_dest, int y_dest, DWORD width, DWORD height, int x_src,
                      int y_src, UINT start_scan, UINT lines, const void* bits,
                      const BITMAPINFO* info, UINT usage) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr) return Fail(ERROR_INVALID_HANDLE);
  DibFormat format;
  if (bits == nullptr || usage != DIB_RGB_COLORS || !ReadableFormat(info, &format) ||
      width > 0x7FFFFFFF || height > 0x7FFFFFFF) {
    return Fail(ERROR_INVALID_PARAMETER);
  }
  DibSource source(format, bits, start_scan, lines);
  // A bottom-up DIB's y_src counts from its bottom edge.
  const int w = static_cast<int>(width), h = static_cast<int>(height);
  const int top = format.top_down ? y_src : format.height - y_src - h;
  if (!Blit(*context, x_dest, y_dest, w, h, &source.dc(), x_src, top, w, h, SRCCOPY)) return 0;
  return static_cast<int>(std::min<UINT>(lines, static_cast<UINT>(format.height)));
}

int StretchDIBits(HDC dc, int x_dest, int y_dest, int dest_width, int dest_height, int x_src,
                  int y_src, int src_width, int src_height, const void* bits,
                  const BITMAPINFO* info, UINT usage, DWORD rop) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr) return Fail(ERROR_INVALID_HANDLE);
  DibFormat format;
  if (bits == nullptr || usage != DIB_RGB_COLORS || !ReadableFormat(info, &format)) {
    return Fail(ERROR_INVALID_PARAMETER);
  }
  DibSource source(format, bits, 0, static_cast<UINT>(format.height));
  const int top = format.top_down ? y_src : format.height - y_src - src_height;
  if (!Blit(*context, x_dest, y_dest, dest_width, dest_height, &source.dc(), x_src, top,
            src_width, src_height, rop)) {
    return 0;
  }
  return format.height;
}

}  // extern "C"
