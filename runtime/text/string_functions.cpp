#include "runtime/text/string_functions.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "runtime/text/byte_search.h"

namespace runtime {

namespace {

// Slot 0 := `length` bytes of it from byte `offset`. The whole text leaves the slot
// untouched, so a borrowed operand stays borrowed and nothing is copied.
void KeepPieceOfTop(StringWorkStack& stack, std::uint32_t offset, std::uint32_t length) {
  if (offset == 0 && length == stack.Length(0)) return;
  // Copied before ReplaceTop frees the operand.
  stack.ReplaceTop(DynString::Copy(stack.errors(), stack.View(0).substr(offset, length)));
}

// The length as the signed 32-bit value positions are computed with; a system string
// never exceeds 0x7FFFFFF0 bytes.
std::int64_t SignedLength(const StringWorkStack& stack, int slot) {
  return stack.Length(slot);
}

}  // namespace

void Substring(StringWorkStack& stack, std::int32_t start, std::int32_t count) {
  const std::int64_t length = SignedLength(stack, 0);
  std::int64_t wanted = count;
  if (wanted < 0) wanted += length;
  std::int64_t first = start;
  if (first < 0) first += length + 1;
  if (start == 0 || first < 1) {
    KeepPieceOfTop(stack, 0, 0);
    return;
  }
  const std::int64_t rest = first > length ? 0 : length - (first - 1);
  // The count is compared unsigned: one still negative after the adjustment takes the rest.
  const std::int64_t taken = wanted < 0 ? rest : std::min(rest, wanted);
  KeepPieceOfTop(stack, static_cast<std::uint32_t>(taken == 0 ? 0 : first - 1),
                 static_cast<std::uint32_t>(taken));
}

void RightPart(StringWorkStack& stack, std::int32_t n) {
  const std::int64_t length = SignedLength(stack, 0);
  std::int64_t wanted = n;
  if (wanted < 0) wanted += length;
  // Compared unsigned: a still negative n counts as large and keeps the whole text.
  if (wanted < 0 || wanted >= length) return;
  KeepPieceOfTop(stack, static_cast<std::uint32_t>(length - wanted),
                 static_cast<std::uint32_t>(wanted));
}

namespace {

std::int64_t FindPosition(std::string_view s, std::string_view pattern, std::int64_t start) {
  const std::int64_t length = static_cast<std::int64_t>(s.size());
  if (start == 0 || s.empty()) return 0;
  if (pattern.empty()) {
    if (start > 0) return start;
    const std::int64_t position = length + start + 1;
    return position >= 1 && position <= length ? position : 0;
  }
  if (start > 0) {
    if (start > length) return 0;
    std::size_t at = FindFirst(s, pattern, static_cast<std::size_t>(start - 1));
    return at == kNotFound ? 0 : static_cast<std::int64_t>(at) + 1;
  }
  const std::int64_t window_end = length + start + 1;
  if (window_end < 1) return 0;
  std::size_t at = FindLast(s.substr(0, static_cast<std::size_t>(window_end)), pattern);
  return at == kNotFound ? 0 : static_cast<std::int64_t>(at) + 1;
}

}  // namespace

std::int32_t FindText(StringWorkStack& stack, std::int32_t start) {
  const std::int64_t position = FindPosition(stack.View(1), stack.View(0), start);
  stack.PopDiscard();
  stack.PopDiscard();
  return static_cast<std::int32_t>(position);
}

namespace {

// A one-byte pattern in a text this short is removed in one pass into a buffer on the
// stack, and the result copied once more at its exact size: cheaper than counting first.
constexpr std::size_t kShortText = kCompactLimit;

// Slot 0 := `kept` bytes of `bytes` (fewer than its length), a new owned string; the
// operand's text may be among the bytes, so it is freed only after the copy.
void ReplaceTopWithBytes(StringWorkStack& stack, const char* bytes, std::size_t kept) {
  DynString result;  // everything removed: the empty text, nothing allocated
  if (kept > 0) {
    result = DynString::Adopt(AllocateText(stack.errors(), static_cast<std::uint32_t>(kept)));
    if (!result.empty()) CopyTextBytes(result.data(), bytes, kept);
  }
  stack.ReplaceTop(std::move(result));
}

}  // namespace

void RemoveAll(StringWorkStack& stack) {
  const std::string_view s = stack.View(1);
  const std::string_view pattern = stack.View(0);
  if (pattern.size() == 1 && s.size() <= kShortText) {
    char kept_bytes[kShortText + 8];
    const std::size_t kept = CompactWithoutByte(s, pattern.front(), kept_bytes);
    stack.PopDiscard();
    if (kept != s.size()) ReplaceTopWithBytes(stack, kept_bytes, kept);
    return;
  }
  const std::size_t occurrences = CountNonOverlapping(s, pattern);
  if (occurrences == 0) {
    stack.PopDiscard();
    return;
  }
  const std::size_t kept = s.size() - occurrences * pattern.size();
  DynString result;  // everything removed: the empty text, nothing allocated
  if (kept > 0) {
    result = DynString::Adopt(AllocateText(stack.errors(), static_cast<std::uint32_t>(kept)));
    if (!result.empty()) CopyWithout(s, pattern, occurrences, result.data());
  }
  stack.PopDiscard();
  stack.ReplaceTop(std::move(result));
}

std::int32_t CountOccurrences(StringWorkStack& stack) {
  const std::size_t occurrences = CountNonOverlapping(stack.View(1), stack.View(0));
  stack.PopDiscard();
  stack.PopDiscard();
  return static_cast<std::int32_t>(occurrences);
}

std::int32_t StringLength(StringWorkStack& stack) {
  const std::int32_t length = static_cast<std::int32_t>(stack.Length(0));
  stack.PopDiscard();
  return length;
}

}  // namespace runtime
