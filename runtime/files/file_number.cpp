#include <mutex>

#include "runtime/files/file_table.h"
#include "runtime/files/numbered_files.h"

namespace runtime {

namespace {
constexpr std::int16_t kLargestFileNumber = 32767;
}

// Numbers rotate instead of reusing the lowest free one, so a number just closed is not
// handed out again at once.
FileNumber NextFreeFileNumber() {
  FileTable& table = Files();
  std::lock_guard open_guard(table.open_lock());
  std::int16_t& counter = table.number_counter();
  // With every number open the search would never end.
  for (int tried = 0; tried < kLargestFileNumber; ++tried) {
    counter = counter >= kLargestFileNumber || counter < 0 ? 1 : counter + 1;
    if (!table.Contains(counter)) return counter;
  }
  return 0;
}

void ResetFileNumberCounter() {
  FileTable& table = Files();
  std::lock_guard open_guard(table.open_lock());
  table.number_counter() = 0;
}

}  // namespace runtime
