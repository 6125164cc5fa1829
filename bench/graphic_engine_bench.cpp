// The graphic engine's operations against the bare platform calls they make, on the same
// memory DC of a 256 x 256 graphic control (deferred redraw, so no repaint is measured),
// and against memset and Cairo (antialiasing off) for scale; then the batched redraw
// policy against a repaint after every operation.
#include <benchmark/benchmark.h>
#include <cairo.h>

#include <cstdlib>
#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "platform/display/display_session.h"
#include "runtime/dialogs/add_control.h"
#include "runtime/dialogs/create_dialog.h"
#include "runtime/dialogs/font_table.h"
#include "runtime/dialogs/modal_loop.h"
#include "runtime/dialogs/record_list.h"
#include "runtime/frame/process_state.h"
#include "runtime/frame/routine_frame.h"
#include "runtime/graphics/drawing_session.h"
#include "runtime/graphics/shape_operations.h"
#include "runtime/graphics/surface_settings.h"
#include "runtime/graphics/text_operations.h"

namespace {

using namespace runtime;

constexpr int kSize = 256;
constexpr int kShapes = 1000;

struct Shape {
  int x0, y0, x1, y1;
};

std::vector<Shape> RandomShapes() {
  std::mt19937 random(42);
  std::uniform_int_distribution<int> coordinate(0, kSize - 1);
  std::vector<Shape> shapes(kShapes);
  for (Shape& s : shapes) {
    s = {coordinate(random), coordinate(random), coordinate(random), coordinate(random)};
  }
  return shapes;
}

// One shown dialog with a graphic control of kSize x kSize, the thread's target.
class EngineSurface {
 public:
  explicit EngineSurface(std::uint32_t policy) {
    setenv("VESTRALINO_DISPLAY", "headless", 1);
    Process().instance = GetModuleHandleW(nullptr);
    if (find_font(1) == nullptr) create_built_in_fonts();
    frame_.strings.PushCopy("Bench");
    frame_.strings.SlotToWide(0);
    dialog_ = create_dialog(frame_, kPixelMode, nullptr, 0, 0, kSize + 10, kSize + 10, 0, 0);
    for (int i = 0; i < 2; ++i) {
      frame_.strings.PushCopy("");
      frame_.strings.SlotToWide(0);
    }
    control_ = add_control(frame_, kind::kGraphicControl, dialog_, 1, 0, 0, kSize, kSize, 0, 0,
                           nullptr);
    show_dialog_modeless(dialog_, nullptr, nullptr);
    set_graphic_target(control_);
    set_surface_flags(REDRAW_DEFERRED | REDRAW_BATCHED, false);
    set_surface_flags(policy, true);
  }
  ~EngineSurface() {
    set_graphic_target(nullptr);
    DestroyWindow(dialog_);
  }
  HDC dc() const { return find_record(control_)->graphic.memory_dc; }

 private:
  RoutineFrame frame_;
  HWND dialog_ = nullptr;
  HWND control_ = nullptr;
};

// The pen and brush of the bare calls, chosen once as a program drawing directly would.
class BareTools {
 public:
  explicit BareTools(HDC dc) : dc_(dc) {
    pen_ = CreatePen(PS_SOLID, 0, RGB(0, 0, 128));
    brush_ = CreateSolidBrush(RGB(200, 220, 255));
    old_pen_ = SelectObject(dc, pen_);
    old_brush_ = SelectObject(dc, brush_);
  }
  ~BareTools() {
    SelectObject(dc_, old_pen_);
    SelectObject(dc_, old_brush_);
    DeleteObject(pen_);
    DeleteObject(brush_);
  }

 private:
  HDC dc_;
  HPEN pen_;
  HBRUSH brush_;
  HGDIOBJ old_pen_, old_brush_;
};

class CairoSurface {
 public:
  CairoSurface()
      : surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, kSize, kSize)),
        cr(cairo_create(surface_)) {
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

// --- clearing ---------------------------------------------------------------------------

void BM_EngineClear(benchmark::State& state) {
  EngineSurface s(REDRAW_DEFERRED);
  for (auto _ : state) clear_surface(0xC0C0C0);
}

void BM_BareFillRect(benchmark::State& state) {
  EngineSurface s(REDRAW_DEFERRED);
  const RECT all{0, 0, kSize, kSize};
  for (auto _ : state) {
    HBRUSH brush = CreateSolidBrush(0xC0C0C0);
    FillRect(s.dc(), &all, brush);
    DeleteObject(brush);
  }
}

void BM_Memset(benchmark::State& state) {
  std::vector<std::uint32_t> pixels(kSize * kSize);
  for (auto _ : state) {
    std::memset(pixels.data(), 0xC0, pixels.size() * sizeof(pixels[0]));
    benchmark::DoNotOptimize(pixels.data());
  }
}

// --- lines ------------------------------------------------------------------------------

void BM_EngineLines(benchmark::State& state) {
  EngineSurface s(REDRAW_DEFERRED);
  const auto shapes = RandomShapes();
  for (auto _ : state) {
    for (const Shape& sh : shapes) {
      move_to(sh.x0, sh.y0, false);
      draw_line(sh.x1, sh.y1, 0x800000, false);
    }
  }
  state.SetItemsProcessed(state.iterations() * kShapes);
}

void BM_BareLines(benchmark::State& state) {
  EngineSurface s(REDRAW_DEFERRED);
  BareTools tools(s.dc());
  const auto shapes = RandomShapes();
  for (auto _ : state) {
    for (const Shape& sh : shapes) {
      MoveToEx(s.dc(), sh.x0, sh.y0, nullptr);
      LineTo(s.dc(), sh.x1, sh.y1);
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

// --- boxes and ellipses -----------------------------------------------------------------

void BM_EngineBoxes(benchmark::State& state) {
  EngineSurface s(REDRAW_DEFERRED);
  const std::int32_t corners = static_cast<std::int32_t>(state.range(0));
  const auto shapes = RandomShapes();
  for (auto _ : state) {
    for (const Shape& sh : shapes) {
      draw_box(sh.x0, sh.y0, sh.x1, sh.y1, 0x800000, corners, 0xFFDCC8, 0);
    }
  }
  state.SetItemsProcessed(state.iterations() * kShapes);
}

void BM_BareRectangles(benchmark::State& state) {
  EngineSurface s(REDRAW_DEFERRED);
  BareTools tools(s.dc());
  const auto shapes = RandomShapes();
  for (auto _ : state) {
    for (const Shape& sh : shapes) Rectangle(s.dc(), sh.x0, sh.y0, sh.x1, sh.y1);
  }
  state.SetItemsProcessed(state.iterations() * kShapes);
}

void BM_BareEllipses(benchmark::State& state) {
  EngineSurface s(REDRAW_DEFERRED);
  BareTools tools(s.dc());
  const auto shapes = RandomShapes();
  for (auto _ : state) {
    for (const Shape& sh : shapes) Ellipse(s.dc(), sh.x0, sh.y0, sh.x1, sh.y1);
  }
  state.SetItemsProcessed(state.iterations() * kShapes);
}

// RoundRect is the call draw_box makes: square corners (0, 0) or the whole box.
void BM_BareRoundRects(benchmark::State& state) {
  EngineSurface s(REDRAW_DEFERRED);
  BareTools tools(s.dc());
  const bool ellipse = state.range(0) != 0;
  const auto shapes = RandomShapes();
  for (auto _ : state) {
    for (const Shape& sh : shapes) {
      const int w = ellipse ? std::abs(sh.x1 - sh.x0) + 1 : 0;
      const int h = ellipse ? std::abs(sh.y1 - sh.y0) + 1 : 0;
      RoundRect(s.dc(), sh.x0, sh.y0, sh.x1, sh.y1, w, h);
    }
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

void BM_CairoEllipses(benchmark::State& state) {
  CairoSurface s;
  const auto shapes = RandomShapes();
  for (auto _ : state) {
    for (const Shape& sh : shapes) {
      const double w = std::abs(sh.x1 - sh.x0) / 2.0, h = std::abs(sh.y1 - sh.y0) / 2.0;
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

// --- text -------------------------------------------------------------------------------

// Lines of text down the surface and back to the top, without and with the scrolling of
// the visible area (state.range(0)), against TextOutW with MoveToEx (and, when scrolling,
// the BitBlt and FillRect a scroll makes).
void BM_EngineTextLines(benchmark::State& state) {
  EngineSurface s(REDRAW_DEFERRED);
  const bool scrolls = state.range(0) != 0;
  set_surface_close_flags(TEXT_SCROLLS, scrolls);
  for (auto _ : state) {
    write_text(u"Dias sin pecar: 1234");
    new_text_line();
    if (!scrolls && find_record(graphic_target())->graphic.position.y > kSize) move_to(0, 0, false);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_BareTextLines(benchmark::State& state) {
  EngineSurface s(REDRAW_DEFERRED);
  const bool scrolls = state.range(0) != 0;
  const char16_t text[] = u"Dias sin pecar: 1234";
  HDC dc = s.dc();
  HBRUSH back = CreateSolidBrush(0xC0C0C0);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int line = metrics.tmHeight + metrics.tmExternalLeading;
  int y = 0;
  for (auto _ : state) {
    MoveToEx(dc, 0, y, nullptr);
    TextOutW(dc, 0, 0, reinterpret_cast<LPCWSTR>(text), 20);
    if (scrolls && y + 2 * line > kSize) {
      BitBlt(dc, 0, 0, kSize, kSize - line, dc, 0, line, SRCCOPY);
      const RECT strip{0, kSize - line, kSize, kSize};
      FillRect(dc, &strip, back);
    } else {
      y = y + line > kSize ? 0 : y + line;
    }
  }
  DeleteObject(back);
  state.SetItemsProcessed(state.iterations());
}

// --- redraw policies --------------------------------------------------------------------

void BM_PolicyPixels(benchmark::State& state) {
  EngineSurface s(static_cast<std::uint32_t>(state.range(0)));
  int i = 0;
  for (auto _ : state) {
    set_pixel(i % kSize, (i / kSize) % kSize, 0x0000FF);
    ++i;
  }
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_EngineClear);
BENCHMARK(BM_BareFillRect);
BENCHMARK(BM_Memset);
BENCHMARK(BM_EngineLines);
BENCHMARK(BM_BareLines);
BENCHMARK(BM_CairoLines);
BENCHMARK(BM_EngineBoxes)->Arg(0)->ArgName("square");
BENCHMARK(BM_BareRectangles);
BENCHMARK(BM_BareRoundRects)->Arg(0)->ArgName("square");
BENCHMARK(BM_CairoRectangles);
BENCHMARK(BM_EngineBoxes)->Arg(static_cast<std::int32_t>(0x80000000u))->ArgName("ellipse");
BENCHMARK(BM_BareEllipses);
BENCHMARK(BM_BareRoundRects)->Arg(1)->ArgName("ellipse");
BENCHMARK(BM_CairoEllipses);
BENCHMARK(BM_EngineTextLines)->Arg(0)->ArgName("scrolls");
BENCHMARK(BM_BareTextLines)->Arg(0)->ArgName("scrolls");
BENCHMARK(BM_EngineTextLines)->Arg(1)->ArgName("scrolls");
BENCHMARK(BM_BareTextLines)->Arg(1)->ArgName("scrolls");
BENCHMARK(BM_PolicyPixels)->Arg(REDRAW_DEFERRED)->ArgName("deferred");
BENCHMARK(BM_PolicyPixels)->Arg(REDRAW_BATCHED)->ArgName("batched");
BENCHMARK(BM_PolicyPixels)->Arg(0)->ArgName("immediate");

}  // namespace

BENCHMARK_MAIN();
