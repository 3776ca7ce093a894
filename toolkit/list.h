// TList: a growable array of untyped references that grows by a fixed step.
#pragma once

#include <cstdint>

#include "toolkit/obj.h"

class TList : public TObj {
 public:
  void** Items = nullptr;
  int32_t Count = 0;
  int32_t Capacity = 0;
  int32_t GrowBy = 4;

  void Add(void* ref);
  void Insert(int32_t index, void* ref);
  void* Get(int32_t index) const;
  void Delete(int32_t index) { DeleteRange(index, 1); }
  void DeleteRange(int32_t index, int32_t n);
  int32_t IndexOf(const void* ref) const;
  void SetCapacity(int32_t n);
  void Clear();

 protected:
  ~TList() override;
};

TList* CreateList();
