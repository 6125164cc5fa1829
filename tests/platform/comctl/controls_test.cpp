// The other common controls: class registration by ICC_ bits, tab selection, toolbar
// buttons, status bar placement, list and tree items, progress, image-list handles.
#include "tests/platform/comctl/comctl_test_fixture.h"

namespace {

using ComctlClassTest = CommonControlTest;

struct IccRow {
  DWORD bits;
  std::vector<std::u16string> classes;
};

TEST_F(ComctlClassTest, InitCommonControlsExRegistersExactlyTheNamedClasses) {
  const IccRow rows[] = {
      {0, {}},
      {ICC_DATE_CLASSES, {u"SysDateTimePick32", u"SysMonthCal32"}},
      {ICC_LISTVIEW_CLASSES, {u"SysListView32", u"SysHeader32"}},
      {ICC_TREEVIEW_CLASSES, {u"SysTreeView32", u"tooltips_class32"}},
      {ICC_BAR_CLASSES, {u"ToolbarWindow32", u"msctls_statusbar32", u"msctls_trackbar32", u"tooltips_class32"}},
      {ICC_TAB_CLASSES, {u"SysTabControl32", u"tooltips_class32"}},
      {ICC_PROGRESS_CLASS, {u"msctls_progress32"}},
      {ICC_UPDOWN_CLASS, {u"msctls_updown32"}},
      {ICC_PROGRESS_CLASS | ICC_DATE_CLASSES, {u"msctls_progress32", u"SysDateTimePick32", u"SysMonthCal32"}},
  };
  for (const IccRow& row : rows) {
    SCOPED_TRACE(row.bits);
    platform::ForgetCommonControlClasses();
    Init(row.bits);
    for (const platform::CommonControlClass& c : platform::CommonControlClasses()) {
      WNDCLASSEXW info{};
      info.cbSize = sizeof info;
      bool expected = std::find(row.classes.begin(), row.classes.end(), c.name) != row.classes.end();
      EXPECT_EQ(GetClassInfoExW(nullptr, c.name, &info) != 0, expected)
          << std::string(c.name, c.name + std::char_traits<char16_t>::length(c.name));
    }
  }
}

TEST_F(ComctlClassTest, InitCommonControlsIsTheBaseSetWithoutDates) {
  InitCommonControls();
  WNDCLASSEXW info{};
  info.cbSize = sizeof info;
  EXPECT_TRUE(GetClassInfoExW(nullptr, u"SysListView32", &info));
  EXPECT_TRUE(GetClassInfoExW(nullptr, u"msctls_progress32", &info));
  EXPECT_FALSE(GetClassInfoExW(nullptr, u"SysDateTimePick32", &info));
}

TEST_F(ComctlClassTest, UnregisteredControlCannotBeCreated) {
  Init(ICC_LISTVIEW_CLASSES);
  HWND parent = Parent();
  SetLastError(0);
  EXPECT_EQ(Control(DATETIMEPICK_CLASSW, parent, 1, RECT{0, 0, 50, 20}), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_CANNOT_FIND_WND_CLASS);
  EXPECT_NE(Control(WC_LISTVIEWW, parent, 2, RECT{0, 0, 50, 20}), nullptr);
  INITCOMMONCONTROLSEX wrong{sizeof(INITCOMMONCONTROLSEX) + 1, ICC_DATE_CLASSES};
  EXPECT_FALSE(InitCommonControlsEx(&wrong));
  EXPECT_FALSE(InitCommonControlsEx(nullptr));
}

class ControlsTest : public CommonControlTest {
 protected:
  void SetUp() override {
    CommonControlTest::SetUp();
    Init(ICC_WIN95_CLASSES | ICC_DATE_CLASSES);
    Parent();
  }
};

TEST_F(ControlsTest, TabSelectionAsksThenTells) {
  HWND tab = Control(WC_TABCONTROLW, parent_, 7, RECT{10, 10, 300, 150});
  const char* names[] = {"General", "Avisos", "Copias"};
  for (int i = 0; i < 3; ++i) {
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<char*>(names[i]);
    item.lParam = 100 + i;
    EXPECT_EQ(SendMessageA(tab, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item)), i);
  }
  EXPECT_EQ(SendMessageW(tab, TCM_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0), 3);
  char text[16] = {};
  TCITEMA got{};
  got.mask = TCIF_TEXT | TCIF_PARAM;
  got.pszText = text;
  got.cchTextMax = 16;
  ASSERT_TRUE(SendMessageW(tab, TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&got)));
  EXPECT_STREQ(text, "Avisos");
  EXPECT_EQ(got.lParam, 101);

  RECT second;
  SendMessageW(tab, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
  SendMessageW(tab, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(second.left + 3, second.top + 3));
  EXPECT_EQ(Codes(), (std::vector<UINT>{TCN_SELCHANGING, TCN_SELCHANGE}));
  EXPECT_EQ(SendMessageW(tab, TCM_GETCURSEL, 0, 0), 1);

  notices_.clear();
  refuse_tab_change_ = true;
  SendMessageW(tab, WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(Codes(), (std::vector<UINT>{TCN_SELCHANGING}));
  EXPECT_EQ(SendMessageW(tab, TCM_GETCURSEL, 0, 0), 1);

  notices_.clear();
  EXPECT_EQ(SendMessageW(tab, TCM_SETCURSEL, 2, 0), 1);
  EXPECT_TRUE(notices_.empty());

  RECT area{0, 0, 290, 140};
  SendMessageW(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  EXPECT_GT(area.top, 10);
  SendMessageW(tab, TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&area));
  EXPECT_EQ(area.top, 0);
  EXPECT_EQ(area.right, 290);
}

TEST_F(ControlsTest, ToolbarFindsButtonsByCommandAndKeepsTheirData) {
  HWND bar = Control(TOOLBARCLASSNAMEW, parent_, 8, RECT{0, 0, 0, 0}, TBSTYLE_FLAT);
  SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  TBBUTTON buttons[3] = {};
  buttons[0] = {0, 501, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0xABCDEF12345ull, 0};
  buttons[1] = {8, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0};
  buttons[2] = {1, 502, 0, BTNS_BUTTON, {}, 77, 0};
  ASSERT_TRUE(SendMessageW(bar, TB_ADDBUTTONSW, 3, reinterpret_cast<LPARAM>(buttons)));
  EXPECT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(bar, TB_COMMANDTOINDEX, 502, 0), 2);
  EXPECT_EQ(SendMessageW(bar, TB_COMMANDTOINDEX, 999, 0), -1);
  TBBUTTON got{};
  ASSERT_TRUE(SendMessageW(bar, TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&got)));
  EXPECT_EQ(got.dwData, 0xABCDEF12345ull);
  EXPECT_EQ(got.idCommand, 501);
  EXPECT_FALSE(SendMessageW(bar, TB_GETBUTTON, 3, reinterpret_cast<LPARAM>(&got)));

  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 0);
  EXPECT_EQ(SendMessageW(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images)), 0);
  EXPECT_EQ(SendMessageW(bar, TB_GETIMAGELIST, 0, 0), reinterpret_cast<LRESULT>(images));
  EXPECT_EQ(SendMessageW(bar, TB_GETDISABLEDIMAGELIST, 0, 0), 0);
  EXPECT_EQ(SendMessageW(bar, TB_GETHOTIMAGELIST, 0, 0), 0);

  // A click on an enabled button commands the parent; a disabled one does nothing.
  RECT first, third;
  SendMessageW(bar, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
  SendMessageW(bar, TB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&third));
  for (RECT r : {first, third}) {
    LPARAM at = MAKELPARAM(r.left + 4, r.top + 4);
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(bar, WM_LBUTTONUP, 0, at);
  }
  EXPECT_EQ(commands_, (std::vector<WORD>{501}));
  ImageList_Destroy(images);
}

TEST_F(ControlsTest, StatusBarFollowsTheParentsBottom) {
  HWND status = Control(STATUSCLASSNAMEW, parent_, 9, RECT{0, 0, 0, 0}, SBARS_SIZEGRIP);
  RECT client, bar;
  GetClientRect(parent_, &client);
  GetWindowRect(status, &bar);
  MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&bar), 2);
  EXPECT_EQ(bar.bottom, client.bottom);
  EXPECT_EQ(bar.right - bar.left, client.right);
  SetWindowPos(parent_, nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
  SendMessageW(status, WM_SIZE, 0, 0);  // as the parent's WM_SIZE handler forwards it
  GetClientRect(parent_, &client);
  GetWindowRect(status, &bar);
  MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&bar), 2);
  EXPECT_EQ(bar.bottom, client.bottom);
  EXPECT_EQ(bar.right - bar.left, client.right);

  int rights[] = {120, 240, -1};
  EXPECT_TRUE(SendMessageW(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(rights)));
  int back[3] = {};
  EXPECT_EQ(SendMessageW(status, SB_GETPARTS, 3, reinterpret_cast<LPARAM>(back)), 3);
  EXPECT_EQ(back[1], 240);
  SendMessageW(status, SB_SETTEXTW, 1 | SBT_POPOUT, reinterpret_cast<LPARAM>(u"Racha: 12"));
  WCHAR text[32] = {};
  LRESULT answer = SendMessageW(status, SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(std::u16string(text), u"Racha: 12");
  EXPECT_EQ(LOWORD(answer), 9);
  EXPECT_EQ(HIWORD(answer), SBT_POPOUT);
  EXPECT_FALSE(SendMessageW(status, SB_SETTEXTW, 5, reinterpret_cast<LPARAM>(u"x")));
}

TEST_F(ControlsTest, ListViewItemsSubitemsAndSelection) {
  HWND list = Control(WC_LISTVIEWW, parent_, 10, RECT{10, 10, 300, 150}, LVS_REPORT | LVS_SINGLESEL,
                      WS_EX_CLIENTEDGE);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = 100;
  column.pszText = const_cast<WCHAR*>(u"Fecha");
  EXPECT_EQ(SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column)), 0);
  column.pszText = const_cast<WCHAR*>(u"Nota");
  EXPECT_EQ(SendMessageW(list, LVM_INSERTCOLUMNW, 1, reinterpret_cast<LPARAM>(&column)), 1);
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 2);
  struct Row {
    const char16_t* date;
    const char16_t* note;
  };
  const Row rows[] = {{u"01/12/2026", u"inicio"}, {u"02/12/2026", u"bien"}, {u"03/12/2026", u""}};
  for (int i = 0; i < 3; ++i) {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = i;
    item.pszText = const_cast<WCHAR*>(rows[i].date);
    item.lParam = 40 + i;
    EXPECT_EQ(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)), i);
    item.mask = LVIF_TEXT;
    item.iSubItem = 1;
    item.pszText = const_cast<WCHAR*>(rows[i].note);
    EXPECT_TRUE(SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  }
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 3);
  for (int i = 0; i < 3; ++i) {
    WCHAR text[32] = {};
    LVITEMW item{};
    item.iSubItem = 1;
    item.pszText = text;
    item.cchTextMax = 32;
    SendMessageW(list, LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(std::u16string(text), rows[i].note);
  }
  LVITEMW select{};
  select.state = select.stateMask = LVIS_SELECTED;
  SendMessageW(list, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&select));
  EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 2);
  notices_.clear();
  RECT row1;
  SendMessageW(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row1));
  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(row1.left + 5, row1.top + 2));
  EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 1);
  EXPECT_EQ(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0), 1);
  bool told = false;
  for (const SeenNotice& n : notices_) {
    if (n.code == LVN_ITEMCHANGED && n.item == 1 && (n.new_state & LVIS_SELECTED)) told = true;
  }
  EXPECT_TRUE(told);
  EXPECT_TRUE(SendMessageW(list, LVM_DELETEITEM, 0, 0));
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_FALSE(SendMessageW(list, LVM_DELETEITEM, 7, 0));
  SendMessageW(list, LVM_SETTEXTCOLOR, 0, RGB(0, 0, 128));
  EXPECT_EQ(SendMessageW(list, LVM_GETTEXTCOLOR, 0, 0), RGB(0, 0, 128));
  EXPECT_TRUE(SendMessageW(list, LVM_DELETEALLITEMS, 0, 0));
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(ControlsTest, TreeViewItemsExpandAndSelect) {
  HWND tree = Control(WC_TREEVIEWW, parent_, 11, RECT{10, 10, 200, 180},
                      TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_CHECKBOXES,
                      WS_EX_CLIENTEDGE);
  auto insert = [&](HTREEITEM parent, const char16_t* text, LPARAM param) {
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = const_cast<WCHAR*>(text);
    insert.item.lParam = param;
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  };
  HTREEITEM year = insert(TVI_ROOT, u"2026", 1);
  HTREEITEM december = insert(year, u"diciembre", 2);
  HTREEITEM november = insert(year, u"noviembre", 3);
  ASSERT_NE(november, nullptr);
  EXPECT_EQ(SendMessageW(tree, TVM_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0), reinterpret_cast<LRESULT>(year));
  EXPECT_EQ(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(year)),
            reinterpret_cast<LRESULT>(december));
  EXPECT_EQ(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(december)),
            reinterpret_cast<LRESULT>(november));
  EXPECT_EQ(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(november)),
            reinterpret_cast<LRESULT>(year));
  EXPECT_EQ(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, reinterpret_cast<LPARAM>(year)), 0);
  EXPECT_TRUE(SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(year)));
  EXPECT_EQ(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, reinterpret_cast<LPARAM>(year)),
            reinterpret_cast<LRESULT>(december));
  EXPECT_TRUE(SendMessageW(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(year), TVIS_EXPANDED));

  notices_.clear();
  EXPECT_TRUE(SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(november)));
  ASSERT_EQ(Codes(), (std::vector<UINT>{TVN_SELCHANGINGW, TVN_SELCHANGEDW}));
  EXPECT_EQ(notices_[1].item, 3);
  SendMessageW(tree, WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0), reinterpret_cast<LRESULT>(december));

  WCHAR text[32] = {};
  TVITEMW item{};
  item.mask = TVIF_TEXT | TVIF_STATE;
  item.hItem = december;
  item.pszText = text;
  item.cchTextMax = 32;
  item.stateMask = TVIS_STATEIMAGEMASK;
  ASSERT_TRUE(SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  EXPECT_EQ(std::u16string(text), u"diciembre");
  EXPECT_EQ(item.state, INDEXTOSTATEIMAGEMASK(1));  // check boxes start unchecked
  SendMessageW(tree, WM_CHAR, u' ', 0);
  EXPECT_EQ(SendMessageW(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(december), TVIS_STATEIMAGEMASK),
            static_cast<LRESULT>(INDEXTOSTATEIMAGEMASK(2)));

  // Collapsing hides the children and brings the selection up to the parent.
  EXPECT_TRUE(SendMessageW(tree, TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(year)));
  EXPECT_EQ(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0), reinterpret_cast<LRESULT>(year));
  EXPECT_TRUE(SendMessageW(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(december)));
  EXPECT_FALSE(SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));  // dead handle
  EXPECT_EQ(SendMessageW(tree, TVM_GETCOUNT, 0, 0), 2);
  SendMessageW(tree, TVM_SETBKCOLOR, 0, RGB(255, 255, 240));
  EXPECT_EQ(SendMessageW(tree, TVM_GETBKCOLOR, 0, 0), RGB(255, 255, 240));
}

TEST_F(ControlsTest, ProgressBarPositionRangeAndStep) {
  HWND bar = Control(PROGRESS_CLASSW, parent_, 12, RECT{10, 10, 200, 28});
  EXPECT_EQ(SendMessageW(bar, PBM_SETRANGE32, 0, 50), MAKELRESULT(0, 100));
  EXPECT_EQ(SendMessageW(bar, PBM_SETPOS, 70, 0), 0);
  EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 50);  // clamped to the range
  EXPECT_EQ(SendMessageW(bar, PBM_DELTAPOS, static_cast<WPARAM>(-20), 0), 50);
  EXPECT_EQ(SendMessageW(bar, PBM_SETSTEP, 15, 0), 10);
  EXPECT_EQ(SendMessageW(bar, PBM_STEPIT, 0, 0), 30);
  EXPECT_EQ(SendMessageW(bar, PBM_STEPIT, 0, 0), 45);
  EXPECT_EQ(SendMessageW(bar, PBM_STEPIT, 0, 0), 10);  // past the end it starts over
  PBRANGE range{};
  EXPECT_EQ(SendMessageW(bar, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range)), 0);
  EXPECT_EQ(range.iHigh, 50);
  EXPECT_EQ(SendMessageW(bar, PBM_SETBARCOLOR, 0, RGB(0, 128, 0)), static_cast<LRESULT>(CLR_DEFAULT));
  EXPECT_EQ(SendMessageW(bar, CCM_SETUNICODEFORMAT, TRUE, 0), TRUE);
}

TEST(ImageListTest, HandlesAreCheckedAndImagesCounted) {
  HIMAGELIST list = ImageList_Create(4, 4, ILC_COLOR32 | ILC_MASK, 1, 1);
  ASSERT_NE(list, nullptr);
  std::uint32_t strip[3 * 4 * 4] = {};
  for (auto& p : strip) p = 0x00FF00FF;
  HBITMAP bitmap = CreateBitmap(12, 4, 1, 32, strip);
  EXPECT_EQ(ImageList_Add(list, bitmap, nullptr), 0);
  EXPECT_EQ(ImageList_GetImageCount(list), 3);
  EXPECT_EQ(ImageList_AddMasked(list, bitmap, RGB(255, 0, 255)), 3);
  EXPECT_EQ(ImageList_GetImageCount(list), 6);
  int cx = 0, cy = 0;
  EXPECT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
  EXPECT_EQ(cx, 4);
  EXPECT_TRUE(ImageList_Destroy(list));
  // A dead handle, a made-up one and null all fail.
  EXPECT_FALSE(ImageList_Destroy(list));
  EXPECT_EQ(ImageList_Add(list, bitmap, nullptr), -1);
  EXPECT_EQ(ImageList_GetImageCount(list), 0);
  EXPECT_FALSE(ImageList_Draw(reinterpret_cast<HIMAGELIST>(&cx), 0, nullptr, 0, 0, ILD_NORMAL));
  EXPECT_EQ(ImageList_Create(0, 4, ILC_COLOR32, 1, 1), nullptr);
  EXPECT_EQ(ImageList_Create(4, 4, ILC_COLOR32, -1, 1), nullptr);
  DeleteObject(bitmap);
}

}  // namespace
