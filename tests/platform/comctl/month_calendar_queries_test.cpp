// What a month calendar answers about itself: the month it shows (MCM_GETMONTHRANGE) and
// what lies at a point (MCM_HITTEST), read back against its own layout.
#include <gtest/gtest.h>

#include "tests/platform/comctl/comctl_test_fixture.h"

namespace {

class MonthCalendarQueries : public CommonControlTest {
 protected:
  void SetUp() override {
    CommonControlTest::SetUp();
    Init(ICC_DATE_CLASSES);
    Parent();
    calendar_ = Control(MONTHCAL_CLASSW, parent_, 5, RECT{0, 0, 220, 200});
    SYSTEMTIME day{};
    day.wYear = 2026;
    day.wMonth = 12;
    day.wDay = 7;
    SendMessageW(calendar_, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&day));
    SendMessageW(calendar_, MCM_SETTODAY, 0, reinterpret_cast<LPARAM>(&day));
  }
  MCHITTESTINFO Hit(LONG x, LONG y) {
    MCHITTESTINFO hit{};
    hit.cbSize = sizeof hit;
    hit.pt = POINT{x, y};
    SendMessageW(calendar_, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    return hit;
  }
  HWND calendar_ = nullptr;
};

TEST_F(MonthCalendarQueries, TheShownMonthAndTheDaysOnShow) {
  SYSTEMTIME range[2] = {};
  EXPECT_EQ(SendMessageW(calendar_, MCM_GETMONTHRANGE, GMR_VISIBLE, reinterpret_cast<LPARAM>(range)), 1);
  EXPECT_EQ(range[0].wDay, 1);
  EXPECT_EQ(range[0].wMonth, 12);
  EXPECT_EQ(range[1].wDay, 31);
  EXPECT_EQ(range[1].wDayOfWeek, 4);  // Thursday 31 December 2026
  // The grid reaches into November and January: three months.
  EXPECT_EQ(SendMessageW(calendar_, MCM_GETMONTHRANGE, GMR_DAYSTATE, reinterpret_cast<LPARAM>(range)), 3);
  EXPECT_EQ(range[0].wMonth, 11);
  EXPECT_EQ(range[1].wMonth, 1);
  EXPECT_EQ(range[1].wYear, 2027);
  EXPECT_EQ(SendMessageW(calendar_, MCM_GETMONTHRANGE, GMR_VISIBLE, 0), 1);  // no array: the count
}

TEST_F(MonthCalendarQueries, HitTestsNameEveryPart) {
  RECT size{};
  SendMessageW(calendar_, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&size));
  // Walk down the middle column: title, day names, six weeks (all one weekday), today line.
  std::vector<UINT> parts;
  std::vector<int> days;
  for (LONG y = 0; y < size.bottom; ++y) {
    MCHITTESTINFO hit = Hit(size.right / 2, y);
    if (parts.empty() || parts.back() != hit.uHit || (hit.uHit & MCHT_CALENDARDATE) == MCHT_CALENDARDATE) {
      if ((hit.uHit & MCHT_CALENDARDATE) == MCHT_CALENDARDATE) {
        if (days.empty() || days.back() != hit.st.wDay) days.push_back(hit.st.wDay);
        if (!parts.empty() && parts.back() == hit.uHit) continue;
      }
      parts.push_back(hit.uHit);
    }
  }
  ASSERT_GE(parts.size(), 4u);
  EXPECT_EQ(parts.front(), MCHT_TITLEBK);
  EXPECT_NE(std::find(parts.begin(), parts.end(), MCHT_CALENDARDAY), parts.end());
  EXPECT_NE(std::find(parts.begin(), parts.end(), MCHT_TODAYLINK), parts.end());
  // Thursdays down the grid (weeks start on Monday in Spanish, Sunday in English): each a
  // week after the one above.
  ASSERT_EQ(days.size(), 6u);
  for (std::size_t i = 1; i < days.size(); ++i) {
    EXPECT_TRUE(days[i] == days[i - 1] + 7 || days[i] < days[i - 1]) << i;
  }
  // The arrows on either side of the title, and nothing outside.
  EXPECT_EQ(Hit(8, 10).uHit, MCHT_TITLEBTNPREV);
  EXPECT_EQ(Hit(size.right - 8, 10).uHit, MCHT_TITLEBTNNEXT);
  EXPECT_EQ(Hit(size.right + 5, size.bottom + 5).uHit, MCHT_NOWHERE);
  MCHITTESTINFO small{};
  small.cbSize = 4;  // too small for the answer
  EXPECT_EQ(SendMessageW(calendar_, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&small)), -1);
}

}  // namespace
