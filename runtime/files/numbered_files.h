// Numbered files: open a path (or attach a handle) under a FileNumber, hand out free
// numbers, close and flush, and answer length and state queries.
//
// Every service raises its failure into the caller's error state and returns a failure
// value (0, nothing done); see file_entry.h for the modes, access bits and the entry.
#pragma once

#include <cstdint>

#include "platform/win32.h"
#include "runtime/files/file_entry.h"
#include "runtime/frame/routine_frame.h"

namespace runtime {

// Opens the path in the caller's string slot 0 (UTF-16, see SlotToWide; it is popped)
// as `number`. mode_word: FileMode in the high byte, access bits in the low byte (the
// log file uses 0x0461 to write and 0x04A1 to read). Bit 0 of `base` gives the number
// of the first record. A non-null `existing` is attached instead of opening the path;
// the slot is popped all the same.
void FileOpen(RoutineFrame& frame, FileNumber number, std::uint16_t mode_word,
              std::uint32_t record_length, std::uint32_t base, HANDLE existing = nullptr);

// Closes one file. A non-zero mode_mask must share a bit with the file's mode (else 54,
// nothing closed). A number that is not open is no error. FileCloseCode returns the
// first failure instead of raising it.
RuntimeErrorCode FileCloseCode(FileNumber number, std::uint8_t mode_mask = 0);
void FileClose(RoutineFrame& frame, FileNumber number, std::uint8_t mode_mask = 0);
// Closes every file, newest first; the first failure is raised after all were closed.
void FileCloseAll(RoutineFrame& frame);

// Flushes one file (unknown numbers and device or socket entries are skipped) or all.
void FileFlush(RoutineFrame& frame, FileNumber number);
void FileFlushAll(RoutineFrame& frame);

// A number no open file has, rotating through 1..32767; it is not reserved. With every
// one of them open it answers 0 rather than search forever (opening 0 then tells).
FileNumber NextFreeFileNumber();
// Back to the state at process start (the next number handed out is 1).
void ResetFileNumberCounter();

// The file's size in bytes; 0 for a file that is not on a disk.
long double FileLength(RoutineFrame& frame, FileNumber number);

// Selectors of FileInfo.
namespace file_info {
inline constexpr std::int32_t kIsOpen = 0;
inline constexpr std::int32_t kMode = 1;
inline constexpr std::int32_t kHandle = 2;
inline constexpr std::int32_t kNumberAt = 3;  // `number` is a 1-based table position
inline constexpr std::int32_t kRecordLength = -4;
inline constexpr std::int32_t kBase = -5;
inline constexpr std::int32_t kDeviceKind = -6;
inline constexpr std::int32_t kOutsideField1 = -7;
inline constexpr std::int32_t kOutsideField2 = -8;
}  // namespace file_info
std::int32_t FileInfo(RoutineFrame& frame, FileNumber number, std::int32_t selector);

}  // namespace runtime
