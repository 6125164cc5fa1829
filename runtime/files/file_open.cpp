// FileOpen: the entry is linked before its handle is obtained, and every failure after
// that unwinds it completely, so the table is as it was before a failed call.
#include <mutex>

#include "runtime/files/entry_io.h"
#include "runtime/files/file_table.h"
#include "runtime/files/guarded_os_call.h"
#include "runtime/files/numbered_files.h"
#include "runtime/files/wide_path.h"

namespace runtime {

namespace {

constexpr std::uint32_t kMaxNameUnits = 255;
constexpr std::uint32_t kMaxRandomRecordLength = 0x8000;

bool IsOpenableMode(std::uint8_t mode) {
  switch (mode) {
    case file_mode::kInput:
    case file_mode::kOutput:
    case file_mode::kRandom:
    case file_mode::kAppend:
    case file_mode::kDevice:
    case file_mode::kBinary:
      return true;
    default:
      return false;
  }
}

DWORD CreationDisposition(std::uint8_t mode) {
  return mode == file_mode::kInput || mode == file_mode::kDevice ? OPEN_EXISTING : OPEN_ALWAYS;
}

// Stream modes move single bytes; random, input and device modes keep a buffer.
std::uint32_t EntryRecordLength(std::uint8_t mode, std::uint32_t given) {
  switch (mode) {
    case file_mode::kOutput:
    case file_mode::kAppend:
    case file_mode::kBinary:
      return 1;
    default:
      return given;
  }
}

DWORD DesiredAccess(std::uint8_t access) {
  return static_cast<DWORD>(access & (file_access::kRead | file_access::kWrite)) << 24;
}

DWORD ShareMode(std::uint8_t access) {
  return static_cast<DWORD>(access & file_access::kShareCode) - 1;
}

bool IsValidShareCode(std::uint8_t access) {
  unsigned code = access & file_access::kShareCode;
  return code >= 1 && code <= 4;
}

struct OpenedHandle {
  HANDLE handle = INVALID_HANDLE_VALUE;
  std::uint8_t access = 0;  // write is dropped when the read-only retry was taken
  RuntimeErrorCode code = 0;
};

OpenedHandle OpenPath(const WidePath& name, std::uint8_t mode, std::uint8_t access) {
  OpenedHandle opened;
  opened.access = access;
  // Children inherit the handle, as files opened by the program always allowed.
  SECURITY_ATTRIBUTES security{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  for (;;) {
    auto outcome = GuardedOsCall([&] {
      return CreateFileW(name.c_str(), DesiredAccess(opened.access), ShareMode(opened.access),
                         &security, CreationDisposition(mode), FILE_ATTRIBUTE_NORMAL, nullptr);
    });
    // CreateFileW may leave a last error behind on success (an existing file under
    // OPEN_ALWAYS), so only the handle tells.
    if (outcome.result != INVALID_HANDLE_VALUE) {
      opened.handle = outcome.result;
      return opened;
    }
    if (mode == file_mode::kDevice) {
      opened.code = error::kCommError;
      return opened;
    }
    bool may_retry_read_only =
        (opened.access & file_access::kExplicit) == 0 && (opened.access & file_access::kWrite) != 0;
    if (!may_retry_read_only) {
      opened.code = MapOsError(outcome.last_error);
      return opened;
    }
    opened.access &= static_cast<std::uint8_t>(~file_access::kWrite);
  }
}

// Where each mode starts: 0 or the code of the failure.
RuntimeErrorCode PositionAtOpen(FileEntry& entry) {
  switch (entry.mode) {
    case file_mode::kInput: {
      if (!entry.is_disk()) return 0;
      if (RuntimeErrorCode code = SeekEntry(entry, 0, FILE_BEGIN)) return code;
      DWORD count = 0;
      RuntimeErrorCode code = ReadEntry(entry, entry.buffer(), entry.record_length, &count);
      entry.buffer_count = count;
      return code;
    }
    case file_mode::kOutput: {
      if (!entry.is_disk()) return 0;
      if (RuntimeErrorCode code = SeekEntry(entry, 0, FILE_BEGIN)) return code;
      return GuardedOsCall([&] { return SetEndOfFile(entry.handle); }).code;
    }
    case file_mode::kRandom:
      // The next sequential record is the first one: record `base`.
      if (entry.base == 0) entry.position = -1;
      return SeekEntry(entry, 0, FILE_BEGIN);
    case file_mode::kAppend:
      if (!entry.is_disk()) return error::kBadFileMode;
      return SeekEntry(entry, 0, FILE_END, &entry.position);
    case file_mode::kDevice:
      return entry.is_disk() ? error::kCommError : 0;
    default:  // binary
      return SeekEntry(entry, 0, FILE_BEGIN);
  }
}

}  // namespace

void FileOpen(RoutineFrame& frame, FileNumber number, std::uint16_t mode_word,
              std::uint32_t record_length, std::uint32_t base, HANDLE existing) {
  ErrorState& errors = frame.errors;
  FileTable& table = Files();
  std::lock_guard open_guard(table.open_lock());

  WidePath name = WidePath::Pop(frame.strings, kMaxNameUnits);
  const bool attaching = existing != nullptr;
  if ((!attaching && name.empty()) || name.HasWildcard()) {
    return errors.RaiseError(error::kBadFileName);
  }

  const auto mode = static_cast<std::uint8_t>(mode_word >> 8);
  const auto access = static_cast<std::uint8_t>(mode_word & 0xFF);
  if (!IsOpenableMode(mode)) return errors.RaiseError(error::kBadFileMode);
  const std::uint32_t entry_record_length = EntryRecordLength(mode, record_length);

  if (number < 0) return errors.RaiseError(error::kBadFileNameOrNumber);
  if (entry_record_length < 1 || (!attaching && !IsValidShareCode(access))) {
    return errors.RaiseError(error::kIllegalFunctionCall);
  }
  if (table.Contains(number)) return errors.RaiseError(error::kFileIsOpen);
  // Refused before anything is allocated or created: a record buffer this large is never
  // used, and a refused open must not leave a new empty file behind.
  if (mode == file_mode::kRandom && entry_record_length > kMaxRandomRecordLength) {
    return errors.RaiseError(error::kIllegalFunctionCall);
  }

  FileEntryPtr entry = AllocateFileEntry(errors, entry_record_length);
  if (entry == nullptr) return;
  table.Link(entry.get());

  // Undoes the link (and closes a handle this call opened) and raises the failure.
  auto unwind = [&](RuntimeErrorCode code) {
    if (!table.Unlink(entry.get())) return errors.RaiseError(error::kStringSpaceCorrupt);
    if (entry->handle != nullptr && (entry->flags & entry_flag::kAttached) == 0) {
      GuardedOsCall([&] { return CloseHandle(entry->handle); });
    }
    entry.reset();
    errors.RaiseError(code);
  };

  std::uint8_t granted_access = access;
  if (attaching) {
    entry->handle = existing;
    entry->flags = entry_flag::kOpen | entry_flag::kAttached;
  } else {
    OpenedHandle opened = OpenPath(name, mode, access);
    if (opened.code != 0) return unwind(opened.code);
    entry->handle = opened.handle;
    entry->flags = entry_flag::kOpen;
    granted_access = opened.access;
  }
  entry->device_kind = device_kind::kDisk;
  entry->mode = mode;
  entry->access = granted_access;
  entry->number = number;
  entry->record_length = entry_record_length;
  entry->base = static_cast<std::uint16_t>(base & 1);

  auto type = GuardedOsCall([&] { return GetFileType(entry->handle); });
  if (type.result != FILE_TYPE_DISK) entry->device_kind = device_kind::kOther;

  if (RuntimeErrorCode code = PositionAtOpen(*entry)) return unwind(code);

  if (!name.empty()) {
    const auto* bytes = reinterpret_cast<const char*>(name.c_str());
    entry->name = DynString::Copy(errors, {bytes, name.length() * sizeof(WCHAR)});
    if (entry->name.empty()) return unwind(error::kOutOfMemory);
  }
  entry.release();  // the table owns it now
}

}  // namespace runtime
