// The log file "quembral.log" beside the executable: the program's only persistent
// state. A growing file of 24-byte records (visit date, start date); only the start date
// of the last whole record is ever read back. Each operation opens and closes the file.
#pragma once

#include "runtime/files/file_table.h"
#include "runtime/text/work_stack.h"

namespace app {

struct ProgramState;

// True when the path can be queried (any kind of file-system object counts).
bool LogFileExists(const char* path);

// Sets start_text from the last whole record (left as it was when there is none). A log
// that another program holds without sharing is waited for a short while; if it stays
// unreadable, start_unreadable is set.
void ReadStartDate(ProgramState& program);

// Appends the record (today_text, start_text) after the last whole record; a failure is
// shown in an "Err: " box.
void AppendLogRecord(ProgramState& program);

// Removes the log (read-only, hidden and system cleared first); failures are not reported.
void DeleteLog(ProgramState& program);

// Pushes the log path, app_dir + "quembral.log", onto the work stack.
void PushLogPath(runtime::StringWorkStack& strings, const ProgramState& program);

}  // namespace app
