// The process's C++ entry. It plays the loader's part: it records what the program's
// command line is made from and jumps to the image's entry point, which never returns
// (it ends the process with ExitProcess).
#include <malloc.h>

#include <csignal>

#include "platform/display/display_warm_up.h"
#include "platform/kernel/pause_work.h"
#include "platform/kernel/process_arguments.h"

extern "C" void ProgramEntry();

int main(int argc, char** argv) {
  platform::RecordProcessArguments(argc, argv);
  // One heap for every thread, as a Windows process has: a second malloc arena for the
  // display's loading threads would cost pages of its own for a few small tables.
  mallopt(M_ARENA_MAX, 1);
  // Windows has no SIGPIPE: a write to a pipe without a reader fails with an error.
  std::signal(SIGPIPE, SIG_IGN);
  // A pause before the first window is spent getting the display ready for it.
  platform::OfferPauseWork(platform::WarmUpDisplay);
  ProgramEntry();
  return 0;
}
