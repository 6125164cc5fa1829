#include "runtime/dialogs/control_classes.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/dialogs/dialog_state.h"

namespace runtime {
namespace {

TEST(ControlClassesTest, TableHasTwentyFiveRows) {
  EXPECT_EQ(control_class(0), nullptr);
  EXPECT_EQ(control_class(26), nullptr);
  EXPECT_EQ(std::u16string(control_class(1)->class_name), u"BUTTON");
  EXPECT_EQ(std::u16string(control_class(18)->class_name), u"SysTreeView32");
  EXPECT_EQ(std::u16string(control_class(25)->class_name), u"LISTBOX");
}

TEST(ControlClassesTest, StyleRules) {
  const WCHAR* picker = u"SysDateTimePick32";
  struct Row {
    const char* what;
    std::int32_t kind;
    DWORD style, ex_style;
    std::int32_t width, height;
    const char16_t* class_name;
    DWORD expected_style, expected_ex, expected_final;
  };
  const Row rows[] = {
      {"push button, default style", 1, 0, 0, 40, 15, u"BUTTON", 0x50010000, 0, 0x50010000},
      {"default push button", 1, 0x10001, 0, 40, 15, u"BUTTON", 0x50010001, 0, 0x50010001},
      {"an option style still makes a check box", 3, 0x50010009, 0, 9, 9, u"BUTTON",
       0x50010003, 0, 0x50010003},
      {"three-state box from a push style", 2, 0x50810000, 0, 9, 9, u"BUTTON", 0x50010006, 0,
       0x50010006},
      {"group frame loses tab stop and group", 4, 0x50030000, 0, 9, 9, u"BUTTON", 0x50000007,
       0, 0x50000007},
      {"text box default: border becomes a client edge", 9, 0, 0, 50, 12, u"EDIT", 0x50010080,
       0x200, 0x50010080},
      {"text box with an explicit border keeps it", 9, 0x50810080, 0, 50, 12, u"EDIT",
       0x50810080, 0, 0x50810080},
      {"list box default", 25, 0, 0, 50, 50, u"LISTBOX", 0x50210003, 0x200, 0x50210003},
      {"combo box default has no border to move", 24, 0, 0, 50, 50, u"COMBOBOX", 0x50010102, 0,
       0x50010102},
      {"scroll bar taller than wide is vertical", 8, 0, 0, 10, 100, u"SCROLLBAR", 0x50000001, 0,
       0x50000001},
      {"scroll bar wider than tall", 8, 0, 0, 100, 10, u"SCROLLBAR", 0x50000000, 0, 0x50000000},
      {"tab control loses the button bits", 22, 0x50000305, 0, 9, 9, u"SysTabControl32",
       0x50000000, 0, 0x50000000},
      {"tree view: check boxes only after creation", 18, 0x50010127, 0, 9, 9, u"SysTreeView32",
       0x50010027, 0, 0x50010127},
      {"named class: the caller's styles unchanged", 0, 0x50010000, 0x200, 105, 20, picker,
       0x50010000, 0x200, 0x50010000},
      {"named class with style 0 stays hidden and top-level", 0, 0, 0, 9, 9, picker, 0, 0, 0},
      {"kind 23: the caller's class", 23, 0x50000000, 0, 9, 9, picker, 0x50000000, 0,
       0x50000000},
  };
  for (const Row& r : rows) {
    ControlCreation c = control_creation(r.kind, picker, r.style, r.ex_style, r.width, r.height);
    EXPECT_EQ(std::u16string(c.class_name), r.class_name) << r.what;
    EXPECT_EQ(c.style, r.expected_style) << r.what;
    EXPECT_EQ(c.ex_style, r.expected_ex) << r.what;
    EXPECT_EQ(c.final_style, r.expected_final) << r.what;
  }
}

TEST(ControlClassesTest, ImageKindsSwitchToTheIconForm) {
  EXPECT_EQ(icon_style_for_image_kind(10, 0x5000000E), 0x50000003u);  // SS_ICON
  EXPECT_EQ(icon_style_for_image_kind(11, 0x5000000E), 0x50000003u);
  EXPECT_EQ(icon_style_for_image_kind(12, 0x50010080), 0x50010040u);  // BS_ICON
  EXPECT_EQ(icon_style_for_image_kind(13, 0x50010080), 0x50010040u);
  EXPECT_EQ(icon_style_for_image_kind(5, 0x5000000E), 0x5000000Eu);
}

}  // namespace
}  // namespace runtime
