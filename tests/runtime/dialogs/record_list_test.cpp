#include "runtime/dialogs/record_list.h"

#include <gtest/gtest.h>

#include "runtime/frame/error_state.h"

namespace runtime {
namespace {

HWND W(std::uintptr_t n) { return reinterpret_cast<HWND>(n * 16); }
HBRUSH B(std::uintptr_t n) { return reinterpret_cast<HBRUSH>(n * 16); }

class RecordListTest : public ::testing::Test {
 protected:
  void SetUp() override { reset_record_list(); }
  void TearDown() override { reset_record_list(); }
  DialogState* Add(HWND hwnd, HWND parent, std::uint32_t flags, std::int32_t k = 0) {
    return register_record(errors_, hwnd, parent, flags, k);
  }
  ErrorState errors_;
};

TEST_F(RecordListTest, NewRecordsStartZeroWithColoursNotSet) {
  DialogState* r = Add(W(1), nullptr, IS_DIALOG | USES_DIALOG_UNITS);
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->hwnd, W(1));
  EXPECT_EQ(r->flags, IS_DIALOG | USES_DIALOG_UNITS);
  EXPECT_EQ(r->back_color, COLOR_NOT_SET);
  EXPECT_EQ(r->text_color, COLOR_NOT_SET);
  EXPECT_EQ(r->callback, nullptr);
  for (std::int32_t v : r->user_values) EXPECT_EQ(v, 0);
  EXPECT_EQ(find_record(W(1)), r);
  EXPECT_EQ(find_record(W(2)), nullptr);
  EXPECT_EQ(find_record(nullptr), nullptr);
}

TEST_F(RecordListTest, OneRecordPerWindowAndErrorFiveOtherwise) {
  ASSERT_NE(Add(W(1), nullptr, IS_DIALOG), nullptr);
  EXPECT_EQ(errors_.ErrorCode(), 0);
  EXPECT_EQ(Add(W(1), nullptr, IS_DIALOG), nullptr);
  EXPECT_EQ(errors_.ErrorCode(), 5);
  EXPECT_EQ(record_count(), 1u);
}

TEST_F(RecordListTest, UnlinkTakesOutOnceAndKeepsTheOthers) {
  DialogState* a = Add(W(1), nullptr, IS_DIALOG);
  DialogState* b = Add(W(2), W(1), IS_CONTROL);
  DialogState* c = Add(W(3), W(1), IS_CONTROL);
  EXPECT_TRUE(unlink_record(b));
  EXPECT_FALSE(unlink_record(b)) << "a record out of the list";
  EXPECT_FALSE(unlink_record(nullptr));
  delete_record(b);
  EXPECT_EQ(find_record(W(1)), a);
  EXPECT_EQ(find_record(W(3)), c);
  EXPECT_EQ(find_record(W(2)), nullptr);
  EXPECT_EQ(record_count(), 2u);
}

TEST_F(RecordListTest, WalksFindChildrenNewestFirst) {
  Add(W(1), nullptr, IS_DIALOG);
  Add(W(2), W(1), IS_CONTROL, kind::kStatusBar);
  Add(W(3), W(1), IS_DIALOG);  // a child dialog: a child, not a control
  Add(W(4), W(9), IS_CONTROL, kind::kToolbar);  // another dialog's
  Add(W(5), W(1), IS_CONTROL, kind::kLabel);
  Add(W(6), W(1), IS_CONTROL, kind::kToolbar);

  EXPECT_EQ(first_child_control(W(1)), W(6));
  EXPECT_EQ(first_child_control(W(2)), nullptr);

  std::vector<HWND> children;
  for (DialogState* r = next_child_record(W(1), nullptr); r; r = next_child_record(W(1), r)) {
    children.push_back(r->hwnd);
  }
  EXPECT_EQ(children, (std::vector<HWND>{W(6), W(5), W(3), W(2)}));

  std::vector<HWND> bars;
  for (DialogState* r = next_bar_record(W(1), nullptr); r; r = next_bar_record(W(1), r)) {
    bars.push_back(r->hwnd);
  }
  EXPECT_EQ(bars, (std::vector<HWND>{W(6), W(2)}));
}

TEST_F(RecordListTest, BrushesAreFoundByColourNewestFirst) {
  DialogState* old_red = Add(W(1), nullptr, IS_DIALOG);
  old_red->back_color = 0xFF;
  old_red->back_brush = B(1);
  DialogState* red = Add(W(2), W(1), IS_CONTROL);
  red->back_color = 0xFF;
  red->back_brush = B(2);
  DialogState* graphic = Add(W(3), W(1), IS_CONTROL, kind::kGraphicControl);
  graphic->graphic.default_back_color = 0xC0C0C0;
  graphic->graphic.default_brush = B(3);
  DialogState* label = Add(W(4), W(1), IS_CONTROL, kind::kLabel);
  label->graphic.default_back_color = 0x00FF00;  // ignored: not a graphic kind

  bool found = false;
  EXPECT_EQ(find_shared_brush(0xFF, &found), B(2));
  EXPECT_TRUE(found);
  EXPECT_EQ(find_shared_brush(0xC0C0C0), B(3));
  EXPECT_EQ(find_shared_brush(0x00FF00, &found), nullptr);
  EXPECT_FALSE(found);
  EXPECT_TRUE(color_in_use(0xFF));
  EXPECT_TRUE(color_in_use(0xC0C0C0));
  EXPECT_FALSE(color_in_use(0x00FF00));
  EXPECT_FALSE(color_in_use(0)) << "zero-filled defaults of non-graphic records are no black";
  EXPECT_TRUE(color_in_use(COLOR_NOT_SET));

  ASSERT_TRUE(unlink_record(red));
  delete_record(red);
  EXPECT_EQ(find_shared_brush(0xFF), B(1));
}

}  // namespace
}  // namespace runtime
