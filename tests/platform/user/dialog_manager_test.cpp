// The dialog manager: templates, fonts and dialog units, creation order and messages,
// keyboard navigation, the default button, focus memory, modal dialogs.
#include <gtest/gtest.h>

#include "platform/user/window_table.h"
#include "tests/platform/user/dialog_test_fixture.h"

namespace {

constexpr DWORD kPopup = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kTab = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

// A dialog with three push buttons (OK default, Cancel, Apply) unless told otherwise.
TemplateWriter ButtonsDialog(bool with_cancel = true, bool extended = true) {
  TemplateWriter t(extended);
  t.Dialog(kPopup | DS_SETFONT, 10, 10, 200, 100, u"Buttons", 8, u"MS Sans Serif");
  t.Item(kTab | WS_GROUP | DialogTest::kDefPush, 10, 70, 50, 14, IDOK, DialogTest::kControl, u"OK");
  if (with_cancel) {
    t.Item(kTab | DialogTest::kPush, 70, 70, 50, 14, IDCANCEL, DialogTest::kControl, u"Cancel");
  }
  t.Item(kTab | DialogTest::kPush, 130, 70, 50, 14, 100, DialogTest::kControl, u"&Apply");
  return t;
}

TEST_F(DialogTest, ExtendedTemplateGivesFontBaseUnitsClientSizeAndItems) {
  TemplateWriter t(true);
  t.Dialog(kPopup | DS_SETFONT, 0, 0, 200, 100, u"Ex dialog", 8, u"MS Sans Serif");
  t.Item(kTab | kLabel, 5, 6, 40, 9, 50, kControl, u"&Name:");
  t.Item(kTab | kEditLike, 50, 5, 100, 12, 51, kControl, u"", 0, {1, 2, 3});
  HWND dialog = CreateDialogIndirectParamW(nullptr, t.get(), nullptr, Recorder, 77);
  ASSERT_NE(dialog, nullptr);
  RECT units{0, 0, 4, 8};
  ASSERT_TRUE(MapDialogRect(dialog, &units));
  EXPECT_EQ(units.right, 6);
  EXPECT_EQ(units.bottom, 13);
  RECT client;
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, MulDiv(200, 6, 4));
  EXPECT_EQ(client.bottom, MulDiv(100, 13, 8));
  auto font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
  ASSERT_NE(font, nullptr);
  LOGFONTW lf{};
  ASSERT_GT(GetObjectW(font, sizeof lf, &lf), 0);
  EXPECT_EQ(std::u16string(lf.lfFaceName), u"MS Sans Serif");
  EXPECT_EQ(lf.lfHeight, -MulDiv(8, 96, 72));
  EXPECT_EQ(lf.lfWeight, 400);
  EXPECT_EQ(lf.lfItalic, 0);
  // Items: ids, classes, texts, places in pixels, the font given to each.
  HWND label = GetDlgItem(dialog, 50), edit = GetDlgItem(dialog, 51);
  ASSERT_NE(label, nullptr);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(GetWindow(dialog, GW_CHILD), label);
  WCHAR text[16];
  GetWindowTextW(label, text, 16);
  EXPECT_EQ(std::u16string(text), u"&Name:");
  RECT r;
  GetWindowRect(edit, &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, MulDiv(50, 6, 4));
  EXPECT_EQ(r.top, MulDiv(5, 13, 8));
  EXPECT_EQ(r.right - r.left, MulDiv(100, 6, 4));
  EXPECT_EQ(r.bottom - r.top, MulDiv(12, 13, 8));
  ASSERT_EQ(fonts_set_.size(), 2u);
  EXPECT_EQ(fonts_set_[0].second, font);
  // WM_SETFONT reached the dialog before WM_INITDIALOG, whose wParam is the first tab stop.
  auto setfont = std::find(dialog_messages_.begin(), dialog_messages_.end(), WM_SETFONT);
  auto init = std::find(dialog_messages_.begin(), dialog_messages_.end(), WM_INITDIALOG);
  EXPECT_LT(setfont, init);
  EXPECT_EQ(init_wparam_, label);
  EXPECT_EQ(init_lparam_, 77);
  EXPECT_EQ(GetMenu(dialog), nullptr);
  EXPECT_EQ(GetClassLongW(dialog, GCW_ATOM), 0x8002u);
  EXPECT_TRUE(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
  EXPECT_FALSE(IsWindowVisible(dialog));  // no WS_VISIBLE in the template
  // The weight, italic and charset of DLGTEMPLATEEX reach the font.
  TemplateWriter bold(true);
  bold.Dialog(kPopup | DS_SETFONT, 0, 0, 20, 10, u"Bold", 10, u"MS Sans Serif", 700, 1);
  HWND second = CreateDialogIndirectParamW(nullptr, bold.get(), nullptr, Recorder, 0);
  ASSERT_NE(second, nullptr);
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(second, WM_GETFONT, 0, 0)), sizeof lf, &lf);
  EXPECT_EQ(lf.lfWeight, 700);
  EXPECT_EQ(lf.lfItalic, 1);
  EXPECT_EQ(lf.lfHeight, -MulDiv(10, 96, 72));
}

TEST_F(DialogTest, MapDialogRectFollowsTheRoundingOfMulDiv) {
  TemplateWriter t(false);
  t.Dialog(kPopup | DS_SETFONT, 0, 0, 100, 50, u"Units", 8, u"MS Sans Serif");
  HWND dialog = CreateDialogIndirectParamW(nullptr, t.get(), nullptr, Recorder, 0);
  ASSERT_NE(dialog, nullptr);
  RECT r{10, 15, 115, 35};
  ASSERT_TRUE(MapDialogRect(dialog, &r));
  EXPECT_EQ(r.left, 15);
  EXPECT_EQ(r.top, 24);
  EXPECT_EQ(r.right, 173);
  EXPECT_EQ(r.bottom, 57);
  HWND plain = Create();
  RECT other{1, 1, 1, 1};
  EXPECT_FALSE(MapDialogRect(plain, &other));
  EXPECT_FALSE(MapDialogRect(nullptr, &other));
}

TEST_F(DialogTest, WithoutSetFontTheSystemFontGivesTheUnits) {
  TemplateWriter t(false);
  t.Dialog(kPopup, 0, 0, 40, 16, u"System");
  HWND dialog = CreateDialogIndirectParamW(nullptr, t.get(), nullptr, Recorder, 0);
  ASSERT_NE(dialog, nullptr);
  LONG base = GetDialogBaseUnits();
  RECT r{0, 0, 4, 8};
  MapDialogRect(dialog, &r);
  EXPECT_EQ(r.right, LOWORD(base));
  EXPECT_EQ(r.bottom, HIWORD(base));
  EXPECT_EQ(SendMessageW(dialog, WM_GETFONT, 0, 0), 0);
}

TEST_F(DialogTest, CentredDialogsSitInTheMiddleOfTheWorkArea) {
  TemplateWriter t(true);
  t.Dialog(kPopup | DS_SETFONT | DS_CENTER, 3, 4, 120, 60, u"Centre", 8, u"MS Sans Serif");
  HWND dialog = CreateDialogIndirectParamW(nullptr, t.get(), nullptr, Recorder, 0);
  ASSERT_NE(dialog, nullptr);
  RECT area, r;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  GetWindowRect(dialog, &r);
  EXPECT_LE(std::abs((r.left - area.left) - (area.right - r.right)), 1);
  EXPECT_LE(std::abs((r.top - area.top) - (area.bottom - r.bottom)), 1);
}

TEST_F(DialogTest, MalformedTemplatesFailCleanlyInsideTheirBytes) {
  std::vector<BYTE> good = ButtonsDialog().bytes();
  TemplateWriter unterminated(true);
  unterminated.Dialog(kPopup, 0, 0, 10, 10, u"Title");
  std::vector<BYTE> no_end = unterminated.bytes();
  no_end.resize(no_end.size() - 2);  // the title's terminator is gone
  std::vector<BYTE> wrong_version = good;
  wrong_version[0] = 2;
  std::vector<BYTE> absurd = good;
  absurd[16] = 0xFF;  // cDlgItems = 0xFFFF with three items there
  absurd[17] = 0xFF;
  std::vector<BYTE> no_data = ButtonsDialog().bytes();
  TemplateWriter with_data(false);
  with_data.Dialog(kPopup, 0, 0, 10, 10, u"D");
  with_data.Item(kTab, 0, 0, 5, 5, 9, kControl, u"x", 0, {1, 2, 3, 4, 5, 6});
  std::vector<BYTE> short_data = with_data.bytes();
  short_data.resize(short_data.size() - 3);
  struct Row {
    const char* what;
    std::vector<BYTE> bytes;
  } rows[] = {
      {"empty", {}},
      {"half a header", std::vector<BYTE>(good.begin(), good.begin() + 9)},
      {"truncated in the items", std::vector<BYTE>(good.begin(), good.end() - 7)},
      {"unterminated title", no_end},
      {"extended signature, version 2", wrong_version},
      {"absurd item count", absurd},
      {"creation data cut short", short_data},
  };
  int before = platform::user::LiveWindowCount();
  for (const Row& row : rows) {
    GuardedBytes bytes(row.bytes);
    SetLastError(0);
    EXPECT_EQ(CreateDialogIndirectParamW(nullptr, bytes.get(), nullptr, Recorder, 0), nullptr)
        << row.what;
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER) << row.what;
    EXPECT_EQ(DialogBoxIndirectParamW(nullptr, bytes.get(), nullptr, Recorder, 0), -1) << row.what;
  }
  EXPECT_EQ(platform::user::LiveWindowCount(), before);
  EXPECT_TRUE(dialog_messages_.empty());
  // The same bytes, whole, at the end of their page: read exactly, no further.
  GuardedBytes whole(good);
  EXPECT_NE(CreateDialogIndirectParamW(nullptr, whole.get(), nullptr, Recorder, 0), nullptr);
  EXPECT_EQ(CreateDialogIndirectParamW(nullptr, nullptr, nullptr, Recorder, 0), nullptr);
}

TEST_F(DialogTest, ControlsThatCannotBeCreatedFailTheDialogUnlessNoFailCreate) {
  for (DWORD extra : {DWORD{0}, DS_NOFAILCREATE}) {
    TemplateWriter t(false);
    t.Dialog(kPopup | extra, 0, 0, 50, 50, u"Missing");
    t.Item(kTab, 0, 0, 5, 5, 1, u"NoSuchClass", u"x");
    t.Item(kTab, 0, 0, 5, 5, 2, kControl, u"y");
    HWND dialog = CreateDialogIndirectParamW(nullptr, t.get(), nullptr, Recorder, 0);
    if (extra == 0) {
      EXPECT_EQ(dialog, nullptr);
      EXPECT_EQ(GetLastError(), ERROR_CANNOT_FIND_WND_CLASS);
    } else {
      ASSERT_NE(dialog, nullptr);
      EXPECT_NE(GetDlgItem(dialog, 2), nullptr);
    }
  }
}

TEST_F(DialogTest, TabFollowsCreationOrderOverVisibleEnabledTabStops) {
  TemplateWriter t(false);
  t.Dialog(kPopup | WS_VISIBLE, 0, 0, 100, 100, u"Tabs");
  t.Item(kTab, 0, 0, 5, 5, 1, kControl, u"a");
  t.Item(WS_CHILD | WS_VISIBLE, 0, 0, 5, 5, 2, kControl, u"no tab stop");
  t.Item(kTab | WS_DISABLED, 0, 0, 5, 5, 3, kControl, u"disabled");
  t.Item(WS_CHILD | WS_TABSTOP, 0, 0, 5, 5, 4, kControl, u"hidden");
  t.Item(kTab, 0, 0, 5, 5, 5, kControl, u"e");
  t.Item(kTab, 0, 0, 5, 5, 6, kControl, u"f");
  HWND dialog = CreateDialogIndirectParamW(nullptr, t.get(), nullptr, Recorder, 0);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(GetFocus(), GetDlgItem(dialog, 1));
  std::vector<int> order;
  for (int i = 0; i < 4; ++i) {
    Key(dialog, VK_TAB);
    order.push_back(GetDlgCtrlID(GetFocus()));
  }
  EXPECT_EQ(order, (std::vector<int>{5, 6, 1, 5}));
  HWND back = GetNextDlgTabItem(dialog, GetDlgItem(dialog, 5), TRUE);
  EXPECT_EQ(GetDlgCtrlID(back), 1);
  EXPECT_EQ(GetDlgCtrlID(GetNextDlgTabItem(dialog, back, TRUE)), 6);
  EXPECT_EQ(GetNextDlgTabItem(nullptr, nullptr, FALSE), nullptr);
}

TEST_F(DialogTest, ArrowsMoveWithinTheGroupAndCheckAutoRadioButtons) {
  TemplateWriter t(false);
  t.Dialog(kPopup | WS_VISIBLE, 0, 0, 100, 100, u"Radios");
  t.Item(kTab | WS_GROUP | kRadio, 0, 0, 5, 5, 1, u"Button", u"&One");
  t.Item(WS_CHILD | WS_VISIBLE | kRadio, 0, 0, 5, 5, 2, u"Button", u"&Two");
  t.Item(WS_CHILD | WS_VISIBLE | kRadio, 0, 0, 5, 5, 3, u"Button", u"T&hree");
  t.Item(kTab | WS_GROUP, 0, 0, 5, 5, 4, kControl, u"next group");
  // Without the real Button class the stand-in stands for it under that name.
  WNDCLASSEXW wc{};
  bool have_button = GetClassInfoExW(nullptr, u"Button", &wc) != FALSE;
  if (!have_button) {
    GetClassInfoExW(nullptr, kControl, &wc);
    wc.cbSize = sizeof wc;
    wc.lpszClassName = u"Button";
    ASSERT_NE(RegisterClassExW(&wc), 0);
  }
  HWND dialog = CreateDialogIndirectParamW(nullptr, t.get(), nullptr, Recorder, 0);
  ASSERT_NE(dialog, nullptr);
  std::vector<int> order;
  for (UINT key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_UP}) {
    Key(dialog, key);
    order.push_back(GetDlgCtrlID(GetFocus()));
  }
  EXPECT_EQ(order, (std::vector<int>{2, 3, 1, 3}));
  if (!have_button) {
    ASSERT_EQ(clicked_.size(), 4u);  // each radio reached was clicked (checked)
    EXPECT_EQ(GetDlgCtrlID(clicked_[0]), 2);
    EXPECT_EQ(GetDlgCtrlID(GetNextDlgGroupItem(dialog, GetDlgItem(dialog, 4), FALSE)), 4);
    // Mnemonics: Alt+H, and a plain letter when the focus does not want characters.
    clicked_.clear();
    Key(dialog, u'h', WM_SYSCHAR);
    Key(dialog, u't', WM_CHAR);
    ASSERT_EQ(clicked_.size(), 2u);
    EXPECT_EQ(GetDlgCtrlID(clicked_[0]), 3);
    EXPECT_EQ(GetDlgCtrlID(clicked_[1]), 2);
    DestroyWindow(dialog);
    UnregisterClassW(u"Button", nullptr);
  }
}

TEST_F(DialogTest, EnterAndEscapeSendTheirCommands) {
  struct Row {
    const char* what;
    bool with_cancel;
    int focus_id;      // the control focused before the key (0: leave as is)
    int new_default;   // DM_SETDEFID before the key (0: none)
    UINT key;
    int id;
    bool with_control;  // lParam carries the control
  } rows[] = {
      {"Enter on a non-button: the default button", true, 0, 0, VK_RETURN, IDOK, true},
      {"Enter on a push button: that button", true, IDCANCEL, 0, VK_RETURN, IDCANCEL, true},
      {"Enter after DM_SETDEFID", true, 0, 100, VK_RETURN, 100, true},
      {"Escape: IDCANCEL with its control", true, 0, 0, VK_ESCAPE, IDCANCEL, true},
      {"Escape without IDCANCEL control: IDCANCEL, no control", false, 0, 0, VK_ESCAPE, IDCANCEL,
       false},
  };
  for (const Row& row : rows) {
    TemplateWriter t = ButtonsDialog(row.with_cancel);
    t.Item(kTab | WS_GROUP | kEditLike, 0, 0, 5, 5, 200, kControl, u"");
    HWND dialog = CreateDialogIndirectParamW(nullptr, t.get(), nullptr, Recorder, 0);
    ASSERT_NE(dialog, nullptr) << row.what;
    SetFocus(GetDlgItem(dialog, 200));
    if (row.focus_id != 0) SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, row.focus_id)), TRUE);
    if (row.new_default != 0) SendMessageW(dialog, DM_SETDEFID, row.new_default, 0);
    commands_.clear();
    Key(dialog, row.key);
    ASSERT_EQ(commands_.size(), 1u) << row.what;
    EXPECT_EQ(commands_[0].id, row.id) << row.what;
    EXPECT_EQ(commands_[0].code, BN_CLICKED) << row.what;
    EXPECT_EQ(commands_[0].control, row.with_control ? GetDlgItem(dialog, row.id) : nullptr)
        << row.what;
    EXPECT_TRUE(IsWindow(dialog)) << row.what;  // the procedure decides; it ended nothing
    DestroyWindow(dialog);
  }
}

TEST_F(DialogTest, DefaultIdMovesTheDefaultLookAndFocusedPushButtonsTakeIt) {
  on_init_ = [](HWND) -> INT_PTR { return FALSE; };  // no push button focused
  HWND dialog = CreateDialogIndirectParamW(nullptr, ButtonsDialog().get(), nullptr, Recorder, 0);
  ASSERT_NE(dialog, nullptr);
  auto kind = [&](int id) { return GetWindowLongW(GetDlgItem(dialog, id), GWL_STYLE) & 0x0F; };
  EXPECT_EQ(SendMessageW(dialog, DM_GETDEFID, 0, 0), MAKELRESULT(IDOK, DC_HASDEFID));
  SendMessageW(dialog, DM_SETDEFID, 100, 0);
  EXPECT_EQ(SendMessageW(dialog, DM_GETDEFID, 0, 0), MAKELRESULT(100, DC_HASDEFID));
  EXPECT_EQ(kind(100), static_cast<LONG>(kDefPush));
  EXPECT_EQ(kind(IDOK), static_cast<LONG>(kPush));
  SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDCANCEL)), TRUE);
  EXPECT_EQ(kind(IDCANCEL), static_cast<LONG>(kDefPush));
  EXPECT_EQ(kind(100), static_cast<LONG>(kPush));
}

TEST_F(DialogTest, WmCloseCancelsOnlyThroughAnIdCancelControl) {
  for (bool with_cancel : {true, false}) {
    HWND dialog = CreateDialogIndirectParamW(nullptr, ButtonsDialog(with_cancel).get(), nullptr, Recorder, 0);
    ASSERT_NE(dialog, nullptr);
    commands_.clear();
    SendMessageW(dialog, WM_CLOSE, 0, 0);
    Pump();
    if (with_cancel) {
      ASSERT_EQ(commands_.size(), 1u);
      EXPECT_EQ(commands_[0].id, IDCANCEL);
    } else {
      EXPECT_TRUE(commands_.empty());
    }
    EXPECT_TRUE(IsWindow(dialog));
    DestroyWindow(dialog);
  }
}

TEST_F(DialogTest, DialogProcedureResultsGoThroughMsgResult) {
  on_message_ = [](HWND dialog, UINT message, WPARAM, LPARAM) -> INT_PTR {
    if (message != WM_USER + 5) return FALSE;
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 1234);
    return TRUE;
  };
  HWND dialog = CreateDialogIndirectParamW(nullptr, ButtonsDialog().get(), nullptr, Recorder, 0);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(SendMessageW(dialog, WM_USER + 5, 0, 0), 1234);
  EXPECT_EQ(GetWindowLongPtrW(dialog, DWLP_DLGPROC), reinterpret_cast<LONG_PTR>(&Recorder));
  SetWindowLongPtrW(dialog, DWLP_USER, 99);
  EXPECT_EQ(GetWindowLongPtrW(dialog, DWLP_USER), 99);
}

TEST_F(DialogTest, FocusIsRestoredAfterDeactivation) {
  TemplateWriter t = ButtonsDialog();
  std::vector<BYTE>& b = t.bytes();
  DWORD style;
  std::memcpy(&style, b.data() + 12, 4);
  style |= WS_VISIBLE;
  std::memcpy(b.data() + 12, &style, 4);
  HWND dialog = CreateDialogIndirectParamW(nullptr, t.get(), nullptr, Recorder, 0);
  ASSERT_NE(dialog, nullptr);
  HWND apply = GetDlgItem(dialog, 100);
  SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(apply), TRUE);
  EXPECT_EQ(GetFocus(), apply);
  HWND other = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  SetActiveWindow(other);
  EXPECT_NE(GetFocus(), apply);
  SetActiveWindow(dialog);
  EXPECT_EQ(GetFocus(), apply);
}

TEST_F(DialogTest, EndDialogInsideInitDialogEndsTheModalLoopAtOnce) {
  on_init_ = [](HWND dialog) -> INT_PTR {
    EndDialog(dialog, 31);
    return TRUE;
  };
  EXPECT_EQ(DialogBoxIndirectParamW(nullptr, ButtonsDialog().get(), nullptr, Recorder, 0), 31);
  EXPECT_EQ(std::count(dialog_messages_.begin(), dialog_messages_.end(), WM_SHOWWINDOW), 0);
  EXPECT_EQ(GetTopWindow(nullptr), nullptr);
}

TEST_F(DialogTest, ModalDialogsReturnTheEndDialogValueWithTheOwnerDisabledMeanwhile) {
  HWND owner = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  bool owner_enabled_inside = true;
  on_init_ = [](HWND dialog) -> INT_PTR {
    PostMessageW(dialog, WM_USER + 1, 0, 0);
    return TRUE;
  };
  on_message_ = [&](HWND dialog, UINT message, WPARAM, LPARAM) -> INT_PTR {
    if (message != WM_USER + 1) return FALSE;
    owner_enabled_inside = IsWindowEnabled(owner) != FALSE;
    EndDialog(dialog, 4242);
    return TRUE;
  };
  EXPECT_EQ(DialogBoxIndirectParamW(nullptr, ButtonsDialog().get(), owner, Recorder, 0), 4242);
  EXPECT_FALSE(owner_enabled_inside);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(GetTopWindow(nullptr), owner);
  EXPECT_EQ(DialogBoxIndirectParamW(nullptr, ButtonsDialog().get(),
                                    reinterpret_cast<HWND>(0x1234), Recorder, 0),
            0);  // an invalid parent
  EXPECT_FALSE(EndDialog(reinterpret_cast<HWND>(0x1234), 1));
}

TEST_F(DialogTest, CheckRadioButtonAndDialogItemHelpers) {
  HWND dialog = CreateDialogIndirectParamW(nullptr, ButtonsDialog().get(), nullptr, Recorder, 0);
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(CheckRadioButton(dialog, IDOK, IDCANCEL, IDCANCEL));
  EXPECT_EQ(SendDlgItemMessageW(dialog, 100, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
  SetLastError(0);
  EXPECT_EQ(SendDlgItemMessageW(dialog, 999, WM_GETDLGCODE, 0, 0), 0);
  EXPECT_EQ(GetLastError(), ERROR_CONTROL_ID_NOT_FOUND);
  EXPECT_FALSE(CheckDlgButton(dialog, 999, BST_CHECKED));
  EXPECT_EQ(IsDlgButtonChecked(dialog, 999), 0u);
  EXPECT_FALSE(CheckRadioButton(nullptr, 1, 2, 1));
}

}  // namespace
