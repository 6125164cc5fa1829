// The built-in window classes and the functions that register them on first use (see
// window_class.h). Each control adds its row here.
#include "platform/user/dialog_state.h"
#include "platform/user/controls/standard_controls.h"
#include "platform/user/controls/control_classes.h"
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
  };
  return std::span<const BuiltinClass>(kClasses).subspan(1);
}

}  // namespace platform::user
