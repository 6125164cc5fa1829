// The process-wide table of open numbered files: a singly linked list, newest first.
//
// The table lock guards every walk or change of the list and is never held across an OS
// call. The open lock serialises FileOpen and NextFreeFileNumber; it is always taken
// before the table lock or the OS-call lock, never while holding them.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/files/file_entry.h"
#include "runtime/files/numbered_files.h"
#include "runtime/frame/spin_lock.h"

namespace runtime {

class FileTable {
 public:
  // The entry with that number, or null. The pointer stays valid until the entry is
  // closed; two threads using and closing the same number are not serialised.
  FileEntry* Find(FileNumber number);
  bool Contains(FileNumber number) { return Find(number) != nullptr; }

  // Links an entry at the head (it becomes the newest).
  void Link(FileEntry* entry);
  // Unlinks the entry; false when it is not in the table.
  bool Unlink(FileEntry* entry);
  // Unlinks and returns the newest entry, or null when the table is empty.
  FileEntry* UnlinkNewest();

  // The number of the n-th entry in table order (1 = newest), or -1 when there are
  // fewer than n entries.
  std::int32_t NumberAt(std::int32_t n);
  // The numbers of every entry, newest first, for a walk that makes OS calls: each is
  // looked up again, so an entry closed meanwhile is skipped rather than touched.
  std::vector<FileNumber> Numbers();

  SpinLock& open_lock() { return open_lock_; }
  // The counter of NextFreeFileNumber: guarded by the open lock.
  std::int16_t& number_counter() { return number_counter_; }

 private:
  SpinLock table_lock_;
  SpinLock open_lock_;
  FileEntry* newest_ = nullptr;
  std::int16_t number_counter_ = 0;
};

FileTable& Files();
// Lets start-up empty the table (registered when the table is first used).
void RegisterFileTableReset();

}  // namespace runtime
