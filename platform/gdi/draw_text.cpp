// DrawTextW / DrawTextA / DrawTextExW: formatted text in a rectangle, laid out by
// draw_text_layout and drawn with the DC's font and colours through DrawTextRun. The
// DC's own text alignment is set aside while drawing (lines are placed here).
#include <algorithm>
#include <string>
#include <vector>

#include "platform/gdi/ansi_text.h"
#include "platform/gdi/draw_text_layout.h"
#include "platform/gdi/font_object.h"
#include "platform/gdi/text_out.h"

namespace platform::gdi {
namespace {

constexpr int kDefaultTabChars = 8;

// x of the start of text[i] on a line starting at 0.
int OffsetOf(std::u16string_view text, std::size_t i, UINT format, int tab_width,
             const MeasureText& measure) {
  return TabbedWidth(text.substr(0, i), format, tab_width, measure);
}

void DrawLine(DeviceContext& dc, const DrawTextLine& line, int x, int y, UINT format,
              int tab_width, const MeasureText& measure, const RECT* clip) {
  const UINT options = clip != nullptr ? ETO_CLIPPED : 0;
  std::u16string_view text = line.text;
  if ((format & DT_EXPANDTABS) != 0 && tab_width > 0) {
    std::size_t begin = 0;
    while (begin <= text.size()) {
      std::size_t tab = text.find(u'\t', begin);
      if (tab == std::u16string_view::npos) tab = text.size();
      const int segment_x = x + OffsetOf(text, begin, format, tab_width, measure);
      DrawTextRun(dc, segment_x, y, options, clip, text.substr(begin, tab - begin), nullptr);
      begin = tab + 1;
    }
  } else {
    DrawTextRun(dc, x, y, options, clip, text, nullptr);
  }
  if (line.prefix >= 0 && (format & DT_HIDEPREFIX) == 0) {
    const RealizedFont& font = DcFont(dc);
    const std::size_t index = static_cast<std::size_t>(line.prefix);
    const int x0 = x + OffsetOf(text, index, format, tab_width, measure);
    const int x1 = x + OffsetOf(text, index + 1, format, tab_width, measure);
    const int row = y + font.metrics().tmAscent + font.underline().offset;
    FillTextBox(dc, x0, row, x1, row + font.underline().thickness,
                PixelFromColor(dc.state.text_color), clip);
  }
}

int DrawFormattedText(HDC handle, std::u16string_view text, LPRECT rect, UINT format,
                      DRAWTEXTPARAMS* params) {
  DeviceContext* dc = FindDc(handle);
  if (dc == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  if (rect == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const RealizedFont& font = DcFont(*dc);
  const TEXTMETRICW& tm = font.metrics();
  const MeasureText measure = [&font](std::u16string_view part) { return font.Width(part); };
  const int left_margin = params != nullptr ? params->iLeftMargin : 0;
  const int right_margin = params != nullptr ? params->iRightMargin : 0;
  const int tab_chars =
      params != nullptr && params->iTabLength > 0 ? params->iTabLength : kDefaultTabChars;
  const int tab_width = tab_chars * std::max<LONG>(1, tm.tmAveCharWidth);
  const int line_height =
      tm.tmHeight + ((format & DT_EXTERNALLEADING) != 0 ? tm.tmExternalLeading : 0);
  const LONG left = rect->left + left_margin;
  const LONG right = rect->right - right_margin;
  const int max_width = static_cast<int>(std::max<LONG>(0, right - left));

  const std::vector<DrawTextLine> lines =
      LayoutDrawText(text, format, max_width, tab_width, measure);
  const int total_height = static_cast<int>(lines.size()) * line_height;
  if ((format & DT_CALCRECT) != 0) {
    int widest = 0;
    for (const DrawTextLine& line : lines) widest = std::max(widest, line.width);
    rect->right = left + widest + right_margin;
    rect->bottom = rect->top + total_height;
    return total_height;
  }

  LONG y = rect->top;
  if ((format & DT_SINGLELINE) != 0) {
    if ((format & DT_VCENTER) != 0) {
      y = rect->top + (rect->bottom - rect->top - line_height) / 2;
    } else if ((format & DT_BOTTOM) != 0) {
      y = rect->bottom - line_height;
    }
  }
  const RECT* clip = (format & DT_NOCLIP) != 0 ? nullptr : rect;
  const UINT saved_align = dc->state.text_align;
  dc->state.text_align = TA_LEFT | TA_TOP | TA_NOUPDATECP;
  for (const DrawTextLine& line : lines) {
    LONG x = left;
    if ((format & DT_CENTER) != 0) {
      x = left + (max_width - line.width) / 2;
    } else if ((format & DT_RIGHT) != 0) {
      x = right - line.width;
    }
    DrawLine(*dc, line, x, y, format, tab_width, measure, clip);
    y += line_height;
  }
  dc->state.text_align = saved_align;
  if (params != nullptr) {
    params->uiLengthDrawn = static_cast<UINT>(text.size());
  }
  // GDI answers the height drawn, measured from the rectangle's top when the text was
  // moved down within it.
  return static_cast<int>(y - rect->top);
}

std::u16string_view CountedText(LPCWSTR text, int count) {
  if (count < 0) return std::u16string_view(text);
  return std::u16string_view(text, static_cast<std::size_t>(count));
}

}  // namespace
}  // namespace platform::gdi

extern "C" {

int DrawTextW(HDC dc, LPCWSTR text, int count, LPRECT rect, UINT format) {
  if (text == nullptr && count != 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return platform::gdi::DrawFormattedText(
      dc, text == nullptr ? u"" : platform::gdi::CountedText(text, count), rect, format,
      nullptr);
}

int DrawTextExW(HDC dc, LPWSTR text, int count, LPRECT rect, UINT format,
                LPDRAWTEXTPARAMS params) {
  if ((text == nullptr && count != 0) ||
      (params != nullptr && params->cbSize != sizeof(DRAWTEXTPARAMS))) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return platform::gdi::DrawFormattedText(
      dc, text == nullptr ? u"" : platform::gdi::CountedText(text, count), rect, format,
      params);
}

int DrawTextA(HDC dc, LPCSTR text, int count, LPRECT rect, UINT format) {
  if (text == nullptr && count != 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const int bytes = count < 0 && text != nullptr ? static_cast<int>(std::char_traits<char>::length(text)) : count;
  const std::u16string wide = platform::gdi::WidenAnsi(text, bytes);
  return platform::gdi::DrawFormattedText(dc, wide, rect, format, nullptr);
}

}  // extern "C"
