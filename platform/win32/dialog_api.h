// user32: the dialog manager, keyboard accelerators and menus, as the Windows headers
// declare them. The template structures, DS_*, DM_*, DLGC_*, DWLP_* and the ID* values are
// in user_api.h; this header adds what the dialog manager itself calls and answers.
// Included at the end of platform/win32.h (after user_api.h).
#pragma once

// ---------------------------------------------------------------------------
// Dialogs
// ---------------------------------------------------------------------------
// The dialog class "#32770" by its atom.
#ifndef WC_DIALOG
#define WC_DIALOG (MAKEINTATOM(0x8002))
#endif

using LPCDLGTEMPLATEA = const DLGTEMPLATE*;
using LPDLGTEMPLATEW = DLGTEMPLATE*;
using LPCDLGITEMTEMPLATEW = const DLGITEMTEMPLATE*;

// Message filter codes (the code a message hook receives inside a dialog's modal loop).
constexpr int MSGF_DIALOGBOX = 0;
constexpr int MSGF_MESSAGEBOX = 1;
constexpr int MSGF_MENU = 2;

// GetNextDlgTabItem / WM_NEXTDLGCTL: the returned code of a dialog's DM_GETDEFID is
// MAKELRESULT(id, DC_HASDEFID) (DC_HASDEFID is in user_api.h).

// ---------------------------------------------------------------------------
// Menus
// ---------------------------------------------------------------------------
constexpr UINT MF_INSERT = 0x00000000;
constexpr UINT MF_CHANGE = 0x00000080;
constexpr UINT MF_APPEND = 0x00000100;
constexpr UINT MF_DELETE = 0x00000200;
constexpr UINT MF_REMOVE = 0x00001000;
constexpr UINT MF_BITMAP = 0x00000004;
constexpr UINT MF_OWNERDRAW = 0x00000100;
constexpr UINT MF_MENUBARBREAK = 0x00000020;
constexpr UINT MF_MENUBREAK = 0x00000040;
constexpr UINT MF_HILITE = 0x00000080;
constexpr UINT MF_UNHILITE = 0x00000000;
constexpr UINT MF_DEFAULT = 0x00001000;
constexpr UINT MF_SYSMENU = 0x00002000;
constexpr UINT MF_HELP = 0x00004000;
constexpr UINT MF_RIGHTJUSTIFY = 0x00004000;
constexpr UINT MF_MOUSESELECT = 0x00008000;
constexpr UINT MFT_MENUBARBREAK = MF_MENUBARBREAK;
constexpr UINT MFT_MENUBREAK = MF_MENUBREAK;
constexpr UINT MFT_OWNERDRAW = MF_OWNERDRAW;
constexpr UINT MFT_RIGHTORDER = 0x00002000;
constexpr UINT MFT_RIGHTJUSTIFY = MF_RIGHTJUSTIFY;
constexpr UINT MFS_UNCHECKED = 0x00000000;
constexpr UINT MFS_UNHILITE = 0x00000000;
constexpr DWORD ERROR_MENU_ITEM_NOT_FOUND = 1456;

// ---------------------------------------------------------------------------
// Functions
// ---------------------------------------------------------------------------
// ---------------------------------------------------------------------------
// Message boxes described by a structure, and help requests
// ---------------------------------------------------------------------------
constexpr int HELPINFO_WINDOW = 0x0001;
constexpr int HELPINFO_MENUITEM = 0x0002;

struct HELPINFO {
  UINT cbSize;
  int iContextType;
  int iCtrlId;
  HANDLE hItemHandle;
  DWORD_PTR dwContextId;
  POINT MousePos;
};
using LPHELPINFO = HELPINFO*;

using MSGBOXCALLBACK = void (*)(LPHELPINFO help_info);

struct MSGBOXPARAMSW {
  UINT cbSize;
  HWND hwndOwner;
  HINSTANCE hInstance;
  LPCWSTR lpszText;
  LPCWSTR lpszCaption;
  DWORD dwStyle;
  LPCWSTR lpszIcon;
  DWORD_PTR dwContextHelpId;
  MSGBOXCALLBACK lpfnMsgBoxCallback;
  DWORD dwLanguageId;
};
using PMSGBOXPARAMSW = MSGBOXPARAMSW*;
using LPMSGBOXPARAMSW = MSGBOXPARAMSW*;

extern "C" {

int MessageBoxIndirectW(const MSGBOXPARAMSW* params);

// The dialog manager
HWND CreateDialogIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialog_template,
                                HWND parent, DLGPROC procedure, LPARAM init_param);
HWND CreateDialogIndirectParamA(HINSTANCE instance, LPCDLGTEMPLATEA dialog_template,
                                HWND parent, DLGPROC procedure, LPARAM init_param);
INT_PTR DialogBoxIndirectParamW(HINSTANCE instance, LPCDLGTEMPLATEW dialog_template,
                                HWND parent, DLGPROC procedure, LPARAM init_param);
INT_PTR DialogBoxIndirectParamA(HINSTANCE instance, LPCDLGTEMPLATEA dialog_template,
                                HWND parent, DLGPROC procedure, LPARAM init_param);
LRESULT DefDlgProcW(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT DefDlgProcA(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
BOOL EndDialog(HWND dialog, INT_PTR result);
BOOL MapDialogRect(HWND dialog, LPRECT rect);
LONG GetDialogBaseUnits();
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);
BOOL IsDialogMessageW(HWND dialog, LPMSG msg);
BOOL IsDialogMessageA(HWND dialog, LPMSG msg);
BOOL CheckRadioButton(HWND dialog, int first_id, int last_id, int check_id);
BOOL CheckDlgButton(HWND dialog, int id, UINT check);
UINT IsDlgButtonChecked(HWND dialog, int id);
LRESULT SendDlgItemMessageW(HWND dialog, int id, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wparam, LPARAM lparam);

// Keyboard accelerators
HACCEL CreateAcceleratorTableW(LPACCEL entries, int count);
HACCEL CreateAcceleratorTableA(LPACCEL entries, int count);
BOOL DestroyAcceleratorTable(HACCEL table);
int CopyAcceleratorTableW(HACCEL table, LPACCEL entries, int count);
int CopyAcceleratorTableA(HACCEL table, LPACCEL entries, int count);
int TranslateAcceleratorW(HWND window, HACCEL table, LPMSG msg);
int TranslateAcceleratorA(HWND window, HACCEL table, LPMSG msg);

// Menus
HMENU CreateMenu();
HMENU CreatePopupMenu();
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);
HMENU GetMenu(HWND window);
BOOL SetMenu(HWND window, HMENU menu);
BOOL DrawMenuBar(HWND window);
HMENU GetSystemMenu(HWND window, BOOL revert);
BOOL AppendMenuW(HMENU menu, UINT flags, UINT_PTR id_or_submenu, LPCWSTR text);
BOOL InsertMenuItemW(HMENU menu, UINT item, BOOL by_position, const MENUITEMINFOW* info);
BOOL GetMenuItemInfoW(HMENU menu, UINT item, BOOL by_position, LPMENUITEMINFOW info);
BOOL SetMenuItemInfoW(HMENU menu, UINT item, BOOL by_position, const MENUITEMINFOW* info);
int GetMenuItemCount(HMENU menu);
UINT GetMenuItemID(HMENU menu, int position);
HMENU GetSubMenu(HMENU menu, int position);
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
BOOL EnableMenuItem(HMENU menu, UINT item, UINT enable);
DWORD CheckMenuItem(HMENU menu, UINT item, UINT check);
BOOL DeleteMenu(HMENU menu, UINT item, UINT flags);
BOOL RemoveMenu(HMENU menu, UINT item, UINT flags);

}  // extern "C"

// The names Windows' headers map to the W forms.
#ifndef CreateDialogIndirectW
#define CreateDialogIndirectW(instance, dialog_template, parent, procedure) \
  CreateDialogIndirectParamW(instance, dialog_template, parent, procedure, 0)
#define DialogBoxIndirectW(instance, dialog_template, parent, procedure) \
  DialogBoxIndirectParamW(instance, dialog_template, parent, procedure, 0)
#endif
