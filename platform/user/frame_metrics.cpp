// AdjustWindowRectEx, GetSystemMetrics and SystemParametersInfo: one set of classic
// metrics (see frame_metrics.h).
#include "platform/user/frame_metrics.h"

#include <algorithm>
#include <cstring>

#include "platform/display/display_session.h"
#include "platform/user/window_procedures.h"

namespace platform::user {
namespace {

constexpr int kCaption = 19;       // 18 + the line below
constexpr int kSmallCaption = 16;  // 15 + the line below
constexpr int kBorder = 1;
constexpr int kEdge = 2;
constexpr int kDialogFrame = 3;
constexpr int kSizingFrame = 4;
constexpr int kMenu = 19;
constexpr int kScrollBar = 16;

// The caption and message fonts of the classic scheme: 8-point "MS Sans Serif" (the
// caption font bold), which the font mapper turns into a sans face.
LOGFONTW ClassicFont(bool bold) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(8, platform::CurrentDisplay().Dpi(), 72);  // 8 points: 11 px at 96 dpi
  font.lfWeight = bold ? 700 : 400;
  font.lfCharSet = 1;   // DEFAULT_CHARSET
  const char16_t face[] = u"MS Sans Serif";
  std::copy(std::begin(face), std::end(face), font.lfFaceName);
  return font;
}

}  // namespace

FrameWidths FrameOf(DWORD style, DWORD ex_style, bool menu) {
  FrameWidths f;
  if (style & WS_THICKFRAME) {
    f.outer = kSizingFrame;
  } else if ((style & WS_DLGFRAME) || (ex_style & WS_EX_DLGMODALFRAME)) {
    f.outer = kDialogFrame;
  } else if (style & WS_BORDER) {
    f.outer = kBorder;
  }
  int inner = (ex_style & WS_EX_CLIENTEDGE) ? kEdge : (ex_style & WS_EX_STATICEDGE) ? kBorder : 0;
  int side = f.outer + inner;
  f.left = f.right = f.bottom = side;
  f.top = side;
  if ((style & WS_CAPTION) == WS_CAPTION) {
    f.caption = (ex_style & WS_EX_TOOLWINDOW) ? kSmallCaption : kCaption;
    f.top += f.caption;
  }
  if (menu && !(style & WS_CHILD)) f.top += kMenu;
  return f;
}

RECT ClientFromWindowRect(const RECT& window, DWORD style, DWORD ex_style, bool menu) {
  FrameWidths f = FrameOf(style, ex_style, menu);
  RECT client{window.left + f.left, window.top + f.top, window.right - f.right,
              window.bottom - f.bottom};
  if (style & WS_VSCROLL) client.right -= kScrollBar;
  if (style & WS_HSCROLL) client.bottom -= kScrollBar;
  client.right = std::max(client.right, client.left);
  client.bottom = std::max(client.bottom, client.top);
  return client;
}

SIZE ScreenSize() { return platform::CurrentDisplay().ScreenSize(); }

}  // namespace platform::user

extern "C" {

BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD ex_style) {
  if (rect == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  platform::user::FrameWidths f = platform::user::FrameOf(style, ex_style, menu != FALSE);
  rect->left -= f.left;
  rect->top -= f.top;
  rect->right += f.right;
  rect->bottom += f.bottom;
  return TRUE;
}

BOOL AdjustWindowRect(LPRECT rect, DWORD style, BOOL menu) {
  return AdjustWindowRectEx(rect, style, menu, 0);
}

int GetSystemMetrics(int index) {
  using namespace platform::user;
  switch (index) {
    case SM_CXSCREEN:
    case SM_CXFULLSCREEN:
    case SM_CXVIRTUALSCREEN:
      return ScreenSize().cx;
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN:
      return ScreenSize().cy;
    case SM_CYFULLSCREEN:
      return ScreenSize().cy - kCaption;
    case SM_CXMAXIMIZED:
      return ScreenSize().cx + 2 * kSizingFrame;
    case SM_CYMAXIMIZED:
      return ScreenSize().cy + 2 * kSizingFrame;
    case SM_CXMAXTRACK:
      return ScreenSize().cx + 12;
    case SM_CYMAXTRACK:
      return ScreenSize().cy + 12;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
      return kScrollBar;
    case SM_CYCAPTION:
      return kCaption;
    case SM_CYSMCAPTION:
      return kSmallCaption;
    case SM_CXBORDER:
    case SM_CYBORDER:
    case SM_CXFOCUSBORDER:
    case SM_CYFOCUSBORDER:
      return kBorder;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
      return kDialogFrame;
    case SM_CXFRAME:
    case SM_CYFRAME:
      return kSizingFrame;
    case SM_CXEDGE:
    case SM_CYEDGE:
      return kEdge;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
      return 32;
    case SM_CXSMICON:
    case SM_CYSMICON:
      return 16;
    case SM_CYMENU:
      return kMenu;
    case SM_CXSIZE:
    case SM_CYSIZE:
    case SM_CXMENUSIZE:
    case SM_CYMENUSIZE:
      return kCaption - 1;
    case SM_CXSMSIZE:
      return 12;
    case SM_CYSMSIZE:
      return 15;
    case SM_CXMIN:
    case SM_CXMINTRACK:
      return 112;
    case SM_CYMIN:
    case SM_CYMINTRACK:
      return 27;
    case SM_CXMINIMIZED:
      return 160;
    case SM_CYMINIMIZED:
      return 24;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
    case SM_CXDRAG:
    case SM_CYDRAG:
      return 4;
    case SM_CXICONSPACING:
    case SM_CYICONSPACING:
      return 75;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK:
      return 13;
    case SM_MOUSEPRESENT:
    case SM_MOUSEWHEELPRESENT:
    case SM_CMONITORS:
      return 1;
    case SM_CMOUSEBUTTONS:
      return 3;
    default:
      return 0;  // unknown and zero-valued metrics (SM_SWAPBUTTON, SM_DEBUG, origins)
  }
}

BOOL SystemParametersInfoW(UINT action, UINT uparam, LPVOID pparam, UINT /*win_ini*/) {
  using namespace platform::user;
  switch (action) {
    case SPI_GETWORKAREA: {
      if (pparam == nullptr) break;
      *static_cast<RECT*>(pparam) = platform::CurrentDisplay().WorkArea();
      return TRUE;
    }
    case SPI_GETNONCLIENTMETRICS: {
      auto* metrics = static_cast<NONCLIENTMETRICSW*>(pparam);
      if (metrics == nullptr) break;
      UINT size = metrics->cbSize;
      constexpr UINT kWithoutPadding = sizeof(NONCLIENTMETRICSW) - sizeof(int);
      if ((size != sizeof(NONCLIENTMETRICSW) && size != kWithoutPadding) ||
          (uparam != 0 && uparam != size)) {
        break;
      }
      NONCLIENTMETRICSW m{};
      m.cbSize = size;
      m.iBorderWidth = kBorder;
      m.iScrollWidth = kScrollBar;
      m.iScrollHeight = kScrollBar;
      m.iCaptionWidth = kCaption - 1;
      m.iCaptionHeight = kCaption - 1;
      m.lfCaptionFont = ClassicFont(true);
      m.iSmCaptionWidth = 12;
      m.iSmCaptionHeight = kSmallCaption - 1;
      m.lfSmCaptionFont = ClassicFont(true);
      m.iMenuWidth = kMenu - 1;
      m.iMenuHeight = kMenu - 1;
      m.lfMenuFont = ClassicFont(false);
      m.lfStatusFont = ClassicFont(false);
      m.lfMessageFont = ClassicFont(false);
      std::memcpy(metrics, &m, size);
      return TRUE;
    }
    case SPI_GETICONTITLELOGFONT:
      if (pparam == nullptr) break;
      *static_cast<LOGFONTW*>(pparam) = ClassicFont(false);
      return TRUE;
    case SPI_GETBORDER:
      if (pparam == nullptr) break;
      *static_cast<int*>(pparam) = kBorder;
      return TRUE;
    case SPI_GETWHEELSCROLLLINES:
      if (pparam == nullptr) break;
      *static_cast<UINT*>(pparam) = 3;
      return TRUE;
    case SPI_GETGRADIENTCAPTIONS:
    case SPI_GETKEYBOARDCUES:
    case SPI_GETFLATMENU:
      if (pparam == nullptr) break;
      // Gradient captions on; keyboard cues (underlined mnemonics) always shown.
      *static_cast<BOOL*>(pparam) = action == SPI_GETFLATMENU ? FALSE : TRUE;
      return TRUE;
    default:
      break;
  }
  SetLastError(ERROR_INVALID_PARAMETER);
  return FALSE;
}

BOOL SystemParametersInfoA(UINT action, UINT uparam, LPVOID pparam, UINT win_ini) {
  if (action == SPI_GETNONCLIENTMETRICS) {
    auto* ansi = static_cast<NONCLIENTMETRICSA*>(pparam);
    if (ansi == nullptr) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return FALSE;
    }
    bool padded = ansi->cbSize == sizeof(NONCLIENTMETRICSA);
    if (!padded && ansi->cbSize != sizeof(NONCLIENTMETRICSA) - sizeof(int)) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return FALSE;
    }
    NONCLIENTMETRICSW wide{};
    wide.cbSize = sizeof wide;
    SystemParametersInfoW(action, 0, &wide, win_ini);
    auto narrow = [](const LOGFONTW& w, LOGFONTA* a) {
      std::memcpy(a, &w, offsetof(LOGFONTW, lfFaceName));
      std::string face = platform::user::AnsiFromWide(w.lfFaceName);
      std::size_t n = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
      std::memcpy(a->lfFaceName, face.data(), n);
      a->lfFaceName[n] = '\0';
    };
    UINT size = ansi->cbSize;
    ansi->iBorderWidth = wide.iBorderWidth;
    ansi->iScrollWidth = wide.iScrollWidth;
    ansi->iScrollHeight = wide.iScrollHeight;
    ansi->iCaptionWidth = wide.iCaptionWidth;
    ansi->iCaptionHeight = wide.iCaptionHeight;
    narrow(wide.lfCaptionFont, &ansi->lfCaptionFont);
    ansi->iSmCaptionWidth = wide.iSmCaptionWidth;
    ansi->iSmCaptionHeight = wide.iSmCaptionHeight;
    narrow(wide.lfSmCaptionFont, &ansi->lfSmCaptionFont);
    ansi->iMenuWidth = wide.iMenuWidth;
    ansi->iMenuHeight = wide.iMenuHeight;
    narrow(wide.lfMenuFont, &ansi->lfMenuFont);
    narrow(wide.lfStatusFont, &ansi->lfStatusFont);
    narrow(wide.lfMessageFont, &ansi->lfMessageFont);
    if (padded) ansi->iPaddedBorderWidth = 0;
    ansi->cbSize = size;
    return TRUE;
  }
  return SystemParametersInfoW(action, uparam, pparam, win_ini);
}

}  // extern "C"
