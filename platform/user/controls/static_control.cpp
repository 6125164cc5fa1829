// The STATIC window class: text, rectangles and frames, etched lines, images and
// owner-drawn statics. A static takes no input: without SS_NOTIFY its hit test is
// HTTRANSPARENT, so clicks reach what lies under it; with SS_NOTIFY a press sends
// STN_CLICKED and a double click STN_DBLCLK.
//
//   SS_LEFT, SS_CENTER, SS_RIGHT   words wrapped, tabs expanded, & underlines the next letter
//   SS_LEFTNOWORDWRAP, SS_SIMPLE   lines kept whole (SS_SIMPLE: one line)
//   SS_CENTERIMAGE (text)          one line, centred vertically
//   SS_*RECT, SS_*FRAME            filled with / framed in black, grey or white
//   SS_ETCHED*                     the etched frame, or its top or left line
//   SS_ICON, SS_BITMAP             the image at the top-left, the control sized to it
//                                  (centred with SS_CENTERIMAGE; a bitmap stretched to
//                                  the control with SS_REALSIZECONTROL)
//   SS_OWNERDRAW                   WM_DRAWITEM to the parent
#include <algorithm>

#include "platform/user/controls/control_data.h"
#include "platform/user/controls/control_support.h"

namespace platform::user::controls {
namespace {

struct StaticState {
  HFONT font = nullptr;
  HANDLE image = nullptr;  // HICON for SS_ICON, HBITMAP for SS_BITMAP
};

DWORD StyleOf(HWND control) { return static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE)); }
DWORD TypeOf(HWND control) { return StyleOf(control) & SS_TYPEMASK; }

StaticState* Find(HWND control) { return StateOf<StaticState>(control); }

bool IsTextType(DWORD type) {
  return type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_SIMPLE ||
         type == SS_LEFTNOWORDWRAP;
}

UINT ImageTypeOf(DWORD type) { return type == SS_ICON ? IMAGE_ICON : IMAGE_BITMAP; }

UINT TextFormat(DWORD style) {
  UINT format = DT_EXPANDTABS;
  switch (style & SS_TYPEMASK) {
    case SS_CENTER: format |= DT_CENTER | DT_WORDBREAK; break;
    case SS_RIGHT: format |= DT_RIGHT | DT_WORDBREAK; break;
    case SS_SIMPLE: format = DT_LEFT | DT_SINGLELINE; break;
    case SS_LEFTNOWORDWRAP: format |= DT_LEFT; break;
    default: format |= DT_LEFT | DT_WORDBREAK; break;
  }
  if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
  if (style & SS_EDITCONTROL) format |= DT_EDITCONTROL;
  if (style & SS_CENTERIMAGE) format = (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
  switch (style & SS_ELLIPSISMASK) {
    case SS_ENDELLIPSIS: format = (format & ~DT_WORDBREAK) | DT_END_ELLIPSIS; break;
    case SS_PATHELLIPSIS: format = (format & ~DT_WORDBREAK) | DT_PATH_ELLIPSIS; break;
    case SS_WORDELLIPSIS: format = (format & ~DT_WORDBREAK) | DT_WORD_ELLIPSIS; break;
    default: break;
  }
  return format;
}

void PaintText(HWND control, HDC dc, const StaticState& state, const RECT& r, DWORD style) {
  HBRUSH brush = ParentColors(control, dc, WM_CTLCOLORSTATIC);
  FillRect(dc, &r, brush);
  std::u16string text = ControlText(control);
  HGDIOBJ old = SelectControlFont(dc, state.font);
  DrawControlText(dc, text, r, TextFormat(style), IsWindowEnabled(control) != FALSE);
  SelectObject(dc, old);
}

void PaintImage(HWND control, HDC dc, const StaticState& state, const RECT& r, DWORD style) {
  HBRUSH brush = ParentColors(control, dc, WM_CTLCOLORSTATIC);
  FillRect(dc, &r, brush);
  const UINT type = ImageTypeOf(style & SS_TYPEMASK);
  SIZE size = ImageSize(state.image, type);
  if (size.cx == 0) return;
  const bool enabled = IsWindowEnabled(control) != FALSE;
  if ((style & SS_REALSIZECONTROL) && type == IMAGE_BITMAP && !(style & SS_CENTERIMAGE)) {
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, state.image);
    StretchBlt(dc, 0, 0, Width(r), Height(r), memory, 0, 0, size.cx, size.cy, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    return;
  }
  int x = 0;
  int y = 0;
  if (style & (SS_CENTERIMAGE | SS_REALSIZECONTROL)) {
    x = (Width(r) - size.cx) / 2;
    y = (Height(r) - size.cy) / 2;
  }
  DrawImage(dc, state.image, type, x, y, enabled);
}

// SS_BLACKRECT ... SS_WHITEFRAME: the colour each names, as the classic scheme has them.
int ShapeColor(DWORD type) {
  switch (type) {
    case SS_BLACKRECT:
    case SS_BLACKFRAME: return COLOR_WINDOWFRAME;
    case SS_GRAYRECT:
    case SS_GRAYFRAME: return COLOR_3DSHADOW;
    default: return COLOR_3DHILIGHT;
  }
}

void PaintShape(HDC dc, const RECT& r, DWORD type) {
  RECT area = r;
  switch (type) {
    case SS_BLACKRECT:
    case SS_GRAYRECT:
    case SS_WHITERECT:
      FillRect(dc, &area, GetSysColorBrush(ShapeColor(type)));
      break;
    case SS_BLACKFRAME:
    case SS_GRAYFRAME:
    case SS_WHITEFRAME:
      FrameRect(dc, &area, GetSysColorBrush(ShapeColor(type)));
      break;
    case SS_ETCHEDFRAME:
      DrawEdge(dc, &area, EDGE_ETCHED, BF_RECT);
      break;
    case SS_ETCHEDHORZ:
      DrawEdge(dc, &area, EDGE_ETCHED, BF_TOP);
      break;
    case SS_ETCHEDVERT:
      DrawEdge(dc, &area, EDGE_ETCHED, BF_LEFT);
      break;
    default:
      break;
  }
}

void AskOwnerToDraw(HWND control, HDC dc, const RECT& r) {
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_STATIC;
  item.CtlID = static_cast<UINT>(GetDlgCtrlID(control));
  item.itemAction = ODA_DRAWENTIRE;
  if (!IsWindowEnabled(control)) item.itemState |= ODS_DISABLED;
  item.hwndItem = control;
  item.hDC = dc;
  item.rcItem = r;
  if (HWND parent = GetParent(control)) {
    SendMessageW(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
  }
}

void PaintStatic(HWND control, HDC dc, const StaticState& state) {
  RECT r;
  GetClientRect(control, &r);
  const DWORD style = StyleOf(control);
  const DWORD type = style & SS_TYPEMASK;
  if (IsTextType(type)) PaintText(control, dc, state, r, style);
  else if (type == SS_ICON || type == SS_BITMAP) PaintImage(control, dc, state, r, style);
  else if (type == SS_OWNERDRAW) AskOwnerToDraw(control, dc, r);
  else PaintShape(dc, r, type);
}

void Paint(HWND control) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(control, &paint);
  StaticState* state = Find(control);
  if (dc != nullptr && state != nullptr) {
    StaticState copy = *state;
    PaintStatic(control, dc, copy);
  }
  EndPaint(control, &paint);
}

// STM_SETIMAGE: keeps the image and, unless the style keeps the control's size, fits the
// control to it. The previous image is returned (the caller owns it).
HANDLE SetImage(HWND control, HANDLE image) {
  StaticState* state = Find(control);
  if (state == nullptr) return nullptr;
  HANDLE old = state->image;
  state->image = image;
  const DWORD style = StyleOf(control);
  SIZE size = ImageSize(image, ImageTypeOf(style & SS_TYPEMASK));
  if (size.cx > 0 && !(style & (SS_CENTERIMAGE | SS_REALSIZECONTROL))) {
    RECT window;
    RECT client;
    GetWindowRect(control, &window);
    GetClientRect(control, &client);
    SetWindowPos(control, nullptr, 0, 0, size.cx + Width(window) - client.right,
                 size.cy + Height(window) - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RepaintParentArea(control);
  return old;
}

// SS_ICON and SS_BITMAP statics name their image by their text: a resource of the module.
void LoadNamedImage(HWND control, const CREATESTRUCTW& create) {
  const DWORD type = static_cast<DWORD>(create.style) & SS_TYPEMASK;
  if ((type != SS_ICON && type != SS_BITMAP) || create.lpszName == nullptr) return;
  LPCWSTR name = create.lpszName;
  if (!IS_INTRESOURCE(name) && name[0] == 0xFFFF) name = MAKEINTRESOURCEW(name[1]);
  if (!IS_INTRESOURCE(name) && name[0] == 0) return;
  HANDLE image = LoadImageW(create.hInstance, name, ImageTypeOf(type), 0, 0,
                            type == SS_ICON ? LR_SHARED | LR_DEFAULTSIZE : 0);
  if (image != nullptr) SetImage(control, image);
}

LRESULT StaticProcedure(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    AttachState<StaticState>(control);
    // A sunken static is one with a static edge, drawn as part of its frame.
    if (StyleOf(control) & SS_SUNKEN) {
      SetWindowLongW(control, GWL_EXSTYLE, GetWindowLongW(control, GWL_EXSTYLE) | WS_EX_STATICEDGE);
    }
    return DefWindowProcW(control, message, wparam, lparam);
  }
  StaticState* state = Find(control);
  if (state == nullptr) return DefWindowProcW(control, message, wparam, lparam);
  const DWORD type = TypeOf(control);
  switch (message) {
    case WM_NCDESTROY:
      DetachState<StaticState>(control);
      return DefWindowProcW(control, message, wparam, lparam);
    case WM_CREATE:
      if (lparam != 0) LoadNamedImage(control, *reinterpret_cast<const CREATESTRUCTW*>(lparam));
      return 0;
    case WM_PAINT:
      Paint(control);
      return 0;
    case WM_PRINTCLIENT:
      PaintStatic(control, reinterpret_cast<HDC>(wparam), StaticState(*state));
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT
    case WM_NCHITTEST:
      if (!(StyleOf(control) & SS_NOTIFY)) return HTTRANSPARENT;
      return DefWindowProcW(control, message, wparam, lparam);
    case WM_GETDLGCODE:
      return DLGC_STATIC;
    case WM_SETFONT:
      state->font = reinterpret_cast<HFONT>(wparam);
      if (LOWORD(lparam)) RepaintParentArea(control);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state->font);
    case WM_SETTEXT: {
      LRESULT done = DefWindowProcW(control, message, wparam, lparam);
      if (IsTextType(type) || type == SS_OWNERDRAW) RepaintParentArea(control);
      return done;
    }
    case WM_ENABLE:
      RepaintParentArea(control);
      if (StyleOf(control) & SS_NOTIFY) NotifyParent(control, wparam ? STN_ENABLE : STN_DISABLE);
      return 0;
    case WM_LBUTTONDOWN:
      if (StyleOf(control) & SS_NOTIFY) NotifyParent(control, STN_CLICKED);
      return 0;
    case WM_LBUTTONDBLCLK:
      if (StyleOf(control) & SS_NOTIFY) NotifyParent(control, STN_DBLCLK);
      return 0;
    case STM_SETIMAGE:
      if ((wparam == IMAGE_ICON || wparam == IMAGE_CURSOR) && type == SS_ICON) {
        return reinterpret_cast<LRESULT>(SetImage(control, reinterpret_cast<HANDLE>(lparam)));
      }
      if (wparam == IMAGE_BITMAP && type == SS_BITMAP) {
        return reinterpret_cast<LRESULT>(SetImage(control, reinterpret_cast<HANDLE>(lparam)));
      }
      return 0;
    case STM_GETIMAGE:
      if (((wparam == IMAGE_ICON || wparam == IMAGE_CURSOR) && type == SS_ICON) ||
          (wparam == IMAGE_BITMAP && type == SS_BITMAP)) {
        return reinterpret_cast<LRESULT>(state->image);
      }
      return 0;
    case STM_SETICON:
      if (type != SS_ICON) return 0;
      return reinterpret_cast<LRESULT>(SetImage(control, reinterpret_cast<HANDLE>(wparam)));
    case STM_GETICON:
      return type == SS_ICON ? reinterpret_cast<LRESULT>(state->image) : 0;
    default:
      return DefWindowProcW(control, message, wparam, lparam);
  }
}

}  // namespace

bool RegisterStaticClass() { return RegisterControlClass(u"Static", StaticProcedure); }

}  // namespace platform::user::controls
