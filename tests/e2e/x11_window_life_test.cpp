// The program's windows as a window manager sees them come and go: the first window mapped
// is the dialog itself (no splash, no placeholder), mapped once and never unmapped and mapped
// again; the drop-down calendar is an override-redirect pop-up; all are gone at the end.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/temp_dir.h"
#include "tests/support/vestralino_sandbox.h"
#include "tests/support/x_display_test.h"

namespace {

using testing_support::HexWindowId;
using testing_support::PathExists;
using testing_support::Sandbox;
using testing_support::XRun;

using X11WindowLife = testing_support::XDisplayTest;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST_F(X11WindowLife, TheDialogIsTheFirstWindowMappedAndIsMappedOnce) {
#ifndef WATCH_TOP_LEVEL_WINDOWS
  GTEST_SKIP() << "built without xcb: no window watcher";
#else
  testing_support::TempDir dir;
  const std::string ready = dir / "ready";
  testing_support::ChildOptions options;
  options.environment = {"DISPLAY=" + server().display()};
  testing_support::Child watcher({"timeout", "-s", "KILL", "20", WATCH_TOP_LEVEL_WINDOWS, "15",
                                  ready},
                                 options);
  for (int i = 0; i < 250 && !PathExists(ready); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ASSERT_TRUE(PathExists(ready)) << "the watcher did not start";

  Sandbox box;
  XRun run(server(), box, "2026-12-05 10:00:00");
  const std::string dialog = run.WaitForWindow("Vestralino");
  ASSERT_FALSE(dialog.empty()) << "no dialog window";
  run.Keys(dialog, {"F4"});
  ASSERT_TRUE(run.WaitForTranscriptWindow("SysMonthCal32").has_value());
  run.Keys(dialog, {"Escape", "alt+F4"});
  run.Finish();
  const std::vector<std::string> events = Lines(watcher.Wait().out);

  const std::string id = HexWindowId(dialog);
  const auto first_map = std::find_if(events.begin(), events.end(), [](const std::string& e) {
    return e.rfind("map ", 0) == 0;
  });
  ASSERT_NE(first_map, events.end());
  EXPECT_EQ(*first_map, "map " + id);
  EXPECT_EQ(std::count(events.begin(), events.end(), "map " + id), 1);
  // Every other window mapped is an override-redirect pop-up (the calendar), and there is one.
  int popups = 0;
  for (const std::string& e : events) {
    if (e.rfind("map ", 0) != 0 || e == "map " + id) continue;
    const std::string created = "create " + e.substr(4) + " +override";
    EXPECT_NE(std::find(events.begin(), events.end(), created), events.end()) << e;
    ++popups;
  }
  EXPECT_EQ(popups, 1);
  // The watcher ends once everything created is destroyed: the last line is a destruction.
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back().rfind("destroy ", 0), 0u) << events.back();
#endif
}

}  // namespace
