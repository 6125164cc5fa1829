#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/kernel/command_line.h"
#include "platform/win32.h"

namespace {

using platform::BuildCommandLine;
using platform::QuoteArgument;
using platform::QuoteProgramName;

TEST(CommandLine, QuotesTheProgramNameWithoutEscapes) {
  struct Case {
    std::string name;
    std::string quoted;
  } cases[] = {
      {"/tmp/x/vestralino", "/tmp/x/vestralino"},
      {"/tmp/my dir/vestralino", "\"/tmp/my dir/vestralino\""},
      {"", "\"\""},
      {"a\tb", "\"a\tb\""},
      {"C:\\my dir\\", "\"C:\\my dir\\\""},
      {"we\"ird", "weird"},  // a quote cannot be carried; it is dropped
  };
  for (const auto& c : cases) EXPECT_EQ(QuoteProgramName(c.name), c.quoted) << c.name;
}

// Each row also holds for the way CommandLineToArgvW splits the result back.
TEST(CommandLine, QuotesArgumentsSoTheySplitBack) {
  struct Case {
    std::string argument;
    std::string quoted;
  } cases[] = {
      {"", "\"\""},
      {"a\\b", "a\\b"},              // no quoting needed, no doubling
      {"tab\there", "\"tab\there\""},
      {"new\nline", "\"new\nline\""},
      {"a\\\\b c", "\"a\\\\b c\""},  // backslashes not before a quote stay single
      {"say \"hi\"", "\"say \\\"hi\\\"\""},
      {"x\\\"y", "\"x\\\\\\\"y\""},            // x\"y -> "x\\\"y"
      {"dir\\ with\\", "\"dir\\ with\\\\\""},  // trailing backslash doubled before the quote
  };
  for (const auto& c : cases) EXPECT_EQ(QuoteArgument(c.argument), c.quoted) << c.argument;
}

TEST(CommandLine, JoinsArgumentsWithOneBlank) {
  EXPECT_EQ(BuildCommandLine({"/opt/v b/prog", "one", "two words", ""}),
            "\"/opt/v b/prog\" one \"two words\" \"\"");
}

TEST(CommandLine, GetCommandLineWIsOneStableUtf16Text) {
  LPWSTR first = GetCommandLineW();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first, GetCommandLineW());
  // The test program's main records no arguments, so the line is the executable's path.
  std::u16string line(first);
  EXPECT_FALSE(line.empty());
  EXPECT_NE(line.find(u"platform_tests"), std::u16string::npos);
}

}  // namespace
