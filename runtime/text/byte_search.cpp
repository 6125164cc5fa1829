#include "runtime/text/byte_search.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace runtime {

namespace {

constexpr std::uint64_t kEveryByte = 0x0101010101010101u;
constexpr std::uint64_t kLowSevenBits = 0x7F7F7F7F7F7F7F7Fu;

std::uint64_t LoadWord(const char* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

// 0x80 in every byte of `word` equal to the byte repeated in `repeated`, 0 elsewhere.
// The sum cannot carry from one byte into the next, so there are no false hits.
std::uint64_t MatchingBytes(std::uint64_t word, std::uint64_t repeated) {
  std::uint64_t x = word ^ repeated;
  return ~(((x & kLowSevenBits) + kLowSevenBits) | x | kLowSevenBits);
}

std::uint64_t Repeated(char byte) {
  return kEveryByte * static_cast<unsigned char>(byte);
}

std::size_t CountByte(std::string_view text, char byte) {
  const char* p = text.data();
  const std::size_t size = text.size();
  const std::uint64_t repeated = Repeated(byte);
  std::size_t count = 0;
  std::size_t i = 0;
  for (; i + 8 <= size; i += 8) count += std::popcount(MatchingBytes(LoadWord(p + i), repeated));
  for (; i < size; ++i) count += p[i] == byte;
  return count;
}

// Words without the byte are copied whole; words with it go through a branch-free loop,
// which keeps text with many blanks (prose, padded numbers) from mispredicting. That loop
// may store one byte past what it keeps, so it only runs with eight bytes of room ahead.
void CopyWithoutByte(std::string_view text, char byte, std::size_t out_size, char* out) {
  const char* p = text.data();
  const std::size_t size = text.size();
  const std::uint64_t repeated = Repeated(byte);
  std::size_t i = 0;
  std::size_t kept = 0;
  for (; i + 8 <= size && kept + 8 <= out_size; i += 8) {
    if (MatchingBytes(LoadWord(p + i), repeated) == 0) {
      std::memcpy(out + kept, p + i, 8);
      kept += 8;
      continue;
    }
    for (std::size_t k = 0; k < 8; ++k) {
      char c = p[i + k];
      out[kept] = c;
      kept += c != byte;
    }
  }
  for (; i < size; ++i) {
    if (p[i] != byte) out[kept++] = p[i];
  }
}

}  // namespace

std::size_t FindFirst(std::string_view text, std::string_view pattern, std::size_t from) {
  if (pattern.empty() || from > text.size() || pattern.size() > text.size() - from) {
    return kNotFound;
  }
  const char* begin = text.data();
  const char* last_start = begin + (text.size() - pattern.size());
  const char first = pattern.front();
  const std::size_t rest = pattern.size() - 1;
  for (const char* p = begin + from; p <= last_start; ++p) {
    p = static_cast<const char*>(std::memchr(p, first, last_start - p + 1));
    if (p == nullptr) return kNotFound;
    if (rest == 0 || std::memcmp(p + 1, pattern.data() + 1, rest) == 0) return p - begin;
  }
  return kNotFound;
}

std::size_t FindLast(std::string_view text, std::string_view pattern) {
  if (pattern.empty() || pattern.size() > text.size()) return kNotFound;
  const char first = pattern.front();
  const std::size_t rest = pattern.size() - 1;
  for (std::size_t i = text.size() - pattern.size() + 1; i-- > 0;) {
    if (text[i] == first &&
        (rest == 0 || std::memcmp(text.data() + i + 1, pattern.data() + 1, rest) == 0)) {
      return i;
    }
  }
  return kNotFound;
}

std::size_t CountNonOverlapping(std::string_view text, std::string_view pattern) {
  if (pattern.empty() || pattern.size() > text.size()) return 0;
  if (pattern.size() == 1) return CountByte(text, pattern.front());
  std::size_t count = 0;
  for (std::size_t at = FindFirst(text, pattern); at != kNotFound;
       at = FindFirst(text, pattern, at + pattern.size())) {
    ++count;
  }
  return count;
}

void CopyWithout(std::string_view text, std::string_view pattern, std::size_t occurrences,
                 char* out) {
  const std::size_t out_size = text.size() - occurrences * pattern.size();
  if (pattern.size() == 1) {
    CopyWithoutByte(text, pattern.front(), out_size, out);
    return;
  }
  std::size_t from = 0;
  for (std::size_t left = occurrences; left > 0; --left) {
    std::size_t at = FindFirst(text, pattern, from);
    std::memcpy(out, text.data() + from, at - from);
    out += at - from;
    from = at + pattern.size();
  }
  std::memcpy(out, text.data() + from, text.size() - from);
}

}  // namespace runtime
