// The in-memory dialog template (DLGTEMPLATEEX, no items) that create_dialog writes, and
// the style adjustment that decides the style written into it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/win32.h"

namespace runtime {

struct FontRecord;

// Window and dialog style bits, by their Windows names.
namespace dialog_style {
inline constexpr DWORD kPopup = 0x80000000;         // WS_POPUP
inline constexpr DWORD kChild = 0x40000000;         // WS_CHILD
inline constexpr DWORD kMinimize = 0x20000000;      // WS_MINIMIZE
inline constexpr DWORD kVisible = 0x10000000;       // WS_VISIBLE
inline constexpr DWORD kMaximize = 0x01000000;      // WS_MAXIMIZE
inline constexpr DWORD kThickFrame = 0x00040000;    // WS_THICKFRAME
inline constexpr DWORD kAbsAlign = 0x1;             // DS_ABSALIGN
inline constexpr DWORD kSysModal = 0x2;             // DS_SYSMODAL
inline constexpr DWORD kNoIdleMessage = 0x100;      // DS_NOIDLEMSG
inline constexpr DWORD kControl = 0x400;            // DS_CONTROL
inline constexpr DWORD kCenter = 0x800;             // DS_CENTER
// WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT | DS_NOFAILCREATE | DS_3DLOOK: a
// caption bar with neither system menu nor close box.
inline constexpr DWORD kDefault = 0x80C000D4;
inline constexpr DWORD kAlwaysOn = 0x54;            // DS_SETFONT | DS_NOFAILCREATE | DS_3DLOOK
inline constexpr DWORD kAlwaysOff = 0x10000002;     // WS_VISIBLE | DS_SYSMODAL
}  // namespace dialog_style

// The style a dialog is made with: 0 means the default; the font, no-fail and 3-D bits
// always on; never visible or system-modal (a dialog is created hidden); DS_CENTER when
// x or y is CENTRE_DEFAULT; a child loses WS_POPUP and DS_ABSALIGN, and a child without a
// parent becomes a popup.
DWORD adjust_dialog_style(DWORD style, std::int32_t x, std::int32_t y, HWND parent);

// The ShowWindow command a style asks for: SW_MAXIMIZE, SW_MINIMIZE or SW_SHOW.
std::int32_t show_command_for_style(DWORD style);

inline constexpr std::size_t kTemplateBufferSize = 512;
// Header (40 bytes) and a face of at most 31 characters with its zero.
inline constexpr std::size_t kLargestTemplate = 104;

// Writes the template into `buffer` (DWORD aligned, kTemplateBufferSize bytes) and
// returns its length: the adjusted style, the low 16 bits of the coordinates, the title
// " " (the caption is set on the window afterwards) and the font fields of `font`.
std::size_t write_dialog_template(BYTE* buffer, DWORD style, DWORD ex_style, std::int32_t x,
                                  std::int32_t y, std::int32_t width, std::int32_t height,
                                  const FontRecord& font);

}  // namespace runtime
