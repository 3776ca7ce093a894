// TObj: base of every toolkit object. It carries a hold count so that
// several owners can share an object, a destroy handler, and the list of
// things it frees together with itself.
#pragma once

#include <cstdint>

#include "core/method.h"

class TList;

class TObj {
 public:
  using TFreeProc = void (*)(void* argument);

  int32_t HoldCount = 0;  // twice the extra holders; bit 0: free requested
  TMethod<void(TObj* sender)> DestroyHandler;
  TList* OwnedItems = nullptr;  // (procedure, argument) pairs, newest first

  TObj() = default;
  TObj(const TObj&) = delete;
  TObj& operator=(const TObj&) = delete;

  // Called by New<T>() after construction, where virtual calls reach the
  // most derived class.
  virtual void Prepare() {}

  // Releases the caller's reference; destroys at once unless held.
  void Free();
  void AddHold() { HoldCount += 2; }
  void DropHold();

  void OwnObject(TObj* object);
  void OwnProc(TFreeProc proc, void* argument);

  // Runs the destroy handler and the owned items, then deletes the object
  // (the derived destructors run as part of the delete).
  void Destroy();

 protected:
  bool Destroying = false;

  virtual ~TObj();
};

// Frees a possibly nil object.
inline void FreeObj(TObj* object) {
  if (object) object->Free();
}

// Allocates an object and runs its preparation step.
template <class T, class... Args>
T* New(Args&&... args) {
  T* object = new T(static_cast<Args&&>(args)...);
  object->Prepare();
  return object;
}
