#include "runtime/files/text_output.h"

#include <algorithm>

#include "runtime/files/entry_io.h"
#include "runtime/files/file_table.h"

namespace runtime {

namespace {

constexpr std::uint32_t kSpaceChunk = 8;
constexpr char kLineEnd[] = "\r\n";
constexpr char16_t kWideLineEnd[] = u"\r\n";
constexpr char kSpaces[] = "        ";
constexpr char16_t kWideSpaces[] = u"        ";

FileEntry* TextOutputEntry(ErrorState& errors, FileNumber number) {
  FileEntry* entry = Files().Find(number);
  if (entry == nullptr) {
    errors.RaiseError(error::kBadFileNameOrNumber);
    return nullptr;
  }
  if ((entry->mode & (file_mode::kOutput | file_mode::kAppend | file_mode::kSocketText)) == 0) {
    errors.RaiseError(error::kBadFileMode);
    return nullptr;
  }
  return entry;
}

bool IsWide(const FileEntry& entry) {
  return (entry.access & file_access::kWideText) != 0;
}

// A disk file that takes fewer bytes is full; any other device failed.
bool WriteText(ErrorState& errors, FileEntry& entry, const void* bytes, DWORD size) {
  DWORD moved = 0;
  if (RuntimeErrorCode code = WriteEntry(entry, bytes, size, &moved)) {
    errors.RaiseError(code);
    return false;
  }
  if (entry.is_disk()) entry.position += moved;
  if (moved != size) {
    errors.RaiseError(entry.is_disk() ? error::kDiskFull : error::kDeviceIoError);
    return false;
  }
  return true;
}

}  // namespace

void FileWriteLineEnd(RoutineFrame& frame, FileNumber number) {
  FileEntry* entry = TextOutputEntry(frame.errors, number);
  if (entry == nullptr) return;
  bool written = IsWide(*entry) ? WriteText(frame.errors, *entry, kWideLineEnd, 4)
                                : WriteText(frame.errors, *entry, kLineEnd, 2);
  if (written) entry->column = 0;
}

void FileWriteSpaces(RoutineFrame& frame, FileNumber number, std::uint32_t count) {
  FileEntry* entry = TextOutputEntry(frame.errors, number);
  if (entry == nullptr) return;
  const bool wide = IsWide(*entry);
  while (count > 0) {
    std::uint32_t chunk = std::min(count, kSpaceChunk);
    bool written = wide ? WriteText(frame.errors, *entry, kWideSpaces, chunk * 2)
                        : WriteText(frame.errors, *entry, kSpaces, chunk);
    if (!written) return;
    entry->column += chunk;
    count -= chunk;
  }
}

}  // namespace runtime
