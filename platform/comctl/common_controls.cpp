// InitCommonControlsEx and InitCommonControls, and the table of common-control classes.
#include "platform/comctl/common_controls.h"

#include <atomic>

#include "platform/comctl/control_registrars.h"

namespace platform {
namespace {
std::atomic<DWORD> registered_classes{0};
}  // namespace

DWORD RegisteredCommonControlClasses() {
  return registered_classes.load();
}

std::span<const CommonControlClass> CommonControlClasses() {
  using namespace comctl;
  static constexpr CommonControlClass kClasses[] = {
      {u"SysListView32", ICC_LISTVIEW_CLASSES, RegisterListView},
      {u"SysHeader32", ICC_LISTVIEW_CLASSES, RegisterHeader},
      {u"SysTreeView32", ICC_TREEVIEW_CLASSES, RegisterTreeView},
      {u"tooltips_class32", ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES,
       RegisterToolTips},
      {u"ToolbarWindow32", ICC_BAR_CLASSES, RegisterToolbar},
      {u"msctls_statusbar32", ICC_BAR_CLASSES, RegisterStatusBar},
      {u"msctls_trackbar32", ICC_BAR_CLASSES, RegisterTrackBar},
      {u"SysTabControl32", ICC_TAB_CLASSES, RegisterTabControl},
      {u"msctls_updown32", ICC_UPDOWN_CLASS, RegisterUpDown},
      {u"msctls_progress32", ICC_PROGRESS_CLASS, RegisterProgressBar},
      {u"SysDateTimePick32", ICC_DATE_CLASSES, RegisterDateTimePicker},
      {u"SysMonthCal32", ICC_DATE_CLASSES, RegisterMonthCalendar},
  };
  return kClasses;
}

void ForgetCommonControlClasses() {
  registered_classes.store(0);
  for (const CommonControlClass& c : CommonControlClasses()) UnregisterClassW(c.name, nullptr);
}

}  // namespace platform

extern "C" {

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
  if (init == nullptr || init->dwSize != sizeof(INITCOMMONCONTROLSEX)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  platform::registered_classes.fetch_or(init->dwICC);
  // Registers now what the bits name (a lookup registers a built-in class on first use).
  for (const platform::CommonControlClass& c : platform::CommonControlClasses()) {
    if ((c.icc_bit & init->dwICC) == 0) continue;
    WNDCLASSEXW info{};
    info.cbSize = sizeof info;
    GetClassInfoExW(nullptr, c.name, &info);
  }
  return TRUE;
}

void InitCommonControls() {
  INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&init);
}

}  // extern "C"
