// The headless display with a script to answer its boxes and a transcript to read back;
// the environment and the display session are put back after each test.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/display/display_session.h"
#include "tests/support/json.h"
#include "tests/support/temp_dir.h"

class HeadlessDisplayTest : public testing::Test {
 protected:
  // Each script starts a fresh transcript.
  void UseScript(const std::string& script) {
    std::remove((dir_ / "transcript").c_str());
    testing_support::WriteBytes(dir_ / "script", script);
    setenv("VESTRALINO_DISPLAY", "headless", 1);
    setenv("VESTRALINO_SCRIPT", (dir_ / "script").c_str(), 1);
    setenv("VESTRALINO_TRANSCRIPT", (dir_ / "transcript").c_str(), 1);
    platform::ResetDisplaySession();
  }
  void TearDown() override {
    unsetenv("VESTRALINO_DISPLAY");
    unsetenv("VESTRALINO_SCRIPT");
    unsetenv("VESTRALINO_TRANSCRIPT");
    platform::ResetDisplaySession();
  }
  std::vector<testing_support::Json> Transcript() {
    return testing_support::ReadTranscript(dir_ / "transcript");
  }

  testing_support::TempDir dir_;
};
