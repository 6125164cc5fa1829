#include "platform/gdi/draw_text_layout.h"

#include <algorithm>

namespace platform::gdi {
namespace {

constexpr std::u16string_view kEllipsis = u"...";

// Removes prefix marks: "&&" -> "&", "&x" -> "x" with x remembered; a lone trailing "&"
// is dropped.
DrawTextLine StripPrefixes(std::u16string_view text, UINT format) {
  DrawTextLine line;
  if ((format & DT_NOPREFIX) != 0) {
    line.text = text;
    return line;
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'&') {
      line.text.push_back(text[i]);
      continue;
    }
    if (i + 1 >= text.size()) break;
    ++i;
    if (text[i] != u'&') line.prefix = static_cast<int>(line.text.size());
    line.text.push_back(text[i]);
  }
  return line;
}

// The paragraph's part [begin, end) as a line, keeping its prefix when inside.
DrawTextLine Slice(const DrawTextLine& paragraph, std::size_t begin, std::size_t end) {
  DrawTextLine line;
  line.text = paragraph.text.substr(begin, end - begin);
  if (paragraph.prefix >= static_cast<int>(begin) && paragraph.prefix < static_cast<int>(end)) {
    line.prefix = paragraph.prefix - static_cast<int>(begin);
  }
  return line;
}

bool IsSpace(char16_t c) { return c == u' ' || c == u'\t'; }

void WrapParagraph(const DrawTextLine& paragraph, UINT format, int max_width, int tab_width,
                   const MeasureText& measure, std::vector<DrawTextLine>* lines) {
  const std::u16string& text = paragraph.text;
  std::size_t start = 0;
  do {
    // Take words while the line, without its trailing spaces, still fits.
    std::size_t end = start;  // end of the last word taken
    std::size_t scan = start;
    while (scan < text.size()) {
      std::size_t word_end = scan;
      while (word_end < text.size() && IsSpace(text[word_end])) ++word_end;
      while (word_end < text.size() && !IsSpace(text[word_end])) ++word_end;
      const std::u16string_view candidate(text.data() + start, word_end - start);
      if (end > start && TabbedWidth(candidate, format, tab_width, measure) > max_width) break;
      end = word_end;
      scan = word_end;
    }
    lines->push_back(Slice(paragraph, start, end));
    start = end;
    while (start < text.size() && text[start] == u' ') ++start;
  } while (start < text.size());
}

void AddEllipsis(DrawTextLine* line, UINT format, int max_width, int tab_width,
                 const MeasureText& measure) {
  if (line->width <= max_width || line->text.empty()) return;
  std::size_t keep = line->text.size();
  std::u16string trial;
  do {
    --keep;
    trial = line->text.substr(0, keep);
    trial += kEllipsis;
  } while (keep > 0 && TabbedWidth(trial, format, tab_width, measure) > max_width);
  if (line->prefix >= static_cast<int>(keep)) line->prefix = -1;
  line->text = std::move(trial);
  line->width = TabbedWidth(line->text, format, tab_width, measure);
}

}  // namespace

int TabbedWidth(std::u16string_view text, UINT format, int tab_width, const MeasureText& measure) {
  if ((format & DT_EXPANDTABS) == 0 || tab_width <= 0) return measure(text);
  int x = 0;
  std::size_t begin = 0;
  for (;;) {
    const std::size_t tab = text.find(u'\t', begin);
    x += measure(text.substr(begin, tab == std::u16string_view::npos ? tab : tab - begin));
    if (tab == std::u16string_view::npos) return x;
    x = (x / tab_width + 1) * tab_width;
    begin = tab + 1;
  }
}

std::vector<DrawTextLine> LayoutDrawText(std::u16string_view text, UINT format, int max_width,
                                         int tab_width, const MeasureText& measure) {
  std::vector<DrawTextLine> lines;
  const bool single = (format & DT_SINGLELINE) != 0;
  const bool wrap = !single && (format & DT_WORDBREAK) != 0;
  std::size_t begin = 0;
  for (;;) {
    std::size_t end = single ? text.size() : text.find_first_of(u"\r\n", begin);
    if (end == std::u16string_view::npos) end = text.size();
    const DrawTextLine paragraph = StripPrefixes(text.substr(begin, end - begin), format);
    if (wrap) {
      WrapParagraph(paragraph, format, max_width, tab_width, measure, &lines);
    } else {
      lines.push_back(paragraph);
    }
    if (end >= text.size()) break;
    begin = end + ((text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') ? 2 : 1);
    if (begin >= text.size()) break;  // a final line break opens no further line
  }
  for (DrawTextLine& line : lines) {
    line.width = TabbedWidth(line.text, format, tab_width, measure);
    if ((format & DT_END_ELLIPSIS) != 0) AddEllipsis(&line, format, max_width, tab_width, measure);
  }
  return lines;
}

}  // namespace platform::gdi
