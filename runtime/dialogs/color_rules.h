// The colour values of the toolkit and the system colours behind WM_CTLCOLOR* answers.
#pragma once

#include <cstdint>

#include "platform/win32.h"

namespace runtime {

// A text colour as stored: a COLORREF (low 24 bits) or SYSTEM_COLOR for any negative.
std::int32_t normalized_text_color(std::int32_t text);
// A background as stored: a COLORREF, TRANSPARENT_COLOR kept, any other negative
// SYSTEM_COLOR.
std::int32_t normalized_back_color(std::int32_t back);

inline constexpr UINT kFirstCtlColor = 0x132;  // WM_CTLCOLORMSGBOX
inline constexpr UINT kLastCtlColor = 0x138;   // WM_CTLCOLORSTATIC
inline constexpr UINT kCtlColorEdit = 0x133;
inline constexpr UINT kCtlColorListBox = 0x134;
inline constexpr UINT kCtlColorDialog = 0x136;
inline constexpr bool IsCtlColorMessage(UINT m) { return m >= kFirstCtlColor && m <= kLastCtlColor; }

// The system colour indexes a WM_CTLCOLOR* message uses for "system colour".
int system_text_color_index(UINT ctl_color_message);
int system_back_color_index(UINT ctl_color_message);

}  // namespace runtime
