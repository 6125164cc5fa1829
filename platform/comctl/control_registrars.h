// The registrar of each common-control class (platform-internal): each registers its class
// when its ICC_ bit has been named, and refuses (false) otherwise.
#pragma once

namespace platform::comctl {

bool RegisterListView();
bool RegisterHeader();
bool RegisterTreeView();
bool RegisterToolTips();
bool RegisterToolbar();
bool RegisterStatusBar();
bool RegisterTrackBar();
bool RegisterTabControl();
bool RegisterUpDown();
bool RegisterProgressBar();
bool RegisterDateTimePicker();
bool RegisterMonthCalendar();

}  // namespace platform::comctl
