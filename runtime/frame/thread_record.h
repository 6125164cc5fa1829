// The per-thread run-time record: 128 bytes, allocated zero-filled with GlobalAlloc(GPTR)
// on a thread's first use of the run-time layer and kept in its TLS slot.
#pragma once

#include <cstdint>

#include "platform/win32.h"

namespace runtime {

struct ThreadRecord {
  HANDLE search_handle;            // an open directory search, closed with FindClose
  HANDLE thread_handle;            // a thread started by the run-time layer
  std::uint32_t error_range[2];    // statement of the last error (no line data here)
  char* owned_texts[6];            // texts kept per thread, freed with the record
  std::int32_t default_dialog_font;
  std::int32_t default_fonts[3];
  std::uint32_t code_page;         // byte strings' code page for UTF-16 conversion
  unsigned char free_for_services[36];
};
static_assert(sizeof(ThreadRecord) == 128, "thread records are 128 bytes");

// The calling thread's record, made on first use (defaults copied from the main
// thread's record). Null when it cannot be allocated.
ThreadRecord* CurrentThreadRecord();
// Frees the calling thread's record and what it holds; nothing when there is none.
void ReleaseThreadRecord();
// The calling thread's code page for byte strings (0 = CP_ACP).
UINT ThreadCodePage();

}  // namespace runtime
