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

TEST(MessageTableTest, StoredBytesAreTheWholeTable) {
  // code, length, text ... closed by an entry of length 0.
  const std::string expected =
      std::string() + '\x00' + '\x08' + "No Error" + '\x05' + '\x15' + "Illegal function call" +
      '\x06' + '\x08' + "Overflow" + '\x07' + '\x0d' + "Out of memory" + '\x09' + '\x1e' +
      "Subscript/Pointer out of range" + '\x0b' + '\x10' + "Division by zero" + '\x18' + '\x0e' +
      "Device timeout" + '\x33' + '\x0e' + "Internal error" + '\x34' + '\x17' +
      "Bad file name or number" + '\x35' + '\x0e' + "File not found" + '\x36' + '\x0d' +
      "Bad file mode" + '\x37' + '\x0c' + "File is open" + '\x39' + '\x10' + "Device I/O error" +
      '\x3a' + '\x13' + "File already exists" + '\x3d' + '\x09' + "Disk full" + '\x3e' + '\x0e' +
      "Input past end" + '\x3f' + '\x11' + "Bad record number" + '\x40' + '\x0d' + "Bad file name" +
      '\x43' + '\x0e' + "Too many files" + '\x44' + '\x12' + "Device unavailable" + '\x45' +
      '\x0a' + "Comm error" + '\x46' + '\x11' + "Permission denied" + '\x47' + '\x0e' +
      "Disk not ready" + '\x48' + '\x10' + "Disk media error" + '\x4a' + '\x13' +
      "Rename across disks" + '\x4b' + '\x16' + "Path/file access error" + '\x4c' + '\x0e' +
      "Path not found" + '\x62' + '\x14' + "Lumeno Preview error" + '\x63' + '\x0c' +
      "Object error" + '\xf1' + '\x15' + "Global memory corrupt" + '\xf2' + '\x14' +
      "String space corrupt" + '\x00' + '\x00';
  auto stored = StoredMessageTable();
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(stored.data()), stored.size()), expected);
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
