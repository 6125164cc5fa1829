// The table of icon and cursor handles.
#include "platform/user/icon_object.h"

#include <mutex>

#include "platform/user/icon_image.h"

namespace platform {
namespace {

constexpr std::uintptr_t kIconTag = std::uintptr_t{1} << 33;
constexpr unsigned kSlotBits = 16;
constexpr std::uint32_t kMaxSlots = 1u << kSlotBits;
constexpr std::uint32_t kGenerationMask = 0xFFFF;

struct Slot {
  std::unique_ptr<Icon> icon;
  std::uint32_t generation = 1;
  SIZE resample_to{0, 0};  // non-zero: `icon` is still the source of a resized icon
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

namespace {

HICON Add(std::unique_ptr<Icon> icon, SIZE resample_to) {
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
  table.slots[slot].resample_to = resample_to;
  ++table.live;
  return MakeHandle(slot, table.slots[slot].generation);
}

}  // namespace

HICON AddIcon(std::unique_ptr<Icon> icon) {
  return Add(std::move(icon), SIZE{0, 0});
}

HICON AddResizedIcon(std::unique_ptr<Icon> source, int width, int height) {
  return Add(std::move(source), SIZE{width, height});
}

Icon* FindIcon(HICON handle) {
  Table& table = TheTable();
  std::lock_guard guard(table.lock);
  Slot* slot = SlotOf(table, handle);
  if (slot == nullptr) return nullptr;
  if (slot->resample_to.cx != 0) {
    // The source keeps the slot's flags (shared) set since; the resampled icon takes them.
    const bool shared = slot->icon->shared;
    slot->icon = ResizedIcon(*slot->icon, slot->resample_to.cx, slot->resample_to.cy);
    slot->icon->shared = shared;
    slot->resample_to = SIZE{0, 0};
  }
  return slot->icon.get();
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
