// The plain Windows program (plain_program/plain_window.cpp) runs headless: a script
// clicks its child twice, types, and closes it.
#include <gtest/gtest.h>

#include "tests/platform/headless_display_fixture.h"
#include "tests/support/child_process.h"

namespace {

using PlainProgramTest = HeadlessDisplayTest;

TEST_F(PlainProgramTest, RunsHeadlessFromAScript) {
  testing_support::WriteBytes(dir_ / "script", "press Hello\nclick 100\ntype ok\nclose\n");
  testing_support::ChildOptions options;
  options.environment = {"VESTRALINO_DISPLAY=headless",
                         "VESTRALINO_SCRIPT=" + std::string(dir_ / "script"),
                         "VESTRALINO_TRANSCRIPT=" + std::string(dir_ / "transcript")};
  testing_support::ChildResult result = testing_support::RunChild({PLAIN_WIN32_PROGRAM}, options);
  EXPECT_EQ(result.exit_code, 2) << result.err;
  EXPECT_EQ(result.out, "clicked 1\nclicked 2\ntyped ok\n");
  auto lines = Transcript();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0]["class"].str(), "PlainMain");
  EXPECT_EQ(lines[0]["controls"][0]["text"].str(), "Hello");
}

TEST_F(PlainProgramTest, AnEmptyScriptClosesItAndNothingHangs) {
  testing_support::WriteBytes(dir_ / "script", "");
  testing_support::ChildOptions options;
  options.environment = {"VESTRALINO_DISPLAY=headless",
                         "VESTRALINO_SCRIPT=" + std::string(dir_ / "script")};
  testing_support::ChildResult result = testing_support::RunChild({PLAIN_WIN32_PROGRAM}, options);
  EXPECT_EQ(result.exit_code, 0) << result.err;
}

}  // namespace
