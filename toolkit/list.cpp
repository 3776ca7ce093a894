#include "toolkit/list.h"

#include <cstdlib>
#include <cstring>
#include <new>

TList* CreateList() { return New<TList>(); }

TList::~TList() { Clear(); }

void TList::Add(void* ref) {
  if (Count >= Capacity) {
    if (GrowBy <= 0) GrowBy = 4;
    SetCapacity(Count + GrowBy);
  }
  Items[Count++] = ref;
}

void TList::Insert(int32_t index, void* ref) {
  if (index < 0 || index > Count) return;
  Add(nullptr);
  if (index < Count - 1)
    std::memmove(Items + index + 1, Items + index, sizeof(void*) * (Count - 1 - index));
  Items[index] = ref;
}

void* TList::Get(int32_t index) const {
  if (index < 0 || index >= Count) return nullptr;
  return Items[index];
}

void TList::DeleteRange(int32_t index, int32_t n) {
  if (n <= 0 || index < 0 || index >= Count) return;
  if (n > Count - index) n = Count - index;
  std::memmove(Items + index, Items + index + n, sizeof(void*) * (Count - index - n));
  Count -= n;
}

int32_t TList::IndexOf(const void* ref) const {
  for (int32_t i = 0; i < Count; ++i)
    if (Items[i] == ref) return i;
  return -1;
}

void TList::SetCapacity(int32_t n) {
  if (n < Count) n = Count;
  if (n == Capacity) return;
  if (n == 0) {
    Clear();
    return;
  }
  void* grown = std::realloc(Items, sizeof(void*) * static_cast<size_t>(n));
  if (!grown) throw std::bad_alloc();
  Items = static_cast<void**>(grown);
  Capacity = n;
}

void TList::Clear() {
  std::free(Items);
  Items = nullptr;
  Count = 0;
  Capacity = 0;
}
