#include "runtime/frame/start_up_facts.h"

namespace runtime {

const WCHAR* CommandTail(const WCHAR* command_line) {
  if (command_line == nullptr) return u"";
  const WCHAR* at = command_line;
  if (*at == u'"') {
    ++at;
    while (*at != 0 && *at != u'"') ++at;
    if (*at == u'"') ++at;  // an unterminated quote leaves us on the NUL
  } else {
    while (*at > 0x20) ++at;
  }
  while (*at == u' ') ++at;
  return at;
}

int InitialShowState(const STARTUPINFOA& startup) {
  if ((startup.dwFlags & STARTF_USESHOWWINDOW) != 0) return startup.wShowWindow;
  return SW_SHOWDEFAULT;
}

}  // namespace runtime
