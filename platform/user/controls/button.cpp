// The BUTTON window class: its procedure, following the table in button.h.
#include "platform/user/controls/button.h"

#include <string_view>
#include <vector>

#include "platform/user/controls/control_data.h"
#include "platform/user/controls/control_support.h"

namespace platform::user::controls {
namespace {

DWORD StyleOf(HWND button) { return static_cast<DWORD>(GetWindowLongW(button, GWL_STYLE)); }
DWORD TypeOf(HWND button) { return ButtonType(StyleOf(button)); }

ButtonState* Find(HWND button) { return StateOf<ButtonState>(button); }

// Redraws after a change of state: owner-draw buttons hear which part changed
// (ODA_SELECT, ODA_FOCUS) through a DC of their own, as in Windows; the others repaint.
void Redraw(HWND button, UINT owner_action) {
  if (TypeOf(button) == BS_OWNERDRAW) {
    ButtonState* state = Find(button);
    if (state == nullptr || !IsWindowVisible(button)) return;
    ButtonState copy = *state;
    HDC dc = GetDC(button);
    if (dc == nullptr) return;
    PaintButton(button, dc, copy, owner_action);
    ReleaseDC(button, dc);
    return;
  }
  if (TypeOf(button) == BS_GROUPBOX) {
    RepaintParentArea(button);
    return;
  }
  Repaint(button);
}

void SetPushed(HWND button, bool pushed) {
  ButtonState* state = Find(button);
  if (state == nullptr || state->pushed == pushed) return;
  state->pushed = pushed;
  Redraw(button, ODA_SELECT);
}

bool Inside(HWND button, LPARAM point) {
  RECT r;
  GetClientRect(button, &r);
  return PtInRect(&r, POINT{GET_X_LPARAM(point), GET_Y_LPARAM(point)}) != FALSE;
}

UINT MostCheck(DWORD type) {
  if (type == BS_3STATE || type == BS_AUTO3STATE) return BST_INDETERMINATE;
  return IsCheckType(type) ? BST_CHECKED : BST_UNCHECKED;
}

// BM_SETCHECK: the state clamped to what the kind holds; a radio button is a tab stop
// while it is checked, so that Tab enters its group at the checked one.
void SetCheck(HWND button, UINT check) {
  ButtonState* state = Find(button);
  if (state == nullptr) return;
  const DWORD type = TypeOf(button);
  if (check > MostCheck(type)) check = MostCheck(type);
  if (IsRadioType(type)) {
    DWORD style = StyleOf(button);
    DWORD wanted = check != BST_UNCHECKED ? style | WS_TABSTOP : style & ~WS_TABSTOP;
    if (wanted != style) SetWindowLongW(button, GWL_STYLE, static_cast<LONG>(wanted));
    state = Find(button);
    if (state == nullptr) return;
  }
  if (state->check == check) return;
  state->check = check;
  Redraw(button, ODA_DRAWENTIRE);
}

// The radio buttons of the group `button` is in: its siblings from the WS_GROUP mark at or
// before it up to the next mark.
std::vector<HWND> RadioGroupOf(HWND button) {
  std::vector<HWND> siblings;
  HWND parent = GetParent(button);
  if (parent == nullptr) return siblings;
  for (HWND w = GetWindow(parent, GW_CHILD); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
    siblings.push_back(w);
  }
  std::size_t at = 0;
  while (at < siblings.size() && siblings[at] != button) ++at;
  if (at == siblings.size()) return {};
  std::size_t first = at;
  while (first > 0 && !(GetWindowLongW(siblings[first], GWL_STYLE) & WS_GROUP)) --first;
  std::size_t last = at + 1;
  while (last < siblings.size() && !(GetWindowLongW(siblings[last], GWL_STYLE) & WS_GROUP)) ++last;
  return std::vector<HWND>(siblings.begin() + static_cast<std::ptrdiff_t>(first),
                           siblings.begin() + static_cast<std::ptrdiff_t>(last));
}

void CheckInGroup(HWND button) {
  for (HWND other : RadioGroupOf(button)) {
    if (other == button) continue;
    WCHAR name[16] = {};
    GetClassNameW(other, name, 16);
    if (ButtonType(static_cast<DWORD>(GetWindowLongW(other, GWL_STYLE))) != BS_AUTORADIOBUTTON) continue;
    if (std::u16string_view(name) != u"Button") continue;
    SendMessageW(other, BM_SETCHECK, BST_UNCHECKED, 0);
  }
  SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0);
}

// A click: automatic buttons advance their state, then the parent hears BN_CLICKED.
void Click(HWND button) {
  ButtonState* state = Find(button);
  if (state == nullptr) return;
  switch (TypeOf(button)) {
    case BS_AUTOCHECKBOX:
      SendMessageW(button, BM_SETCHECK, state->check == BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case BS_AUTO3STATE:
      SendMessageW(button, BM_SETCHECK, (state->check + 1) % 3, 0);
      break;
    case BS_AUTORADIOBUTTON:
      CheckInGroup(button);
      break;
    default:
      break;
  }
  if (IsWindow(button)) NotifyParent(button, BN_CLICKED);
}

void EndTracking(HWND button) {
  ButtonState* state = Find(button);
  if (state == nullptr) return;
  state->tracking = false;
  state->space_down = false;
  SetPushed(button, false);
}

void OnButtonDown(HWND button) {
  SetFocus(button);
  ButtonState* state = Find(button);
  if (state == nullptr) return;
  SetCapture(button);
  state = Find(button);
  if (state == nullptr) return;
  state->tracking = true;
  SetPushed(button, true);
}

void OnButtonUp(HWND button, LPARAM point) {
  ButtonState* state = Find(button);
  if (state == nullptr || !state->tracking) return;
  const bool inside = Inside(button, point);
  state->tracking = false;
  if (GetCapture() == button) ReleaseCapture();
  SetPushed(button, false);
  if (inside) Click(button);
}

bool NotifiesDoubleClicks(HWND button) {
  DWORD type = TypeOf(button);
  return (StyleOf(button) & BS_NOTIFY) || IsRadioType(type) || type == BS_OWNERDRAW ||
         (StyleOf(button) & BS_TYPEMASK) == BS_USERBUTTON;
}

LRESULT DialogCode(HWND button) {
  switch (TypeOf(button)) {
    case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_PUSHBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX: return DLGC_STATIC;
    default: return DLGC_BUTTON;
  }
}

void Paint(HWND button) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(button, &paint);
  ButtonState* state = Find(button);
  if (dc != nullptr && state != nullptr) {
    ButtonState copy = *state;
    PaintButton(button, dc, copy, ODA_DRAWENTIRE);
  }
  EndPaint(button, &paint);
}

LRESULT ButtonProcedure(HWND button, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    AttachState<ButtonState>(button);
    return DefWindowProcW(button, message, wparam, lparam);
  }
  ButtonState* state = Find(button);
  if (state == nullptr) return DefWindowProcW(button, message, wparam, lparam);
  switch (message) {
    case WM_NCDESTROY:
      DetachState<ButtonState>(button);
      return DefWindowProcW(button, message, wparam, lparam);
    case WM_PAINT:
      Paint(button);
      return 0;
    case WM_PRINTCLIENT:
      PaintButton(button, reinterpret_cast<HDC>(wparam), ButtonState(*state), ODA_DRAWENTIRE);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the face is painted whole in WM_PAINT
    case WM_NCHITTEST:
      if (TypeOf(button) == BS_GROUPBOX) return HTTRANSPARENT;
      return DefWindowProcW(button, message, wparam, lparam);
    case WM_GETDLGCODE:
      return DialogCode(button);
    case WM_SETFONT:
      state->font = reinterpret_cast<HFONT>(wparam);
      if (LOWORD(lparam)) Redraw(button, ODA_DRAWENTIRE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state->font);
    case WM_SETTEXT: {
      LRESULT done = DefWindowProcW(button, message, wparam, lparam);
      Redraw(button, ODA_DRAWENTIRE);
      return done;
    }
    case WM_ENABLE:
      Redraw(button, ODA_DRAWENTIRE);
      return 0;
    case WM_SETFOCUS: {
      state->focused = true;
      Redraw(button, ODA_FOCUS);
      if (StyleOf(button) & BS_NOTIFY) NotifyParent(button, BN_SETFOCUS);
      return 0;
    }
    case WM_KILLFOCUS: {
      state->focused = false;
      if (state->tracking || state->space_down) {
        if (GetCapture() == button) ReleaseCapture();
        EndTracking(button);
      }
      Redraw(button, ODA_FOCUS);
      if (StyleOf(button) & BS_NOTIFY) NotifyParent(button, BN_KILLFOCUS);
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (state->tracking) EndTracking(button);
      return 0;
    case WM_LBUTTONDBLCLK:
      if (NotifiesDoubleClicks(button)) {
        NotifyParent(button, BN_DOUBLECLICKED);
        return 0;
      }
      OnButtonDown(button);
      return 0;
    case WM_LBUTTONDOWN:
      OnButtonDown(button);
      return 0;
    case WM_MOUSEMOVE:
      if (state->tracking) SetPushed(button, Inside(button, lparam));
      return 0;
    case WM_LBUTTONUP:
      OnButtonUp(button, lparam);
      return 0;
    case WM_KEYDOWN:
      if (wparam == VK_SPACE && !state->tracking) {
        if (!(lparam & (1 << 30))) {  // not an auto-repeat
          state->space_down = true;
          SetPushed(button, true);
        }
        return 0;
      }
      return DefWindowProcW(button, message, wparam, lparam);
    case WM_KEYUP:
      if (wparam == VK_SPACE && state->space_down) {
        state->space_down = false;
        SetPushed(button, false);
        Click(button);
        return 0;
      }
      return DefWindowProcW(button, message, wparam, lparam);
    case WM_CHAR:
      return 0;  // Space is handled as a key; characters do nothing
    case BM_GETCHECK:
      return IsCheckType(TypeOf(button)) ? state->check : BST_UNCHECKED;
    case BM_SETCHECK:
      if (IsCheckType(TypeOf(button))) SetCheck(button, static_cast<UINT>(wparam));
      return 0;
    case BM_GETSTATE:
      return (IsCheckType(TypeOf(button)) ? state->check : 0) | (state->pushed ? BST_PUSHED : 0) |
             (state->focused ? BST_FOCUS : 0);
    case BM_SETSTATE:
      SetPushed(button, wparam != 0);
      return 0;
    case BM_CLICK: {
      if (!IsWindowEnabled(button)) return 0;
      // As a press and a release in the middle of the button.
      RECT r;
      GetClientRect(button, &r);
      LPARAM middle = MAKELPARAM(static_cast<WORD>(r.right / 2), static_cast<WORD>(r.bottom / 2));
      SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, middle);
      SendMessageW(button, WM_LBUTTONUP, 0, middle);
      return 0;
    }
    case BM_SETSTYLE: {
      DWORD style = StyleOf(button);
      DWORD wanted = (style & ~BS_TYPEMASK) | (static_cast<DWORD>(wparam) & BS_TYPEMASK);
      if (wanted != style) SetWindowLongW(button, GWL_STYLE, static_cast<LONG>(wanted));
      if (LOWORD(lparam)) Redraw(button, ODA_DRAWENTIRE);
      return 0;
    }
    case BM_GETIMAGE:
      if (wparam == IMAGE_BITMAP) return reinterpret_cast<LRESULT>(state->bitmap);
      if (wparam == IMAGE_ICON) return reinterpret_cast<LRESULT>(state->icon);
      return 0;
    case BM_SETIMAGE: {
      HANDLE old = nullptr;
      if (wparam == IMAGE_BITMAP) {
        old = state->bitmap;
        state->bitmap = reinterpret_cast<HBITMAP>(lparam);
      } else if (wparam == IMAGE_ICON) {
        old = state->icon;
        state->icon = reinterpret_cast<HICON>(lparam);
      } else {
        return 0;
      }
      Redraw(button, ODA_DRAWENTIRE);
      return reinterpret_cast<LRESULT>(old);
    }
    default:
      return DefWindowProcW(button, message, wparam, lparam);
  }
}

}  // namespace

bool RegisterButtonClass() {
  return RegisterControlClass(u"Button", ButtonProcedure, CS_HREDRAW | CS_VREDRAW);
}

}  // namespace platform::user::controls
