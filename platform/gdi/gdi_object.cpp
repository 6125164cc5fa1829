// The process-wide table of GDI handles.
//
// A handle is kHandleTag | generation << 16 | slot: the tag keeps GDI handles apart from
// the small numbers other tables hand out, the generation changes each time a slot is
// reused, so a stale handle never finds the slot's next object. Slot 0 is never used, so
// no handle is null.
#include "platform/gdi/gdi_object.h"

#include <mutex>
#include <vector>

namespace platform::gdi {
namespace {

constexpr std::uintptr_t kHandleTag = 0x40000000;
constexpr std::uint32_t kSlotBits = 16;
constexpr std::uint32_t kMaxSlots = 1u << kSlotBits;    // GDI's own limit is 65536
constexpr std::uint32_t kGenerationMask = 0x3FFF;        // 14 bits below the tag

struct Slot {
  std::unique_ptr<GdiObject> object;
  std::uint32_t generation = 1;
};

struct Table {
  std::mutex mutex;
  std::vector<Slot> slots = std::vector<Slot>(1);  // slot 0: never handed out
  std::vector<std::uint32_t> free_slots;
};

Table& TheTable() {
  static Table* table = new Table;  // never destroyed: objects may be used at exit
  return *table;
}

HGDIOBJ MakeHandle(std::uint32_t slot, std::uint32_t generation) {
  return reinterpret_cast<HGDIOBJ>(kHandleTag | (std::uintptr_t{generation} << kSlotBits) |
                                   slot);
}

// The slot of a handle that looks like one of ours, else 0.
std::uint32_t SlotOf(const Table& table, HGDIOBJ handle) {
  auto value = reinterpret_cast<std::uintptr_t>(handle);
  if ((value & ~((std::uintptr_t{kGenerationMask} << kSlotBits) | (kMaxSlots - 1))) !=
      kHandleTag) {
    return 0;
  }
  std::uint32_t slot = value & (kMaxSlots - 1);
  std::uint32_t generation = (value >> kSlotBits) & kGenerationMask;
  if (slot == 0 || slot >= table.slots.size()) return 0;
  const Slot& entry = table.slots[slot];
  if (!entry.object || entry.generation != generation) return 0;
  return slot;
}

}  // namespace

HGDIOBJ AddObject(std::unique_ptr<GdiObject> object) {
  if (!object) return nullptr;
  Table& table = TheTable();
  std::lock_guard lock(table.mutex);
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
  Slot& entry = table.slots[slot];
  entry.object = std::move(object);
  entry.object->handle_ = MakeHandle(slot, entry.generation);
  return entry.object->handle_;
}

GdiObject* FindObject(HGDIOBJ handle) {
  Table& table = TheTable();
  std::lock_guard lock(table.mutex);
  std::uint32_t slot = SlotOf(table, handle);
  return slot ? table.slots[slot].object.get() : nullptr;
}

bool RemoveObject(HGDIOBJ handle) {
  std::unique_ptr<GdiObject> doomed;  // destroyed after the lock is released
  Table& table = TheTable();
  {
    std::lock_guard lock(table.mutex);
    std::uint32_t slot = SlotOf(table, handle);
    if (slot == 0) return false;
    Slot& entry = table.slots[slot];
    if (entry.object->stock()) return true;
    doomed = std::move(entry.object);
    entry.generation = (entry.generation % kGenerationMask) + 1;  // 1 … mask, never 0
    table.free_slots.push_back(slot);
  }
  return true;
}

HGDIOBJ HandleOf(const GdiObject* object) {
  return object ? object->handle() : nullptr;
}

int LiveObjectCount() {
  Table& table = TheTable();
  std::lock_guard lock(table.mutex);
  int count = 0;
  for (const Slot& entry : table.slots) {
    if (entry.object && !entry.object->stock()) ++count;
  }
  return count;
}

void ForEachObject(DWORD type, void (*visit)(GdiObject& object)) {
  Table& table = TheTable();
  std::lock_guard lock(table.mutex);
  for (Slot& entry : table.slots) {
    if (entry.object && entry.object->type() == type) visit(*entry.object);
  }
}

}  // namespace platform::gdi
