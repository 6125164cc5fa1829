// Random dialog templates for CreateDialogIndirectParamW. The bytes are placed at the end
// of a readable page followed by an inaccessible one, so a read past them would fault (and
// ASan watches the rest): the dialog manager must refuse what runs out, never read on.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/win32.h"

namespace {

INT_PTR Procedure(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static bool ready = [] {
    setenv("VESTRALINO_DISPLAY", "headless", 1);
    unsetenv("VESTRALINO_SCRIPT");
    unsetenv("VESTRALINO_TRANSCRIPT");
    return true;
  }();
  (void)ready;
  if (size > (1u << 16)) return 0;
  std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  std::size_t pages = (size + page - 1) / page + 1;
  auto* base = static_cast<std::uint8_t*>(
      mmap(nullptr, pages * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
  if (base == MAP_FAILED) return 0;
  std::uint8_t* guard = base + (pages - 1) * page;
  mprotect(guard, page, PROT_NONE);
  std::uint8_t* bytes = guard - size;
  if (size > 0) std::memcpy(bytes, data, size);
  HWND dialog = CreateDialogIndirectParamW(nullptr, reinterpret_cast<const DLGTEMPLATE*>(bytes),
                                           nullptr, Procedure, 0);
  if (dialog != nullptr) DestroyWindow(dialog);
  MSG msg;
  for (int i = 0; i < 100 && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
  }
  munmap(base, pages * page);
  return 0;
}
