#include "platform/display/x11/x11_geometry.h"

#include <gtest/gtest.h>

#include <random>

namespace platform::x11 {
namespace {

bool Same(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Text(const RECT& r) {
  return "{" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + "}";
}

TopLevelWindowInfo Info(DWORD style, RECT rect, RECT client) {
  TopLevelWindowInfo info;
  info.style = style;
  info.rect = rect;
  info.client = client;
  return info;
}

TEST(X11GeometryTest, ShownPartIsTheClientAreaOrTheWholePopup) {
  struct Row {
    DWORD style;
    RECT rect, client, shown;
  };
  const Row rows[] = {
      // A dialog at 100,50: 3-pixel frame and a 19-pixel caption.
      {WS_POPUP | WS_CAPTION | WS_SYSMENU, {100, 50, 300, 200}, {103, 72, 297, 197}, {3, 22, 197, 147}},
      // A pop-up with a border and no caption is shown whole.
      {WS_POPUP | WS_BORDER, {10, 10, 60, 40}, {11, 11, 59, 39}, {0, 0, 50, 30}},
      // A client area reaching past the window is cut to it.
      {WS_POPUP | WS_CAPTION, {0, 0, 20, 20}, {2, 2, 30, 30}, {2, 2, 20, 20}},
      // A collapsed window shows nothing.
      {WS_POPUP | WS_CAPTION, {5, 5, 5, 5}, {5, 5, 5, 5}, {0, 0, 0, 0}},
  };
  for (const Row& row : rows) {
    TopLevelWindowInfo info = Info(row.style, row.rect, row.client);
    EXPECT_TRUE(Same(ShownRectInWindow(info), row.shown)) << Text(ShownRectInWindow(info));
  }
  EXPECT_TRUE(IsPopup(Info(WS_POPUP | WS_BORDER, {}, {})));
  EXPECT_FALSE(IsPopup(Info(WS_POPUP | WS_CAPTION, {}, {})));
}

TEST(X11GeometryTest, DamageIsClippedToTheShownPartAndMovedIntoIt) {
  const RECT shown{3, 22, 197, 147};
  struct Row {
    RECT damaged, expected;
  };
  const Row rows[] = {
      {{0, 0, 200, 150}, {0, 0, 194, 125}},     // the whole window: the whole client area
      {{0, 0, 200, 22}, {0, 0, 0, 0}},          // the caption alone: nothing
      {{10, 30, 20, 40}, {7, 8, 17, 18}},       // inside
      {{190, 140, 260, 260}, {187, 118, 194, 125}},  // across the corner
      {{50, 50, 50, 60}, {0, 0, 0, 0}},         // empty
  };
  for (const Row& row : rows) {
    RECT got = DamageInShown(row.damaged, shown);
    EXPECT_TRUE(Same(got, row.expected)) << Text(row.damaged) << " -> " << Text(got);
  }
}

// The obvious way: every pixel of the rectangle that lies in both the kept pixels and
// the bitmap.
void CopyByPixel(const gdi::PixelSurface& bits, const RECT& shown, const RECT& rect,
                 std::vector<std::uint32_t>& kept, int kw, int kh) {
  for (LONG y = rect.top; y < rect.bottom; ++y) {
    for (LONG x = rect.left; x < rect.right; ++x) {
      LONG bx = x + shown.left, by = y + shown.top;
      if (x < 0 || y < 0 || x >= kw || y >= kh || bx < 0 || by < 0 || bx >= bits.width ||
          by >= bits.height) {
        continue;
      }
      kept[static_cast<std::size_t>(y) * kw + x] = bits.At(bx, by);
    }
  }
}

TEST(X11GeometryTest, CopyShownPixelsMatchesThePixelByPixelCopyOnRandomRectangles) {
  std::mt19937 random(20261207);
  std::vector<std::uint32_t> window(13 * 11);
  for (std::size_t i = 0; i < window.size(); ++i) window[i] = static_cast<std::uint32_t>(i * 2654435761u);
  for (int bottom_up = 0; bottom_up < 2; ++bottom_up) {
    gdi::PixelSurface bits;
    bits.width = 13;
    bits.height = 11;
    bits.stride = bottom_up ? -13 : 13;
    bits.origin = bottom_up ? window.data() + 13 * 10 : window.data();
    for (int round = 0; round < 500; ++round) {
      auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
      RECT shown{pick(0, 4), pick(0, 4), 0, 0};
      shown.right = shown.left + pick(0, 12);
      shown.bottom = shown.top + pick(0, 12);
      const int kw = shown.right - shown.left, kh = shown.bottom - shown.top;
      RECT rect{pick(-3, 12), pick(-3, 12), 0, 0};
      rect.right = rect.left + pick(0, 14);
      rect.bottom = rect.top + pick(0, 14);
      std::vector<std::uint32_t> fast(static_cast<std::size_t>(kw) * kh, 7), slow = fast;
      CopyShownPixels(bits, shown, rect, fast.data(), kw, kh);
      CopyByPixel(bits, shown, rect, slow, kw, kh);
      ASSERT_EQ(fast, slow) << "round " << round << " shown " << Text(shown) << " rect " << Text(rect);
    }
  }
}

TEST(X11GeometryTest, DamageListKeepsAFewRectanglesThenTheirBounds) {
  DamageList list;
  list.Add(RECT{0, 0, 0, 5});  // empty: ignored
  EXPECT_TRUE(list.empty());
  list.Add(RECT{0, 0, 10, 10});
  list.Add(RECT{2, 2, 5, 5});  // inside the first
  EXPECT_EQ(list.rects().size(), 1u);
  list.Add(RECT{-1, -1, 11, 11});  // around it: replaces it
  ASSERT_EQ(list.rects().size(), 1u);
  EXPECT_TRUE(Same(list.rects()[0], RECT{-1, -1, 11, 11}));
  for (int i = 1; i < 8; ++i) list.Add(RECT{20 * i, 0, 20 * i + 5, 5});
  EXPECT_EQ(list.rects().size(), 8u);
  list.Add(RECT{0, 100, 1, 101});  // one too many: all melt into their bounds
  ASSERT_EQ(list.rects().size(), 1u);
  EXPECT_TRUE(Same(list.rects()[0], RECT{-1, -1, 145, 101}));
  list.Clear();
  EXPECT_TRUE(list.empty());
}

TEST(X11GeometryTest, RowsPerRequestFitTheLimit) {
  EXPECT_EQ(RowsPerRequest(100, 262140), (262140 - 24) / 400);
  EXPECT_EQ(RowsPerRequest(100000, 262140), 1);  // a row too long still goes alone
  EXPECT_EQ(RowsPerRequest(0, 262140), 1);
  EXPECT_EQ(RowsPerRequest(10, 0), 1);
}

TEST(X11GeometryTest, WorkAreaPrefersTheAnnouncedAreaOnTheChosenMonitor) {
  const SIZE screen{3000, 1000};
  const std::vector<RECT> two{{0, 0, 1000, 800}, {1000, 0, 3000, 1000}};
  struct Row {
    std::vector<RECT> monitors;
    int primary;
    std::optional<RECT> announced;
    RECT expected;
  };
  const Row rows[] = {
      {{}, -1, std::nullopt, {0, 0, 3000, 1000}},             // nothing known: the screen
      {two, -1, std::nullopt, {0, 0, 1000, 800}},              // no primary: the first
      {two, 1, std::nullopt, {1000, 0, 3000, 1000}},           // the primary
      {two, 1, RECT{0, 30, 3000, 1000}, {1000, 30, 3000, 1000}},  // a panel on top
      {two, 0, RECT{2000, 0, 2500, 100}, {0, 0, 1000, 800}},   // elsewhere: ignored
      {{}, -1, RECT{0, 0, 3000, 970}, {0, 0, 3000, 970}},
      {{{0, 0, 0, 0}}, 0, std::nullopt, {0, 0, 3000, 1000}},   // an empty monitor
  };
  for (const Row& row : rows) {
    RECT got = ChooseWorkArea(screen, row.monitors, row.primary, row.announced);
    EXPECT_TRUE(Same(got, row.expected)) << Text(got);
  }
}

TEST(X11GeometryTest, DpiComesFromXftDpi) {
  struct Row {
    const char* resources;
    int dpi;
  };
  const Row rows[] = {
      {"", 96},
      {"Xft.dpi:\t192\n", 192},
      {"Xcursor.size:\t24\nXft.antialias:\t1\nXft.dpi:\t144\nXft.hinting:\t1\n", 144},
      {"Xft.dpi: 120.6", 121},
      {"Xft.dpi:\tbig\n", 96},
      {"Xft.dpi:\t0\n", 96},
      {"Xft.dpi:\t100000\n", 96},
      {"Xft.dpix:\t192\n", 96},
      {"*dpi:\t192\nXft.dpi:\t96\n", 96},
  };
  for (const Row& row : rows) EXPECT_EQ(DpiFromResources(row.resources), row.dpi) << row.resources;
}

}  // namespace
}  // namespace platform::x11
