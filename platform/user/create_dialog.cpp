// CreateDialogIndirectParamW/A, DialogBoxIndirectParamW/A and EndDialog: a dialog and its
// controls from a template in memory, and the modal loop.
//
// Creation, as in Windows: the template is read whole first (a malformed one fails before
// any window exists, see dialog_template.h); the DS_SETFONT font (the point size at the
// screen's LOGPIXELSY; 0x7FFF: the message font) gives the base units, else the system
// font's; the dialog is created hidden, its client area at the template's place (relative
// to the owner's client area unless DS_ABSALIGN; DS_CENTER: centred in the work area) and
// of the template's size; WM_SETFONT goes to the dialog, then each control is created in
// template order and gets WM_SETFONT; a control that cannot be created fails the dialog
// unless DS_NOFAILCREATE; WM_INITDIALOG (wParam: the first tab stop) and, when it answers
// TRUE, the focus on that control; finally the dialog is shown when its style says
// WS_VISIBLE (a modal dialog always). Dialogs have the 3-D look: an edit or list box with
// WS_BORDER gets the sunken WS_EX_CLIENTEDGE instead of the flat line.
#include <algorithm>

#include "platform/gdi/dialog_base_units.h"
#include "platform/user/dialog_state.h"
#include "platform/user/dialog_template.h"
#include "platform/user/window_links.h"
#include "platform/user/window_procedures.h"
#include "platform/user/window_table.h"

namespace platform::user {
namespace {

constexpr WORD kMessageFontPointSize = 0x7FFF;

HFONT CreateTemplateFont(const DialogTemplate& t) {
  LOGFONTW lf{};
  if (t.point_size == kMessageFontPointSize) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return nullptr;
    return CreateFontIndirectW(&metrics.lfMessageFont);
  }
  HDC screen = GetDC(nullptr);
  int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  lf.lfHeight = -MulDiv(t.point_size, dpi, 72);
  lf.lfWeight = t.extended ? t.weight : FW_NORMAL;
  lf.lfItalic = t.extended && t.italic ? 1 : 0;
  lf.lfCharSet = t.extended ? t.charset : DEFAULT_CHARSET;
  std::size_t n = std::min<std::size_t>(t.face.size(), LF_FACESIZE - 1);
  std::copy_n(t.face.data(), n, lf.lfFaceName);
  return CreateFontIndirectW(&lf);
}

RECT WorkArea() {
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

// The window rectangle of the dialog, in the coordinates CreateWindowExW takes.
RECT DialogWindowRect(const DialogTemplate& t, DWORD style, DWORD ex_style, SIZE base,
                      HWND parent) {
  RECT r{MulDiv(t.x, base.cx, 4), MulDiv(t.y, base.cy, 8), 0, 0};
  r.right = r.left + MulDiv(t.cx, base.cx, 4);
  r.bottom = r.top + MulDiv(t.cy, base.cy, 8);
  AdjustWindowRectEx(&r, style, FALSE, ex_style);
  if (style & WS_CHILD) return r;  // in the parent's client coordinates
  // A top-level window keeps its pixels here: a template asking for more than the screen
  // (up to 32767 dialog units a side) gets the screen's size, the part Windows would show.
  LONG width = std::min<LONG>(r.right - r.left, GetSystemMetrics(SM_CXSCREEN));
  LONG height = std::min<LONG>(r.bottom - r.top, GetSystemMetrics(SM_CYSCREEN));
  RECT area = WorkArea();
  if (t.style & DS_CENTER) {
    r.left = area.left + ((area.right - area.left) - width) / 2;
    r.top = area.top + ((area.bottom - area.top) - height) / 2;
  } else if (!(t.style & DS_ABSALIGN) && parent != nullptr) {
    POINT origin = ClientOrigin(parent);
    r.left += origin.x;
    r.top += origin.y;
  }
  // A top-level dialog stays inside the work area where it fits.
  r.left = std::max(area.left, std::min(r.left, area.right - width));
  r.top = std::max(area.top, std::min(r.top, area.bottom - height));
  r.right = r.left + width;
  r.bottom = r.top + height;
  return r;
}

LPCWSTR NameArgument(const TemplateName& name, std::u16string& storage) {
  if (!name.present) return nullptr;
  if (name.is_ordinal) return MAKEINTATOM(name.ordinal);
  storage = name.text;
  return storage.c_str();
}

// Edit (ordinal 0x81) and ListBox (0x83), by ordinal or by name in any case.
bool IsEditOrListBox(const TemplateName& name) {
  if (name.is_ordinal) return name.ordinal == 0x0081 || name.ordinal == 0x0083;
  std::u16string lower = name.text;
  for (char16_t& c : lower) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return lower == u"edit" || lower == u"listbox";
}

bool CreateItem(HWND dialog, const DialogItemTemplate& item, SIZE base, HFONT font,
                HINSTANCE instance) {
  LPCWSTR class_name = nullptr;
  std::u16string class_storage;
  if (item.class_name.is_ordinal) {
    class_name = ClassOfOrdinal(item.class_name.ordinal);
    if (class_name == nullptr) class_name = MAKEINTATOM(item.class_name.ordinal);
  } else {
    class_storage = item.class_name.text;
    class_name = class_storage.c_str();
  }
  // An ordinal title (an icon or bitmap id for a static) reaches the control as 0xFFFF
  // followed by the ordinal, as in Windows.
  std::u16string title;
  if (item.title.is_ordinal) {
    title = {char16_t{0xFFFF}, static_cast<char16_t>(item.title.ordinal)};
  } else {
    title = item.title.text;
  }
  DWORD style = item.style | WS_CHILD;
  DWORD ex_style = item.ex_style | WS_EX_NOPARENTNOTIFY;
  if ((style & WS_BORDER) && IsEditOrListBox(item.class_name)) {
    style &= ~WS_BORDER;
    ex_style |= WS_EX_CLIENTEDGE;
  }
  int x = MulDiv(item.x, base.cx, 4), y = MulDiv(item.y, base.cy, 8);
  int cx = MulDiv(item.cx, base.cx, 4), cy = MulDiv(item.cy, base.cy, 8);
  void* data = item.creation_data.empty() ? nullptr : const_cast<BYTE*>(item.creation_data.data());
  HWND control = CreateWindowExW(ex_style, class_name, title.c_str(), style, x, y, cx, cy, dialog,
                                 reinterpret_cast<HMENU>(static_cast<ULONG_PTR>(item.id)),
                                 instance, data);
  if (control == nullptr) return false;
  if (font != nullptr) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return true;
}

}  // namespace

// Creates the dialog; `modal` leaves the showing to the modal loop.
HWND CreateDialogFromTemplate(HINSTANCE instance, const void* dialog_template, HWND parent,
                              DLGPROC procedure, LPARAM init_param, bool modal) {
  std::optional<DialogTemplate> parsed = ReadDialogTemplate(dialog_template);
  if (!parsed) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const DialogTemplate& t = *parsed;
  if (parent != nullptr && LiveWindow(parent) == nullptr) return nullptr;

  HFONT font = t.has_font ? CreateTemplateFont(t) : nullptr;
  SIZE base = font != nullptr ? gdi::FontDialogBaseUnits(font) : SystemFontBaseUnits();
  DWORD style = t.style & ~WS_VISIBLE;
  DWORD ex_style = t.ex_style;
  if (t.style & DS_MODALFRAME) ex_style |= WS_EX_DLGMODALFRAME;
  if (t.style & DS_CONTROL) {
    style &= ~(WS_CAPTION | WS_SYSMENU);
    ex_style |= WS_EX_CONTROLPARENT;
  }
  RECT r = DialogWindowRect(t, style, ex_style, base, parent);
  std::u16string class_storage, title_storage;
  LPCWSTR class_name = t.class_name.present ? NameArgument(t.class_name, class_storage) : u"#32770";
  LPCWSTR title = t.title.present && !t.title.is_ordinal ? NameArgument(t.title, title_storage) : u"";
  HWND dialog = CreateWindowExW(ex_style, class_name, title, style, r.left, r.top,
                                r.right - r.left, r.bottom - r.top, parent, nullptr, instance,
                                reinterpret_cast<LPVOID>(init_param));
  if (dialog == nullptr) {
    if (font != nullptr) DeleteObject(font);
    return nullptr;
  }
  if (DialogState* state = StateOfDialog(dialog)) {
    state->font = font;
    state->owns_font = font != nullptr;
    state->base_units = base;
    state->modal = modal;
  } else if (font != nullptr) {
    DeleteObject(font);
    return nullptr;
  }
  SetWindowLongPtrW(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(procedure));
  if (font != nullptr) SendMessageW(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

  for (const DialogItemTemplate& item : t.items) {
    if (FindWindowRecord(dialog) == nullptr) return nullptr;
    if (!CreateItem(dialog, item, base, font, instance) && !(t.style & DS_NOFAILCREATE)) {
      DWORD error = GetLastError();
      DestroyWindow(dialog);
      SetLastError(error);
      return nullptr;
    }
  }
  if (FindWindowRecord(dialog) == nullptr) return nullptr;

  HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
  LRESULT focus = SendMessageW(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), init_param);
  if (FindWindowRecord(dialog) == nullptr) return nullptr;
  if (focus != 0 && first != nullptr && IsWindow(first)) {
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
  }
  DialogState* state = FindDialogState(dialog);
  bool ended = state != nullptr && state->ended;
  if (!modal && !ended && (t.style & WS_VISIBLE) && IsWindow(dialog)) {
    ShowWindow(dialog, SW_SHOWNORMAL);
    UpdateWindow(dialog);
  }
  return IsWindow(dialog) ? dialog : nullptr;
}

INT_PTR RunModalDialog(HINSTANCE instance, const void* dialog_template, HWND parent,
                       DLGPROC procedure, LPARAM init_param) {
  if (parent != nullptr && LiveWindow(parent) == nullptr) return 0;
  HWND owner = parent != nullptr ? RootOf(parent) : nullptr;
  HWND dialog = CreateDialogFromTemplate(instance, dialog_template, parent, procedure,
                                         init_param, true);
  if (dialog == nullptr) return -1;
  DialogState* state = FindDialogState(dialog);
  if (state != nullptr && !state->ended) {
    if (owner != nullptr && IsWindowEnabled(owner)) {
      EnableWindow(owner, FALSE);
      state->disabled_owner = owner;
    }
    ShowWindow(dialog, SW_SHOWNORMAL);
    UpdateWindow(dialog);
  }
  for (;;) {
    state = FindDialogState(dialog);
    if (state == nullptr || state->ended || !IsWindow(dialog)) break;
    MSG msg;
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));  // for the outer loop
      break;
    }
    if (!IsDialogMessageW(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  state = FindDialogState(dialog);
  INT_PTR result = state != nullptr && state->ended ? state->result : 0;
  // The owner comes back before the dialog goes, so that the activation returns to it.
  if (state != nullptr && state->disabled_owner != nullptr) {
    if (IsWindow(state->disabled_owner)) EnableWindow(state->disabled_owner, TRUE);
    state->disabled_owner = nullptr;
  }
  if (IsWindow(dialog)) DestroyWindow(dialog);
  return result;
}

}  // namespace platform::user

extern "C" {

HWND CreateDialogIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialog_template, HWND parent,
                                DLGPROC procedure, LPARAM init_param) {
  return platform::user::CreateDialogFromTemplate(instance, dialog_template, parent, procedure,
                                                  init_param, false);
}

// The template is the same either way (its strings are UTF-16); only the procedure's side
// differs, and dialog procedures here take no text through their parameters.
HWND CreateDialogIndirectParamA(HINSTANCE instance, LPCDLGTEMPLATEA dialog_template, HWND parent,
                                DLGPROC procedure, LPARAM init_param) {
  return CreateDialogIndirectParamW(instance, dialog_template, parent, procedure, init_param);
}

INT_PTR DialogBoxIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialog_template, HWND parent,
                                DLGPROC procedure, LPARAM init_param) {
  return platform::user::RunModalDialog(instance, dialog_template, parent, procedure, init_param);
}

INT_PTR DialogBoxIndirectParamA(HINSTANCE instance, LPCDLGTEMPLATEA dialog_template, HWND parent,
                                DLGPROC procedure, LPARAM init_param) {
  return DialogBoxIndirectParamW(instance, dialog_template, parent, procedure, init_param);
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
  using namespace platform::user;
  if (LiveWindow(dialog) == nullptr) return FALSE;
  DialogState* state = StateOfDialog(dialog);
  if (state == nullptr) return FALSE;
  state->ended = true;
  state->result = result;
  if (state->modal) {
    // As in Windows: the owner is enabled again and the dialog hidden at once; the modal
    // loop destroys it when the current message is done.
    if (HWND owner = state->disabled_owner; owner != nullptr) {
      state->disabled_owner = nullptr;
      if (IsWindow(owner)) EnableWindow(owner, TRUE);
    }
    ShowWindow(dialog, SW_HIDE);
  }
  return TRUE;
}

}  // extern "C"
