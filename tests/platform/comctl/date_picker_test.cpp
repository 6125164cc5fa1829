// The date picker: fields edited with the keyboard, the window text, the range, the
// drop-down calendar and the order of its notifications.
#include <algorithm>
#include <sstream>

#include "tests/platform/comctl/comctl_test_fixture.h"

namespace {

SYSTEMTIME Date(int year, int month, int day) {
  SYSTEMTIME date{};
  date.wYear = static_cast<WORD>(year);
  date.wMonth = static_cast<WORD>(month);
  date.wDay = static_cast<WORD>(day);
  return date;
}

class DatePickerTest : public CommonControlTest {
 protected:
  void SetUp() override {
    CommonControlTest::SetUp();
    Init(ICC_DATE_CLASSES);
    Parent();
    picker_ = Control(DATETIMEPICK_CLASSW, parent_, 100, RECT{10, 10, 160, 32}, 0,
                      WS_EX_CLIENTEDGE, u"creation text");
    ASSERT_NE(picker_, nullptr);
    SYSTEMTIME start = Date(2026, 12, 7);
    ASSERT_TRUE(SendMessageW(picker_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&start)));
    SetFocus(picker_);
    notices_.clear();
  }

  // "Right Up '1 '5": key names, or ' and a character typed.
  void Press(const std::string& keys, HWND target = nullptr) {
    if (target == nullptr) target = picker_;
    std::istringstream words(keys);
    std::string word;
    while (words >> word) {
      if (word[0] == '\'') {
        SendMessageW(target, WM_CHAR, static_cast<WPARAM>(word[1]), 1);
        continue;
      }
      static const std::pair<const char*, UINT> kKeys[] = {
          {"Left", VK_LEFT}, {"Right", VK_RIGHT}, {"Up", VK_UP},       {"Down", VK_DOWN},
          {"Home", VK_HOME}, {"End", VK_END},     {"F4", VK_F4},       {"Enter", VK_RETURN},
          {"Escape", VK_ESCAPE}, {"PgUp", VK_PRIOR}, {"PgDn", VK_NEXT}};
      if (word == "Alt+Down") {
        SendMessageW(target, WM_SYSKEYDOWN, VK_DOWN, 0x20500001);
        continue;
      }
      bool known = false;
      for (auto& [name, key] : kKeys) {
        if (word == name) {
          SendMessageW(target, WM_KEYDOWN, key, 1);
          known = true;
        }
      }
      ASSERT_TRUE(known) << word;
    }
  }

  std::u16string Text() const {
    WCHAR buffer[64] = {};
    GetWindowTextW(picker_, buffer, 64);
    return buffer;
  }
  SYSTEMTIME Value() const {
    SYSTEMTIME value{};
    EXPECT_EQ(SendMessageW(picker_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&value)), GDT_VALID);
    return value;
  }
  HWND Calendar() const {
    return reinterpret_cast<HWND>(SendMessageW(picker_, DTM_GETMONTHCAL, 0, 0));
  }

  HWND picker_ = nullptr;
};

struct KeyRow {
  const char* keys;
  const char16_t* text;
  int year, month, day;
};

TEST_F(DatePickerTest, KeysEditTheFieldsAndTheTextFollows) {
  static const KeyRow kRows[] = {
      {"", u"07/12/2026", 2026, 12, 7},
      {"Up", u"08/12/2026", 2026, 12, 8},
      {"Down", u"06/12/2026", 2026, 12, 6},
      {"Right Up", u"07/01/2026", 2026, 1, 7},           // the month wraps, the year stays
      {"Right Right Up", u"07/12/2027", 2027, 12, 7},
      {"Right Right Right Up", u"08/12/2026", 2026, 12, 8},  // Right wraps to the day
      {"Left Down", u"07/12/2025", 2025, 12, 7},         // Left wraps to the year
      {"'/ Up", u"07/01/2026", 2026, 1, 7},              // '/' moves on like Right
      {"Home Down", u"31/12/2026", 2026, 12, 31},        // the day wraps
      {"End", u"31/12/2026", 2026, 12, 31},
      {"Right Home", u"07/01/2026", 2026, 1, 7},
      {"'1 '5", u"15/12/2026", 2026, 12, 15},
      {"'4", u"04/12/2026", 2026, 12, 4},                // no day 4x: done at once
      {"'4 '5", u"05/12/2026", 2026, 12, 5},
      {"'3 '5", u"05/12/2026", 2026, 12, 5},             // 35 is no day: 5 starts again
      {"Right '2", u"07/02/2026", 2026, 2, 7},
      {"Right '1 '1", u"07/11/2026", 2026, 11, 7},
      {"Right Right '1 '9 '9 '9", u"07/12/1999", 1999, 12, 7},
      {"Right Right '3 '0 Left", u"07/12/2030", 2030, 12, 7},  // two digits: 2000s
      {"Right Right '7 '5 Right", u"07/12/1975", 1975, 12, 7},
      {"'3 '1 Right '0 '2", u"28/02/2026", 2026, 2, 28},  // 31 clamped to February
      {"'3 '1 Right Down", u"30/11/2026", 2026, 11, 30},
      {"'2 '9 Right '2 Right '2 '0 '2 '4", u"28/02/2024", 2024, 2, 28},
      {"'2 '9 Right Right '2 '0 '2 '4 Left '2", u"29/02/2024", 2024, 2, 29},
  };
  for (const KeyRow& row : kRows) {
    SCOPED_TRACE(row.keys);
    SYSTEMTIME start = Date(2026, 12, 7);
    // Each row starts on a fresh picker, on its day field.
    DestroyWindow(picker_);
    picker_ = Control(DATETIMEPICK_CLASSW, parent_, 100, RECT{10, 10, 160, 32}, 0, WS_EX_CLIENTEDGE);
    SendMessageW(picker_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&start));
    SetFocus(picker_);
    Press(row.keys);
    EXPECT_EQ(Text(), std::u16string(row.text));
    SYSTEMTIME value = Value();
    EXPECT_EQ(value.wYear, row.year);
    EXPECT_EQ(value.wMonth, row.month);
    EXPECT_EQ(value.wDay, row.day);
    EXPECT_EQ(GetWindowTextLengthW(picker_), static_cast<int>(std::u16string(row.text).size()));
  }
}

TEST_F(DatePickerTest, CreatedShowingTodayAndTheTextIsTheDisplay) {
  HWND fresh = Control(DATETIMEPICK_CLASSW, parent_, 101, RECT{10, 40, 160, 62}, 0, 0, u"ignored");
  SYSTEMTIME today{}, value{};
  GetLocalTime(&today);
  ASSERT_EQ(SendMessageW(fresh, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&value)), GDT_VALID);
  EXPECT_EQ(value.wYear, today.wYear);
  EXPECT_EQ(value.wMonth, today.wMonth);
  EXPECT_EQ(value.wDay, today.wDay);
  WCHAR text[32] = {};
  GetWindowTextW(fresh, text, 32);
  WCHAR expected[32] = {};
  expected[0] = u'0' + today.wDay / 10;
  expected[1] = u'0' + today.wDay % 10;
  expected[2] = u'/';
  expected[3] = u'0' + today.wMonth / 10;
  expected[4] = u'0' + today.wMonth % 10;
  expected[5] = u'/';
  for (int i = 0, y = today.wYear; i < 4; ++i, y /= 10) expected[9 - i] = u'0' + y % 10;
  EXPECT_EQ(std::u16string(text), std::u16string(expected));
  // A text that reads as a date sets it; anything else leaves the display.
  SetWindowTextW(fresh, u"24/06/2027");
  GetWindowTextW(fresh, text, 32);
  EXPECT_EQ(std::u16string(text), u"24/06/2027");
  SetWindowTextW(fresh, u"hello");
  GetWindowTextW(fresh, text, 32);
  EXPECT_EQ(std::u16string(text), u"24/06/2027");
  EXPECT_EQ(SendMessageW(fresh, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
}

TEST_F(DatePickerTest, EachUserChangeNotifiesWithTheNewDate) {
  Press("Up Right Up");
  ASSERT_EQ(Codes(), (std::vector<UINT>{DTN_DATETIMECHANGE, DTN_DATETIMECHANGE}));
  EXPECT_EQ(notices_[0].date.wDay, 8);
  EXPECT_EQ(notices_[1].date.wMonth, 1);
  EXPECT_EQ(notices_[1].id, 100u);
  notices_.clear();
  SYSTEMTIME set = Date(2026, 5, 1);
  SendMessageW(picker_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&set));
  EXPECT_TRUE(notices_.empty());  // programmatic changes are not told
}

TEST_F(DatePickerTest, SetSystemTimeRejectsWhatIsNoDate) {
  SYSTEMTIME bad = Date(2026, 2, 30);
  EXPECT_FALSE(SendMessageW(picker_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&bad)));
  EXPECT_FALSE(SendMessageW(picker_, DTM_SETSYSTEMTIME, GDT_VALID, 0));
  EXPECT_FALSE(SendMessageW(picker_, DTM_SETSYSTEMTIME, GDT_NONE, 0));  // no DTS_SHOWNONE
  EXPECT_EQ(SendMessageW(picker_, DTM_GETSYSTEMTIME, 0, 0), static_cast<LRESULT>(GDT_ERROR));
  EXPECT_EQ(Text(), u"07/12/2026");
}

TEST_F(DatePickerTest, ShowNoneUnchecksToNoDate) {
  HWND none = Control(DATETIMEPICK_CLASSW, parent_, 102, RECT{10, 40, 160, 62}, DTS_SHOWNONE);
  EXPECT_TRUE(SendMessageW(none, DTM_SETSYSTEMTIME, GDT_NONE, 0));
  SYSTEMTIME value{};
  EXPECT_EQ(SendMessageW(none, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&value)), GDT_NONE);
  SendMessageW(none, WM_CHAR, u' ', 0);
  EXPECT_EQ(SendMessageW(none, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&value)), GDT_VALID);
}

TEST_F(DatePickerTest, RangeLimitsEditsAndSettings) {
  SYSTEMTIME range[2] = {Date(2026, 12, 1), Date(2026, 12, 20)};
  ASSERT_TRUE(SendMessageW(picker_, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range)));
  SYSTEMTIME back[2] = {};
  EXPECT_EQ(SendMessageW(picker_, DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(back)),
            static_cast<LRESULT>(GDTR_MIN | GDTR_MAX));
  EXPECT_EQ(back[1].wDay, 20);
  for (int i = 0; i < 20; ++i) Press("Up");
  EXPECT_EQ(Text(), u"20/12/2026");
  Press("Right Up");  // January lies before the range
  EXPECT_EQ(Text(), u"01/12/2026");
  SYSTEMTIME outside = Date(2027, 1, 1);
  EXPECT_FALSE(SendMessageW(picker_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&outside)));
  // A range set around a date outside it moves the date in.
  SYSTEMTIME later[2] = {Date(2027, 3, 1), Date(2027, 3, 31)};
  SendMessageW(picker_, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(later));
  EXPECT_EQ(Text(), u"01/03/2027");
}

TEST_F(DatePickerTest, F4DropsTheCalendarBelowThePicker) {
  EXPECT_EQ(Calendar(), nullptr);
  Press("F4");
  HWND calendar = Calendar();
  ASSERT_NE(calendar, nullptr);
  EXPECT_TRUE(IsWindowVisible(calendar));
  EXPECT_EQ(GetWindow(calendar, GW_OWNER), parent_);
  EXPECT_TRUE(GetWindowLongW(calendar, GWL_STYLE) & WS_POPUP);
  RECT picker, popup;
  GetWindowRect(picker_, &picker);
  GetWindowRect(calendar, &popup);
  EXPECT_EQ(popup.top, picker.bottom);
  EXPECT_EQ(popup.left, picker.left);
  EXPECT_EQ(Codes(), (std::vector<UINT>{DTN_DROPDOWN}));
  EXPECT_EQ(GetFocus(), picker_);
}

TEST_F(DatePickerTest, AltDownAndTheButtonDropTheCalendar) {
  Press("Alt+Down");
  EXPECT_NE(Calendar(), nullptr);
  Press("Escape");
  EXPECT_EQ(Calendar(), nullptr);
  RECT client;
  GetClientRect(picker_, &client);
  SendMessageW(picker_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right - 4, client.bottom / 2));
  EXPECT_NE(Calendar(), nullptr);
}

struct CalendarRow {
  const char* keys;
  const char16_t* text;
  std::vector<UINT> codes;
};

TEST_F(DatePickerTest, CalendarKeysNavigateEnterPicksEscapeCancels) {
  const std::vector<UINT> picked{DTN_DROPDOWN, DTN_DATETIMECHANGE, DTN_CLOSEUP};
  const std::vector<UINT> cancelled{DTN_DROPDOWN, DTN_CLOSEUP};
  const CalendarRow rows[] = {
      {"F4 Right Right Down Enter", u"16/12/2026", picked},
      {"F4 Left Up Enter", u"29/11/2026", picked},
      {"F4 PgDn Enter", u"07/01/2027", picked},
      {"F4 PgUp PgUp Enter", u"07/10/2026", picked},
      {"F4 End Enter", u"31/12/2026", picked},
      {"Alt+Down Down Enter", u"14/12/2026", picked},
      {"F4 Right Right Escape", u"07/12/2026", cancelled},
      {"F4 Enter", u"07/12/2026", cancelled},  // the same day: no change to tell
  };
  for (const CalendarRow& row : rows) {
    SCOPED_TRACE(row.keys);
    SYSTEMTIME start = Date(2026, 12, 7);
    SendMessageW(picker_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&start));
    notices_.clear();
    Press(row.keys);
    EXPECT_EQ(Text(), std::u16string(row.text));
    EXPECT_EQ(Codes(), row.codes);
    EXPECT_EQ(Calendar(), nullptr);
  }
}

TEST_F(DatePickerTest, ClickOnTheTodayLinePicksToday) {
  SYSTEMTIME start = Date(2025, 3, 15);
  SendMessageW(picker_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&start));
  Press("F4");
  HWND calendar = Calendar();
  ASSERT_NE(calendar, nullptr);
  RECT popup;
  GetWindowRect(calendar, &popup);
  // The click arrives at the picker, which holds the capture, and goes on to the calendar.
  POINT at{popup.left + 40, popup.bottom - 8};
  ScreenToClient(picker_, &at);
  notices_.clear();
  SendMessageW(picker_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  SYSTEMTIME today{};
  GetLocalTime(&today);
  SYSTEMTIME value = Value();
  EXPECT_EQ(value.wDay, today.wDay);
  EXPECT_EQ(value.wMonth, today.wMonth);
  EXPECT_EQ(Codes(), (std::vector<UINT>{DTN_DATETIMECHANGE, DTN_CLOSEUP}));
  EXPECT_FALSE(IsWindow(calendar));
}

TEST_F(DatePickerTest, ClickElsewhereOrLosingFocusClosesKeepingTheDate) {
  Press("F4 Right");
  SendMessageW(picker_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(-40), static_cast<WORD>(-40)));
  EXPECT_EQ(Calendar(), nullptr);
  EXPECT_EQ(Text(), u"07/12/2026");
  Press("F4 Right");
  HWND other = Control(u"SysDateTimePick32", parent_, 103, RECT{10, 100, 160, 122});
  SetFocus(other);
  EXPECT_EQ(Calendar(), nullptr);
  EXPECT_EQ(Text(), u"07/12/2026");
}

TEST_F(DatePickerTest, ScriptedKeysReachThePicker) {
  UseScript("key Up\nkey Right\nkey Right\ntype 2031\nclose\n");
  SetFocus(picker_);
  notices_.clear();
  MSG msg;
  for (int i = 0; i < 1000 && IsWindow(parent_); ++i) {
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) break;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  ASSERT_FALSE(notices_.empty());
  EXPECT_EQ(notices_.back().code, DTN_DATETIMECHANGE);
  EXPECT_EQ(notices_.back().date.wDay, 8);
  EXPECT_EQ(notices_.back().date.wYear, 2031);
}

TEST_F(DatePickerTest, LongFormatNamesTheDayAndMonth) {
  setenv("LANG", "es_ES.UTF-8", 1);
  unsetenv("LC_ALL");
  unsetenv("LC_MESSAGES");
  HWND spanish = Control(DATETIMEPICK_CLASSW, parent_, 104, RECT{10, 40, 260, 62}, DTS_LONGDATEFORMAT);
  SYSTEMTIME date = Date(2026, 12, 7);
  SendMessageW(spanish, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&date));
  WCHAR text[64] = {};
  GetWindowTextW(spanish, text, 64);
  EXPECT_EQ(std::u16string(text), u"lunes, 7 de diciembre de 2026");
  setenv("LANG", "en_GB.UTF-8", 1);
  HWND english = Control(DATETIMEPICK_CLASSW, parent_, 105, RECT{10, 70, 260, 92}, DTS_LONGDATEFORMAT);
  SendMessageW(english, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&date));
  GetWindowTextW(english, text, 64);
  EXPECT_EQ(std::u16string(text), u"Monday, December 7, 2026");
  unsetenv("LANG");
}

}  // namespace

namespace {

TEST_F(DatePickerTest, PictureStringsShowTheDateTheirWay) {
  // Monday 7 December 2026, at 00:00 (the time of day DTM_SETSYSTEMTIME was given).
  struct Row {
    const char16_t* format;
    const char16_t* text;
  } rows[] = {
      {u"yyyy-MM-dd", u"2026-12-07"},
      {u"d/M/yy", u"7/12/26"},
      {u"dddd d 'de' MMMM", u"Monday 7 de December"},
      {u"ddd, MMM d", u"Mon, Dec 7"},
      {u"'It''s' yyyy", u"It's 2026"},
      {u"hh:mm tt", u"12:00 AM"},
  };
  for (const Row& row : rows) {
    ASSERT_TRUE(SendMessageW(picker_, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(row.format)));
    EXPECT_EQ(Text(), std::u16string(row.text)) << std::string(row.format, row.format + 3);
  }
  // The fields are the picture's: in yyyy-MM-dd the first is the year.
  SendMessageW(picker_, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(u"yyyy-MM-dd"));
  Press("Up");
  EXPECT_EQ(Text(), u"2027-12-07");
  Press("Right Down");
  EXPECT_EQ(Text(), u"2027-11-07");
  // Null goes back to the style's format; the ANSI form reads bytes.
  SendMessageW(picker_, DTM_SETFORMATW, 0, 0);
  EXPECT_EQ(Text(), u"07/11/2027");
  SendMessageW(picker_, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>("dd.MM.yyyy"));
  EXPECT_EQ(Text(), u"07.11.2027");
}

// A run of X is a callback field: the parent sizes it (DTN_FORMATQUERY), writes it
// (DTN_FORMAT, its own buffer or the one given) and takes its keys (DTN_WMKEYDOWN), moving
// the date by changing the one it is given. Left and Right still move between fields.
TEST_F(DatePickerTest, CallbackFieldsAreTheParentsToShowAndEdit) {
  std::vector<std::u16string> formats_asked;
  std::vector<int> keys;
  const WCHAR* const kOwnText = u"own";
  handler_ = [&, base = handler_](HWND window, UINT message, WPARAM wparam,
                                  LPARAM lparam) -> std::optional<LRESULT> {
    if (message != WM_NOTIFY) return base(window, message, wparam, lparam);
    auto* header = reinterpret_cast<NMHDR*>(lparam);
    if (header->code == DTN_FORMATQUERYW) {
      auto* query = reinterpret_cast<NMDATETIMEFORMATQUERYW*>(lparam);
      formats_asked.push_back(query->pszFormat);
      query->szMax = SIZE{40, 13};
    } else if (header->code == DTN_FORMATW) {
      auto* format = reinterpret_cast<NMDATETIMEFORMATW*>(lparam);
      if (std::u16string(format->pszFormat) == u"X") {
        format->pszDisplay = kOwnText;
      } else {  // "XX": the quarter of the year, in the buffer given
        const int quarter = (format->st.wMonth - 1) / 3 + 1;
        format->szDisplay[0] = u'Q';
        format->szDisplay[1] = static_cast<WCHAR>(u'0' + quarter);
        format->szDisplay[2] = 0;
      }
    } else if (header->code == DTN_WMKEYDOWNW) {
      auto* press = reinterpret_cast<NMDATETIMEWMKEYDOWNW*>(lparam);
      keys.push_back(press->nVirtKey);
      if (press->nVirtKey == VK_UP && std::u16string(press->pszFormat) == u"XX") {
        press->st.wMonth = static_cast<WORD>(press->st.wMonth + 3 > 12 ? press->st.wMonth - 9 : press->st.wMonth + 3);
        if (press->st.wMonth <= 3) ++press->st.wYear;
      }
    } else {
      return base(window, message, wparam, lparam);
    }
    return 0;
  };
  ASSERT_TRUE(SendMessageW(picker_, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(u"XX yyyy X")));
  EXPECT_EQ(Text(), u"Q4 2026 own");
  notices_.clear();
  Press("Up");  // the first field is the quarter: the parent moves the date a quarter on
  EXPECT_EQ(keys, (std::vector<int>{VK_UP}));
  EXPECT_EQ(Text(), u"Q1 2027 own");
  EXPECT_EQ(Value().wMonth, 3);
  EXPECT_EQ(Codes(), (std::vector<UINT>{DTN_DATETIMECHANGE}));
  Press("Down '7 Right Up");  // Down reaches the parent and changes nothing; digits do not
  EXPECT_EQ(keys, (std::vector<int>{VK_UP, VK_DOWN}));
  EXPECT_EQ(Text(), u"Q1 2028 own");  // the year field is the picker's own
  Press("Right Home");
  EXPECT_EQ(keys, (std::vector<int>{VK_UP, VK_DOWN, VK_HOME}));
  EXPECT_EQ(Codes().size(), 2u);
  // Painting sizes both fields by the parent's answer.
  RedrawWindow(picker_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_NE(std::find(formats_asked.begin(), formats_asked.end(), u"XX"), formats_asked.end());
  EXPECT_NE(std::find(formats_asked.begin(), formats_asked.end(), u"X"), formats_asked.end());
}

}  // namespace
