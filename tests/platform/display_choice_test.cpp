#include <gtest/gtest.h>

#include "platform/display/display_driver.h"

namespace platform {
namespace {

TEST(DisplayChoiceTest, ExplicitChoiceElseTheFirstThatWorks) {
  struct Case {
    const char* requested;
    bool x11_usable;
    bool in_terminal;
    DisplayKind chosen;
  };
  const Case cases[] = {
      {nullptr, true, true, DisplayKind::kX11},
      {nullptr, false, true, DisplayKind::kTty},
      {nullptr, false, false, DisplayKind::kHeadless},
      {"headless", true, true, DisplayKind::kHeadless},
      {"tty", true, false, DisplayKind::kTty},
      {"x11", true, false, DisplayKind::kX11},
      {"x11", false, true, DisplayKind::kTty},  // asked for but unusable: the next
      {"x11", false, false, DisplayKind::kHeadless},
      {"", false, false, DisplayKind::kHeadless},
      {"wayland", false, true, DisplayKind::kTty},  // unknown counts as unset
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseDisplayKind(c.requested, c.x11_usable, c.in_terminal), c.chosen)
        << (c.requested ? c.requested : "(unset)") << " x11=" << c.x11_usable
        << " terminal=" << c.in_terminal;
  }
}

}  // namespace
}  // namespace platform
