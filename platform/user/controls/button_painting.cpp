// Painting of the BUTTON control in the classic 3-D style (see button.h).
//
//   push buttons   the raised face (DrawFrameControl), a black frame around the default
//                  one, pressed: dark and shadow frames with the content one pixel down and
//                  right; the focus rectangle inside the face
//   check, radio   the 13 x 13 box or circle beside the text (on the right with
//                  BS_LEFTTEXT), the focus rectangle around the text; BS_PUSHLIKE draws them
//                  as push buttons, sunken while checked
//   group box      an etched frame whose top runs through the middle of the text
//   owner-draw     WM_DRAWITEM to the parent
#include <algorithm>

#include "platform/user/controls/button.h"
#include "platform/user/controls/control_support.h"

namespace platform::user::controls {
namespace {

constexpr int kBoxSize = 13;    // check box and radio circle, as SM_CXMENUCHECK at 96 dpi
constexpr int kBoxTextGap = 4;  // between the box and its text
constexpr int kGroupTextX = 8;  // the group box's text from its left edge

// Where content of `size` goes in `area`, following the BS_ alignment bits (or the
// defaults of the kind of button when none is given).
RECT Place(SIZE size, const RECT& area, DWORD style, DWORD default_horizontal, DWORD default_vertical) {
  DWORD horizontal = style & BS_CENTER;
  DWORD vertical = style & BS_VCENTER;
  if (horizontal == 0) horizontal = default_horizontal;
  if (vertical == 0) vertical = default_vertical;
  RECT r{};
  switch (horizontal) {
    case BS_LEFT: r.left = area.left; break;
    case BS_RIGHT: r.left = area.right - size.cx; break;
    default: r.left = area.left + (Width(area) - size.cx) / 2; break;
  }
  switch (vertical) {
    case BS_TOP: r.top = area.top; break;
    case BS_BOTTOM: r.top = area.bottom - size.cy; break;
    default: r.top = area.top + (Height(area) - size.cy) / 2; break;
  }
  r.right = r.left + size.cx;
  r.bottom = r.top + size.cy;
  return r;
}

UINT HorizontalFormat(DWORD style, DWORD default_horizontal) {
  DWORD horizontal = style & BS_CENTER;
  if (horizontal == 0) horizontal = default_horizontal;
  return horizontal == BS_RIGHT ? DT_RIGHT : horizontal == BS_CENTER ? DT_CENTER : DT_LEFT;
}

// Draws the text or image of a button in `area`; the rectangle it took (for the focus).
RECT DrawContent(HWND button, HDC dc, const ButtonState& state, RECT area, DWORD style,
                 DWORD default_horizontal, bool enabled) {
  if ((style & (BS_BITMAP | BS_ICON)) && (state.bitmap != nullptr || state.icon != nullptr)) {
    const bool icon = (style & BS_ICON) != 0 && state.icon != nullptr;
    HANDLE image = icon ? static_cast<HANDLE>(state.icon) : static_cast<HANDLE>(state.bitmap);
    UINT type = icon ? IMAGE_ICON : IMAGE_BITMAP;
    RECT at = Place(ImageSize(image, type), area, style, default_horizontal, BS_VCENTER);
    DrawImage(dc, image, type, at.left, at.top, enabled);
    return at;
  }
  std::u16string text = ControlText(button);
  if (text.empty()) return RECT{0, 0, 0, 0};
  UINT format = HorizontalFormat(style, default_horizontal);
  format |= (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
  RECT measure{0, 0, std::max<LONG>(Width(area), 1), 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measure, format | DT_CALCRECT);
  SIZE size{std::min(Width(measure), Width(area)), Height(measure)};
  RECT at = Place(size, area, style, default_horizontal, BS_VCENTER);
  // Lines are aligned inside the whole width; the block is placed vertically.
  RECT lines{area.left, at.top, area.right, at.bottom};
  int mode = SetBkMode(dc, TRANSPARENT);
  DrawControlText(dc, text, lines, format, enabled);
  SetBkMode(dc, mode);
  return at;
}

void PaintPushFace(HWND button, HDC dc, const ButtonState& state, DWORD style, bool as_checked) {
  ParentColors(button, dc, WM_CTLCOLORBTN);
  RECT r;
  GetClientRect(button, &r);
  const bool enabled = IsWindowEnabled(button) != FALSE;
  const bool is_default = ButtonType(style) == BS_DEFPUSHBUTTON;
  const bool flat = (style & BS_FLAT) != 0;
  const bool pushed = state.pushed || (as_checked && state.check != BST_UNCHECKED);
  if (is_default && !flat) {
    FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&r, -1, -1);
  }
  RECT face = r;
  if (is_default && state.pushed && !flat) {
    // The default button pressed: the black frame around one shadow frame, a flat face.
    FrameRect(dc, &face, GetSysColorBrush(COLOR_3DSHADOW));
    InflateRect(&face, -1, -1);
    FillRect(dc, &face, GetSysColorBrush(COLOR_3DFACE));
  } else {
    UINT dfcs = DFCS_BUTTONPUSH;
    if (state.pushed) dfcs |= DFCS_PUSHED;
    else if (pushed) dfcs |= DFCS_CHECKED;
    if (flat) dfcs |= DFCS_FLAT;
    DrawFrameControl(dc, &face, DFC_BUTTON, dfcs);
  }
  RECT content = r;
  InflateRect(&content, -3, -3);
  if (pushed) OffsetRect(&content, 1, 1);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  HGDIOBJ old = SelectControlFont(dc, state.font);
  DrawContent(button, dc, state, content, style, BS_CENTER, enabled);
  SelectObject(dc, old);
  if (state.focused) {
    RECT focus = r;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
}

void PaintCheckOrRadio(HWND button, HDC dc, const ButtonState& state, DWORD style) {
  HBRUSH brush = ParentColors(button, dc, WM_CTLCOLORSTATIC);
  RECT r;
  GetClientRect(button, &r);
  FillRect(dc, &r, brush);
  const DWORD type = ButtonType(style);
  const bool enabled = IsWindowEnabled(button) != FALSE;
  const bool box_on_right = (style & BS_LEFTTEXT) != 0;

  RECT column = r;  // the box's column, then the text's
  if (box_on_right) column.left = r.right - kBoxSize;
  else column.right = r.left + kBoxSize;
  RECT box = Place(SIZE{kBoxSize, kBoxSize}, column, style, BS_LEFT, BS_VCENTER);
  UINT dfcs = IsRadioType(type) ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
  if (state.check == BST_CHECKED) dfcs |= DFCS_CHECKED;
  if (state.check == BST_INDETERMINATE) dfcs |= DFCS_BUTTON3STATE | DFCS_CHECKED;
  if (state.pushed) dfcs |= DFCS_PUSHED;
  if (!enabled) dfcs |= DFCS_INACTIVE;
  if (style & BS_FLAT) dfcs |= DFCS_FLAT;
  DrawFrameControl(dc, &box, DFC_BUTTON, dfcs);

  RECT text_area = r;
  if (box_on_right) text_area.right = box.left - kBoxTextGap;
  else text_area.left = box.right + kBoxTextGap;
  HGDIOBJ old = SelectControlFont(dc, state.font);
  RECT drawn = DrawContent(button, dc, state, text_area, style, BS_LEFT, enabled);
  SelectObject(dc, old);
  if (state.focused && Width(drawn) > 0) {
    RECT focus = drawn;
    InflateRect(&focus, 1, 1);
    IntersectRect(&focus, &focus, &r);
    DrawFocusRect(dc, &focus);
  }
}

void PaintGroupBox(HWND button, HDC dc, const ButtonState& state, DWORD style) {
  HBRUSH brush = ParentColors(button, dc, WM_CTLCOLORSTATIC);
  RECT r;
  GetClientRect(button, &r);
  HGDIOBJ old = SelectControlFont(dc, state.font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  std::u16string text = ControlText(button);
  RECT frame = r;
  frame.top += metrics.tmHeight / 2;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  if (!text.empty()) {
    RECT measure{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measure, DT_SINGLELINE | DT_CALCRECT);
    RECT area{r.left + kGroupTextX, r.top, r.right - kGroupTextX, r.top + metrics.tmHeight};
    RECT at = Place(SIZE{std::min(Width(measure), Width(area)), metrics.tmHeight}, area, style,
                    BS_LEFT, BS_TOP);
    RECT behind{at.left - 2, at.top, at.right + 2, at.bottom};
    FillRect(dc, &behind, brush);
    int mode = SetBkMode(dc, TRANSPARENT);
    DrawControlText(dc, text, at, DT_SINGLELINE | DT_LEFT | DT_TOP, IsWindowEnabled(button) != FALSE);
    SetBkMode(dc, mode);
  }
  SelectObject(dc, old);
}

void AskOwnerToDraw(HWND button, HDC dc, const ButtonState& state, UINT action) {
  RECT r;
  GetClientRect(button, &r);
  if (action == ODA_DRAWENTIRE) FillRect(dc, &r, ParentColors(button, dc, WM_CTLCOLORBTN));
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_BUTTON;
  item.CtlID = static_cast<UINT>(GetDlgCtrlID(button));
  item.itemAction = action;
  if (state.pushed) item.itemState |= ODS_SELECTED;
  if (state.focused) item.itemState |= ODS_FOCUS;
  if (!IsWindowEnabled(button)) item.itemState |= ODS_DISABLED;
  item.hwndItem = button;
  item.hDC = dc;
  item.rcItem = r;
  HWND parent = GetParent(button);
  if (parent != nullptr) {
    SendMessageW(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
  }
}

}  // namespace

DWORD ButtonType(DWORD style) {
  DWORD type = style & BS_TYPEMASK;
  return type == BS_USERBUTTON || type == BS_PUSHBOX ? BS_PUSHBUTTON : type;
}

bool IsRadioType(DWORD type) { return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON; }

bool IsCheckType(DWORD type) {
  return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
         type == BS_AUTO3STATE || IsRadioType(type);
}

void PaintButton(HWND button, HDC dc, const ButtonState& state, UINT action) {
  const DWORD style = static_cast<DWORD>(GetWindowLongW(button, GWL_STYLE));
  const DWORD type = ButtonType(style);
  if (type == BS_OWNERDRAW) {
    AskOwnerToDraw(button, dc, state, action);
  } else if (type == BS_GROUPBOX) {
    PaintGroupBox(button, dc, state, style);
  } else if (IsCheckType(type) && !(style & BS_PUSHLIKE)) {
    PaintCheckOrRadio(button, dc, state, style);
  } else {
    PaintPushFace(button, dc, state, style, IsCheckType(type));
  }
}

}  // namespace platform::user::controls
