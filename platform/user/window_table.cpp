#include "platform/user/window_table.h"

#include <mutex>

#include "platform/user/window_class.h"

namespace platform::user {
namespace {

// Handle = generation << 16 | slot. Slot 0 is never used and generations start at 1, so
// no handle collides with the small pseudo-handles (HWND_BOTTOM, HWND_BROADCAST, -1 …).
constexpr std::uintptr_t kMaxSlots = 0xFFFF;
constexpr std::uint32_t kMaxGeneration = 0x7FFF;

struct Slot {
  std::unique_ptr<Window> window;
  std::uint32_t generation = 1;
};

struct Table {
  std::mutex lock;
  std::vector<Slot> slots = std::vector<Slot>(1);  // slot 0 unused
  std::vector<std::size_t> free_slots;
  int live = 0;
  std::vector<HWND> top_levels;
  HWND desktop = nullptr;
};

Table& TheTable() {
  static Table* table = new Table;  // never destroyed: windows may outlive static objects
  return *table;
}

thread_local std::vector<std::unique_ptr<Window>> dead_windows;

bool Decode(HWND handle, std::size_t* slot, std::uint32_t* generation) {
  auto value = reinterpret_cast<std::uintptr_t>(handle);
  if (value > 0xFFFFFFFFu) return false;
  *slot = value & 0xFFFF;
  *generation = static_cast<std::uint32_t>(value >> 16);
  return *slot != 0 && *generation != 0;
}

}  // namespace

void WindowBitmap::Resize(std::int32_t w, std::int32_t h) {
  width = w > 0 ? w : 0;
  height = h > 0 ? h : 0;
  pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
}

HWND AddWindow(std::unique_ptr<Window> window) {
  Table& table = TheTable();
  std::lock_guard hold(table.lock);
  std::size_t slot;
  if (!table.free_slots.empty()) {
    slot = table.free_slots.back();
    table.free_slots.pop_back();
  } else if (table.slots.size() <= kMaxSlots) {
    slot = table.slots.size();
    table.slots.emplace_back();
  } else {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  Slot& entry = table.slots[slot];
  auto handle = reinterpret_cast<HWND>((static_cast<std::uintptr_t>(entry.generation) << 16) | slot);
  window->handle = handle;
  entry.window = std::move(window);
  ++table.live;
  return handle;
}

Window* FindWindowRecord(HWND handle) {
  std::size_t slot;
  std::uint32_t generation;
  if (!Decode(handle, &slot, &generation)) return nullptr;
  Table& table = TheTable();
  std::lock_guard hold(table.lock);
  if (slot >= table.slots.size()) return nullptr;
  Slot& entry = table.slots[slot];
  if (entry.generation != generation || !entry.window) return nullptr;
  return entry.window.get();
}

Window* LiveWindow(HWND handle) {
  Window* window = FindWindowRecord(handle);
  if (window == nullptr) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return window;
}

void RemoveWindow(HWND handle) {
  std::size_t slot;
  std::uint32_t generation;
  if (!Decode(handle, &slot, &generation)) return;
  Table& table = TheTable();
  std::unique_ptr<Window> dead;
  {
    std::lock_guard hold(table.lock);
    if (slot >= table.slots.size()) return;
    Slot& entry = table.slots[slot];
    if (entry.generation != generation || !entry.window) return;
    dead = std::move(entry.window);
    entry.generation = entry.generation >= kMaxGeneration ? 1 : entry.generation + 1;
    table.free_slots.push_back(slot);
    --table.live;
    std::erase(table.top_levels, handle);
  }
  dead_windows.push_back(std::move(dead));
}

void ReleaseDeadWindows() { dead_windows.clear(); }

std::vector<HWND>& TopLevelWindows() { return TheTable().top_levels; }

HWND DesktopWindow() {
  Table& table = TheTable();
  {
    std::lock_guard hold(table.lock);
    if (table.desktop != nullptr) return table.desktop;
  }
  auto desktop = std::make_unique<Window>();
  desktop->style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  desktop->window_rect = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  desktop->client_rect = desktop->window_rect;
  desktop->text = u"";
  desktop->created = true;
  desktop->procedure = DefWindowProcW;
  HWND handle = AddWindow(std::move(desktop));
  std::lock_guard hold(table.lock);
  --table.live;  // the desktop is not counted among the program's windows
  table.desktop = handle;
  return handle;
}

int LiveWindowCount() {
  Table& table = TheTable();
  std::lock_guard hold(table.lock);
  return table.live;
}

}  // namespace platform::user
