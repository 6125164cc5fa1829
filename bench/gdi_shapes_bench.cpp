// Lines, rectangles and ellipses: our rasterizer through the gdi32 calls against the same
// primitives drawn by Cairo with antialiasing off, on equal 512 x 512 32-bpp surfaces.
#include <benchmark/benchmark.h>
#include <cairo.h>

#include <cmath>
#include <random>
#include <vector>

#include "platform/win32.h"

namespace {

constexpr int kSize = 512;
constexpr int kShapes = 1000;

struct Shape {
  int x0, y0, x1, y1;
};

std::vector<Shape> RandomShapes() {
  std::mt19937 random(42);
  std::uniform_int_distribution<int> coordinate(0, kSize - 1);
  std::vector<Shape> shapes(kShapes);
  for (Shape& s : shapes) s = {coordinate(random), coordinate(random), coordinate(random), coordinate(random)};
  return shapes;
}

class GdiSurface {
 public:
  GdiSurface() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kSize;
    info.bmiHeader.biHeight = -kSize;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    dc = CreateCompatibleDC(nullptr);
    old_bitmap_ = SelectObject(dc, bitmap_);
    pen_ = CreatePen(PS_SOLID, 1, RGB(0, 0, 128));
    brush_ = CreateSolidBrush(RGB(200, 220, 255));
    old_pen_ = SelectObject(dc, pen_);
    old_brush_ = SelectObject(dc, brush_);
  }
  ~GdiSurface() {
    SelectObject(dc, old_pen_);
    SelectObject(dc, old_brush_);
    SelectObject(dc, old_bitmap_);
    DeleteObject(pen_);
    DeleteObject(brush_);
    DeleteDC(dc);
    DeleteObject(bitmap_);
  }
  HDC dc;

 private:
  HBITMAP bitmap_;
  HPEN pen_;
  HBRUSH brush_;
  HGDIOBJ old_bitmap_, old_pen_, old_brush_;
};

class CairoSurface {
 public:
  CairoSurface()
      : surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, kSize, kSize)), cr(cairo_create(surface_)) {
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_line_width(cr, 1.0);
  }
  ~CairoSurface() {
    cairo_destroy(cr);
    cairo_surface_destroy(surface_);
  }

 private:
  cairo_surface_t* surface_;

 public:
  cairo_t* cr;
};

void FillAndStroke(cairo_t* cr) {
  cairo_set_source_rgb(cr, 200 / 255.0, 220 / 255.0, 1.0);
  cairo_fill_preserve(cr);
  cairo_set_source_rgb(cr, 0, 0, 0.5);
  cairo_stroke(cr);
}

void BM_GdiLines(benchmark::State& state) {
  GdiSurface s;
  const auto shapes = RandomShapes();
  for (auto _ : state) {
    for (const Shape& sh : shapes) {
      MoveToEx(s.dc, sh.x0, sh.y0, nullptr);
      LineTo(s.dc, sh.x1, sh.y1);
    }
  }
  state.SetItemsProcessed(state.iterations() * kShapes);
}

void BM_CairoLines(benchmark::State& state) {
  CairoSurface s;
  const auto shapes = RandomShapes();
  cairo_set_source_rgb(s.cr, 0, 0, 0.5);
  for (auto _ : state) {
    for (const Shape& sh : shapes) {
      cairo_move_to(s.cr, sh.x0 + 0.5, sh.y0 + 0.5);
      cairo_line_to(s.cr, sh.x1 + 0.5, sh.y1 + 0.5);
      cairo_stroke(s.cr);
    }
  }
  state.SetItemsProcessed(state.iterations() * kShapes);
}

void BM_GdiRectangles(benchmark::State& state) {
  GdiSurface s;
  const auto shapes = RandomShapes();
  for (auto _ : state) {
    for (const Shape& sh : shapes) Rectangle(s.dc, sh.x0, sh.y0, sh.x1, sh.y1);
  }
  state.SetItemsProcessed(state.iterations() * kShapes);
}

void BM_CairoRectangles(benchmark::State& state) {
  CairoSurface s;
  const auto shapes = RandomShapes();
  for (auto _ : state) {
    for (const Shape& sh : shapes) {
      cairo_rectangle(s.cr, sh.x0 + 0.5, sh.y0 + 0.5, sh.x1 - sh.x0 - 1, sh.y1 - sh.y0 - 1);
      FillAndStroke(s.cr);
    }
  }
  state.SetItemsProcessed(state.iterations() * kShapes);
}

void BM_GdiEllipses(benchmark::State& state) {
  GdiSurface s;
  const auto shapes = RandomShapes();
  for (auto _ : state) {
    for (const Shape& sh : shapes) Ellipse(s.dc, sh.x0, sh.y0, sh.x1, sh.y1);
  }
  state.SetItemsProcessed(state.iterations() * kShapes);
}

void BM_CairoEllipses(benchmark::State& state) {
  CairoSurface s;
  const auto shapes = RandomShapes();
  for (auto _ : state) {
    for (const Shape& sh : shapes) {
      double w = std::abs(sh.x1 - sh.x0) / 2.0, h = std::abs(sh.y1 - sh.y0) / 2.0;
      if (w < 0.5 || h < 0.5) continue;
      cairo_save(s.cr);
      cairo_translate(s.cr, (sh.x0 + sh.x1) / 2.0, (sh.y0 + sh.y1) / 2.0);
      cairo_scale(s.cr, w, h);
      cairo_arc(s.cr, 0, 0, 1, 0, 2 * 3.141592653589793);
      cairo_restore(s.cr);
      FillAndStroke(s.cr);
    }
  }
  state.SetItemsProcessed(state.iterations() * kShapes);
}

BENCHMARK(BM_GdiLines);
BENCHMARK(BM_CairoLines);
BENCHMARK(BM_GdiRectangles);
BENCHMARK(BM_CairoRectangles);
BENCHMARK(BM_GdiEllipses);
BENCHMARK(BM_CairoEllipses);

}  // namespace

BENCHMARK_MAIN();
