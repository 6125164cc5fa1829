#include "platform/display/window_painter.h"

#include <algorithm>
#include <string>

#include "platform/display/calendar_cells.h"

namespace platform {
namespace {

// `text` placed in `width` cells as the alignment asks, cut at the end when too long.
int Aligned(int width, int length, DWORD alignment) {
  if (length >= width) return 0;
  if (alignment == SS_CENTER) return (width - length) / 2;
  if (alignment == SS_RIGHT) return width - length;
  return 0;
}

bool Focused(const ControlView& c, HWND focus) {
  for (HWND w = focus; w != nullptr; w = GetParent(w)) {
    if (w == c.window) return true;
  }
  return false;
}

std::u32string ListItem(HWND list, UINT get_length, UINT get_text, int index) {
  LRESULT length = SendMessageW(list, get_length, static_cast<WPARAM>(index), 0);
  if (length <= 0 || length > 4096) return {};
  std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
  LRESULT got = SendMessageW(list, get_text, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::max<LRESULT>(0, got)));
  return Utf32FromUtf16(text);
}

class Painter {
 public:
  Painter(CellCanvas& canvas, const ScreenLayout& layout, HWND focus)
      : canvas_(canvas), layout_(layout), focus_(focus), g_(canvas.glyphs()) {}

  PaintedCursor Paint() {
    canvas_.Fill(CellRect{0, 0, canvas_.columns(), canvas_.rows()}, CellStyle::kDesktop,
                 g_.ascii ? U' ' : U' ');
    for (const WindowView& w : layout_.windows) PaintWindow(w);
    return cursor_;
  }

 private:
  void PaintWindow(const WindowView& w) {
    canvas_.ClearClip();
    canvas_.Fill(w.frame, CellStyle::kFace);
    canvas_.Box(w.frame, CellStyle::kFrame);
    if (w.caption) {
      CellStyle caption = w.active ? CellStyle::kCaption : CellStyle::kCaptionInactive;
      CellRect bar{w.frame.left, w.frame.top, w.frame.right, w.frame.top + 1};
      canvas_.Restyle(bar, caption);
      int room = w.frame.width() - 8;  // corners, blanks and the close box
      if (room > 0 && !w.title.empty()) {
        canvas_.Put(w.frame.left + 1, w.frame.top, U' ', caption);
        int shown = canvas_.Text(w.frame.left + 2, w.frame.top, w.title, caption, room);
        canvas_.Put(w.frame.left + 2 + shown, w.frame.top, U' ', caption);
      }
      if (w.frame.width() >= 6) canvas_.Text(w.frame.right - 4, w.frame.top, U"[x]", caption);
    }
    canvas_.SetClip(w.client);
    for (const ControlView& c : w.controls) PaintControl(c);
    canvas_.ClearClip();
  }

  void PaintControl(const ControlView& c) {
    bool focused = Focused(c, focus_);
    CellStyle text_style = !c.enabled ? CellStyle::kDisabled : CellStyle::kFace;
    const CellRect& r = c.cells;
    switch (c.kind) {
      case ControlKind::kLabel:
        return PaintLabel(c, text_style);
      case ControlKind::kIcon:
        return PaintIcon(c);
      case ControlKind::kPushButton: {
        bool marked = (c.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
        std::u32string face = (marked ? U"[>" : U"[ ") + c.text + (marked ? U"<]" : U" ]");
        int width = std::min<int>(r.width(), static_cast<int>(face.size()));
        int left = r.left + Aligned(r.width(), width, SS_CENTER);
        if (static_cast<int>(face.size()) > width && width >= 2) {
          face = face.substr(0, static_cast<std::size_t>(width - 1)) + face.back();
        }
        CellStyle style = focused ? CellStyle::kFocus : text_style;
        canvas_.Text(left, r.top, face, style, width);
        if (focused) Cursor(left + 2, r.top, false);
        return;
      }
      case ControlKind::kCheckBox:
      case ControlKind::kRadioButton: {
        LRESULT check = SendMessageW(c.window, BM_GETCHECK, 0, 0);
        bool radio = c.kind == ControlKind::kRadioButton;
        char32_t mark = check == BST_CHECKED         ? (radio ? U'o' : U'x')
                        : check == BST_INDETERMINATE ? U'-'
                                                     : U' ';
        canvas_.Text(r.left, r.top, radio ? U"( )" : U"[ ]", text_style);
        canvas_.Put(r.left + 1, r.top, mark, text_style);
        canvas_.Text(r.left + 4, r.top, c.text, focused ? CellStyle::kFocus : text_style,
                     std::max(0, r.width() - 4));
        if (focused) Cursor(r.left + 1, r.top, false);
        return;
      }
      case ControlKind::kGroupBox:
        canvas_.Box(r, CellStyle::kFace);
        if (!c.text.empty() && r.width() > 4) {
          canvas_.Put(r.left + 1, r.top, U' ', text_style);
          int shown = canvas_.Text(r.left + 2, r.top, c.text, text_style, r.width() - 4);
          canvas_.Put(r.left + 2 + shown, r.top, U' ', text_style);
        }
        return;
      case ControlKind::kEdit:
        return PaintEdit(c, focused);
      case ControlKind::kMultiLineEdit:
        return PaintMultiLineEdit(c, focused);
      case ControlKind::kComboBox:
        return PaintCombo(c, focused);
      case ControlKind::kDatePicker:
        return PaintDatePicker(c, focused);
      case ControlKind::kListBox:
        return PaintList(c, focused);
      case ControlKind::kCalendar:
        PaintCalendar(canvas_, r, ReadCalendar(c.window),
                      focused || c.window == GetCapture() || GetParent(c.window) == nullptr);
        return;
      case ControlKind::kProgress: {
        LRESULT position = SendMessageW(c.window, PBM_GETPOS, 0, 0);
        LRESULT low = SendMessageW(c.window, PBM_GETRANGE, TRUE, 0);
        LRESULT high = SendMessageW(c.window, PBM_GETRANGE, FALSE, 0);
        int filled = high > low ? static_cast<int>((position - low) * r.width() / (high - low)) : 0;
        canvas_.Fill(r, CellStyle::kField, g_.shade);
        canvas_.Fill(CellRect{r.left, r.top, r.left + std::clamp(filled, 0, r.width()), r.bottom},
                     CellStyle::kFocus, g_.ascii ? U'#' : U'█');
        return;
      }
      case ControlKind::kOther:
        if (!c.text.empty()) canvas_.Text(r.left, r.top, c.text, text_style, r.width());
        return;
    }
  }

  void PaintLabel(const ControlView& c, CellStyle style) {
    const CellRect& r = c.cells;
    DWORD alignment = c.style & SS_TYPEMASK;
    std::vector<std::u32string> lines = WrapText(c.text, r.width());
    for (std::size_t i = 0; i < lines.size() && static_cast<int>(i) < r.height(); ++i) {
      int length = static_cast<int>(lines[i].size());
      canvas_.Text(r.left + Aligned(r.width(), length, alignment), r.top + static_cast<int>(i),
                   lines[i], style, r.width());
    }
  }

  void PaintIcon(const ControlView& c) {
    HICON icon = reinterpret_cast<HICON>(SendMessageW(c.window, STM_GETICON, 0, 0));
    const char32_t* mark = nullptr;
    struct Known {
      LPCWSTR name;
      const char32_t* mark;
    } known[] = {{IDI_QUESTION, U"(?)"},
                 {IDI_EXCLAMATION, U"(!)"},
                 {IDI_ASTERISK, U"(i)"},
                 {IDI_HAND, U"(X)"}};
    for (const Known& k : known) {
      if (icon != nullptr && icon == LoadIconW(nullptr, k.name)) mark = k.mark;
    }
    if (mark != nullptr) canvas_.Text(c.cells.left, c.cells.top, mark, CellStyle::kFace);
  }

  // The field's inside: within the box when it has one.
  CellRect Inside(const ControlView& c, CellStyle style) {
    CellRect r = c.cells;
    if (c.boxed) {
      canvas_.Box(r, CellStyle::kFace);
      r = CellRect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
    canvas_.Fill(r, style);
    return r;
  }

  void PaintEdit(const ControlView& c, bool focused) {
    CellRect r = Inside(c, c.enabled ? CellStyle::kField : CellStyle::kFace);
    std::u32string text = c.text;
    if ((c.style & ES_PASSWORD) != 0) {
      auto star = static_cast<char32_t>(SendMessageW(c.window, EM_GETPASSWORDCHAR, 0, 0));
      text.assign(text.size(), star != 0 ? star : U'*');
    }
    DWORD start = 0, end = 0;
    SendMessageW(c.window, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    int caret = static_cast<int>(std::min<std::size_t>(end, text.size()));
    int scroll = std::max(0, caret - r.width() + 1);
    CellStyle style = c.enabled ? CellStyle::kField : CellStyle::kDisabled;
    canvas_.Text(r.left, r.top,
                 std::u32string_view(text).substr(static_cast<std::size_t>(
                     std::min<int>(scroll, static_cast<int>(text.size())))),
                 style, r.width());
    if (focused && start != end) {
      int from = std::max(0, static_cast<int>(std::min(start, end)) - scroll);
      int to = std::min(r.width(), static_cast<int>(std::max(start, end)) - scroll);
      canvas_.Restyle(CellRect{r.left + from, r.top, r.left + std::max(from, to), r.top + 1},
                      CellStyle::kFocus);
    }
    if (focused) Cursor(r.left + caret - scroll, r.top, true);
  }

  void PaintMultiLineEdit(const ControlView& c, bool focused) {
    CellRect r = c.cells;
    bool boxed = c.bordered && r.height() >= 3 && r.width() >= 3;
    if (boxed) {
      canvas_.Box(r, CellStyle::kFace);
      r = CellRect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
    canvas_.Fill(r, CellStyle::kField);
    std::vector<std::u32string> lines = WrapText(c.text, r.width());
    for (int i = 0; i < r.height() && i < static_cast<int>(lines.size()); ++i) {
      canvas_.Text(r.left, r.top + i, lines[static_cast<std::size_t>(i)], CellStyle::kField,
                   r.width());
    }
    if (focused) {
      int last = std::clamp(static_cast<int>(lines.size()) - 1, 0, r.height() - 1);
      int column =
          lines.empty() ? 0 : static_cast<int>(lines[static_cast<std::size_t>(last)].size());
      Cursor(r.left + std::min(column, r.width() - 1), r.top + last, true);
    }
  }

  void PaintCombo(const ControlView& c, bool focused) {
    CellRect r = Inside(c, CellStyle::kField);
    bool droplist = (c.style & 3) == CBS_DROPDOWNLIST;
    int room = std::max(0, r.width() - 2);
    CellStyle style = !c.enabled            ? CellStyle::kDisabled
                      : focused && droplist ? CellStyle::kFocus
                                            : CellStyle::kField;
    canvas_.Text(r.left, r.top, c.text, style, room);
    canvas_.Put(r.right - 1, r.top, g_.down_arrow, CellStyle::kField);
    if (focused)
      Cursor(r.left + std::min<int>(room, static_cast<int>(c.text.size())), r.top, !droplist);
  }

  void PaintDatePicker(const ControlView& c, bool focused) {
    CellRect r = Inside(c, c.enabled ? CellStyle::kField : CellStyle::kFace);
    bool updown = (c.style & DTS_UPDOWN) != 0;
    int room = std::max(0, r.width() - 2);
    CellStyle style = c.enabled ? CellStyle::kField : CellStyle::kDisabled;
    canvas_.Text(r.left, r.top, c.text, style, room);
    canvas_.Put(r.right - 1, r.top, updown ? U'+' : g_.down_arrow, CellStyle::kField);
    bool dropped = SendMessageW(c.window, DTM_GETMONTHCAL, 0, 0) != 0;
    if (focused && !dropped) {
      TextSpan span = HighlightedDateField(c.window, c.text);
      if (span.end > span.begin) {
        int end = std::min(span.end, room);
        canvas_.Restyle(
            CellRect{r.left + span.begin, r.top, r.left + std::max(span.begin, end), r.top + 1},
            CellStyle::kFocus);
      }
      Cursor(r.left + span.begin, r.top, false);
    }
  }

  void PaintList(const ControlView& c, bool focused) {
    CellRect r = c.cells;
    if (c.bordered && r.height() >= 3 && r.width() >= 4) {
      canvas_.Box(r, CellStyle::kFace);
      r = CellRect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
    canvas_.Fill(r, CellStyle::kField);
    LRESULT count = SendMessageW(c.window, LB_GETCOUNT, 0, 0);
    LRESULT top = std::max<LRESULT>(0, SendMessageW(c.window, LB_GETTOPINDEX, 0, 0));
    LRESULT current = SendMessageW(c.window, LB_GETCURSEL, 0, 0);
    if (current >= 0 && (current < top || current >= top + r.height())) {
      top = std::max<LRESULT>(0, current - r.height() + 1);
    }
    for (int i = 0; i < r.height() && top + i < count; ++i) {
      int index = static_cast<int>(top) + i;
      bool selected =
          SendMessageW(c.window, LB_GETSEL, static_cast<WPARAM>(index), 0) > 0 || index == current;
      CellStyle style = !selected ? CellStyle::kField
                        : focused ? CellStyle::kFocus
                                  : CellStyle::kSelected;
      CellRect row{r.left, r.top + i, r.right, r.top + i + 1};
      canvas_.Fill(row, style);
      canvas_.Text(r.left + 1, r.top + i, ListItem(c.window, LB_GETTEXTLEN, LB_GETTEXT, index),
                   style, std::max(0, r.width() - 1));
      if (selected) {
        canvas_.Put(r.left, r.top + i, g_.ascii ? U'>' : U'►', style);
        if (focused) Cursor(r.left, r.top + i, false);
      }
    }
  }

  void Cursor(int column, int row, bool shown) { cursor_ = PaintedCursor{shown, column, row}; }

  CellCanvas& canvas_;
  const ScreenLayout& layout_;
  HWND focus_;
  const CellGlyphs& g_;
  PaintedCursor cursor_;
};

}  // namespace

PaintedCursor PaintWindows(CellCanvas& canvas, const ScreenLayout& layout, HWND focus) {
  return Painter(canvas, layout, focus).Paint();
}

TextSpan HighlightedDateField(HWND picker, std::u32string_view text) {
  TextSpan span;
  const int text_length = static_cast<int>(text.size());
  if (text_length <= 0) return span;
  RECT client{};
  if (!GetClientRect(picker, &client) || client.right <= 0 || client.bottom <= 0) return span;
  // The drop-down button on the right is not text.
  LONG text_right = client.right - GetSystemMetrics(SM_CXVSCROLL);
  if (text_right <= 0) return span;
  HDC dc = GetDC(picker);
  if (dc == nullptr) return span;
  COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  COLORREF background = GetSysColor(COLOR_WINDOW);
  LONG ink_left = -1, ink_right = -1, lit_left = -1, lit_right = -1;
  for (LONG y = 0; y < client.bottom; ++y) {
    for (LONG x = 0; x < text_right; ++x) {
      COLORREF pixel = GetPixel(dc, x, y);
      if (pixel == CLR_INVALID || pixel == background) continue;
      if (ink_left < 0 || x < ink_left) ink_left = x;
      ink_right = std::max(ink_right, x);
      if (pixel == highlight) {
        if (lit_left < 0 || x < lit_left) lit_left = x;
        lit_right = std::max(lit_right, x);
      }
    }
  }
  ReleaseDC(picker, dc);
  if (lit_left < 0 || ink_right <= ink_left) return span;
  // The highlight's middle, as a character of the text; the field is the run of letters or
  // digits around it.
  double middle = (lit_left + lit_right) / 2.0;
  int at = static_cast<int>((middle - ink_left) / (ink_right - ink_left + 1) * text_length);
  auto in_field = [&](int i) {
    char32_t c = text[static_cast<std::size_t>(i)];
    return (c >= U'0' && c <= U'9') || c > 0x7F || (c >= U'A' && c <= U'Z') ||
           (c >= U'a' && c <= U'z');
  };
  span.begin = std::clamp(at, 0, text_length - 1);
  if (!in_field(span.begin)) return TextSpan{};
  span.end = span.begin + 1;
  while (span.begin > 0 && in_field(span.begin - 1)) --span.begin;
  while (span.end < text_length && in_field(span.end)) ++span.end;
  return span;
}

}  // namespace platform
