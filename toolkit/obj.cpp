#include "toolkit/obj.h"

#include "toolkit/list.h"

namespace {

void FreeObjProc(void* argument) { FreeObj(static_cast<TObj*>(argument)); }

}  // namespace

TObj::~TObj() = default;

void TObj::Free() {
  if (HoldCount == 0) {
    Destroy();
  } else if ((HoldCount & 1) == 0) {
    HoldCount -= 1;
  }
}

void TObj::DropHold() {
  HoldCount -= 2;
  if (HoldCount < 0 && (HoldCount & 1) != 0) Destroy();
}

void TObj::OwnProc(TFreeProc proc, void* argument) {
  if (!OwnedItems) OwnedItems = CreateList();
  OwnedItems->Insert(0, argument);
  OwnedItems->Insert(0, reinterpret_cast<void*>(proc));
}

void TObj::OwnObject(TObj* object) { OwnProc(&FreeObjProc, object); }

void TObj::Destroy() {
  // Messages dispatched while the owned items go may take and drop holds on
  // this object again; they must not start its destruction a second time.
  if (Destroying) return;
  Destroying = true;
  if (DestroyHandler) {
    auto handler = DestroyHandler;
    DestroyHandler = {};
    handler(this);
  }
  if (OwnedItems) {
    for (int32_t i = 0; i + 1 < OwnedItems->Count; i += 2) {
      auto proc = reinterpret_cast<TFreeProc>(OwnedItems->Items[i]);
      proc(OwnedItems->Items[i + 1]);
    }
    TList* items = OwnedItems;
    OwnedItems = nullptr;
    items->Free();
  }
  delete this;
}
