#include "runtime/frame/float_state.h"

namespace runtime {

void SetRuntimeFloatControl() {
#if defined(__x86_64__) || defined(__i386__)
  unsigned short word = kFloatControlWord;
  __asm__ volatile("fldcw %0" : : "m"(word));
#endif
  std::fesetround(FE_TONEAREST);
}

}  // namespace runtime
