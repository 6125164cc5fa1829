#include "runtime/frame/message_table.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/frame/error_state.h"

namespace runtime {
namespace {

TEST(MessageTableTest, LookupsFollowTheStoredOrder) {
  struct Case {
    unsigned code;
    const char* text;
  };
  const Case cases[] = {
      {0, "No Error"},
      {256, "No Error"},  // above 255 counts as 0
      {1, ""},
      {244, ""},  // no entry
      {52, "Bad file name or number"},
      {61, "Disk full"},
      {98, "Lumeno Preview error"},
      {242, "String space corrupt"},
      {255, ""},
      {0x10034, "No Error"},
  };
  for (const Case& c : cases) {
    ErrorState errors;
    DynString text = ErrorMessageText(errors, c.code);
    EXPECT_EQ(text.view(), c.text) << "code " << c.code;
    EXPECT_EQ(text.empty(), std::string(c.text).empty()) << "an empty text is the null string";
    EXPECT_EQ(errors.ErrorCode(), 0);
  }
}

TEST(MessageTableTest, EveryStoredEntryIsFoundByItsCode) {
  auto stored = StoredMessageTable();
  int entries = 0;
  for (std::size_t at = 0; stored[at + 1] != 0; at += 2 + stored[at + 1]) {
    std::string_view text(reinterpret_cast<const char*>(&stored[at + 2]), stored[at + 1]);
    EXPECT_EQ(FindErrorMessage(stored[at]), text);
    ++entries;
  }
  EXPECT_EQ(entries, 31);
}

}  // namespace
}  // namespace runtime
