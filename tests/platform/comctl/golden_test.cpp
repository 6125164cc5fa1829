// Pictures of the controls as a user sees them: the date picker closed (18-point bold, as
// the start-day dialog shows it) and dropped down, and a window with one of each other
// control.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "tests/platform/comctl/comctl_test_fixture.h"
#include "tests/platform/gdi/golden.h"

namespace {

using platform::gdi::testing::MatchesGolden;

class ComctlGoldenTest : public CommonControlTest {
 protected:
  void SetUp() override {
    CommonControlTest::SetUp();
    setenv("LANG", "es_ES.UTF-8", 1);
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    Init(ICC_WIN95_CLASSES | ICC_DATE_CLASSES);
  }
  void TearDown() override {
    if (bold_) DeleteObject(bold_);
    unsetenv("LANG");
    CommonControlTest::TearDown();
  }

  HWND StartDayDialog() {
    Parent(RECT{100, 100, 340, 190}, u"D\u00eda de inicio");
    picker_ = Control(DATETIMEPICK_CLASSW, parent_, 100, RECT{20, 16, 200, 50}, 0, WS_EX_CLIENTEDGE);
    bold_ = CreateFontW(-24, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                        u"MS Sans Serif");
    SendMessageW(picker_, WM_SETFONT, reinterpret_cast<WPARAM>(bold_), TRUE);
    SYSTEMTIME date{2026, 12, 1, 7, 0, 0, 0, 0};
    SendMessageW(picker_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&date));
    SetFocus(picker_);
    return parent_;
  }

  HWND picker_ = nullptr;
  HFONT bold_ = nullptr;
};

TEST_F(ComctlGoldenTest, DatePickerClosed) {
  HWND top = StartDayDialog();
  EXPECT_TRUE(MatchesGolden(Pixels(top), "comctl_date_picker"));
}

TEST_F(ComctlGoldenTest, DatePickerDroppedDown) {
  HWND top = StartDayDialog();
  SendMessageW(picker_, WM_KEYDOWN, VK_F4, 0);
  HWND calendar = reinterpret_cast<HWND>(SendMessageW(picker_, DTM_GETMONTHCAL, 0, 0));
  ASSERT_NE(calendar, nullptr);
  SYSTEMTIME today{2026, 12, 1, 7, 0, 0, 0, 0};
  SendMessageW(calendar, MCM_SETTODAY, 0, reinterpret_cast<LPARAM>(&today));
  SendMessageW(calendar, WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageW(calendar, WM_KEYDOWN, VK_RIGHT, 0);
  // The dialog and the pop-up below it, as the screen shows them, on the desktop colour.
  platform::gdi::PixelSurface dialog = Pixels(top);
  platform::gdi::PixelSurface popup = Pixels(calendar);
  RECT dialog_rect, popup_rect;
  GetWindowRect(top, &dialog_rect);
  GetWindowRect(calendar, &popup_rect);
  RECT both;
  UnionRect(&both, &dialog_rect, &popup_rect);
  int width = both.right - both.left, height = both.bottom - both.top;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height,
                                    platform::gdi::PixelFromColor(GetSysColor(COLOR_BACKGROUND)));
  auto paste = [&](const platform::gdi::PixelSurface& from, const RECT& at) {
    for (int y = 0; y < from.height; ++y) {
      for (int x = 0; x < from.width; ++x) {
        pixels[static_cast<std::size_t>(y + at.top - both.top) * width + x + at.left - both.left] = from.At(x, y);
      }
    }
  };
  paste(dialog, dialog_rect);
  paste(popup, popup_rect);
  platform::gdi::PixelSurface surface{pixels.data(), width, width, height};
  EXPECT_TRUE(MatchesGolden(surface, "comctl_date_picker_dropped"));
}

TEST_F(ComctlGoldenTest, OneOfEachControl) {
  HWND top = Parent(RECT{60, 60, 560, 420}, u"Controles comunes");
  HWND toolbar = Control(TOOLBARCLASSNAMEW, top, 1, RECT{0, 0, 0, 0}, TBSTYLE_FLAT);
  // Three 16x16 images: a red square, a green disc-ish diamond and a blue bar, on magenta.
  std::vector<std::uint32_t> strip(48 * 16, 0x00FF00FF);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      if (x >= 3 && x < 13 && y >= 3 && y < 13) strip[y * 48 + x] = 0x00C00000;
      if (std::abs(x - 8) + std::abs(y - 8) < 7) strip[y * 48 + 16 + x] = 0x00008000;
      if (x >= 6 && x < 10 && y >= 2 && y < 14) strip[y * 48 + 32 + x] = 0x00000080;
    }
  }
  HBITMAP bitmap = CreateBitmap(48, 16, 1, 32, strip.data());
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 3, 0);
  ImageList_AddMasked(images, bitmap, RGB(255, 0, 255));
  DeleteObject(bitmap);
  SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  TBBUTTON buttons[] = {{0, 11, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
                        {1, 12, TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_CHECK, {}, 0, 0},
                        {0, 0, 0, BTNS_SEP, {}, 0, 0},
                        {2, 13, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0}};
  SendMessageW(toolbar, TB_ADDBUTTONSW, 4, reinterpret_cast<LPARAM>(buttons));
  SendMessageW(toolbar, TB_AUTOSIZE, 0, 0);

  HWND tab = Control(WC_TABCONTROLW, top, 2, RECT{8, 40, 492, 300});
  for (const char16_t* name : {u"Historial", u"\u00c1rbol", u"Progreso"}) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<WCHAR*>(name);
    SendMessageW(tab, TCM_INSERTITEMW, 99, reinterpret_cast<LPARAM>(&item));
  }
  RECT inside{8, 40, 492, 300};
  SendMessageW(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&inside));

  HWND list = Control(WC_LISTVIEWW, top, 3, RECT{inside.left + 4, inside.top + 4, inside.left + 260, inside.bottom - 40},
                      LVS_REPORT | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE);
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  const char16_t* columns[] = {u"Fecha", u"D\u00edas", u"Nota"};
  const int widths[] = {80, 50, 120};
  for (int c = 0; c < 3; ++c) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = c == 1 ? LVCFMT_RIGHT : LVCFMT_LEFT;
    column.cx = widths[c];
    column.pszText = const_cast<WCHAR*>(columns[c]);
    SendMessageW(list, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
  }
  const char16_t* rows[][3] = {{u"01/12/2026", u"1", u"Inicio"},
                               {u"04/12/2026", u"4", u"Sin novedad"},
                               {u"07/12/2026", u"7", u"Una semana"}};
  for (int r = 0; r < 3; ++r) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = r;
    item.pszText = const_cast<WCHAR*>(rows[r][0]);
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    for (int c = 1; c < 3; ++c) {
      item.iSubItem = c;
      item.pszText = const_cast<WCHAR*>(rows[r][c]);
      SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
  }
  LVITEMW select{};
  select.state = select.stateMask = LVIS_SELECTED;
  SendMessageW(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&select));

  HWND tree = Control(WC_TREEVIEWW, top, 4, RECT{inside.left + 268, inside.top + 4, inside.right - 4, inside.bottom - 40},
                      TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE);
  auto insert = [&](HTREEITEM parent, const char16_t* text) {
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<WCHAR*>(text);
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  };
  HTREEITEM year = insert(TVI_ROOT, u"2026");
  insert(year, u"noviembre");
  HTREEITEM december = insert(year, u"diciembre");
  insert(december, u"Semana 1");
  insert(TVI_ROOT, u"2027");
  insert(insert(TVI_ROOT, u"Copias"), u"vestralino.bak");
  SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(year));
  SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(december));

  HWND progress = Control(PROGRESS_CLASSW, top, 5, RECT{inside.left + 4, inside.bottom - 30, inside.right - 4, inside.bottom - 12});
  SendMessageW(progress, PBM_SETPOS, 60, 0);

  HWND status = Control(STATUSCLASSNAMEW, top, 6, RECT{0, 0, 0, 0}, SBARS_SIZEGRIP);
  int parts[] = {200, 340, -1};
  SendMessageW(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
  SendMessageW(status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(u"Listo"));
  SendMessageW(status, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(u"Racha: 7 d\u00edas"));
  SendMessageW(status, SB_SETTEXTW, 2, reinterpret_cast<LPARAM>(u"07/12/2026"));
  SetFocus(list);

  EXPECT_TRUE(MatchesGolden(Pixels(top), "comctl_controls"));
  DestroyWindow(top);
  ImageList_Destroy(images);
}

}  // namespace
