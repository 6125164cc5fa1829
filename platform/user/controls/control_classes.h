// The registrars of the edit, list-box and combo-box classes, named in the built-in
// class table (builtin_classes.cpp).
#pragma once

namespace platform::user::controls {

bool RegisterEditClass();      // "Edit"
bool RegisterListBoxClass();   // "ListBox"
bool RegisterComboLBoxClass(); // "ComboLBox": a combo box's drop-down list
bool RegisterComboBoxClass();  // "ComboBox"

}  // namespace platform::user::controls
