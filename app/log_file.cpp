#include "app/log_file.h"

#include <cstring>

#include "app/program_state.h"
#include "runtime/files/file_attributes.h"
#include "runtime/files/record_transfer.h"
#include "runtime/frame/message_box.h"
#include "runtime/frame/message_table.h"
#include "runtime/frame/routine_frame.h"
#include "runtime/text/number_text.h"
#include "runtime/text/numeric_conversion.h"
#include "runtime/text/static_text.h"

namespace app {

using runtime::FileNumber;
using runtime::RoutineFrame;

namespace {

constexpr runtime::StaticText kLogName{"quembral.log"};
constexpr runtime::StaticText kErrPrefix{"Err: "};
constexpr runtime::StaticText kBlank{" "};
constexpr runtime::StaticText kCaption{"Varovozodoz"};

// Random mode (0x04) with record length 24 and base 1, no sharing (share code 1),
// access given explicitly (0x20): for reading (0x80) or for writing (0x40).
constexpr std::uint16_t kOpenForReading = 0x04A1;
constexpr std::uint16_t kOpenForWriting = 0x0461;
constexpr std::uint16_t kReadRecord = 0x0001;
constexpr std::uint16_t kWriteRecord = 0x0081;

// Runs of the program hold the log for a few milliseconds at a time (open, one
// transfer, close). An open refused because another run holds it is tried again for up
// to a second before the refusal counts.
constexpr int kOpenAttempts = 25;
constexpr DWORD kRetryDelayMs = 40;

std::uint32_t LogAttributes(const ProgramState& program, bool* exists) {
  RoutineFrame frame;
  PushLogPath(frame.strings, program);
  frame.strings.SlotToWide(0);
  std::uint32_t attributes = runtime::FileAttributesGet(frame);
  *exists = frame.errors.ErrorCode() == 0;
  return attributes;
}

// A refusal (70) that another run's hold explains, rather than the log being a
// directory or a read-only file we want to write.
bool RefusalMayPass(const ProgramState& program, bool for_writing) {
  bool exists = false;
  std::uint32_t attributes = LogAttributes(program, &exists);
  if (!exists || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return false;
  return !(for_writing && (attributes & FILE_ATTRIBUTE_READONLY) != 0);
}

// Opens the log as `number`; on failure the routine's error state holds the code.
bool OpenLog(RoutineFrame& frame, const ProgramState& program, FileNumber number,
             std::uint16_t mode) {
  for (int attempt = 1;; ++attempt) {
    PushLogPath(frame.strings, program);
    frame.strings.SlotToWide(0);
    runtime::FileOpen(frame, number, mode, kLogRecordLength, 1, nullptr);
    runtime::RuntimeErrorCode code = frame.errors.ErrorCode();
    if (code == 0) return true;
    if (code != runtime::error::kPermissionDenied || attempt == kOpenAttempts ||
        !RefusalMayPass(program, mode == kOpenForWriting)) {
      return false;
    }
    frame.errors.ClearError();
    Sleep(kRetryDelayMs);
  }
}

long double WholeRecords(RoutineFrame& frame, FileNumber number) {
  return runtime::IntegerDivide(frame.errors, runtime::FileLength(frame, number),
                                kLogRecordLength);
}

// A field's text ends at its first NUL, or after all 12 bytes when it has none: reading
// never runs past the field.
void PushField(runtime::StringWorkStack& strings, const unsigned char* field) {
  const void* end = std::memchr(field, 0, kDateFieldLength);
  std::size_t n = end ? static_cast<const unsigned char*>(end) - field : kDateFieldLength;
  strings.PushCopy({reinterpret_cast<const char*>(field), n});
}

void ShowWriteError(RoutineFrame& frame, runtime::RuntimeErrorCode code) {
  auto& s = frame.strings;
  s.PushBorrowed(kErrPrefix);
  runtime::NumberToText(s, code, 15, true);
  s.ConcatTop();
  s.PushBorrowed(kBlank);
  s.ConcatTop();
  s.PushOwned(runtime::ErrorMessageText(frame.errors, code));
  s.ConcatTop();
  s.SlotToWide(0);
  s.PushBorrowed(kCaption);
  s.SlotToWide(0);
  runtime::ShowMessageBox(frame, MB_OK);
}

}  // namespace

void PushLogPath(runtime::StringWorkStack& strings, const ProgramState& program) {
  strings.PushFromCString(program.app_dir);
  strings.PushBorrowed(kLogName);
  strings.ConcatTop();
}

bool LogFileExists(const char* path) {
  RoutineFrame frame;
  frame.strings.PushFromCString(path);
  frame.strings.SlotToWide(0);
  runtime::FileAttributesGet(frame);
  return frame.errors.TakeErrorCode() == 0;
}

void ReadStartDate(ProgramState& program) {
  RoutineFrame frame;
  FileNumber number = runtime::NextFreeFileNumber();
  bool opened = OpenLog(frame, program, number, kOpenForReading);
  program.start_unreadable = !opened && RefusalMayPass(program, false);
  // Only the last whole record's start date counts; reading the ones before it would
  // give the same result, one system call pair per record.
  long double records = WholeRecords(frame, number);
  if (records >= 1) {
    runtime::RecordTransfer(frame, number, kReadRecord, program.log_record, kLogRecordLength,
                            records);
    PushField(frame.strings, program.log_record + kStartDateOffset);
    frame.strings.PopAssign(program.start_text);
  }
  runtime::FileClose(frame, number);
}

void AppendLogRecord(ProgramState& program) {
  // The start date is unknown when the read found the log held: try it once more rather
  // than write a record that would lose the streak's first day.
  if (program.start_unreadable) ReadStartDate(program);

  RoutineFrame frame;
  auto& s = frame.strings;
  // Each text cut to 11 bytes and NUL-terminated; the slot's other bytes stay as they
  // were (zeros, or those of the record last read).
  s.PushBorrowed(program.today_text);
  s.PopToCBuffer(reinterpret_cast<char*>(program.log_record + kVisitDateOffset),
                 kDateFieldLength);
  s.PushBorrowed(program.start_text);
  s.PopToCBuffer(reinterpret_cast<char*>(program.log_record + kStartDateOffset),
                 kDateFieldLength);

  FileNumber number = runtime::NextFreeFileNumber();
  bool opened = OpenLog(frame, program, number, kOpenForWriting);
  long double records = WholeRecords(frame, number);
  if (opened && program.start_unreadable) {
    frame.errors.RaiseUserError(runtime::error::kPermissionDenied);
  } else {
    runtime::RecordTransfer(frame, number, kWriteRecord, program.log_record, kLogRecordLength,
                            records + 1);
  }
  // Errors are never cleared here: a failed open, length query or write all count, and
  // the most recent one is the one shown.
  bool failed = frame.errors.ErrorCode() != 0;
  runtime::FileClose(frame, number);
  if (failed) ShowWriteError(frame, frame.errors.ErrorCode());
}

void DeleteLog(ProgramState& program) {
  RoutineFrame frame;
  PushLogPath(frame.strings, program);
  frame.strings.SlotToWide(0);
  runtime::FileAttributesSet(frame, FILE_ATTRIBUTE_ARCHIVE);
  frame.errors.ClearError();
  for (int attempt = 1;; ++attempt) {
    PushLogPath(frame.strings, program);
    frame.strings.SlotToWide(0);
    runtime::FileDelete(frame);
    if (frame.errors.ErrorCode() != runtime::error::kPermissionDenied ||
        attempt == kOpenAttempts || !RefusalMayPass(program, false)) {
      break;
    }
    frame.errors.ClearError();
    Sleep(kRetryDelayMs);
  }
  frame.errors.ClearError();
}

}  // namespace app
