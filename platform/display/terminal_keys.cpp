#include "platform/display/terminal_keys.h"

namespace platform {
namespace {

constexpr char kEsc = '\x1b';

DecodedKey Key(KeyName name, std::size_t used, char32_t character = 0) {
  return {DecodeStatus::kKey, BoxKey{name, character}, used};
}
DecodedKey Ignored(std::size_t used) {
  return {DecodeStatus::kIgnored, {}, used};
}
DecodedKey NeedMore() {
  return {DecodeStatus::kNeedMore, {}, 0};
}

// ESC [ parameters final, or ESC O final (the application cursor keys).
DecodedKey DecodeEscapeSequence(std::string_view bytes, bool more_may_follow) {
  std::size_t at = 2;
  while (at < bytes.size()) {
    auto c = static_cast<unsigned char>(bytes[at]);
    if (c >= 0x40 && c <= 0x7E) break;
    ++at;
  }
  if (at >= bytes.size()) return more_may_follow ? NeedMore() : Ignored(bytes.size());
  std::string_view parameters = bytes.substr(2, at - 2);
  std::size_t used = at + 1;
  switch (bytes[at]) {
    case 'A':
      return Key(KeyName::kUp, used);
    case 'B':
      return Key(KeyName::kDown, used);
    case 'C':
      return Key(KeyName::kRight, used);
    case 'D':
      return Key(KeyName::kLeft, used);
    case 'Z':
      return Key(KeyName::kLeft, used);  // Shift+Tab: back one button
    case 'S':
      // F4 is ESC O S, or ESC [ 1 ; m S with a modifier; m = 3 is Alt.
      if (parameters == "1;3") return Key(KeyName::kAltF4, used);
      return Ignored(used);
    default:
      return Ignored(used);
  }
}

std::size_t Utf8SequenceLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

}  // namespace

DecodedKey DecodeTerminalKey(std::string_view bytes, bool more_may_follow) {
  if (bytes.empty()) return NeedMore();
  auto first = static_cast<unsigned char>(bytes[0]);
  if (first == kEsc) {
    if (bytes.size() == 1) return more_may_follow ? NeedMore() : Key(KeyName::kEscape, 1);
    if (bytes[1] == '[' || bytes[1] == 'O') return DecodeEscapeSequence(bytes, more_may_follow);
    return Key(KeyName::kEscape, 1);  // ESC then an ordinary key: each on its own
  }
  switch (first) {
    case '\t':
      return Key(KeyName::kTab, 1);
    case '\r':
    case '\n':
      return Key(KeyName::kEnter, 1);
    case ' ':
      return Key(KeyName::kSpace, 1);
    default:
      break;
  }
  if (first < 0x20 || first == 0x7F) return Ignored(1);
  if (first < 0x80) return Key(KeyName::kCharacter, 1, first);
  // Other characters are no button's mnemonic: skipped whole.
  std::size_t length = Utf8SequenceLength(first);
  if (bytes.size() < length) return more_may_follow ? NeedMore() : Ignored(bytes.size());
  return Ignored(length);
}

}  // namespace platform
