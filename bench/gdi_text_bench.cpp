// Glyphs per second: drawing through the glyph cache (look-up and coverage blend into a
// 32-bpp surface) against FreeType loading and rendering the same glyphs each time, as
// an uncached renderer would. Same face, size and hinting, same text, same run.
#include <benchmark/benchmark.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>
#include <vector>

#include "platform/gdi/face_lookup.h"
#include "platform/gdi/glyph_render.h"
#include "platform/gdi/realized_font.h"

namespace {

using platform::gdi::Glyph;
using platform::gdi::RealizedFont;

const std::u16string kText = u"Comence el dia 01/12/2026 Aceptar Cancelar Dia de Inicio";

LOGFONTW DialogFont() {
  LOGFONTW logfont{};
  logfont.lfHeight = -11;
  logfont.lfWeight = FW_NORMAL;
  const std::u16string_view face = u"MS Sans Serif";
  for (std::size_t i = 0; i < face.size(); ++i) logfont.lfFaceName[i] = face[i];
  return logfont;
}

// Blends 8-bit coverage into a 0x00RRGGBB buffer with black text, as a glyph draw does.
void Blend(std::vector<std::uint32_t>& pixels, int stride, int x, int y, int width, int height,
           const unsigned char* coverage, int pitch) {
  for (int row = 0; row < height; ++row) {
    std::uint32_t* out = pixels.data() + (y + row) * stride + x;
    for (int col = 0; col < width; ++col) {
      const std::uint32_t alpha = coverage[row * pitch + col];
      if (alpha == 0) continue;
      std::uint32_t d = out[col], o = 0;
      for (int shift = 0; shift < 24; shift += 8) {
        o |= ((((d >> shift) & 0xFF) * (255 - alpha) + 127) / 255) << shift;
      }
      out[col] = o;
    }
  }
}

constexpr int kWidth = 512, kHeight = 32;

void BM_CachedGlyphDraw(benchmark::State& state) {
  const RealizedFont font(DialogFont());
  std::vector<std::uint32_t> pixels(kWidth * kHeight, 0xD4D0C8);
  for (auto _ : state) {
    int pen = 2;
    for (char16_t c : kText) {
      const platform::gdi::GlyphPtr glyph = font.GlyphOf(c);
      Blend(pixels, kWidth, pen + glyph->left, 14 - glyph->top, glyph->width, glyph->height,
            glyph->coverage.data(), glyph->width);
      pen += glyph->advance;
    }
    benchmark::DoNotOptimize(pixels.data());
  }
  state.counters["glyphs/s"] =
      benchmark::Counter(static_cast<double>(state.iterations() * kText.size()),
                         benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CachedGlyphDraw);

void BM_FreeTypeRenderEachTime(benchmark::State& state) {
  FT_Library library = nullptr;
  FT_Init_FreeType(&library);
  const platform::gdi::FaceFile file =
      platform::gdi::ResolveFaceFile(u"MS Sans Serif", false, false, 0);
  FT_Face face = nullptr;
  if (FT_New_Face(library, file.path.c_str(), file.index, &face) != 0) {
    state.SkipWithError("no face");
    return;
  }
  FT_Set_Pixel_Sizes(face, 11, 11);
  std::vector<std::uint32_t> pixels(kWidth * kHeight, 0xD4D0C8);
  for (auto _ : state) {
    int pen = 2;
    for (char16_t c : kText) {
      FT_Load_Char(face, c, FT_LOAD_RENDER | platform::gdi::kTextHinting);
      const FT_GlyphSlot slot = face->glyph;
      Blend(pixels, kWidth, pen + slot->bitmap_left, 14 - slot->bitmap_top,
            static_cast<int>(slot->bitmap.width), static_cast<int>(slot->bitmap.rows),
            slot->bitmap.buffer, slot->bitmap.pitch);
      pen += static_cast<int>((slot->advance.x + 32) >> 6);
    }
    benchmark::DoNotOptimize(pixels.data());
  }
  state.counters["glyphs/s"] =
      benchmark::Counter(static_cast<double>(state.iterations() * kText.size()),
                         benchmark::Counter::kIsRate);
  FT_Done_Face(face);
  FT_Done_FreeType(library);
}
BENCHMARK(BM_FreeTypeRenderEachTime);

// The whole TextOutW path: DC, alignment, cached glyphs, clipped coverage blending.
void BM_TextOutW(benchmark::State& state) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = kWidth;
  info.bmiHeader.biHeight = -kHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ old_bitmap = SelectObject(dc, bitmap);
  const LOGFONTW logfont = DialogFont();
  const HFONT font = CreateFontIndirectW(&logfont);
  const HGDIOBJ old_font = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  for (auto _ : state) {
    TextOutW(dc, 2, 4, kText.c_str(), static_cast<int>(kText.size()));
  }
  state.counters["glyphs/s"] =
      benchmark::Counter(static_cast<double>(state.iterations() * kText.size()),
                         benchmark::Counter::kIsRate);
  SelectObject(dc, old_font);
  SelectObject(dc, old_bitmap);
  DeleteObject(font);
  DeleteDC(dc);
  DeleteObject(bitmap);
}
BENCHMARK(BM_TextOutW);

}  // namespace

BENCHMARK_MAIN();
