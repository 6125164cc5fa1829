#include "runtime/dialogs/color_rules.h"

#include <gtest/gtest.h>

#include "runtime/dialogs/dialog_state.h"

namespace runtime {
namespace {

TEST(ColorRulesTest, StoredValues) {
  const std::int32_t rows[][3] = {
      // given, as text, as background
      {0x0000FF, 0x0000FF, 0x0000FF},
      {0x120000FF, 0x0000FF, 0x0000FF},  // only the colour bits
      {-1, SYSTEM_COLOR, SYSTEM_COLOR},
      {-2, SYSTEM_COLOR, TRANSPARENT_COLOR},  // transparent is a background only
      {-3, SYSTEM_COLOR, SYSTEM_COLOR},
      {-77, SYSTEM_COLOR, SYSTEM_COLOR},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(normalized_text_color(r[0]), r[1]) << r[0];
    EXPECT_EQ(normalized_back_color(r[0]), r[2]) << r[0];
  }
}

TEST(ColorRulesTest, SystemColourIndexesByMessage) {
  const int text[] = {7, 8, 8, 18, 8, 8, 8};
  const int back[] = {4, 5, 5, 15, 15, 0, 15};
  for (UINT m = 0x132; m <= 0x138; ++m) {
    EXPECT_EQ(system_text_color_index(m), text[m - 0x132]) << m;
    EXPECT_EQ(system_back_color_index(m), back[m - 0x132]) << m;
  }
}

}  // namespace
}  // namespace runtime
