// PNG through libpng's simplified API.
#include "platform/gdi/png_writer.h"

#include <png.h>

#include <cstring>

#include "platform/gdi/bitmap.h"
#include "platform/gdi/device_context.h"

namespace platform::gdi {

bool WritePng(const PixelSurface& surface, const std::string& path) {
  if (surface.empty()) return false;
  // 0x00RRGGBB is B, G, R, X in memory: repack rows as B, G, R.
  std::vector<std::uint8_t> rows(static_cast<std::size_t>(surface.width) * surface.height * 3);
  std::uint8_t* out = rows.data();
  for (int y = 0; y < surface.height; ++y) {
    const std::uint32_t* row = surface.Row(y);
    for (int x = 0; x < surface.width; ++x) {
      *out++ = static_cast<std::uint8_t>(row[x]);
      *out++ = static_cast<std::uint8_t>(row[x] >> 8);
      *out++ = static_cast<std::uint8_t>(row[x] >> 16);
    }
  }
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(surface.width);
  image.height = static_cast<png_uint_32>(surface.height);
  image.format = PNG_FORMAT_BGR;
  const int ok = png_image_write_to_file(&image, path.c_str(), 0, rows.data(), 0, nullptr);
  png_image_free(&image);
  return ok != 0;
}

bool WriteBitmapPng(HBITMAP handle, const std::string& path) {
  Bitmap* bitmap = Find<Bitmap>(handle);
  return bitmap != nullptr && WritePng(bitmap->Surface(), path);
}

bool WriteDcPng(HDC dc, const std::string& path) {
  DeviceContext* context = FindDc(dc);
  return context != nullptr && WritePng(context->Surface(), path);
}

bool ReadPng(const std::string& path, PngImage* result) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
  image.format = PNG_FORMAT_BGRA;
  PngImage decoded;
  decoded.width = static_cast<int>(image.width);
  decoded.height = static_cast<int>(image.height);
  decoded.pixels.resize(static_cast<std::size_t>(image.width) * image.height);
  if (!png_image_finish_read(&image, nullptr, decoded.pixels.data(), 0, nullptr)) {
    png_image_free(&image);
    return false;
  }
  *result = std::move(decoded);
  return true;
}

}  // namespace platform::gdi
