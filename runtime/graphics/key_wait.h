// Waiting for a keystroke on the current graphic target.
//
// Keys come from the graphic input procedure's `last_key`: a character key as its
// UTF-16 code, a special key (function, arrow, page keys...) as its scan code in bits
// 16-23. wait_for_key gives a character key as a one-unit string and a special key as
// two units, 0 and the scan code.
//
// The allowed-key list is UTF-16 text read entry by entry:
//   u"yn"                one-unit entries: the character keys 'y' and 'n';
//   {0, 0x3B}            a two-unit entry (first unit 0): the special key of scan code
//                        0x3B (F1);
//   {0xFF, u'0', u'9', 0} a four-unit entry (first unit 0xFF): every character key from
//                        the second unit to the third, inclusive; the fourth is reserved
//                        (0).
// An empty list accepts every key. A key that is not accepted sounds MessageBeep(0) and
// the wait goes on.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace runtime {

// Waits for an accepted key. timeout_ms: 0 waits for ever; longer waits are capped at
// 3590000 ms (just under an hour). Returns the key, or an empty string when the time
// runs out, the thread has no drawing target, or the target goes away while waiting.
// Batched drawing that is still pending is painted while waiting; messages are pumped.
std::u16string wait_for_key(std::int32_t timeout_ms, std::u16string_view allowed = {});

// The key text of a `last_key` value ("" for 0).
std::u16string key_text(std::int32_t last_key);

// Whether the list accepts the key text (see above).
bool key_allowed(std::u16string_view key, std::u16string_view allowed);

}  // namespace runtime
