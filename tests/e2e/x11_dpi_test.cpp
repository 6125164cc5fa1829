// The screen's resolution as desktops announce it (Xft.dpi in the root window's resources):
// at 192 dpi the dialog is made with fonts twice as large, so its window is twice as large
// as at the 96 dpi assumed when nothing is announced.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/vestralino_sandbox.h"
#include "tests/support/x_display_test.h"

namespace {

using testing_support::Sandbox;
using testing_support::XGeometry;
using testing_support::XRun;

using X11Resolution = testing_support::XDisplayTest;

constexpr char kToday[] = "2026-12-05 10:00:00";

XGeometry DialogSize(const testing_support::XServer& server) {
  Sandbox box;
  XRun run(server, box, kToday);
  const std::string dialog = run.WaitForWindow("Vestralino");
  XGeometry size;
  if (auto g = run.Geometry(dialog)) size = *g;
  run.Keys(dialog, {"alt+F4"});
  run.Finish();
  return size;
}

TEST_F(X11Resolution, At192DpiTheDialogIsTwiceAsLarge) {
  const XGeometry normal = DialogSize(server());
  ASSERT_GT(normal.width, 0) << "no dialog window";
  auto set = server().Tool({"xprop", "-root", "-format", "RESOURCE_MANAGER", "8s", "-set",
                            "RESOURCE_MANAGER", "Xft.dpi:\t192\n"});
  ASSERT_EQ(set.exit_code, 0) << set.err;
  const XGeometry large = DialogSize(server());
  // Twice, within the rounding of the dialog font's size to whole pixels: its height at 192
  // dpi need not be exactly twice its height at 96, and a dialog is some 7 font heights tall.
  EXPECT_NEAR(static_cast<double>(large.width) / normal.width, 2.0, 0.1)
      << large.width << " x " << large.height;
  EXPECT_NEAR(static_cast<double>(large.height) / normal.height, 2.0, 0.1)
      << large.width << " x " << large.height;
}

}  // namespace
