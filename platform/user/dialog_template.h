// Reading a dialog template (DLGTEMPLATE or DLGTEMPLATEEX and its items) from memory
// (platform-internal).
//
// The API gives a template's address and no length, so reading is bounded in two ways:
// - it never touches memory that is not readable: the bytes are copied through the kernel
//   page by page (see readable_memory.h), so a template that runs into an unmapped or
//   protected page ends there and is refused instead of crashing the process;
// - it never reads more than a valid template of the declared shape would need, and never
//   more than kMaxDialogTemplateBytes in all (far above any real template: 65535 items
//   with long names), so a template with an absurd item count or an unterminated string is
//   refused once it runs past what it could hold.
// A refused template makes CreateDialogIndirectParamW fail with ERROR_INVALID_PARAMETER,
// before any window exists.
//
// Layout, as in Windows: the header; then the menu, the class and the title, each either
// 0x0000 (none), 0xFFFF followed by a WORD ordinal, or a zero-terminated UTF-16 string;
// with DS_SETFONT the point size (EX: and the weight, italic and charset bytes) and the
// face name; then each item on a DWORD boundary: its header, class and title (same
// forms), and a WORD count of creation data bytes followed by the data on a WORD boundary.
// Alignment is of the absolute address, as Windows aligns it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace platform::user {

inline constexpr std::size_t kMaxDialogTemplateBytes = 4u << 20;

// A menu, class or title field: nothing, an ordinal, or a name.
struct TemplateName {
  bool present = false;
  bool is_ordinal = false;
  WORD ordinal = 0;
  std::u16string text;
};

struct DialogItemTemplate {
  DWORD help_id = 0;
  DWORD style = 0;
  DWORD ex_style = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  DWORD id = 0;
  TemplateName class_name;
  TemplateName title;
  std::vector<BYTE> creation_data;  // the size WORD first, then the bytes; empty for none
};

struct DialogTemplate {
  bool extended = false;
  DWORD help_id = 0;
  DWORD style = 0;
  DWORD ex_style = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  TemplateName menu;
  TemplateName class_name;
  TemplateName title;
  bool has_font = false;
  WORD point_size = 0;
  WORD weight = 0;
  BYTE italic = 0;
  BYTE charset = 0;
  std::u16string face;
  std::vector<DialogItemTemplate> items;
};

// The template at `address`, read at most `limit` bytes far; nothing when it is malformed
// (truncated, unreadable, a DLGTEMPLATEEX signature with a version other than 1,
// unterminated strings).
std::optional<DialogTemplate> ReadDialogTemplate(const void* address,
                                                 std::size_t limit = kMaxDialogTemplateBytes);

// The window class a control's ordinal names (0x80 Button ... 0x85 ComboBox); null for
// another ordinal.
LPCWSTR ClassOfOrdinal(WORD ordinal);

}  // namespace platform::user
