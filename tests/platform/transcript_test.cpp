#include "platform/display/transcript.h"

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

namespace platform {
namespace {

TEST(TranscriptTest, EscapesStringsAsJsonRequires) {
  struct Case {
    std::string text;
    std::string json;
  };
  const Case cases[] = {
      {"plain", "\"plain\""},
      {"a\r\nb", "\"a\\r\\nb\""},
      {"q\"b\\s/", "\"q\\\"b\\\\s/\""},
      {std::string("\t\b\f\x01\x1f\x7f", 6), "\"\\t\\b\\f\\u0001\\u001f\x7f\""},
      {std::string("nul\0x", 5), "\"nul\\u0000x\""},
      {"\xc3\xb1\xe2\x82\xac", "\"\xc3\xb1\xe2\x82\xac\""},  // UTF-8 kept as it is
  };
  for (const Case& c : cases) {
    std::string out;
    AppendJsonString(out, c.text);
    EXPECT_EQ(out, c.json);
  }
}

TEST(TranscriptTest, AppendsOneLinePerObject) {
  testing_support::TempDir dir;
  testing_support::WriteBytes(dir / "t.jsonl", "{\"earlier\":1}\n");
  {
    Transcript transcript(dir / "t.jsonl");
    transcript.Write(JsonObject().Add("event", "a").Add("n", -3LL).AddFlag("ok", true));
    // Each line is in the file as soon as it is written.
    EXPECT_EQ(testing_support::ReadBytes(dir / "t.jsonl"),
              "{\"earlier\":1}\n{\"event\":\"a\",\"n\":-3,\"ok\":true}\n");
    transcript.Write(JsonObject().Add("list", std::vector<std::string>{"x", "y\""}));
  }
  EXPECT_EQ(testing_support::ReadBytes(dir / "t.jsonl"),
            "{\"earlier\":1}\n{\"event\":\"a\",\"n\":-3,\"ok\":true}\n"
            "{\"list\":[\"x\",\"y\\\"\"]}\n");
  Transcript off;
  EXPECT_FALSE(off.enabled());
  off.Write(JsonObject().Add("event", "nowhere"));
}

}  // namespace
}  // namespace platform
