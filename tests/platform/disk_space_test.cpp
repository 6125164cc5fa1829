// Free space of the file system under a directory.
#include <gtest/gtest.h>

#include "tests/platform/file_test_util.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(DiskSpace, RootsAndDirectoriesAnswerConsistently) {
  testing_support::TempDir dir;
  ULARGE_INTEGER free_to_caller{}, total{}, total_free{};
  for (const std::u16string& root :
       {std::u16string(u"C:\\"), std::u16string(u"\\"), file_test::Wide(dir.path())}) {
    ASSERT_TRUE(GetDiskFreeSpaceExW(root.c_str(), &free_to_caller, &total, &total_free));
    EXPECT_GT(total.QuadPart, 0u);
    EXPECT_LE(free_to_caller.QuadPart, total_free.QuadPart);
    EXPECT_LE(total_free.QuadPart, total.QuadPart);
  }
  ASSERT_TRUE(GetDiskFreeSpaceExW(nullptr, nullptr, &total, nullptr));  // the current one
  EXPECT_GT(total.QuadPart, 0u);

  ASSERT_TRUE(GetDiskFreeSpaceExA(dir.path().c_str(), nullptr, &total, nullptr));
  DWORD sectors = 0, sector_bytes = 0, free_clusters = 0, clusters = 0;
  ASSERT_TRUE(
      GetDiskFreeSpaceA(dir.path().c_str(), &sectors, &sector_bytes, &free_clusters, &clusters));
  if (clusters != 0xFFFFFFFF) {
    EXPECT_EQ(ULONGLONG{sectors} * sector_bytes * clusters, total.QuadPart);
  }

  EXPECT_FALSE(
      GetDiskFreeSpaceExW(file_test::Wide(dir / "missing/x").c_str(), nullptr, &total, nullptr));
  EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
}

}  // namespace
