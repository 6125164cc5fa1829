#include <iconv.h>

#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/win32.h"

namespace {

std::u16string ToWide(UINT code_page, const std::string& bytes, DWORD flags = 0) {
  const int units = MultiByteToWideChar(code_page, flags, bytes.data(),
                                        static_cast<int>(bytes.size()), nullptr, 0);
  std::u16string wide(static_cast<std::size_t>(units), u'\0');
  if (units > 0) {
    EXPECT_EQ(units, MultiByteToWideChar(code_page, flags, bytes.data(),
                                         static_cast<int>(bytes.size()), wide.data(), units));
  }
  return wide;
}

std::string ToBytes(UINT code_page, const std::u16string& wide, LPCSTR default_char = nullptr,
                    BOOL* used_default = nullptr) {
  const int bytes = WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()),
                                        nullptr, 0, default_char, used_default);
  std::string text(static_cast<std::size_t>(bytes), '\0');
  if (bytes > 0) {
    EXPECT_EQ(bytes, WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()),
                                         text.data(), bytes, default_char, used_default));
  }
  return text;
}

struct Utf8Case {
  const char* name;
  std::string utf8;
  std::u16string utf16;
};

TEST(MultiByteToWideChar, DecodesUtf8AndReplacesEachBadSequence) {
  const Utf8Case cases[] = {
      {"ascii longer than the 8-byte step", "0123456789abcdefXYZ", u"0123456789abcdefXYZ"},
      {"three bytes", "\xE2\x82\xAC", u"\u20AC"},
      {"four bytes", "\xF0\x9F\x98\x80", u"\U0001F600"},
      {"non-ascii inside a fast-path block",
       "abc\xC3\xB1"
       "defghijk",
       u"abc\u00F1defghijk"},
      {"stray continuation byte", "a\x80z", u"a\uFFFDz"},
      {"truncated three-byte sequence is one error", "a\xE2\x82z", u"a\uFFFDz"},
      {"overlong slash", "\xC0\xAF", u"\uFFFD\uFFFD"},
      {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
      {"above U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"embedded NUL is text", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ToWide(CP_UTF8, c.utf8), c.utf16);
    EXPECT_EQ(ToWide(CP_ACP, c.utf8, MB_PRECOMPOSED), c.utf16);
  }
}

TEST(MultiByteToWideChar, RefusesInvalidUtf8WhenAsked) {
  for (const char* bad : {"a\x80", "\xED\xA0\x80"}) {
    SCOPED_TRACE(bad);
    WCHAR out[8];
    SetLastError(0);
    EXPECT_EQ(0, MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bad, -1, out, 8));
    EXPECT_EQ(ERROR_NO_UNICODE_TRANSLATION, GetLastError());
    EXPECT_EQ(0, MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bad, -1, nullptr, 0));
  }
}

TEST(MultiByteToWideChar, Windows1252DecodesEveryByte) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::u16string wide = ToWide(CP_WINDOWS_1252, all);
  ASSERT_EQ(wide.size(), 255u);
  // The 0x80-0x9F block differs from Latin-1; the unassigned bytes pass through.
  EXPECT_EQ(wide.substr(0x7F, 3), u"\u20AC\u0081\u201A");
  EXPECT_EQ(wide[0xE9 - 1], u'\u00E9');
  // Every byte comes back unchanged, the five unassigned ones included.
  BOOL used_default = TRUE;
  EXPECT_EQ(ToBytes(CP_WINDOWS_1252, wide, nullptr, &used_default), all);
  EXPECT_FALSE(used_default);
}

TEST(WideCharToMultiByte, Windows1252UsesTheDefaultCharacter) {
  struct Case {
    std::u16string wide;
    const char* default_char;
    std::string bytes;
    BOOL used_default;
  } cases[] = {
      {u"caf\u00E9 \u20AC5", nullptr,
       "caf\xE9 \x80"
       "5",
       FALSE},
      {u"\u0100bc", "#", "#bc", TRUE},
      {u"x\U0001F600y", nullptr, "x?y", TRUE},  // one character, one default
      {u"\xD800z", nullptr, "?z", TRUE},        // an unpaired surrogate takes only itself
      {u"\u0080", nullptr, "?", TRUE},          // assigned in 1252 to the euro sign, not U+0080
  };
  for (const auto& c : cases) {
    BOOL used = -1;
    EXPECT_EQ(ToBytes(CP_WINDOWS_1252, c.wide, c.default_char, &used), c.bytes);
    EXPECT_EQ(used, c.used_default);
  }
}

TEST(WideCharToMultiByte, EncodesUtf8AndReplacesUnpairedSurrogates) {
  const Utf8Case cases[] = {
      {"two and three bytes", "\xC3\xB1\xE2\x82\xAC", u"\u00F1\u20AC"},
      {"pair", "\xF0\x9F\x98\x80", u"\U0001F600"},
      {"lone high surrogate",
       "a\xEF\xBF\xBD"
       "b",
       std::u16string(u"a\xD800"
                      u"b")},
      {"reversed pair", "\xEF\xBF\xBD\xEF\xBF\xBD", std::u16string(u"\xDC00\xD800")},
      {"high surrogate at the end", "abcdefgh\xEF\xBF\xBD", std::u16string(u"abcdefgh\xD83D")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ToBytes(CP_UTF8, c.utf16), c.utf8);
    EXPECT_EQ(ToBytes(CP_ACP, c.utf16), c.utf8);
  }
  const char16_t lone[] = u"a\xD800";
  char out[8];
  SetLastError(0);
  EXPECT_EQ(0,
            WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, lone, -1, out, 8, nullptr, nullptr));
  EXPECT_EQ(ERROR_NO_UNICODE_TRANSLATION, GetLastError());
}

TEST(CodePages, TerminatedInputCountsItsNul) {
  WCHAR wide[16];
  EXPECT_EQ(5, MultiByteToWideChar(CP_UTF8, 0, "Hola", -1, wide, 16));
  EXPECT_EQ(std::u16string(wide, 5), std::u16string(u"Hola\0", 5));
  char bytes[16];
  std::memset(bytes, 'x', sizeof bytes);
  EXPECT_EQ(4, WideCharToMultiByte(CP_UTF8, 0, u"\u00F1o", -1, bytes, 16, nullptr, nullptr));
  EXPECT_EQ(std::string(bytes, 4), std::string("\xC3\xB1o\0", 4));
}

TEST(CodePages, TooSmallBufferFails) {
  struct Case {
    UINT code_page;
    const char* text;
    int length;
    int room;
  } cases[] = {
      {CP_UTF8, "abcdefghijklmnop", 16, 15},  // in the ASCII fast path
      {CP_UTF8, "abc", -1, 3},                // no room for the NUL
      {CP_UTF8, "\xF0\x9F\x98\x80", 4, 1},    // a surrogate pair needs two units
      {CP_WINDOWS_1252, "abc", 3, 2},
  };
  for (const auto& c : cases) {
    WCHAR wide[32];
    SetLastError(0);
    EXPECT_EQ(0, MultiByteToWideChar(c.code_page, 0, c.text, c.length, wide, c.room)) << c.text;
    EXPECT_EQ(ERROR_INSUFFICIENT_BUFFER, GetLastError()) << c.text;
    EXPECT_GT(MultiByteToWideChar(c.code_page, 0, c.text, c.length, wide, c.room + 1), 0);
  }
  char bytes[8];
  SetLastError(0);
  EXPECT_EQ(0, WideCharToMultiByte(CP_UTF8, 0, u"\u20AC", 1, bytes, 2, nullptr, nullptr));
  EXPECT_EQ(ERROR_INSUFFICIENT_BUFFER, GetLastError());
}

TEST(CodePages, BadArgumentsAreRefused) {
  WCHAR wide[4];
  char bytes[4];
  BOOL used = FALSE;
  struct Case {
    const char* name;
    std::function<int()> call;
    DWORD error;
  } cases[] = {
      {"unknown code page", [&] { return MultiByteToWideChar(437, 0, "a", 1, wide, 4); },
       ERROR_INVALID_PARAMETER},
      {"zero length", [&] { return MultiByteToWideChar(CP_UTF8, 0, "a", 0, wide, 4); },
       ERROR_INVALID_PARAMETER},
      {"unknown flag", [&] { return MultiByteToWideChar(CP_UTF8, 0x100, "a", 1, wide, 4); },
       ERROR_INVALID_FLAGS},
      {"unknown code page to bytes",
       [&] { return WideCharToMultiByte(20127, 0, u"a", 1, bytes, 4, nullptr, nullptr); },
       ERROR_INVALID_PARAMETER},
      {"negative output size",
       [&] { return WideCharToMultiByte(CP_UTF8, 0, u"a", 1, bytes, -1, nullptr, nullptr); },
       ERROR_INVALID_PARAMETER},
      {"best-fit flag for UTF-8",
       [&] {
         return WideCharToMultiByte(CP_UTF8, WC_NO_BEST_FIT_CHARS, u"a", 1, bytes, 4, nullptr,
                                    nullptr);
       },
       ERROR_INVALID_FLAGS},
      {"default char for UTF-8",
       [&] { return WideCharToMultiByte(CP_UTF8, 0, u"a", 1, bytes, 4, "?", nullptr); },
       ERROR_INVALID_PARAMETER},
      {"used-default flag for UTF-8",
       [&] { return WideCharToMultiByte(CP_ACP, 0, u"a", 1, bytes, 4, nullptr, &used); },
       ERROR_INVALID_PARAMETER},
  };
  for (const auto& c : cases) {
    SetLastError(0);
    EXPECT_EQ(c.call(), 0) << c.name;
    EXPECT_EQ(GetLastError(), c.error) << c.name;
  }
  EXPECT_EQ(GetACP(), CP_UTF8);
}

// Random valid text from a fixed seed, mixing runs of ASCII (the fast path) with every
// sequence length, compared with the C library's converter.
TEST(CodePages, AgreesWithIconvOnRandomText) {
  std::mt19937 random(20261205);
  iconv_t to_utf16 = iconv_open("UTF-16LE", "UTF-8");
  ASSERT_NE(to_utf16, reinterpret_cast<iconv_t>(-1));
  for (int round = 0; round < 100; ++round) {
    std::u16string wide;
    const int characters = static_cast<int>(random() % 60) + 1;
    for (int i = 0; i < characters; ++i) {
      char32_t c;
      switch (random() % 4) {
        case 0:
          c = 0x20 + random() % 0x5F;
          break;
        case 1:
          c = 0x80 + random() % 0x780;
          break;
        case 2:
          c = 0x800 + random() % 0xD000;
          break;  // below the surrogates
        default:
          c = 0x10000 + random() % 0x100000;
          break;
      }
      if (c < 0x10000) {
        wide.push_back(static_cast<char16_t>(c));
      } else {
        wide.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
        wide.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
      }
    }
    const std::string utf8 = ToBytes(CP_UTF8, wide);
    std::string reference(wide.size() * 2, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t in_left = utf8.size();
    char* out = reference.data();
    std::size_t out_left = reference.size();
    ASSERT_NE(iconv(to_utf16, &in, &in_left, &out, &out_left), static_cast<std::size_t>(-1));
    ASSERT_EQ(out_left, 0u);
    EXPECT_EQ(0, std::memcmp(reference.data(), wide.data(), reference.size())) << round;
    EXPECT_EQ(ToWide(CP_UTF8, utf8), wide) << round;
  }
  iconv_close(to_utf16);
}

}  // namespace
