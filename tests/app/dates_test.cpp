#include "app/dates.h"

#include <gtest/gtest.h>

#include "app/program_state.h"

namespace {

using runtime::DynString;
using runtime::ErrorState;

DynString Text(const std::string& s) {
  ErrorState errors;
  return DynString::Copy(errors, s);
}

TEST(FormatToday, RearrangesMonthFirstIntoDayFirst) {
  struct Case {
    const char* month_first;
    const char* day_first;
  } cases[] = {
      {"12-05-2026", "05/12/2026"},
      {"01-09-2027", "09/01/2027"},
      {"1 -2 -2026", "2/1/2026"},  // blanks are removed from the result
  };
  for (const Case& c : cases) {
    app::ProgramState program;
    DynString result = app::FormatToday(program, Text(c.month_first), Text("/"));
    EXPECT_EQ(result.view(), c.day_first) << c.month_first;
  }
  app::ProgramState program;
  app::FormatToday(program, Text("12-05-2026"), Text("/"));
  EXPECT_EQ(program.day_part.view(), "05");
  EXPECT_EQ(program.month_part.view(), "12");
  EXPECT_EQ(program.year_part.view(), "2026");
}

TEST(DaysSinceStart, CountsWholeDaysBetweenTwoDayFirstTexts) {
  struct Case {
    const char* start;
    const char* today;
    int count;
  } cases[] = {
      {"05/12/2026", "05/12/2026", 0},
      {"01/12/2026", "05/12/2026", 4},
      {"29/02/2024", "01/03/2024", 1},
      {"10/12/2026", "05/12/2026", 5},        // the future counts the same distance
      {"31/12/2024", "01/01/2025", 1},
      {"01/01/1601", "01/01/1970", 134774},   // day numbers start on 1 January 1601
      {"31/02/2024", "05/12/2026", 155566},   // not a day: day number 0
      {"", "05/12/2026", 155566},             // an empty log's start
      {"2026-12-05", "05/12/2026", 155566},   // another order of fields is not a date
      {"5/12/2026", "05/12/2026", 303},       // read by position: 5 February 2026
      {"01.12.2026", "05/12/2026", 4},         // any separator
      {"01/12/1600", "05/12/2026", 155566},   // before 1601 does not convert
  };
  for (const Case& c : cases) {
    EXPECT_EQ(app::DaysSinceStart(Text(c.start), Text(c.today)), c.count) << c.start;
  }
}

TEST(DayDifference, IsTheAbsoluteDifferenceOfDayNumbers) {
  SYSTEMTIME a{2026, 12, 0, 5, 0, 0, 0, 0};
  SYSTEMTIME b{2026, 12, 0, 1, 0, 0, 0, 0};
  SYSTEMTIME invalid{2026, 13, 0, 1, 0, 0, 0, 0};
  EXPECT_EQ(app::DayDifference(a, b), 4);
  EXPECT_EQ(app::DayDifference(b, a), 4);
  EXPECT_EQ(app::DayDifference(invalid, a), 155566);
  EXPECT_EQ(app::DayDifference(invalid, invalid), 0);
}

TEST(ReadDateText, ReadsFieldsByPosition) {
  runtime::RoutineFrame frame;
  SYSTEMTIME t = app::ReadDateText(frame, Text("05/12/2026"));
  EXPECT_EQ(t.wDay, 5);
  EXPECT_EQ(t.wMonth, 12);
  EXPECT_EQ(t.wYear, 2026);
  EXPECT_EQ(t.wHour, 0);
  EXPECT_EQ(frame.strings.depth(), 0);
}

}  // namespace
