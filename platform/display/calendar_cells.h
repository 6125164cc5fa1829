// A month calendar drawn in cells: the month between arrows, the day names, six weeks
// and the "today" line, nine rows of seven three-cell days. What a cell of it stands for
// is answered too, so that a click there can be turned into a click on the control.
#pragma once

#include "platform/display/cell_canvas.h"
#include "platform/win32.h"

namespace platform {

// The cells the drawing takes.
constexpr int kCalendarColumns = 21;
constexpr int kCalendarRows = 9;

struct CalendarView {
  SYSTEMTIME selected{};
  SYSTEMTIME today{};
  int year = 2000;
  int month = 1;              // the month shown
  int first_day_of_week = 1;  // 0 Sunday .. 6 Saturday
  bool spanish = true;
};

// What the calendar control says of itself (MCM_GETCURSEL, MCM_GETTODAY, the shown month,
// MCM_GETFIRSTDAYOFWEEK).
CalendarView ReadCalendar(HWND calendar);

void PaintCalendar(CellCanvas& canvas, const CellRect& area, const CalendarView& view,
                   bool focused);

enum class CalendarSpotKind { kNothing, kPrevious, kNext, kDay, kToday };
struct CalendarSpot {
  CalendarSpotKind kind = CalendarSpotKind::kNothing;
  SYSTEMTIME date{};
};
CalendarSpot CalendarSpotAt(const CellRect& area, const CalendarView& view, int column, int row);

// Where on the control (client coordinates) that spot is, found with MCM_HITTEST; false
// when no point of it answers so.
bool FindCalendarPoint(HWND calendar, const CalendarSpot& spot, POINT* point);

}  // namespace platform
