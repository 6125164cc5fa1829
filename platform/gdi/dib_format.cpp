// DIB rows to and from 32-bpp pixels.
#include "platform/gdi/dib_format.h"

#include <cstring>

namespace platform::gdi {

std::uint32_t PixelOfEntry(const RGBQUAD& q) {
  return (std::uint32_t{q.rgbRed} << 16) | (std::uint32_t{q.rgbGreen} << 8) | q.rgbBlue;
}

std::uint32_t NearestEntry(const std::vector<RGBQUAD>& table, std::uint32_t pixel) {
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

bool DibFormat::From(const BITMAPINFO& info, DibFormat* format) {
  const BITMAPINFOHEADER& h = info.bmiHeader;
  const int depth = h.biBitCount;
  if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biWidth <= 0 || h.biHeight == 0 ||
      h.biHeight == INT32_MIN || h.biPlanes != 1) {
    return false;
  }
  if (!(depth == 1 || depth == 4 || depth == 8 || depth == 16 || depth == 24 || depth == 32)) {
    return false;
  }
  if (h.biCompression != BI_RGB && !(h.biCompression == BI_BITFIELDS && (depth == 16 || depth == 32))) {
    return false;
  }
  DibFormat f;
  f.bits_pixel = depth;
  f.width = h.biWidth;
  f.height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
  f.top_down = h.biHeight < 0;
  if (h.biCompression == BI_BITFIELDS) {
    DWORD masks[3];
    std::memcpy(masks, info.bmiColors, sizeof masks);
    if (depth == 16) f.five_six_five = masks[1] == 0x07E0;
    else if (masks[0] != 0xFF0000 || masks[1] != 0xFF00 || masks[2] != 0xFF) return false;
  }
  if (depth <= 8) {
    const std::size_t entries = h.biClrUsed && h.biClrUsed < (1u << depth) ? h.biClrUsed : (1u << depth);
    f.colors.assign(info.bmiColors, info.bmiColors + entries);
  }
  *format = std::move(f);
  return true;
}

void DibFormat::Decode(const std::uint8_t* row, std::uint32_t* pixels) const {
  for (int x = 0; x < width; ++x) {
    std::uint32_t p = 0;
    switch (bits_pixel) {
      case 1:
      case 4:
      case 8: {
        const int bit = x * bits_pixel;
        const unsigned index = (row[bit / 8] >> (8 - bits_pixel - bit % 8)) & ((1u << bits_pixel) - 1);
        p = index < colors.size() ? PixelOfEntry(colors[index]) : 0;
        break;
      }
      case 16: {
        const unsigned v = row[2 * x] | (row[2 * x + 1] << 8);
        unsigned r, g, b;
        if (five_six_five) {
          r = (v >> 11) & 0x1F, g = (v >> 5) & 0x3F, b = v & 0x1F;
          g = (g << 2) | (g >> 4);
        } else {
          r = (v >> 10) & 0x1F, g = (v >> 5) & 0x1F, b = v & 0x1F;
          g = (g << 3) | (g >> 2);
        }
        p = (((r << 3) | (r >> 2)) << 16) | (g << 8) | ((b << 3) | (b >> 2));
        break;
      }
      case 24: p = row[3 * x] | (row[3 * x + 1] << 8) | (std::uint32_t{row[3 * x + 2]} << 16); break;
      case 32: p = row[4 * x] | (row[4 * x + 1] << 8) | (std::uint32_t{row[4 * x + 2]} << 16); break;
      default: break;
    }
    pixels[x] = p;
  }
}

void DibFormat::Encode(const std::uint32_t* pixels, std::uint8_t* row) const {
  if (bits_pixel <= 8) std::memset(row, 0, static_cast<std::size_t>(stride()));
  for (int x = 0; x < width; ++x) {
    const std::uint32_t p = pixels[x];
    const std::uint8_t r = static_cast<std::uint8_t>(p >> 16), g = static_cast<std::uint8_t>(p >> 8),
                       b = static_cast<std::uint8_t>(p);
    switch (bits_pixel) {
      case 1:
      case 4:
      case 8: {
        const int bit = x * bits_pixel;
        row[bit / 8] |= static_cast<std::uint8_t>(NearestEntry(colors, p) << (8 - bits_pixel - bit % 8));
        break;
      }
      case 16: {
        const unsigned v = five_six_five ? ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3)
                                         : ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3);
        row[2 * x] = static_cast<std::uint8_t>(v);
        row[2 * x + 1] = static_cast<std::uint8_t>(v >> 8);
        break;
      }
      case 24:
        row[3 * x] = b, row[3 * x + 1] = g, row[3 * x + 2] = r;
        break;
      case 32:
        row[4 * x] = b, row[4 * x + 1] = g, row[4 * x + 2] = r, row[4 * x + 3] = 0;
        break;
      default: break;
    }
  }
}

}  // namespace platform::gdi
