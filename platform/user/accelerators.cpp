// Keyboard accelerator tables: CreateAcceleratorTableW/A, DestroyAcceleratorTable,
// CopyAcceleratorTableW/A, TranslateAcceleratorW/A.
//
// Handles are numbers from a table, never pointers: a destroyed or made-up handle is
// recognised and fails with ERROR_INVALID_ACCEL_HANDLE. An FVIRTKEY entry matches
// WM_KEYDOWN / WM_SYSKEYDOWN of that virtual key with exactly its Shift, Ctrl and Alt; a
// character entry matches WM_CHAR (WM_SYSCHAR with FALT) of that character. A match sends
// WM_COMMAND with MAKEWPARAM(cmd, 1) to the window, as Windows does.
#include <map>
#include <mutex>
#include <vector>

#include "platform/user/window_table.h"

namespace {

constexpr BYTE kValidFlags = FVIRTKEY | FNOINVERT | FSHIFT | FCONTROL | FALT;

struct Tables {
  std::mutex lock;
  std::map<ULONG_PTR, std::vector<ACCEL>> live;
  ULONG_PTR next = 0x10000;  // above the ordinal range, never 0
};

Tables& AllTables() {
  static Tables tables;
  return tables;
}

HACCEL Create(const ACCEL* entries, int count) {
  if (entries == nullptr || count <= 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  std::vector<ACCEL> copy(entries, entries + count);
  for (ACCEL& a : copy) a.fVirt &= kValidFlags;
  Tables& tables = AllTables();
  std::lock_guard hold(tables.lock);
  ULONG_PTR handle = tables.next;
  tables.next += 4;
  tables.live.emplace(handle, std::move(copy));
  return reinterpret_cast<HACCEL>(handle);
}

bool Find(HACCEL table, std::vector<ACCEL>* out) {
  Tables& tables = AllTables();
  std::lock_guard hold(tables.lock);
  auto found = tables.live.find(reinterpret_cast<ULONG_PTR>(table));
  if (found == tables.live.end()) {
    SetLastError(ERROR_INVALID_ACCEL_HANDLE);
    return false;
  }
  *out = found->second;
  return true;
}

int Copy(HACCEL table, LPACCEL entries, int count) {
  std::vector<ACCEL> found;
  if (!Find(table, &found)) return 0;
  if (entries == nullptr) return static_cast<int>(found.size());
  int n = count < static_cast<int>(found.size()) ? count : static_cast<int>(found.size());
  for (int i = 0; i < n; ++i) entries[i] = found[static_cast<std::size_t>(i)];
  return n < 0 ? 0 : n;
}

bool Down(int key) { return (GetKeyState(key) & 0x8000) != 0; }

bool Matches(const ACCEL& a, const MSG& msg) {
  bool alt_key = msg.message == WM_SYSKEYDOWN || msg.message == WM_SYSCHAR;
  if (a.fVirt & FVIRTKEY) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    if (a.key != (msg.wParam & 0xFFFF)) return false;
    bool alt = Down(VK_MENU) || (alt_key && (msg.lParam & (1 << 29)));
    return ((a.fVirt & FSHIFT) != 0) == Down(VK_SHIFT) &&
           ((a.fVirt & FCONTROL) != 0) == Down(VK_CONTROL) && ((a.fVirt & FALT) != 0) == alt;
  }
  if (msg.message != WM_CHAR && msg.message != WM_SYSCHAR) return false;
  if (a.key != (msg.wParam & 0xFFFF)) return false;
  return ((a.fVirt & FALT) != 0) == (msg.message == WM_SYSCHAR);
}

}  // namespace

extern "C" {

HACCEL CreateAcceleratorTableW(LPACCEL entries, int count) { return Create(entries, count); }
HACCEL CreateAcceleratorTableA(LPACCEL entries, int count) { return Create(entries, count); }

BOOL DestroyAcceleratorTable(HACCEL table) {
  Tables& tables = AllTables();
  std::lock_guard hold(tables.lock);
  if (tables.live.erase(reinterpret_cast<ULONG_PTR>(table)) == 0) {
    SetLastError(ERROR_INVALID_ACCEL_HANDLE);
    return FALSE;
  }
  return TRUE;
}

int CopyAcceleratorTableW(HACCEL table, LPACCEL entries, int count) {
  return Copy(table, entries, count);
}
int CopyAcceleratorTableA(HACCEL table, LPACCEL entries, int count) {
  return Copy(table, entries, count);
}

int TranslateAcceleratorW(HWND window, HACCEL table, LPMSG msg) {
  if (platform::user::LiveWindow(window) == nullptr) return 0;
  std::vector<ACCEL> entries;
  if (!Find(table, &entries)) return 0;
  if (msg == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  for (const ACCEL& a : entries) {
    if (!Matches(a, *msg)) continue;
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(a.cmd, 1), 0);
    return 1;
  }
  return 0;
}

int TranslateAcceleratorA(HWND window, HACCEL table, LPMSG msg) {
  return TranslateAcceleratorW(window, table, msg);
}

}  // extern "C"
