#include "runtime/frame/message_table.h"

#include <array>
#include <cstddef>

namespace runtime {
namespace {

struct MessageEntry {
  std::uint8_t code;
  std::string_view text;
};

// Stored order matters: a lookup takes the first entry with the code.
constexpr MessageEntry kMessages[] = {
    {0, "No Error"},
    {5, "Illegal function call"},
    {6, "Overflow"},
    {7, "Out of memory"},
    {9, "Subscript/Pointer out of range"},
    {11, "Division by zero"},
    {24, "Device timeout"},
    {51, "Internal error"},
    {52, "Bad file name or number"},
    {53, "File not found"},
    {54, "Bad file mode"},
    {55, "File is open"},
    {57, "Device I/O error"},
    {58, "File already exists"},
    {61, "Disk full"},
    {62, "Input past end"},
    {63, "Bad record number"},
    {64, "Bad file name"},
    {67, "Too many files"},
    {68, "Device unavailable"},
    {69, "Comm error"},
    {70, "Permission denied"},
    {71, "Disk not ready"},
    {72, "Disk media error"},
    {74, "Rename across disks"},
    {75, "Path/file access error"},
    {76, "Path not found"},
    {98, "Lumeno Preview error"},
    {99, "Object error"},
    {241, "Global memory corrupt"},
    {242, "String space corrupt"},
};

constexpr std::size_t StoredSize() {
  std::size_t n = 2;  // the closing entry: a code byte and a zero length
  for (const MessageEntry& entry : kMessages) n += 2 + entry.text.size();
  return n;
}

constexpr std::array<std::uint8_t, StoredSize()> BuildStoredTable() {
  std::array<std::uint8_t, StoredSize()> bytes{};
  std::size_t at = 0;
  for (const MessageEntry& entry : kMessages) {
    // A length byte of 0 would end the table early, and more than 255 cannot be stored.
    if (entry.text.empty() || entry.text.size() > 255) throw "message does not fit its entry";
    bytes[at++] = entry.code;
    bytes[at++] = static_cast<std::uint8_t>(entry.text.size());
    for (char c : entry.text) bytes[at++] = static_cast<std::uint8_t>(c);
  }
  bytes[at++] = 0;
  bytes[at++] = 0;
  return bytes;
}

constexpr auto kStoredTable = BuildStoredTable();

}  // namespace

std::span<const std::uint8_t> StoredMessageTable() {
  return kStoredTable;
}

std::string_view FindErrorMessage(unsigned code) {
  if (code > 255) code = 0;
  std::size_t at = 0;
  while (at + 1 < kStoredTable.size()) {
    std::uint8_t entry_code = kStoredTable[at];
    std::uint8_t length = kStoredTable[at + 1];
    if (length == 0) break;
    if (entry_code == code) {
      return {reinterpret_cast<const char*>(kStoredTable.data() + at + 2), length};
    }
    at += 2 + length;
  }
  return {};
}

DynString ErrorMessageText(ErrorState& errors, unsigned code) {
  std::string_view text = FindErrorMessage(code);
  if (text.empty()) return DynString();
  return DynString::Copy(errors, text);
}

}  // namespace runtime
