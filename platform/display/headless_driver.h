// The display without a screen: every wait for input takes the script's next action.
// When the script is used up, a waiting message box ends with 0 (not shown).
#pragma once

#include "platform/display/display_driver.h"
#include "platform/display/script.h"

namespace platform {

class HeadlessDriver : public DisplayDriver {
 public:
  HeadlessDriver(Script script, Transcript& transcript)
      : script_(std::move(script)), transcript_(transcript) {}

  DisplayKind kind() const override { return DisplayKind::kHeadless; }
  int RunMessageBox(const MessageBoxRequest& request) override;

 private:
  Script script_;
  Transcript& transcript_;
};

}  // namespace platform
