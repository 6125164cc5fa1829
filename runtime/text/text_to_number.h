// TextToNumber: the number at the start of a text on the work stack.
#pragma once

#include <cstdint>

namespace runtime {

class StringWorkStack;

// Pops slot 0 and reads a number from it, beginning at the 1-based position `start`
// (below 1 is taken as 1; past the end gives 0). See ParseNumber for the forms read.
// Never raises an error: unreadable text is 0.
long double TextToNumber(StringWorkStack& strings, std::int32_t start = 1);

}  // namespace runtime
