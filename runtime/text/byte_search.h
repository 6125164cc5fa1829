// Exact, case-sensitive byte searches behind the string functions.
//
// Plain byte-by-byte semantics (an occurrence must lie wholly inside the text), found
// quickly: memchr finds each candidate first byte and memcmp checks the rest, and the
// one-byte patterns that dominate real use (a space, a backslash) are counted and removed
// eight bytes at a time.
#pragma once

#include <cstddef>
#include <string_view>

namespace runtime {

inline constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

// Offset of the first occurrence of a non-empty pattern starting at or after `from`.
std::size_t FindFirst(std::string_view text, std::string_view pattern, std::size_t from = 0);
// Offset of the last occurrence of a non-empty pattern lying wholly inside `text`.
std::size_t FindLast(std::string_view text, std::string_view pattern);
// Non-overlapping occurrences, scanning left to right; 0 for an empty pattern.
std::size_t CountNonOverlapping(std::string_view text, std::string_view pattern);
// Copies text without its `occurrences` non-overlapping occurrences of a non-empty
// pattern into out, which holds exactly text.size() - occurrences * pattern.size() bytes.
void CopyWithout(std::string_view text, std::string_view pattern, std::size_t occurrences,
                 char* out);
// Copies a short text (at most kCompactLimit bytes) without every occurrence of one byte
// into out, which has room for text.size() + 8 bytes, and says how many bytes it kept:
// counting and copying in one pass, for texts whose result can then be allocated at its
// exact size and copied once more.
inline constexpr std::size_t kCompactLimit = 64;
std::size_t CompactWithoutByte(std::string_view text, char byte, char* out);

}  // namespace runtime
