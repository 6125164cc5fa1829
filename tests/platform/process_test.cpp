#include <cstdio>
#include <cstring>

#include <gtest/gtest.h>

#include "platform/comctl/common_controls.h"
#include "platform/kernel/exit_process.h"
#include "platform/win32.h"

namespace {

// The start-up check needs the NT family; both structure sizes are accepted, no other.
TEST(GetVersionExA, ReportsTheNtFamilyForEitherSizeOnly) {
  for (DWORD size : {DWORD{sizeof(OSVERSIONINFOA)}, DWORD{sizeof(OSVERSIONINFOEXA)}}) {
    OSVERSIONINFOEXA info;
    std::memset(&info, 0xCC, sizeof info);
    info.dwOSVersionInfoSize = size;
    ASSERT_TRUE(GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info))) << size;
    EXPECT_EQ(info.dwPlatformId, VER_PLATFORM_WIN32_NT);
    EXPECT_EQ(info.dwMajorVersion, 10u);
    EXPECT_EQ(info.dwMinorVersion, 0u);
    EXPECT_EQ(info.dwBuildNumber, 19045u);
    EXPECT_STREQ(info.szCSDVersion, "");
    if (size == sizeof info) {
      EXPECT_EQ(info.wProductType, VER_NT_WORKSTATION);
    }
  }
  for (DWORD size : {0u, 147u, 149u, 156u + 4u}) {
    OSVERSIONINFOA info;
    std::memset(&info, 0xCC, sizeof info);
    info.dwOSVersionInfoSize = size;
    SetLastError(0);
    EXPECT_FALSE(GetVersionExA(&info)) << size;
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(info.dwPlatformId, 0xCCCCCCCCu);
  }
  EXPECT_FALSE(GetVersionExA(nullptr));
}

TEST(GetStartupInfoA, GivesNoShowStateSoTheDefaultApplies) {
  STARTUPINFOA info;
  std::memset(&info, 0xCC, sizeof info);
  GetStartupInfoA(&info);
  EXPECT_EQ(info.cb, sizeof(STARTUPINFOA));
  EXPECT_EQ(info.dwFlags & STARTF_USESHOWWINDOW, 0u);
  EXPECT_EQ(info.lpReserved2, nullptr);
  EXPECT_EQ(info.cbReserved2, 0);
}

TEST(CommonControls, RegistrationAccumulatesClassBits) {
  InitCommonControls();  // before the requests below, which include its classes
  EXPECT_EQ(platform::RegisteredCommonControlClasses() & ICC_WIN95_CLASSES, ICC_WIN95_CLASSES);
  const DWORD before = platform::RegisteredCommonControlClasses();
  INITCOMMONCONTROLSEX wrong_size{12, ICC_LINK_CLASS};
  EXPECT_FALSE(InitCommonControlsEx(&wrong_size));
  EXPECT_FALSE(InitCommonControlsEx(nullptr));
  EXPECT_EQ(platform::RegisteredCommonControlClasses(), before);
  INITCOMMONCONTROLSEX start_up{8, 0x706F};
  EXPECT_TRUE(InitCommonControlsEx(&start_up));
  INITCOMMONCONTROLSEX date{sizeof(INITCOMMONCONTROLSEX), 0x9FF};
  EXPECT_TRUE(InitCommonControlsEx(&date));
  EXPECT_EQ(platform::RegisteredCommonControlClasses() & (0x706Fu | 0x9FFu), 0x706Fu | 0x9FFu);
}

void SayFirst() {
  std::fputs("first", stdout);
}
void SaySecond() {
  std::fputs("second,", stdout);
}
void ExitAgainFromAHook() {
  ExitProcess(9);
}

TEST(ExitProcessDeathTest, EndsWithTheCodeAfterTheHooks) {
  // The hooks run, the latest first, and buffered output still reaches the file.
  testing::internal::CaptureStdout();
  EXPECT_EXIT(
      {
        std::setvbuf(stdout, nullptr, _IOFBF, 4096);
        platform::AtProcessExit(&SayFirst);
        platform::AtProcessExit(&SaySecond);
        std::fputs("[", stdout);
        ExitProcess(42);
      },
      testing::ExitedWithCode(42), "");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "[second,first");
}

TEST(ExitProcessDeathTest, AHookThatExitsDoesNotRunItselfAgain) {
  testing::internal::CaptureStdout();
  EXPECT_EXIT(
      {
        platform::AtProcessExit(&SayFirst);
        platform::AtProcessExit(&ExitAgainFromAHook);
        ExitProcess(3);
      },
      testing::ExitedWithCode(9), "");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "first");
}

}  // namespace
