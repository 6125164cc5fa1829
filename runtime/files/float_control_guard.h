// Keeps a platform call from disturbing the caller's arithmetic, cheaply enough to wrap
// every record transfer: the x87 control word (precision and rounding) and the SSE
// control and status register are saved and put back. On x86-64 no floating-point value
// lives in a register across a call, and every exception is masked while the run-time
// layer runs, so these two words are the state a call could disturb. Saving the whole
// environment instead (fegetenv / fesetenv) costs several hundred cycles per call.
#pragma once

#include <cfenv>

namespace runtime {

class FloatControlGuard {
 public:
#if defined(__x86_64__) || defined(__i386__)
  FloatControlGuard() {
    __asm__ volatile("fnstcw %0" : "=m"(x87_control_));
    __asm__ volatile("stmxcsr %0" : "=m"(sse_control_));
  }
  // Loading a control word stalls the processor, so each is put back only when the call
  // changed it.
  ~FloatControlGuard() {
    unsigned short x87_now;
    unsigned int sse_now;
    __asm__ volatile("fnstcw %0" : "=m"(x87_now));
    __asm__ volatile("stmxcsr %0" : "=m"(sse_now));
    if (x87_now != x87_control_) __asm__ volatile("fldcw %0" : : "m"(x87_control_));
    if (sse_now != sse_control_) __asm__ volatile("ldmxcsr %0" : : "m"(sse_control_));
  }
#else
  FloatControlGuard() {
    std::fegetenv(&saved_);
  }
  ~FloatControlGuard() {
    std::fesetenv(&saved_);
  }
#endif
  FloatControlGuard(const FloatControlGuard&) = delete;
  FloatControlGuard& operator=(const FloatControlGuard&) = delete;

 private:
#if defined(__x86_64__) || defined(__i386__)
  unsigned short x87_control_ = 0;
  unsigned int sse_control_ = 0;
#else
  std::fenv_t saved_;
#endif
};

}  // namespace runtime
