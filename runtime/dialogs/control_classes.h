// The control-class table (kinds 1-25) and the style rules add_control applies before it
// creates a control's window.
#pragma once

#include <cstdint>

#include "platform/win32.h"

namespace runtime {

struct ControlClass {
  const WCHAR* class_name;  // kind 23's is not used: the caller names the class
  DWORD default_style;      // used when the caller's style is 0
  DWORD always_on;
  DWORD always_off;
};

inline constexpr std::int32_t kFirstTableKind = 1;
inline constexpr std::int32_t kLastTableKind = 25;

// The row of a kind 1-25, or null for any other kind.
const ControlClass* control_class(std::int32_t kind);

// What a control's window is created with.
struct ControlCreation {
  const WCHAR* class_name;
  DWORD style;
  DWORD ex_style;
  // Kind 18: the style with TVS_CHECKBOXES still in it, set on the window after creation
  // (a tree view takes check boxes only that way). Equal to `style` for other kinds.
  DWORD final_style;
};

// The class and styles for a control of `kind` (0 or 23: the caller's class and style
// unchanged; 1-25: the table's rules) given the caller's style and size in pixels. A
// kind outside 0-25 is treated as kind 0.
ControlCreation control_creation(std::int32_t kind, const WCHAR* caller_class, DWORD style,
                                 DWORD ex_style, std::int32_t width_px, std::int32_t height_px);

// Kinds 10-13 hold an image; when the name is not a bitmap resource the style is switched
// to the icon form (SS_ICON for the statics, BS_ICON for the buttons).
inline constexpr bool IsImageKind(std::int32_t k) { return k >= 10 && k <= 13; }
DWORD icon_style_for_image_kind(std::int32_t kind, DWORD style);

}  // namespace runtime
