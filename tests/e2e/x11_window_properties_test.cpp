// What window managers, pagers and scripts read from the program's X windows: title, type,
// fixed size, icon, class, pid, close protocol, the owner of a box shown over the dialog,
// and the dialog centred on the screen (1280 x 800, no window manager, no work area).
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "tests/support/vestralino_sandbox.h"
#include "tests/support/x_display_test.h"

namespace {

using testing_support::RunOutcome;
using testing_support::Sandbox;
using testing_support::XRun;
using ::testing::HasSubstr;

using X11WindowProperties = testing_support::XDisplayTest;

constexpr char kToday[] = "2026-12-05 10:00:00";

int Count(const std::string& text, const std::string& part) {
  int n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++n;
  }
  return n;
}

TEST_F(X11WindowProperties, TheStartDayDialog) {
  Sandbox box;
  XRun run(server(), box, kToday);
  const std::string dialog = run.WaitForWindow("Vestralino");
  ASSERT_FALSE(dialog.empty()) << "no dialog window";
  auto client = run.Geometry(dialog);
  ASSERT_TRUE(client.has_value());
  const std::string size =
      std::to_string(client->width) + " by " + std::to_string(client->height);

  EXPECT_EQ(run.Property(dialog, "WM_NAME"), "WM_NAME = \"Vestralino\"\n");
  EXPECT_EQ(run.Property(dialog, "_NET_WM_NAME"), "_NET_WM_NAME = \"Vestralino\"\n");
  EXPECT_EQ(run.Property(dialog, "_NET_WM_WINDOW_TYPE"),
            "_NET_WM_WINDOW_TYPE = _NET_WM_WINDOW_TYPE_DIALOG\n");
  const std::string hints = run.Property(dialog, "WM_NORMAL_HINTS");
  EXPECT_THAT(hints, HasSubstr("minimum size: " + size));
  EXPECT_THAT(hints, HasSubstr("maximum size: " + size));
  // The icon may come after the first frame (it is not needed to show the window).
  std::string icon = run.Property(dialog, "_NET_WM_ICON");
  for (int i = 0; i < 250 && icon.find("not found") != std::string::npos; ++i) {
    usleep(20000);
    icon = run.Property(dialog, "_NET_WM_ICON");
  }
  EXPECT_GE(Count(icon, "Icon ("), 2) << icon.substr(0, 200);  // several sizes
  EXPECT_THAT(icon, HasSubstr("Icon (16 x 16)"));
  EXPECT_THAT(icon, HasSubstr("Icon (32 x 32)"));
  EXPECT_THAT(run.Property(dialog, "WM_CLASS"), HasSubstr("\"vestralino\""));
  EXPECT_EQ(run.Property(dialog, "_NET_WM_PID"),
            "_NET_WM_PID = " + std::to_string(run.pid()) + "\n");
  EXPECT_THAT(run.Property(dialog, "WM_PROTOCOLS"), HasSubstr("WM_DELETE_WINDOW"));
  EXPECT_THAT(run.Property(dialog, "WM_TRANSIENT_FOR"), HasSubstr("not found"));

  // Centred on the screen, frame included as the transcript reports it.
  auto line = run.WaitForTranscriptWindow("#32770");
  ASSERT_TRUE(line.has_value());
  const double width = (*line)["right"].number() - (*line)["left"].number();
  const double height = (*line)["bottom"].number() - (*line)["top"].number();
  EXPECT_NEAR((*line)["left"].number(), (1280 - width) / 2, 1);
  EXPECT_NEAR((*line)["top"].number(), (800 - height) / 2, 1);
  // The X window is the client area, where the frame (equal sides and bottom, the caption
  // on top) puts it: root coordinates are screen coordinates.
  const double side = (width - client->width) / 2;
  EXPECT_EQ(client->x, (*line)["left"].number() + side);
  EXPECT_EQ(client->y, (*line)["bottom"].number() - side - client->height);
}

// A log that cannot be written: "Aceptar" shows the "Err: " box over the dialog. The program
// gives the box no owner window, so its X window names none (no WM_TRANSIENT_FOR), and it is
// a dialog of the same process.
TEST_F(X11WindowProperties, TheErrorBoxOverTheDialog) {
  Sandbox box;
  ASSERT_EQ(symlink("/nonexistent-vestralino-dir/quembral.log", box.log_path().c_str()), 0);
  XRun run(server(), box, kToday);
  const std::string dialog = run.WaitForWindow("Vestralino");
  ASSERT_FALSE(dialog.empty()) << "no dialog window";
  auto line = run.WaitForTranscriptWindow("#32770");
  ASSERT_TRUE(line.has_value());
  for (const auto& control : (*line)["controls"].items()) {
    if (control["text"].str() != "Aceptar") continue;
    run.Click(dialog,
              static_cast<int>(control["left"].number() + control["right"].number()) / 2,
              static_cast<int>(control["top"].number() + control["bottom"].number()) / 2);
  }
  const std::string error_box = run.WaitForWindow("Varovozodoz");
  ASSERT_FALSE(error_box.empty()) << "no error box";
  EXPECT_NE(error_box, dialog);
  EXPECT_THAT(run.Property(error_box, "WM_TRANSIENT_FOR"), HasSubstr("not found"));
  EXPECT_EQ(run.Property(error_box, "_NET_WM_WINDOW_TYPE"),
            "_NET_WM_WINDOW_TYPE = _NET_WM_WINDOW_TYPE_DIALOG\n");
  EXPECT_EQ(run.Property(error_box, "_NET_WM_PID"),
            "_NET_WM_PID = " + std::to_string(run.pid()) + "\n");
  run.Keys(error_box, {"Return"});
  RunOutcome outcome = run.Finish();
  EXPECT_EQ(outcome.exit_code, 0) << outcome.err;
  ASSERT_EQ(outcome.MessageBoxes().size(), 1u) << outcome.err;
  EXPECT_EQ(outcome.MessageBoxes()[0]["text"].str().substr(0, 5), "Err: ");
}

// Where a desktop announces its work area (_NET_WORKAREA on the root: the screen less its
// panels), the dialog is centred in it rather than on the whole screen.
TEST_F(X11WindowProperties, TheDialogIsCentredInTheWorkArea) {
  auto set = server().Tool({"xprop", "-root", "-f", "_NET_WORKAREA", "32c", "-set",
                            "_NET_WORKAREA", "100, 40, 1000, 700"});
  ASSERT_EQ(set.exit_code, 0) << set.err;
  Sandbox box;
  XRun run(server(), box, kToday);
  ASSERT_FALSE(run.WaitForWindow("Vestralino").empty()) << "no dialog window";
  auto line = run.WaitForTranscriptWindow("#32770");
  ASSERT_TRUE(line.has_value());
  const double width = (*line)["right"].number() - (*line)["left"].number();
  const double height = (*line)["bottom"].number() - (*line)["top"].number();
  EXPECT_NEAR((*line)["left"].number(), 100 + (1000 - width) / 2, 1);
  EXPECT_NEAR((*line)["top"].number(), 40 + (700 - height) / 2, 1);
}

}  // namespace
