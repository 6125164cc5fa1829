// Bitmaps: their pixels, DIB formats to and from the 32-bpp working pixels, GetObject.
#include "platform/gdi/bitmap.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace platform::gdi {
Bitmap::~Bitmap() { delete[] dib_bits; }

std::unique_ptr<Bitmap> Bitmap::MakeDeviceBitmap(int width, int height, int bits_pixel) {
  auto bitmap = std::make_unique<Bitmap>();
  bitmap->width = width;
  bitmap->height = height;
  bitmap->bits_pixel = bits_pixel == 1 ? 1 : 32;
  try {
    bitmap->pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  return bitmap;
}

std::unique_ptr<Bitmap> Bitmap::MakeDibSection(const BITMAPINFO& info) {
  const BITMAPINFOHEADER& h = info.bmiHeader;
  auto bitmap = std::make_unique<Bitmap>();
  if (!DibFormat::From(info, &bitmap->format_)) return nullptr;
  bitmap->dib = true;
  bitmap->width = h.biWidth;
  bitmap->height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
  bitmap->top_down = h.biHeight < 0;
  bitmap->bits_pixel = h.biBitCount;
  bitmap->dib_header = h;
  bitmap->dib_header.biSize = sizeof(BITMAPINFOHEADER);
  if (h.biBitCount <= 8) {
    std::size_t entries = h.biClrUsed ? std::min<std::size_t>(h.biClrUsed, 1u << h.biBitCount)
                                      : (1u << h.biBitCount);
    bitmap->color_table.assign(info.bmiColors, info.bmiColors + entries);
  }
  if (h.biCompression == BI_BITFIELDS) {
    std::memcpy(bitmap->bitfields, info.bmiColors, sizeof bitmap->bitfields);
  } else if (h.biBitCount == 16) {
    bitmap->bitfields[0] = 0x7C00, bitmap->bitfields[1] = 0x03E0, bitmap->bitfields[2] = 0x001F;
  } else if (h.biBitCount == 32) {
    bitmap->bitfields[0] = 0xFF0000, bitmap->bitfields[1] = 0xFF00, bitmap->bitfields[2] = 0xFF;
  }
  bitmap->dib_bytes = static_cast<std::size_t>(bitmap->dib_stride()) * bitmap->height;
  bitmap->dib_header.biSizeImage = static_cast<DWORD>(bitmap->dib_bytes);
  bitmap->dib_bits = new (std::nothrow) std::uint8_t[bitmap->dib_bytes]();
  if (bitmap->dib_bits == nullptr) return nullptr;
  if (bitmap->has_working_copy()) {
    try {
      bitmap->pixels_.assign(static_cast<std::size_t>(bitmap->width) * bitmap->height, 0);
    } catch (const std::bad_alloc&) {
      return nullptr;
    }
    bitmap->LoadFromBits();
    bitmap->reload_pending = true;  // the caller may write the bits before selecting it
  }
  return bitmap;
}

PixelSurface Bitmap::Surface() {
  PixelSurface s;
  s.width = width;
  s.height = height;
  if (dib && bits_pixel == 32) {
    auto* bits = reinterpret_cast<std::uint32_t*>(dib_bits);
    s.origin = top_down ? bits : bits + static_cast<std::ptrdiff_t>(height - 1) * width;
    s.stride = top_down ? width : -static_cast<std::ptrdiff_t>(width);
  } else {
    if (reload_pending) {
      reload_pending = false;
      LoadFromBits();
    }
    s.origin = pixels_.data();
    s.stride = width;
  }
  return s;
}

void Bitmap::LoadFromBits() {
  if (!has_working_copy() || dib_bits == nullptr) return;
  for (int y = 0; y < height; ++y) {
    format_.Decode(dib_bits + static_cast<std::size_t>(format_.MemoryRow(y)) * dib_stride(),
                   pixels_.data() + static_cast<std::size_t>(y) * width);
  }
}

void Bitmap::StoreToBits() {
  // After GdiFlush, or while no DC held it, the bits are the newer: the caller may have
  // written them.
  if (!has_working_copy() || dib_bits == nullptr || reload_pending) return;
  for (int y = 0; y < height; ++y) {
    format_.Encode(pixels_.data() + static_cast<std::size_t>(y) * width,
                   dib_bits + static_cast<std::size_t>(format_.MemoryRow(y)) * dib_stride());
  }
}

UINT Bitmap::SetColors(UINT start, UINT count, const RGBQUAD* colors) {
  if (start >= color_table.size()) return 0;
  count = std::min<UINT>(count, static_cast<UINT>(color_table.size()) - start);
  StoreToBits();  // the indices, under the old colours
  std::copy_n(colors, count, color_table.begin() + start);
  format_.colors = color_table;
  reload_pending = false;
  LoadFromBits();
  return count;
}

int Bitmap::Describe(int size, void* buffer, bool) const {
  BITMAP bm{};
  bm.bmType = 0;
  bm.bmWidth = width;
  bm.bmHeight = height;
  bm.bmWidthBytes = dib ? dib_stride() : ((width * bits_pixel + 15) / 16) * 2;
  bm.bmPlanes = 1;
  bm.bmBitsPixel = static_cast<WORD>(bits_pixel);
  bm.bmBits = dib ? dib_bits : nullptr;
  if (dib && (buffer == nullptr || size >= static_cast<int>(sizeof(DIBSECTION)))) {
    if (buffer == nullptr) return sizeof(DIBSECTION);
    DIBSECTION ds{};
    ds.dsBm = bm;
    ds.dsBmih = dib_header;
    std::memcpy(ds.dsBitfields, bitfields, sizeof ds.dsBitfields);
    std::memcpy(buffer, &ds, sizeof ds);
    return sizeof(DIBSECTION);
  }
  if (buffer == nullptr) return sizeof(BITMAP);
  if (size < static_cast<int>(sizeof(BITMAP))) return 0;
  std::memcpy(buffer, &bm, sizeof bm);
  return sizeof(BITMAP);
}

HBITMAP DefaultBitmap() {
  static const HBITMAP stock = [] {
    std::unique_ptr<Bitmap> bitmap = Bitmap::MakeDeviceBitmap(1, 1, 1);
    bitmap->MarkStock();
    return static_cast<HBITMAP>(AddObject(std::move(bitmap)));
  }();
  return stock;
}

}  // namespace platform::gdi
