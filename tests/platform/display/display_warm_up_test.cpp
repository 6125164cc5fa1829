// The connection opened ahead at start-up: begun only when the display may be X, handed to
// the first display made, once.
#include "platform/display/display_warm_up.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/display/x11/x11_connection.h"

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

TEST(DisplayWarmUp, NothingIsTakenWhenNothingWasBegun) {
  EXPECT_FALSE(TakeWarmedUpConnection().tried);
}

TEST(DisplayWarmUp, OtherDisplaysOrNoDisplayBeginNothing) {
  struct Row {
    const char* choice;
    const char* display;
  };
  for (const Row& row : {Row{"headless", ":0"}, Row{"tty", ":0"}, Row{nullptr, nullptr},
                         Row{"x11", ""}}) {
    ScopedEnv choice("VESTRALINO_DISPLAY", row.choice);
    ScopedEnv display("DISPLAY", row.display);
    BeginDisplayWarmUp();
    EXPECT_FALSE(TakeWarmedUpConnection().tried) << (row.choice ? row.choice : "(unset)");
  }
}

TEST(DisplayWarmUp, ADisplayThatDoesNotAnswerIsFoundOnceToBeAbsent) {
  ScopedEnv choice("VESTRALINO_DISPLAY", nullptr);
  ScopedEnv display("DISPLAY", ":4093");  // no server listens there
  BeginDisplayWarmUp();
  BeginDisplayWarmUp();  // a second start changes nothing
  WarmedUpConnection first = TakeWarmedUpConnection();
  EXPECT_TRUE(first.tried);
  EXPECT_EQ(first.connection, nullptr);
  EXPECT_FALSE(TakeWarmedUpConnection().tried);  // handed over once
}

}  // namespace
}  // namespace platform
