// The string functions of the program's own logic, evaluated on the caller's work stack.
//
// Positions are 1-based and one byte is one character; comparisons are exact bytes. Each
// function consumes its string operands and leaves its string result in a slot: a new
// owned string allocated exactly once, or the operand itself (owned or borrowed as it
// was, no copy) when the result is the whole of it. Out-of-range positions and counts are
// not errors: they give the empty text or the whole text. The only error is 7, when the
// result cannot be allocated; the slot is then left empty.
#pragma once

#include <cstdint>

#include "runtime/text/work_stack.h"

namespace runtime {

// Slot 0 := up to `count` bytes of it from position `start`. A negative count counts
// from the length (L + count) and, still negative, takes the rest; a negative start
// counts from the end (-1 is the last byte); start 0 gives the empty text.
void Substring(StringWorkStack& stack, std::int32_t start, std::int32_t count);

// Slot 0 := its last n bytes (n < 0 means L + n); n >= L leaves it as it is.
void RightPart(StringWorkStack& stack, std::int32_t n);

// Position of pattern (slot 0) in s (slot 1), 0 when absent; pops both. start > 0
// searches forward from that position; start < 0 searches backward for the last
// occurrence wholly inside positions 1 .. L + start + 1 (-1 = the whole text).
std::int32_t FindText(StringWorkStack& stack, std::int32_t start);

// Slot 1 := s without every non-overlapping occurrence of pattern (slot 0); pops the
// pattern. Without an occurrence s stays as it is.
void RemoveAll(StringWorkStack& stack);

// Non-overlapping occurrences of pattern (slot 0) in s (slot 1), scanning left to right;
// an empty pattern occurs 0 times. Pops both.
std::int32_t CountOccurrences(StringWorkStack& stack);

// Byte length of slot 0 (0 for the empty text); pops it.
std::int32_t StringLength(StringWorkStack& stack);

}  // namespace runtime
