#include "runtime/frame/error_state.h"

#include <gtest/gtest.h>

namespace runtime {
namespace {

TEST(ErrorStateTest, TheMostRecentFailureWinsAndSuccessesLeaveIt) {
  ErrorState errors;
  EXPECT_EQ(errors.ErrorCode(), 0);
  errors.RaiseError(53);
  errors.RaiseError(61);
  // A successful step changes nothing: there is no call that would.
  EXPECT_EQ(errors.ErrorCode(), 61);
  EXPECT_EQ(errors.word(), 0xB000 | 61);
}

TEST(ErrorStateTest, TakeErrorCodeClearsInTheSameStep) {
  ErrorState errors;
  errors.RaiseError(52);
  EXPECT_EQ(errors.TakeErrorCode(), 52);
  EXPECT_EQ(errors.TakeErrorCode(), 0);
  EXPECT_EQ(errors.word(), 0);
}

TEST(ErrorStateTest, RaisingReplacesOutOfRangeCodes) {
  struct Case {
    long long raised;
    bool by_user;
    unsigned expected;
  };
  const Case cases[] = {
      {0, false, 51},  // a service raising 0 is an internal error
      {0, true, 5},   {300, true, 5},   {-1, true, 5}, {256, true, 5},
      {1, true, 1},   {240, true, 240}, {7, false, 7},
  };
  for (const Case& c : cases) {
    ErrorState errors;
    if (c.by_user) {
      errors.RaiseUserError(c.raised);
    } else {
      errors.RaiseError(static_cast<unsigned>(c.raised));
    }
    EXPECT_EQ(errors.ErrorCode(), c.expected) << c.raised << (c.by_user ? " by the user" : "");
    EXPECT_EQ(errors.word() >> 8, ErrorState::kRaisedFlags);
  }
}

TEST(ErrorStateTest, SetErrorCodeSetsTheLowByteOnly) {
  ErrorState errors;
  errors.RaiseError(52);
  errors.SetErrorCode(0x1F7);
  EXPECT_EQ(errors.word(), 0xB0F7);  // no fatal rule, flags kept
  errors.ClearError();
  EXPECT_EQ(errors.word(), 0);
}

TEST(ErrorStateDeathTest, FatalCodesEndTheProcessWith255) {
  EXPECT_EXIT({ ErrorState().RaiseError(241); }, testing::ExitedWithCode(255), "");
  EXPECT_EXIT({ ErrorState().RaiseUserError(244); }, testing::ExitedWithCode(255), "");
}

}  // namespace
}  // namespace runtime
