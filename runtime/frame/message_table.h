// The fixed table of run-time error messages.
//
// It is kept in its stored form: per entry one byte code, one byte text length and the
// text bytes (no terminator), the table ending with an entry of length 0. The form is
// built at compile time from the readable list in message_table.cpp, so the two cannot
// drift apart.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "runtime/text/dyn_string.h"

namespace runtime {

class ErrorState;

// The stored bytes, final length-0 entry included.
std::span<const std::uint8_t> StoredMessageTable();

// The text of the first entry with that code, in stored order; empty when there is none.
// A code above 255 is looked up as 0.
std::string_view FindErrorMessage(unsigned code);

// The same text as a new counted string (error 7 in `errors` if it cannot be allocated).
DynString ErrorMessageText(ErrorState& errors, unsigned code);

}  // namespace runtime
