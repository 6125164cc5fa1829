// Keys as a terminal sends them: the bytes read in raw mode turned into the keys a box
// understands.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/display/message_box_model.h"

namespace platform {

enum class DecodeStatus {
  kKey,       // `key` was read from the first `used` bytes
  kIgnored,   // the first `used` bytes are a key a box does not use
  kNeedMore,  // the bytes so far begin a longer sequence
};

struct DecodedKey {
  DecodeStatus status = DecodeStatus::kNeedMore;
  BoxKey key;
  std::size_t used = 0;
};

// Decodes the first key of `bytes` (not empty). `more_may_follow` tells whether further
// bytes are still expected right away; without them a lone ESC is the Escape key and a
// cut-off sequence is dropped.
DecodedKey DecodeTerminalKey(std::string_view bytes, bool more_may_follow);

}  // namespace platform
