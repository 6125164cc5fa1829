// GDI objects and the process-wide table of their handles (platform-internal).
//
// Every pen, brush, font, bitmap, region and device context is a GdiObject owned by the
// table. Handles are small numbers (slot index and a generation), never pointers into the
// heap: a deleted, foreign or made-up handle is found to be dead without being touched,
// and a slot reused later gets a new generation, so an old handle stays dead.
// Stock objects live in fixed slots and survive DeleteObject.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/win32.h"

namespace platform::gdi {

class GdiObject;
HGDIOBJ AddObject(std::unique_ptr<GdiObject> object);

class GdiObject {
 public:
  explicit GdiObject(DWORD type) : type_(type) {}
  virtual ~GdiObject() = default;
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  DWORD type() const { return type_; }  // an OBJ_ value
  bool stock() const { return stock_; }
  HGDIOBJ handle() const { return handle_; }  // as HandleOf
  void MarkStock() { stock_ = true; }
  // How many device contexts have it selected: a selected bitmap cannot be selected
  // into a second DC, and DeleteObject of a selected object is deferred as in GDI.
  int selected_count = 0;
  bool delete_pending = false;

  // GetObjectW / GetObjectA of this object: with a null buffer the bytes it needs, else
  // the bytes written (at most `size`); 0 when the buffer is too small or the type has no
  // description. `wide` tells GetObjectW (LOGFONTW) from GetObjectA (LOGFONTA).
  virtual int Describe(int size, void* buffer, bool wide) const {
    (void)size, (void)buffer, (void)wide;
    return 0;
  }

 private:
  friend HGDIOBJ AddObject(std::unique_ptr<GdiObject> object);
  DWORD type_;
  bool stock_ = false;
  HGDIOBJ handle_ = nullptr;  // set once by AddObject: HandleOf needs no search
};

// Adds an object and returns its handle, or null (ERROR_NOT_ENOUGH_MEMORY) when the table
// is full.
HGDIOBJ AddObject(std::unique_ptr<GdiObject> object);

// The live object of a handle, or null for a dead, foreign or null handle.
GdiObject* FindObject(HGDIOBJ handle);

// The live object of a handle when T::Accepts its OBJ_ type, else null.
template <class T>
T* Find(HGDIOBJ handle) {
  GdiObject* object = FindObject(handle);
  if (object == nullptr || !T::Accepts(object->type())) return nullptr;
  return static_cast<T*>(object);
}

// Removes the object (ignored for stock objects); the handle is dead afterwards.
// Returns false for a dead handle.
bool RemoveObject(HGDIOBJ handle);

// The handle of a live object (the reverse of FindObject).
HGDIOBJ HandleOf(const GdiObject* object);

// How many non-stock objects are alive: lets tests prove that nothing leaks.
int LiveObjectCount();

// Calls `visit` for every live object of type T (GdiFlush writes DIB sections back). The
// table stays locked meanwhile: `visit` must not add or remove objects.
void ForEachObject(DWORD type, void (*visit)(GdiObject& object));

}  // namespace platform::gdi
