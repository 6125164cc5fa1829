// Spot checks of the errno -> Win32 error table and of the Windows path form.
#include "platform/kernel/errno_map.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "platform/kernel/paths.h"
#include "tests/support/temp_dir.h"

namespace {

using platform::IoDirection;

TEST(ErrnoMap, TranslatesAsTheFileServicesExpect) {
  const struct {
    int error;
    IoDirection direction;
    DWORD win32;
  } cases[] = {
      {ENOENT, IoDirection::kNone, ERROR_FILE_NOT_FOUND},
      {ENOTDIR, IoDirection::kNone, ERROR_PATH_NOT_FOUND},
      {EACCES, IoDirection::kNone, ERROR_ACCESS_DENIED},
      {EISDIR, IoDirection::kNone, ERROR_ACCESS_DENIED},
      {EPERM, IoDirection::kNone, ERROR_ACCESS_DENIED},
      {EMFILE, IoDirection::kNone, ERROR_TOO_MANY_OPEN_FILES},
      {EROFS, IoDirection::kNone, ERROR_WRITE_PROTECT},
      {EBADF, IoDirection::kNone, ERROR_INVALID_HANDLE},
      {EINVAL, IoDirection::kNone, ERROR_INVALID_PARAMETER},
      {ENAMETOOLONG, IoDirection::kNone, ERROR_FILENAME_EXCED_RANGE},
      {ENOMEM, IoDirection::kNone, ERROR_NOT_ENOUGH_MEMORY},
      {EDQUOT, IoDirection::kWrite, ERROR_DISK_FULL},
      {ENOSPC, IoDirection::kWrite, ERROR_DISK_FULL},
      {EFBIG, IoDirection::kWrite, ERROR_DISK_FULL},
      {EIO, IoDirection::kWrite, ERROR_WRITE_FAULT},
      {EIO, IoDirection::kRead, ERROR_READ_FAULT},
      {EBUSY, IoDirection::kNone, ERROR_SHARING_VIOLATION},
      {EHOSTDOWN, IoDirection::kNone, ERROR_GEN_FAILURE},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::Win32ErrorFromErrno(c.error, c.direction), c.win32) << "errno " << c.error;
  }
}

TEST(ErrnoMap, MissingFileOrMissingDirectory) {
  testing_support::TempDir dir;
  EXPECT_EQ(platform::Win32ErrorForPath(ENOENT, dir / "f"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(platform::Win32ErrorForPath(ENOENT, dir / "d/f"), ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(platform::Win32ErrorForPath(ENOENT, "f"), ERROR_FILE_NOT_FOUND);
}

TEST(Paths, WindowsFormsMapToPosixPaths) {
  const struct {
    const char* windows;
    const char* posix;
  } cases[] = {
      {"C:\\dir\\quembral.log", "/dir/quembral.log"},
      {"c:/dir/f", "/dir/f"},
      {"\\dir\\f", "/dir/f"},
      {"dir\\f", "dir/f"},
      {"C:", "."},
      {"C:f", "f"},
      {"\\\\?\\C:\\dir", "/dir"},
      {"1:\\f", "1:/f"},  // only a letter names a drive
  };
  for (const auto& c : cases) EXPECT_EQ(platform::PosixPathFromUtf8(c.windows), c.posix);
}

TEST(Paths, TextThatCannotNameAFileIsRefused) {
  const char16_t lone_surrogate[] = {u'a', 0xD800, u'b', 0};
  EXPECT_FALSE(platform::PosixPathFromWide(lone_surrogate));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_NAME);
  EXPECT_FALSE(platform::PosixPathFromWide(u"a|b"));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_NAME);
  EXPECT_TRUE(platform::PosixPathFromWide(u"dir\\*.log", /*allow_wildcards=*/true));
  EXPECT_EQ(*platform::PosixPathFromWide(u"C:\\caf\u00e9"), "/caf\xc3\xa9");
}

}  // namespace
