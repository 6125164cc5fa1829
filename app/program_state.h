// The day counter's program-wide state. The frame clears it before AppMain runs and
// releases its texts after AppMain returned; nothing else survives between runs except
// the log file itself.
#pragma once

#include <cstdint>

#include "platform/win32.h"
#include "runtime/text/dyn_string.h"

namespace app {

// A log record is 24 bytes: visit date, then start date, each a NUL-terminated text in a
// 12-byte slot. Bytes after a slot's NUL carry no meaning.
inline constexpr std::uint32_t kLogRecordLength = 24;
inline constexpr std::uint32_t kDateFieldLength = 12;
inline constexpr std::uint32_t kVisitDateOffset = 0;
inline constexpr std::uint32_t kStartDateOffset = 12;
inline constexpr std::uint32_t kAppDirSize = 255;  // at most 254 text bytes and a NUL
inline constexpr std::uint32_t kLogPathSize = 1024;

struct ProgramState {
  runtime::DynString today_text;  // DD/MM/YYYY
  runtime::DynString start_text;  // the streak's first day, as stored in the log
  std::int32_t day_count = 0;
  char app_dir[kAppDirSize] = {};  // the executable's directory with its trailing "\"
  unsigned char log_record[kLogRecordLength] = {};
  HWND start_dialog = nullptr;
  HWND saved_focus = nullptr;
  // The parts of the last date text formatted by FormatToday.
  runtime::DynString day_part;
  runtime::DynString month_part;
  runtime::DynString year_part;
  // Set when the log exists but could not be read (another program held it past the
  // bounded wait): start_text is then unknown and must not be written back.
  bool start_unreadable = false;
};

ProgramState& Program();
// The frame's start-up step: every program-wide variable zero or empty.
void ClearProgramState();
// The frame's shut-down step: the program-wide texts freed.
void ReleaseProgramState();

}  // namespace app
