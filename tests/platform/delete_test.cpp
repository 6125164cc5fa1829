// DeleteFileW's refusals and the deletion itself.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "tests/platform/file_test_util.h"
#include "tests/support/temp_dir.h"

namespace {

using file_test::Open;
using file_test::Wide;
using testing_support::PathExists;

DWORD ErrorOfDelete(const std::string& path) {
  SetLastError(0);
  return DeleteFileW(Wide(path).c_str()) ? 0 : GetLastError();
}

TEST(DeleteFile, RefusalsLeaveTheFile) {
  testing_support::TempDir dir;
  testing_support::WriteBytes(dir / "read-only", "x");
  ASSERT_TRUE(SetFileAttributesW(Wide(dir / "read-only").c_str(), FILE_ATTRIBUTE_READONLY));
  const struct {
    std::string path;
    DWORD error;
  } cases[] = {
      {dir / "read-only", ERROR_ACCESS_DENIED},  // enforced here, so also for root
      {dir.path(), ERROR_ACCESS_DENIED},         {dir / "missing", ERROR_FILE_NOT_FOUND},
      {dir / "missing/f", ERROR_PATH_NOT_FOUND}, {dir / "*", ERROR_INVALID_NAME},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorOfDelete(c.path), c.error) << c.path;
  EXPECT_TRUE(PathExists(dir / "read-only"));
}

TEST(DeleteFile, OpenHandlesMustShareDelete) {
  testing_support::TempDir dir;
  const std::string path = dir / "f";
  const HANDLE reader = Open(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  EXPECT_EQ(ErrorOfDelete(path), ERROR_SHARING_VIOLATION);
  EXPECT_TRUE(PathExists(path));
  CloseHandle(reader);

  const HANDLE sharing = Open(path, GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
  ASSERT_NE(sharing, INVALID_HANDLE_VALUE);
  EXPECT_EQ(ErrorOfDelete(path), 0u);
  EXPECT_FALSE(PathExists(path));
  // The handle still works on the unlinked file.
  DWORD written = 0;
  EXPECT_TRUE(WriteFile(sharing, "x", 1, &written, nullptr));
  CloseHandle(sharing);
}

TEST(DeleteFile, SymbolicLinkGoesItsTargetStays) {
  testing_support::TempDir dir;
  testing_support::WriteBytes(dir / "target", "x");
  ASSERT_TRUE(SetFileAttributesW(Wide(dir / "target").c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_EQ(symlink((dir / "target").c_str(), (dir / "link").c_str()), 0);
  EXPECT_EQ(ErrorOfDelete(dir / "link"), 0u);
  EXPECT_TRUE(PathExists(dir / "target"));
}

}  // namespace
