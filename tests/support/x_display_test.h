// The fixture of the tests that run the program on an X server: each test gets its own Xvfb
// and skips when Xvfb, xdotool or libfaketime is missing.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "tests/support/x_run.h"
#include "tests/support/x_server.h"

namespace testing_support {

class XDisplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!XServer::Installed()) GTEST_SKIP() << "Xvfb is not installed";
    for (const char* tool : {"xdotool", "xprop", "setxkbmap", "timeout"}) {
      if (!OnPath(tool)) GTEST_SKIP() << tool << " is not installed";
    }
    if (FakeTimeLibrary().empty()) GTEST_SKIP() << "libfaketime is not installed";
    server_ = std::make_unique<XServer>();
    ASSERT_TRUE(server_->running()) << "Xvfb did not start";
  }

  const XServer& server() const { return *server_; }
  // Ends the X server under a running program (the display goes away).
  void StopServer() { server_.reset(); }

 private:
  std::unique_ptr<XServer> server_;
};

}  // namespace testing_support
