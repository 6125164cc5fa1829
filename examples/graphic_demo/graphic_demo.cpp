// The graphic engine's demonstration: a graphic window with a small scene of shapes, text
// and bitmaps. The arrow keys move the ball, Escape (or closing the window) ends.
//
// It runs on every display: VESTRALINO_DISPLAY=headless with VESTRALINO_SCRIPT drives it
// from a script (`key Right`, `capture demo.png`, `key Escape`).
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/frame/process_entry.h"
#include "runtime/graphics/bitmap_operations.h"
#include "runtime/graphics/drawing_session.h"
#include "runtime/graphics/graphic_window.h"
#include "runtime/graphics/key_wait.h"
#include "runtime/graphics/memory_bitmaps.h"
#include "runtime/graphics/shape_operations.h"
#include "runtime/graphics/surface_settings.h"
#include "runtime/graphics/text_operations.h"

namespace {

using namespace runtime;

constexpr int kWidth = 320;
constexpr int kHeight = 200;
constexpr int kBallSize = 22;
constexpr int kStep = 8;

// Scan codes of the arrow keys, as wait_for_key reports special keys.
constexpr char16_t kLeft = 0x4B, kRight = 0x4D, kUp = 0x48, kDown = 0x50;
constexpr char16_t kEscape = 0x1B;

// A 16 x 16 tile drawn into a memory bitmap: a red and white checker with a dark frame.
HBITMAP MakeTile() {
  HBITMAP tile = make_bitmap(16, 16);
  if (tile == nullptr) return nullptr;
  HWND previous = graphic_target();
  set_graphic_target(reinterpret_cast<HWND>(tile));
  std::vector<std::uint32_t> pixels(16 * 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const bool edge = x == 0 || y == 0 || x == 15 || y == 15;
      const bool red = ((x / 4) + (y / 4)) % 2 == 0;
      pixels[y * 16 + x] = edge ? 0x402010 : red ? 0xD03020 : 0xFFF4E0;
    }
  }
  write_pixels(pixels);
  set_graphic_target(previous);
  return tile;
}

void DrawScene(HBITMAP tile, POINT ball) {
  clear_surface(RGB(176, 214, 240));
  // Ground, sun and a house with a roof.
  draw_box(0, 150, kWidth - 1, kHeight - 1, RGB(60, 120, 40), 0, RGB(90, 160, 60), 0);
  draw_box(250, 18, 292, 60, RGB(230, 160, 0), kEllipseCorners, RGB(255, 210, 40), 0);
  draw_box(40, 100, 120, 160, RGB(90, 50, 30), 0, RGB(240, 230, 200), 0);
  const std::vector<WorldPoint> roof = {{32, 100}, {80, 62}, {128, 100}};
  draw_polygon(roof, RGB(120, 30, 20), RGB(180, 50, 30), 0, ALTERNATE);
  draw_box(70, 124, 90, 160, RGB(90, 50, 30), 0, RGB(120, 80, 40), 0);
  draw_box(52, 110, 66, 124, RGB(90, 50, 30), 0, RGB(120, 180, 230), 5);  // cross-hatched window
  // A dotted string from the house to the ball, passing behind a big tile; a path of
  // tiles: the same bitmap stretched and copied.
  move_to(120, 130, false);
  set_pen_style(PS_DOT);
  draw_line(ball.x + kBallSize / 2.0, ball.y + kBallSize / 2.0, RGB(60, 60, 60), false);
  set_pen_style(PS_SOLID);
  stretch_bitmap(tile, 150, 92, 197, 139);
  for (int x = 140; x < 300; x += 20) copy_bitmap(tile, x, 170);
  draw_box(ball.x, ball.y, ball.x + kBallSize, ball.y + kBallSize, RGB(20, 40, 140),
           kEllipseCorners, RGB(50, 90, 220), 0);
  // Two lines of text on the transparent background.
  set_background_colour(TRANSPARENT_COLOR);
  set_foreground_colour(RGB(20, 30, 60));
  move_to(8, 6, false);
  write_text(u"The graphic engine");
  new_text_line();  // back to the left edge, one line down
  move_to(8, 0, true);
  write_text(u"Arrows move the ball, Escape ends.");
}

std::int32_t DemoMain(HINSTANCE, HINSTANCE, const WCHAR*, int) {
  HWND window = make_graphic_window(u"Graphic demo", CENTRE_DEFAULT, CENTRE_DEFAULT, kWidth,
                                    kHeight);
  if (window == nullptr) return 1;
  HWND surface = graphic_target();
  HBITMAP tile = MakeTile();
  POINT ball{200, 60};
  DrawScene(tile, ball);
  for (;;) {
    // A time-out lets the loop notice a window closed from outside.
    const std::u16string key = wait_for_key(250);
    if (!IsWindow(window)) break;
    if (key.empty()) continue;
    if (key.size() == 1 && key[0] == kEscape) break;
    if (key.size() != 2) continue;
    switch (key[1]) {
      case kLeft: ball.x -= kStep; break;
      case kRight: ball.x += kStep; break;
      case kUp: ball.y -= kStep; break;
      case kDown: ball.y += kStep; break;
      default: continue;
    }
    set_graphic_target(surface);
    DrawScene(tile, ball);
  }
  end_bitmap(tile);
  if (IsWindow(window)) DestroyWindow(window);
  return 0;
}

}  // namespace

extern "C" void ProgramEntry() {
  static const runtime::ProgramImage program{&DemoMain, nullptr, nullptr};
  runtime::ProcessEntry(program);
}
