// A program image started again in the same process finds no file of the previous run
// open and numbering starting over, as in a fresh process.
#include <gtest/gtest.h>

#include "runtime/frame/process_entry.h"
#include "tests/runtime/files/files_fixture.h"

namespace runtime {
namespace {

std::string* g_path = nullptr;
FileNumber g_number = 0;
std::int32_t g_open_at_start = -2;

std::int32_t LeaveAFileOpen(HINSTANCE, HINSTANCE, const WCHAR*, int) {
  RoutineFrame frame;
  g_open_at_start = FileInfo(frame, 1, file_info::kIsOpen);
  g_number = NextFreeFileNumber();
  frame.strings.PushCopy(*g_path);
  frame.strings.SlotToWide(0);
  FileOpen(frame, g_number, 0x04E1, 24, 1);
  return frame.errors.ErrorCode();
}

TEST_F(FilesTest, StartUpClosesWhatAnEarlierRunLeftOpen) {
  std::string path = PathOf("left-open");
  g_path = &path;
  ProgramImage program{&LeaveAFileOpen, nullptr, nullptr};
  ASSERT_EQ(RunProgram(program), 0u);
  EXPECT_EQ(g_number, 1);
  ASSERT_EQ(RunProgram(program), 0u);
  EXPECT_EQ(g_open_at_start, 0) << "the first run's file 1 is still open";
  EXPECT_EQ(g_number, 1) << "numbering did not start over";
}

}  // namespace
}  // namespace runtime
