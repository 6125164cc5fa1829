// The built-in window classes and the functions that register them on first use (see
// window_class.h). Each control adds its row here.
#include "platform/user/dialog_state.h"
#include "platform/user/controls/standard_controls.h"
#include "platform/user/controls/control_classes.h"
#include "platform/comctl/control_registrars.h"
#include "platform/user/window_class.h"

namespace platform::user {

std::span<const BuiltinClass> BuiltinClasses() {
  static constexpr BuiltinClass kClasses[] = {
      {u"", nullptr},  // placeholder: the first real row replaces it
      {u"#32770", RegisterDialogClass},
      {u"Button", controls::RegisterButtonClass},
      {u"Static", controls::RegisterStaticClass},
      {u"ScrollBar", controls::RegisterScrollBarClass},
      {u"Edit", controls::RegisterEditClass},
      {u"ListBox", controls::RegisterListBoxClass},
      {u"ComboLBox", controls::RegisterComboLBoxClass},
      {u"ComboBox", controls::RegisterComboBoxClass},
      // The common controls: each refuses until InitCommonControlsEx named its ICC_ bit.
      {u"SysListView32", comctl::RegisterListView},
      {u"SysHeader32", comctl::RegisterHeader},
      {u"SysTreeView32", comctl::RegisterTreeView},
      {u"tooltips_class32", comctl::RegisterToolTips},
      {u"ToolbarWindow32", comctl::RegisterToolbar},
      {u"msctls_statusbar32", comctl::RegisterStatusBar},
      {u"msctls_trackbar32", comctl::RegisterTrackBar},
      {u"SysTabControl32", comctl::RegisterTabControl},
      {u"msctls_updown32", comctl::RegisterUpDown},
      {u"msctls_progress32", comctl::RegisterProgressBar},
      {u"SysDateTimePick32", comctl::RegisterDateTimePicker},
      {u"SysMonthCal32", comctl::RegisterMonthCalendar},
  };
  return std::span<const BuiltinClass>(kClasses).subspan(1);
}

}  // namespace platform::user
