// DrawEdge with BF_DIAGONAL: the edge across the square in the named corner, its inner
// border beside it and the body filled with BF_MIDDLE.
#include <gtest/gtest.h>

#include <string>

#include "tests/platform/gdi/gdi_canvas.h"

namespace {

using platform::gdi::testing::Canvas;

constexpr COLORREF kBackground = RGB(1, 2, 3);

// '.' background, then the first system colour the pixel is: H 3DHILIGHT, F 3DFACE,
// L 3DLIGHT, S 3DSHADOW, D 3DDKSHADOW.
char Letter(COLORREF c) {
  if (c == kBackground) return '.';
  const std::pair<char, int> colours[] = {{'H', COLOR_3DHILIGHT}, {'F', COLOR_3DFACE}, {'L', COLOR_3DLIGHT},
                                          {'S', COLOR_3DSHADOW},  {'D', COLOR_3DDKSHADOW}};
  for (auto [letter, index] : colours) {
    if (GetSysColor(index) == c) return letter;
  }
  return '?';
}

// Expected rows with L read as the letter 3DLIGHT's colour shows as.
std::string Expect(std::string row) {
  for (char& ch : row) {
    if (ch == 'L') ch = Letter(GetSysColor(COLOR_3DLIGHT));
  }
  return row;
}

TEST(DrawEdgeDiagonal, DrawsTheEdgeInTheNamedCorner) {
  struct Case {
    const char* name;
    RECT rect;
    UINT edge, flags;
    const char* rows[4];
  } cases[] = {
      {"raised, rising to the top right", {0, 0, 5, 4}, EDGE_RAISED, BF_DIAGONAL_ENDTOPRIGHT | BF_MIDDLE,
       {"...L.", "..LH.", ".LHF.", "LHFF."}},
      {"sunken, falling to the bottom right", {0, 0, 4, 4}, EDGE_SUNKEN, BF_DIAGONAL_ENDBOTTOMRIGHT | BF_MIDDLE,
       {"H...", "LH..", "FLH.", "FFLH"}},
      {"outer border only, ending bottom left, square at the right", {0, 0, 6, 3}, BDR_RAISEDOUTER,
       BF_DIAGONAL_ENDBOTTOMLEFT, {".....L", "....L.", "...L..", "......"}},
      {"raised outer, falling to the top left", {0, 0, 3, 4}, BDR_RAISEDOUTER, BF_DIAGONAL_ENDTOPLEFT,
       {"...", "D..", ".D.", "..D"}},
  };
  for (const Case& c : cases) {
    Canvas canvas(static_cast<int>(std::string(c.rows[0]).size()), 4, kBackground);
    RECT r = c.rect;
    ASSERT_TRUE(DrawEdge(canvas.dc, &r, c.edge, c.flags)) << c.name;
    for (int y = 0; y < 4; ++y) {
      std::string row;
      for (int x = 0; x < canvas.width; ++x) row += Letter(canvas.At(x, y));
      EXPECT_EQ(row, Expect(c.rows[y])) << c.name << ", row " << y;
    }
  }
}

}  // namespace
