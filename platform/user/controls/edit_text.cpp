// The edit control's text model (see edit_text.h).
#include "platform/user/controls/edit_text.h"

#include <algorithm>

namespace platform::user::controls {
namespace {

bool IsBreak(char16_t c) { return c == u'\r' || c == u'\n'; }
bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || IsBreak(c); }

}  // namespace

std::u16string_view EditText::selected() const {
  return std::u16string_view(text_).substr(selection_start(), selection_end() - selection_start());
}

int EditText::Clamp(int pos) const {
  pos = std::clamp(pos, 0, size());
  if (pos > 0 && pos < size() && text_[pos - 1] == u'\r' && text_[pos] == u'\n') --pos;
  return pos;
}

void EditText::SetText(std::u16string_view text) {
  text_.assign(text);
  anchor_ = caret_ = 0;
}

void EditText::Select(int anchor, int caret) {
  anchor_ = Clamp(anchor);
  caret_ = Clamp(caret);
}

void EditText::ReplaceSelection(std::u16string_view insert) {
  int start = selection_start();
  text_.replace(start, selection_end() - start, insert);
  anchor_ = caret_ = Clamp(start + static_cast<int>(insert.size()));
}

int EditText::CharLeft(int pos) const {
  if (pos <= 0) return 0;
  if (pos >= 2 && text_[pos - 1] == u'\n' && text_[pos - 2] == u'\r') return pos - 2;
  return pos - 1;
}

int EditText::CharRight(int pos) const {
  if (pos >= size()) return size();
  if (text_[pos] == u'\r' && pos + 1 < size() && text_[pos + 1] == u'\n') return pos + 2;
  return pos + 1;
}

int EditText::WordLeft(int pos) const {
  pos = std::clamp(pos, 0, size());
  while (pos > 0 && IsSpace(text_[pos - 1])) {
    if (IsBreak(text_[pos - 1])) return CharLeft(pos);  // a line break is a word of its own
    --pos;
  }
  while (pos > 0 && !IsSpace(text_[pos - 1])) --pos;
  return pos;
}

int EditText::WordRight(int pos) const {
  pos = std::clamp(pos, 0, size());
  if (pos < size() && IsBreak(text_[pos])) return CharRight(pos);
  while (pos < size() && !IsSpace(text_[pos])) ++pos;
  while (pos < size() && (text_[pos] == u' ' || text_[pos] == u'\t')) ++pos;
  return pos;
}

std::pair<int, int> EditText::WordAt(int pos) const {
  pos = std::clamp(pos, 0, size());
  int start = pos;
  int end = pos;
  if (pos < size() && !IsSpace(text_[pos])) {
    while (start > 0 && !IsSpace(text_[start - 1])) --start;
    while (end < size() && !IsSpace(text_[end])) ++end;
  } else if (pos > 0 && !IsSpace(text_[pos - 1])) {
    while (start > 0 && !IsSpace(text_[start - 1])) --start;
  }
  while (end < size() && (text_[end] == u' ' || text_[end] == u'\t')) ++end;
  return {start, end};
}

std::vector<EditLine> BreakLines(std::u16string_view text, bool wrap, int width,
                                 const MeasureRun& measure) {
  std::vector<EditLine> lines;
  int n = static_cast<int>(text.size());
  int start = 0;
  while (true) {
    int stop = start;
    while (stop < n && !IsBreak(text[stop])) ++stop;
    // [start, stop) is one hard line; wrap it into pieces.
    int piece = start;
    bool ended = false;
    if (wrap && stop > start) {
      std::vector<int> extents = measure(text.substr(start, stop - start));
      auto x_at = [&](int pos) { return pos <= start ? 0 : extents[pos - start - 1]; };
      while (piece < stop && x_at(stop) - x_at(piece) > width) {
        int fit = piece;
        while (fit < stop && x_at(fit + 1) - x_at(piece) <= width) ++fit;
        int cut = fit;
        while (cut > piece && text[cut - 1] != u' ' && text[cut] != u' ') --cut;
        if (cut == piece) cut = std::max(fit, piece + 1);  // one word wider than the line
        int next = cut;
        while (next < stop && text[next] == u' ') ++next;  // spaces hang at the line end
        lines.push_back(EditLine{piece, next - piece});
        if (next >= stop) {
          ended = true;
          break;
        }
        piece = next;
      }
    }
    if (!ended) lines.push_back(EditLine{piece, stop - piece});
    if (stop >= n) break;
    start = stop + ((text[stop] == u'\r' && stop + 1 < n && text[stop + 1] == u'\n') ? 2 : 1);
  }
  return lines;
}

int LineOfPosition(const std::vector<EditLine>& lines, int pos) {
  auto it = std::upper_bound(lines.begin(), lines.end(), pos,
                             [](int p, const EditLine& line) { return p < line.start; });
  return std::max(0, static_cast<int>(it - lines.begin()) - 1);
}

}  // namespace platform::user::controls
