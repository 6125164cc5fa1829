// The one set of frame metrics every window uses (platform-internal): the classic
// Windows 2000 values.
//
//   caption bar 18 px + 1 px line below it   SM_CYCAPTION  19   (tool windows: 15 + 1)
//   thin border                             SM_CXBORDER    1
//   3-D edge                                SM_CXEDGE      2
//   dialog frame (WS_DLGFRAME, WS_CAPTION)  SM_CXDLGFRAME  3
//   sizing frame (WS_THICKFRAME)            SM_CXFRAME     4
//   menu bar                                SM_CYMENU     19
//   scroll bars                             SM_CXVSCROLL  16
//
// A window's frame is the widest that its style asks for (sizing, else dialog frame, else
// border), plus WS_EX_CLIENTEDGE (2) or WS_EX_STATICEDGE (1) inside it, plus the caption
// and the menu bar at the top. AdjustWindowRectEx, WM_NCCALCSIZE's default and the painted
// frame all come from FrameOf, so they cannot disagree.
#pragma once

#include "platform/win32.h"

namespace platform::user {

struct FrameWidths {
  int left = 0;
  int top = 0;     // frame + caption + menu
  int right = 0;
  int bottom = 0;
  int outer = 0;   // the border / dialog frame / sizing frame part alone
  int caption = 0; // caption height including its line (0 without a caption)
};

FrameWidths FrameOf(DWORD style, DWORD ex_style, bool menu);

// The client rectangle for a window rectangle (WM_NCCALCSIZE's default), scroll bars
// (WS_VSCROLL / WS_HSCROLL) included.
RECT ClientFromWindowRect(const RECT& window, DWORD style, DWORD ex_style, bool menu);

SIZE ScreenSize();

}  // namespace platform::user
