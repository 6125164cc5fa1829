// Golden images of the classic 3-D look: DrawEdge, DrawFrameControl, DrawFocusRect.
#include <gtest/gtest.h>

#include "tests/platform/gdi/gdi_canvas.h"
#include "tests/platform/gdi/golden.h"

namespace platform::gdi::testing {
namespace {

void Face(Canvas& canvas) {
  RECT all{0, 0, canvas.width, canvas.height};
  FillRect(canvas.dc, &all, reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1));
}

TEST(ClassicLook, Edges) {
  Canvas canvas(236, 44);
  Face(canvas);
  struct Sample {
    UINT edge;
    UINT flags;
  };
  const Sample samples[] = {
      {EDGE_RAISED, BF_RECT},           {EDGE_RAISED, BF_RECT | BF_SOFT},
      {EDGE_SUNKEN, BF_RECT},           {EDGE_ETCHED, BF_RECT},
      {EDGE_BUMP, BF_RECT},             {BDR_SUNKENOUTER, BF_RECT},
      {EDGE_SUNKEN, BF_RECT | BF_FLAT}, {EDGE_RAISED, BF_TOP | BF_BOTTOM},
      {EDGE_SUNKEN, BF_RECT | BF_MONO},
  };
  int x = 6;
  for (const Sample& s : samples) {
    RECT r{x, 6, x + 20, 38};
    ASSERT_TRUE(DrawEdge(canvas.dc, &r, s.edge, s.flags | BF_MIDDLE));
    x += 26;
  }
  EXPECT_TRUE(MatchesGolden(canvas.dc, "edges"));
}

TEST(ClassicLook, FrameControls) {
  Canvas canvas(300, 120);
  Face(canvas);
  auto draw = [&](int x, int y, int w, int h, UINT type, UINT state) {
    RECT r{x, y, x + w, y + h};
    ASSERT_TRUE(DrawFrameControl(canvas.dc, &r, type, state));
  };
  // Push buttons: normal, pushed, checked, flat, inactive.
  const UINT pushes[] = {0, DFCS_PUSHED, DFCS_CHECKED, DFCS_FLAT, DFCS_INACTIVE};
  for (int i = 0; i < 5; ++i) draw(8 + i * 58, 8, 50, 23, DFC_BUTTON, DFCS_BUTTONPUSH | pushes[i]);
  // Check boxes and radio buttons in their states.
  const UINT states[] = {0, DFCS_CHECKED, DFCS_PUSHED | DFCS_CHECKED, DFCS_INACTIVE | DFCS_CHECKED,
                         DFCS_BUTTON3STATE | DFCS_CHECKED, DFCS_FLAT | DFCS_CHECKED};
  for (int i = 0; i < 6; ++i) {
    draw(8 + i * 20, 40, 13, 13, DFC_BUTTON, DFCS_BUTTONCHECK | states[i]);
    draw(8 + i * 20, 60, 12, 12, DFC_BUTTON, DFCS_BUTTONRADIO | (states[i] & ~DFCS_BUTTON3STATE));
  }
  // Caption buttons (16 x 14): close, minimise, maximise, restore, help; then pushed and
  // inactive close buttons.
  const UINT captions[] = {DFCS_CAPTIONCLOSE, DFCS_CAPTIONMIN, DFCS_CAPTIONMAX,
                           DFCS_CAPTIONRESTORE, DFCS_CAPTIONHELP,
                           DFCS_CAPTIONCLOSE | DFCS_PUSHED, DFCS_CAPTIONCLOSE | DFCS_INACTIVE};
  for (int i = 0; i < 7; ++i) draw(136 + i * 20, 40, 16, 14, DFC_CAPTION, captions[i]);
  // Scroll arrows (16 x 16): up, down, left, right, combo box, pushed, inactive, size grip.
  const UINT scrolls[] = {DFCS_SCROLLUP, DFCS_SCROLLDOWN, DFCS_SCROLLLEFT, DFCS_SCROLLRIGHT,
                          DFCS_SCROLLCOMBOBOX, DFCS_SCROLLDOWN | DFCS_PUSHED,
                          DFCS_SCROLLUP | DFCS_INACTIVE, DFCS_SCROLLSIZEGRIP};
  for (int i = 0; i < 8; ++i) draw(136 + i * 20, 62, 16, 16, DFC_SCROLL, scrolls[i]);
  // A focus rectangle inside a push button, as a focused button shows it.
  draw(8, 84, 75, 23, DFC_BUTTON, DFCS_BUTTONPUSH);
  RECT focus{12, 88, 79, 103};
  ASSERT_TRUE(DrawFocusRect(canvas.dc, &focus));
  EXPECT_TRUE(MatchesGolden(canvas.dc, "frame_controls"));
}

}  // namespace
}  // namespace platform::gdi::testing
