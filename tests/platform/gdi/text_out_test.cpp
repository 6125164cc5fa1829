// Text drawn into small DIB canvases: extents against ink, alignment, background,
// clipping, lines, DrawText placement and prefixes, fonts as objects.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/gdi/device_context.h"
#include "platform/gdi/dialog_base_units.h"
#include "platform/gdi/font_object.h"
#include "platform/win32.h"
#include "tests/platform/gdi/gdi_canvas.h"
#include "tests/platform/gdi/golden.h"

namespace platform::gdi {
namespace {

using testing::Canvas;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

// The box of every pixel that is not `paper`; empty (left > right) when there is none.
RECT Ink(const Canvas& canvas, COLORREF paper = kWhite) {
  RECT box{canvas.width, canvas.height, -1, -1};
  for (int y = 0; y < canvas.height; ++y) {
    for (int x = 0; x < canvas.width; ++x) {
      if (canvas.At(x, y) == paper) continue;
      box.left = std::min<LONG>(box.left, x);
      box.top = std::min<LONG>(box.top, y);
      box.right = std::max<LONG>(box.right, x + 1);
      box.bottom = std::max<LONG>(box.bottom, y + 1);
    }
  }
  return box;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

class TextOutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    font_ = CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0,
                        u"MS Sans Serif");
    ASSERT_NE(font_, nullptr);
    old_font_ = SelectObject(canvas_.dc, font_);
    SetBkMode(canvas_.dc, TRANSPARENT);
    SetTextColor(canvas_.dc, kBlack);
    GetTextMetricsW(canvas_.dc, &tm_);
  }
  void TearDown() override {
    SelectObject(canvas_.dc, old_font_);
    EXPECT_TRUE(DeleteObject(font_));
  }
  SIZE Extent(std::u16string_view text) {
    SIZE size{};
    EXPECT_TRUE(GetTextExtentPoint32W(canvas_.dc, text.data(), static_cast<int>(text.size()), &size));
    return size;
  }
  void Out(int x, int y, std::u16string_view text) {
    ASSERT_TRUE(TextOutW(canvas_.dc, x, y, text.data(), static_cast<int>(text.size())));
  }

  Canvas canvas_{120, 40};
  HFONT font_ = nullptr;
  HGDIOBJ old_font_ = nullptr;
  TEXTMETRICW tm_{};
};

TEST_F(TextOutTest, ExtentBoundsTheInkOfTheDrawnText) {
  for (std::u16string_view text : {u"Aceptar", u"Cancelar", u"Dia de Inicio", u"01/12/2026"}) {
    canvas_.Clear(kWhite);
    const SIZE size = Extent(text);
    EXPECT_EQ(size.cy, tm_.tmHeight);
    Out(4, 3, text);
    const RECT ink = Ink(canvas_);
    EXPECT_TRUE(Inside(ink, RECT{4, 3, 4 + size.cx + 1, 3 + size.cy}))
        << std::string(text.begin(), text.end()) << " ink " << ink.left << ".." << ink.right;
    // The ink fills the extent but for side bearings.
    EXPECT_LE(ink.left, 4 + 2);
    EXPECT_GE(ink.right, 4 + size.cx - 3);
  }
}

TEST_F(TextOutTest, AlignmentPlacesTheReferencePoint) {
  const SIZE size = Extent(u"Aceptar");
  struct Row {
    UINT align;
    RECT box;  // where the ink must lie, for a reference point at (60, 20)
  };
  for (const Row& row : {
           Row{TA_LEFT | TA_TOP, {60, 20, 60 + size.cx + 1, 20 + size.cy}},
           Row{TA_RIGHT | TA_TOP, {60 - size.cx, 20, 61, 20 + size.cy}},
           Row{TA_CENTER | TA_TOP, {60 - size.cx / 2 - 1, 20, 60 + size.cx / 2 + 2, 20 + size.cy}},
           Row{TA_LEFT | TA_BASELINE, {60, 20 - tm_.tmAscent, 60 + size.cx + 1, 20 + tm_.tmDescent}},
           Row{TA_LEFT | TA_BOTTOM, {60, 20 - size.cy, 60 + size.cx + 1, 20}}}) {
    canvas_.Clear(kWhite);
    SetTextAlign(canvas_.dc, row.align);
    Out(60, 20, u"Aceptar");
    EXPECT_TRUE(Inside(Ink(canvas_), row.box)) << "align " << row.align;
  }
}

TEST_F(TextOutTest, UpdateCurrentPositionMovesPastTheText) {
  const SIZE size = Extent(u"Ace");
  SetTextAlign(canvas_.dc, TA_UPDATECP);
  FindDc(canvas_.dc)->state.current_position = POINT{5, 5};
  Out(99, 99, u"Ace");
  Out(99, 99, u"Ace");
  POINT position{};
  ASSERT_TRUE(GetCurrentPositionEx(canvas_.dc, &position));
  EXPECT_EQ(position.x, 5 + 2 * size.cx);
  EXPECT_EQ(position.y, 5);
  EXPECT_TRUE(Inside(Ink(canvas_), RECT{5, 5, 5 + 2 * size.cx + 1, 5 + tm_.tmHeight}))
      << "drawn at the current position, not at (99, 99)";
}

TEST_F(TextOutTest, OpaqueBackgroundFillsTheCellBoxExactly) {
  SetBkMode(canvas_.dc, OPAQUE);
  SetBkColor(canvas_.dc, kRed);
  const SIZE size = Extent(u"Aceptar");
  Out(7, 5, u"Aceptar");
  const RECT changed = Ink(canvas_);
  EXPECT_EQ(changed.left, 7);
  EXPECT_EQ(changed.top, 5);
  EXPECT_EQ(changed.right, 7 + size.cx);
  EXPECT_EQ(changed.bottom, 5 + size.cy);
  EXPECT_EQ(canvas_.At(7, 5), kRed);
  EXPECT_EQ(canvas_.At(7 + size.cx - 1, 5 + size.cy - 1), kRed);
}

TEST_F(TextOutTest, EtoOpaqueFillsExactlyTheRectangle) {
  SetBkColor(canvas_.dc, kRed);
  const RECT rect{3, 4, 10, 9};
  ASSERT_TRUE(ExtTextOutW(canvas_.dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr));
  const RECT changed = Ink(canvas_);
  EXPECT_EQ(changed.left, 3);
  EXPECT_EQ(changed.top, 4);
  EXPECT_EQ(changed.right, 10);
  EXPECT_EQ(changed.bottom, 9);
  for (int y = 4; y < 9; ++y) {
    for (int x = 3; x < 10; ++x) EXPECT_EQ(canvas_.At(x, y), kRed);
  }
}

TEST_F(TextOutTest, ClippedTextStaysInsideItsRectangleAndTheDcClip) {
  const RECT rect{10, 5, 30, 12};
  ASSERT_TRUE(ExtTextOutW(canvas_.dc, 6, 3, ETO_CLIPPED, &rect, u"Cancelar", 8, nullptr));
  EXPECT_TRUE(Inside(Ink(canvas_), rect));
  EXPECT_GT(Ink(canvas_).right, 10) << "something was drawn";

  canvas_.Clear(kWhite);
  IntersectClipRect(canvas_.dc, 20, 0, 40, 40);
  SetBkMode(canvas_.dc, OPAQUE);
  SetBkColor(canvas_.dc, kRed);
  Out(6, 3, u"Cancelar");
  EXPECT_TRUE(Inside(Ink(canvas_), RECT{20, 0, 40, 40}));
  EXPECT_EQ(canvas_.At(20, 3), kRed);
}

TEST_F(TextOutTest, GlyphsRespectAClipMadeOfSeveralRectangles) {
  ExcludeClipRect(canvas_.dc, 12, 4, 18, 9);
  Out(4, 3, u"MMMMMM");
  Canvas reference(120, 40);
  SelectObject(reference.dc, font_);
  SetBkMode(reference.dc, TRANSPARENT);
  ASSERT_TRUE(TextOutW(reference.dc, 4, 3, u"MMMMMM", 6));
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 120; ++x) {
      const bool excluded = x >= 12 && x < 18 && y >= 4 && y < 9;
      EXPECT_EQ(canvas_.At(x, y), excluded ? kWhite : reference.At(x, y)) << x << "," << y;
    }
  }
  SelectObject(reference.dc, GetStockObject(SYSTEM_FONT));
}

TEST_F(TextOutTest, ExplicitAdvancesSpaceTheGlyphs) {
  const INT dx[3] = {20, 20, 20};
  ASSERT_TRUE(ExtTextOutW(canvas_.dc, 2, 2, 0, nullptr, u"lll", 3, dx));
  const RECT ink = Ink(canvas_);
  EXPECT_GE(ink.right - ink.left, 40);
  EXPECT_LE(ink.right - ink.left, 44);
}

TEST_F(TextOutTest, UnderlineAndStrikeOutRunUnderTheWholeText) {
  const HFONT lined = CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, TRUE, TRUE, 0, 0, 0, 0, 0,
                                  u"MS Sans Serif");
  const HGDIOBJ previous = SelectObject(canvas_.dc, lined);
  const SIZE size = Extent(u"a  b");
  Out(4, 4, u"a  b");
  int full_rows = 0;
  for (int y = 0; y < canvas_.height; ++y) {
    bool full = true;
    for (int x = 4; x < 4 + size.cx; ++x) full = full && canvas_.At(x, y) != kWhite;
    full_rows += full ? 1 : 0;
  }
  EXPECT_GE(full_rows, 2) << "one underline row and one strike-out row";
  SelectObject(canvas_.dc, previous);
  DeleteObject(lined);
}

TEST_F(TextOutTest, EscapementTurnsTheBaseline) {
  Canvas tall(40, 80);
  const HFONT up = CreateFontW(-11, 0, 900, 900, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, u"Arial");
  SelectObject(tall.dc, up);
  SetBkMode(tall.dc, TRANSPARENT);
  ASSERT_TRUE(TextOutW(tall.dc, 5, 70, u"Aceptar", 7));
  const RECT ink = Ink(tall);
  EXPECT_GT(ink.bottom - ink.top, 2 * (ink.right - ink.left)) << "runs upwards";
  EXPECT_LE(ink.bottom, 71);
  SelectObject(tall.dc, GetStockObject(SYSTEM_FONT));
  DeleteObject(up);
}

TEST_F(TextOutTest, RefusesBadArgumentsAsGdiDoes) {
  SetLastError(0);
  EXPECT_FALSE(TextOutW(reinterpret_cast<HDC>(0x1234), 0, 0, u"a", 1));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_FALSE(TextOutW(canvas_.dc, 0, 0, nullptr, 3));
  EXPECT_FALSE(TextOutW(canvas_.dc, 0, 0, u"a", -1));
  SIZE size{};
  EXPECT_FALSE(GetTextExtentPoint32W(canvas_.dc, u"a", -1, &size));
  EXPECT_FALSE(GetTextExtentPoint32W(canvas_.dc, u"a", 1, nullptr));
  EXPECT_FALSE(GetTextMetricsW(canvas_.dc, nullptr));
  EXPECT_FALSE(GetCharWidth32W(canvas_.dc, 'b', 'a', reinterpret_cast<LPINT>(&size)));
  EXPECT_TRUE(TextOutW(canvas_.dc, 0, 0, u"", 0));
  EXPECT_EQ(Ink(canvas_).right, -1) << "nothing drawn";
}

TEST_F(TextOutTest, ExtentExGivesFitAndPartialExtents) {
  const std::u16string text = u"Cancelar";
  int partial[8] = {};
  int fit = -1;
  SIZE size{};
  const int limit = Extent(u"Can").cx;
  ASSERT_TRUE(GetTextExtentExPointW(canvas_.dc, text.c_str(), 8, limit, &fit, partial, &size));
  EXPECT_EQ(fit, 3);
  EXPECT_EQ(partial[2], limit);
  EXPECT_EQ(partial[7], size.cx);
  int widths[3] = {};
  ASSERT_TRUE(GetCharWidth32W(canvas_.dc, 'C', 'E', widths));
  EXPECT_EQ(widths[0], Extent(u"C").cx);
  EXPECT_EQ(widths[2], Extent(u"E").cx);
}

// DrawText.

TEST_F(TextOutTest, CalcRectAgreesWithTheExtent) {
  const SIZE size = Extent(u"Dia de Inicio");
  RECT rect{5, 6, 5, 6};
  const int height = DrawTextW(canvas_.dc, u"Dia de Inicio", -1, &rect, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(height, size.cy);
  EXPECT_EQ(rect.right - rect.left, size.cx);
  EXPECT_EQ(rect.bottom - rect.top, size.cy);
  EXPECT_EQ(Ink(canvas_).right, -1) << "DT_CALCRECT draws nothing";
}

TEST_F(TextOutTest, SingleLineCentresBothWays) {
  RECT rect{10, 4, 110, 36};
  DrawTextW(canvas_.dc, u"Aceptar", -1, &rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  const SIZE size = Extent(u"Aceptar");
  const RECT ink = Ink(canvas_);
  EXPECT_NEAR(ink.left, 10 + (100 - size.cx) / 2, 2);
  EXPECT_NEAR(ink.right, 10 + (100 + size.cx) / 2, 2);
  const int cell_top = 4 + (32 - size.cy) / 2;
  EXPECT_TRUE(Inside(ink, RECT{0, cell_top, 120, cell_top + size.cy}));
}

TEST_F(TextOutTest, WordBreakWrapsIntoLinesOfTheRectangle) {
  RECT measured{0, 0, Extent(u"Comence el").cx + 2, 0};
  const int height =
      DrawTextW(canvas_.dc, u"Comence el dia", -1, &measured, DT_CALCRECT | DT_WORDBREAK);
  EXPECT_EQ(height, 2 * tm_.tmHeight);
  RECT rect{2, 2, 2 + Extent(u"Comence el").cx + 2, 38};
  DrawTextW(canvas_.dc, u"Comence el dia", -1, &rect, DT_WORDBREAK);
  const RECT ink = Ink(canvas_);
  EXPECT_GT(ink.bottom, 2 + tm_.tmHeight) << "a second line";
  EXPECT_LE(ink.right, rect.right);
}

TEST_F(TextOutTest, PrefixUnderlinesTheRightLetter) {
  Canvas plain(120, 40);
  SelectObject(plain.dc, font_);
  SetBkMode(plain.dc, TRANSPARENT);
  RECT rect{4, 4, 116, 36};
  DrawTextW(plain.dc, u"Aceptar", -1, &rect, DT_SINGLELINE);
  DrawTextW(canvas_.dc, u"Ace&ptar", -1, &rect, DT_SINGLELINE);
  const int x0 = 4 + Extent(u"Ace").cx;
  const int x1 = 4 + Extent(u"Acep").cx;
  int differing = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 120; ++x) {
      if (canvas_.At(x, y) == plain.At(x, y)) continue;
      ++differing;
      EXPECT_GE(x, x0);
      EXPECT_LT(x, x1);
      EXPECT_GT(y, 4 + tm_.tmAscent - 1) << "below the baseline";
    }
  }
  EXPECT_GT(differing, 0);
  canvas_.Clear(kWhite);
  DrawTextW(canvas_.dc, u"Ace&ptar", -1, &rect, DT_SINGLELINE | DT_HIDEPREFIX);
  for (int y = 0; y < 40; ++y) EXPECT_EQ(canvas_.Row(y), plain.Row(y));
  SelectObject(plain.dc, GetStockObject(SYSTEM_FONT));
}

TEST(TextSample, DialogTextOnTheButtonFace) {
  Canvas canvas(240, 120, GetSysColor(COLOR_BTNFACE));
  SetBkMode(canvas.dc, TRANSPARENT);
  SetTextColor(canvas.dc, GetSysColor(COLOR_BTNTEXT));
  struct Row {
    LONG height;
    LONG weight;
  };
  int y = 3;
  for (const Row& row : {Row{-11, FW_NORMAL}, Row{-11, FW_BOLD}, Row{-13, FW_BOLD}, Row{-24, FW_BOLD}}) {
    const HFONT font = CreateFontW(row.height, 0, 0, 0, row.weight, 0, 0, 0, ANSI_CHARSET, 0, 0,
                                   0, 0, u"MS Sans Serif");
    SelectObject(canvas.dc, font);
    TEXTMETRICW tm{};
    GetTextMetricsW(canvas.dc, &tm);
    if (row.height == -24) {
      TextOutW(canvas.dc, 4, y, u"Dia de Inicio", 13);
      y += tm.tmHeight;
    } else {
      int x = 4;
      for (std::u16string_view text : {u"Aceptar", u"Cancelar", u"&Dia de Inicio"}) {
        RECT rect{x, y, 236, y + tm.tmHeight};
        DrawTextW(canvas.dc, text.data(), static_cast<int>(text.size()), &rect, DT_SINGLELINE);
        SIZE size{};
        GetTextExtentPoint32W(canvas.dc, text.data(), static_cast<int>(text.size()), &size);
        x += size.cx + 8;
      }
      y += tm.tmHeight;
      TextOutW(canvas.dc, 4, y, u"Comence el dia 01/12/2026", 25);
      y += tm.tmHeight + 2;
    }
    SelectObject(canvas.dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
  }
  EXPECT_TRUE(testing::MatchesGolden(canvas.dc, "text_sample"));
}

// Fonts as objects.

TEST(FontObjects, GetObjectReturnsTheLogfontAndLongNamesAreCut) {
  std::u16string long_name(500, u'x');
  long_name[0] = u'Q';
  const HFONT font = CreateFontW(-13, 0, 0, 0, FW_BOLD, TRUE, 0, 0, ANSI_CHARSET, 0, 0, 0, 0,
                                 long_name.c_str());
  ASSERT_NE(font, nullptr);
  LOGFONTW logfont{};
  EXPECT_EQ(GetObjectW(font, sizeof(logfont), &logfont), static_cast<int>(sizeof(LOGFONTW)));
  EXPECT_EQ(logfont.lfHeight, -13);
  EXPECT_EQ(logfont.lfWeight, FW_BOLD);
  EXPECT_EQ(logfont.lfItalic, 1);
  EXPECT_EQ(std::u16string(logfont.lfFaceName), long_name.substr(0, LF_FACESIZE - 1));
  Canvas canvas(40, 20);
  SelectObject(canvas.dc, font);
  EXPECT_TRUE(TextOutW(canvas.dc, 0, 0, u"ok", 2));
  SelectObject(canvas.dc, GetStockObject(SYSTEM_FONT));
  EXPECT_TRUE(DeleteObject(font));
  EXPECT_EQ(GetObjectW(font, sizeof(logfont), &logfont), 0);

  LOGFONTW unterminated{};
  std::fill(std::begin(unterminated.lfFaceName), std::end(unterminated.lfFaceName), u'Z');
  const HFONT cut = CreateFontIndirectW(&unterminated);
  ASSERT_NE(cut, nullptr);
  EXPECT_EQ(GetObjectW(cut, sizeof(logfont), &logfont), static_cast<int>(sizeof(LOGFONTW)));
  EXPECT_EQ(std::u16string(logfont.lfFaceName).size(), static_cast<std::size_t>(LF_FACESIZE - 1));
  DeleteObject(cut);
  EXPECT_EQ(CreateFontIndirectW(nullptr), nullptr);
}

TEST(FontObjects, AnsiFormsConvertTheFaceName) {
  const HFONT font = CreateFontA(-11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Lucida Console");
  LOGFONTA narrow{};
  EXPECT_EQ(GetObjectA(font, sizeof(narrow), &narrow), static_cast<int>(sizeof(LOGFONTA)));
  EXPECT_STREQ(narrow.lfFaceName, "Lucida Console");
  LOGFONTW wide{};
  GetObjectW(font, sizeof(wide), &wide);
  EXPECT_EQ(std::u16string(wide.lfFaceName), u"Lucida Console");
  DeleteObject(font);
}

TEST(FontObjects, StockFontsDescribeThemselvesAndANewDcUsesTheSystemFont) {
  LOGFONTW gui{};
  ASSERT_EQ(GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(gui), &gui),
            static_cast<int>(sizeof(LOGFONTW)));
  EXPECT_EQ(gui.lfHeight, -11);
  EXPECT_EQ(std::u16string(gui.lfFaceName), u"MS Shell Dlg");
  for (int index : {OEM_FIXED_FONT, ANSI_FIXED_FONT, ANSI_VAR_FONT, SYSTEM_FONT,
                    DEVICE_DEFAULT_FONT, SYSTEM_FIXED_FONT, DEFAULT_GUI_FONT}) {
    const HGDIOBJ stock = GetStockObject(index);
    ASSERT_NE(stock, nullptr) << index;
    EXPECT_EQ(GetObjectType(stock), OBJ_FONT);
    EXPECT_TRUE(DeleteObject(stock));
    EXPECT_EQ(GetStockObject(index), stock) << "stock fonts survive DeleteObject";
  }
  Canvas canvas(10, 10);
  TEXTMETRICW tm{};
  ASSERT_TRUE(GetTextMetricsW(canvas.dc, &tm));
  EXPECT_EQ(tm.tmHeight, 16);
  EXPECT_EQ(tm.tmWeight, FW_BOLD);
}

TEST(FontObjects, DialogBaseUnitsOfTheEightPointDialogFont) {
  const HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0,
                                 u"MS Sans Serif");
  const SIZE first = FontDialogBaseUnits(font);
  const SIZE second = FontDialogBaseUnits(font);
  EXPECT_NEAR(first.cx, 6, 1);
  EXPECT_NEAR(first.cy, 13, 1);
  EXPECT_EQ(first.cx, second.cx);
  EXPECT_EQ(first.cy, second.cy);
  DeleteObject(font);
  EXPECT_EQ(FontDialogBaseUnits(nullptr).cy, 16) << "no font: the system font";
}

}  // namespace
}  // namespace platform::gdi
