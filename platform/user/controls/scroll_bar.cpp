// The SCROLLBAR window class. The bar never moves its own position when used: it tells
// its parent (WM_HSCROLL for SBS_HORZ, WM_VSCROLL for SBS_VERT, lParam = the bar) and the
// parent sets the position, as in Windows.
//
//   state     | event                          | does                                 | next
//   ----------+--------------------------------+--------------------------------------+---------
//   idle      | press on an arrow / page area  | capture; SB_LINE* / SB_PAGE* once;   | holding
//             |                                | the repeat timer (first after 300 ms)|
//   holding   | timer, mouse still on the part | the same code again (every 50 ms)    | holding
//   holding   | mouse off the part / back      | drawn released / pressed             | holding
//   holding   | release                        | SB_ENDSCROLL                         | idle
//   idle      | press on the thumb             | capture                              | dragging
//   dragging  | move                           | SB_THUMBTRACK(new track position)    | dragging
//   dragging  | release                        | SB_THUMBPOSITION(track), SB_ENDSCROLL| idle
//   idle      | arrows, PgUp/PgDn, Home/End    | SB_LINE*, SB_PAGE*, SB_TOP/BOTTOM    | idle
//   idle      | the key released               | SB_ENDSCROLL                         | idle
//   any       | capture lost                   | SB_ENDSCROLL                         | idle
#include <algorithm>

#include "platform/user/controls/control_data.h"
#include "platform/user/controls/control_support.h"
#include "platform/user/controls/scroll_bar_painting.h"

namespace platform::user::controls {
namespace {

constexpr UINT_PTR kRepeatTimer = 0x5CB1;
constexpr UINT kFirstRepeatMs = 300;
constexpr UINT kRepeatMs = 50;

struct ScrollBarState {
  ScrollValues values;
  UINT disabled_arrows = 0;
  ScrollPart held = ScrollPart::kNone;  // the part pressed, while the button is down
  bool over_held = false;               // the mouse is on it (drawn pressed)
  POINT mouse{0, 0};
  int grab = 0;                         // dragging: the mouse's distance from the thumb start
  int track_pos = 0;                    // dragging: where the thumb stands
  bool dragging = false;
};

ScrollBarState* Find(HWND bar) { return StateOf<ScrollBarState>(bar); }
DWORD StyleOf(HWND bar) { return static_cast<DWORD>(GetWindowLongW(bar, GWL_STYLE)); }
bool IsVertical(HWND bar) { return (StyleOf(bar) & SBS_VERT) != 0; }
bool IsSizeBox(HWND bar) { return (StyleOf(bar) & (SBS_SIZEBOX | SBS_SIZEGRIP)) != 0; }

ScrollLayout LayoutOf(HWND bar, const ScrollBarState& state) {
  RECT r;
  GetClientRect(bar, &r);
  return LayoutScrollBar(r, IsVertical(bar), state.values,
                         state.dragging ? state.track_pos : state.values.pos,
                         IsWindowEnabled(bar) != FALSE);
}

void Notify(HWND bar, WORD code, int pos = 0) {
  HWND parent = GetParent(bar);
  if (parent == nullptr) return;
  SendMessageW(parent, IsVertical(bar) ? WM_VSCROLL : WM_HSCROLL,
               MAKEWPARAM(code, static_cast<WORD>(pos)), reinterpret_cast<LPARAM>(bar));
}

WORD CodeOf(ScrollPart part) {
  switch (part) {
    case ScrollPart::kArrowBefore: return SB_LINEUP;
    case ScrollPart::kArrowAfter: return SB_LINEDOWN;
    case ScrollPart::kPageBefore: return SB_PAGEUP;
    case ScrollPart::kPageAfter: return SB_PAGEDOWN;
    default: return SB_ENDSCROLL;
  }
}

bool ArrowDisabled(const ScrollBarState& state, ScrollPart part) {
  return (part == ScrollPart::kArrowBefore && (state.disabled_arrows & ESB_DISABLE_LTUP)) ||
         (part == ScrollPart::kArrowAfter && (state.disabled_arrows & ESB_DISABLE_RTDN));
}

void PaintBar(HWND bar, HDC dc, const ScrollBarState& state) {
  RECT r;
  GetClientRect(bar, &r);
  HBRUSH brush = ParentColors(bar, dc, WM_CTLCOLORSCROLLBAR);
  if (IsSizeBox(bar)) {
    FillRect(dc, &r, GetSysColorBrush(COLOR_3DFACE));
    if (StyleOf(bar) & SBS_SIZEGRIP) {
      const int side = std::min(r.right, r.bottom);
      RECT grip{r.right - side, r.bottom - side, r.right, r.bottom};
      DrawFrameControl(dc, &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    }
    return;
  }
  ScrollLook look;
  look.disabled_arrows = state.disabled_arrows;
  look.enabled = IsWindowEnabled(bar) != FALSE;
  look.pressed = state.over_held && !state.dragging ? state.held : ScrollPart::kNone;
  // The default answer asks for the classic checker; a parent's own brush is used as is.
  look.track = brush == GetSysColorBrush(COLOR_SCROLLBAR) ? nullptr : brush;
  PaintScrollBar(dc, LayoutOf(bar, state), look);
}

void Paint(HWND bar) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(bar, &paint);
  ScrollBarState* state = Find(bar);
  if (dc != nullptr && state != nullptr) {
    ScrollBarState copy = *state;
    PaintBar(bar, dc, copy);
  }
  EndPaint(bar, &paint);
}

void Press(HWND bar, POINT point) {
  ScrollBarState* state = Find(bar);
  if (state == nullptr || IsSizeBox(bar) || state->held != ScrollPart::kNone) return;
  if (StyleOf(bar) & WS_TABSTOP) SetFocus(bar);
  state = Find(bar);
  if (state == nullptr) return;
  ScrollLayout layout = LayoutOf(bar, *state);
  ScrollPart part = HitScrollPart(layout, point);
  if (part == ScrollPart::kNone || ArrowDisabled(*state, part)) return;
  if (!CanScroll(state->values)) return;
  SetCapture(bar);
  state = Find(bar);
  if (state == nullptr) return;
  state->held = part;
  state->over_held = true;
  state->mouse = point;
  if (part == ScrollPart::kThumb) {
    state->dragging = true;
    state->track_pos = state->values.pos;
    const int along = layout.vertical ? point.y : point.x;
    state->grab = along - layout.thumb_start;
    Repaint(bar);
    return;
  }
  Repaint(bar);
  SetTimer(bar, kRepeatTimer, kFirstRepeatMs, nullptr);
  Notify(bar, CodeOf(part));
}

void Drag(HWND bar, POINT point) {
  ScrollBarState* state = Find(bar);
  if (state == nullptr || state->held == ScrollPart::kNone) return;
  state->mouse = point;
  if (!state->dragging) {
    bool over = HitScrollPart(LayoutOf(bar, *state), point) == state->held;
    if (over != state->over_held) {
      state->over_held = over;
      Repaint(bar);
    }
    return;
  }
  ScrollLayout layout = LayoutOf(bar, *state);
  const int along = layout.vertical ? point.y : point.x;
  int pos = PosFromThumb(layout, state->values, along - state->grab);
  if (pos == state->track_pos) return;
  state->track_pos = pos;
  Repaint(bar);
  Notify(bar, SB_THUMBTRACK, pos);
}

// Ends holding or dragging: the final position of a drag, then SB_ENDSCROLL.
void Release(HWND bar, bool finished) {
  ScrollBarState* state = Find(bar);
  if (state == nullptr || state->held == ScrollPart::kNone) return;
  const bool dragged = state->dragging;
  const int track_pos = state->track_pos;
  state->held = ScrollPart::kNone;
  state->over_held = false;
  KillTimer(bar, kRepeatTimer);
  if (GetCapture() == bar) ReleaseCapture();
  if (dragged && finished) Notify(bar, SB_THUMBPOSITION, track_pos);
  if ((state = Find(bar)) != nullptr) state->dragging = false;
  if (IsWindow(bar)) Notify(bar, SB_ENDSCROLL);
  if (IsWindow(bar)) Repaint(bar);
}

void Repeat(HWND bar) {
  ScrollBarState* state = Find(bar);
  if (state == nullptr || state->held == ScrollPart::kNone || state->dragging) {
    KillTimer(bar, kRepeatTimer);
    return;
  }
  SetTimer(bar, kRepeatTimer, kRepeatMs, nullptr);
  // A held page area repeats until the thumb reaches the mouse.
  if (HitScrollPart(LayoutOf(bar, *state), state->mouse) != state->held) {
    if (state->over_held) {
      state->over_held = false;
      Repaint(bar);
    }
    return;
  }
  Notify(bar, CodeOf(state->held));
}

WORD KeyCode(WPARAM key) {
  switch (key) {
    case VK_LEFT:
    case VK_UP: return SB_LINEUP;
    case VK_RIGHT:
    case VK_DOWN: return SB_LINEDOWN;
    case VK_PRIOR: return SB_PAGEUP;
    case VK_NEXT: return SB_PAGEDOWN;
    case VK_HOME: return SB_TOP;
    case VK_END: return SB_BOTTOM;
    default: return SB_ENDSCROLL;  // not a scrolling key
  }
}

LRESULT SetValues(HWND bar, const SCROLLINFO& info, bool redraw) {
  ScrollBarState* state = Find(bar);
  ScrollValues values = state->values;
  if (!ApplyScrollInfo(values, info)) return 0;
  state->values = values;
  if (info.fMask & SIF_DISABLENOSCROLL) {
    state->disabled_arrows = CanScroll(values) ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH;
  }
  if (redraw) Repaint(bar);
  return values.pos;
}

LRESULT GetValues(const ScrollBarState& state, SCROLLINFO* info) {
  if (info == nullptr) return FALSE;
  if (info->cbSize != sizeof(SCROLLINFO) && info->cbSize != sizeof(SCROLLINFO) - sizeof(int)) return FALSE;
  if (!(info->fMask & SIF_ALL)) return FALSE;
  if (info->fMask & SIF_RANGE) {
    info->nMin = state.values.min;
    info->nMax = state.values.max;
  }
  if (info->fMask & SIF_PAGE) info->nPage = state.values.page;
  if (info->fMask & SIF_POS) info->nPos = state.values.pos;
  if ((info->fMask & SIF_TRACKPOS) && info->cbSize == sizeof(SCROLLINFO)) {
    info->nTrackPos = state.dragging ? state.track_pos : state.values.pos;
  }
  return TRUE;
}

SCROLLINFO Info(UINT mask, int min = 0, int max = 0, int pos = 0) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = mask;
  info.nMin = min;
  info.nMax = max;
  info.nPos = pos;
  return info;
}

LRESULT ScrollBarProcedure(HWND bar, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    AttachState<ScrollBarState>(bar);
    return DefWindowProcW(bar, message, wparam, lparam);
  }
  ScrollBarState* state = Find(bar);
  if (state == nullptr) return DefWindowProcW(bar, message, wparam, lparam);
  const POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  switch (message) {
    case WM_NCDESTROY:
      DetachState<ScrollBarState>(bar);
      return DefWindowProcW(bar, message, wparam, lparam);
    case WM_PAINT:
      Paint(bar);
      return 0;
    case WM_PRINTCLIENT:
      PaintBar(bar, reinterpret_cast<HDC>(wparam), ScrollBarState(*state));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_ENABLE:
      Repaint(bar);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      Press(bar, point);
      return 0;
    case WM_MOUSEMOVE:
      Drag(bar, point);
      return 0;
    case WM_LBUTTONUP:
      Release(bar, true);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lparam) != bar) Release(bar, false);
      return 0;
    case WM_KILLFOCUS:
      return 0;
    case WM_TIMER:
      if (wparam == kRepeatTimer) {
        Repeat(bar);
        return 0;
      }
      return DefWindowProcW(bar, message, wparam, lparam);
    case WM_KEYDOWN:
      if (KeyCode(wparam) != SB_ENDSCROLL && IsWindowEnabled(bar)) Notify(bar, KeyCode(wparam));
      return 0;
    case WM_KEYUP:
      if (KeyCode(wparam) != SB_ENDSCROLL && IsWindowEnabled(bar)) Notify(bar, SB_ENDSCROLL);
      return 0;
    case SBM_SETSCROLLINFO: {
      auto* info = reinterpret_cast<const SCROLLINFO*>(lparam);
      return info != nullptr ? SetValues(bar, *info, wparam != 0) : 0;
    }
    case SBM_GETSCROLLINFO:
      return GetValues(*state, reinterpret_cast<SCROLLINFO*>(lparam));
    case SBM_SETPOS: {
      const int old = state->values.pos;
      SetValues(bar, Info(SIF_POS, 0, 0, static_cast<int>(wparam)), lparam != 0);
      return old;
    }
    case SBM_GETPOS:
      return state->values.pos;
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
      const int old = state->values.pos;
      SetValues(bar, Info(SIF_RANGE, static_cast<int>(wparam), static_cast<int>(lparam)),
                message == SBM_SETRANGEREDRAW);
      return old;
    }
    case SBM_GETRANGE:
      if (wparam != 0) *reinterpret_cast<int*>(wparam) = state->values.min;
      if (lparam != 0) *reinterpret_cast<int*>(lparam) = state->values.max;
      return 0;
    case SBM_ENABLE_ARROWS: {
      const UINT wanted = static_cast<UINT>(wparam) & ESB_DISABLE_BOTH;
      if (wanted == state->disabled_arrows) return FALSE;
      state->disabled_arrows = wanted;
      Repaint(bar);
      return TRUE;
    }
    default:
      return DefWindowProcW(bar, message, wparam, lparam);
  }
}

}  // namespace

bool RegisterScrollBarClass() { return RegisterControlClass(u"ScrollBar", ScrollBarProcedure); }

}  // namespace platform::user::controls
