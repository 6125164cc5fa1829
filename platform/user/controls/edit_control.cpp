// The "Edit" window class: single- and multi-line text entry.
//
// Input and what it does (anchor A, caret C; "collapse" puts A = C):
//
//   input                      no Shift                        with Shift
//   Left / Right               collapse to the selection's     C one character left/right
//                              edge, else C +-1 (A = C)
//   Ctrl+Left / Ctrl+Right     C to the previous/next word     same, A stays
//   Home / End                 line start / end                same, A stays
//   Ctrl+Home / Ctrl+End       text start / end                same, A stays
//   Up / Down                  the line above/below, same x     same, A stays
//                              (single line: as Left / Right)
//   PgUp / PgDn                a page of lines                  same, A stays
//   Backspace / Delete         the selection, else the character before/after C
//   Ctrl+Backspace             back to the start of the word
//   a character                replaces the selection (refused when read-only, past the
//                              limit: EN_MAXTEXT, a non-digit with ES_NUMBER: a beep)
//   Enter (multi-line)         a line break "\r\n"
//   Ctrl+A / Ctrl+Z            select all / undo the last change
//   button down                C at the point, A too unless Shift; the capture is taken
//   move with the capture      C follows the point (scrolling at the edges)
//   button up                  the capture is released
//   double click               the word under the point and its trailing spaces
//
// A change sends EN_UPDATE, repaints, then EN_CHANGE (to the parent, WM_COMMAND).
#include <algorithm>

#include "platform/user/controls/control_classes.h"
#include "platform/user/controls/list_edit_support.h"
#include "platform/user/controls/edit_paint.h"
#include "platform/user/controls/edit_state.h"

namespace platform::user::controls {
namespace {

EditState* Find(HWND window) { return StateOf<EditState>(window); }

void PlaceCaret(EditState& s) {
  if (!s.focused) return;
  POINT p = s.PositionPoint(s.model.caret());
  SetCaretPos(p.x, p.y);
}

void SyncWindowText(EditState& s) {
  DefWindowProcW(s.window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(s.model.text().c_str()));
}

// Scroll notifications for a scroll the caret caused; false when the control is gone.
bool NotifyScrolled(HWND window, int scrolled) {
  if ((scrolled & 1) && !Notify(window, EN_HSCROLL)) return false;
  if ((scrolled & 2) && !Notify(window, EN_VSCROLL)) return false;
  return true;
}

// The window's bars show the view: lines for the vertical one, pixels for the horizontal.
void SyncScrollBars(EditState& s) {
  if (!s.multiline()) return;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
  if (s.vertical_bar) {
    info.nMax = static_cast<int>(s.lines.size()) - 1;
    info.nPage = static_cast<UINT>(s.VisibleLines());
    info.nPos = s.first_line;
    SCROLLINFO now{sizeof now, SIF_ALL, 0, 0, 0, 0, 0};
    if (!GetScrollInfo(s.window, SB_VERT, &now) || now.nMax != info.nMax || now.nPage != info.nPage ||
        now.nPos != info.nPos) {
      SetScrollInfo(s.window, SB_VERT, &info, TRUE);
    }
  }
  if (s.horizontal_bar && IsWindow(s.window)) {
    RECT r = s.FormatRect();
    info.nMax = s.wraps() ? 0 : s.LongestLineWidth();
    info.nPage = static_cast<UINT>(r.right - r.left);
    info.nPos = s.x_offset;
    SCROLLINFO now{sizeof now, SIF_ALL, 0, 0, 0, 0, 0};
    if (!GetScrollInfo(s.window, SB_HORZ, &now) || now.nMax != info.nMax || now.nPage != info.nPage ||
        now.nPos != std::min(info.nPos, std::max(0, info.nMax - static_cast<int>(info.nPage) + 1))) {
      SetScrollInfo(s.window, SB_HORZ, &info, TRUE);
    }
  }
}

void Repaint(EditState& s) {
  InvalidateRect(s.window, nullptr, TRUE);
  PlaceCaret(s);
  SyncScrollBars(s);
}

// Moves the selection (no change of text).
void Select(HWND window, int anchor, int caret, bool keep_column = false) {
  EditState* s = Find(window);
  if (s == nullptr) return;
  if (!keep_column) s->desired_x = -1;
  int old_anchor = s->model.anchor();
  int old_caret = s->model.caret();
  s->model.Select(anchor, caret);
  int scrolled = s->ScrollToCaret();
  if (scrolled != 0 || old_anchor != s->model.anchor() || old_caret != s->model.caret()) {
    Repaint(*s);
  }
  NotifyScrolled(window, scrolled);
}

enum class ChangeSource { kUser, kReplaceSel };

// Replaces the selection by `insert`, within the limit and the room there is.
void ReplaceSelection(HWND window, std::u16string insert, ChangeSource source) {
  EditState* s = Find(window);
  if (s == nullptr) return;
  if (source == ChangeSource::kUser && s->read_only()) {
    MessageBeep(MB_OK);
    return;
  }
  int kept = s->model.size() - (s->model.selection_end() - s->model.selection_start());
  long long room = static_cast<long long>(s->limit) - kept;
  bool maxed = false;
  if (room < static_cast<long long>(insert.size())) {
    insert.resize(static_cast<std::size_t>(std::max(0LL, room)));
    if (!insert.empty() && insert.back() == u'\r') insert.pop_back();  // never half a break
    maxed = true;
  }
  if (insert.empty() && !s->model.has_selection()) {
    if (maxed) Notify(window, EN_MAXTEXT);
    return;
  }
  std::u16string before = s->model.text();
  int before_anchor = s->model.anchor();
  int before_caret = s->model.caret();
  s->model.ReplaceSelection(insert);
  s->Relayout();
  if (!s->TextFits()) {
    s->model.SetText(before);
    s->model.Select(before_anchor, before_caret);
    s->Relayout();
    if (source == ChangeSource::kUser) MessageBeep(MB_OK);
    Notify(window, EN_MAXTEXT);
    return;
  }
  s->undo_text = std::move(before);
  s->undo_anchor = before_anchor;
  s->undo_caret = before_caret;
  s->can_undo = true;
  s->modified = true;
  s->desired_x = -1;
  int scrolled = s->ScrollToCaret();
  SyncWindowText(*s);
  if (!NotifyScrolled(window, scrolled) || !Notify(window, EN_UPDATE)) return;
  if ((s = Find(window)) == nullptr) return;
  Repaint(*s);
  UpdateWindow(window);
  if (!Notify(window, EN_CHANGE)) return;
  if (maxed) Notify(window, EN_MAXTEXT);
}

void Undo(HWND window) {
  EditState* s = Find(window);
  if (s == nullptr || !s->can_undo) return;
  std::u16string text = s->undo_text;
  int anchor = s->undo_anchor;
  int caret = s->undo_caret;
  s->undo_text = s->model.text();
  s->undo_anchor = s->model.anchor();
  s->undo_caret = s->model.caret();
  s->model.SetText(text);
  s->model.Select(anchor, caret);
  s->modified = true;
  s->Relayout();
  int scrolled = s->ScrollToCaret();
  SyncWindowText(*s);
  if (!NotifyScrolled(window, scrolled) || !Notify(window, EN_UPDATE)) return;
  if ((s = Find(window)) == nullptr) return;
  Repaint(*s);
  UpdateWindow(window);
  Notify(window, EN_CHANGE);
}

void DeleteRange(HWND window, int from, int to) {
  EditState* s = Find(window);
  if (s == nullptr) return;
  if (s->read_only()) {
    MessageBeep(MB_OK);
    return;
  }
  if (from == to) return;
  s->model.Select(from, to);
  ReplaceSelection(window, u"", ChangeSource::kUser);
}

void OnKeyDown(HWND window, WPARAM key) {
  EditState* s = Find(window);
  if (s == nullptr) return;
  bool shift = KeyHeld(VK_SHIFT);
  bool ctrl = KeyHeld(VK_CONTROL);
  const EditText& m = s->model;
  int caret = m.caret();
  int anchor = m.anchor();
  int line = LineOfPosition(s->lines, caret);
  auto move = [&](int to, bool keep_column = false) {
    Select(window, shift ? anchor : to, to, keep_column);
  };
  auto vertical = [&](int lines_down) {
    if (!s->multiline()) {
      move(lines_down < 0 ? m.CharLeft(caret) : m.CharRight(caret));
      return;
    }
    RECT r = s->FormatRect();
    if (s->desired_x < 0) s->desired_x = s->PositionPoint(caret).x - r.left + s->x_offset;
    int target = std::clamp(line + lines_down, 0, static_cast<int>(s->lines.size()) - 1);
    move(s->PositionInLine(target, s->desired_x), true);
  };
  switch (key) {
    case VK_LEFT:
      if (!shift && !ctrl && m.has_selection()) return move(m.selection_start());
      return move(ctrl ? m.WordLeft(caret) : m.CharLeft(caret));
    case VK_RIGHT:
      if (!shift && !ctrl && m.has_selection()) return move(m.selection_end());
      return move(ctrl ? m.WordRight(caret) : m.CharRight(caret));
    case VK_HOME:
      return move(ctrl ? 0 : s->lines[line].start);
    case VK_END:
      return move(ctrl ? m.size() : s->lines[line].end());
    case VK_UP:
      return vertical(-1);
    case VK_DOWN:
      return vertical(1);
    case VK_PRIOR:
      return vertical(-s->VisibleLines());
    case VK_NEXT:
      return vertical(s->VisibleLines());
    case VK_DELETE:
      if (m.has_selection()) return DeleteRange(window, m.selection_start(), m.selection_end());
      return DeleteRange(window, caret, ctrl ? m.WordRight(caret) : m.CharRight(caret));
    default:
      return;
  }
}

void OnChar(HWND window, WCHAR ch) {
  EditState* s = Find(window);
  if (s == nullptr) return;
  const EditText& m = s->model;
  switch (ch) {
    case 0x01:  // Ctrl+A
      return Select(window, 0, m.size());
    case 0x1A:  // Ctrl+Z
      if (s->read_only()) return MessageBeep(MB_OK), void();
      return Undo(window);
    case 0x08:  // Backspace
      if (m.has_selection()) return DeleteRange(window, m.selection_start(), m.selection_end());
      return DeleteRange(window, m.CharLeft(m.caret()), m.caret());
    case 0x7F:  // Ctrl+Backspace
      if (m.has_selection()) return DeleteRange(window, m.selection_start(), m.selection_end());
      return DeleteRange(window, m.WordLeft(m.caret()), m.caret());
    case u'\r':
    case u'\n':
      if (s->multiline()) ReplaceSelection(window, u"\r\n", ChangeSource::kUser);
      return;
    case u'\t':
      if (s->multiline()) ReplaceSelection(window, u"\t", ChangeSource::kUser);
      return;
    default:
      break;
  }
  if (ch < 0x20) return;  // other control characters (Ctrl+C, Ctrl+V...) do nothing here
  DWORD style = s->style();
  if ((style & ES_NUMBER) && !(ch >= u'0' && ch <= u'9')) {
    MessageBeep(MB_OK);
    return;
  }
  if (style & ES_UPPERCASE) ch = RaiseCase(ch);
  if (style & ES_LOWERCASE) ch = FoldCase(ch);
  ReplaceSelection(window, std::u16string(1, ch), ChangeSource::kUser);
}

void OnButtonDown(HWND window, UINT message, LPARAM lparam) {
  if (GetFocus() != window) SetFocus(window);
  EditState* s = Find(window);
  if (s == nullptr) return;
  int pos = s->PositionFromPoint(POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
  if (message == WM_LBUTTONDBLCLK) {
    auto [start, end] = s->model.WordAt(pos);
    Select(window, start, end);
    return;
  }
  Select(window, KeyHeld(VK_SHIFT) ? s->model.anchor() : pos, pos);
  if ((s = Find(window)) == nullptr) return;
  s->tracking = true;
  SetCapture(window);
}

void SetFocused(HWND window, bool focused) {
  EditState* s = Find(window);
  if (s == nullptr) return;
  s->focused = focused;
  if (focused) {
    CreateCaret(window, nullptr, 1, s->line_height);
    PlaceCaret(*s);
    ShowCaret(window);
  } else {
    DestroyCaret();
  }
  if (s->model.has_selection()) InvalidateRect(window, nullptr, TRUE);
  Notify(window, focused ? EN_SETFOCUS : EN_KILLFOCUS);
}

LRESULT GetLine(EditState& s, WPARAM line, LPARAM lparam) {
  auto* buffer = reinterpret_cast<WCHAR*>(lparam);
  if (buffer == nullptr) return 0;
  int capacity = static_cast<WORD>(buffer[0]);
  int index = s.multiline() ? static_cast<int>(line) : 0;
  if (index < 0 || index >= static_cast<int>(s.lines.size())) return 0;
  const EditLine& l = s.lines[index];
  int n = std::min(capacity, l.length);
  std::copy_n(s.model.text().data() + l.start, n, buffer);
  if (n < capacity) buffer[n] = 0;
  return n;
}

int LineOfArgument(EditState& s, WPARAM wparam) {
  auto pos = static_cast<int>(static_cast<LONG_PTR>(wparam));
  if (pos < 0) pos = s.model.selection_start();
  return LineOfPosition(s.lines, std::min(pos, s.model.size()));
}

LRESULT SetText(HWND window, LPCWSTR text) {
  EditState* s = Find(window);
  if (s == nullptr) return FALSE;
  s->model.SetText(text != nullptr ? std::u16string_view(text) : std::u16string_view());
  s->can_undo = false;
  s->modified = false;
  s->x_offset = 0;
  s->first_line = 0;
  s->Relayout();
  SyncWindowText(*s);
  bool multi = s->multiline();
  if (!Notify(window, EN_UPDATE) || (s = Find(window)) == nullptr) return TRUE;
  Repaint(*s);
  if (!multi) Notify(window, EN_CHANGE);  // a multi-line edit does not report WM_SETTEXT
  return TRUE;
}

void Scroll(EditState& s, int lines) {
  int top = std::clamp(s.first_line + lines, 0, static_cast<int>(s.lines.size()) - 1);
  if (top == s.first_line) return;
  s.first_line = top;
  Repaint(s);
  Notify(s.window, EN_VSCROLL);
}

// Scrolls the view sideways by `pixels` (multi-line with ES_AUTOHSCROLL: lines that do not
// wrap can be wider than the window).
void ScrollSideways(EditState& s, int pixels) {
  if (s.wraps()) return;
  RECT r = s.FormatRect();
  const int most = std::max(0, s.LongestLineWidth() + 1 - (r.right - r.left));
  const int offset = std::clamp(s.x_offset + pixels, 0, std::max(most, s.x_offset));
  if (offset == s.x_offset) return;
  s.x_offset = offset;
  Repaint(s);
  Notify(s.window, EN_HSCROLL);
}

int AverageCharWidth(const EditState& s) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, s.font != nullptr ? s.font : GetStockObject(SYSTEM_FONT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return std::max(1, static_cast<int>(metrics.tmAveCharWidth));
}

void OnVScroll(EditState& s, WORD code) {
  SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
  switch (code) {
    case SB_LINEUP: Scroll(s, -1); break;
    case SB_LINEDOWN: Scroll(s, 1); break;
    case SB_PAGEUP: Scroll(s, -s.VisibleLines()); break;
    case SB_PAGEDOWN: Scroll(s, s.VisibleLines()); break;
    case SB_TOP: Scroll(s, -s.first_line); break;
    case SB_BOTTOM: Scroll(s, static_cast<int>(s.lines.size())); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      // The whole position, not the 16 bits of the message.
      if (GetScrollInfo(s.window, SB_VERT, &info)) Scroll(s, info.nTrackPos - s.first_line);
      break;
    default: break;
  }
}

void OnHScroll(EditState& s, WORD code) {
  RECT r = s.FormatRect();
  const int page = std::max(1, static_cast<int>(r.right - r.left) - AverageCharWidth(s));
  SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
  switch (code) {
    case SB_LINELEFT: ScrollSideways(s, -AverageCharWidth(s)); break;
    case SB_LINERIGHT: ScrollSideways(s, AverageCharWidth(s)); break;
    case SB_PAGELEFT: ScrollSideways(s, -page); break;
    case SB_PAGERIGHT: ScrollSideways(s, page); break;
    case SB_LEFT: ScrollSideways(s, -s.x_offset); break;
    case SB_RIGHT: ScrollSideways(s, s.LongestLineWidth()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      if (GetScrollInfo(s.window, SB_HORZ, &info)) ScrollSideways(s, info.nTrackPos - s.x_offset);
      break;
    default: break;
  }
}

LRESULT EditProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* state = new EditState;
    state->window = window;
    AttachState(window, state);
    auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    if (create != nullptr && create->lpszName != nullptr && !IS_INTRESOURCE(create->lpszName) &&
        create->lpszName[0] != 0xFFFF) {
      state->model.SetText(create->lpszName);
    }
    if (state->multiline()) state->limit = 30000;
    if (create != nullptr) {
      state->vertical_bar = (create->style & WS_VSCROLL) != 0;
      state->horizontal_bar = (create->style & WS_HSCROLL) != 0;
    }
    state->line_height = LineHeightOf(nullptr);
    return DefWindowProcW(window, message, wparam, lparam);
  }
  EditState* s = Find(window);
  if (s == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  EditText& m = s->model;
  switch (message) {
    case WM_CREATE:
      s->Relayout();
      SyncScrollBars(*s);
      return 0;
    case WM_NCDESTROY:
      if (s->focused) DestroyCaret();
      FreeState<EditState>(window);
      return DefWindowProcW(window, message, wparam, lparam);
    case WM_SIZE:
    case WM_STYLECHANGED:
      s->Relayout();
      s->ScrollToCaret();
      Repaint(*s);
      return 0;
    case WM_SETFONT:
      s->font = reinterpret_cast<HFONT>(wparam);
      s->line_height = LineHeightOf(s->font);
      s->Relayout();
      s->ScrollToCaret();
      SyncScrollBars(*s);
      if (s->focused) {
        CreateCaret(window, nullptr, 1, s->line_height);
        PlaceCaret(*s);
        ShowCaret(window);
      }
      if (LOWORD(lparam)) InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(s->font);
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills with the colours the parent gives
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      if (dc != nullptr) PaintEdit(*s, dc);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_ENABLE:
      InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_SETFOCUS:
      SetFocused(window, true);
      return 0;
    case WM_KILLFOCUS:
      SetFocused(window, false);
      return 0;
    case WM_GETDLGCODE: {
      LRESULT codes = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
      if (!s->multiline()) return codes;
      auto* msg = reinterpret_cast<const MSG*>(lparam);
      if (msg != nullptr && msg->message == WM_KEYDOWN) {
        // Tab, Escape and (without ES_WANTRETURN) Enter stay with the dialog.
        if (msg->wParam == VK_TAB || msg->wParam == VK_ESCAPE) return codes;
        if (msg->wParam == VK_RETURN && !(s->style() & ES_WANTRETURN)) return codes;
      }
      return codes | DLGC_WANTALLKEYS;
    }
    case WM_KEYDOWN:
      OnKeyDown(window, wparam);
      return 0;
    case WM_CHAR:
      OnChar(window, static_cast<WCHAR>(wparam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnButtonDown(window, message, lparam);
      return 0;
    case WM_MOUSEMOVE:
      if (s->tracking && GetCapture() == window) {
        int pos = s->PositionFromPoint(POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
        Select(window, m.anchor(), pos);
      }
      return 0;
    case WM_LBUTTONUP:
      if (s->tracking) {
        s->tracking = false;
        if (GetCapture() == window) ReleaseCapture();
      }
      return 0;
    case WM_CAPTURECHANGED:
      s->tracking = false;
      return 0;
    case WM_MOUSEWHEEL:
      if (!s->multiline()) return DefWindowProcW(window, message, wparam, lparam);
      Scroll(*s, -3 * GET_WHEEL_DELTA_WPARAM(wparam) / WHEEL_DELTA);
      return 0;
    case WM_VSCROLL:
      if (s->multiline()) OnVScroll(*s, LOWORD(wparam));
      return 0;
    case WM_HSCROLL:
      if (s->multiline()) OnHScroll(*s, LOWORD(wparam));
      return 0;
    case WM_SETTEXT:
      return SetText(window, reinterpret_cast<LPCWSTR>(lparam));
    case WM_GETTEXT: {
      auto* out = reinterpret_cast<WCHAR*>(lparam);
      if (out == nullptr || wparam == 0) return 0;
      std::size_t n = std::min<std::size_t>(m.text().size(), wparam - 1);
      std::copy_n(m.text().data(), n, out);
      out[n] = 0;
      return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
      return m.size();

    case EM_GETSEL: {
      int start = m.selection_start();
      int end = m.selection_end();
      if (wparam != 0) *reinterpret_cast<DWORD*>(wparam) = static_cast<DWORD>(start);
      if (lparam != 0) *reinterpret_cast<DWORD*>(lparam) = static_cast<DWORD>(end);
      if (start > 0xFFFF || end > 0xFFFF) return -1;
      return MAKELRESULT(static_cast<WORD>(start), static_cast<WORD>(end));
    }
    case EM_SETSEL: {
      auto start = static_cast<int>(static_cast<LONG_PTR>(wparam));
      auto end = static_cast<int>(lparam);
      if (start == -1) {
        Select(window, m.caret(), m.caret());
        return 0;
      }
      if (end < 0) end = m.size();
      if (start < 0) start = m.size();
      // Selecting leaves the scroll position alone (EM_SCROLLCARET scrolls).
      m.Select(start, end);
      s->desired_x = -1;
      Repaint(*s);
      return 0;
    }
    case EM_REPLACESEL: {
      auto* text = reinterpret_cast<LPCWSTR>(lparam);
      ReplaceSelection(window, text != nullptr ? std::u16string(text) : std::u16string(),
                       ChangeSource::kReplaceSel);
      if ((s = Find(window)) != nullptr && wparam == FALSE) s->can_undo = false;
      return 0;
    }
    case EM_LIMITTEXT: {
      auto limit = static_cast<UINT>(wparam);
      s->limit = limit != 0 ? limit : (s->multiline() ? 0xFFFFFFFFu : 0x7FFFFFFEu);
      return 0;
    }
    case EM_GETLIMITTEXT:
      return static_cast<LRESULT>(s->limit);
    case EM_SETREADONLY: {
      DWORD style = s->style();
      style = wparam ? (style | ES_READONLY) : (style & ~ES_READONLY);
      SetWindowLongW(window, GWL_STYLE, static_cast<LONG>(style));
      InvalidateRect(window, nullptr, TRUE);
      return TRUE;
    }
    case EM_GETLINECOUNT:
      return s->multiline() ? static_cast<LRESULT>(s->lines.size()) : 1;
    case EM_LINEINDEX: {
      auto line = static_cast<int>(static_cast<LONG_PTR>(wparam));
      if (line < 0) line = LineOfPosition(s->lines, m.caret());
      if (!s->multiline() && line > 0) return -1;
      if (line >= static_cast<int>(s->lines.size())) return -1;
      return s->lines[line].start;
    }
    case EM_LINELENGTH: {
      auto pos = static_cast<int>(static_cast<LONG_PTR>(wparam));
      if (pos < 0) {
        // The unselected characters on the lines the selection touches.
        const EditLine& first = s->lines[LineOfPosition(s->lines, m.selection_start())];
        const EditLine& last = s->lines[LineOfPosition(s->lines, m.selection_end())];
        return (m.selection_start() - first.start) + std::max(0, last.end() - m.selection_end());
      }
      return s->lines[LineOfPosition(s->lines, std::min(pos, m.size()))].length;
    }
    case EM_GETLINE:
      return GetLine(*s, wparam, lparam);
    case EM_LINEFROMCHAR:
      return s->multiline() ? LineOfArgument(*s, wparam) : 0;
    case EM_SCROLLCARET:
      NotifyScrolled(window, s->ScrollToCaret());
      if ((s = Find(window)) != nullptr) Repaint(*s);
      return TRUE;
    case EM_LINESCROLL:
      if (!s->multiline()) return FALSE;
      if (wparam != 0) ScrollSideways(*s, static_cast<int>(static_cast<LONG_PTR>(wparam)) * AverageCharWidth(*s));
      if ((s = Find(window)) != nullptr && lparam != 0) Scroll(*s, static_cast<int>(lparam));
      return TRUE;
    case EM_GETMODIFY:
      return s->modified ? TRUE : FALSE;
    case EM_SETMODIFY:
      s->modified = wparam != FALSE;
      return 0;
    case EM_CANUNDO:
      return s->can_undo ? TRUE : FALSE;
    case EM_UNDO:
      if (!s->can_undo) return FALSE;
      Undo(window);
      return TRUE;
    case EM_EMPTYUNDOBUFFER:
      s->can_undo = false;
      return 0;
    case EM_SETPASSWORDCHAR: {
      if (s->multiline()) return 0;
      s->password_char = static_cast<WCHAR>(wparam);
      DWORD style = s->style();
      style = wparam ? (style | ES_PASSWORD) : (style & ~ES_PASSWORD);
      SetWindowLongW(window, GWL_STYLE, static_cast<LONG>(style));
      s->Relayout();
      s->ScrollToCaret();
      Repaint(*s);
      return 0;
    }
    case EM_GETPASSWORDCHAR:
      return (s->style() & ES_PASSWORD) ? s->password_char : 0;
    case EM_GETFIRSTVISIBLELINE:
      if (s->multiline()) return s->first_line;
      return s->PositionInLine(0, s->x_offset + s->LineIndent(s->lines[0]));
    case EM_SETMARGINS: {
      auto value = [](WORD v) { return v == 0xFFFF ? 1 : static_cast<int>(v); };
      if (wparam & EC_LEFTMARGIN) s->left_margin = value(LOWORD(lparam));
      if (wparam & EC_RIGHTMARGIN) s->right_margin = value(HIWORD(lparam));
      s->Relayout();
      s->ScrollToCaret();
      Repaint(*s);
      return 0;
    }
    case EM_GETMARGINS:
      return MAKELRESULT(static_cast<WORD>(s->left_margin), static_cast<WORD>(s->right_margin));
    case EM_POSFROMCHAR: {
      auto pos = static_cast<int>(wparam);
      if (pos < 0 || pos > m.size()) return -1;
      POINT p = s->PositionPoint(pos);
      return MAKELRESULT(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
    }
    case EM_CHARFROMPOS: {
      int pos = s->PositionFromPoint(POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
      return MAKELRESULT(static_cast<WORD>(pos), static_cast<WORD>(LineOfPosition(s->lines, pos)));
    }
    case EM_GETRECT:
      if (lparam != 0) *reinterpret_cast<RECT*>(lparam) = s->FormatRect();
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace

bool RegisterEditClass() { return RegisterListEditClass(u"Edit", EditProcedure, CS_DBLCLKS); }

}  // namespace platform::user::controls
