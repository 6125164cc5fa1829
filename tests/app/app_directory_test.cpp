#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/app_main.h"
#include "app/log_file.h"
#include "app/program_state.h"
#include "runtime/frame/routine_frame.h"

namespace {

std::string LogPathFor(const char* executable) {
  app::ProgramState program;
  app::SetAppDirectory(program, executable);
  runtime::RoutineFrame frame;
  app::PushLogPath(frame.strings, program);
  std::string path(frame.strings.View(0));
  frame.strings.PopDiscard();
  return path;
}

TEST(AppDirectory, IsThePathUpToItsLastBackslash) {
  EXPECT_EQ(LogPathFor("\\tmp\\x\\vestralino"), "\\tmp\\x\\quembral.log");
  EXPECT_EQ(LogPathFor("C:\\Program Files\\V\\vestralino.exe"),
            "C:\\Program Files\\V\\quembral.log");
  // Without a backslash the log is looked for in the current directory.
  EXPECT_EQ(LogPathFor("vestralino"), "quembral.log");
  EXPECT_EQ(LogPathFor("/tmp/x/vestralino"), "quembral.log");
  EXPECT_EQ(LogPathFor(""), "quembral.log");
}

TEST(AppDirectory, IsCutTo254Bytes) {
  std::string long_path = "\\" + std::string(300, 'd') + "\\vestralino";
  app::ProgramState program;
  app::SetAppDirectory(program, long_path.c_str());
  EXPECT_EQ(std::strlen(program.app_dir), 254u);
  EXPECT_EQ(std::string(program.app_dir), long_path.substr(0, 254));
}

}  // namespace
