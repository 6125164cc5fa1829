#include <gtest/gtest.h>

#include "tests/platform/display/tty_screen_fixture.h"

namespace {

using platform::CellStyle;
using platform::ControlKind;

TEST_F(TtyScreenTest, StartDayDialogAsTheTerminalShowsIt) {
  HWND dialog = StartDayDialog();
  ASSERT_NE(dialog, nullptr);
  SetFocus(GetDlgItem(dialog, 1004));
  platform::ScreenLayout layout = Layout({dialog});
  ASSERT_TRUE(layout.fits);
  // Three horizontal dialog units per column keep "[ Cancelar ]" whole; eight per row.
  EXPECT_DOUBLE_EQ(layout.scale.column_px, 4.5);
  EXPECT_DOUBLE_EQ(layout.scale.row_px, 13);
  ExpectGolden("start_day.txt", Screen(layout));
  ExpectGolden("start_day_ascii.txt", Screen(layout, true));
}

TEST_F(TtyScreenTest, TheDateFieldTheKeyboardEditsIsHighlighted) {
  HWND dialog = StartDayDialog();
  HWND picker = GetDlgItem(dialog, 1001);
  SetFocus(picker);
  struct Row {
    UINT key;        // pressed before looking
    int begin, end;  // the characters of "07/12/2026" highlighted
  } rows[] = {{0, 0, 2}, {VK_RIGHT, 3, 5}, {VK_RIGHT, 6, 10}, {VK_RIGHT, 0, 2}, {VK_LEFT, 6, 10}};
  for (const Row& row : rows) {
    if (row.key != 0) SendMessageW(picker, WM_KEYDOWN, row.key, 0);
    UpdateWindow(dialog);
    platform::TextSpan span = platform::HighlightedDateField(picker, U"07/12/2026");
    EXPECT_EQ(span.begin, row.begin) << row.key;
    EXPECT_EQ(span.end, row.end) << row.key;
  }
  // On screen: those cells in the focus style, the others in the field's.
  platform::ScreenLayout layout = Layout({dialog});
  platform::CellCanvas canvas(80, 24, platform::CellGlyphs::Unicode());
  platform::PaintWindows(canvas, layout, GetFocus());
  const platform::ControlView* field = nullptr;
  for (const auto& c : layout.windows[0].controls) {
    if (c.kind == ControlKind::kDatePicker) field = &c;
  }
  ASSERT_NE(field, nullptr);
  ASSERT_TRUE(field->boxed);
  int left = field->cells.left + 1, row = field->cells.top + 1;
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(canvas.at(left + i, row).style, i >= 6 ? CellStyle::kFocus : CellStyle::kField) << i;
  }
}

TEST_F(TtyScreenTest, TheCalendarDropsDownUnderThePicker) {
  HWND dialog = StartDayDialog();
  HWND picker = GetDlgItem(dialog, 1001);
  SetFocus(picker);
  SendMessageW(picker, WM_KEYDOWN, VK_F4, 0);
  auto calendar = reinterpret_cast<HWND>(SendMessageW(picker, DTM_GETMONTHCAL, 0, 0));
  ASSERT_NE(calendar, nullptr);
  SYSTEMTIME today = Day(2026, 12, 7);
  SendMessageW(calendar, MCM_SETTODAY, 0, reinterpret_cast<LPARAM>(&today));
  platform::ScreenLayout layout = Layout({dialog, calendar});
  ASSERT_EQ(layout.windows.size(), 2u);
  ExpectGolden("start_day_calendar.txt", Screen(layout));

  // A click on a day of the drawing is a click on that day of the control.
  const platform::ControlView& month = layout.windows[1].controls.at(0);
  ASSERT_EQ(month.kind, ControlKind::kCalendar);
  platform::CalendarView view = platform::ReadCalendar(calendar);
  EXPECT_EQ(view.month, 12);
  // The first and the last week, a day at a time, and the "today" line.
  int checked = 0;
  for (int row : {month.cells.top + 2, month.cells.top + 7, month.cells.top + 8}) {
    for (int column = month.cells.left + 2; column < month.cells.right; column += 3) {
      platform::CalendarSpot spot = platform::CalendarSpotAt(month.cells, view, column, row);
      if (spot.kind != platform::CalendarSpotKind::kDay &&
          spot.kind != platform::CalendarSpotKind::kToday) {
        continue;
      }
      ++checked;
      POINT point{};
      ASSERT_TRUE(platform::FindCalendarPoint(calendar, spot, &point)) << column << "," << row;
      MCHITTESTINFO hit{};
      hit.cbSize = sizeof hit;
      hit.pt = point;
      SendMessageW(calendar, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
      EXPECT_EQ(hit.uHit & 0x00FF0000u,
                spot.kind == platform::CalendarSpotKind::kDay ? MCHT_CALENDAR : MCHT_TODAYLINK);
      EXPECT_EQ(hit.st.wDay, spot.date.wDay);
      EXPECT_EQ(hit.st.wMonth, spot.date.wMonth);
    }
  }
  EXPECT_GE(checked, 14);
}

TEST_F(TtyScreenTest, EveryKindOfControl) {
  TemplateWriter t(false);
  t.Dialog(kDialogStyle, 0, 0, 180, 130, u"Controles", 8, u"MS Sans Serif");
  t.Item(kChild | SS_LEFT, 7, 7, 40, 8, 10, u"Static", u"&Nombre:");
  t.Item(kTab | WS_BORDER | ES_AUTOHSCROLL, 50, 5, 120, 12, 11, u"Edit", u"Ana");
  t.Item(kTab | BS_AUTOCHECKBOX, 7, 24, 80, 10, 12, u"Button", u"&Recordar");
  t.Item(kChild | BS_GROUPBOX, 95, 22, 78, 38, 13, u"Button", u"Turno");
  t.Item(kTab | BS_AUTORADIOBUTTON | WS_GROUP, 102, 32, 60, 10, 14, u"Button", u"Manana");
  t.Item(kTab | BS_AUTORADIOBUTTON, 102, 44, 60, 10, 15, u"Button", u"Tarde");
  t.Item(kTab | WS_BORDER | LBS_NOTIFY, 7, 40, 80, 40, 16, u"ListBox", u"");
  t.Item(kTab | CBS_DROPDOWNLIST, 95, 66, 78, 60, 17, u"ComboBox", u"");
  t.Item(kTab | WS_DISABLED | BS_PUSHBUTTON, 7, 108, 50, 14, 18, u"Button", u"Ayuda");
  t.Item(kTab | BS_PUSHBUTTON, 65, 108, 50, 14, IDCANCEL, u"Button", u"Cancelar");
  t.Item(kTab | BS_DEFPUSHBUTTON, 123, 108, 50, 14, IDOK, u"Button", u"Aceptar");
  HWND dialog = CreateDialogIndirectParamW(nullptr, t.get(), nullptr, DialogProcedure, 0);
  ASSERT_NE(dialog, nullptr);
  HWND list = GetDlgItem(dialog, 16);
  for (const WCHAR* item : {u"Lunes", u"Martes", u"Miercoles", u"Jueves"}) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  SendMessageW(list, LB_SETCURSEL, 1, 0);
  HWND combo = GetDlgItem(dialog, 17);
  for (const WCHAR* item : {u"Rojo", u"Verde"}) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  SendMessageW(combo, CB_SETCURSEL, 1, 0);
  CheckDlgButton(dialog, 12, BST_CHECKED);
  CheckRadioButton(dialog, 14, 15, 15);
  SetFocus(GetDlgItem(dialog, 11));
  SendMessageW(GetDlgItem(dialog, 11), EM_SETSEL, 3, 3);
  platform::ScreenLayout layout = Layout({dialog});
  ASSERT_TRUE(layout.fits);
  ExpectGolden("every_control.txt", Screen(layout));

  // Every cell of a control means a point inside that control.
  for (const platform::ControlView& c : layout.windows[0].controls) {
    if (c.kind == ControlKind::kGroupBox) continue;
    for (int row = c.cells.top; row < c.cells.bottom; ++row) {
      for (int column = c.cells.left; column < c.cells.right; ++column) {
        if (layout.ControlAt(layout.windows[0], column, row) != &c) continue;
        POINT p = layout.ScreenPointOf(layout.windows[0], column, row);
        EXPECT_TRUE(PtInRect(&c.screen, p))
            << GetDlgCtrlID(c.window) << " at " << column << "," << row;
      }
    }
  }
  // The combo box's list drops down as a window of its own over the dialog.
  SetFocus(combo);
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  std::vector<HWND> shown{dialog};
  for (HWND w = GetWindow(dialog, GW_HWNDFIRST); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
    if (w != dialog && IsWindowVisible(w)) shown.push_back(w);
  }
  ASSERT_EQ(shown.size(), 2u);
  ExpectGolden("every_control_dropped.txt", Screen(Layout(shown)));
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
  SetFocus(GetDlgItem(dialog, 11));

  // The cursor stands after "Ana" in the edit field.
  platform::CellCanvas canvas(80, 24, platform::CellGlyphs::Unicode());
  platform::PaintedCursor cursor = platform::PaintWindows(canvas, layout, GetFocus());
  EXPECT_TRUE(cursor.shown);
  EXPECT_EQ(canvas.at(cursor.column - 1, cursor.row).character, U'a');
}

TEST_F(TtyScreenTest, ATerminalTooSmallForTheWindowSaysSo) {
  HWND dialog = StartDayDialog();
  struct Row {
    int columns, rows;
    bool fits;
  } rows[] = {{80, 24, true}, {45, 10, true}, {40, 10, false}, {80, 8, false}, {1, 1, false}};
  for (const Row& row : rows) {
    EXPECT_EQ(Layout({dialog}, row.columns, row.rows).fits, row.fits)
        << row.columns << "x" << row.rows;
  }
}

TEST(WrapTextTest, CutsAtBlanksAndLineBreaks) {
  struct Row {
    std::u32string text;
    int width;
    std::vector<std::u32string> lines;
  } rows[] = {
      {U"Comence el dia 01/12/2026\r\nLlevo 4 dias",
       40,
       {U"Comence el dia 01/12/2026", U"Llevo 4 dias"}},
      {U"uno dos tres", 7, {U"uno dos", U"tres"}},
      {U"abcdefghij", 4, {U"abcd", U"efgh", U"ij"}},
      {U"a\n\nb", 5, {U"a", U"", U"b"}},
      {U"", 3, {U""}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(platform::WrapText(row.text, row.width), row.lines);
  }
  EXPECT_EQ(platform::WithoutMarkers(U"&Aceptar && &&x&"), U"Aceptar & &x");
}

}  // namespace
