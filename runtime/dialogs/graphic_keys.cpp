#include "runtime/dialogs/graphic_keys.h"

namespace runtime {
namespace {

constexpr UINT kHScroll = 0x114;  // WM_HSCROLL
constexpr UINT kVScroll = 0x115;  // WM_VSCROLL

}  // namespace

bool is_special_graphic_key(LPARAM lParam, bool num_lock_on, bool shift_down) {
  const unsigned scan = static_cast<unsigned>((lParam >> 16) & 0xFF);
  if ((lParam & 0x1000000) != 0) {
    // Extended keys are special but keypad Enter and /, and 0x3A, 0x45, 0x46.
    return !(scan == 0x1C || scan == 0x35 || scan == 0x3A || scan == 0x45 || scan == 0x46);
  }
  if (scan == 0x57 || scan == 0x58 || (scan >= 0x3B && scan <= 0x44)) return true;  // F1-F12
  if (scan == 0x4A || scan == 0x4E) return false;  // keypad - and +
  // Keypad keys: navigation unless NumLock makes them digits (they come as WM_CHAR).
  if (scan >= 0x47 && scan <= 0x53) return !num_lock_on || shift_down;
  return false;
}

KeyScroll scroll_for_navigation_key(WPARAM virtual_key) {
  switch (virtual_key) {
    case 0x25: return {kHScroll, 0};  // VK_LEFT: SB_LINELEFT
    case 0x27: return {kHScroll, 1};  // VK_RIGHT: SB_LINERIGHT
    case 0x26: return {kVScroll, 0};  // VK_UP: SB_LINEUP
    case 0x28: return {kVScroll, 1};  // VK_DOWN: SB_LINEDOWN
    case 0x21: return {kVScroll, 2};  // VK_PRIOR: SB_PAGEUP
    case 0x22: return {kVScroll, 3};  // VK_NEXT: SB_PAGEDOWN
    case 0x24: return {kVScroll, 6};  // VK_HOME: SB_TOP
    case 0x23: return {kVScroll, 7};  // VK_END: SB_BOTTOM
    default: return {0, 0};
  }
}

}  // namespace runtime
