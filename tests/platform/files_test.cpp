// CreateFileW's dispositions and refusals, and the calls on an open file handle.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <atomic>
#include <string>
#include <thread>

#include "tests/platform/file_test_util.h"
#include "tests/support/temp_dir.h"

namespace {

using file_test::ErrorOfOpen;
using file_test::Open;
using file_test::Wide;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

constexpr DWORD RW = GENERIC_READ | GENERIC_WRITE;

struct DispositionCase {
  DWORD disposition;
  bool file_exists;
  bool opens;
  DWORD last_error;      // after success too: 0 or ERROR_ALREADY_EXISTS
  const char* contents;  // afterwards ("abc" was there when the file existed)
};

const DispositionCase kDispositionCases[] = {
    {CREATE_NEW, false, true, 0, ""},
    {CREATE_NEW, true, false, ERROR_FILE_EXISTS, "abc"},
    {CREATE_ALWAYS, false, true, 0, ""},
    {CREATE_ALWAYS, true, true, ERROR_ALREADY_EXISTS, ""},
    {OPEN_EXISTING, false, false, ERROR_FILE_NOT_FOUND, nullptr},
    {OPEN_EXISTING, true, true, 0, "abc"},
    {OPEN_ALWAYS, false, true, 0, ""},
    {OPEN_ALWAYS, true, true, ERROR_ALREADY_EXISTS, "abc"},
    {TRUNCATE_EXISTING, false, false, ERROR_FILE_NOT_FOUND, nullptr},
    {TRUNCATE_EXISTING, true, true, 0, ""},
};

TEST(CreateFile, DispositionsGiveWindowsResults) {
  for (const DispositionCase& c : kDispositionCases) {
    SCOPED_TRACE(testing::Message()
                 << "disposition " << c.disposition << " exists " << c.file_exists);
    testing_support::TempDir dir;
    const std::string path = dir / "f";
    if (c.file_exists) WriteBytes(path, "abc");
    SetLastError(12345);
    const HANDLE file = Open(path, RW, 0, c.disposition);
    EXPECT_EQ(file != INVALID_HANDLE_VALUE, c.opens);
    EXPECT_EQ(GetLastError(), c.last_error);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (c.contents != nullptr) {
      EXPECT_EQ(ReadBytes(path), c.contents);
    } else {
      EXPECT_FALSE(testing_support::PathExists(path));
    }
  }
}

TEST(CreateFile, RefusalsOfPathsAndDirectories) {
  testing_support::TempDir dir;
  WriteBytes(dir / "plain", "x");
  const struct {
    std::string path;
    DWORD disposition;
    DWORD error;
  } cases[] = {
      {dir.path(), OPEN_EXISTING, ERROR_ACCESS_DENIED},
      {dir / "missing/f", OPEN_ALWAYS, ERROR_PATH_NOT_FOUND},
      {dir / "plain/f", OPEN_ALWAYS, ERROR_PATH_NOT_FOUND},
      {dir / "wild*card", OPEN_ALWAYS, ERROR_INVALID_NAME},
      {"", OPEN_ALWAYS, ERROR_PATH_NOT_FOUND},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorOfOpen(c.path, RW, 0, c.disposition), c.error) << c.path;
  }
  EXPECT_FALSE(testing_support::PathExists(dir / "wild*card"));
  EXPECT_EQ(Open(dir / "f", RW, 0, 0), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST(FileHandle, PipesAndCharacterDevicesHaveTheirTypes) {
  testing_support::TempDir dir;
  ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
  const struct {
    std::string path;
    DWORD type;
  } cases[] = {{dir / "pipe", FILE_TYPE_PIPE}, {"/dev/null", FILE_TYPE_CHAR}};
  for (const auto& c : cases) {
    const HANDLE handle = Open(c.path, RW, 0, OPEN_EXISTING);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE) << c.path;
    EXPECT_EQ(GetFileType(handle), c.type) << c.path;
    CloseHandle(handle);
  }
}

TEST(CreateFile, ReadOnlyFileRefusesWritingEvenToRoot) {
  testing_support::TempDir dir;
  const std::string path = dir / "f";
  WriteBytes(path, "abc");
  ASSERT_TRUE(SetFileAttributesW(Wide(path).c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(ErrorOfOpen(path, GENERIC_WRITE, 0, OPEN_EXISTING), ERROR_ACCESS_DENIED);
  EXPECT_EQ(ErrorOfOpen(path, GENERIC_READ, 0, CREATE_ALWAYS), ERROR_ACCESS_DENIED);
  EXPECT_EQ(ErrorOfOpen(path, GENERIC_READ, 0, TRUNCATE_EXISTING), ERROR_ACCESS_DENIED);
  EXPECT_EQ(ErrorOfOpen(path, GENERIC_READ, 0, OPEN_EXISTING), 0u);
  EXPECT_EQ(ReadBytes(path), "abc");
}

TEST(CreateFile, TransfersNeedTheMatchingAccess) {
  testing_support::TempDir dir;
  const std::string path = dir / "f";
  WriteBytes(path, "abc");
  char byte;
  DWORD count = 99;
  const HANDLE write_only = Open(path, GENERIC_WRITE, 0, OPEN_EXISTING);
  ASSERT_NE(write_only, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(ReadFile(write_only, &byte, 1, &count, nullptr));
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  EXPECT_EQ(count, 0u);
  CloseHandle(write_only);
  const HANDLE read_only = Open(path, GENERIC_READ, 0, OPEN_EXISTING);
  ASSERT_NE(read_only, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(WriteFile(read_only, "x", 1, &count, nullptr));
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  EXPECT_FALSE(SetEndOfFile(read_only));
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  CloseHandle(read_only);
  EXPECT_EQ(ReadBytes(path), "abc");
}

TEST(FileHandle, ReadWriteSeekAndSize) {
  testing_support::TempDir dir;
  const HANDLE file = Open(dir / "f", RW, 0, CREATE_NEW);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD count = 0;
  ASSERT_TRUE(WriteFile(file, "0123456789", 10, &count, nullptr));
  EXPECT_EQ(count, 10u);
  DWORD high = 99;
  EXPECT_EQ(GetFileSize(file, &high), 10u);
  EXPECT_EQ(high, 0u);
  EXPECT_EQ(GetFileType(file), FILE_TYPE_DISK);

  EXPECT_EQ(SetFilePointer(file, -4, nullptr, FILE_END), 6u);
  char bytes[16] = {};
  ASSERT_TRUE(ReadFile(file, bytes, sizeof bytes, &count, nullptr));
  EXPECT_EQ(std::string(bytes, count), "6789");
  // At the end a read succeeds with nothing.
  ASSERT_TRUE(ReadFile(file, bytes, sizeof bytes, &count, nullptr));
  EXPECT_EQ(count, 0u);

  EXPECT_EQ(SetFilePointer(file, 2, nullptr, FILE_BEGIN), 2u);
  EXPECT_EQ(SetFilePointer(file, 3, nullptr, FILE_CURRENT), 5u);
  ASSERT_TRUE(SetEndOfFile(file));
  EXPECT_EQ(GetFileSize(file, nullptr), 5u);
  ASSERT_TRUE(FlushFileBuffers(file));

  // Refused moves leave the pointer where it was.
  EXPECT_EQ(SetFilePointer(file, -6, nullptr, FILE_CURRENT), INVALID_SET_FILE_POINTER);
  EXPECT_EQ(GetLastError(), ERROR_NEGATIVE_SEEK);
  EXPECT_EQ(SetFilePointer(file, 0, nullptr, 7), INVALID_SET_FILE_POINTER);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(SetFilePointer(file, 0, nullptr, FILE_CURRENT), 5u);
  CloseHandle(file);
}

TEST(FileHandle, PositionsBeyondFourGigabytesUseTheHighPart) {
  testing_support::TempDir dir;
  const HANDLE file = Open(dir / "f", RW, 0, CREATE_NEW);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  LONG high = 1;
  SetLastError(77);
  EXPECT_EQ(SetFilePointer(file, -1, &high, FILE_BEGIN), 0xFFFFFFFFu);
  EXPECT_EQ(GetLastError(), 0u);  // the low part alone would look like a failure
  EXPECT_EQ(high, 1);
  ASSERT_TRUE(SetEndOfFile(file));  // a sparse file of 8 GiB - 1 byte
  DWORD size_high = 0;
  EXPECT_EQ(GetFileSize(file, &size_high), 0xFFFFFFFFu);
  EXPECT_EQ(size_high, 1u);
  high = -1;  // 64-bit -1 from the current position: one back
  EXPECT_EQ(SetFilePointer(file, -1, &high, FILE_CURRENT), 0xFFFFFFFEu);
  EXPECT_EQ(high, 1);
  CloseHandle(file);
}

TEST(FileHandle, UnknownAndClosedHandlesAreRefused) {
  testing_support::TempDir dir;
  const HANDLE file = Open(dir / "f", RW, 0, CREATE_NEW);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  ASSERT_TRUE(CloseHandle(file));
  char byte;
  DWORD count;
  for (const HANDLE handle : {file, reinterpret_cast<HANDLE>(0x12345)}) {
    SetLastError(0);
    EXPECT_FALSE(CloseHandle(handle));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(ReadFile(handle, &byte, 1, &count, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_EQ(SetFilePointer(handle, 0, nullptr, FILE_BEGIN), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(GetFileType(handle), FILE_TYPE_UNKNOWN);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  }
}

// Attributes given at creation are the new file's; the creating handle may still write.
TEST(CreateFile, NewFileTakesTheAttributesAskedFor) {
  testing_support::TempDir dir;
  const std::string path = dir / "f";
  const HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  EXPECT_TRUE(WriteFile(file, "ab", 2, &written, nullptr));
  CloseHandle(file);
  EXPECT_EQ(GetFileAttributesW(Wide(path).c_str()),
            FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(ReadBytes(path), "ab");
  EXPECT_EQ(ErrorOfOpen(path, GENERIC_WRITE, 0, OPEN_EXISTING), ERROR_ACCESS_DENIED);
}

// A handle closed by one thread while another is using it: the call in progress finishes
// on the still-open file, later calls are refused; nothing is freed under anyone's feet.
TEST(FileHandle, ClosingWhileAnotherThreadReadsIsSafe) {
  testing_support::TempDir dir;
  testing_support::WriteBytes(dir / "f", std::string(4096, 'x'));
  for (int round = 0; round < 20; ++round) {
    const HANDLE file = Open(dir / "f", GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    std::atomic<bool> refused{false};
    std::thread reader([&] {
      char bytes[64];
      DWORD count = 0;
      while (!refused) {
        if (!ReadFile(file, bytes, sizeof bytes, &count, nullptr)) {
          EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
          refused = true;
        } else if (count == 0) {
          SetFilePointer(file, 0, nullptr, FILE_BEGIN);
        }
      }
    });
    EXPECT_TRUE(CloseHandle(file));
    reader.join();
  }
}

}  // namespace
