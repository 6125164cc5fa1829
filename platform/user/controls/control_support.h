// What the standard controls share (platform-internal): asking the parent for colours,
// notifying it, the font a control draws with, text drawn enabled or disabled, and
// bitmaps and icons drawn on a face.
#pragma once

#include <string>

#include "platform/win32.h"

namespace platform::user::controls {

// Sends `ctlcolor` (WM_CTLCOLORBTN, WM_CTLCOLORSTATIC, WM_CTLCOLORSCROLLBAR) to the
// control's parent with the DC, which sets the DC's colours; the brush to fill with. When
// the parent answers with something that is not a brush, the default colours and brush
// are used, as DefWindowProcW gives them.
HBRUSH ParentColors(HWND control, HDC dc, UINT ctlcolor);

// WM_COMMAND(MAKEWPARAM(id, code), control) to the parent.
void NotifyParent(HWND control, WORD code);

// The control's text (as WM_GETTEXT gives it).
std::u16string ControlText(HWND control);

// Selects `font` (null: the DC's default) and returns what was selected before.
HGDIOBJ SelectControlFont(HDC dc, HFONT font);

// DrawTextW with the DC's colours and background mode, or, for a disabled control,
// embossed as Windows 2000 draws it: COLOR_3DHILIGHT one pixel down and right under
// COLOR_GRAYTEXT. The DC's colours and mode are put back.
void DrawControlText(HDC dc, const std::u16string& text, RECT rect, UINT format, bool enabled);

// The size of a bitmap or icon (IMAGE_BITMAP / IMAGE_ICON); {0, 0} for a dead handle.
SIZE ImageSize(HANDLE image, UINT type);

// Draws the image with its top-left corner at (x, y): bitmaps copied, icons blended
// through their mask or alpha. A disabled image is drawn embossed in the shadow colours.
void DrawImage(HDC dc, HANDLE image, UINT type, int x, int y, bool enabled);

// Asks for the control to be repainted: its whole client area invalidated. Painting
// waits for WM_PAINT, so that a parent painted later cannot cover a child painted early.
void Repaint(HWND control);

// Asks for the parent's area under the control to be repainted (and so the control): for
// controls that do not paint their whole rectangle (group boxes, transparent statics).
void RepaintParentArea(HWND control);

LONG Width(const RECT& r);
LONG Height(const RECT& r);

}  // namespace platform::user::controls
