// Share modes between handles of one process and between processes.
#include <gtest/gtest.h>

#include <string>

#include "tests/platform/file_test_util.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"

namespace {

using file_test::ErrorOfOpen;
using file_test::Open;
using file_test::Wide;

constexpr DWORD R = GENERIC_READ;
constexpr DWORD W = GENERIC_WRITE;
constexpr DWORD RW = GENERIC_READ | GENERIC_WRITE;
constexpr DWORD kShareRW = FILE_SHARE_READ | FILE_SHARE_WRITE;
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

struct ShareCase {
  DWORD first_access, first_share, second_access, second_share;
  bool second_opens;
};

// What the read/write matrix below leaves out: opens without access and deletion access.
const ShareCase kShareCases[] = {
    {0, 0, RW, 0, true},                     // an open without access takes no part
    {DELETE, kShareRW, R, kShareRW, false},  // deletion access needs FILE_SHARE_DELETE
    {DELETE, kShareRW, R, kShareAll, true},
};

TEST(ShareModes, SecondOpenInTheSameProcessFollowsTheRule) {
  testing_support::TempDir dir;
  const std::string path = dir / "f";
  for (const ShareCase& c : kShareCases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.first_access << "/" << c.first_share
                                    << " then " << c.second_access << "/" << c.second_share);
    const HANDLE first = Open(path, c.first_access, c.first_share);
    ASSERT_NE(first, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ErrorOfOpen(path, c.second_access, c.second_share),
              c.second_opens ? 0u : ERROR_SHARING_VIOLATION);
    CloseHandle(first);
  }
}

TEST(ShareModes, RefusedCreateAlwaysLeavesTheContents) {
  testing_support::TempDir dir;
  const std::string path = dir / "f";
  testing_support::WriteBytes(path, "keep");
  const HANDLE holder = Open(path, R, FILE_SHARE_READ);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_EQ(ErrorOfOpen(path, RW, kShareAll, CREATE_ALWAYS), ERROR_SHARING_VIOLATION);
  EXPECT_EQ(testing_support::ReadBytes(path), "keep");
  CloseHandle(holder);
}

// Windows' rule: the second open's access must be within the first's share mode, and the
// first's access within the second's share mode.
TEST(ShareModes, EveryCombinationOfReadAndWriteFollowsTheRule) {
  testing_support::TempDir dir;
  const std::string path = dir / "f";
  const DWORD accesses[] = {R, W, RW};
  const auto kinds = [](DWORD access) {
    return ((access & GENERIC_READ) ? FILE_SHARE_READ : 0u) |
           ((access & GENERIC_WRITE) ? FILE_SHARE_WRITE : 0u);
  };
  for (DWORD a1 : accesses) {
    for (DWORD s1 = 0; s1 < 8; ++s1) {
      const HANDLE first = Open(path, a1, s1);
      ASSERT_NE(first, INVALID_HANDLE_VALUE);
      for (DWORD a2 : accesses) {
        for (DWORD s2 = 0; s2 < 8; ++s2) {
          const bool allowed = (kinds(a2) & ~s1) == 0 && (kinds(a1) & ~s2) == 0;
          EXPECT_EQ(ErrorOfOpen(path, a2, s2), allowed ? 0u : ERROR_SHARING_VIOLATION)
              << std::hex << a1 << "/" << s1 << " then " << a2 << "/" << s2;
        }
      }
      CloseHandle(first);
    }
  }
}

struct CrossProcessCase {
  DWORD helper_share;  // the helper holds the file for reading and writing
  DWORD our_access, our_share;
  bool we_open;
};

const CrossProcessCase kCrossProcessCases[] = {
    {0, R, kShareAll, false},
    {FILE_SHARE_READ, R, kShareRW, true},
    {FILE_SHARE_READ, R, FILE_SHARE_READ, false},  // we would refuse the helper's writing
    {kShareRW, RW, kShareRW, true},
    {kShareAll, RW, kShareAll, true},
};

TEST(ShareModes, AnotherProcessHoldingTheFileIsSeen) {
  testing_support::TempDir dir;
  const std::string path = dir / "f";
  for (const CrossProcessCase& c : kCrossProcessCases) {
    SCOPED_TRACE(testing::Message() << "helper share " << c.helper_share << ", ours " << std::hex
                                    << c.our_access << "/" << c.our_share);
    testing_support::HeldChild helper(
        {VESTRALINO_TEST_HELPER, "hold", path, std::to_string(c.helper_share)});
    ASSERT_EQ(helper.ReadLine(), "held");
    EXPECT_EQ(ErrorOfOpen(path, c.our_access, c.our_share),
              c.we_open ? 0u : ERROR_SHARING_VIOLATION);
    EXPECT_EQ(helper.Release(), 0);
  }
  // Its markers went with it.
  EXPECT_EQ(ErrorOfOpen(path, RW, 0), 0u);
}

TEST(ShareModes, DeletionNeedsEveryHolderToShareDelete) {
  testing_support::TempDir dir;
  const std::string path = dir / "f";
  {
    testing_support::HeldChild helper({VESTRALINO_TEST_HELPER, "hold", path, "3"});
    ASSERT_EQ(helper.ReadLine(), "held");
    EXPECT_FALSE(DeleteFileW(Wide(path).c_str()));
    EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
    helper.Release();
  }
  testing_support::HeldChild helper({VESTRALINO_TEST_HELPER, "hold", path, "7"});
  ASSERT_EQ(helper.ReadLine(), "held");
  EXPECT_TRUE(DeleteFileW(Wide(path).c_str()));
  helper.Release();
  EXPECT_FALSE(testing_support::PathExists(path));
}

}  // namespace
