// The run-time error state of one routine activation.
//
// Failures are numeric codes, never exceptions: a service that fails raises its code
// into the error state of the routine that called it and returns its failure value;
// the routine goes on and looks at the code only when it chooses to. The most recent
// failure wins and successes never clear the state.
#pragma once

#include <cstdint>

namespace runtime {

using RuntimeErrorCode = std::uint8_t;

// Codes the run-time layer raises by name.
namespace error {
inline constexpr RuntimeErrorCode kNone = 0;
inline constexpr RuntimeErrorCode kIllegalFunctionCall = 5;
inline constexpr RuntimeErrorCode kOverflow = 6;
inline constexpr RuntimeErrorCode kOutOfMemory = 7;
inline constexpr RuntimeErrorCode kSubscriptOutOfRange = 9;
inline constexpr RuntimeErrorCode kDivisionByZero = 11;
inline constexpr RuntimeErrorCode kInternalError = 51;
inline constexpr RuntimeErrorCode kBadFileNameOrNumber = 52;
inline constexpr RuntimeErrorCode kFileNotFound = 53;
inline constexpr RuntimeErrorCode kBadFileMode = 54;
inline constexpr RuntimeErrorCode kFileIsOpen = 55;
inline constexpr RuntimeErrorCode kDeviceIoError = 57;
inline constexpr RuntimeErrorCode kDiskFull = 61;
inline constexpr RuntimeErrorCode kInputPastEnd = 62;
inline constexpr RuntimeErrorCode kBadRecordNumber = 63;
inline constexpr RuntimeErrorCode kBadFileName = 64;
inline constexpr RuntimeErrorCode kTooManyFiles = 67;
inline constexpr RuntimeErrorCode kDeviceUnavailable = 68;
inline constexpr RuntimeErrorCode kCommError = 69;
inline constexpr RuntimeErrorCode kPermissionDenied = 70;
inline constexpr RuntimeErrorCode kPathFileAccessError = 75;
inline constexpr RuntimeErrorCode kPathNotFound = 76;
inline constexpr RuntimeErrorCode kGlobalMemoryCorrupt = 241;
inline constexpr RuntimeErrorCode kStringSpaceCorrupt = 242;
inline constexpr RuntimeErrorCode kServiceMissing = 244;
// Codes from here up end the process at once with exit code 255.
inline constexpr unsigned kFirstFatal = 241;
}  // namespace error

// A 16-bit word: the code in the low byte, flags (0xB0 on every raise) in the high byte.
class ErrorState {
 public:
  static constexpr std::uint16_t kRaisedFlags = 0xB0;

  // Raising by a run-time service: code 0 becomes 51; fatal codes end the process.
  void RaiseError(unsigned code);
  // Raising on the program's request: outside 1..255 becomes 5.
  void RaiseUserError(long long n);

  RuntimeErrorCode ErrorCode() const { return static_cast<RuntimeErrorCode>(word_ & 0xFF); }
  // The current code, and the whole state cleared in the same step.
  RuntimeErrorCode TakeErrorCode() {
    RuntimeErrorCode code = ErrorCode();
    word_ = 0;
    return code;
  }
  void ClearError() { word_ = 0; }
  // Sets the low byte only: no flags, no fatal rule.
  void SetErrorCode(unsigned n) {
    word_ = static_cast<std::uint16_t>((word_ & 0xFF00) | (n & 0xFF));
  }
  std::uint16_t word() const { return word_; }

 private:
  std::uint16_t word_ = 0;
};

}  // namespace runtime
