// A temporary directory, a routine frame and helpers to hand paths to the file services
// the way the program does (pushed, then converted to UTF-16 on the work stack).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "runtime/files/file_attributes.h"
#include "runtime/files/file_table.h"
#include "runtime/files/record_transfer.h"
#include "runtime/frame/routine_frame.h"
#include "tests/support/temp_dir.h"

namespace runtime {

inline constexpr std::uint16_t kRandomRead = 0x04A1;   // the log's read open
inline constexpr std::uint16_t kRandomWrite = 0x0461;  // the log's write open
inline constexpr std::uint16_t kReadRecord = 0x0001;
inline constexpr std::uint16_t kWriteRecord = 0x0081;

class FilesTest : public ::testing::Test {
 protected:
  ~FilesTest() override {
    RoutineFrame cleanup;
    FileCloseAll(cleanup);
  }

  std::string PathOf(const std::string& name) const { return dir_ / name; }

  void PushPath(const std::string& path) {
    frame_.strings.PushCopy(path);
    frame_.strings.SlotToWide(0);
  }

  // Opens and answers the code the open raised (the frame is cleared first).
  RuntimeErrorCode Open(FileNumber number, const std::string& path, std::uint16_t mode_word,
                        std::uint32_t record_length = 24, std::uint32_t base = 1) {
    frame_.errors.ClearError();
    PushPath(path);
    FileOpen(frame_, number, mode_word, record_length, base);
    return frame_.errors.TakeErrorCode();
  }

  RuntimeErrorCode Transfer(FileNumber number, std::uint16_t flags, void* target,
                            std::uint32_t size, long double where = 0) {
    frame_.errors.ClearError();
    RecordTransfer(frame_, number, flags, target, size, where);
    return frame_.errors.TakeErrorCode();
  }

  RuntimeErrorCode Close(FileNumber number) {
    frame_.errors.ClearError();
    FileClose(frame_, number);
    return frame_.errors.TakeErrorCode();
  }

  RuntimeErrorCode SetAttributes(const std::string& path, DWORD attributes) {
    frame_.errors.ClearError();
    PushPath(path);
    FileAttributesSet(frame_, attributes);
    return frame_.errors.TakeErrorCode();
  }

  testing_support::TempDir dir_;
  RoutineFrame frame_;
};

}  // namespace runtime
