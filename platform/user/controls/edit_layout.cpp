// Edit control geometry: lines, alignment, positions and scrolling (see edit_state.h).
#include <algorithm>

#include "platform/user/controls/list_edit_support.h"
#include "platform/user/controls/edit_state.h"

namespace platform::user::controls {
namespace {

// A screen DC with the control's font selected, for measuring.
class Measurer {
 public:
  explicit Measurer(HFONT font) : dc_(GetDC(nullptr)) {
    old_ = SelectObject(dc_, FontOrDefault(font));
  }
  ~Measurer() {
    SelectObject(dc_, old_);
    ReleaseDC(nullptr, dc_);
  }
  Measurer(const Measurer&) = delete;
  Measurer& operator=(const Measurer&) = delete;

  std::vector<int> Extents(std::u16string_view run) const {
    std::vector<int> extents(run.size());
    if (run.empty()) return extents;
    int fit = 0;
    SIZE size{};
    GetTextExtentExPointW(dc_, run.data(), static_cast<int>(run.size()), 0, &fit, extents.data(),
                          &size);
    return extents;
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace

std::u16string EditState::DisplayText() const {
  if (password()) return std::u16string(model.text().size(), password_char);
  return model.text();
}

RECT EditState::FormatRect() const {
  RECT client{};
  GetClientRect(window, &client);
  RECT r{client.left + left_margin, client.top, client.right - right_margin, client.bottom};
  if (!multiline()) {
    int spare = (client.bottom - client.top) - line_height;
    r.top = std::max(0, spare / 2);
  }
  r.bottom = std::max(r.bottom, r.top + line_height);
  r.right = std::max(r.right, r.left + 1);
  return r;
}

int EditState::VisibleLines() const {
  RECT r = FormatRect();
  return std::max(1, static_cast<int>((r.bottom - r.top) / line_height));
}

void EditState::Relayout() {
  std::u16string shown = DisplayText();
  if (!multiline()) {
    lines.assign(1, EditLine{0, static_cast<int>(shown.size())});
  } else {
    Measurer measurer(font);
    RECT r = FormatRect();
    lines = BreakLines(shown, wraps(), r.right - r.left,
                       [&](std::u16string_view run) { return measurer.Extents(run); });
  }
  first_line = std::clamp(first_line, 0, static_cast<int>(lines.size()) - 1);
}

std::vector<int> EditState::LineExtents(const EditLine& line) const {
  std::u16string shown = DisplayText();
  return Measurer(font).Extents(std::u16string_view(shown).substr(line.start, line.length));
}

int EditState::LongestLineWidth() const {
  int longest = 0;
  for (const EditLine& l : lines) longest = std::max(longest, LineWidth(l));
  return longest;
}

int EditState::LineWidth(const EditLine& line) const {
  std::vector<int> extents = LineExtents(line);
  return extents.empty() ? 0 : extents.back();
}

int EditState::LineIndent(const EditLine& line) const {
  DWORD align = style() & (ES_CENTER | ES_RIGHT);
  if (align == ES_LEFT) return 0;
  RECT r = FormatRect();
  int spare = (r.right - r.left) - LineWidth(line);
  if (spare <= 0) return 0;
  return align == ES_CENTER ? spare / 2 : spare - 1;
}

POINT EditState::PositionPoint(int pos) const {
  RECT r = FormatRect();
  int index = LineOfPosition(lines, pos);
  const EditLine& line = lines[index];
  std::vector<int> extents = LineExtents(line);
  int inside = std::clamp(pos - line.start, 0, line.length);
  int x = inside == 0 ? 0 : extents[inside - 1];
  return POINT{r.left + LineIndent(line) + x - x_offset,
               r.top + (index - first_line) * line_height};
}

int EditState::PositionInLine(int index, int x) const {
  const EditLine& line = lines[std::clamp(index, 0, static_cast<int>(lines.size()) - 1)];
  std::vector<int> extents = LineExtents(line);
  x -= LineIndent(line);
  int best = 0;
  int best_distance = std::abs(x);
  for (int i = 1; i <= line.length; ++i) {
    int distance = std::abs(extents[i - 1] - x);
    if (distance < best_distance) {
      best = i;
      best_distance = distance;
    }
  }
  return line.start + best;
}

int EditState::PositionFromPoint(POINT point) const {
  RECT r = FormatRect();
  int index = 0;
  if (multiline()) {
    int row = point.y >= r.top ? (point.y - r.top) / line_height : -1;
    index = std::clamp(first_line + row, 0, static_cast<int>(lines.size()) - 1);
  }
  return PositionInLine(index, point.x - r.left + x_offset);
}

int EditState::ScrollToCaret() {
  int scrolled = 0;
  int caret = model.caret();
  int index = LineOfPosition(lines, caret);
  if (multiline()) {
    int visible = VisibleLines();
    int top = first_line;
    if (index < top) top = index;
    if (index >= top + visible) top = index - visible + 1;
    if (top != first_line) {
      first_line = top;
      scrolled |= 2;
    }
  }
  RECT r = FormatRect();
  int width = r.right - r.left;
  int offset = x_offset;
  bool scrolls_sideways = (style() & ES_AUTOHSCROLL) != 0;
  if (!scrolls_sideways) {
    offset = 0;
  } else {
    const EditLine& line = lines[index];
    std::vector<int> extents = LineExtents(line);
    int inside = caret - line.start;
    int x = LineIndent(line) + (inside == 0 ? 0 : extents[inside - 1]);
    // Out of sight: jump by a third of the width, as the classic control does.
    if (x < offset) offset = std::max(0, x - width / 3);
    if (x >= offset + width) offset = x - width + width / 3;
    const int longest = LongestLineWidth();
    offset = std::clamp(offset, 0, std::max(0, longest + 1 - width + width / 3));
    if (longest < width) offset = 0;
  }
  if (offset != x_offset) {
    x_offset = offset;
    scrolled |= 1;
  }
  return scrolled;
}

bool EditState::TextFits() const {
  RECT r = FormatRect();
  if (!multiline()) {
    return (style() & ES_AUTOHSCROLL) || LineWidth(lines[0]) <= r.right - r.left;
  }
  if (style() & ES_AUTOVSCROLL) return true;
  return static_cast<int>(lines.size()) <= VisibleLines();
}

}  // namespace platform::user::controls
