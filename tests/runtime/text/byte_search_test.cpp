// The fast byte searches against a slow, obviously right byte-by-byte reference, on
// texts from a fixed seed: small alphabets make overlapping and adjacent occurrences
// common, and lengths around multiples of eight exercise the word-at-a-time paths.
#include "runtime/text/byte_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

namespace runtime {
namespace {

bool OccursAt(std::string_view text, std::string_view pattern, std::size_t at) {
  if (at + pattern.size() > text.size()) return false;
  for (std::size_t k = 0; k < pattern.size(); ++k) {
    if (text[at + k] != pattern[k]) return false;
  }
  return true;
}

std::size_t ReferenceFirst(std::string_view text, std::string_view pattern, std::size_t from) {
  for (std::size_t at = from; at < text.size(); ++at) {
    if (OccursAt(text, pattern, at)) return at;
  }
  return kNotFound;
}

std::size_t ReferenceLast(std::string_view text, std::string_view pattern) {
  std::size_t found = kNotFound;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (OccursAt(text, pattern, at)) found = at;
  }
  return found;
}

std::string ReferenceRemove(std::string_view text, std::string_view pattern, std::size_t* count) {
  std::string kept;
  *count = 0;
  for (std::size_t at = 0; at < text.size();) {
    if (OccursAt(text, pattern, at)) {
      ++*count;
      at += pattern.size();
    } else {
      kept += text[at++];
    }
  }
  return kept;
}

std::string RandomText(std::mt19937& random, std::size_t length, std::string_view alphabet) {
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::string text;
  for (std::size_t i = 0; i < length; ++i) text += alphabet[pick(random)];
  return text;
}

TEST(ByteSearchTest, AgreesWithAByteByByteSearch) {
  std::mt19937 random(20261205);
  // A NUL and a byte with the high bit set among the letters catch signedness slips.
  const std::string_view alphabets[] = {"ab", "a b", std::string_view("a\0\xE9 ", 4),
                                        "abcdefghijklmnopqrstuvwxyz  "};
  for (int round = 0; round < 2000; ++round) {
    const std::string_view alphabet = alphabets[round % 4];
    const std::string text = RandomText(random, random() % 70, alphabet);
    const std::string pattern = RandomText(random, 1 + random() % 4, alphabet);
    SCOPED_TRACE(testing::Message()
                 << "round " << round << ": \"" << text << "\" / \"" << pattern << "\"");
    const std::size_t from = text.empty() ? 0 : random() % (text.size() + 2);

    ASSERT_EQ(FindFirst(text, pattern, from), ReferenceFirst(text, pattern, from));
    ASSERT_EQ(FindLast(text, pattern), ReferenceLast(text, pattern));

    std::size_t count = 0;
    const std::string kept = ReferenceRemove(text, pattern, &count);
    ASSERT_EQ(CountNonOverlapping(text, pattern), count);
    // One guard byte after the exact-size output catches a write past its end.
    std::string out(kept.size() + 1, '#');
    CopyWithout(text, pattern, count, out.data());
    ASSERT_EQ(std::string_view(out).substr(0, kept.size()), kept);
    ASSERT_EQ(out.back(), '#');
  }
}

// Long texts are split into stretches removed side by side; the cuts fall anywhere,
// also inside an occurrence's run of blanks, and a one-byte pattern in a short text is
// counted and copied in one pass.
TEST(ByteSearchTest, OneBytePatternsAgreeWithTheReferenceAtEveryLength) {
  std::mt19937 random(4096);
  const std::string_view alphabets[] = {"ab ", "x      ", "abcdefghij ",
                                        std::string_view("a\0", 2)};
  // The removed byte is each alphabet's last.
  for (int round = 0; round < 300; ++round) {
    const std::string_view alphabet = alphabets[round % 4];
    // Half the texts short enough for the one-pass removal.
    const std::size_t length = round % 2 ? random() % 2100 : random() % (kCompactLimit + 1);
    const std::string text = RandomText(random, length, alphabet);
    const char byte = alphabet[alphabet.size() - 1];
    SCOPED_TRACE(testing::Message() << "round " << round << ", length " << text.size());
    std::size_t count = 0;
    const std::string kept = ReferenceRemove(text, std::string_view(&byte, 1), &count);
    ASSERT_EQ(CountNonOverlapping(text, std::string_view(&byte, 1)), count);
    std::string out(kept.size() + 1, '#');
    CopyWithout(text, std::string_view(&byte, 1), count, out.data());
    ASSERT_EQ(std::string_view(out).substr(0, kept.size()), kept);
    ASSERT_EQ(out.back(), '#');
    if (text.size() <= kCompactLimit) {
      std::string compact(text.size() + 8 + 1, '#');
      ASSERT_EQ(CompactWithoutByte(text, byte, compact.data()), kept.size());
      ASSERT_EQ(std::string_view(compact).substr(0, kept.size()), kept);
      ASSERT_EQ(compact.back(), '#');
    }
  }
}

TEST(ByteSearchTest, EmptyPatternsAndShortTextsFindNothing) {
  EXPECT_EQ(FindFirst("abc", ""), kNotFound);
  EXPECT_EQ(FindLast("abc", ""), kNotFound);
  EXPECT_EQ(CountNonOverlapping("abc", ""), 0u);
  EXPECT_EQ(FindFirst("ab", "abc"), kNotFound);
  EXPECT_EQ(FindFirst("abc", "c", 3), kNotFound);
  EXPECT_EQ(FindFirst("abc", "c", 2), 2u);
}

}  // namespace
}  // namespace runtime
