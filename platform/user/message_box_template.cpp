#include "platform/user/message_box_template.h"

#include <algorithm>

#include "platform/gdi/dialog_base_units.h"
#include "platform/user/message_box_labels.h"

namespace platform::user {
namespace {

constexpr WORD kMessageFontPointSize = 0x7FFF;
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kStaticClass = 0x0082;
constexpr int kMargin = 7;
constexpr int kGap = 7;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
// The caption bar's text inset and close box, in pixels (caption_layout.cpp).
constexpr int kCaptionInsets = 2 + 2 + 4;
constexpr int kCloseBoxRoom = 16 + 2;

// Writes the template's words; items start on DWORD boundaries.
class TemplateWriter {
 public:
  void Word(WORD w) { words_.push_back(w); }
  void Dword(DWORD d) {
    Word(static_cast<WORD>(d & 0xFFFF));
    Word(static_cast<WORD>(d >> 16));
  }
  void Text(const std::u16string& s) {
    for (char16_t c : s) Word(c);
    Word(0);
  }
  void AlignDword() {
    if (words_.size() % 2 != 0) Word(0);
  }
  void Item(DWORD style, RECT r, int id, WORD class_ordinal, const std::u16string& title) {
    AlignDword();
    Dword(style | WS_CHILD | WS_VISIBLE);
    Dword(0);
    Word(static_cast<WORD>(r.left));
    Word(static_cast<WORD>(r.top));
    Word(static_cast<WORD>(r.right - r.left));
    Word(static_cast<WORD>(r.bottom - r.top));
    Word(static_cast<WORD>(id));
    Word(0xFFFF);
    Word(class_ordinal);
    Text(title);
    Word(0);  // no creation data
  }
  std::vector<DWORD> Finish() {
    AlignDword();
    std::vector<DWORD> out(words_.size() / 2);
    for (std::size_t i = 0; i < out.size(); ++i) {
      out[i] = static_cast<DWORD>(words_[2 * i]) | (static_cast<DWORD>(words_[2 * i + 1]) << 16);
    }
    return out;
  }

 private:
  std::vector<WORD> words_;
};

// Pixels to dialog units, rounded up so that what was measured fits.
LONG UnitsX(LONG pixels, SIZE base) { return (pixels * 4 + base.cx - 1) / base.cx; }
LONG UnitsY(LONG pixels, SIZE base) { return (pixels * 8 + base.cy - 1) / base.cy; }

struct Measures {
  SIZE base{0, 0};
  SIZE text{0, 0};  // pixels
  LONG caption = 0;  // pixels the caption bar needs
};

bool Measure(const MessageBoxContent& content, Measures* out) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return false;
  HFONT message_font = CreateFontIndirectW(&metrics.lfMessageFont);
  HFONT caption_font = CreateFontIndirectW(&metrics.lfCaptionFont);
  HDC dc = GetDC(nullptr);
  bool ok = message_font != nullptr && caption_font != nullptr && dc != nullptr;
  if (ok) {
    out->base = gdi::FontDialogBaseUnits(message_font);
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    HGDIOBJ old = SelectObject(dc, message_font);
    RECT text{0, 0, (area.right - area.left) * 5 / 8, 0};
    if (!content.text.empty()) {
      DrawTextW(dc, content.text.c_str(), static_cast<int>(content.text.size()), &text,
                DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    } else {
      text.right = 0;
    }
    out->text = SIZE{text.right - text.left, text.bottom - text.top};
    SelectObject(dc, caption_font);
    SIZE caption{0, 0};
    GetTextExtentPoint32W(dc, content.caption.c_str(), static_cast<int>(content.caption.size()),
                          &caption);
    out->caption = caption.cx + kCaptionInsets + kCloseBoxRoom;
    SelectObject(dc, old);
    ok = out->base.cx > 0 && out->base.cy > 0;
  }
  if (dc != nullptr) ReleaseDC(nullptr, dc);
  if (message_font != nullptr) DeleteObject(message_font);
  if (caption_font != nullptr) DeleteObject(caption_font);
  return ok;
}

}  // namespace

bool MessageBoxClosable(UINT style) {
  UINT type = style & MB_TYPEMASK;
  return type != MB_YESNO && type != MB_ABORTRETRYIGNORE;
}

HICON MessageBoxIcon(const MessageBoxContent& content) {
  switch (content.style & MB_ICONMASK) {
    case MB_USERICON:
      return content.user_icon;
    case MB_ICONHAND:
      return LoadIconW(nullptr, IDI_HAND);
    case MB_ICONQUESTION:
      return LoadIconW(nullptr, IDI_QUESTION);
    case MB_ICONEXCLAMATION:
      return LoadIconW(nullptr, IDI_EXCLAMATION);
    case MB_ICONASTERISK:
      return LoadIconW(nullptr, IDI_ASTERISK);
    default:
      return nullptr;
  }
}

std::vector<MessageBoxLabel> MessageBoxButtonsOf(const MessageBoxContent& content) {
  std::vector<MessageBoxLabel> labels = MessageBoxLabels(content.style, content.spanish);
  if (!labels.empty() && (content.style & MB_HELP)) {
    labels.push_back({IDHELP, content.spanish ? u"Ayuda" : u"Help"});
  }
  return labels;
}

std::vector<DWORD> BuildMessageBoxTemplate(const MessageBoxContent& content) {
  std::vector<MessageBoxLabel> labels = MessageBoxButtonsOf(content);
  Measures m;
  if (labels.empty() || !Measure(content, &m)) return {};
  bool has_icon = MessageBoxIcon(content) != nullptr;
  SIZE icon{has_icon ? UnitsX(GetSystemMetrics(SM_CXICON), m.base) : 0,
            has_icon ? UnitsY(GetSystemMetrics(SM_CYICON), m.base) : 0};
  SIZE text{UnitsX(m.text.cx, m.base), UnitsY(m.text.cy, m.base)};

  LONG text_left = has_icon ? kMargin + icon.cx + kGap : kMargin;
  LONG text_top = kMargin;
  if (has_icon && text.cy < icon.cy) text_top += (icon.cy - text.cy) / 2;
  LONG contents_bottom = std::max(text_top + text.cy, kMargin + icon.cy);
  auto count = static_cast<LONG>(labels.size());
  LONG row_width = count * kButtonWidth + (count - 1) * kGap;
  LONG width = std::max({text_left + text.cx + kMargin, row_width + 2 * kMargin,
                         UnitsX(m.caption, m.base)});
  LONG row_top = contents_bottom + kGap;
  LONG height = row_top + kButtonHeight + kMargin;

  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_3DLOOK;
  if (content.centred) style |= DS_CENTER;
  DWORD ex_style = (content.style & (MB_TOPMOST | MB_SYSTEMMODAL)) ? WS_EX_TOPMOST : 0;

  TemplateWriter w;
  w.Dword(style);
  w.Dword(ex_style);
  w.Word(static_cast<WORD>(count + 1 + (has_icon ? 1 : 0)));
  w.Word(0);
  w.Word(0);
  w.Word(static_cast<WORD>(width));
  w.Word(static_cast<WORD>(height));
  w.Word(0);  // no menu
  w.Word(0);  // the dialog class
  w.Text(content.caption);
  w.Word(kMessageFontPointSize);
  w.Text(u"MS Sans Serif");

  if (has_icon) {
    w.Item(SS_ICON, RECT{kMargin, kMargin, kMargin + icon.cx, kMargin + icon.cy},
           kMessageBoxIconId, kStaticClass, u"");
  }
  const DWORD align = (content.style & (MB_RIGHT | MB_RTLREADING)) ? SS_RIGHT : SS_LEFT;
  w.Item(align | SS_NOPREFIX | WS_GROUP,
         RECT{text_left, text_top, text_left + text.cx, text_top + text.cy}, kMessageBoxTextId,
         kStaticClass, content.text);
  int default_index = static_cast<int>((content.style & MB_DEFMASK) >> 8);
  if (default_index >= count) default_index = 0;
  LONG x = (width - row_width) / 2;
  for (LONG i = 0; i < count; ++i) {
    DWORD button_style = WS_TABSTOP | (i == 0 ? WS_GROUP : 0) |
                         (i == default_index ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    w.Item(button_style, RECT{x, row_top, x + kButtonWidth, row_top + kButtonHeight},
           labels[i].id, kButtonClass, labels[i].text);
    x += kButtonWidth + kGap;
  }
  return w.Finish();
}

}  // namespace platform::user
