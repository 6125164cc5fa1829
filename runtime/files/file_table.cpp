#include "runtime/files/file_table.h"

#include <mutex>

namespace runtime {

FileTable& Files() {
  static FileTable table;
  static const bool reset_registered = (RegisterFileTableReset(), true);
  (void)reset_registered;
  return table;
}

FileEntry* FileTable::Find(FileNumber number) {
  std::lock_guard guard(table_lock_);
  for (FileEntry* entry = newest_; entry != nullptr; entry = entry->next) {
    if (entry->number == number) return entry;
  }
  return nullptr;
}

void FileTable::Link(FileEntry* entry) {
  std::lock_guard guard(table_lock_);
  entry->next = newest_;
  newest_ = entry;
}

bool FileTable::Unlink(FileEntry* entry) {
  std::lock_guard guard(table_lock_);
  for (FileEntry** link = &newest_; *link != nullptr; link = &(*link)->next) {
    if (*link == entry) {
      *link = entry->next;
      entry->next = nullptr;
      return true;
    }
  }
  return false;
}

FileEntry* FileTable::UnlinkNewest() {
  std::lock_guard guard(table_lock_);
  FileEntry* entry = newest_;
  if (entry != nullptr) {
    newest_ = entry->next;
    entry->next = nullptr;
  }
  return entry;
}

std::int32_t FileTable::NumberAt(std::int32_t n) {
  std::lock_guard guard(table_lock_);
  if (n < 1) return -1;
  for (FileEntry* entry = newest_; entry != nullptr; entry = entry->next) {
    if (--n == 0) return entry->number;
  }
  return -1;
}

std::vector<FileNumber> FileTable::Numbers() {
  std::vector<FileNumber> numbers;
  std::lock_guard guard(table_lock_);
  for (FileEntry* entry = newest_; entry != nullptr; entry = entry->next) {
    numbers.push_back(entry->number);
  }
  return numbers;
}

}  // namespace runtime
