#include "runtime/dialogs/dialog_template.h"

#include <cmath>

#include "runtime/dialogs/dialog_state.h"
#include "runtime/dialogs/font_table.h"

namespace runtime {
namespace {

class TemplateWriter {
 public:
  explicit TemplateWriter(BYTE* buffer) : at_(buffer), start_(buffer) {}
  void Word(std::uint32_t v) {
    at_[0] = static_cast<BYTE>(v);
    at_[1] = static_cast<BYTE>(v >> 8);
    at_ += 2;
  }
  void Dword(std::uint32_t v) {
    Word(v & 0xFFFF);
    Word(v >> 16);
  }
  void Byte(std::uint32_t v) { *at_++ = static_cast<BYTE>(v); }
  std::size_t size() const { return static_cast<std::size_t>(at_ - start_); }

 private:
  BYTE* at_;
  BYTE* start_;
};

// The point size as a 16-bit field: nearest integer, ties to even.
std::uint32_t PointSize(float size) {
  double v = size;
  double r = std::floor(v + 0.5);
  if (r - v == 0.5 && std::fmod(r, 2.0) != 0.0) r -= 1.0;
  return static_cast<std::uint32_t>(static_cast<std::int32_t>(r));
}

// The dialog font follows its record's weight: 400 or 700 (a zero weight means normal).
std::uint32_t Weight(LONG weight) { return weight == 0 ? 400 : static_cast<std::uint32_t>(weight); }

}  // namespace

DWORD adjust_dialog_style(DWORD style, std::int32_t x, std::int32_t y, HWND parent) {
  using namespace dialog_style;
  if (style == 0) style = kDefault;
  style |= kAlwaysOn;
  style &= ~kAlwaysOff;
  if (x == CENTRE_DEFAULT || y == CENTRE_DEFAULT) style |= kCenter;
  if ((style & kChild) != 0) {
    style &= ~(kPopup | kAbsAlign);
    if (parent == nullptr) style ^= kPopup | kChild;
  }
  return style;
}

std::int32_t show_command_for_style(DWORD style) {
  if ((style & dialog_style::kMaximize) != 0) return 3;  // SW_MAXIMIZE
  if ((style & dialog_style::kMinimize) != 0) return 6;  // SW_MINIMIZE
  return SW_SHOW;
}

std::size_t write_dialog_template(BYTE* buffer, DWORD style, DWORD ex_style, std::int32_t x,
                                  std::int32_t y, std::int32_t width, std::int32_t height,
                                  const FontRecord& font) {
  TemplateWriter t(buffer);
  t.Word(1);       // dlgVer
  t.Word(0xFFFF);  // signature: the extended form
  t.Dword(0);      // helpID
  t.Dword(ex_style);
  t.Dword(style);
  t.Word(0);  // cDlgItems: controls are added as windows afterwards
  t.Word(static_cast<std::uint32_t>(x) & 0xFFFF);
  t.Word(static_cast<std::uint32_t>(y) & 0xFFFF);
  t.Word(static_cast<std::uint32_t>(width) & 0xFFFF);
  t.Word(static_cast<std::uint32_t>(height) & 0xFFFF);
  t.Word(0);  // no menu
  t.Word(0);  // the standard dialog class
  t.Word(0x20);  // title " "
  t.Word(0);
  t.Word(PointSize(font.size) & 0xFFFF);
  t.Word(Weight(font.font.lfWeight));
  t.Byte(font.font.lfItalic != 0 ? 1 : 0);
  t.Byte(font.font.lfCharSet);
  for (int i = 0; i < kFaceCharacters && font.font.lfFaceName[i] != 0; ++i) {
    t.Word(font.font.lfFaceName[i]);
  }
  t.Word(0);
  return t.size();
}

}  // namespace runtime
