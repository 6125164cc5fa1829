// "SysMonthCal32": one month as a grid of six weeks under a title with the month, the year
// and arrows to the previous and next month; today is ringed and noted at the bottom, the
// selected day is highlighted. The date picker shows one as its drop-down.
//
// Keys: arrows move the selection by a day or a week, Page Up / Page Down by a month,
// Home / End to the month's first / last day; each move sends MCN_SELCHANGE. A click on a
// day selects it and sends MCN_SELCHANGE then MCN_SELECT; a click on the "today" line
// selects today. MCM_GETMONTHRANGE tells the month shown, MCM_HITTEST what is at a point.
// Notifications go to the parent, or to the window CCM_SETNOTIFYWINDOW names.
#include <array>

#include "platform/comctl/calendar_text.h"
#include "platform/comctl/control_base.h"
#include "platform/comctl/control_registrars.h"
#include "platform/comctl/paint_helpers.h"

namespace platform::comctl {
namespace {

struct Layout {
  int cell_width = 0;
  int cell_height = 0;
  RECT title{};
  RECT previous{};
  RECT next{};
  RECT weekdays{};
  RECT grid{};
  RECT today{};
  SIZE total{};
};

class MonthCalendar {
 public:
  explicit MonthCalendar(HWND window) : window_(window) {
    GetLocalTime(&today_);
    today_ = WithDayOfWeek(today_);
    selected_ = today_;
    shown_year_ = selected_.wYear;
    shown_month_ = selected_.wMonth;
    colors_ = {GetSysColor(COLOR_WINDOW),        GetSysColor(COLOR_WINDOWTEXT),
               GetSysColor(COLOR_ACTIVECAPTION), GetSysColor(COLOR_CAPTIONTEXT),
               GetSysColor(COLOR_WINDOW),        GetSysColor(COLOR_GRAYTEXT)};
  }
  void OnDestroy() {}

  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
      case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
      case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wparam);
        if (LOWORD(lparam)) InvalidateRect(window_, nullptr, TRUE);
        return 0;
      case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT:
      case WM_PRINTCLIENT: {
        PaintScope paint(window_, message == WM_PRINTCLIENT ? wparam : 0);
        Paint(paint.dc());
        return 0;
      }
      case WM_LBUTTONDOWN:
        OnClick(POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
        return 0;
      case WM_KEYDOWN:
        OnKey(static_cast<UINT>(wparam));
        return 0;
      case CCM_SETNOTIFYWINDOW: {
        HWND old = notify_;
        notify_ = reinterpret_cast<HWND>(wparam);
        return reinterpret_cast<LRESULT>(old);
      }
      case CCM_SETUNICODEFORMAT:
      case CCM_GETUNICODEFORMAT:
        return TRUE;
      case MCM_GETCURSEL:
        if (lparam == 0) return FALSE;
        *reinterpret_cast<SYSTEMTIME*>(lparam) = selected_;
        return TRUE;
      case MCM_SETCURSEL: {
        auto* date = reinterpret_cast<const SYSTEMTIME*>(lparam);
        if (date == nullptr || !IsValidDate(*date) || !InRange(*date)) return FALSE;
        selected_ = WithDayOfWeek(*date);
        shown_year_ = selected_.wYear;
        shown_month_ = selected_.wMonth;
        InvalidateRect(window_, nullptr, TRUE);
        return TRUE;
      }
      case MCM_GETTODAY:
        if (lparam == 0) return FALSE;
        *reinterpret_cast<SYSTEMTIME*>(lparam) = today_;
        return TRUE;
      case MCM_SETTODAY:
        if (lparam != 0 && IsValidDate(*reinterpret_cast<const SYSTEMTIME*>(lparam))) {
          today_ = WithDayOfWeek(*reinterpret_cast<const SYSTEMTIME*>(lparam));
          InvalidateRect(window_, nullptr, TRUE);
        }
        return 0;
      case MCM_SETCOLOR: {
        if (wparam >= colors_.size()) return static_cast<LRESULT>(CLR_INVALID);
        COLORREF old = colors_[wparam];
        colors_[wparam] = static_cast<COLORREF>(lparam);
        InvalidateRect(window_, nullptr, TRUE);
        return old;
      }
      case MCM_GETCOLOR:
        return wparam < colors_.size() ? colors_[wparam] : static_cast<LRESULT>(CLR_INVALID);
      case MCM_GETRANGE: {
        auto* out = reinterpret_cast<SYSTEMTIME*>(lparam);
        if (out != nullptr) {
          out[0] = range_min_;
          out[1] = range_max_;
        }
        return range_flags_;
      }
      case MCM_SETRANGE: {
        auto* in = reinterpret_cast<const SYSTEMTIME*>(lparam);
        if (in == nullptr) return FALSE;
        range_flags_ = static_cast<DWORD>(wparam) & (GDTR_MIN | GDTR_MAX);
        if (range_flags_ & GDTR_MIN) range_min_ = in[0];
        if (range_flags_ & GDTR_MAX) range_max_ = in[1];
        return TRUE;
      }
      case MCM_GETMINREQRECT: {
        auto* out = reinterpret_cast<RECT*>(lparam);
        if (out == nullptr) return FALSE;
        Layout layout = Measure();
        *out = RECT{0, 0, layout.total.cx, layout.total.cy};
        return TRUE;
      }
      case MCM_GETMONTHRANGE:
        return MonthRange(static_cast<DWORD>(wparam), reinterpret_cast<SYSTEMTIME*>(lparam));
      case MCM_HITTEST:
        return HitTest(reinterpret_cast<MCHITTESTINFO*>(lparam));
      case MCM_GETFIRSTDAYOFWEEK:
        return (names_.FirstDayOfWeek() + 6) % 7;  // LOCALE_IFIRSTDAYOFWEEK: 0 = Monday
      default:
        return DefWindowProcW(window_, message, wparam, lparam);
    }
  }

 private:
  bool InRange(const SYSTEMTIME& d) const {
    if ((range_flags_ & GDTR_MIN) && CompareDates(d, range_min_) < 0) return false;
    if ((range_flags_ & GDTR_MAX) && CompareDates(d, range_max_) > 0) return false;
    return true;
  }

  HFONT Font() const { return ControlFont(font_); }

  Layout Measure() const {
    Layout l;
    HDC dc = GetDC(window_);
    {
      FontScope scope(dc, Font());
      TEXTMETRICW tm{};
      GetTextMetricsW(dc, &tm);
      int widest = TextSize(dc, u"00").cx;
      for (int d = 0; d < 7; ++d) widest = std::max<int>(widest, TextSize(dc, names_.WeekdayShort(d)).cx);
      l.cell_width = widest + 8;
      l.cell_height = tm.tmHeight + 2;
    }
    ReleaseDC(window_, dc);
    const int margin = 4;
    const int width = 7 * l.cell_width;
    int y = 0;
    l.title = RECT{0, y, width + 2 * margin, y + l.cell_height + 10};
    int arrow = l.cell_height + 2;
    int arrow_top = (l.title.top + l.title.bottom - arrow) / 2;
    l.previous = RECT{margin, arrow_top, margin + arrow + 4, arrow_top + arrow};
    l.next = RECT{l.title.right - margin - arrow - 4, arrow_top, l.title.right - margin,
                  arrow_top + arrow};
    y = l.title.bottom + 2;
    l.weekdays = RECT{margin, y, margin + width, y + l.cell_height};
    y = l.weekdays.bottom + 2;  // a line under the day names
    l.grid = RECT{margin, y, margin + width, y + 6 * l.cell_height};
    y = l.grid.bottom + 2;
    l.today = RECT{margin, y, margin + width, y + l.cell_height + 2};
    l.total = SIZE{l.title.right, l.today.bottom + 3};
    return l;
  }

  // The shown month (GMR_VISIBLE), or every day of the grid (GMR_DAYSTATE): answers the
  // number of months concerned.
  LRESULT MonthRange(DWORD which, SYSTEMTIME* range) const {
    SYSTEMTIME first = CellDate(0, 0), last = CellDate(5, 6);
    if (which == GMR_VISIBLE) {
      first = SYSTEMTIME{};
      first.wYear = static_cast<WORD>(shown_year_);
      first.wMonth = static_cast<WORD>(shown_month_);
      first.wDay = 1;
      first = WithDayOfWeek(first);
      last = first;
      last.wDay = static_cast<WORD>(DaysInMonth(shown_year_, shown_month_));
      last = WithDayOfWeek(last);
    }
    if (range != nullptr) {
      range[0] = first;
      range[1] = last;
    }
    return (last.wYear * 12 + last.wMonth) - (first.wYear * 12 + first.wMonth) + 1;
  }

  LRESULT HitTest(MCHITTESTINFO* info) const {
    if (info == nullptr || info->cbSize < sizeof(MCHITTESTINFO)) return -1;
    Layout l = Measure();
    POINT p = info->pt;
    info->st = SYSTEMTIME{};
    if (PtInRect(&l.previous, p)) return info->uHit = MCHT_TITLEBTNPREV;
    if (PtInRect(&l.next, p)) return info->uHit = MCHT_TITLEBTNNEXT;
    if (PtInRect(&l.title, p)) return info->uHit = MCHT_TITLEBK;
    if (PtInRect(&l.weekdays, p)) return info->uHit = MCHT_CALENDARDAY;
    if (PtInRect(&l.grid, p)) {
      SYSTEMTIME d =
          CellDate((p.y - l.grid.top) / l.cell_height, (p.x - l.grid.left) / l.cell_width);
      info->st = d;
      UINT hit = MCHT_CALENDARDATE;
      if (d.wMonth != shown_month_) {
        bool before = d.wYear < shown_year_ || (d.wYear == shown_year_ && d.wMonth < shown_month_);
        hit = before ? MCHT_CALENDARDATEPREV : MCHT_CALENDARDATENEXT;
      }
      return info->uHit = hit;
    }
    if (PtInRect(&l.today, p)) {
      info->st = today_;
      return info->uHit = MCHT_TODAYLINK;
    }
    return info->uHit = MCHT_NOWHERE;
  }

  // The date in grid cell (row, column) of the shown month; days of the neighbouring
  // months fill the first and last weeks.
  SYSTEMTIME CellDate(int row, int column) const {
    SYSTEMTIME first{};
    first.wYear = static_cast<WORD>(shown_year_);
    first.wMonth = static_cast<WORD>(shown_month_);
    first.wDay = 1;
    int lead = (DayOfWeek(shown_year_, shown_month_, 1) - names_.FirstDayOfWeek() + 7) % 7;
    if (lead == 0) lead = 7;  // a whole week of the previous month on top, as Windows shows
    return AddDays(first, row * 7 + column - lead);
  }

  RECT CellRect(const Layout& l, int row, int column) const {
    int x = l.grid.left + column * l.cell_width;
    int y = l.grid.top + row * l.cell_height;
    return RECT{x, y, x + l.cell_width, y + l.cell_height};
  }

  void Paint(HDC dc) {
    Layout l = Measure();
    FontScope scope(dc, Font());
    RECT client;
    GetClientRect(window_, &client);
    FillColor(dc, client, colors_[MCSC_MONTHBK]);

    // Title: the month and year between two arrow buttons.
    FillColor(dc, l.title, colors_[MCSC_TITLEBK]);
    DrawLabel(dc, names_.MonthTitle(shown_year_, shown_month_), l.title,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, colors_[MCSC_TITLETEXT]);
    RECT previous = l.previous, next = l.next;
    DrawFrameControl(dc, &previous, DFC_SCROLL, DFCS_SCROLLLEFT);
    DrawFrameControl(dc, &next, DFC_SCROLL, DFCS_SCROLLRIGHT);

    // Day names and the line beneath them.
    for (int c = 0; c < 7; ++c) {
      RECT cell{l.weekdays.left + c * l.cell_width, l.weekdays.top,
                l.weekdays.left + (c + 1) * l.cell_width, l.weekdays.bottom};
      DrawLabel(dc, names_.WeekdayShort((names_.FirstDayOfWeek() + c) % 7), cell,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, colors_[MCSC_TITLEBK]);
    }
    Line(dc, l.weekdays.left, l.weekdays.bottom, l.weekdays.right, l.weekdays.bottom,
         colors_[MCSC_TRAILINGTEXT]);

    // The six weeks.
    for (int r = 0; r < 6; ++r) {
      for (int c = 0; c < 7; ++c) {
        SYSTEMTIME d = CellDate(r, c);
        RECT cell = CellRect(l, r, c);
        bool in_month = d.wMonth == shown_month_;
        COLORREF ink = in_month ? colors_[MCSC_TEXT] : colors_[MCSC_TRAILINGTEXT];
        if (CompareDates(d, selected_) == 0) {
          RECT mark = cell;
          InflateRect(&mark, -1, 0);
          FillRect(dc, &mark, GetSysColorBrush(COLOR_HIGHLIGHT));
          ink = GetSysColor(COLOR_HIGHLIGHTTEXT);
        }
        if (!InRange(d)) ink = colors_[MCSC_TRAILINGTEXT];
        std::u16string number = d.wDay >= 10 ? std::u16string{char16_t(u'0' + d.wDay / 10),
                                                               char16_t(u'0' + d.wDay % 10)}
                                             : std::u16string{char16_t(u'0' + d.wDay)};
        DrawLabel(dc, number, cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE, ink);
        if (CompareDates(d, today_) == 0) RingToday(dc, cell);
      }
    }

    // "Hoy: 07/12/2026" with its ring.
    RECT ring{l.today.left + 4, l.today.top + 1, l.today.left + 4 + l.cell_width,
              l.today.bottom - 1};
    RingToday(dc, ring);
    RECT label = l.today;
    label.left = ring.right + 4;
    HFONT bold = BoldFont();
    {
      FontScope bold_scope(dc, bold);
      DrawLabel(dc, names_.TodayLabel() + u" " + ShortDateText(today_), label,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, colors_[MCSC_TEXT]);
    }
    DeleteObject(bold);
  }

  HFONT BoldFont() const {
    LOGFONTW lf{};
    GetObjectW(Font(), sizeof lf, &lf);
    lf.lfWeight = FW_BOLD;
    return CreateFontIndirectW(&lf);
  }

  static void RingToday(HDC dc, const RECT& cell) {
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HGDIOBJ old_pen = SelectObject(dc, pen);
    HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, cell.left, cell.top, cell.right, cell.bottom, 6, 6);
    SelectObject(dc, old_brush);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
  }

  void Select(SYSTEMTIME date, bool pick) {
    if (!InRange(date)) return;
    bool changed = CompareDates(date, selected_) != 0;
    date.wHour = selected_.wHour;
    date.wMinute = selected_.wMinute;
    date.wSecond = selected_.wSecond;
    date.wMilliseconds = selected_.wMilliseconds;
    selected_ = WithDayOfWeek(date);
    shown_year_ = selected_.wYear;
    shown_month_ = selected_.wMonth;
    InvalidateRect(window_, nullptr, TRUE);
    HWND self = window_;
    if (changed) Notify(MCN_SELCHANGE);
    if (pick && IsWindow(self)) Notify(MCN_SELECT);
  }

  void Notify(UINT code) {
    NMSELCHANGE change{};
    change.stSelStart = selected_;
    change.stSelEnd = selected_;
    SendNotify(window_, code, &change.nmhdr, notify_);
  }

  void ShowMonth(int delta) {
    SYSTEMTIME shown{};
    shown.wYear = static_cast<WORD>(shown_year_);
    shown.wMonth = static_cast<WORD>(shown_month_);
    shown.wDay = 1;
    shown = AddMonths(shown, delta);
    if (shown.wYear < 1601 || shown.wYear > 9999) return;
    shown_year_ = shown.wYear;
    shown_month_ = shown.wMonth;
    InvalidateRect(window_, nullptr, TRUE);
  }

  void OnClick(POINT p) {
    Layout l = Measure();
    if (PtInRect(&l.previous, p)) return ShowMonth(-1);
    if (PtInRect(&l.next, p)) return ShowMonth(+1);
    if (PtInRect(&l.grid, p)) {
      int row = (p.y - l.grid.top) / l.cell_height;
      int column = (p.x - l.grid.left) / l.cell_width;
      return Select(CellDate(row, column), true);
    }
    if (PtInRect(&l.today, p)) return Select(today_, true);
  }

  void OnKey(UINT key) {
    switch (key) {
      case VK_LEFT: return Select(AddDays(selected_, -1), false);
      case VK_RIGHT: return Select(AddDays(selected_, 1), false);
      case VK_UP: return Select(AddDays(selected_, -7), false);
      case VK_DOWN: return Select(AddDays(selected_, 7), false);
      case VK_PRIOR: return Select(AddMonths(selected_, -1), false);
      case VK_NEXT: return Select(AddMonths(selected_, 1), false);
      case VK_HOME: {
        SYSTEMTIME d = selected_;
        d.wDay = 1;
        return Select(d, false);
      }
      case VK_END: {
        SYSTEMTIME d = selected_;
        d.wDay = static_cast<WORD>(DaysInMonth(d.wYear, d.wMonth));
        return Select(d, false);
      }
      default:
        return;
    }
  }

  HWND window_;
  HWND notify_ = nullptr;
  HFONT font_ = nullptr;
  CalendarNames names_ = UserCalendarNames();
  SYSTEMTIME today_{};
  SYSTEMTIME selected_{};
  int shown_year_ = 0;
  int shown_month_ = 0;
  DWORD range_flags_ = 0;
  SYSTEMTIME range_min_{};
  SYSTEMTIME range_max_{};
  std::array<COLORREF, 6> colors_{};
};

}  // namespace

bool RegisterMonthCalendar() {
  return RegisterControlClass(ICC_DATE_CLASSES, MONTHCAL_CLASSW,
                              StatefulProcedure<MonthCalendar>);
}

}  // namespace platform::comctl
