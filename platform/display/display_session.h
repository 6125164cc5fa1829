// The process's display session: its driver and its transcript, made on first use from
// the environment (VESTRALINO_DISPLAY, VESTRALINO_SCRIPT, VESTRALINO_TRANSCRIPT).
#pragma once

#include <memory>

#include "platform/display/display_driver.h"
#include "platform/display/transcript.h"

namespace platform {

DisplayDriver& CurrentDisplay();
Transcript& CurrentTranscript();

// Ends the session; the next use starts a new one from the environment as it is then.
// For tests, which run many sessions in one process.
void ResetDisplaySession();
// Ends the session and starts one on `driver` (tests: a display of their own).
void UseDisplayDriver(std::unique_ptr<DisplayDriver> driver);

}  // namespace platform
