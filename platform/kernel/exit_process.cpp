#include "platform/kernel/exit_process.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "platform/win32.h"

namespace platform {
namespace {

struct ExitHooks {
  // Recursive: a hook may itself end the process with ExitProcess.
  std::recursive_mutex mutex;
  std::vector<ExitHook> hooks;
};

ExitHooks& Hooks() {
  static ExitHooks* const hooks = new ExitHooks;  // still usable while statics are destroyed
  return *hooks;
}

}  // namespace

void AtProcessExit(ExitHook hook) {
  if (hook == nullptr) return;
  ExitHooks& registry = Hooks();
  std::lock_guard lock(registry.mutex);
  registry.hooks.push_back(hook);
}

}  // namespace platform

extern "C" {

void ExitProcess(UINT exit_code) {
  platform::ExitHooks& registry = platform::Hooks();
  // Held until the process is gone: a second thread calling ExitProcess waits here
  // instead of running the hooks (or the C library's exit) a second time.
  registry.mutex.lock();
  // Each hook is taken off the list before it runs, so a hook that calls ExitProcess
  // goes on with the remaining hooks rather than running itself again.
  while (!registry.hooks.empty()) {
    const platform::ExitHook hook = registry.hooks.back();
    registry.hooks.pop_back();
    hook();
  }
  std::fflush(nullptr);
  // std::exit, not _exit: static destructors and the sanitizers' leak checks still run.
  std::exit(static_cast<int>(exit_code));
}

}  // extern "C"
