// LoadImageW of IMAGE_BITMAP: packed DIBs from RT_BITMAP resources and .bmp files.
//
// The image is first made into a DIB section of its own format (the bits copied as they
// are); what the caller asked for is made from that: the same DIB section, a stretched
// copy of it, or a compatible bitmap painted from its pixels.
#include "platform/user/bitmap_loading.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/dib_format.h"
#include "platform/kernel/resource_table.h"
#include "platform/user/image_loading.h"
#include "platform/user/rle_bitmap.h"

namespace platform {
namespace {

using gdi::Bitmap;

std::uint16_t Read16(const BYTE* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
std::uint32_t Read32(const BYTE* p) {
  return Read16(p) | (static_cast<std::uint32_t>(Read16(p + 2)) << 16);
}

constexpr std::size_t kFileHeaderBytes = 14;  // BITMAPFILEHEADER
constexpr std::size_t kCoreHeaderBytes = 12;  // BITMAPCOREHEADER

// A packed DIB taken apart: what CreateDIBSection reads (a BITMAPINFOHEADER, then the
// colour masks or table) and where the bits are.
struct PackedDib {
  std::vector<BYTE> info;
  const BYTE* bits = nullptr;
  std::vector<BYTE> decoded;  // run-length encoded bits, expanded (`bits` points here)

  BITMAPINFOHEADER& header() { return *reinterpret_cast<BITMAPINFOHEADER*>(info.data()); }
  const BITMAPINFO* bitmap_info() const { return reinterpret_cast<const BITMAPINFO*>(info.data()); }
  RGBQUAD* colors() { return reinterpret_cast<RGBQUAD*>(info.data() + sizeof(BITMAPINFOHEADER)); }
  std::size_t color_count() const {
    const auto& h = *reinterpret_cast<const BITMAPINFOHEADER*>(info.data());
    return h.biBitCount <= 8 ? h.biClrUsed : 0;
  }
};

// Counted in 64 bits: a row as wide as the largest bitmap (2^27 pixels at 32 bpp) has 2^32
// bits, which would wrap an int to a tiny stride and let a short file pass the size check.
int DibStride(int width, int bits_pixel) {
  return static_cast<int>((std::int64_t{width} * bits_pixel + 31) / 32 * 4);
}

// The DIB of `data`; `bits_at` is where the bits start (0: right after the colour table,
// as in resources). Nothing for a header, format or size this GDI does not read, or for
// tables or bits that run past the end.
std::optional<PackedDib> ReadPackedDib(const BYTE* data, std::size_t size, std::size_t bits_at) {
  if (size < kCoreHeaderBytes) return std::nullopt;
  const std::uint32_t header_bytes = Read32(data);
  BITMAPINFOHEADER h{};
  h.biSize = sizeof(BITMAPINFOHEADER);
  std::size_t entry_bytes = sizeof(RGBQUAD);
  if (header_bytes == kCoreHeaderBytes) {  // OS/2 style: 16-bit sizes, RGBTRIPLE colours
    h.biWidth = Read16(data + 4);
    h.biHeight = Read16(data + 6);
    h.biPlanes = Read16(data + 8);
    h.biBitCount = Read16(data + 10);
    h.biCompression = BI_RGB;
    entry_bytes = 3;
  } else if (header_bytes >= sizeof(BITMAPINFOHEADER) && header_bytes <= size) {
    h.biWidth = static_cast<LONG>(Read32(data + 4));
    h.biHeight = static_cast<LONG>(Read32(data + 8));
    h.biPlanes = Read16(data + 12);
    h.biBitCount = Read16(data + 14);
    h.biCompression = Read32(data + 16);
    h.biClrUsed = Read32(data + 32);
  } else {
    return std::nullopt;
  }
  const int depth = h.biBitCount;
  const bool depth_ok =
      depth == 1 || depth == 4 || depth == 8 || depth == 16 || depth == 24 || depth == 32;
  const bool fields = h.biCompression == BI_BITFIELDS && (depth == 16 || depth == 32);
  // Run-length encoded images are stored bottom-up only.
  const bool rle = ((h.biCompression == BI_RLE8 && depth == 8) ||
                    (h.biCompression == BI_RLE4 && depth == 4)) &&
                   h.biHeight > 0;
  if (h.biPlanes != 1 || !depth_ok || (h.biCompression != BI_RGB && !fields && !rle) ||
      h.biWidth <= 0 || h.biHeight == 0 || h.biHeight == INT32_MIN) {
    return std::nullopt;
  }
  const std::int64_t height = h.biHeight < 0 ? -std::int64_t{h.biHeight} : h.biHeight;
  if (std::int64_t{h.biWidth} * height > gdi::kMaxBitmapPixels) return std::nullopt;

  PackedDib dib;
  dib.info.resize(sizeof(BITMAPINFOHEADER));
  std::size_t at = header_bytes;
  if (fields) {
    // A plain info header is followed by the three masks; larger ones hold them.
    const std::size_t masks_at = sizeof(BITMAPINFOHEADER);
    if (masks_at + 12 > size) return std::nullopt;
    dib.info.insert(dib.info.end(), data + masks_at, data + masks_at + 12);
    if (header_bytes == sizeof(BITMAPINFOHEADER)) at += 12;
  } else if (depth <= 8) {
    const std::size_t full = std::size_t{1} << depth;
    const std::size_t count = h.biClrUsed != 0 && h.biClrUsed < full ? h.biClrUsed : full;
    if (h.biClrUsed > full || at + count * entry_bytes > size) return std::nullopt;
    for (std::size_t i = 0; i < count; ++i) {
      const BYTE* entry = data + at + i * entry_bytes;
      const BYTE quad[4] = {entry[0], entry[1], entry[2], 0};
      dib.info.insert(dib.info.end(), quad, quad + 4);
    }
    at += count * entry_bytes;
    h.biClrUsed = static_cast<DWORD>(count);
  } else if (h.biClrUsed != 0) {  // a palette hint before true-colour bits: skipped
    if (h.biClrUsed > 256) return std::nullopt;
    at += std::size_t{h.biClrUsed} * entry_bytes;
    h.biClrUsed = 0;
  }
  if (bits_at == 0) bits_at = at;
  const std::size_t bytes = static_cast<std::size_t>(DibStride(h.biWidth, depth)) * height;
  if (bits_at < at || bits_at > size) return std::nullopt;
  if (rle) {
    // The runs end at biSizeImage when it is given and inside the data, else at the end.
    const std::size_t given = header_bytes == kCoreHeaderBytes ? 0 : Read32(data + 20);
    const std::size_t runs = given != 0 && given <= size - bits_at ? given : size - bits_at;
    std::optional<std::vector<BYTE>> decoded =
        DecodeRle(data + bits_at, runs, h.biWidth, static_cast<int>(height), depth);
    if (!decoded) return std::nullopt;
    dib.decoded = std::move(*decoded);
    h.biCompression = BI_RGB;
  } else if (bytes > size - bits_at) {
    return std::nullopt;
  }
  h.biSizeImage = static_cast<DWORD>(bytes);
  std::memcpy(dib.info.data(), &h, sizeof h);
  dib.info.resize(std::max(dib.info.size(), sizeof(BITMAPINFO)));  // bmiColors[1] is read
  gdi::DibFormat format;
  if (!gdi::DibFormat::From(*dib.bitmap_info(), &format)) return std::nullopt;  // odd masks
  dib.bits = rle ? dib.decoded.data() : data + bits_at;
  return dib;
}

bool SameColor(const RGBQUAD& q, BYTE r, BYTE g, BYTE b) {
  return q.rgbRed == r && q.rgbGreen == g && q.rgbBlue == b;
}
void SetColor(RGBQUAD& q, COLORREF color) {
  q = {GetBValue(color), GetGValue(color), GetRValue(color), 0};
}

// LR_LOADTRANSPARENT: the colour of the first pixel in the bits becomes the window's
// background; LR_LOADMAP3DCOLORS: the classic greys become the 3-D colours of the system.
void MapColors(PackedDib& dib, UINT flags) {
  const std::size_t count = dib.color_count();
  if (count == 0) return;
  RGBQUAD* colors = dib.colors();
  const bool map3d = flags & LR_LOADMAP3DCOLORS;
  if (flags & LR_LOADTRANSPARENT) {
    const int depth = dib.header().biBitCount;
    const std::size_t index = dib.bits[0] >> (8 - depth);
    if (index < count) SetColor(colors[index], GetSysColor(map3d ? COLOR_3DFACE : COLOR_WINDOW));
  }
  if (!map3d) return;
  for (std::size_t i = 0; i < count; ++i) {
    if (SameColor(colors[i], 128, 128, 128))
      SetColor(colors[i], GetSysColor(COLOR_3DSHADOW));
    else if (SameColor(colors[i], 192, 192, 192))
      SetColor(colors[i], GetSysColor(COLOR_3DFACE));
    else if (SameColor(colors[i], 223, 223, 223))
      SetColor(colors[i], GetSysColor(COLOR_3DLIGHT));
  }
}

// A pixel's bits as stored, at any depth.
std::uint32_t RawPixel(const BYTE* row, int x, int depth) {
  switch (depth) {
    case 1:
    case 4:
    case 8: {
      const int bit = x * depth;
      return (row[bit / 8] >> (8 - depth - bit % 8)) & ((1u << depth) - 1);
    }
    case 16:
      return Read16(row + 2 * x);
    case 24:
      return row[3 * x] | (row[3 * x + 1] << 8) | (std::uint32_t{row[3 * x + 2]} << 16);
    default:
      return Read32(row + 4 * x);
  }
}
void PutRawPixel(BYTE* row, int x, int depth, std::uint32_t value) {
  if (depth <= 8) {
    const int bit = x * depth;
    const int shift = 8 - depth - bit % 8;
    const auto field = static_cast<BYTE>(((1u << depth) - 1) << shift);
    row[bit / 8] = static_cast<BYTE>((row[bit / 8] & ~field) | ((value << shift) & field));
    return;
  }
  for (int b = 0; b < depth / 8; ++b) row[depth / 8 * x + b] = static_cast<BYTE>(value >> (8 * b));
}

// A DIB section of the DIB's format and size holding its bits.
HBITMAP DibSectionOf(const PackedDib& dib, const BYTE* bits, std::size_t bytes) {
  void* memory = nullptr;
  HBITMAP handle =
      CreateDIBSection(nullptr, dib.bitmap_info(), DIB_RGB_COLORS, &memory, nullptr, 0);
  if (handle == nullptr) return nullptr;
  std::memcpy(memory, bits, bytes);
  gdi::Find<Bitmap>(handle)->LoadFromBits();
  return handle;
}

// The DIB section stretched to width x height, in its own format.
HBITMAP StretchedDibSection(PackedDib& dib, int width, int height) {
  const BITMAPINFOHEADER source = dib.header();
  const int depth = source.biBitCount;
  const int source_height = source.biHeight < 0 ? -source.biHeight : source.biHeight;
  const int source_stride = DibStride(source.biWidth, depth);
  const int stride = DibStride(width, depth);
  std::vector<BYTE> bits(static_cast<std::size_t>(stride) * height);
  // Both keep the source's row order; rows are sampled top-down, as CompatibleCopy does.
  const bool top_down = source.biHeight < 0;
  for (int y = 0; y < height; ++y) {
    const auto sy = static_cast<int>(std::int64_t{y} * source_height / height);
    const BYTE* from =
        dib.bits + static_cast<std::size_t>(top_down ? sy : source_height - 1 - sy) * source_stride;
    BYTE* to = bits.data() + static_cast<std::size_t>(top_down ? y : height - 1 - y) * stride;
    for (int x = 0; x < width; ++x) {
      PutRawPixel(
          to, x, depth,
          RawPixel(from, static_cast<int>(std::int64_t{x} * source.biWidth / width), depth));
    }
  }
  dib.header().biWidth = width;
  dib.header().biHeight = source.biHeight < 0 ? -height : height;
  dib.header().biSizeImage = static_cast<DWORD>(bits.size());
  return DibSectionOf(dib, bits.data(), bits.size());
}

// A compatible bitmap (32 bpp, or monochrome) painted from the source's pixels.
HBITMAP CompatibleCopy(HBITMAP source_handle, int width, int height, bool monochrome) {
  HBITMAP handle = CreateBitmap(width, height, 1, monochrome ? 1 : 32, nullptr);
  Bitmap* target = gdi::Find<Bitmap>(handle);
  if (target == nullptr) return nullptr;
  Bitmap* source = gdi::Find<Bitmap>(source_handle);
  const gdi::PixelSurface from = source->Surface();
  const gdi::PixelSurface to = target->Surface();
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* row = from.Row(static_cast<int>(std::int64_t{y} * from.height / height));
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = row[std::int64_t{x} * from.width / width] & 0xFFFFFF;
      to.At(x, y) = monochrome ? gdi::MonochromePixel(p) : p;
    }
  }
  return handle;
}

HBITMAP MakeBitmap(PackedDib& dib, int cx, int cy, UINT flags) {
  MapColors(dib, flags);
  const BITMAPINFOHEADER h = dib.header();
  const int width = cx != 0 ? cx : h.biWidth;
  const int height = cy != 0 ? cy : (h.biHeight < 0 ? -h.biHeight : h.biHeight);
  if (std::int64_t{width} * height > gdi::kMaxBitmapPixels) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  const bool monochrome = (flags & LR_MONOCHROME) || h.biBitCount == 1;
  const bool same_size =
      width == h.biWidth && height == (h.biHeight < 0 ? -h.biHeight : h.biHeight);
  if ((flags & LR_CREATEDIBSECTION) && !(flags & LR_MONOCHROME)) {
    return same_size ? DibSectionOf(dib, dib.bits, h.biSizeImage)
                     : StretchedDibSection(dib, width, height);
  }
  HBITMAP source = DibSectionOf(dib, dib.bits, h.biSizeImage);
  if (source == nullptr) return nullptr;
  HBITMAP copy = CompatibleCopy(source, width, height, monochrome);
  DeleteObject(source);
  return copy;
}

HBITMAP Malformed() {
  SetLastError(ERROR_INVALID_DATA);
  return nullptr;
}

}  // namespace

HBITMAP LoadBitmapImage(HINSTANCE instance, LPCWSTR name, int cx, int cy, UINT flags) {
  if (flags & LR_LOADFROMFILE) {
    std::vector<BYTE> file;
    if (!ReadWholeFile(name, file)) return nullptr;
    if (file.size() < kFileHeaderBytes || file[0] != 'B' || file[1] != 'M') return Malformed();
    const std::size_t offset = Read32(file.data() + 10);
    if (offset != 0 && offset < kFileHeaderBytes) return Malformed();
    std::optional<PackedDib> dib =
        ReadPackedDib(file.data() + kFileHeaderBytes, file.size() - kFileHeaderBytes,
                      offset == 0 ? 0 : offset - kFileHeaderBytes);
    return dib ? MakeBitmap(*dib, cx, cy, flags) : Malformed();
  }
  HMODULE module = instance != nullptr ? instance : SystemModule();
  HRSRC found = FindResourceW(module, name, RT_BITMAP);
  if (found == nullptr) return nullptr;
  const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
  std::optional<PackedDib> dib = ReadPackedDib(data, SizeofResource(module, found), 0);
  return dib ? MakeBitmap(*dib, cx, cy, flags) : Malformed();
}

}  // namespace platform
