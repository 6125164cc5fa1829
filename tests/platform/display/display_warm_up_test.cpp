// The display made ready in a pause: only an X display, only before the first display is
// made, handed over once; and the pause work that carries it.
#include "platform/display/display_warm_up.h"

#include <gtest/gtest.h>

#include <time.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/display/x11/x11_connection.h"
#include "platform/kernel/pause_work.h"
#include "platform/win32.h"

namespace platform {
namespace {

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value == nullptr) {
      unsetenv(name);
    } else {
      setenv(name, value, 1);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

std::int64_t InMilliseconds(int ms) {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec +
         std::int64_t{ms} * 1'000'000;
}

// One process, one warm-up: the steps run in order in a single test.
TEST(DisplayWarmUp, OnlyAnXDisplayIsLookedForAndOnlyBeforeTheFirstDisplay) {
  struct Row {
    const char* choice;
    const char* display;
  };
  for (const Row& row : {Row{"headless", ":4093"}, Row{"tty", ":4093"}, Row{nullptr, nullptr},
                         Row{"x11", ""}}) {
    ScopedEnv choice("VESTRALINO_DISPLAY", row.choice);
    ScopedEnv display("DISPLAY", row.display);
    WarmUpDisplay(InMilliseconds(5));  // looks for nothing
  }
  ScopedEnv choice("VESTRALINO_DISPLAY", nullptr);
  ScopedEnv display("DISPLAY", ":4093");  // no server listens there
  WarmUpDisplay(InMilliseconds(5));
  WarmedUpConnection found = TakeWarmedUpConnection();
  EXPECT_TRUE(found.tried);
  EXPECT_EQ(found.connection, nullptr);
  EXPECT_FALSE(TakeWarmedUpConnection().tried);  // handed over once
  WarmUpDisplay(InMilliseconds(5));  // a display was made: nothing more
  EXPECT_FALSE(TakeWarmedUpConnection().tried);
}

TEST(PauseWork, IsTakenOnceAndSleepDoesItWithinThePause) {
  static std::int64_t given_deadline = 0;
  static int calls = 0;
  OfferPauseWork([](std::int64_t deadline_ns) {
    given_deadline = deadline_ns;
    ++calls;
  });
  const std::int64_t before = InMilliseconds(0);
  Sleep(kShortestWorkingPauseMs - 1);  // too short to be used
  EXPECT_EQ(calls, 0);
  Sleep(kShortestWorkingPauseMs + 2);
  const std::int64_t after = InMilliseconds(0);
  EXPECT_EQ(calls, 1);
  EXPECT_GE(given_deadline, before + std::int64_t{kShortestWorkingPauseMs + 2} * 1'000'000);
  EXPECT_GE(after, given_deadline);  // the whole pause was slept
  Sleep(kShortestWorkingPauseMs + 2);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(TakePauseWork(), nullptr);
}

}  // namespace
}  // namespace platform
