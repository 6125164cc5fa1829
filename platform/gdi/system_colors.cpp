// System colours: the classic "Windows Standard" scheme of Windows 2000, and one stock
// brush per colour (GetSysColorBrush), which DeleteObject leaves alone.
#include <array>
#include <memory>

#include "platform/gdi/brush.h"

namespace platform::gdi {
namespace {

constexpr int kColorCount = COLOR_MENUBAR + 1;

constexpr std::array<COLORREF, kColorCount> kClassicScheme = {
    RGB(212, 208, 200),  // COLOR_SCROLLBAR
    RGB(58, 110, 165),   // COLOR_BACKGROUND
    RGB(10, 36, 106),    // COLOR_ACTIVECAPTION
    RGB(128, 128, 128),  // COLOR_INACTIVECAPTION
    RGB(212, 208, 200),  // COLOR_MENU
    RGB(255, 255, 255),  // COLOR_WINDOW
    RGB(0, 0, 0),        // COLOR_WINDOWFRAME
    RGB(0, 0, 0),        // COLOR_MENUTEXT
    RGB(0, 0, 0),        // COLOR_WINDOWTEXT
    RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
    RGB(212, 208, 200),  // COLOR_ACTIVEBORDER
    RGB(212, 208, 200),  // COLOR_INACTIVEBORDER
    RGB(128, 128, 128),  // COLOR_APPWORKSPACE
    RGB(10, 36, 106),    // COLOR_HIGHLIGHT
    RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    RGB(212, 208, 200),  // COLOR_BTNFACE
    RGB(128, 128, 128),  // COLOR_BTNSHADOW
    RGB(128, 128, 128),  // COLOR_GRAYTEXT
    RGB(0, 0, 0),        // COLOR_BTNTEXT
    RGB(212, 208, 200),  // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    RGB(64, 64, 64),     // COLOR_3DDKSHADOW
    RGB(212, 208, 200),  // COLOR_3DLIGHT
    RGB(0, 0, 0),        // COLOR_INFOTEXT
    RGB(255, 255, 225),  // COLOR_INFOBK
    RGB(181, 181, 181),  // 25: no name, a colour all the same
    RGB(0, 0, 128),      // COLOR_HOTLIGHT
    RGB(166, 202, 240),  // COLOR_GRADIENTACTIVECAPTION
    RGB(192, 192, 192),  // COLOR_GRADIENTINACTIVECAPTION
    RGB(10, 36, 106),    // COLOR_MENUHILIGHT
    RGB(212, 208, 200),  // COLOR_MENUBAR
};

const std::array<HBRUSH, kColorCount>& Brushes() {
  static const std::array<HBRUSH, kColorCount> brushes = [] {
    std::array<HBRUSH, kColorCount> b{};
    for (int i = 0; i < kColorCount; ++i) {
      auto brush = std::make_unique<Brush>(BS_SOLID, kClassicScheme[i], 0);
      brush->MarkStock();
      b[i] = static_cast<HBRUSH>(AddObject(std::move(brush)));
    }
    return b;
  }();
  return brushes;
}

}  // namespace
}  // namespace platform::gdi

extern "C" {

DWORD GetSysColor(int index) {
  if (index < 0 || index >= platform::gdi::kColorCount) return 0;
  return platform::gdi::kClassicScheme[index];
}

HBRUSH GetSysColorBrush(int index) {
  if (index < 0 || index >= platform::gdi::kColorCount) return nullptr;
  return platform::gdi::Brushes()[index];
}

}  // extern "C"
