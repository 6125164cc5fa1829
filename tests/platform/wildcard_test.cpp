// Windows wildcard matching, DOS rules included.
#include "platform/kernel/wildcard.h"

#include <gtest/gtest.h>

namespace {

struct WildcardCase {
  const char16_t* pattern;
  const char16_t* name;
  bool matches;
};

const WildcardCase kWildcardCases[] = {
    {u"*", u"quembral.log", true},
    {u"*", u".hidden", true},
    {u"*.*", u"quembral.log", true},
    {u"*.*", u"README", true},  // every name, dotted or not
    {u"*.*", u".", true},
    {u"*.log", u"quembral.log", true},
    {u"*.log", u"QUEMBRAL.LOG", true},  // without regard to case
    {u"*.log", u"quembral.log.bak", false},
    {u"*.log", u"a.b.log", true},
    {u"*.log", u"log", false},
    {u"*.", u"README", true},  // no extension
    {u"*.", u"quembral.log", false},
    {u"quembral.*", u"quembral", true},
    {u"quembral.*", u"quembral.log", true},
    {u"quembral.*", u"quembrales", false},
    {u"?", u"a", true},
    {u"?", u"ab", false},
    {u"???", u"ab", true},  // trailing ?s may match fewer
    {u"???", u"abcd", false},
    {u"file??.txt", u"file1.txt", true},
    {u"file??.txt", u"file12.txt", true},
    {u"file??.txt", u"file123.txt", false},
    {u"f?le", u"file", true},
    {u"f?le", u"fle", false},  // a ? inside a name needs its character
    {u"*q*l*", u"quembral.log", true},
    {u"quembral.log", u"Quembral.Log", true},
    {u"quembral.log", u"quembral.lo", false},
    {u"a*b", u"ab", true},
    {u"a*b", u"axxbxxb", true},
    {u"a*b", u"axxbx", false},
    {u"", u"a", false},
};

TEST(Wildcard, MatchesAsWindowsDoes) {
  for (const WildcardCase& c : kWildcardCases) {
    EXPECT_EQ(platform::MatchesWildcard(c.pattern, c.name), c.matches)
        << "pattern \""
        << std::string(c.pattern, c.pattern + std::char_traits<char16_t>::length(c.pattern))
        << "\" name \"" << std::string(c.name, c.name + std::char_traits<char16_t>::length(c.name))
        << "\"";
  }
}

}  // namespace
