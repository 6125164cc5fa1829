// Process-wide run-time state, set once during start-up and read by the other services.
#pragma once

#include <atomic>
#include <cstdint>

#include "platform/win32.h"

namespace runtime {

struct ThreadRecord;

// Build-time options of the run-time layer: one 16-bit option word and the class word
// of the start-up common-controls call.
namespace build_option {
inline constexpr std::uint16_t kLibraryEntry = 0x0100;
inline constexpr std::uint16_t kBuiltInFonts = 0x0200;
inline constexpr std::uint16_t kNarrowApi = 0x0020 | 0x0040;
inline constexpr std::uint16_t kSockets = 0x0400;
inline constexpr std::uint16_t kStopOnErrors = 0x2000;
inline constexpr std::uint16_t kNotifyCommandsOnly = 0x8000;
// This program: built-in fonts on, every other option off.
inline constexpr std::uint16_t kOptionWord = kBuiltInFonts;
inline constexpr DWORD kCommonControlClasses = 0x706F;
}  // namespace build_option

struct ProcessState {
  HINSTANCE instance = nullptr;
  const WCHAR* command_tail = nullptr;
  int show_state = SW_SHOWDEFAULT;
  OSVERSIONINFOA os_version{};
  DWORD tls_slot = TLS_OUT_OF_INDEXES;
  ThreadRecord* main_thread_record = nullptr;
  std::atomic<std::int32_t> live_threads{0};
  bool narrow_mode = false;  // never set: only the NT family is accepted
  bool started = false;
};

ProcessState& Process();

}  // namespace runtime
