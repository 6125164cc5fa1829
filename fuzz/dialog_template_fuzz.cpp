// Random dialog templates for CreateDialogIndirectParamW. The bytes are placed at the end
// of a readable page followed by an inaccessible one, so a read past them would fault (and
// ASan watches the rest): the dialog manager must refuse what runs out, never read on.
//
// Leaks are checked per input by libFuzzer: an input must give back all it takes, apart
// from bounded caches. The once-per-process set-up (the display, the default faces,
// fontconfig's configuration, which leaks a little of its own: see .ci/lsan.supp) is
// done before the first input, so that no input is charged with it.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/win32.h"

namespace {

INT_PTR Procedure(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// A visible dialog in an unknown face with one control: every lazy start-up on the way.
void WarmUp() {
  alignas(4) std::uint8_t bytes[128] = {};
  std::size_t at = 0;
  auto word = [&](std::uint16_t v) { std::memcpy(bytes + at, &v, 2); at += 2; };
  auto dword = [&](std::uint32_t v) { std::memcpy(bytes + at, &v, 4); at += 4; };
  auto text = [&](const char* t) { while (*t) word(static_cast<std::uint8_t>(*t++)); word(0); };
  dword(WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_SETFONT);
  dword(0);
  word(1);  // one item
  word(0), word(0), word(100), word(50);
  word(0), word(0), text("Warm-up");  // no menu, the dialog class, a title
  word(8), text("Not An Installed Face");
  at = (at + 3) & ~std::size_t{3};
  dword(WS_CHILD | WS_VISIBLE), dword(0);
  word(4), word(4), word(40), word(12), word(IDOK);
  word(0xFFFF), word(0x80), text("OK"), word(0);  // a button
  HWND dialog = CreateDialogIndirectParamW(nullptr, reinterpret_cast<const DLGTEMPLATE*>(bytes),
                                           nullptr, Procedure, 0);
  if (dialog != nullptr) DestroyWindow(dialog);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("VESTRALINO_DISPLAY", "headless", 1);
  unsetenv("VESTRALINO_SCRIPT");
  unsetenv("VESTRALINO_TRANSCRIPT");
  WarmUp();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
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
