#include "runtime/files/guarded_os_call.h"

#include <gtest/gtest.h>

#include <cfenv>

namespace runtime {
namespace {

TEST(GuardedOsCallTest, TheCallCannotChangeTheCallersRounding) {
  const int previous = std::fegetround();
  std::fesetround(FE_DOWNWARD);
  GuardedOsCall([] { std::fesetround(FE_UPWARD); });
  EXPECT_EQ(std::fegetround(), FE_DOWNWARD);
#if defined(__x86_64__) || defined(__i386__)
  // 64-bit precision, round to nearest: the run-time layer's x87 control word.
  unsigned short runtime_word = 0x133F;
  __asm__ volatile("fldcw %0" : : "m"(runtime_word));
  unsigned short before = 0;  // as the processor reports it (bit 6 reads as 1)
  __asm__ volatile("fnstcw %0" : "=m"(before));
  GuardedOsCall([] {
    unsigned short other = 0x027F;  // 53-bit precision
    __asm__ volatile("fldcw %0" : : "m"(other));
  });
  unsigned short after = 0;
  __asm__ volatile("fnstcw %0" : "=m"(after));
  EXPECT_EQ(after, before);
#endif
  std::fesetround(previous);
}

TEST(GuardedOsCallTest, SuccessIsJudgedByTheLastErrorAlone) {
  auto failed = GuardedOsCall([] {
    SetLastError(ERROR_SHARING_VIOLATION);
    return TRUE;
  });
  EXPECT_FALSE(failed.ok());
  EXPECT_EQ(failed.result, TRUE);
  EXPECT_EQ(failed.code, error::kPermissionDenied);
  // The last error is cleared before the call, so an old one does not count.
  SetLastError(ERROR_FILE_NOT_FOUND);
  auto succeeded = GuardedOsCall([] { return FALSE; });
  EXPECT_TRUE(succeeded.ok());
  EXPECT_EQ(succeeded.code, 0);
  // The caller's error mode is back after the call.
  UINT mode = SetErrorMode(0);
  EXPECT_EQ(mode, 0u);
}

}  // namespace
}  // namespace runtime
