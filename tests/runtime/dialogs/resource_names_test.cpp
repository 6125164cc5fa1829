#include "runtime/dialogs/resource_names.h"

#include <gtest/gtest.h>

namespace runtime {
namespace {

LPCWSTR Id(std::uintptr_t id) { return reinterpret_cast<LPCWSTR>(id); }

TEST(ResourceNamesTest, WantedNamesAndTheirMatches) {
  struct Row {
    const char16_t* wanted;
    LPCWSTR enumerated;
    bool match;
  };
  const Row rows[] = {
      {u"#200", Id(200), true},      {u"#200", u"#200", false},  // an id, not a string
      {u"#200", Id(201), false},     {u"#0200", Id(200), true},
      {u"#12x", Id(12), true},       // the number ends at the first non-digit
      {u"#123456", Id(12345), true},  // five digits at most
      {u"#", Id(0), false},          {u"#x", u"#X", false},  // no digit: nothing matches
      {u"abc", u"ABC", true},        {u"ABC", u"abc", true},
      {u"abc", u"ABCD", false},      {u"abcd", u"ABC", false},
      {u"\u00e9", u"\u00c9", false},  // only ASCII letters fold
      {u"200", Id(200), false},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(resource_name_matches(wanted_resource(r.wanted), r.enumerated), r.match)
        << std::u16string_view(r.wanted).size();
  }
}

}  // namespace
}  // namespace runtime

namespace runtime {
namespace {

// Test programs carry the program's resources: icon group 200 and no bitmaps.
TEST(ResourceExistsTest, LooksThroughTheProgramsResources) {
  EXPECT_EQ(resource_exists(RT_GROUP_ICON, u"#200"), -1);
  EXPECT_EQ(resource_exists(RT_GROUP_ICON, u"#201"), 0);
  EXPECT_EQ(resource_exists(RT_GROUP_ICON, u"#"), 0);
  EXPECT_EQ(resource_exists(RT_BITMAP, u"#200"), 0);
}

}  // namespace
}  // namespace runtime
