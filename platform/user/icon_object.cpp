// The table of icon and cursor handles.
#include "platform/user/icon_object.h"

#include <mutex>

namespace platform {
namespace {

constexpr std::uintptr_t kIconTag = std::uintptr_t{1} << 33;
constexpr unsigned kSlotBits = 16;
constexpr std::uint32_t kMaxSlots = 1u << kSlotBits;
constexpr std::uint32_t kGenerationMask = 0xFFFF;

struct Slot {
  std::unique_ptr<Icon> icon;
  std::uint32_t generation = 1;
};

struct Table {
  std::mutex lock;
  std::vector<Slot> slots;
  std::vector<std::uint32_t> free_slots;
  int live = 0;
};

Table& TheTable() {
  static Table* const table = new Table;  // outlives every static destructor
  return *table;
}

HICON MakeHandle(std::uint32_t slot, std::uint32_t generation) {
  return reinterpret_cast<HICON>(kIconTag | (std::uintptr_t{generation} << kSlotBits) | slot);
}

// The slot a handle names when its tag and generation are right, else null.
Slot* SlotOf(Table& table, HICON handle) {
  const auto value = reinterpret_cast<std::uintptr_t>(handle);
  if ((value & ~((std::uintptr_t{kGenerationMask} << kSlotBits) | (kMaxSlots - 1))) != kIconTag) {
    return nullptr;
  }
  const std::uint32_t slot = value & (kMaxSlots - 1);
  const std::uint32_t generation = (value >> kSlotBits) & kGenerationMask;
  if (slot >= table.slots.size()) return nullptr;
  Slot& found = table.slots[slot];
  if (found.icon == nullptr || found.generation != generation) return nullptr;
  return &found;
}

}  // namespace

HICON AddIcon(std::unique_ptr<Icon> icon) {
  Table& table = TheTable();
  std::lock_guard guard(table.lock);
  std::uint32_t slot;
  if (!table.free_slots.empty()) {
    slot = table.free_slots.back();
    table.free_slots.pop_back();
  } else if (table.slots.size() < kMaxSlots) {
    slot = static_cast<std::uint32_t>(table.slots.size());
    table.slots.emplace_back();
  } else {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  table.slots[slot].icon = std::move(icon);
  ++table.live;
  return MakeHandle(slot, table.slots[slot].generation);
}

Icon* FindIcon(HICON handle) {
  Table& table = TheTable();
  std::lock_guard guard(table.lock);
  Slot* slot = SlotOf(table, handle);
  return slot == nullptr ? nullptr : slot->icon.get();
}

bool RemoveIcon(HICON handle) {
  Table& table = TheTable();
  std::unique_ptr<Icon> removed;
  std::lock_guard guard(table.lock);
  Slot* slot = SlotOf(table, handle);
  if (slot == nullptr) return false;
  removed = std::move(slot->icon);
  // Generation 0 is never handed out, so a wrapped counter cannot revive a handle of 0.
  slot->generation = (slot->generation % kGenerationMask) + 1;
  table.free_slots.push_back(static_cast<std::uint32_t>(slot - table.slots.data()));
  --table.live;
  return true;
}

int LiveIconCount() {
  Table& table = TheTable();
  std::lock_guard guard(table.lock);
  return table.live;
}

}  // namespace platform
