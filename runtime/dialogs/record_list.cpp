#include "runtime/dialogs/record_list.h"

#include "runtime/dialogs/shared_brushes.h"

#include <mutex>
#include <new>
#include <utility>

#include "runtime/frame/error_state.h"
#include "runtime/frame/runtime_lists.h"
#include "runtime/frame/spin_lock.h"

namespace runtime {
namespace {

struct RecordList {
  SpinLock lock;
  DialogState* head = nullptr;
};

RecordList& List() {
  static RecordList* list = [] {
    RegisterRuntimeListReset(&reset_record_list);
    return new RecordList;
  }();
  return *list;
}

bool UsesColor(const DialogState& record, std::int32_t color) {
  if (record.back_color == color) return true;
  return IsGraphicKind(record.kind) && record.graphic.default_back_color == color;
}

}  // namespace

DialogState* register_record(ErrorState& errors, HWND hwnd, HWND parent, std::uint32_t flags,
                             std::int32_t kind) {
  if (find_record(hwnd) != nullptr) {
    errors.RaiseError(error::kIllegalFunctionCall);
    return nullptr;
  }
  // Plain zero-filled memory of the record's alignment: the system string allocator
  // only aligns to 4 bytes, too little for the handles inside.
  auto* record = new (std::nothrow) DialogState{};
  if (record == nullptr) {
    errors.RaiseError(error::kIllegalFunctionCall);
    return nullptr;
  }
  record->hwnd = hwnd;
  record->parent = parent;
  record->flags = flags;
  record->kind = kind;
  record->back_color = COLOR_NOT_SET;
  record->text_color = COLOR_NOT_SET;
  if (IsGraphicKind(kind)) give_graphic_defaults(*record);

  RecordList& list = List();
  std::lock_guard hold(list.lock);
  record->next = list.head;
  list.head = record;
  return record;
}

DialogState* find_record(HWND hwnd) {
  if (hwnd == nullptr) return nullptr;
  RecordList& list = List();
  std::lock_guard hold(list.lock);
  for (DialogState* r = list.head; r != nullptr; r = r->next) {
    if (r->hwnd == hwnd) return r;
  }
  return nullptr;
}

bool unlink_record(DialogState* record) {
  if (record == nullptr) return false;
  RecordList& list = List();
  std::lock_guard hold(list.lock);
  for (DialogState** link = &list.head; *link != nullptr; link = &(*link)->next) {
    if (*link == record) {
      *link = record->next;
      record->next = nullptr;
      return true;
    }
  }
  return false;
}

void delete_record(DialogState* record) { delete record; }

HWND first_child_control(HWND window) {
  RecordList& list = List();
  std::lock_guard hold(list.lock);
  for (DialogState* r = list.head; r != nullptr; r = r->next) {
    if (r->parent == window && (r->flags & IS_CONTROL) != 0) return r->hwnd;
  }
  return nullptr;
}

DialogState* next_child_record(HWND window, const DialogState* after) {
  RecordList& list = List();
  std::lock_guard hold(list.lock);
  for (DialogState* r = after != nullptr ? after->next : list.head; r != nullptr; r = r->next) {
    if (r->parent == window) return r;
  }
  return nullptr;
}

DialogState* next_bar_record(HWND window, const DialogState* after) {
  RecordList& list = List();
  std::lock_guard hold(list.lock);
  for (DialogState* r = after != nullptr ? after->next : list.head; r != nullptr; r = r->next) {
    if (r->parent == window && (r->flags & IS_CONTROL) != 0 &&
        (r->kind == kind::kStatusBar || r->kind == kind::kToolbar)) {
      return r;
    }
  }
  return nullptr;
}

HBRUSH find_shared_brush(std::int32_t color, bool* found) {
  RecordList& list = List();
  std::lock_guard hold(list.lock);
  for (DialogState* r = list.head; r != nullptr; r = r->next) {
    if (r->back_color == color) {
      if (found != nullptr) *found = true;
      return r->back_brush;
    }
    if (IsGraphicKind(r->kind) && r->graphic.default_brush != nullptr &&
        r->graphic.default_back_color == color) {
      if (found != nullptr) *found = true;
      return r->graphic.default_brush;
    }
  }
  if (found != nullptr) *found = false;
  return nullptr;
}

bool color_in_use(std::int32_t color) {
  RecordList& list = List();
  std::lock_guard hold(list.lock);
  for (DialogState* r = list.head; r != nullptr; r = r->next) {
    if (UsesColor(*r, color)) return true;
  }
  return false;
}

std::size_t record_count() {
  RecordList& list = List();
  std::lock_guard hold(list.lock);
  std::size_t n = 0;
  for (DialogState* r = list.head; r != nullptr; r = r->next) ++n;
  return n;
}

void reset_record_list() {
  RecordList& list = List();
  DialogState* head;
  {
    std::lock_guard hold(list.lock);
    head = list.head;
    list.head = nullptr;
  }
  // Their windows went with the earlier program image; only the memory is left.
  while (head != nullptr) delete std::exchange(head, head->next);
}

}  // namespace runtime
