#include "runtime/files/guarded_os_call.h"

namespace runtime {

SpinLock& OsCallLock() {
  static SpinLock lock;
  return lock;
}

}  // namespace runtime
