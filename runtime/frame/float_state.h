// The floating-point environment the program's arithmetic relies on: 64-bit precision,
// round to nearest with ties to even, all exceptions masked (x87 control word 0x133F).
#pragma once

#include <cfenv>

namespace runtime {

inline constexpr unsigned short kFloatControlWord = 0x133F;

// Loads the run-time control word (start-up, and after calls that may disturb it).
void SetRuntimeFloatControl();

// Saves the caller's floating-point environment and restores it on scope exit, so a
// platform call cannot disturb the caller's arithmetic.
class FloatStateGuard {
 public:
  FloatStateGuard() { std::fegetenv(&saved_); }
  ~FloatStateGuard() { std::fesetenv(&saved_); }
  FloatStateGuard(const FloatStateGuard&) = delete;
  FloatStateGuard& operator=(const FloatStateGuard&) = delete;

 private:
  std::fenv_t saved_;
};

}  // namespace runtime
