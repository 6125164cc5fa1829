// The golden picture of one dialog holding one of each standard control, made the way a
// program makes it: a single DLGTEMPLATE in memory (class ordinals, dialog units, the
// 8-point dialog font) given to CreateDialogIndirectParamW, captured as the headless
// display holds its pixels.
#include <gtest/gtest.h>

#include "platform/gdi/pixel_surface.h"
#include "platform/user/window_table.h"
#include "tests/platform/gdi/golden.h"
#include "tests/platform/user/dialog_test_fixture.h"

namespace {

constexpr WORD kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082, kListBox = 0x0083,
               kScrollBar = 0x0084, kComboBox = 0x0085;

enum : DWORD {
  kCheck = 100, kThreeState, kRadioOne, kRadioTwo, kRadioThree, kIcon, kName, kNotes, kDays,
  kColour, kMonth, kTown, kVolume,
};

INT_PTR FillIn(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message != WM_INITDIALOG) return FALSE;
  CheckDlgButton(dialog, kCheck, BST_CHECKED);
  CheckDlgButton(dialog, kThreeState, BST_INDETERMINATE);
  CheckRadioButton(dialog, kRadioOne, kRadioThree, kRadioTwo);
  SendDlgItemMessageW(dialog, kIcon, STM_SETICON,
                      reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_INFORMATION)), 0);
  for (const char16_t* day : {u"Lunes", u"Martes", u"Mi\u00e9rcoles", u"Jueves", u"Viernes",
                              u"S\u00e1bado", u"Domingo"}) {
    SendDlgItemMessageW(dialog, kDays, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(day));
  }
  SendDlgItemMessageW(dialog, kDays, LB_SETCURSEL, 2, 0);
  for (DWORD combo : {kColour, kMonth, kTown}) {
    for (const char16_t* item : {u"Rojo", u"Verde", u"Azul", u"Amarillo"}) {
      SendDlgItemMessageW(dialog, combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
  }
  SendDlgItemMessageW(dialog, kColour, CB_SETCURSEL, 2, 0);
  SendDlgItemMessageW(dialog, kMonth, CB_SETCURSEL, 3, 0);
  SendDlgItemMessageW(dialog, kTown, CB_SETCURSEL, 1, 0);
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 100, 20, 35, 0};
  SetScrollInfo(GetDlgItem(dialog, kVolume), SB_CTL, &info, FALSE);
  return TRUE;  // the focus goes to the first tab stop: the check box
}

TEST_F(DialogTest, DialogWithOneOfEachStandardControl) {
  TemplateWriter t(false);
  const DWORD child = WS_CHILD | WS_VISIBLE;
  t.Dialog(DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 20, 20, 292, 186,
           u"Standard controls", 8, u"MS Shell Dlg");
  t.Item(child | BS_GROUPBOX, 7, 4, 108, 86, static_cast<DWORD>(-1), u"", u"Buttons", kButton);
  t.Item(child | BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, 14, 16, 94, 10, kCheck, u"", u"&Check box", kButton);
  t.Item(child | BS_AUTO3STATE | WS_TABSTOP, 14, 29, 94, 10, kThreeState, u"", u"&Three states", kButton);
  t.Item(child | BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, 14, 42, 94, 10, kRadioOne, u"", u"Radio &one", kButton);
  t.Item(child | BS_AUTORADIOBUTTON, 14, 55, 94, 10, kRadioTwo, u"", u"Radio t&wo", kButton);
  t.Item(child | BS_AUTORADIOBUTTON, 14, 68, 94, 10, kRadioThree, u"", u"Radio t&hree", kButton);

  t.Item(child | SS_LEFT | WS_GROUP, 7, 96, 108, 8, static_cast<DWORD>(-1), u"", u"Left text", kStatic);
  t.Item(child | SS_CENTER, 7, 107, 108, 8, static_cast<DWORD>(-1), u"", u"Centred text", kStatic);
  t.Item(child | SS_RIGHT, 7, 118, 108, 8, static_cast<DWORD>(-1), u"", u"Right text", kStatic);
  t.Item(child | SS_ETCHEDHORZ, 7, 131, 108, 1, static_cast<DWORD>(-1), u"", u"", kStatic);
  t.Item(child | SS_ICON, 7, 137, 21, 20, kIcon, u"", u"", kStatic);
  t.Item(child | SS_LEFT, 32, 141, 83, 16, static_cast<DWORD>(-1), u"", u"An icon beside a note.", kStatic);

  t.Item(child | SS_LEFT, 124, 7, 40, 8, static_cast<DWORD>(-1), u"", u"&Name:", kStatic);
  t.Item(child | WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, 124, 17, 80, 12, kName, u"", u"Vestralino", kEdit);
  t.Item(child | WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | ES_WANTRETURN | WS_TABSTOP,
         124, 34, 80, 44, kNotes, u"",
         u"A multi-line edit holds more lines than it shows.\r\nSecond paragraph.\r\n"
         u"Third.\r\nFourth.\r\nFifth.",
         kEdit);
  t.Item(child | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_SORT | WS_TABSTOP, 124, 83, 80, 50, kDays,
         u"", u"", kListBox);
  t.Item(child | SBS_HORZ, 124, 140, 80, 10, kVolume, u"", u"", kScrollBar);

  t.Item(child | CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP, 213, 7, 72, 60, kColour, u"", u"", kComboBox);
  t.Item(child | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 213, 25, 72, 60, kMonth, u"", u"", kComboBox);
  t.Item(child | CBS_SIMPLE | WS_TABSTOP, 213, 43, 72, 46, kTown, u"", u"", kComboBox);

  t.Item(child | BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 178, 165, 50, 14, IDOK, u"", u"OK", kButton);
  t.Item(child | BS_PUSHBUTTON | WS_TABSTOP, 235, 165, 50, 14, IDCANCEL, u"", u"Cancel", kButton);

  HWND dialog = CreateDialogIndirectParamW(nullptr, t.get(), nullptr, FillIn, 0);
  ASSERT_NE(dialog, nullptr);
  ShowWindow(dialog, SW_SHOW);
  UpdateWindow(dialog);  // no pumping: an idle program with a used-up script is asked to close

  platform::user::Window* w = platform::user::FindWindowRecord(dialog);
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(w->bitmap);
  platform::gdi::PixelSurface surface;
  surface.origin = w->bitmap->pixels.data();
  surface.stride = w->bitmap->width;
  surface.width = w->bitmap->width;
  surface.height = w->bitmap->height;
  EXPECT_TRUE(platform::gdi::testing::MatchesGolden(surface, "standard_dialog"));
  DestroyWindow(dialog);
}

}  // namespace
