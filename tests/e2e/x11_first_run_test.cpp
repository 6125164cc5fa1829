// A first run on an X server, driven with the pointer: "Aceptar" clicked where the
// transcript places it writes the first record; the calendar dropped down with F4 and a day
// picked with the mouse starts the streak on that day.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/vestralino_sandbox.h"
#include "tests/support/x_display_test.h"

namespace {

using testing_support::Json;
using testing_support::LogRecord;
using testing_support::RunOutcome;
using testing_support::Sandbox;
using testing_support::XDisplayTest;
using testing_support::XRun;

constexpr char kToday[] = "2026-12-05 10:00:00";

// The control with `id` among a transcript window line's controls (client coordinates).
Json Control(const Json& window, int id) {
  for (const Json& control : window["controls"].items()) {
    if (control["id"].number() == id) return control;
  }
  return Json();
}

void ClickControlCentre(const XRun& run, const std::string& window, const Json& control) {
  const int x = static_cast<int>(control["left"].number() + control["right"].number()) / 2;
  const int y = static_cast<int>(control["top"].number() + control["bottom"].number()) / 2;
  run.Click(window, x, y);
}

using X11FirstRun = XDisplayTest;

TEST_F(X11FirstRun, AceptarClickedWhereTheTranscriptShowsItWritesTheFirstRecord) {
  Sandbox box;
  XRun run(server(), box, kToday);
  const std::string dialog = run.WaitForWindow("Vestralino");
  ASSERT_FALSE(dialog.empty()) << "no dialog window";
  auto line = run.WaitForTranscriptWindow("#32770");
  ASSERT_TRUE(line.has_value());
  const Json accept = Control(*line, 1004);
  ASSERT_EQ(accept["text"].str(), "Aceptar");
  ClickControlCentre(run, dialog, accept);
  RunOutcome outcome = run.Finish();
  EXPECT_EQ(outcome.exit_code, 0) << outcome.err;
  EXPECT_EQ(box.Log(), LogRecord("05/12/2026", "05/12/2026"));
}

TEST_F(X11FirstRun, CancelarClickedWritesNothing) {
  Sandbox box;
  XRun run(server(), box, kToday);
  const std::string dialog = run.WaitForWindow("Vestralino");
  ASSERT_FALSE(dialog.empty()) << "no dialog window";
  auto line = run.WaitForTranscriptWindow("#32770");
  ASSERT_TRUE(line.has_value());
  ClickControlCentre(run, dialog, Control(*line, 1003));
  RunOutcome outcome = run.Finish();
  EXPECT_EQ(outcome.exit_code, 0) << outcome.err;
  EXPECT_FALSE(testing_support::PathExists(box.log_path()));
}

// The drop-down calendar of December 2026 starts its weeks on Sunday: its day grid has seven
// columns 30 pixels wide from x = 5 and rows 15 pixels high whose first centre is at y = 53,
// so the 17th (a Thursday in the third row) is at (140, 83) of the calendar.
TEST_F(X11FirstRun, TheCalendarDroppedWithF4TakesADayPickedWithTheMouse) {
  Sandbox box;
  XRun run(server(), box, kToday);
  const std::string dialog = run.WaitForWindow("Vestralino");
  ASSERT_FALSE(dialog.empty()) << "no dialog window";
  auto dialog_line = run.WaitForTranscriptWindow("#32770");
  ASSERT_TRUE(dialog_line.has_value());
  run.Keys(dialog, {"F4"});
  auto calendar_line = run.WaitForTranscriptWindow("SysMonthCal32");
  ASSERT_TRUE(calendar_line.has_value()) << "the calendar did not drop down";
  // Where the calendar lies from the dialog's client origin: the transcript gives both
  // windows' outer rectangles; the dialog's X window is its client area, so its frame is
  // what the outer rectangle has beyond it (equal sides and bottom, the caption on top).
  auto client = run.Geometry(dialog);
  ASSERT_TRUE(client.has_value());
  const int outer_width = static_cast<int>((*dialog_line)["right"].number() -
                                           (*dialog_line)["left"].number());
  const int outer_height = static_cast<int>((*dialog_line)["bottom"].number() -
                                            (*dialog_line)["top"].number());
  const int side = (outer_width - client->width) / 2;
  const int top = outer_height - client->height - side;
  const int calendar_x = static_cast<int>((*calendar_line)["left"].number() -
                                          (*dialog_line)["left"].number()) - side;
  const int calendar_y = static_cast<int>((*calendar_line)["top"].number() -
                                          (*dialog_line)["top"].number()) - top;
  run.Click(dialog, calendar_x + 140, calendar_y + 83);
  ClickControlCentre(run, dialog, Control(*dialog_line, 1004));  // "Aceptar"
  RunOutcome outcome = run.Finish();
  EXPECT_EQ(outcome.exit_code, 0) << outcome.err;
  EXPECT_EQ(box.Log(), LogRecord("05/12/2026", "17/12/2026"));
}

}  // namespace
