// Breaking DrawText's text into lines (platform-internal). Pure: widths come from a
// measuring function, so the rules are tested without a DC.
//
// - "&x" marks x as the prefix letter (underlined) and "&&" is a literal "&", unless
//   DT_NOPREFIX; the last marked letter of a line wins.
// - Without DT_SINGLELINE, CR LF, CR and LF end lines.
// - DT_WORDBREAK breaks lines between words so that each fits `max_width`; the spaces
//   at a break are dropped; a word longer than the line stays whole.
// - DT_EXPANDTABS moves a tab to the next multiple of `tab_width`.
// - DT_END_ELLIPSIS cuts a line that does not fit and ends it with "...".
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32.h"

namespace platform::gdi {

struct DrawTextLine {
  std::u16string text;  // prefix marks removed; tabs kept (see TabbedWidth)
  int prefix = -1;      // index in `text` of the underlined letter, or -1
  int width = 0;
};

using MeasureText = std::function<int(std::u16string_view)>;

// The width of `text` with tabs expanded when `format` holds DT_EXPANDTABS (otherwise a
// tab is measured as a character).
int TabbedWidth(std::u16string_view text, UINT format, int tab_width, const MeasureText& measure);

std::vector<DrawTextLine> LayoutDrawText(std::u16string_view text, UINT format, int max_width,
                                         int tab_width, const MeasureText& measure);

}  // namespace platform::gdi
