#include "runtime/text/byte_search.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace runtime {

namespace {

constexpr std::uint64_t kEveryByte = 0x0101010101010101u;
constexpr std::uint64_t kLowSevenBits = 0x7F7F7F7F7F7F7F7Fu;
constexpr std::uint64_t kLowByteOfEachPair = 0x00FF00FF00FF00FFu;
constexpr std::uint64_t kEveryPair = 0x0001000100010001u;

// The first byte in memory is the lowest of a loaded word.
static_assert(std::endian::native == std::endian::little);

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

void StoreWord(char* bytes, std::uint64_t word) {
  std::memcpy(bytes, &word, sizeof word);
}

// Matches are summed per byte lane (each lane gains at most 1 per word) and the lanes are
// added up before any of them could reach 256.
std::size_t CountByte(std::string_view text, char byte) {
  const char* p = text.data();
  const std::size_t size = text.size();
  const std::uint64_t repeated = Repeated(byte);
  std::size_t count = 0;
  std::size_t i = 0;
  while (i + 8 <= size) {
    std::uint64_t lanes = 0;
    for (int words = 0; words < 255 && i + 8 <= size; ++words, i += 8) {
      lanes += MatchingBytes(LoadWord(p + i), repeated) >> 7;
    }
    const std::uint64_t pairs = (lanes & kLowByteOfEachPair) + (lanes >> 8 & kLowByteOfEachPair);
    count += static_cast<std::size_t>((pairs * kEveryPair) >> 48);
  }
  for (; i < size; ++i) count += p[i] == byte;
  return count;
}

// Removal of one byte value from one stretch of text into its own stretch of output.
// Each step stores a whole word and keeps the bytes before its first match, then steps
// over that match; a word without one is kept whole. No branch depends on the text, so
// prose with a blank every few letters runs as fast as text without any. The stores may
// reach seven bytes past what is kept, so they only run with a word of room ahead.
class ByteRemover {
 public:
  ByteRemover(std::string_view text, char byte, char* out, std::size_t out_size)
      : in_(text.data()),
        in_end_(text.data() + text.size()),
        out_(out),
        out_end_(out + out_size),
        byte_(byte),
        repeated_(Repeated(byte)) {}

  bool CanStep() const { return in_end_ - in_ >= 8 && out_end_ - out_ >= 8; }
  void Step() {
    const std::uint64_t word = LoadWord(in_);
    const std::uint64_t matches = MatchingBytes(word, repeated_);
    StoreWord(out_, word);
    const int before_match = std::countr_zero(matches) / 8;  // 8 when there is no match
    out_ += before_match;
    in_ += before_match + (matches != 0);
  }
  void Finish() {
    while (CanStep()) Step();
    for (; in_ < in_end_; ++in_) {
      if (*in_ != byte_) *out_++ = *in_;
    }
  }

 private:
  const char* in_;
  const char* in_end_;
  char* out_;
  char* out_end_;
  char byte_;
  std::uint64_t repeated_;
};

// A step waits on the previous one (where it starts depends on the match it found), so
// longer texts run as two halves side by side, each into its own part of the output.
void CopyWithoutByte(std::string_view text, char byte, std::size_t out_size, char* out) {
  if (text.size() < 64) {
    ByteRemover(text, byte, out, out_size).Finish();
    return;
  }
  const std::string_view first = text.substr(0, text.size() / 2);
  const std::string_view second = text.substr(first.size());
  const std::size_t first_kept = first.size() - CountByte(first, byte);
  ByteRemover front(first, byte, out, first_kept);
  ByteRemover back(second, byte, out + first_kept, out_size - first_kept);
  while (front.CanStep() && back.CanStep()) {
    front.Step();
    back.Step();
  }
  front.Finish();
  back.Finish();
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
