// DialogState: the toolkit's one record type, kept for every window it manages (dialogs,
// controls and the graphic engine's surfaces) in the process-wide record list.
//
// A record is zero-filled when made, allocated from the system string allocator and
// freed with SysFreeString; it stays at one address while it is in the list, because
// the modal loop and the dialog procedure hold pointers to it.
#pragma once

#include <cstdint>

#include "platform/win32.h"

namespace runtime {

// What every dialog, control, menu-item and toolbar-button callback receives: the
// dialog's window (also for control callbacks), the message, wParam and lParam. 0 means
// "not handled": the toolkit's and then Windows' default handling follow.
using DialogCallback = std::int32_t (*)(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The number of an entry of the font table (1-3 built in).
using FontNumber = std::int32_t;

// flags
inline constexpr std::uint32_t USES_DIALOG_UNITS = 0x1;
inline constexpr std::uint32_t USES_PIXELS = 0x2;
inline constexpr std::uint32_t COORDINATE_BITS = 0xF;  // what a control copies from its dialog
inline constexpr std::uint32_t GRAPHIC_HAS_FOCUS = 0x20;
inline constexpr std::uint32_t MIRROR_Y = 0x80;             // graphic surfaces: world y grows upward
inline constexpr std::uint32_t MIRROR_X = 0x100;            // world x grows leftward
inline constexpr std::uint32_t REDRAW_DEFERRED = 0x200;     // drawing never repaints by itself
inline constexpr std::uint32_t REDRAW_BATCHED = 0x2000;     // repaint every 250 operations
inline constexpr std::uint32_t IMAGE_IS_ICON = 0x4000;
inline constexpr std::uint32_t IMAGE_IS_BITMAP = 0x8000;
inline constexpr std::uint32_t WAS_SHOWN = 0x10000;
inline constexpr std::uint32_t REDRAW_PENDING = 0x20000;    // pending_redraw holds something
inline constexpr std::uint32_t REDRAW_NOW = 0x40000;        // the next mark repaints at once
inline constexpr std::uint32_t GRAPHIC_ARROWS_SCROLL = 0x80000;  // the graphic engine's
inline constexpr std::uint32_t GRAPHIC_STRETCHED = 0x100000;
inline constexpr std::uint32_t TEXT_CLIPPED = 0x4000000;    // text cut at the visible area
inline constexpr std::uint32_t IS_MEMORY_BITMAP = 0x10000000;   // the graphic engine's
inline constexpr std::uint32_t IS_CONTROL = 0x20000000;
inline constexpr std::uint32_t IS_DIALOG = 0x40000000;
inline constexpr std::uint32_t IS_GRAPHIC_WINDOW = 0x80000000;  // the graphic engine's

// close_flags
inline constexpr std::uint32_t CLOSE_DISABLED = 0x1;
inline constexpr std::uint32_t TEXT_SCROLLS = 0x400;       // new lines scroll the visible area
inline constexpr std::uint32_t TEXT_WRAPS_CHARACTERS = 0x2000;  // text breaks at the right edge
inline constexpr std::uint32_t TEXT_WRAPS_WORDS = 0x4000;  // ...between words where it can
inline constexpr std::uint32_t TEXT_WRAP_BITS = TEXT_WRAPS_CHARACTERS | TEXT_WRAPS_WORDS;
inline constexpr std::uint32_t INCLUSIVE_ENDS = 0x8000;    // lines and boxes take their last pixel

// Colour markers of text_color and back_color.
inline constexpr std::int32_t SYSTEM_COLOR = -1;
inline constexpr std::int32_t TRANSPARENT_COLOR = -2;  // backgrounds only
inline constexpr std::int32_t COLOR_NOT_SET = -3;

// The control id that names a dialog's own window.
inline constexpr std::int32_t DIALOG_ITSELF = static_cast<std::int32_t>(0x80000000u);
// x or y of create_dialog asking for a centred dialog.
inline constexpr std::int32_t CENTRE_DEFAULT = static_cast<std::int32_t>(0x80000000u);

// Control kinds (rows of the control-class table, plus the graphic engine's own).
namespace kind {
inline constexpr std::int32_t kNamedClass = 0;  // a dialog, or a window of the caller's class
inline constexpr std::int32_t kPushButton = 1;
inline constexpr std::int32_t kThreeStateBox = 2;
inline constexpr std::int32_t kCheckBox = 3;
inline constexpr std::int32_t kGroupFrame = 4;
inline constexpr std::int32_t kLabel = 5;
inline constexpr std::int32_t kFrame = 6;
inline constexpr std::int32_t kOptionButton = 7;
inline constexpr std::int32_t kScrollBar = 8;
inline constexpr std::int32_t kTextBox = 9;
inline constexpr std::int32_t kImage = 10;
inline constexpr std::int32_t kImageFitted = 11;
inline constexpr std::int32_t kImageButton = 12;
inline constexpr std::int32_t kImageButtonFitted = 13;
inline constexpr std::int32_t kGraphicControl = 14;
inline constexpr std::int32_t kGraphicSurface = 15;
inline constexpr std::int32_t kHeader = 16;
inline constexpr std::int32_t kListView = 17;
inline constexpr std::int32_t kTreeView = 18;
inline constexpr std::int32_t kProgressBar = 19;
inline constexpr std::int32_t kStatusBar = 20;
inline constexpr std::int32_t kToolbar = 21;
inline constexpr std::int32_t kTabControl = 22;
inline constexpr std::int32_t kOtherClass = 23;
inline constexpr std::int32_t kComboBox = 24;
inline constexpr std::int32_t kListBox = 25;
inline constexpr std::int32_t kMemoryBitmap = 26;
}  // namespace kind

// Kinds 14, 15 and 26 draw into an off-screen bitmap and carry the surface block.
inline constexpr bool IsGraphicKind(std::int32_t k) {
  return k == kind::kGraphicControl || k == kind::kGraphicSurface || k == kind::kMemoryBitmap;
}

// Fields used only by graphic surfaces. add_control sets those of a graphic control;
// the graphic engine owns the rest.
struct GraphicSurface {
  HDC memory_dc;
  HGDIOBJ first_bitmap;    // the bitmap the memory DC held before the surface's own
  HGDIOBJ further_object;  // one more object the engine keeps alive with the surface
  RECT pending_redraw;
  std::int32_t pending_count;
  SIZE client_size;
  SIZE bitmap_size;
  SIZE visible_size;
  POINT scroll;
  float units_scale_x;  // pixels per dialog unit
  float units_scale_y;
  LONG char_width;      // tmAveCharWidth of the surface font
  LONG char_height;     // tmHeight
  LONG external_leading;
  HBRUSH default_brush;  // shared by colour like back_brush
  std::int32_t default_text_color;
  std::int32_t default_back_color;
  HWND child_windows[3];  // scroll bars and frame of a graphic window
  std::int32_t engine_words[4];
  // The drawing state of the graphic engine. The foreground colour is default_text_color,
  // the background colour and brush default_back_color and default_brush; `scroll` is the
  // pixel offset (the visible area's origin in the bitmap), and units_scale_x/y are the
  // world scale (0: world units are pixels).
  POINT position;            // device pixels: where the next line and text start
  std::int32_t pen_style;    // PS_SOLID (0) ... PS_DASHDOTDOT (4)
  std::int32_t pen_width;    // 0 draws one pixel wide, like 1
  float origin_x;            // world origin
  float origin_y;
};

struct DialogState {
  DialogState* next;  // the next (older) record of the list
  HWND hwnd;          // the key of every look-up
  HWND parent;        // a dialog's parent, or a control's dialog
  std::uint32_t flags;
  std::uint32_t close_flags;
  std::uint32_t spare;
  std::int32_t show_command;
  // A control's FontNumber (0 none). A dialog keeps its template font's handle in
  // dialog_font instead: the font every control added later is given.
  FontNumber font_number;
  HFONT dialog_font;
  HFONT saved_font;  // 0 nothing saved yet; kNoSavedFont: the control had no font
  DialogCallback callback;
  std::int32_t* result_target;  // the modal caller's result variable
  HACCEL accelerators;
  HBRUSH back_brush;
  std::int32_t back_color;
  std::int32_t text_color;
  GraphicSurface graphic;
  std::int32_t kind;
  std::uint32_t spare2;
  LONG_PTR graphic_old_proc;  // window procedures replaced by the toolkit
  LONG_PTR tab_old_proc;
  DWORD style;
  DWORD ex_style;
  HANDLE image;
  HICON big_icon;
  HICON small_icon;
  std::int32_t engine_word;
  std::int32_t last_key;
  std::int32_t engine_words[3];
  std::int32_t user_values[8];
};

inline const HFONT kNoSavedFont = reinterpret_cast<HFONT>(static_cast<LONG_PTR>(-1));

}  // namespace runtime
