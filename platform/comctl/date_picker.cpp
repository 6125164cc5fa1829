// "SysDateTimePick32": a sunken field showing a date (dd/MM/yyyy, or the long form with
// DTS_LONGDATEFORMAT, or the picture string DTM_SETFORMAT gives) whose day, month and year
// are fields the keyboard selects and edits, with a drop-down month calendar (or an
// up-down with DTS_UPDOWN).
//
// The window text is always the displayed date. Keys: Left/Right (and '/', '-', '.') move
// between fields, wrapping; Up/Down step the field, wrapping within it, the day clamped to
// the month's length; Home/End go to the field's first/last value; digits are typed into
// the field (two for day and month, four for the year; a two-digit year is read as
// 1950-2049 when the field is left). F4, Alt+Down and a click on the button drop the
// calendar down. Every change the user makes sends DTN_DATETIMECHANGE; changes made with
// DTM_SETSYSTEMTIME do not, as in Windows.
//
// While the calendar is down the picker keeps the focus and the mouse capture: keys go to
// the calendar, Enter or a click on a day picks (DTN_DATETIMECHANGE, then DTN_CLOSEUP),
// Escape, a click elsewhere or losing the focus close it and keep the old date.
#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "platform/comctl/calendar_text.h"
#include "platform/comctl/control_base.h"
#include "platform/comctl/control_registrars.h"
#include "platform/comctl/paint_helpers.h"

namespace platform::comctl {
namespace {

constexpr int kMargin = 2;

class DatePicker {
 public:
  explicit DatePicker(HWND window) : window_(window) {}
  void OnDestroy() {}

  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
      case WM_CREATE:
        GetLocalTime(&value_);
        value_ = WithDayOfWeek(value_);
        style_ = static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE));
        UpdateText();
        return 0;
      case WM_STYLECHANGED:
        style_ = static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE));
        UpdateText();
        return 0;
      case WM_GETDLGCODE:
        // While the calendar is down, Enter and Escape belong to it, not to the dialog.
        return DLGC_WANTARROWS | DLGC_WANTCHARS | (calendar_ ? DLGC_WANTALLKEYS : 0);
      case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wparam);
        if (LOWORD(lparam)) InvalidateRect(window_, nullptr, TRUE);
        return 0;
      case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
      case WM_SETTEXT:
        return SetFromText(lparam);
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT:
      case WM_PRINTCLIENT: {
        PaintScope paint(window_, message == WM_PRINTCLIENT ? wparam : 0);
        Paint(paint.dc());
        return 0;
      }
      case WM_ENABLE:
        InvalidateRect(window_, nullptr, TRUE);
        return 0;
      case WM_SETFOCUS:
        focused_ = true;
        ResetTyping();
        InvalidateRect(window_, nullptr, TRUE);
        return 0;
      case WM_KILLFOCUS:
        CommitTyping();
        focused_ = false;
        CloseUp(false);
        InvalidateRect(window_, nullptr, TRUE);
        return 0;
      case WM_KEYDOWN:
        OnKey(static_cast<UINT>(wparam));
        return 0;
      case WM_SYSKEYDOWN:
        if ((wparam == VK_DOWN || wparam == VK_UP) && (lparam & (1 << 29))) {
          calendar_ ? CloseUp(true) : DropDown();
          return 0;
        }
        return DefWindowProcW(window_, message, wparam, lparam);
      case WM_CHAR:
        OnChar(static_cast<WCHAR>(wparam));
        return 0;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        OnClick(POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
        return 0;
      case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lparam) != window_) CloseUp(false);
        return 0;
      case WM_NOTIFY:
        return OnCalendarNotify(reinterpret_cast<NMHDR*>(lparam));
      case CCM_SETUNICODEFORMAT:
      case CCM_GETUNICODEFORMAT:
        return TRUE;
      case DTM_GETSYSTEMTIME: {
        auto* out = reinterpret_cast<SYSTEMTIME*>(lparam);
        if (out == nullptr) return static_cast<LRESULT>(GDT_ERROR);
        if (!has_value_) return GDT_NONE;
        *out = value_;
        return GDT_VALID;
      }
      case DTM_SETSYSTEMTIME:
        return SetSystemTime(static_cast<DWORD>(wparam),
                             reinterpret_cast<const SYSTEMTIME*>(lparam));
      case DTM_GETRANGE: {
        auto* out = reinterpret_cast<SYSTEMTIME*>(lparam);
        if (out == nullptr) return 0;
        out[0] = (range_flags_ & GDTR_MIN) ? range_min_ : SYSTEMTIME{};
        out[1] = (range_flags_ & GDTR_MAX) ? range_max_ : SYSTEMTIME{};
        return range_flags_;
      }
      case DTM_SETRANGE:
        return SetRange(static_cast<DWORD>(wparam), reinterpret_cast<const SYSTEMTIME*>(lparam));
      case DTM_GETMONTHCAL:
        return reinterpret_cast<LRESULT>(calendar_);
      case DTM_CLOSEMONTHCAL:
        CloseUp(false);
        return 0;
      case DTM_SETMCCOLOR: {
        if (wparam >= calendar_colors_.size()) return static_cast<LRESULT>(CLR_INVALID);
        COLORREF old = calendar_colors_[wparam];
        calendar_colors_[wparam] = static_cast<COLORREF>(lparam);
        if (calendar_) SendMessageW(calendar_, MCM_SETCOLOR, wparam, lparam);
        return old == CLR_DEFAULT ? static_cast<LRESULT>(CLR_INVALID) : old;
      }
      case DTM_GETMCCOLOR:
        return wparam < calendar_colors_.size() ? calendar_colors_[wparam]
                                                 : static_cast<LRESULT>(CLR_INVALID);
      case DTM_SETMCFONT:
        calendar_font_ = reinterpret_cast<HFONT>(wparam);
        return 0;
      case DTM_GETMCFONT:
        return reinterpret_cast<LRESULT>(calendar_font_);
      case DTM_SETFORMATW:
      case DTM_SETFORMATA:
        // A picture string replaces the style's format; null goes back to it.
        if (lparam == 0) {
          format_.reset();
        } else if (message == DTM_SETFORMATW) {
          format_ = std::u16string(reinterpret_cast<LPCWSTR>(lparam));
        } else {
          std::u16string wide;
          for (auto* p = reinterpret_cast<const unsigned char*>(lparam); *p != 0; ++p) wide += static_cast<char16_t>(*p);
          format_ = std::move(wide);
        }
        field_ = 0;
        typed_count_ = 0;
        UpdateText();
        return TRUE;
      default:
        return DefWindowProcW(window_, message, wparam, lparam);
    }
  }

 private:
  // --- value ------------------------------------------------------------------------
  bool InRange(const SYSTEMTIME& d) const {
    if ((range_flags_ & GDTR_MIN) && CompareDates(d, range_min_) < 0) return false;
    if ((range_flags_ & GDTR_MAX) && CompareDates(d, range_max_) > 0) return false;
    return true;
  }
  SYSTEMTIME Clamped(SYSTEMTIME d) const {
    d.wDay = static_cast<WORD>(std::min<int>(d.wDay, DaysInMonth(d.wYear, d.wMonth)));
    if ((range_flags_ & GDTR_MIN) && CompareDates(d, range_min_) < 0) d = range_min_;
    if ((range_flags_ & GDTR_MAX) && CompareDates(d, range_max_) > 0) d = range_max_;
    return WithDayOfWeek(d);
  }

  LRESULT SetSystemTime(DWORD flag, const SYSTEMTIME* date) {
    if (flag == GDT_NONE) {
      if ((style_ & DTS_SHOWNONE) == 0) return FALSE;
      has_value_ = false;
    } else if (flag == GDT_VALID) {
      if (date == nullptr || !IsValidDate(*date) || !InRange(*date)) return FALSE;
      value_ = WithDayOfWeek(*date);
      has_value_ = true;
    } else {
      return FALSE;
    }
    ResetTyping();
    UpdateText();
    return TRUE;
  }

  LRESULT SetRange(DWORD flags, const SYSTEMTIME* range) {
    if (range == nullptr) return FALSE;
    flags &= GDTR_MIN | GDTR_MAX;
    if ((flags & GDTR_MIN) && !IsValidDate(range[0])) return FALSE;
    if ((flags & GDTR_MAX) && !IsValidDate(range[1])) return FALSE;
    range_flags_ = flags;
    if (flags & GDTR_MIN) range_min_ = WithDayOfWeek(range[0]);
    if (flags & GDTR_MAX) range_max_ = WithDayOfWeek(range[1]);
    value_ = Clamped(value_);
    UpdateText();
    return TRUE;
  }

  // A change the user made: clamped, shown, and told to the parent.
  void ChangeByUser(SYSTEMTIME date) {
    SYSTEMTIME keep = value_;
    date.wHour = keep.wHour;
    date.wMinute = keep.wMinute;
    date.wSecond = keep.wSecond;
    date.wMilliseconds = keep.wMilliseconds;
    date = Clamped(date);
    bool changed = CompareDates(date, value_) != 0 || !has_value_;
    value_ = date;
    has_value_ = true;
    UpdateText();
    if (changed) NotifyChange();
  }

  void NotifyChange() {
    NMDATETIMECHANGE change{};
    change.dwFlags = has_value_ ? GDT_VALID : GDT_NONE;
    change.st = value_;
    SendNotify(window_, DTN_DATETIMECHANGE, &change.nmhdr);
  }

  LRESULT SetFromText(LPARAM lparam) {
    // The display is the text: a text that reads as dd/MM/yyyy sets the date; the
    // creation text and anything else are replaced by the display.
    auto* text = reinterpret_cast<const WCHAR*>(lparam);
    int d = 0, m = 0, y = 0;
    if (text != nullptr && ParseShortDate(text, d, m, y)) {
      SYSTEMTIME date = value_;
      date.wDay = static_cast<WORD>(d);
      date.wMonth = static_cast<WORD>(m);
      date.wYear = static_cast<WORD>(y);
      if (IsValidDate(date) && InRange(date)) {
        value_ = WithDayOfWeek(date);
        has_value_ = true;
      }
    }
    UpdateText();
    return TRUE;
  }

  static bool ParseShortDate(const WCHAR* text, int& d, int& m, int& y) {
    int* parts[] = {&d, &m, &y};
    int index = 0, digits = 0;
    for (const WCHAR* p = text;; ++p) {
      if (*p >= u'0' && *p <= u'9') {
        *parts[index] = *parts[index] * 10 + (*p - u'0');
        if (++digits > 4) return false;
      } else if (*p == u'/' || *p == 0) {
        if (digits == 0) return false;
        if (*p == 0) return index == 2;
        if (++index > 2) return false;
        digits = 0;
      } else {
        return false;
      }
    }
  }

  // --- display ----------------------------------------------------------------------
  // DTS_SHORTDATECENTURYFORMAT shares the long format's bit.
  bool LongFormat() const { return (style_ & DTS_SHORTDATECENTURYFORMAT) == DTS_LONGDATEFORMAT; }
  std::vector<DatePiece> BasePieces() const {
    if (format_) return FormatDatePieces(value_, *format_, names_);
    return LongFormat() ? LongDatePieces(value_, names_) : ShortDatePieces(value_);
  }
  // The pieces as shown: a year being typed shows its digits, callback fields the
  // parent's text.
  std::vector<DatePiece> Pieces() const {
    auto pieces = BasePieces();
    const bool typing_year = typed_count_ > 0 && CurrentField() == DateField::kYear;
    for (DatePiece& p : pieces) {
      if (p.field == DateField::kYear && typing_year) p.text = Digits(typed_value_, typed_count_);
      if (p.field == DateField::kCallback) p.text = CallbackText(p.callback);
    }
    return pieces;
  }

  // --- callback fields: the parent shows and edits them -------------------------------
  std::u16string CallbackText(const std::u16string& format) const {
    NMDATETIMEFORMATW ask{};
    ask.pszFormat = format.c_str();
    ask.st = value_;
    ask.pszDisplay = ask.szDisplay;
    SendNotify(window_, DTN_FORMATW, &ask.nmhdr);
    if (ask.pszDisplay == nullptr) return u"";
    // Its own buffer is read within its 64 characters; a string of the parent's to its end.
    const std::size_t most = ask.pszDisplay == ask.szDisplay ? std::size(ask.szDisplay) : 1024;
    std::u16string text;
    for (std::size_t i = 0; i < most && ask.pszDisplay[i] != 0; ++i) text += ask.pszDisplay[i];
    return text;
  }
  LONG CallbackWidth(const std::u16string& format) const {
    NMDATETIMEFORMATQUERYW ask{};
    ask.pszFormat = format.c_str();
    SendNotify(window_, DTN_FORMATQUERYW, &ask.nmhdr);
    return std::max<LONG>(0, ask.szMax.cx);
  }
  std::u16string CurrentCallback() const {
    int n = 0;
    for (const DatePiece& p : BasePieces()) {
      if (p.field != DateField::kNone && n++ == field_) return p.callback;
    }
    return u"";
  }
  // A key in a callback field goes to the parent, which may change the date it is given.
  void CallbackKey(UINT key) {
    const std::u16string format = CurrentCallback();
    NMDATETIMEWMKEYDOWNW press{};
    press.nVirtKey = static_cast<int>(key);
    press.pszFormat = format.c_str();
    press.st = value_;
    SendNotify(window_, DTN_WMKEYDOWNW, &press.nmhdr);
    if (!IsWindow(window_)) return;
    const SYSTEMTIME& d = press.st;
    const bool valid = IsValidDate(d) && d.wHour < 24 && d.wMinute < 60 && d.wSecond < 60 &&
                       d.wMilliseconds < 1000;
    if (valid && std::memcmp(&d, &value_, sizeof d) != 0) {
      value_ = Clamped(d);
      has_value_ = true;
      UpdateText();
      NotifyChange();
      return;
    }
    UpdateText();  // the parent's text may have changed all the same
  }
  static std::u16string Digits(int value, int count) {
    std::u16string text(static_cast<std::size_t>(count), u'0');
    for (int i = count - 1; i >= 0; --i, value /= 10) text[i] = static_cast<char16_t>(u'0' + value % 10);
    return text;
  }
  std::vector<DateField> Fields() const {
    std::vector<DateField> fields;
    for (const DatePiece& p : BasePieces()) {
      if (p.field != DateField::kNone) fields.push_back(p.field);
    }
    return fields;
  }
  DateField CurrentField() const {
    auto pieces = BasePieces();
    int n = 0;
    for (const DatePiece& p : pieces) {
      if (p.field != DateField::kNone && n++ == field_) return p.field;
    }
    return DateField::kDay;
  }

  void UpdateText() {
    std::u16string text = JoinPieces(Pieces());
    DefWindowProcW(window_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    InvalidateRect(window_, nullptr, TRUE);
  }

  HFONT Font() const { return ControlFont(font_); }

  RECT ButtonRect() const {
    RECT client;
    GetClientRect(window_, &client);
    RECT button = client;
    button.left = std::max<LONG>(client.left, client.right - GetSystemMetrics(SM_CXVSCROLL));
    return button;
  }
  RECT CheckRect() const {
    RECT client;
    GetClientRect(window_, &client);
    int size = 13;
    int top = (client.bottom - size) / 2;
    return RECT{kMargin + 1, top, kMargin + 1 + size, top + size};
  }
  int TextLeft() const { return (style_ & DTS_SHOWNONE) ? CheckRect().right + 4 : kMargin; }

  // The pixel span of each piece, for painting and for clicks.
  std::vector<RECT> PieceRects(HDC dc, const std::vector<DatePiece>& pieces) const {
    RECT client;
    GetClientRect(window_, &client);
    std::vector<RECT> rects;
    int x = TextLeft();
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    int top = (client.bottom - tm.tmHeight) / 2;
    for (const DatePiece& p : pieces) {
      LONG width = TextSize(dc, p.text).cx;
      if (p.field == DateField::kCallback) width = std::max(width, CallbackWidth(p.callback));
      rects.push_back(RECT{x, top, x + width, top + tm.tmHeight});
      x += width;
    }
    return rects;
  }

  void Paint(HDC dc) {
    RECT client;
    GetClientRect(window_, &client);
    bool enabled = IsWindowEnabled(window_) != FALSE;
    FillRect(dc, &client, GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
    FontScope scope(dc, Font());
    auto pieces = Pieces();
    auto rects = PieceRects(dc, pieces);
    int field_index = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      COLORREF ink = GetSysColor(enabled && has_value_ ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
      bool editable = pieces[i].field != DateField::kNone;
      if (editable && focused_ && has_value_ && field_index == field_ && !calendar_) {
        FillRect(dc, &rects[i], GetSysColorBrush(COLOR_HIGHLIGHT));
        ink = GetSysColor(COLOR_HIGHLIGHTTEXT);
      }
      if (editable) ++field_index;
      DrawLabel(dc, pieces[i].text, rects[i], DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX,
                ink);
    }
    if (style_ & DTS_SHOWNONE) {
      RECT check = CheckRect();
      DrawFrameControl(dc, &check, DFC_BUTTON,
                       DFCS_BUTTONCHECK | DFCS_FLAT | (has_value_ ? DFCS_CHECKED : 0));
    }
    RECT button = ButtonRect();
    if (style_ & DTS_UPDOWN) {
      RECT up = button, down = button;
      up.bottom = down.top = (button.top + button.bottom) / 2;
      DrawFrameControl(dc, &up, DFC_SCROLL, DFCS_SCROLLUP | (enabled ? 0 : DFCS_INACTIVE));
      DrawFrameControl(dc, &down, DFC_SCROLL, DFCS_SCROLLDOWN | (enabled ? 0 : DFCS_INACTIVE));
    } else {
      UINT state = DFCS_SCROLLCOMBOBOX | (calendar_ ? DFCS_PUSHED | DFCS_FLAT : 0) |
                   (enabled ? 0 : DFCS_INACTIVE);
      DrawFrameControl(dc, &button, DFC_SCROLL, state);
    }
  }

  // --- keyboard ---------------------------------------------------------------------
  void ResetTyping() {
    typed_count_ = 0;
    typed_value_ = 0;
  }

  // A year left with fewer than four digits: 0-49 -> 2000s, 50-99 -> 1900s.
  void CommitTyping() {
    if (typed_count_ > 0 && CurrentField() == DateField::kYear) {
      int year = typed_value_;
      if (typed_count_ <= 2) year += year < 50 ? 2000 : 1900;
      year = std::clamp(year, 1601, 9999);
      ResetTyping();
      SYSTEMTIME d = value_;
      d.wYear = static_cast<WORD>(year);
      ChangeByUser(d);
      return;
    }
    ResetTyping();
  }

  void MoveField(int step) {
    CommitTyping();
    int count = static_cast<int>(Fields().size());
    field_ = ((field_ + step) % count + count) % count;
    InvalidateRect(window_, nullptr, TRUE);
  }

  void StepField(int step) {
    CommitTyping();
    SYSTEMTIME d = value_;
    switch (CurrentField()) {
      case DateField::kDay: {
        int length = DaysInMonth(d.wYear, d.wMonth);
        d.wDay = static_cast<WORD>((d.wDay - 1 + step + length) % length + 1);
        break;
      }
      case DateField::kMonth:
        d.wMonth = static_cast<WORD>((d.wMonth - 1 + step + 12) % 12 + 1);
        break;
      case DateField::kYear:
        d.wYear = static_cast<WORD>(std::clamp(d.wYear + step, 1601, 9999));
        break;
      case DateField::kCallback:
        return CallbackKey(step > 0 ? VK_UP : VK_DOWN);  // the up-down's arrows
      case DateField::kNone:
        return;
    }
    ChangeByUser(d);
  }

  void FieldEnd(bool last) {
    CommitTyping();
    SYSTEMTIME d = value_;
    switch (CurrentField()) {
      case DateField::kDay:
        d.wDay = static_cast<WORD>(last ? DaysInMonth(d.wYear, d.wMonth) : 1);
        break;
      case DateField::kMonth:
        d.wMonth = static_cast<WORD>(last ? 12 : 1);
        break;
      default:
        return;
    }
    ChangeByUser(d);
  }

  void OnKey(UINT key) {
    if (calendar_) {
      switch (key) {
        case VK_ESCAPE: return CloseUp(false);
        case VK_RETURN:
        case VK_F4: return CloseUp(true);
        default:
          SendMessageW(calendar_, WM_KEYDOWN, key, 0);
          return;
      }
    }
    if (key == VK_F4) return DropDown();
    if (!has_value_) return;
    if (CurrentField() == DateField::kCallback && key != VK_LEFT && key != VK_RIGHT) {
      return CallbackKey(key);
    }
    switch (key) {
      case VK_LEFT: return MoveField(-1);
      case VK_RIGHT: return MoveField(1);
      case VK_UP: return StepField(1);
      case VK_DOWN: return StepField(-1);
      case VK_HOME: return FieldEnd(false);
      case VK_END: return FieldEnd(true);
      default: return;
    }
  }

  void OnChar(WCHAR c) {
    if (calendar_) return;
    if (c == u' ' && (style_ & DTS_SHOWNONE)) {
      has_value_ = !has_value_;
      UpdateText();
      NotifyChange();
      return;
    }
    if (!has_value_) return;
    if (c == u'/' || c == u'-' || c == u'.') return MoveField(1);
    if (c < u'0' || c > u'9') return;
    if (CurrentField() == DateField::kCallback) return;  // its keys went to the parent
    int digit = c - u'0';
    DateField field = CurrentField();
    if (field == DateField::kYear) {
      typed_value_ = typed_value_ * 10 + digit;
      if (++typed_count_ == 4) {
        int year = std::clamp(typed_value_, 1601, 9999);
        ResetTyping();
        SYSTEMTIME d = value_;
        d.wYear = static_cast<WORD>(year);
        ChangeByUser(d);
      } else {
        UpdateText();
      }
      return;
    }
    int most = field == DateField::kDay ? DaysInMonth(value_.wYear, value_.wMonth) : 12;
    int typed = typed_count_ == 0 ? digit : typed_value_ * 10 + digit;
    if (typed > most) typed = digit;  // the second digit cannot follow: start again
    bool again = typed == digit;
    typed_value_ = typed;
    typed_count_ = again ? 1 : typed_count_ + 1;
    // Done when two digits are in or no second digit could follow.
    if (typed_count_ >= 2 || typed * 10 > most) ResetTyping();
    if (typed == 0) return;  // "0" waits for its second digit
    SYSTEMTIME d = value_;
    if (field == DateField::kDay) d.wDay = static_cast<WORD>(typed);
    else d.wMonth = static_cast<WORD>(typed);
    ChangeByUser(d);
  }

  // --- mouse ------------------------------------------------------------------------
  void OnClick(POINT p) {
    if (calendar_) {
      POINT screen = p;
      ClientToScreen(window_, &screen);
      RECT popup;
      GetWindowRect(calendar_, &popup);
      if (PtInRect(&popup, screen)) {
        POINT inside = screen;
        ScreenToClient(calendar_, &inside);
        SendMessageW(calendar_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inside.x, inside.y));
        return;
      }
      CloseUp(false);
      return;
    }
    if (GetFocus() != window_) SetFocus(window_);
    if (!IsWindow(window_)) return;
    RECT button = ButtonRect();
    if (PtInRect(&button, p)) {
      if (style_ & DTS_UPDOWN) {
        StepField(p.y < (button.top + button.bottom) / 2 ? 1 : -1);
      } else {
        DropDown();
      }
      return;
    }
    if (style_ & DTS_SHOWNONE) {
      RECT check = CheckRect();
      if (PtInRect(&check, p)) return OnChar(u' ');
    }
    HDC dc = GetDC(window_);
    std::vector<RECT> rects;
    auto pieces = Pieces();
    {
      FontScope scope(dc, Font());
      rects = PieceRects(dc, pieces);
    }
    ReleaseDC(window_, dc);
    int index = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      if (pieces[i].field == DateField::kNone) continue;
      if (p.x >= rects[i].left && p.x < rects[i].right) {
        CommitTyping();
        field_ = index;
        InvalidateRect(window_, nullptr, TRUE);
        return;
      }
      ++index;
    }
  }

  // --- drop-down --------------------------------------------------------------------
  void DropDown() {
    if (calendar_ || (style_ & DTS_UPDOWN) || !IsWindowEnabled(window_)) return;
    CommitTyping();
    HWND owner = GetAncestor(window_, GA_ROOT);
    HWND calendar = CreateWindowExW(0, MONTHCAL_CLASSW, nullptr, WS_POPUP | WS_BORDER, 0, 0, 0, 0,
                                    owner, nullptr, nullptr, nullptr);
    if (calendar == nullptr) return;
    SendMessageW(calendar, CCM_SETNOTIFYWINDOW, reinterpret_cast<WPARAM>(window_), 0);
    if (calendar_font_) SendMessageW(calendar, WM_SETFONT, reinterpret_cast<WPARAM>(calendar_font_), 0);
    for (std::size_t i = 0; i < calendar_colors_.size(); ++i) {
      if (calendar_colors_[i] != CLR_DEFAULT) {
        SendMessageW(calendar, MCM_SETCOLOR, i, static_cast<LPARAM>(calendar_colors_[i]));
      }
    }
    SYSTEMTIME range[2] = {range_min_, range_max_};
    SendMessageW(calendar, MCM_SETRANGE, range_flags_, reinterpret_cast<LPARAM>(range));
    SendMessageW(calendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&value_));
    RECT size{};
    SendMessageW(calendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&size));
    int width = size.right + 2 * GetSystemMetrics(SM_CXBORDER);
    int height = size.bottom + 2 * GetSystemMetrics(SM_CYBORDER);
    RECT picker;
    GetWindowRect(window_, &picker);
    int x = (style_ & DTS_RIGHTALIGN) ? picker.right - width : picker.left;
    calendar_ = calendar;
    NMHDR header{};
    SendNotify(window_, DTN_DROPDOWN, &header);
    if (!IsWindow(calendar)) {
      calendar_ = nullptr;
      return;
    }
    SetWindowPos(calendar, HWND_TOP, x, picker.bottom, width, height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetCapture(window_);
    InvalidateRect(window_, nullptr, TRUE);
  }

  void CloseUp(bool pick) {
    if (!calendar_) return;
    HWND calendar = calendar_;
    SYSTEMTIME picked{};
    bool have_pick = pick && SendMessageW(calendar, MCM_GETCURSEL, 0,
                                          reinterpret_cast<LPARAM>(&picked)) != 0;
    calendar_ = nullptr;
    if (GetCapture() == window_) ReleaseCapture();
    if (have_pick) ChangeByUser(picked);
    DestroyWindow(calendar);
    NMHDR header{};
    SendNotify(window_, DTN_CLOSEUP, &header);
    InvalidateRect(window_, nullptr, TRUE);
  }

  LRESULT OnCalendarNotify(NMHDR* header) {
    if (header == nullptr || calendar_ == nullptr || header->hwndFrom != calendar_) return 0;
    if (header->code == MCN_SELECT) CloseUp(true);
    return 0;
  }

  HWND window_;
  DWORD style_ = 0;
  HFONT font_ = nullptr;
  HFONT calendar_font_ = nullptr;
  CalendarNames names_ = UserCalendarNames();
  SYSTEMTIME value_{};
  bool has_value_ = true;
  DWORD range_flags_ = 0;
  SYSTEMTIME range_min_{};
  SYSTEMTIME range_max_{};
  int field_ = 0;  // index among the editable fields, in display order
  std::optional<std::u16string> format_;  // DTM_SETFORMAT's picture, when one is set
  int typed_count_ = 0;
  int typed_value_ = 0;
  bool focused_ = false;
  HWND calendar_ = nullptr;
  std::array<COLORREF, 6> calendar_colors_{CLR_DEFAULT, CLR_DEFAULT, CLR_DEFAULT,
                                           CLR_DEFAULT, CLR_DEFAULT, CLR_DEFAULT};
};

}  // namespace

bool RegisterDateTimePicker() {
  return RegisterControlClass(ICC_DATE_CLASSES, DATETIMEPICK_CLASSW,
                              StatefulProcedure<DatePicker>);
}

}  // namespace platform::comctl
