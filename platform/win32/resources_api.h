// kernel32 / user32: resources, icons and cursors, as the Windows headers declare them.
// Included by platform/win32.h.
#pragma once

using PBYTE = BYTE*;

// MAKEINTRESOURCE: an integer id travels in the low word of a name pointer.
inline LPWSTR MAKEINTRESOURCEW(WORD id) {
  return reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(id));
}
inline LPSTR MAKEINTRESOURCEA(WORD id) {
  return reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(id));
}
inline bool IS_INTRESOURCE(const void* name) {
  return (reinterpret_cast<ULONG_PTR>(name) >> 16) == 0;
}

// Resource types.
#define RT_CURSOR (MAKEINTRESOURCEW(1))
#define RT_BITMAP (MAKEINTRESOURCEW(2))
#define RT_ICON (MAKEINTRESOURCEW(3))
#define RT_MENU (MAKEINTRESOURCEW(4))
#define RT_DIALOG (MAKEINTRESOURCEW(5))
#define RT_STRING (MAKEINTRESOURCEW(6))
#define RT_ACCELERATOR (MAKEINTRESOURCEW(9))
#define RT_RCDATA (MAKEINTRESOURCEW(10))
#define RT_GROUP_CURSOR (MAKEINTRESOURCEW(12))
#define RT_GROUP_ICON (MAKEINTRESOURCEW(14))
#define RT_VERSION (MAKEINTRESOURCEW(16))
#define RT_MANIFEST (MAKEINTRESOURCEW(24))

constexpr WORD LANG_NEUTRAL = 0x00;
constexpr WORD SUBLANG_NEUTRAL = 0x00;
constexpr WORD MAKELANGID(WORD primary, WORD sub) {
  return static_cast<WORD>((sub << 10) | primary);
}

constexpr DWORD ERROR_RESOURCE_DATA_NOT_FOUND = 1812;
constexpr DWORD ERROR_RESOURCE_TYPE_NOT_FOUND = 1813;
constexpr DWORD ERROR_RESOURCE_NAME_NOT_FOUND = 1814;
constexpr DWORD ERROR_RESOURCE_LANG_NOT_FOUND = 1815;
constexpr DWORD ERROR_RESOURCE_ENUM_USER_STOP = 15106;

// LoadImage
constexpr UINT IMAGE_BITMAP = 0;
constexpr UINT IMAGE_ICON = 1;
constexpr UINT IMAGE_CURSOR = 2;

constexpr UINT LR_DEFAULTCOLOR = 0x00000000;
constexpr UINT LR_MONOCHROME = 0x00000001;
constexpr UINT LR_COLOR = 0x00000002;
constexpr UINT LR_COPYRETURNORG = 0x00000004;
constexpr UINT LR_COPYDELETEORG = 0x00000008;
constexpr UINT LR_LOADFROMFILE = 0x00000010;
constexpr UINT LR_LOADTRANSPARENT = 0x00000020;
constexpr UINT LR_DEFAULTSIZE = 0x00000040;
constexpr UINT LR_VGACOLOR = 0x00000080;
constexpr UINT LR_LOADMAP3DCOLORS = 0x00001000;
constexpr UINT LR_CREATEDIBSECTION = 0x00002000;
constexpr UINT LR_COPYFROMRESOURCE = 0x00004000;
constexpr UINT LR_SHARED = 0x00008000;

// DrawIconEx
constexpr UINT DI_MASK = 0x0001;
constexpr UINT DI_IMAGE = 0x0002;
constexpr UINT DI_NORMAL = 0x0003;
constexpr UINT DI_COMPAT = 0x0004;
constexpr UINT DI_DEFAULTSIZE = 0x0008;
constexpr UINT DI_NOMIRROR = 0x0010;

// The system's icons (LoadIconW with a null instance).
#define IDI_APPLICATION (MAKEINTRESOURCEW(32512))
#define IDI_HAND (MAKEINTRESOURCEW(32513))
#define IDI_QUESTION (MAKEINTRESOURCEW(32514))
#define IDI_EXCLAMATION (MAKEINTRESOURCEW(32515))
#define IDI_ASTERISK (MAKEINTRESOURCEW(32516))
#define IDI_WINLOGO (MAKEINTRESOURCEW(32517))
#define IDI_SHIELD (MAKEINTRESOURCEW(32518))
#define IDI_WARNING IDI_EXCLAMATION
#define IDI_ERROR IDI_HAND
#define IDI_INFORMATION IDI_ASTERISK

// The system's cursors (LoadCursorW with a null instance).
#define IDC_ARROW (MAKEINTRESOURCEW(32512))
#define IDC_IBEAM (MAKEINTRESOURCEW(32513))
#define IDC_WAIT (MAKEINTRESOURCEW(32514))
#define IDC_CROSS (MAKEINTRESOURCEW(32515))
#define IDC_UPARROW (MAKEINTRESOURCEW(32516))
#define IDC_SIZE (MAKEINTRESOURCEW(32640))
#define IDC_ICON (MAKEINTRESOURCEW(32641))
#define IDC_SIZENWSE (MAKEINTRESOURCEW(32642))
#define IDC_SIZENESW (MAKEINTRESOURCEW(32643))
#define IDC_SIZEWE (MAKEINTRESOURCEW(32644))
#define IDC_SIZENS (MAKEINTRESOURCEW(32645))
#define IDC_SIZEALL (MAKEINTRESOURCEW(32646))
#define IDC_NO (MAKEINTRESOURCEW(32648))
#define IDC_HAND (MAKEINTRESOURCEW(32649))
#define IDC_APPSTARTING (MAKEINTRESOURCEW(32650))
#define IDC_HELP (MAKEINTRESOURCEW(32651))

using ENUMRESNAMEPROCW = BOOL (*)(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR param);

extern "C" {

// kernel32: resources
HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type);
HRSRC FindResourceExW(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language);
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
LPVOID LockResource(HGLOBAL data);
DWORD SizeofResource(HMODULE module, HRSRC resource);
BOOL FreeResource(HGLOBAL data);
BOOL EnumResourceNamesW(HMODULE module, LPCWSTR type, ENUMRESNAMEPROCW callback, LONG_PTR param);

// user32: icons and cursors
int LookupIconIdFromDirectory(PBYTE directory, BOOL icon);
int LookupIconIdFromDirectoryEx(PBYTE directory, BOOL icon, int cx, int cy, UINT flags);
HICON CreateIconFromResource(PBYTE bits, DWORD size, BOOL icon, DWORD version);
HICON CreateIconFromResourceEx(PBYTE bits, DWORD size, BOOL icon, DWORD version, int cx,
                               int cy, UINT flags);
HICON CreateIconIndirect(PICONINFO info);
BOOL GetIconInfo(HICON icon, PICONINFO info);
HICON CopyIcon(HICON icon);
BOOL DestroyIcon(HICON icon);
BOOL DestroyCursor(HCURSOR cursor);
BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT step,
                HBRUSH flicker_free_brush, UINT flags);
BOOL DrawIcon(HDC dc, int x, int y, HICON icon);
HANDLE LoadImageW(HINSTANCE instance, LPCWSTR name, UINT type, int cx, int cy, UINT flags);
HICON LoadIconW(HINSTANCE instance, LPCWSTR name);
HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name);

}  // extern "C"
