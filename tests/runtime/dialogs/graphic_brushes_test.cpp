// Joins tests/runtime/dialogs/ with the record-list hook of give_graphic_defaults (see
// wip/README.md) once gdi-core and gdi-text build together.
#include <gtest/gtest.h>
#include "runtime/dialogs/record_list.h"
#include "runtime/frame/error_state.h"

namespace runtime { namespace {
HWND W(std::uintptr_t n) { return reinterpret_cast<HWND>(n * 16); }
class GraphicBrushesTest : public ::testing::Test {
 protected:
  void SetUp() override { reset_record_list(); }
  void TearDown() override { reset_record_list(); }
  DialogState* Add(HWND h, HWND p, std::uint32_t f, std::int32_t k) { return register_record(errors_, h, p, f, k); }
  ErrorState errors_;
};
}  // namespace
}  // namespace runtime

#include "platform/gdi/gdi_object.h"  // tests only: counts live GDI objects
#include "runtime/dialogs/shared_brushes.h"

namespace runtime {
namespace {

TEST_F(GraphicBrushesTest, GraphicSurfacesShareOneDefaultBrush) {
  const int before = platform::gdi::LiveObjectCount();
  DialogState* a = Add(W(1), W(9), IS_CONTROL, kind::kGraphicControl);
  DialogState* b = Add(W(2), W(9), IS_CONTROL, kind::kMemoryBitmap);
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(a->graphic.default_text_color, static_cast<std::int32_t>(GetSysColor(COLOR_WINDOWTEXT)));
  EXPECT_EQ(a->graphic.default_back_color, static_cast<std::int32_t>(GetSysColor(COLOR_BTNFACE)));
  EXPECT_NE(a->graphic.default_brush, nullptr);
  EXPECT_EQ(b->graphic.default_brush, a->graphic.default_brush);
  EXPECT_EQ(platform::gdi::LiveObjectCount(), before + 1);

  // The brush goes with the last record of its colour.
  const std::int32_t face = a->graphic.default_back_color;
  ASSERT_TRUE(unlink_record(a));
  let_go_of_brush(a->graphic.default_brush, face);
  EXPECT_EQ(platform::gdi::LiveObjectCount(), before + 1);
  ASSERT_TRUE(unlink_record(b));
  let_go_of_brush(b->graphic.default_brush, face);
  EXPECT_EQ(platform::gdi::LiveObjectCount(), before);
  delete_record(a);
  delete_record(b);
}

TEST_F(GraphicBrushesTest, NonGraphicKindsGetNoDefaults) {
  const int before = platform::gdi::LiveObjectCount();
  DialogState* label = Add(W(1), W(9), IS_CONTROL, kind::kLabel);
  EXPECT_EQ(label->graphic.default_brush, nullptr);
  EXPECT_EQ(platform::gdi::LiveObjectCount(), before);
}

}  // namespace
}  // namespace runtime
