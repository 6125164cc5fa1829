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
  // Until the first FindIcon: the image `icon` is resampled from, perhaps shared with
  // other icons, and the size to resample it to.
  std::shared_ptr<const Icon> source;
  SIZE resample_to{0, 0};
  std::uint32_t generation = 1;

  bool alive() const { return icon != nullptr || source != nullptr; }
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
  if (!found.alive() || found.generation != generation) return nullptr;
  return &found;
}

}  // namespace

namespace {

HICON Add(std::unique_ptr<Icon> icon, std::shared_ptr<const Icon> source, SIZE resample_to) {
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
  table.slots[slot].source = std::move(source);
  table.slots[slot].resample_to = resample_to;
  ++table.live;
  return MakeHandle(slot, table.slots[slot].generation);
}

}  // namespace

HICON AddIcon(std::unique_ptr<Icon> icon) {
  if (icon == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return Add(std::move(icon), nullptr, SIZE{0, 0});
}

HICON AddResizedIcon(std::shared_ptr<const Icon> source, int width, int height) {
  if (source == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return Add(nullptr, std::move(source), SIZE{width, height});
}

Icon* FindIcon(HICON handle) {
  Table& table = TheTable();
  std::lock_guard guard(table.lock);
  Slot* slot = SlotOf(table, handle);
  if (slot == nullptr) return nullptr;
  if (slot->source != nullptr) {
    std::unique_ptr<Icon> resized =
        ResizedIcon(*slot->source, slot->resample_to.cx, slot->resample_to.cy);
    if (resized == nullptr) return nullptr;  // no memory: the source stays for another try
    slot->icon = std::move(resized);
    slot->source.reset();
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
  slot->source.reset();
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
