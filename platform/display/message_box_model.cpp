#include "platform/display/message_box_model.h"

#include <cctype>

namespace platform {
namespace {

// Windows' button sets and texts. OK and Cancel get a mnemonic only where no other
// button of the set claims the letter.
constexpr MessageBoxButton kOk[] = {{IDOK, "OK", 'O'}};
constexpr MessageBoxButton kOkCancel[] = {{IDOK, "OK", 'O'}, {IDCANCEL, "Cancel", 'C'}};
constexpr MessageBoxButton kAbortRetryIgnore[] = {
    {IDABORT, "Abort", 'A'}, {IDRETRY, "Retry", 'R'}, {IDIGNORE, "Ignore", 'I'}};
constexpr MessageBoxButton kYesNoCancel[] = {
    {IDYES, "Yes", 'Y'}, {IDNO, "No", 'N'}, {IDCANCEL, "Cancel", 'C'}};
constexpr MessageBoxButton kYesNo[] = {{IDYES, "Yes", 'Y'}, {IDNO, "No", 'N'}};
constexpr MessageBoxButton kRetryCancel[] = {{IDRETRY, "Retry", 'R'}, {IDCANCEL, "Cancel", 'C'}};
constexpr MessageBoxButton kCancelTryContinue[] = {
    {IDCANCEL, "Cancel", 0}, {IDTRYAGAIN, "Try Again", 'T'}, {IDCONTINUE, "Continue", 'C'}};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::span<const MessageBoxButton> MessageBoxButtons(UINT style) {
  switch (style & MB_TYPEMASK) {
    case MB_OK:
      return kOk;
    case MB_OKCANCEL:
      return kOkCancel;
    case MB_ABORTRETRYIGNORE:
      return kAbortRetryIgnore;
    case MB_YESNOCANCEL:
      return kYesNoCancel;
    case MB_YESNO:
      return kYesNo;
    case MB_RETRYCANCEL:
      return kRetryCancel;
    case MB_CANCELTRYCONTINUE:
      return kCancelTryContinue;
    default:
      return {};
  }
}

MessageBoxModel::MessageBoxModel(UINT style)
    : buttons_(MessageBoxButtons(style)), lone_ok_((style & MB_TYPEMASK) == MB_OK) {
  int wanted = static_cast<int>((style & MB_DEFMASK) >> 8);
  focus_ = wanted < static_cast<int>(buttons_.size()) ? wanted : 0;
}

void MessageBoxModel::MoveFocus(int step) {
  int count = static_cast<int>(buttons_.size());
  if (count == 0) return;
  focus_ = (focus_ + step + count) % count;
}

int MessageBoxModel::OnKey(const BoxKey& key) {
  if (!valid()) return 0;
  switch (key.name) {
    case KeyName::kTab:
    case KeyName::kRight:
    case KeyName::kDown:
      MoveFocus(1);
      return 0;
    case KeyName::kLeft:
    case KeyName::kUp:
    case KeyName::kShiftTab:
      MoveFocus(-1);
      return 0;
    case KeyName::kEnter:
    case KeyName::kSpace:
      return buttons_[focus_].id;
    case KeyName::kEscape:
    case KeyName::kAltF4:
      return OnCloseRequest();
    case KeyName::kCharacter:
      if (key.character >= 0x80) return 0;
      for (const MessageBoxButton& button : buttons_) {
        int letter = std::toupper(static_cast<int>(key.character));
        if (button.mnemonic != 0 && button.mnemonic == letter) return button.id;
      }
      return 0;
    default:
      return 0;
  }
}

int MessageBoxModel::OnCloseRequest() const {
  if (FindButtonById(IDCANCEL) >= 0) return IDCANCEL;
  if (lone_ok_ && valid()) return IDOK;
  return 0;
}

int MessageBoxModel::FindButtonByText(std::string_view text) const {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    if (text == buttons_[i].text) return static_cast<int>(i);
  }
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    if (SameIgnoringCase(text, buttons_[i].text)) return static_cast<int>(i);
  }
  return -1;
}

int MessageBoxModel::FindButtonById(int id) const {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i].id == id) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace platform
