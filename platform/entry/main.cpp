// The process's C++ entry. It plays the loader's part: it records what the program's
// command line is made from and jumps to the image's entry point, which never returns
// (it ends the process with ExitProcess).
#include <csignal>

#include "platform/display/display_warm_up.h"
#include "platform/kernel/pause_work.h"
#include "platform/kernel/process_arguments.h"

extern "C" void ProgramEntry();

int main(int argc, char** argv) {
  platform::RecordProcessArguments(argc, argv);
  // Windows has no SIGPIPE: a write to a pipe without a reader fails with an error.
  std::signal(SIGPIPE, SIG_IGN);
  // A pause before the first window is spent getting the display ready for it.
  platform::OfferPauseWork(platform::WarmUpDisplay);
  ProgramEntry();
  return 0;
}
