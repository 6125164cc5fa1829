// One open numbered file: its header and, behind it in the same allocation, its record
// buffer (random mode) or input buffer (input and device modes).
#pragma once

#include <cstdint>
#include <memory>

#include "platform/win32.h"
#include "runtime/frame/error_state.h"
#include "runtime/text/dyn_string.h"

namespace runtime {

// Names an open file. FileOpen accepts 0..32767; NextFreeFileNumber hands out 1..32767.
using FileNumber = std::int16_t;

// The mode byte: exactly one of these is set. The mode word of FileOpen carries it in its
// high byte.
namespace file_mode {
inline constexpr std::uint8_t kInput = 0x01;
inline constexpr std::uint8_t kOutput = 0x02;
inline constexpr std::uint8_t kRandom = 0x04;
inline constexpr std::uint8_t kAppend = 0x08;
inline constexpr std::uint8_t kDevice = 0x10;
inline constexpr std::uint8_t kBinary = 0x20;
// Socket kinds come into the table from elsewhere; FileOpen never makes them.
inline constexpr std::uint8_t kSocketStream = 0x40;
inline constexpr std::uint8_t kSocketText = 0x80;
inline constexpr std::uint8_t kSockets = kSocketStream | kSocketText;
}  // namespace file_mode

// The access byte: the low byte of FileOpen's mode word.
namespace file_access {
inline constexpr std::uint8_t kRead = 0x80;
inline constexpr std::uint8_t kWrite = 0x40;
inline constexpr std::uint8_t kExplicit = 0x20;   // no read-only retry when the open fails
inline constexpr std::uint8_t kWideText = 0x08;   // line ends and spaces go out as UTF-16
inline constexpr std::uint8_t kShareCode = 0x07;  // 1 none, 2 read, 3 write, 4 both
}  // namespace file_access

namespace entry_flag {
inline constexpr std::uint16_t kOpen = 0x0001;
inline constexpr std::uint16_t kAttached = 0x0004;  // the caller's handle: never closed here
}  // namespace entry_flag

namespace device_kind {
inline constexpr std::uint16_t kDisk = 1;
inline constexpr std::uint16_t kOther = 2;
}  // namespace device_kind

struct FileEntry {
  FileEntry* next = nullptr;  // newest first
  FileNumber number = 0;
  HANDLE handle = nullptr;
  std::uint16_t device_kind = 0;
  std::uint8_t mode = 0;
  std::uint8_t access = 0;
  DynString name;  // UTF-16 text of the path as opened; empty for an attached handle
  // Random mode: the current record number. Other modes: the byte position after the
  // last transfer.
  std::int64_t position = 0;
  std::uint32_t record_length = 0;
  std::uint32_t column = 0;        // characters since the last line end
  std::uint32_t buffer_count = 0;  // bytes the input-mode open read into the buffer
  std::uint16_t flags = 0;
  std::uint16_t base = 0;            // number of the first record: 0 or 1
  std::uint64_t transfer_count = 0;  // scratch for the OS calls' counts and high halves
  // Two header words that only entries made outside FileOpen (the socket kinds) fill.
  std::uint32_t outside_fields[2] = {0, 0};

  char* buffer() { return reinterpret_cast<char*>(this + 1); }
  bool is_disk() const { return device_kind == device_kind::kDisk; }

  // The start of the system string that holds this entry.
  void* allocation = nullptr;
};

// Releases an entry (its name and its one allocation); null does nothing.
void ReleaseFileEntry(FileEntry* entry);

struct FileEntryRelease {
  void operator()(FileEntry* entry) const { ReleaseFileEntry(entry); }
};
using FileEntryPtr = std::unique_ptr<FileEntry, FileEntryRelease>;

// One allocation from the system string allocator: the header, zeroed, and
// record_length bytes of zeroed buffer. Out of memory (or a buffer the allocator cannot
// hold) raises 7 and gives null.
FileEntryPtr AllocateFileEntry(ErrorState& errors, std::uint32_t record_length);

}  // namespace runtime
