// Random bytes from a terminal, as the tty display reads them: decoded in pieces of any
// size, the way reads split them, with and without more to follow. Every step must use
// bytes it has (never more, at least one unless it waits for more), waiting must only
// happen while more may follow, and each key must become key strokes without fault.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/display/key_strokes.h"
#include "platform/display/terminal_keys.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte chooses how the rest arrives: in reads of 1 to 16 bytes.
  std::size_t piece = 1 + data[0] % 16;
  std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
  std::string pending;
  const platform::KeyboardLayout& layout = platform::KeyboardLayout::UnitedStates();
  for (std::size_t at = 0; at <= input.size(); at += piece) {
    std::string_view read = input.substr(std::min(at, input.size()), piece);
    pending.append(read);
    bool more = at + piece < input.size();
    while (!pending.empty()) {
      platform::DecodedKey decoded = platform::DecodeTerminalKey(pending, more);
      if (decoded.status == platform::DecodeStatus::kNeedMore) {
        if (!more) std::abort();  // nothing else will come: it must not wait
        break;
      }
      if (decoded.used == 0 || decoded.used > pending.size()) std::abort();
      if (decoded.status == platform::DecodeStatus::kKey) {
        for (const platform::InputEvent& event : platform::KeyStrokes(decoded.key, layout)) {
          if (event.kind != platform::InputKind::kKeyDown &&
              event.kind != platform::InputKind::kKeyUp) {
            std::abort();
          }
        }
      }
      pending.erase(0, decoded.used);
    }
    if (read.empty()) break;
  }
  return 0;
}
