#include "runtime/graphics/text_operations.h"

#include <algorithm>
#include <climits>

#include "runtime/graphics/surface_core.h"

namespace runtime {
namespace {

// GDI text calls take an int count; longer text is cut there.
int Count(std::u16string_view text) {
  return static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
}

LONG LineHeight(const GraphicSurface& s) { return s.char_height + s.external_leading; }

RECT VisibleArea(const GraphicSurface& s) {
  return {s.scroll.x, s.scroll.y, s.scroll.x + s.visible_size.cx, s.scroll.y + s.visible_size.cy};
}

// Moves the visible area up by `distance` pixels and blanks the last line.
void ScrollVisibleArea(DialogState& surface, LONG distance) {
  GraphicSurface& s = surface.graphic;
  const RECT area = VisibleArea(s);
  const LONG kept = s.visible_size.cy - distance;  // none when a line is taller than the area
  if (kept > 0) {
    BitBlt(s.memory_dc, area.left, area.top, s.visible_size.cx, kept, s.memory_dc, area.left,
           area.top + distance, SRCCOPY);
  }
  const RECT strip{area.left, area.bottom - LineHeight(s), area.right, area.bottom};
  if (s.default_brush != nullptr) FillRect(s.memory_dc, &strip, s.default_brush);
  mark_dirty(surface, area, DirtyMode::kExact);
}

// Writes one run at the current position, which moves past it.
void WriteRun(DialogState& surface, std::u16string_view text) {
  GraphicSurface& s = surface.graphic;
  const POINT start = s.position;
  const auto* units = reinterpret_cast<LPCWSTR>(text.data());
  if ((surface.flags & TEXT_CLIPPED) != 0) {
    const RECT clip = VisibleArea(s);
    ExtTextOutW(s.memory_dc, start.x, start.y, ETO_CLIPPED, &clip, units,
                static_cast<UINT>(Count(text)), nullptr);
  } else {
    TextOutW(s.memory_dc, start.x, start.y, units, Count(text));
  }
  POINT end = start;
  GetCurrentPositionEx(s.memory_dc, &end);
  s.position = end;
  // The width of slanted glyphs reaches a little past the advance: one character more.
  mark_dirty(surface, RECT{start.x, start.y, end.x + s.char_width, start.y + LineHeight(s)},
             DirtyMode::kExact);
}

// How many units of the text go on the current line of a wrapping surface. A line that
// has nothing on it yet takes at least one character, so that every line makes progress.
std::size_t WrapLength(const DialogState& surface, std::u16string_view text) {
  const GraphicSurface& s = surface.graphic;
  const LONG room = s.scroll.x + s.visible_size.cx - s.position.x;
  INT fit = 0;
  SIZE size{};
  if (room > 0) {
    GetTextExtentExPointW(s.memory_dc, reinterpret_cast<LPCWSTR>(text.data()), Count(text),
                          room, &fit, nullptr, &size);
  }
  const auto fits = static_cast<std::size_t>(std::max(fit, 0));
  if (fits >= text.size()) return text.size();
  if ((surface.close_flags & TEXT_WRAPS_WORDS) != 0) {
    // The last space that fits (or that follows the last character that fits) ends the line.
    const std::size_t space = text.substr(0, fits + 1).find_last_of(u' ');
    if (space != std::u16string_view::npos && space > 0) return space;
  }
  const bool line_is_empty = s.position.x <= s.scroll.x;
  return fits == 0 && line_is_empty ? 1 : fits;
}

// new_text_line with the lock held.
void NextLine(DialogState& surface) {
  GraphicSurface& s = surface.graphic;
  const LONG line = LineHeight(s);
  POINT next{s.scroll.x, s.position.y + line};
  const LONG bottom = s.scroll.y + s.visible_size.cy;
  const bool scrolls = (surface.close_flags & TEXT_SCROLLS) != 0;
  // A line starting on the bottom edge itself scrolls too: else, once scrolled, the next
  // line would land just below the area and never scroll again.
  if (scrolls && next.y >= s.scroll.y && next.y <= bottom && bottom - next.y < line) {
    ScrollVisibleArea(surface, line - (bottom - next.y));
    next.y = bottom - line;
  }
  set_current_position(surface, next);
}

}  // namespace

void write_text(std::u16string_view text) {
  DrawingScope scope;
  if (!scope) return;
  DialogState& surface = *scope.surface();
  if ((surface.close_flags & TEXT_WRAP_BITS) == 0) {
    WriteRun(surface, text);
    return;
  }
  const bool words = (surface.close_flags & TEXT_WRAPS_WORDS) != 0;
  while (!text.empty()) {
    const std::size_t length = WrapLength(surface, text);
    if (length > 0) WriteRun(surface, text.substr(0, length));
    text.remove_prefix(length);
    if (text.empty()) break;
    NextLine(surface);
    if (words) {
      const std::size_t first = text.find_first_not_of(u' ');
      text.remove_prefix(first == std::u16string_view::npos ? text.size() : first);
    }
  }
}

SIZE measure_text(std::u16string_view text) {
  DrawingScope scope;
  SIZE size{0, 0};
  if (!scope) return size;
  GetTextExtentPoint32W(scope.surface()->graphic.memory_dc,
                        reinterpret_cast<LPCWSTR>(text.data()), Count(text), &size);
  return size;
}

std::int32_t characters_that_fit(std::u16string_view text, std::int32_t max_width) {
  DrawingScope scope;
  if (!scope) return 0;
  INT fit = 0;
  SIZE size{};
  if (!GetTextExtentExPointW(scope.surface()->graphic.memory_dc,
                             reinterpret_cast<LPCWSTR>(text.data()), Count(text),
                             std::max(max_width, 0), &fit, nullptr, &size)) {
    return 0;
  }
  return fit;
}

void new_text_line() {
  DrawingScope scope;
  if (!scope) return;
  NextLine(*scope.surface());
}

}  // namespace runtime
