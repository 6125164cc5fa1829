#include "platform/display/calendar_cells.h"

#include <algorithm>
#include <string>

#include "platform/comctl/calendar_text.h"

namespace platform {
namespace {

constexpr int kRows = kCalendarRows;
constexpr int kDayWidth = 3;
constexpr int kWidth = kCalendarColumns;
static_assert(kWidth == 7 * kDayWidth);

// The calendar's block, centred across the area, at its top.
CellRect Block(const CellRect& area) {
  int left = area.left + std::max(0, (area.width() - kWidth) / 2);
  return CellRect{left, area.top, left + kWidth, area.top + kRows};
}

int Days(const SYSTEMTIME& d) {
  return d.wYear * 400 + d.wMonth * 32 + d.wDay;
}
bool SameDay(const SYSTEMTIME& a, const SYSTEMTIME& b) {
  return Days(a) == Days(b);
}

// The date in a grid cell: the first week holds the days before the 1st (a whole week
// when the month starts on the first day), as the control shows it.
SYSTEMTIME CellDate(const CalendarView& view, int week, int day) {
  SYSTEMTIME first{};
  first.wYear = static_cast<WORD>(view.year);
  first.wMonth = static_cast<WORD>(view.month);
  first.wDay = 1;
  int lead = (comctl::DayOfWeek(view.year, view.month, 1) - view.first_day_of_week + 7) % 7;
  if (lead == 0) lead = 7;
  return comctl::AddDays(first, week * 7 + day - lead);
}

std::u32string Number(int n) {
  std::u32string out;
  for (char c : std::to_string(n)) out += static_cast<char32_t>(c);
  return out;
}

std::u32string ShortDate(const SYSTEMTIME& d) {
  std::u32string out;
  auto two = [&](int n) {
    out += static_cast<char32_t>(U'0' + n / 10 % 10);
    out += static_cast<char32_t>(U'0' + n % 10);
  };
  two(d.wDay);
  out += U'/';
  two(d.wMonth);
  out += U'/';
  out += Number(d.wYear);
  return out;
}

}  // namespace

CalendarView ReadCalendar(HWND calendar) {
  CalendarView view;
  SendMessageW(calendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&view.selected));
  SendMessageW(calendar, MCM_GETTODAY, 0, reinterpret_cast<LPARAM>(&view.today));
  SYSTEMTIME range[2] = {};
  if (SendMessageW(calendar, MCM_GETMONTHRANGE, GMR_VISIBLE, reinterpret_cast<LPARAM>(range)) > 0 &&
      range[0].wMonth >= 1 && range[0].wMonth <= 12) {
    view.year = range[0].wYear;
    view.month = range[0].wMonth;
  } else {
    view.year = view.selected.wYear;
    view.month = std::clamp<int>(view.selected.wMonth, 1, 12);
  }
  // LOCALE_IFIRSTDAYOFWEEK numbering: 0 is Monday.
  LRESULT first = SendMessageW(calendar, MCM_GETFIRSTDAYOFWEEK, 0, 0);
  view.first_day_of_week = static_cast<int>((LOWORD(first) + 1) % 7);
  view.spanish = comctl::UserCalendarNames().spanish;
  return view;
}

void PaintCalendar(CellCanvas& canvas, const CellRect& area, const CalendarView& view,
                   bool focused) {
  comctl::CalendarNames names;
  names.spanish = view.spanish;
  CellRect block = Block(area);
  canvas.Fill(area, CellStyle::kField);
  const CellGlyphs& g = canvas.glyphs();
  // The title bar: month and year between the arrows.
  CellRect title{area.left, block.top, area.right, block.top + 1};
  canvas.Fill(title, CellStyle::kCaption);
  canvas.Put(block.left, block.top, g.left_arrow, CellStyle::kCaption);
  canvas.Put(block.right - 1, block.top, g.right_arrow, CellStyle::kCaption);
  std::u32string month = Utf32FromUtf16(names.MonthTitle(view.year, view.month));
  int room = kWidth - 4;
  int shown = std::min<int>(room, static_cast<int>(month.size()));
  canvas.Text(block.left + 2 + (room - shown) / 2, block.top, month, CellStyle::kCaption, shown);
  for (int day = 0; day < 7; ++day) {
    std::u32string name = Utf32FromUtf16(names.WeekdayShort((view.first_day_of_week + day) % 7));
    canvas.Text(block.left + day * kDayWidth + 1, block.top + 1, name, CellStyle::kField, 2);
  }
  for (int week = 0; week < 6; ++week) {
    for (int day = 0; day < 7; ++day) {
      SYSTEMTIME date = CellDate(view, week, day);
      CellStyle style = date.wMonth == view.month ? CellStyle::kField : CellStyle::kDisabled;
      if (SameDay(date, view.today)) style = CellStyle::kToday;
      if (SameDay(date, view.selected)) style = focused ? CellStyle::kFocus : CellStyle::kSelected;
      std::u32string number = Number(date.wDay);
      int column = block.left + day * kDayWidth;
      int row = block.top + 2 + week;
      canvas.Put(column, row, U' ', style);
      if (number.size() < 2) canvas.Put(column + 1, row, U' ', style);
      canvas.Text(column + 3 - static_cast<int>(number.size()), row, number, style);
    }
  }
  std::u32string today = Utf32FromUtf16(names.TodayLabel()) + U" " + ShortDate(view.today);
  canvas.Text(block.left + 1, block.top + 8, today, CellStyle::kField,
              std::max(0, area.right - block.left - 1));
}

CalendarSpot CalendarSpotAt(const CellRect& area, const CalendarView& view, int column, int row) {
  CellRect block = Block(area);
  CalendarSpot spot;
  if (!area.Contains(column, row)) return spot;
  int r = row - block.top;
  if (r == 0 && column <= block.left + 1) spot.kind = CalendarSpotKind::kPrevious;
  if (r == 0 && column >= block.right - 2) spot.kind = CalendarSpotKind::kNext;
  if (r >= 2 && r < 8 && column >= block.left && column < block.right) {
    spot.kind = CalendarSpotKind::kDay;
    spot.date = CellDate(view, r - 2, (column - block.left) / kDayWidth);
  }
  if (r == 8) {
    spot.kind = CalendarSpotKind::kToday;
    spot.date = view.today;
  }
  return spot;
}

bool FindCalendarPoint(HWND calendar, const CalendarSpot& spot, POINT* point) {
  if (spot.kind == CalendarSpotKind::kNothing) return false;
  RECT client{};
  GetClientRect(calendar, &client);
  auto answers = [&](LONG x, LONG y) {
    MCHITTESTINFO hit{};
    hit.cbSize = sizeof hit;
    hit.pt = POINT{x, y};
    SendMessageW(calendar, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    switch (spot.kind) {
      case CalendarSpotKind::kPrevious:
        return hit.uHit == MCHT_TITLEBTNPREV;
      case CalendarSpotKind::kNext:
        return hit.uHit == MCHT_TITLEBTNNEXT;
      case CalendarSpotKind::kDay:
        return (hit.uHit & MCHT_CALENDARDATE) == MCHT_CALENDARDATE && (hit.uHit & 0xFFFF) == 1 &&
               SameDay(hit.st, spot.date);
      case CalendarSpotKind::kToday:
        return hit.uHit == MCHT_TODAYLINK;
      case CalendarSpotKind::kNothing:
        break;
    }
    return false;
  };
  // The control's parts are a line of text high and two digits wide at the least: a
  // 4-pixel sieve finds them; the click goes to the middle of the part found.
  for (LONG y = client.top + 2; y < client.bottom; y += 4) {
    for (LONG x = client.left + 2; x < client.right; x += 4) {
      if (!answers(x, y)) continue;
      LONG left = x, right = x, top = y, bottom = y;
      while (left > client.left && answers(left - 1, y)) --left;
      while (right + 1 < client.right && answers(right + 1, y)) ++right;
      LONG middle = (left + right) / 2;
      while (top > client.top && answers(middle, top - 1)) --top;
      while (bottom + 1 < client.bottom && answers(middle, bottom + 1)) ++bottom;
      *point = POINT{middle, (top + bottom) / 2};
      return true;
    }
  }
  return false;
}

}  // namespace platform
