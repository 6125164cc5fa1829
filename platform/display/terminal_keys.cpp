#include "platform/display/terminal_keys.h"

#include <charconv>

namespace platform {
namespace {

constexpr char kEsc = '\x1b';
// A sequence longer than this is not one a terminal sends: dropped rather than waited on.
constexpr std::size_t kLongestSequence = 32;

DecodedKey Key(KeyName name, std::size_t used, char32_t character = 0) {
  return {DecodeStatus::kKey, BoxKey{name, character}, {}, used};
}
DecodedKey Ignored(std::size_t used) {
  return {DecodeStatus::kIgnored, {}, {}, used};
}
DecodedKey NeedMore() {
  return {DecodeStatus::kNeedMore, {}, {}, 0};
}

// The numbers of "a;b;c", at most `count`; false when one is missing or not a number.
bool ReadNumbers(std::string_view text, int* out, int count) {
  for (int i = 0; i < count; ++i) {
    std::size_t end = text.find(';');
    std::string_view piece = text.substr(0, end);
    if (piece.empty() || piece.size() > 6) return false;
    auto [at, error] = std::from_chars(piece.data(), piece.data() + piece.size(), out[i]);
    if (error != std::errc() || at != piece.data() + piece.size()) return false;
    if (end == std::string_view::npos) return i == count - 1;
    text.remove_prefix(end + 1);
  }
  return false;
}

DecodedKey DecodeMouse(std::string_view parameters, char final, std::size_t used) {
  int numbers[3];
  if (!ReadNumbers(parameters.substr(1), numbers, 3)) return Ignored(used);
  DecodedKey decoded{DecodeStatus::kMouse, {}, {}, used};
  decoded.mouse = TerminalMouse{numbers[0], final == 'M', numbers[1], numbers[2]};
  return decoded;
}

// "CSI n ~" keys, with an optional modifier after a semicolon (3 = Alt).
DecodedKey DecodeTildeKey(std::string_view parameters, std::size_t used) {
  std::size_t semicolon = parameters.find(';');
  std::string_view number = parameters.substr(0, semicolon);
  std::string_view modifier =
      semicolon == std::string_view::npos ? std::string_view() : parameters.substr(semicolon + 1);
  if (number == "1" || number == "7") return Key(KeyName::kHome, used);
  if (number == "4" || number == "8") return Key(KeyName::kEnd, used);
  if (number == "5") return Key(KeyName::kPageUp, used);
  if (number == "6") return Key(KeyName::kPageDown, used);
  if (number == "3") return Key(KeyName::kDelete, used);
  if (number == "14") return Key(modifier == "3" ? KeyName::kAltF4 : KeyName::kF4, used);
  return Ignored(used);
}

// ESC [ parameters final, or ESC O final (the application cursor keys).
DecodedKey DecodeEscapeSequence(std::string_view bytes, bool more_may_follow) {
  // The Linux console's function keys: ESC [ [ A .. E (F4 is D).
  if (bytes[1] == '[' && bytes.size() >= 3 && bytes[2] == '[') {
    if (bytes.size() < 4) return more_may_follow ? NeedMore() : Ignored(bytes.size());
    return bytes[3] == 'D' ? Key(KeyName::kF4, 4) : Ignored(4);
  }
  std::size_t at = 2;
  while (at < bytes.size()) {
    auto c = static_cast<unsigned char>(bytes[at]);
    if (c >= 0x40 && c <= 0x7E) break;
    if (c < 0x20 || c > 0x7E) return Ignored(at);  // not a sequence after all
    ++at;
  }
  if (at >= bytes.size()) {
    if (at >= kLongestSequence) return Ignored(at);
    return more_may_follow ? NeedMore() : Ignored(bytes.size());
  }
  std::string_view parameters = bytes.substr(2, at - 2);
  bool alt = parameters == "1;3";
  std::size_t used = at + 1;
  char final = bytes[at];
  if (!parameters.empty() && parameters[0] == '<') {
    if (final == 'M' || final == 'm') return DecodeMouse(parameters, final, used);
    return Ignored(used);
  }
  switch (final) {
    case 'A':
      return Key(KeyName::kUp, used);
    case 'B':
      return Key(alt ? KeyName::kAltDown : KeyName::kDown, used);
    case 'C':
      return Key(KeyName::kRight, used);
    case 'D':
      return Key(KeyName::kLeft, used);
    case 'H':
      return Key(KeyName::kHome, used);
    case 'F':
      return Key(KeyName::kEnd, used);
    case 'Z':
      return Key(KeyName::kShiftTab, used);
    case 'S':
      // F4 is ESC O S, or ESC [ 1 ; m S with a modifier; m = 3 is Alt.
      if (alt) return Key(KeyName::kAltF4, used);
      return parameters.empty() || parameters == "1" ? Key(KeyName::kF4, used) : Ignored(used);
    case '~':
      return DecodeTildeKey(parameters, used);
    default:
      return Ignored(used);
  }
}

std::size_t Utf8SequenceLength(unsigned char lead) {
  if (lead >= 0xF8) return 0;
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 0;  // a continuation byte cannot start a character
}

DecodedKey DecodeUtf8(std::string_view bytes, bool more_may_follow) {
  auto lead = static_cast<unsigned char>(bytes[0]);
  std::size_t length = Utf8SequenceLength(lead);
  if (length == 0) return Ignored(1);
  char32_t value = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if (i >= bytes.size()) return more_may_follow ? NeedMore() : Ignored(bytes.size());
    auto c = static_cast<unsigned char>(bytes[i]);
    if ((c & 0xC0) != 0x80) return Ignored(i);
    value = (value << 6) | (c & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  bool valid = value >= kSmallest[length] && value <= 0x10FFFF &&
               !(value >= 0xD800 && value <= 0xDFFF) && !(value >= 0x80 && value < 0xA0);
  return valid ? Key(KeyName::kCharacter, length, value) : Ignored(length);
}

}  // namespace

DecodedKey DecodeTerminalKey(std::string_view bytes, bool more_may_follow) {
  if (bytes.empty()) return NeedMore();
  auto first = static_cast<unsigned char>(bytes[0]);
  if (first == kEsc) {
    if (bytes.size() == 1) return more_may_follow ? NeedMore() : Key(KeyName::kEscape, 1);
    if (bytes[1] == '[' || bytes[1] == 'O') {
      if (bytes.size() == 2) return more_may_follow ? NeedMore() : Ignored(2);
      return DecodeEscapeSequence(bytes, more_may_follow);
    }
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
    case 0x08:
    case 0x7F:
      return Key(KeyName::kBackspace, 1);
    default:
      break;
  }
  if (first < 0x20) return Ignored(1);
  if (first < 0x80) return Key(KeyName::kCharacter, 1, first);
  return DecodeUtf8(bytes, more_may_follow);
}

}  // namespace platform
