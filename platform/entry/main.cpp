// The process's C++ entry. It plays the loader's part: it records what the program's
// command line is made from and jumps to the image's entry point, which never returns
// (it ends the process with ExitProcess).
#include "platform/kernel/process_arguments.h"

extern "C" void ProgramEntry();

int main(int argc, char** argv) {
  platform::RecordProcessArguments(argc, argv);
  ProgramEntry();
  return 0;
}
