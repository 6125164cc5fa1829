// The process-wide font table: fonts named by small numbers (FontNumber), described once
// and shared by every window that shows them.
//
// Entries are appended in creation order and never removed while the process runs; an
// entry's Windows font is made only when a window first needs it (at that window's
// display resolution) and deleted by release_font once no window shows it. Asking twice
// for the same description gives the same number. Numbers 1-3 are built in, so the
// first font a program makes is number 4.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/win32.h"
#include "runtime/dialogs/dialog_state.h"

namespace runtime {

class ErrorState;

struct FontRecord {
  FontRecord* next;
  std::int32_t use_count;  // windows showing it through set_control_font
  FontNumber number;       // 1-based position in the table
  HFONT handle;            // made on first use; 0 until then and after release_font
  HFONT extra_handles[2];  // derived by the graphic engine; release_font deletes the second
  std::uint32_t origin;    // kCreatedFont, or the style bits of set_default_dialog_font
  float size;              // points; negative asks for a cell height
  std::uint32_t reserved;
  LOGFONTW font;           // lfHeight stays 0 until the handle is made
};

inline constexpr std::uint32_t kCreatedFont = 0x2000;
inline constexpr int kFaceCharacters = 31;

// Style bits of create_font.
namespace font_style {
inline constexpr std::uint32_t kBold = 0x01;
inline constexpr std::uint32_t kItalic = 0x02;
inline constexpr std::uint32_t kUnderline = 0x04;
inline constexpr std::uint32_t kStrikeOut = 0x08;
inline constexpr std::uint32_t kCellHeight = 0x10;  // the size is negated
// set_default_dialog_font's own bits (the others are ignored).
inline constexpr std::uint32_t kFixedPitch = 0x20;
inline constexpr std::uint32_t kDefaultFontBits = 0x23;
}  // namespace font_style

// The number of the entry equal to the description (face cut to 31 characters, size 0
// taken as 8, style bits above), appended when there is none. 0 with error 5 when the
// table cannot grow.
FontNumber create_font(ErrorState& errors, std::u16string_view face, float size,
                       std::uint32_t style, BYTE charset, BYTE pitch_and_family,
                       std::int32_t angle);

// Finds or appends the entry for the description and makes it the font that the calling
// thread's new dialogs name. Style bits: 0x01 bold, 0x02 italic, 0x20 fixed pitch.
void set_default_dialog_font(ErrorState& errors, std::u16string_view face, std::int32_t size,
                             std::uint32_t style, BYTE charset);

// The calling thread's default dialog font number (1 until changed).
FontNumber default_dialog_font();

// The entry of a number, or null. Entries never move or go away while the process runs.
FontRecord* find_font(FontNumber number);
std::size_t font_count();

// lfHeight for a point size at a resolution: -(dpi x size / 72) rounded to the nearest
// integer, halves to even; a negative size gives a positive (cell) height.
LONG font_height_for(int dpi, float size);
// The graphic engine's first font (entry 1, 8 points): the same in integer arithmetic,
// truncated toward zero.
LONG first_graphic_font_height(int dpi);

// Start-up: the built-in entries 1-3, each with a use count of 1.
void create_built_in_fonts();
// Start-up: forgets the entries of an earlier program image in this process.
void reset_font_table();

}  // namespace runtime
