#include "runtime/text/byte_search.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace runtime {

namespace {

constexpr std::uint64_t kEveryByte = 0x0101010101010101u;
constexpr std::uint64_t kLowSevenBits = 0x7F7F7F7F7F7F7F7Fu;

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

// Written so that the compiler turns the inner loop into vector compares: each of 16
// byte-wide lanes gains at most 1 per row, and the lanes are added up every 255 rows,
// before any of them could wrap.
std::size_t CountByte(std::string_view text, char byte) {
  constexpr std::size_t kLanes = 16;
  constexpr std::size_t kRowsBeforeWrap = 255;
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto wanted = static_cast<unsigned char>(byte);
  std::size_t left = text.size();
  std::size_t count = 0;
  while (left >= kLanes) {
    const std::size_t rows = std::min(left / kLanes, kRowsBeforeWrap);
    unsigned char lanes[kLanes] = {};
    for (std::size_t row = 0; row < rows; ++row, p += kLanes) {
      for (std::size_t k = 0; k < kLanes; ++k) lanes[k] += p[k] == wanted;
    }
    for (unsigned char lane : lanes) count += lane;
    left -= rows * kLanes;
  }
  for (; left > 0; --left) count += *p++ == wanted;
  return count;
}

// Removal of one byte value from one stretch of text into its own stretch of output.
// Each step stores a whole word and keeps the bytes before its first match, then steps
// over that match; a word without one is kept whole. No branch depends on the text, so
// prose with a blank every few letters runs as fast as text without any. The stores may
// reach seven bytes past what is kept, so they only run with a word of room ahead.
class ByteRemover {
 public:
  ByteRemover() = default;
  ByteRemover(std::string_view text, char byte, char* out, std::size_t out_size)
      : in_(text.data()),
        in_end_(text.data() + text.size()),
        out_(out),
        out_end_(out + out_size),
        byte_(byte),
        repeated_(Repeated(byte)) {}

  bool CanStep() const { return in_end_ - in_ >= 8 && out_end_ - out_ >= 8; }
  // Steps that can run without asking CanStep: each one moves both ends by at most 8.
  std::size_t SafeSteps() const {
    const std::size_t room = static_cast<std::size_t>(std::min(in_end_ - in_, out_end_ - out_));
    return room < 8 ? 0 : (room - 8) / 8 + 1;
  }
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
  const char* in_ = nullptr;
  const char* in_end_ = nullptr;
  char* out_ = nullptr;
  char* out_end_ = nullptr;
  char byte_ = 0;
  std::uint64_t repeated_ = 0;
};

// A step waits on the previous one (where it starts depends on the match it found), so
// longer texts run as four stretches side by side, each into its own part of the output;
// the parts' sizes come from counting the first three stretches.
void CopyWithoutByte(std::string_view text, char byte, std::size_t out_size, char* out) {
  constexpr std::size_t kStretches = 4;
  if (text.size() < 64 * kStretches) {
    ByteRemover(text, byte, out, out_size).Finish();
    return;
  }
  const std::size_t stretch = text.size() / kStretches;
  ByteRemover removers[kStretches];
  char* part = out;
  for (std::size_t i = 0; i < kStretches; ++i) {
    const std::string_view piece =
        i + 1 < kStretches ? text.substr(i * stretch, stretch) : text.substr(i * stretch);
    const std::size_t kept =
        i + 1 < kStretches ? piece.size() - CountByte(piece, byte) : out + out_size - part;
    removers[i] = ByteRemover(piece, byte, part, kept);
    part += kept;
  }
  for (;;) {
    std::size_t steps = removers[0].SafeSteps();
    for (const ByteRemover& remover : removers) steps = std::min(steps, remover.SafeSteps());
    if (steps == 0) break;
    for (; steps > 0; --steps) {
      for (ByteRemover& remover : removers) remover.Step();
    }
  }
  for (ByteRemover& remover : removers) remover.Finish();
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

// The text is first copied beside a word of a byte that never matches, so that every
// step may load a whole word; what those padding bytes add to the output is taken off.
std::size_t CompactWithoutByte(std::string_view text, char byte, char* out) {
  constexpr std::size_t kWord = 8;
  char padded[kCompactLimit + kWord];
  const std::size_t size = std::min(text.size(), kCompactLimit);
  std::memcpy(padded, text.data(), size);
  std::memset(padded + size, static_cast<char>(~byte), kWord);
  const std::uint64_t repeated = Repeated(byte);
  const char* in = padded;
  const char* const end = padded + size;
  char* to = out;
  while (in < end) {
    const std::uint64_t word = LoadWord(in);
    const std::uint64_t matches = MatchingBytes(word, repeated);
    StoreWord(to, word);
    const int before_match = std::countr_zero(matches) / 8;  // 8 when there is no match
    to += before_match;
    in += before_match + (matches != 0);
  }
  return static_cast<std::size_t>((to - out) - (in - end));
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
