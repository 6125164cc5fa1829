// Shared pieces of the standard controls (see control_support.h).
#include "platform/user/controls/control_support.h"

#include <algorithm>

#include "platform/user/controls/control_data.h"
#include "platform/user/default_painting.h"
#include "platform/user/icon_object.h"

namespace platform::user::controls {

bool RegisterControlClass(LPCWSTR name, WNDPROC procedure, UINT extra_style) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_GLOBALCLASS | CS_DBLCLKS | extra_style;
  wc.lpfnWndProc = procedure;
  wc.cbWndExtra = kControlExtraBytes;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  return RegisterClassExW(&wc) != 0;
}

LONG Width(const RECT& r) { return r.right - r.left; }
LONG Height(const RECT& r) { return r.bottom - r.top; }

HBRUSH ParentColors(HWND control, HDC dc, UINT ctlcolor) {
  HWND parent = GetParent(control);
  HBRUSH brush = nullptr;
  if (parent != nullptr) {
    brush = reinterpret_cast<HBRUSH>(SendMessageW(parent, ctlcolor, reinterpret_cast<WPARAM>(dc),
                                                  reinterpret_cast<LPARAM>(control)));
  }
  if (brush == nullptr || GetObjectType(brush) != OBJ_BRUSH) {
    brush = DefaultControlColors(dc, ctlcolor);
  }
  return brush;
}

void NotifyParent(HWND control, WORD code) {
  HWND parent = GetParent(control);
  if (parent == nullptr) return;
  SendMessageW(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(control)), code),
               reinterpret_cast<LPARAM>(control));
}

std::u16string ControlText(HWND control) {
  int length = GetWindowTextLengthW(control);
  if (length <= 0) return {};
  std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
  int got = GetWindowTextW(control, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(got, 0)));
  return text;
}

HGDIOBJ SelectControlFont(HDC dc, HFONT font) {
  return SelectObject(dc, font != nullptr ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
}

void DrawControlText(HDC dc, const std::u16string& text, RECT rect, UINT format, bool enabled) {
  if (text.empty()) return;
  int count = static_cast<int>(text.size());
  if (enabled) {
    DrawTextW(dc, text.c_str(), count, &rect, format);
    return;
  }
  // Embossed: the background (if any) goes down once, under the lit copy.
  COLORREF ink = GetTextColor(dc);
  RECT lit = rect;
  OffsetRect(&lit, 1, 1);
  SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
  DrawTextW(dc, text.c_str(), count, &lit, format);
  int mode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  DrawTextW(dc, text.c_str(), count, &rect, format);
  SetBkMode(dc, mode);
  SetTextColor(dc, ink);
}

SIZE ImageSize(HANDLE image, UINT type) {
  if (image == nullptr) return SIZE{0, 0};
  if (type == IMAGE_ICON || type == IMAGE_CURSOR) {
    const Icon* icon = FindIcon(static_cast<HICON>(image));
    return icon != nullptr ? SIZE{icon->width, icon->height} : SIZE{0, 0};
  }
  BITMAP bm{};
  if (GetObjectType(image) != OBJ_BITMAP || GetObjectW(image, sizeof bm, &bm) == 0) {
    return SIZE{0, 0};
  }
  return SIZE{bm.bmWidth, bm.bmHeight};
}

namespace {

COLORREF Blend(COLORREF under, std::uint32_t argb) {
  const std::uint32_t a = argb >> 24;
  auto mix = [&](std::uint32_t over, std::uint32_t back) {
    return (over * a + back * (255 - a) + 127) / 255;
  };
  // COLORREF is 0x00BBGGRR; the icon's pixels are 0xAARRGGBB.
  return RGB(static_cast<BYTE>(mix((argb >> 16) & 0xFF, GetRValue(under))),
             static_cast<BYTE>(mix((argb >> 8) & 0xFF, GetGValue(under))),
             static_cast<BYTE>(mix(argb & 0xFF, GetBValue(under))));
}

// Icons are blended pixel by pixel (they are small): through the alpha of 32-bit icons,
// through the AND mask of the others.
void DrawIconPixels(HDC dc, const Icon& icon, int x, int y, bool enabled) {
  for (int row = 0; row < icon.height; ++row) {
    for (int col = 0; col < icon.width; ++col) {
      const std::uint32_t alpha = icon.Alpha(col, row);
      if (alpha == 0) continue;
      std::uint32_t argb = icon.argb[static_cast<std::size_t>(row) * icon.width + col];
      if (!icon.has_alpha) argb = (argb & 0xFFFFFF) | 0xFF000000u;
      if (!enabled) {
        // Embossed: the light colour below-right, the shadow on top, where it is opaque.
        if (alpha < 128) continue;
        SetPixelV(dc, x + col + 1, y + row + 1, GetSysColor(COLOR_3DHILIGHT));
        continue;
      }
      COLORREF under = alpha == 255 ? 0 : GetPixel(dc, x + col, y + row);
      SetPixelV(dc, x + col, y + row, Blend(under, argb));
    }
  }
  if (enabled) return;
  for (int row = 0; row < icon.height; ++row) {
    for (int col = 0; col < icon.width; ++col) {
      if (icon.Alpha(col, row) >= 128) SetPixelV(dc, x + col, y + row, GetSysColor(COLOR_3DSHADOW));
    }
  }
}

}  // namespace

void DrawImage(HDC dc, HANDLE image, UINT type, int x, int y, bool enabled) {
  if (image == nullptr) return;
  if (type == IMAGE_ICON || type == IMAGE_CURSOR) {
    if (const Icon* icon = FindIcon(static_cast<HICON>(image))) DrawIconPixels(dc, *icon, x, y, enabled);
    return;
  }
  SIZE size = ImageSize(image, IMAGE_BITMAP);
  if (size.cx == 0) return;
  HDC memory = CreateCompatibleDC(dc);
  if (memory == nullptr) return;
  HGDIOBJ old = SelectObject(memory, image);
  BitBlt(dc, x, y, size.cx, size.cy, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
}

void Repaint(HWND control) { InvalidateRect(control, nullptr, TRUE); }

void RepaintParentArea(HWND control) {
  HWND parent = GetParent(control);
  if (parent == nullptr) {
    Repaint(control);
    return;
  }
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  InvalidateRect(parent, &r, TRUE);
}

}  // namespace platform::user::controls
