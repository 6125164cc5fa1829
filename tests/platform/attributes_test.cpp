// File attributes: what a file reports, and that what is set stays set.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "tests/platform/file_test_util.h"
#include "tests/support/temp_dir.h"

namespace {

using file_test::Wide;

DWORD Attributes(const std::string& path) {
  return GetFileAttributesW(Wide(path).c_str());
}
BOOL SetAttributes(const std::string& path, DWORD attributes) {
  return SetFileAttributesW(Wide(path).c_str(), attributes);
}

TEST(FileAttributes, NewFilesAndDirectoriesReportWindowsDefaults) {
  testing_support::TempDir dir;
  testing_support::WriteBytes(dir / "f", "x");
  EXPECT_EQ(Attributes(dir / "f"), FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(Attributes(dir.path()), FILE_ATTRIBUTE_DIRECTORY);
}

struct SetCase {
  DWORD set;
  DWORD reported;
};

// Each value is set on the same file in turn and read back through a fresh path lookup;
// directory and other unknown bits are ignored.
const SetCase kSetCases[] = {
    {FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM},
    {0, FILE_ATTRIBUTE_NORMAL},
    {FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_DIRECTORY, FILE_ATTRIBUTE_ARCHIVE},
    {FILE_ATTRIBUTE_ARCHIVE, FILE_ATTRIBUTE_ARCHIVE},
};

TEST(FileAttributes, WhatIsSetIsReportedAgain) {
  testing_support::TempDir dir;
  const std::string path = dir / "f";
  testing_support::WriteBytes(path, "x");
  for (const SetCase& c : kSetCases) {
    ASSERT_TRUE(SetAttributes(path, c.set)) << std::hex << c.set;
    EXPECT_EQ(Attributes(path), c.reported) << std::hex << c.set;
  }
}

TEST(FileAttributes, ReadOnlyIsTheWriteBitsOfTheMode) {
  testing_support::TempDir dir;
  const std::string path = dir / "f";
  testing_support::WriteBytes(path, "x");
  ASSERT_EQ(chmod(path.c_str(), 0664), 0);
  ASSERT_TRUE(SetAttributes(path, FILE_ATTRIBUTE_READONLY));
  struct stat status;
  ASSERT_EQ(stat(path.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0444u);
  ASSERT_TRUE(SetAttributes(path, FILE_ATTRIBUTE_ARCHIVE));
  ASSERT_EQ(stat(path.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0644u);
  // A file made read-only by other means is read-only here too.
  ASSERT_EQ(chmod(path.c_str(), 0400), 0);
  EXPECT_EQ(Attributes(path), FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY);
}

TEST(FileAttributes, AttributesSurviveHandlesAndStayOnTheirFile) {
  testing_support::TempDir dir;
  const std::string path = dir / "f";
  ASSERT_TRUE(SetAttributes(dir.path(), FILE_ATTRIBUTE_HIDDEN));
  const HANDLE created = file_test::Open(path, GENERIC_WRITE, 0, CREATE_NEW);
  ASSERT_NE(created, INVALID_HANDLE_VALUE);
  CloseHandle(created);
  EXPECT_EQ(Attributes(path), FILE_ATTRIBUTE_ARCHIVE);  // nothing inherited from the folder
  EXPECT_EQ(Attributes(dir.path()), FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
  ASSERT_TRUE(SetAttributes(path, FILE_ATTRIBUTE_SYSTEM));
  const HANDLE opened = file_test::Open(path, GENERIC_READ | GENERIC_WRITE, 0, OPEN_EXISTING);
  ASSERT_NE(opened, INVALID_HANDLE_VALUE);
  CloseHandle(opened);
  EXPECT_EQ(Attributes(path), FILE_ATTRIBUTE_SYSTEM);
  // Replacing a system file by an ordinary one is refused, as on Windows.
  EXPECT_EQ(file_test::ErrorOfOpen(path, GENERIC_WRITE, 0, CREATE_ALWAYS), ERROR_ACCESS_DENIED);
}

TEST(FileAttributes, MissingPathsAndBadNames) {
  testing_support::TempDir dir;
  testing_support::WriteBytes(dir / "plain", "x");
  const struct {
    std::string path;
    DWORD error;
  } cases[] = {
      {dir / "missing", ERROR_FILE_NOT_FOUND},
      {dir / "plain/f", ERROR_PATH_NOT_FOUND},
      {dir / "f?", ERROR_INVALID_NAME},
  };
  for (const auto& c : cases) {
    SetLastError(0);
    EXPECT_EQ(Attributes(c.path), INVALID_FILE_ATTRIBUTES) << c.path;
    EXPECT_EQ(GetLastError(), c.error) << c.path;
    EXPECT_FALSE(SetAttributes(c.path, FILE_ATTRIBUTE_ARCHIVE)) << c.path;
    EXPECT_EQ(GetLastError(), c.error) << c.path;
  }
  EXPECT_EQ(GetFileAttributesW(nullptr), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
