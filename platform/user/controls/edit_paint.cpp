// Painting an edit control: the colours asked of the parent (WM_CTLCOLOREDIT, or
// WM_CTLCOLORSTATIC when read-only or disabled), each visible line, and the selection in
// COLOR_HIGHLIGHT / COLOR_HIGHLIGHTTEXT while the control has the focus (always with
// ES_NOHIDESEL).
#include <algorithm>

#include "platform/user/controls/list_edit_support.h"
#include "platform/user/controls/edit_paint.h"

namespace platform::user::controls {

void PaintEdit(EditState& state, HDC dc) {
  HWND window = state.window;
  bool enabled = IsWindowEnabled(window) != FALSE;
  UINT ask = (state.read_only() || !enabled) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
  HBRUSH brush = AskColors(window, dc, ask);
  if (StateOf<EditState>(window) != &state) return;  // the parent destroyed it
  RECT client{};
  GetClientRect(window, &client);
  FillRect(dc, &client, brush);
  if (!enabled) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  COLORREF text_color = GetTextColor(dc);

  HGDIOBJ old_font = SelectObject(dc, FontOrDefault(state.font));
  RECT format = state.FormatRect();
  int saved = SaveDC(dc);
  IntersectClipRect(dc, format.left, client.top, format.right, client.bottom);

  std::u16string shown = state.DisplayText();
  bool show_selection = state.model.has_selection() &&
                        (state.focused || (state.style() & ES_NOHIDESEL));
  int sel_start = state.model.selection_start();
  int sel_end = state.model.selection_end();
  int count = static_cast<int>(state.lines.size());
  int last = std::min(count, state.first_line + state.VisibleLines() + 1);
  for (int index = state.multiline() ? state.first_line : 0; index < last; ++index) {
    const EditLine& line = state.lines[index];
    int y = format.top + (index - state.first_line) * state.line_height;
    if (y >= client.bottom) break;
    std::vector<int> extents = state.LineExtents(line);
    int x0 = format.left + state.LineIndent(line) - state.x_offset;
    auto x_at = [&](int pos) { return pos <= line.start ? 0 : extents[pos - line.start - 1]; };
    // Runs before, inside and after the selection.
    int cuts[4] = {line.start, line.end(), line.end(), line.end()};
    if (show_selection) {
      cuts[1] = std::clamp(sel_start, line.start, line.end());
      cuts[2] = std::clamp(sel_end, line.start, line.end());
    }
    for (int run = 0; run < 3; ++run) {
      int from = cuts[run];
      int to = cuts[run + 1];
      if (to <= from) continue;
      const WCHAR* text = shown.data() + from;
      int x = x0 + x_at(from);
      if (run == 1) {
        RECT box{x, y, x0 + x_at(to), y + state.line_height};
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
        ExtTextOutW(dc, x, y, ETO_OPAQUE, &box, text, static_cast<UINT>(to - from), nullptr);
        SetTextColor(dc, text_color);
      } else {
        SetBkMode(dc, TRANSPARENT);
        TextOutW(dc, x, y, text, to - from);
      }
    }
  }
  RestoreDC(dc, saved);
  SelectObject(dc, old_font);
}

}  // namespace platform::user::controls
