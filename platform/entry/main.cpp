// The process's C++ entry. It plays the loader's part: it records what the program's
// command line is made from and jumps to the image's entry point, which never returns
// (it ends the process with ExitProcess).
#include <csignal>

#include "platform/display/display_warm_up.h"
#include "platform/kernel/process_arguments.h"

extern "C" void ProgramEntry();

int main(int argc, char** argv) {
  platform::RecordProcessArguments(argc, argv);
  // Windows has no SIGPIPE: a write to a pipe without a reader fails with an error.
  std::signal(SIGPIPE, SIG_IGN);
  // The program shows its first window after reading its files: the display and the
  // dialog faces get ready meanwhile.
  platform::BeginDisplayWarmUp();
  ProgramEntry();
  return 0;
}
