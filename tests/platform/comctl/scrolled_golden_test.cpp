// A picture of the common controls with more than they show: tabs in two rows, a list
// view and a tree view scrolled part way with their bars, and a date picker with its own
// picture string.
#include "tests/platform/comctl/comctl_test_fixture.h"
#include "tests/platform/gdi/golden.h"

namespace {

class ScrolledGoldenTest : public CommonControlTest {
 protected:
  void SetUp() override {
    CommonControlTest::SetUp();
    setenv("LANG", "es_ES.UTF-8", 1);
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    Init(ICC_WIN95_CLASSES | ICC_DATE_CLASSES);
  }
  void TearDown() override {
    unsetenv("LANG");
    CommonControlTest::TearDown();
  }
  HWND Font(HWND control) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    return control;
  }
};

TEST_F(ScrolledGoldenTest, TabsListTreeAndPicture) {
  HWND top = Parent(RECT{100, 100, 520, 330}, u"Controles");
  HWND tabs = Font(Control(WC_TABCONTROLW, parent_, 1, RECT{8, 8, 208, 110}, TCS_MULTILINE));
  const char16_t* names[] = {u"General", u"Fechas", u"Registro", u"Avisos", u"Colores", u"Acerca de"};
  for (int i = 0; i < 6; ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<WCHAR*>(names[i]);
    SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageW(tabs, TCM_SETCURSEL, 4, 0);

  HWND list = Font(Control(WC_LISTVIEWW, parent_, 2, RECT{216, 8, 404, 110}, LVS_REPORT | LVS_SHOWSELALWAYS,
                           WS_EX_CLIENTEDGE));
  const char16_t* columns[] = {u"D\u00eda", u"Nota"};
  for (int c = 0; c < 2; ++c) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 80;
    column.pszText = const_cast<WCHAR*>(columns[c]);
    SendMessageW(list, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
  }
  for (int i = 0; i < 15; ++i) {
    const int n = i + 1;
    std::u16string day{static_cast<char16_t>(u'0' + n / 10), static_cast<char16_t>(u'0' + n % 10)};
    day += u"/12/2026";
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = day.data();
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    item.pszText = const_cast<WCHAR*>(i % 3 == 0 ? u"bien" : u"");
    SendMessageW(list, LVM_SETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageW(list, LVM_SCROLL, 0, 60);
  LVITEMW selected{};
  selected.stateMask = selected.state = LVIS_SELECTED;
  SendMessageW(list, LVM_SETITEMSTATE, 6, reinterpret_cast<LPARAM>(&selected));

  HWND tree = Font(Control(WC_TREEVIEWW, parent_, 3, RECT{8, 118, 208, 212},
                           TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE));
  auto insert = [&](HTREEITEM parent, const char16_t* text) {
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<WCHAR*>(text);
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  };
  HTREEITEM year = insert(TVI_ROOT, u"2026");
  HTREEITEM last = nullptr;
  for (const char16_t* month : {u"enero", u"febrero", u"marzo", u"abril", u"mayo", u"junio", u"julio",
                                u"agosto", u"septiembre", u"octubre", u"noviembre", u"diciembre"}) {
    last = insert(year, month);
  }
  SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(year));
  SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(last));

  HWND picker = Font(Control(DATETIMEPICK_CLASSW, parent_, 4, RECT{216, 118, 404, 140}, 0, WS_EX_CLIENTEDGE));
  SYSTEMTIME date{2026, 12, 1, 7, 0, 0, 0, 0};
  SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&date));
  SendMessageW(picker, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(u"dddd d 'de' MMMM 'de' yyyy"));

  // No pumping: an idle program with a used-up script is asked to close.
  UpdateWindow(top);
  EXPECT_TRUE(platform::gdi::testing::MatchesGolden(Pixels(top), "comctl_scrolled"));
}

}  // namespace
