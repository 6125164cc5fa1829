#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "runtime/files/transfer_parts.h"
#include "tests/runtime/files/files_fixture.h"

namespace runtime {
namespace {

using namespace transfer_flag;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

constexpr std::uint16_t kBinary = 0x20C4;  // binary, read and write, shared
constexpr std::uint16_t kRandomBoth = 0x04C4;

std::string Records(const std::string& letters) {
  std::string bytes;
  for (char c : letters) bytes += std::string(24, c);
  return bytes;
}

TEST_F(FilesTest, SequentialReadsStartAtTheBaseRecord) {
  const std::string path = PathOf("abc");
  WriteBytes(path, Records("ABC"));
  for (std::uint32_t base : {0u, 1u}) {
    SCOPED_TRACE(base);
    ASSERT_EQ(Open(1, path, kRandomRead, 24, base), 0);
    for (char expected : {'A', 'B', 'C'}) {
      char record[24];
      ASSERT_EQ(Transfer(1, 0, record, 24), 0);
      EXPECT_EQ(std::string(record, 24), std::string(24, expected));
    }
    // A numbered read names the same record under either base.
    char record[24];
    ASSERT_EQ(Transfer(1, kReadRecord, record, 24, base + 1.0L), 0);
    EXPECT_EQ(record[0], 'B');
    EXPECT_EQ(Files().Find(1)->position, base + 1);
    ASSERT_EQ(Close(1), 0);
  }
}

TEST_F(FilesTest, ReadsPastTheEndAreZeroFilledWithoutError) {
  const std::string path = PathOf("short");
  WriteBytes(path, Records("AB") + "CCCCCC");  // 54 bytes: two records and six bytes
  ASSERT_EQ(Open(1, path, kRandomRead), 0);
  struct Case {
    long double record;
    std::string expected;
  };
  const Case cases[] = {
      {5, std::string(24, '\0')},
      {3, "CCCCCC" + std::string(18, '\0')},
  };
  for (const Case& c : cases) {
    char record[24];
    std::memset(record, 0x5A, sizeof record);
    EXPECT_EQ(Transfer(1, kReadRecord, record, 24, c.record), 0);
    EXPECT_EQ(std::string(record, 24), c.expected);
  }
}

// Raw strings move their bytes as they are, keeping their length; a wide string holds
// whole units even for an odd prefix; a field-mapped string stays inside its home.
TEST_F(FilesTest, StringFormsReadTheirOwnWay) {
  struct Case {
    std::string file;
    std::uint32_t record_length;
    std::uint16_t form;
    std::string before, after;
  };
  const Case cases[] = {
      {"abcd", 4, kDynString | kRawString, "zzzzzz", std::string("abcd\0\0", 6)},
      {std::string("\x05\0a\0b\0c", 7), 7, kDynString | kWideString, "", std::string("a\0b\0", 4)},
      {"0123456789", 10, kFieldMapped, "abcdef", "abcd01"},
  };
  int n = 0;
  for (const Case& c : cases) {
    const std::string path = PathOf("form" + std::to_string(++n));
    WriteBytes(path, c.file);
    ASSERT_EQ(Open(n, path, kRandomRead, c.record_length), 0);
    DynString text = DynString::Copy(frame_.errors, c.before);
    FieldMappedString field{&text, 0, 4, 10};  // cut to the last two bytes
    void* target = c.form == kFieldMapped ? static_cast<void*>(&field) : &text;
    ASSERT_EQ(Transfer(n, kReadRecord | c.form, target, 0, 1), 0);
    EXPECT_EQ(text.view(), c.after) << n;
  }
}

// Records land at their number, the gap before them zero; a block wider than the
// record writes one record only.
TEST_F(FilesTest, WritesGrowTheFileRecordByRecord) {
  const std::string path = PathOf("grow");
  ASSERT_EQ(Open(1, path, kRandomWrite), 0);
  std::string first(24, '1');
  ASSERT_EQ(Transfer(1, kWriteRecord, first.data(), 24, 1), 0);
  EXPECT_EQ(ReadBytes(path).size(), 24u);
  std::string third = std::string(24, '3') + "overflow";
  ASSERT_EQ(Transfer(1, kWriteRecord, third.data(), 32, 3), 0);
  EXPECT_EQ(ReadBytes(path), first + std::string(24, '\0') + std::string(24, '3'));
  EXPECT_EQ(FileLength(frame_, 1), 72.0L);
}

TEST_F(FilesTest, RecordNumbersOutsideTheFileAreRefused) {
  ASSERT_EQ(Open(1, PathOf("bad"), kRandomBoth), 0);
  char record[24] = {};
  const long double kInfinity = std::numeric_limits<long double>::infinity();
  // 9e18 is reachable as a number but would overflow the byte offset.
  const long double refused[] = {0, 0.5L, -1e30L, 9e18L, kInfinity, std::nanl("")};
  for (long double where : refused) {
    EXPECT_EQ(Transfer(1, kWriteRecord, record, 24, where), error::kBadRecordNumber) << where;
  }
  EXPECT_EQ(ReadBytes(PathOf("bad")), "");
}

TEST_F(FilesTest, TransfersNeedAnOpenRandomOrBinaryFile) {
  char record[24] = {};
  EXPECT_EQ(Transfer(1, kReadRecord, record, 24, 1), error::kBadFileNameOrNumber);
  ASSERT_EQ(Open(1, PathOf("out"), 0x0261), 0);
  EXPECT_EQ(Transfer(1, kWriteRecord, record, 24, 1), error::kBadFileMode);
  ASSERT_EQ(Open(2, PathOf("rnd"), kRandomWrite), 0);
  ArrayTarget array{record, 24, 1};
  EXPECT_EQ(Transfer(2, kWriteRecord | kArray, &array, 24, 1), error::kBadFileMode);
  // A write on a read-only handle fails in the OS.
  ASSERT_EQ(Open(3, PathOf("rnd2"), kRandomRead), 0);
  EXPECT_EQ(Transfer(3, kWriteRecord, record, 24, 1), error::kPermissionDenied);
}

TEST_F(FilesTest, SizeZeroUsesTheRecordBuffer) {
  const std::string path = PathOf("buffer");
  WriteBytes(path, Records("XY"));
  ASSERT_EQ(Open(1, path, kRandomBoth), 0);
  ASSERT_EQ(Transfer(1, kReadRecord, nullptr, 0, 1.5L), 0);  // ties go to the even record
  char* buffer = Files().Find(1)->buffer();
  EXPECT_EQ(std::string(buffer, 24), std::string(24, 'Y'));
  ASSERT_EQ(Transfer(1, kWriteRecord, nullptr, 0, 1), 0);
  EXPECT_EQ(ReadBytes(path), Records("YY"));
}

// A raw string is cut to the record; a field without a home string lies in a file's
// record buffer, and a closed file has none.
TEST_F(FilesTest, RawAndFieldWritesStayInsideTheRecord) {
  const std::string path = PathOf("fields");
  ASSERT_EQ(Open(1, path, kRandomBoth, 10), 0);
  DynString raw = DynString::Copy(frame_.errors, "0123456789ab");
  ASSERT_EQ(Transfer(1, kWriteRecord | kDynString | kRawString, &raw, 0, 1), 0);
  EXPECT_EQ(ReadBytes(path), "0123456789");
  ASSERT_EQ(Transfer(1, kReadRecord, nullptr, 0, 1), 0);
  FieldMappedString in_record{nullptr, 1, 8, 2};
  ASSERT_EQ(Transfer(1, kWriteRecord | kFieldMapped, &in_record, 0, 1), 0);
  EXPECT_EQ(ReadBytes(path), "8923456789");
  FieldMappedString of_closed_file{nullptr, 42, 0, 2};
  EXPECT_EQ(Transfer(1, kWriteRecord | kFieldMapped, &of_closed_file, 0, 1),
            error::kBadFileNameOrNumber);
}

TEST_F(FilesTest, VariableLengthStringsCarryALengthPrefix) {
  const std::string path = PathOf("strings");
  ASSERT_EQ(Open(1, path, kRandomBoth, 16), 0);
  DynString hello = DynString::Copy(frame_.errors, "hello");
  DynString long_text = DynString::Copy(frame_.errors, "twenty bytes of text");
  ASSERT_EQ(Transfer(1, kWriteRecord | kDynString, &hello, 0, 1), 0);
  ASSERT_EQ(Transfer(1, kWriteRecord | kDynString, &long_text, 0, 2), 0);
  // The second is cut to what a 16-byte record holds after its prefix.
  EXPECT_EQ(ReadBytes(path), std::string("\x05\x00hello", 7) + std::string(9, '\0') +
                                 std::string("\x0E\x00twenty bytes o", 16));

  DynString read_back = DynString::Copy(frame_.errors, "old");
  ASSERT_EQ(Transfer(1, kReadRecord | kDynString, &read_back, 0, 1), 0);
  EXPECT_EQ(read_back.view(), "hello");
  ASSERT_EQ(Transfer(1, kReadRecord | kDynString, &read_back, 0, 2), 0);
  EXPECT_EQ(read_back.view(), "twenty bytes o");
  // Past the end there is no prefix: the variable is left alone.
  ASSERT_EQ(Transfer(1, kReadRecord | kDynString, &read_back, 0, 9), 0);
  EXPECT_EQ(read_back.view(), "twenty bytes o");
}

TEST_F(FilesTest, BinaryModeMovesBytesAtBytePositions) {
  const std::string path = PathOf("bin");
  ASSERT_EQ(Open(1, path, kBinary, 0, 1), 0);
  std::string hello = "hello";
  ASSERT_EQ(Transfer(1, kWriteRecord, hello.data(), 5, 1), 0);
  ASSERT_EQ(Transfer(1, kWrite, hello.data(), 2), 0);  // continues at byte 5
  EXPECT_EQ(Files().Find(1)->position, 7);
  DynString raw = DynString::Copy(frame_.errors, "XY");
  ASSERT_EQ(Transfer(1, kWriteRecord | kDynString | kRawString, &raw, 0, 2), 0);
  EXPECT_EQ(Files().Find(1)->position, 1);  // the raw form leaves the position
  EXPECT_EQ(ReadBytes(path), "hXYlohe");
  EXPECT_EQ(Transfer(1, kWriteRecord, hello.data(), 5, 0), error::kBadRecordNumber);

  char tail[4];
  ASSERT_EQ(Transfer(1, kReadRecord, tail, 4, 6), 0);
  EXPECT_EQ(std::string(tail, 4), std::string("he\0\0", 4));
  EXPECT_EQ(Files().Find(1)->position, 7);
}

TEST_F(FilesTest, ArraysOfStringsRoundTripInBothLengthForms) {
  const std::string path = PathOf("array");
  ASSERT_EQ(Open(1, path, kBinary, 0, 1), 0);
  std::array<DynString, 3> written = {DynString(), DynString::Copy(frame_.errors, "ab"),
                                      DynString::Copy(frame_.errors, std::string(70000, 'x'))};
  ArrayTarget out{written.data(), 3, 0};
  frame_.errors.ClearError();
  EXPECT_EQ(RecordTransfer(frame_, 1, kWriteRecord | kArray | kDynString, &out, 10, 1), 3u);
  EXPECT_EQ(frame_.errors.ErrorCode(), 0);
  const std::string bytes = ReadBytes(path);
  EXPECT_EQ(bytes.substr(0, 12), std::string("\0\0\x02\0ab\xFF\xFF\x70\x11\x01\0", 12));
  EXPECT_EQ(bytes.size(), 12u + 70000u);

  std::array<DynString, 4> read_back;
  read_back[3] = DynString::Copy(frame_.errors, "kept");
  ArrayTarget in{read_back.data(), 4, 0};
  EXPECT_EQ(RecordTransfer(frame_, 1, kReadRecord | kArray | kDynString, &in, 4, 1), 3u);
  EXPECT_EQ(frame_.errors.ErrorCode(), 0);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(read_back[i].view(), written[i].view()) << i;
  EXPECT_EQ(read_back[3].view(), "kept");
}

TEST_F(FilesTest, ArraysOfPlainElementsMoveInOneTransfer) {
  const std::string path = PathOf("ints");
  ASSERT_EQ(Open(1, path, kBinary, 0, 0), 0);
  std::int32_t values[4] = {1, -2, 3, -4};
  ArrayTarget out{values, 4, sizeof(std::int32_t)};
  EXPECT_EQ(RecordTransfer(frame_, 1, kWriteRecord | kArray, &out, 100, 0), 4u);
  std::int32_t read_back[6] = {9, 9, 9, 9, 9, 9};
  ArrayTarget in{read_back, 6, sizeof(std::int32_t)};
  // Only four are stored: the rest of the array is cleared.
  EXPECT_EQ(RecordTransfer(frame_, 1, kReadRecord | kArray, &in, 6, 0), 4u);
  EXPECT_EQ(std::memcmp(read_back, values, sizeof values), 0);
  EXPECT_EQ(read_back[4], 0);
  ArrayTarget no_size{values, 4, 0};
  EXPECT_EQ(RecordTransfer(frame_, 1, kWriteRecord | kArray, &no_size, 4, 0), 0u);
  EXPECT_EQ(frame_.errors.ErrorCode(), 0);
}

}  // namespace
}  // namespace runtime

namespace runtime {
namespace {

TEST(RoundTransferPositionTest, RoundsToNearestWithTiesToEven) {
  struct Case {
    long double where;
    std::int64_t expected;
  };
  const Case cases[] = {
      {1.5L, 2},
      {2.5L, 2},
      {-2.5L, -2},
      {-9223372036854775808.0L, std::numeric_limits<std::int64_t>::min()},
  };
  for (const Case& c : cases) {
    std::int64_t rounded = 12345;
    EXPECT_TRUE(RoundTransferPosition(c.where, &rounded)) << c.where;
    EXPECT_EQ(rounded, c.expected) << c.where;
  }
  // Just below 2^63 the nearest whole number is 2^63, which does not fit, nor does 2^63.
  for (long double where : {9223372036854775807.5L, 9223372036854775808.0L, std::nanl("")}) {
    std::int64_t rounded;
    EXPECT_FALSE(RoundTransferPosition(where, &rounded)) << where;
  }
}

}  // namespace
}  // namespace runtime
