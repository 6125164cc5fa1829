// Bitmaps: their pixels, DIB formats to and from the 32-bpp working pixels, GetObject.
#include "platform/gdi/bitmap.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace platform::gdi {
namespace {

// The palette entry nearest to a pixel (palettised DIBs written back from 32 bpp).
std::uint32_t NearestIndex(const std::vector<RGBQUAD>& table, std::uint32_t pixel) {
  const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
  std::uint32_t best = 0;
  int best_distance = 1 << 30;
  for (std::uint32_t i = 0; i < table.size(); ++i) {
    const int dr = table[i].rgbRed - r, dg = table[i].rgbGreen - g, db = table[i].rgbBlue - b;
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < best_distance) {
      best_distance = distance;
      best = i;
    }
  }
  return best;
}

std::uint32_t PixelOfEntry(const RGBQUAD& q) {
  return (std::uint32_t{q.rgbRed} << 16) | (std::uint32_t{q.rgbGreen} << 8) | q.rgbBlue;
}

// A 16-bpp value with 5-5-5 or 5-6-5 channels (BI_BITFIELDS masks) to 0x00RRGGBB.
struct Channels16 {
  bool five_six_five = false;
  std::uint32_t Expand(std::uint16_t v) const {
    std::uint32_t r, g, b;
    if (five_six_five) {
      r = (v >> 11) & 0x1F;
      g = (v >> 5) & 0x3F;
      b = v & 0x1F;
      g = (g << 2) | (g >> 4);
    } else {
      r = (v >> 10) & 0x1F;
      g = (v >> 5) & 0x1F;
      b = v & 0x1F;
      g = (g << 3) | (g >> 2);
    }
    r = (r << 3) | (r >> 2);
    b = (b << 3) | (b >> 2);
    return (r << 16) | (g << 8) | b;
  }
  std::uint16_t Pack(std::uint32_t p) const {
    const std::uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    if (five_six_five) return static_cast<std::uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
    return static_cast<std::uint16_t>(((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3));
  }
};

}  // namespace

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
  const int stride = dib_stride();
  const Channels16 channels{bitfields[1] == 0x07E0};
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* src = dib_bits + static_cast<std::size_t>(top_down ? y : height - 1 - y) * stride;
    std::uint32_t* dst = pixels_.data() + static_cast<std::size_t>(y) * width;
    for (int x = 0; x < width; ++x) {
      std::uint32_t p = 0;
      switch (bits_pixel) {
        case 1:
        case 4:
        case 8: {
          const int bit = x * bits_pixel;
          const unsigned index = (src[bit / 8] >> (8 - bits_pixel - bit % 8)) & ((1u << bits_pixel) - 1);
          p = index < color_table.size() ? PixelOfEntry(color_table[index]) : 0;
          break;
        }
        case 16: p = channels.Expand(static_cast<std::uint16_t>(src[2 * x] | (src[2 * x + 1] << 8))); break;
        case 24: p = src[3 * x] | (src[3 * x + 1] << 8) | (std::uint32_t{src[3 * x + 2]} << 16); break;
        default: break;
      }
      dst[x] = p;
    }
  }
}

void Bitmap::StoreToBits() {
  if (!has_working_copy() || dib_bits == nullptr) return;
  const int stride = dib_stride();
  const Channels16 channels{bitfields[1] == 0x07E0};
  for (int y = 0; y < height; ++y) {
    std::uint8_t* dst = dib_bits + static_cast<std::size_t>(top_down ? y : height - 1 - y) * stride;
    const std::uint32_t* src = pixels_.data() + static_cast<std::size_t>(y) * width;
    if (bits_pixel <= 8) std::memset(dst, 0, static_cast<std::size_t>(stride));
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = src[x];
      switch (bits_pixel) {
        case 1:
        case 4:
        case 8: {
          const int bit = x * bits_pixel;
          dst[bit / 8] |= static_cast<std::uint8_t>(NearestIndex(color_table, p) << (8 - bits_pixel - bit % 8));
          break;
        }
        case 16: {
          const std::uint16_t v = channels.Pack(p);
          dst[2 * x] = static_cast<std::uint8_t>(v);
          dst[2 * x + 1] = static_cast<std::uint8_t>(v >> 8);
          break;
        }
        case 24:
          dst[3 * x] = static_cast<std::uint8_t>(p);
          dst[3 * x + 1] = static_cast<std::uint8_t>(p >> 8);
          dst[3 * x + 2] = static_cast<std::uint8_t>(p >> 16);
          break;
        default: break;
      }
    }
  }
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
