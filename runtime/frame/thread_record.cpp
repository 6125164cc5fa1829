#include "runtime/frame/thread_record.h"

#include "runtime/frame/process_state.h"
#include "runtime/text/dyn_string.h"

namespace runtime {

ProcessState& Process() {
  static ProcessState state;
  return state;
}

namespace {

// Without a TLS slot (a test, or a service used before start-up) the record still
// works, per thread.
thread_local ThreadRecord* fallback_record = nullptr;

ThreadRecord* StoredRecord() {
  DWORD slot = Process().tls_slot;
  if (slot == TLS_OUT_OF_INDEXES) return fallback_record;
  return static_cast<ThreadRecord*>(TlsGetValue(slot));
}

void StoreRecord(ThreadRecord* record) {
  DWORD slot = Process().tls_slot;
  if (slot == TLS_OUT_OF_INDEXES) {
    fallback_record = record;
  } else {
    TlsSetValue(slot, record);
  }
}

}  // namespace

ThreadRecord* CurrentThreadRecord() {
  if (ThreadRecord* record = StoredRecord()) return record;
  auto* record = static_cast<ThreadRecord*>(GlobalAlloc(GPTR, sizeof(ThreadRecord)));
  if (record == nullptr) return nullptr;
  StoreRecord(record);
  Process().live_threads.fetch_add(1);
  if (const ThreadRecord* main = Process().main_thread_record) {
    record->default_dialog_font = main->default_dialog_font;
    for (int i = 0; i < 3; ++i) record->default_fonts[i] = main->default_fonts[i];
    record->code_page = main->code_page;
  }
  return record;
}

void ReleaseThreadRecord() {
  ThreadRecord* record = StoredRecord();
  if (record == nullptr) return;
  if (record->thread_handle != nullptr) CloseHandle(record->thread_handle);
  if (record->search_handle != nullptr) FindClose(record->search_handle);
  for (char*& text : record->owned_texts) {
    FreeText(text);
    text = nullptr;
  }
  if (Process().main_thread_record == record) Process().main_thread_record = nullptr;
  GlobalFree(record);
  StoreRecord(nullptr);
  Process().live_threads.fetch_sub(1);
}

UINT ThreadCodePage() {
  const ThreadRecord* record = StoredRecord();
  return record == nullptr ? CP_ACP : record->code_page;
}

}  // namespace runtime
