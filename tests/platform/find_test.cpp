// FindFirstFileW / FindNextFileW / FindClose.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/platform/file_test_util.h"
#include "tests/support/temp_dir.h"

namespace {

using file_test::Wide;

std::string Narrow(const WCHAR* wide) {
  std::string narrow;
  for (; *wide != 0; ++wide) narrow.push_back(static_cast<char>(*wide));
  return narrow;
}

// The names FindFirstFileW/FindNextFileW report for pattern, in order; the last error
// after the search is left in *error.
std::vector<std::string> Find(const std::string& pattern, DWORD* error = nullptr) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW data;
  const HANDLE search = FindFirstFileW(Wide(pattern).c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) {
    if (error != nullptr) *error = GetLastError();
    return names;
  }
  do {
    names.push_back(Narrow(data.cFileName));
  } while (FindNextFileW(search, &data));
  if (error != nullptr) *error = GetLastError();
  EXPECT_TRUE(FindClose(search));
  return names;
}

using Names = std::vector<std::string>;

TEST(Find, PatternsSelectTheirNames) {
  testing_support::TempDir dir;
  for (const char* name : {"b.log", "a.txt", "README", "C.LOG"}) {
    testing_support::WriteBytes(dir / name, "x");
  }
  testing_support::WriteBytes(dir / "sub", "");
  const std::string d = dir.path();
  DWORD error = 0;
  EXPECT_EQ(Find(d + "/*.log", &error), (Names{"C.LOG", "b.log"}));
  EXPECT_EQ(error, ERROR_NO_MORE_FILES);
  EXPECT_EQ(Find(d + "\\*.*"), (Names{".", "..", "C.LOG", "README", "a.txt", "b.log", "sub"}));
  EXPECT_EQ(Find(d + "/*."), (Names{".", "..", "README", "sub"}));
  EXPECT_TRUE(Find(d + "/*.doc", &error).empty());
  EXPECT_EQ(error, ERROR_FILE_NOT_FOUND);
  EXPECT_TRUE(Find(d + "/missing/*", &error).empty());
  EXPECT_EQ(error, ERROR_PATH_NOT_FOUND);
  EXPECT_TRUE(Find(d + "/*/x", &error).empty());  // wildcards only in the last part
  EXPECT_EQ(error, ERROR_INVALID_NAME);
  EXPECT_TRUE(Find(d + "/", &error).empty());  // a directory, not the entries in it
  EXPECT_EQ(error, ERROR_FILE_NOT_FOUND);
}

TEST(Find, DataDescribesTheEntry) {
  testing_support::TempDir dir;
  testing_support::WriteBytes(dir / "f", "12345");
  ASSERT_TRUE(
      SetFileAttributesW(Wide(dir / "f").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY));
  WIN32_FIND_DATAW data;
  const HANDLE search = FindFirstFileW(Wide(dir / "F").c_str(), &data);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  EXPECT_EQ(Narrow(data.cFileName), "f");
  EXPECT_EQ(data.dwFileAttributes, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(data.nFileSizeLow, 5u);
  // Written after 2001 (file time high part 0x01C0...) and not in the far future.
  EXPECT_GT(data.ftLastWriteTime.dwHighDateTime, 0x01C00000u);
  EXPECT_LT(data.ftLastWriteTime.dwHighDateTime, 0x03000000u);
  // A find handle is closed by FindClose only, and only once.
  EXPECT_FALSE(CloseHandle(search));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_TRUE(FindClose(search));
  EXPECT_FALSE(FindNextFileW(search, &data));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST(Find, FileHandlesAreNotFindHandles) {
  testing_support::TempDir dir;
  const HANDLE file = file_test::Open(dir / "f", GENERIC_READ, 0);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  WIN32_FIND_DATAW data;
  EXPECT_FALSE(FindNextFileW(file, &data));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_FALSE(FindClose(file));
  EXPECT_TRUE(CloseHandle(file));
}

// Deleting each file as it is reported, as a pattern delete does, skips none of them.
TEST(Find, DeletingWhileSearchingSkipsNothing) {
  testing_support::TempDir dir;
  std::set<std::string> expected;
  for (int i = 0; i < 200; ++i) {
    const std::string name = "file" + std::to_string(i) + ".dat";
    testing_support::WriteBytes(dir / name, "x");
    expected.insert(name);
  }
  std::set<std::string> seen;
  WIN32_FIND_DATAW data;
  const HANDLE search = FindFirstFileW(Wide(dir / "*.dat").c_str(), &data);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  do {
    const std::string name = Narrow(data.cFileName);
    EXPECT_TRUE(seen.insert(name).second) << name << " reported twice";
    EXPECT_TRUE(DeleteFileW(Wide(dir / name).c_str())) << name;
  } while (FindNextFileW(search, &data));
  FindClose(search);
  EXPECT_EQ(seen, expected);
}

}  // namespace
