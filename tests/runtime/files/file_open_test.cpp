#include <string>

#include "runtime/files/file_table.h"
#include "runtime/files/text_output.h"
#include "tests/runtime/files/files_fixture.h"

namespace runtime {
namespace {

using testing_support::PathExists;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

constexpr std::uint16_t Word(std::uint8_t mode, std::uint8_t access) {
  return static_cast<std::uint16_t>(mode << 8 | access);
}
// Read and write, access not explicit, shared for reading and writing.
constexpr std::uint8_t kReadWriteShared = 0xC4;

TEST_F(FilesTest, EachModeOpensAndPositionsAsItsTableSays) {
  struct Case {
    std::uint8_t mode;
    bool creates_missing;
    std::int64_t position;        // on the existing 10-byte file
    std::uint32_t record_length;  // from a requested length of 4
    std::string contents_after;   // of the existing file, right after the open
  };
  const Case cases[] = {
      {file_mode::kInput, false, 0, 4, "0123456789"},
      {file_mode::kOutput, true, 0, 1, ""},
      {file_mode::kRandom, true, 0, 4, "0123456789"},
      {file_mode::kAppend, true, 10, 1, "0123456789"},
      {file_mode::kBinary, true, 0, 1, "0123456789"},
  };
  FileNumber number = 100;
  for (const Case& c : cases) {
    SCOPED_TRACE(int{c.mode});
    const std::string missing = PathOf("missing" + std::to_string(number));
    RuntimeErrorCode code = Open(number, missing, Word(c.mode, kReadWriteShared), 4);
    EXPECT_EQ(code, c.creates_missing ? 0 : error::kFileNotFound);
    EXPECT_EQ(PathExists(missing), c.creates_missing);
    EXPECT_EQ(Close(number), 0);

    const std::string existing = PathOf("existing" + std::to_string(number));
    WriteBytes(existing, "0123456789");
    ASSERT_EQ(Open(number, existing, Word(c.mode, kReadWriteShared), 4), 0);
    FileEntry* entry = Files().Find(number);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->position, c.position);
    EXPECT_EQ(entry->record_length, c.record_length);
    EXPECT_EQ(ReadBytes(existing), c.contents_after);
    if (c.mode == file_mode::kInput) {
      // The open reads the first buffer's worth.
      EXPECT_EQ(entry->buffer_count, 4u);
      EXPECT_EQ(std::string(entry->buffer(), 4), "0123");
    }
    EXPECT_EQ(Close(number), 0);
    ++number;
  }
}

TEST_F(FilesTest, RandomModeBaseDecidesTheFirstSequentialRecord) {
  ASSERT_EQ(Open(1, PathOf("one"), kRandomWrite, 24, 1), 0);
  ASSERT_EQ(Open(2, PathOf("zero"), kRandomWrite, 24, 0), 0);
  // Only bit 0 of the base argument counts.
  ASSERT_EQ(Open(3, PathOf("three"), kRandomWrite, 24, 2), 0);
  EXPECT_EQ(Files().Find(1)->position, 0);
  EXPECT_EQ(Files().Find(2)->position, -1);
  EXPECT_EQ(Files().Find(3)->position, -1);
  EXPECT_EQ(FileInfo(frame_, 3, file_info::kBase), 0);
}

TEST_F(FilesTest, DeviceModeRefusesDiskFilesAndMissingPaths) {
  WriteBytes(PathOf("disk"), "x");
  EXPECT_EQ(Open(4, PathOf("disk"), Word(file_mode::kDevice, kReadWriteShared), 16),
            error::kCommError);
  EXPECT_EQ(ReadBytes(PathOf("disk")), "x");
}

TEST_F(FilesTest, RefusedOpensLeaveTheTableAndTheDiskAsTheyWere) {
  struct Case {
    const char* what;
    FileNumber number;
    std::string name;
    std::uint16_t mode_word;
    std::uint32_t record_length;
    RuntimeErrorCode expected;
  };
  const Case cases[] = {
      {"empty name", 1, "", kRandomWrite, 24, error::kBadFileName},
      {"asterisk", 1, "a*b", kRandomWrite, 24, error::kBadFileName},
      {"question mark", 1, "a?b", kRandomWrite, 24, error::kBadFileName},
      {"negative number", -1, "neg", kRandomWrite, 24, error::kBadFileNameOrNumber},
      {"record length 0", 1, "rl0", kRandomWrite, 0, error::kIllegalFunctionCall},
      {"record length 32769", 1, "big", kRandomWrite, 32769, error::kIllegalFunctionCall},
      {"input length 0", 1, "in0", Word(file_mode::kInput, 0xA1), 0, error::kIllegalFunctionCall},
      {"input buffer beyond memory", 1, "in4g", Word(file_mode::kInput, 0xA1), 0xFFFFFFFF,
       error::kOutOfMemory},
      {"no mode", 1, "nomode", 0x00A1, 24, error::kBadFileMode},
      {"two modes", 1, "twomodes", 0x06A1, 24, error::kBadFileMode},
      {"share code 0", 1, "share0", 0x04A0, 24, error::kIllegalFunctionCall},
      {"device mode, missing path", 1, "absent", Word(file_mode::kDevice, kReadWriteShared), 16,
       error::kCommError},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string path = c.name.empty() ? "" : PathOf(c.name);
    EXPECT_EQ(Open(c.number, path, c.mode_word, c.record_length), c.expected);
    // A leftover entry may be freed memory: it is dropped unclosed, as closing it would
    // free it again and leave later tests looping on a broken list.
    if (Files().NumberAt(1) != -1) {
      ADD_FAILURE() << "the refused open left an entry in the table";
      Files().UnlinkNewest();
    }
    if (!c.name.empty()) {
      EXPECT_FALSE(PathExists(path));
    }
    EXPECT_EQ(frame_.strings.depth(), 0);
  }
  EXPECT_EQ(Open(1, PathOf("largest"), kRandomWrite, 32768), 0);
}

TEST_F(FilesTest, ADuplicateNumberFailsAndLeavesTheFirstFileAlone) {
  ASSERT_EQ(Open(9, PathOf("first"), kRandomWrite), 0);
  FileEntry* first = Files().Find(9);
  HANDLE handle = first->handle;
  EXPECT_EQ(Open(9, PathOf("second"), kRandomRead), error::kFileIsOpen);
  EXPECT_FALSE(PathExists(PathOf("second")));
  EXPECT_EQ(Files().Find(9), first);
  EXPECT_EQ(first->handle, handle);
}

TEST_F(FilesTest, ALongNameIsOpenedAsItsFirst255Characters) {
  std::string directory = dir_.path() + "/";
  ASSERT_LT(directory.size(), 200u);
  std::string long_path = directory + std::string(300 - directory.size(), 'n');
  ASSERT_EQ(long_path.size(), 300u);
  ASSERT_EQ(Open(1, long_path, kRandomWrite), 0);
  EXPECT_TRUE(PathExists(long_path.substr(0, 255)));
  EXPECT_EQ(Files().Find(1)->name.size(), 255u * sizeof(WCHAR));
}

TEST_F(FilesTest, ExplicitWriteOnAReadOnlyFileFailsWithoutARetry) {
  const std::string path = PathOf("locked");
  WriteBytes(path, "data");
  ASSERT_EQ(SetAttributes(path, FILE_ATTRIBUTE_READONLY), 0);
  EXPECT_EQ(Open(1, path, kRandomWrite), error::kPermissionDenied);
  EXPECT_EQ(FileInfo(frame_, 1, file_info::kIsOpen), 0);
  // Without the explicit bit the same request falls back to reading.
  ASSERT_EQ(Open(2, path, 0x04C1), 0);
  EXPECT_EQ(Files().Find(2)->access, 0x81);
  ASSERT_EQ(Close(2), 0);
  // Read-only access was never refused.
  EXPECT_EQ(Open(3, path, Word(file_mode::kRandom, 0xA2)), 0);
}

TEST_F(FilesTest, FileInfoAnswersEverySelector) {
  ASSERT_EQ(Open(7, PathOf("a"), kRandomWrite, 24, 1), 0);
  ASSERT_EQ(Open(8, PathOf("b"), Word(file_mode::kBinary, kReadWriteShared)), 0);
  EXPECT_EQ(FileInfo(frame_, 1, file_info::kNumberAt), 8);  // the latest open comes first
  EXPECT_EQ(FileInfo(frame_, 2, file_info::kNumberAt), 7);
  EXPECT_EQ(FileInfo(frame_, 7, 99), -1);  // unlisted selectors ask whether it is open
  EXPECT_EQ(FileInfo(frame_, 8, file_info::kMode), file_mode::kBinary);
  EXPECT_EQ(FileInfo(frame_, 7, file_info::kBase), 1);
  EXPECT_EQ(FileInfo(frame_, 8, file_info::kRecordLength), 1);
  EXPECT_EQ(FileInfo(frame_, 7, file_info::kDeviceKind), 1);
  EXPECT_EQ(frame_.errors.ErrorCode(), 0);
  for (std::int32_t selector : {1, 2, -4, -8}) {
    frame_.errors.ClearError();
    EXPECT_EQ(FileInfo(frame_, 6, selector), 0);
    EXPECT_EQ(frame_.errors.ErrorCode(), error::kBadFileNameOrNumber) << selector;
  }
}

TEST_F(FilesTest, NextFreeFileNumberRotatesInsteadOfReusing) {
  ResetFileNumberCounter();
  EXPECT_EQ(NextFreeFileNumber(), 1);
  ASSERT_EQ(Open(1, PathOf("one"), kRandomWrite), 0);
  EXPECT_EQ(NextFreeFileNumber(), 2);
  ASSERT_EQ(Open(2, PathOf("two"), kRandomWrite), 0);
  ASSERT_EQ(Close(1), 0);
  EXPECT_EQ(NextFreeFileNumber(), 3);
  // An open number is passed over.
  ASSERT_EQ(Open(4, PathOf("four"), kRandomWrite), 0);
  EXPECT_EQ(NextFreeFileNumber(), 5);
}

TEST_F(FilesTest, NextFreeFileNumberWrapsAfter32767) {
  ResetFileNumberCounter();
  ASSERT_EQ(Open(1, PathOf("one"), kRandomWrite), 0);
  FileNumber last = 0;
  for (int i = 0; i < 32766; ++i) last = NextFreeFileNumber();
  EXPECT_EQ(last, 32767);
  // 1 is open: the wrap lands on 2.
  EXPECT_EQ(NextFreeFileNumber(), 2);
}

TEST_F(FilesTest, CloseAllClosesEveryFile) {
  for (FileNumber n = 1; n <= 3; ++n) {
    ASSERT_EQ(Open(n, PathOf(std::to_string(n)), kRandomWrite), 0);
  }
  FileCloseAll(frame_);
  EXPECT_EQ(frame_.errors.ErrorCode(), 0);
  EXPECT_EQ(Files().NumberAt(1), -1);
  // Closed handles release their no-sharing hold, the oldest's included.
  EXPECT_EQ(Open(1, PathOf("1"), kRandomWrite), 0);
}

TEST_F(FilesTest, CloseIgnoresUnknownNumbersAndChecksTheModeMask) {
  EXPECT_EQ(Close(123), 0);
  ASSERT_EQ(Open(5, PathOf("r"), kRandomWrite), 0);
  EXPECT_EQ(FileCloseCode(5, file_mode::kOutput | file_mode::kAppend), error::kBadFileMode);
  EXPECT_EQ(FileInfo(frame_, 5, file_info::kIsOpen), -1);
  EXPECT_EQ(FileCloseCode(5, file_mode::kRandom), 0);
  EXPECT_EQ(FileInfo(frame_, 5, file_info::kIsOpen), 0);
}

TEST_F(FilesTest, OutputFilesEndAtTheirLastWrite) {
  const std::string path = PathOf("out");
  // Write access, shared for reading and writing.
  ASSERT_EQ(Open(1, path, Word(file_mode::kOutput, 0x64)), 0);
  // Another handle makes the file longer than the output file's writes.
  PushPath(path);
  HANDLE other = CreateFileW(frame_.strings.WideText(0), GENERIC_WRITE, 3, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
  frame_.strings.PopDiscard();
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  ASSERT_TRUE(WriteFile(other, std::string(50, 'z').data(), 50, &written, nullptr));
  CloseHandle(other);
  FileWriteSpaces(frame_, 1, 11);
  EXPECT_EQ(Files().Find(1)->column, 11u);
  FileWriteLineEnd(frame_, 1);
  EXPECT_EQ(Files().Find(1)->column, 0u);
  EXPECT_EQ(Files().Find(1)->position, 13);
  EXPECT_EQ(Close(1), 0);
  EXPECT_EQ(ReadBytes(path), std::string(11, ' ') + "\r\n");

  // UTF-16 text: the access byte's 0x08.
  ASSERT_EQ(Open(2, path, Word(file_mode::kAppend, 0x69)), 0);
  FileWriteSpaces(frame_, 2, 1);
  FileWriteLineEnd(frame_, 2);
  EXPECT_EQ(Close(2), 0);
  EXPECT_EQ(ReadBytes(path), std::string(11, ' ') + "\r\n" + std::string(" \0\r\0\n\0", 6));
}

TEST_F(FilesTest, TextOutputNeedsAnOutputOrAppendFile) {
  ASSERT_EQ(Open(1, PathOf("r"), kRandomWrite), 0);
  FileWriteLineEnd(frame_, 1);
  EXPECT_EQ(frame_.errors.TakeErrorCode(), error::kBadFileMode);
  FileWriteSpaces(frame_, 2, 3);
  EXPECT_EQ(frame_.errors.TakeErrorCode(), error::kBadFileNameOrNumber);
}

TEST_F(FilesTest, FileLengthAndFlushOfOpenAndUnknownNumbers) {
  WriteBytes(PathOf("len"), std::string(72, 'x'));
  ASSERT_EQ(Open(1, PathOf("len"), kRandomWrite), 0);
  EXPECT_EQ(FileLength(frame_, 1), 72.0L);
  FileFlush(frame_, 77);  // not open: ignored
  EXPECT_EQ(frame_.errors.ErrorCode(), 0);
  EXPECT_EQ(FileLength(frame_, 2), 0.0L);
  EXPECT_EQ(frame_.errors.ErrorCode(), error::kBadFileNameOrNumber);
}

TEST_F(FilesTest, AnAttachedHandleIsNotClosedWithItsNumber) {
  const std::string path = PathOf("attached");
  frame_.strings.PushCopy(path);
  frame_.strings.SlotToWide(0);
  HANDLE handle = CreateFileW(frame_.strings.WideText(0), GENERIC_READ | GENERIC_WRITE, 3, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  frame_.strings.PopDiscard();
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);

  frame_.strings.PushCopy("");
  FileOpen(frame_, 3, Word(file_mode::kBinary, 0), 1, 1, handle);
  ASSERT_EQ(frame_.errors.TakeErrorCode(), 0);
  EXPECT_EQ(Files().Find(3)->flags, entry_flag::kOpen | entry_flag::kAttached);
  char block[3] = {'a', 'b', 'c'};
  EXPECT_EQ(Transfer(3, transfer_flag::kWrite, block, 3), 0);
  EXPECT_EQ(Close(3), 0);

  DWORD written = 0;
  EXPECT_TRUE(WriteFile(handle, "d", 1, &written, nullptr));
  EXPECT_TRUE(CloseHandle(handle));
  EXPECT_EQ(ReadBytes(path), "abcd");
}

}  // namespace
}  // namespace runtime
