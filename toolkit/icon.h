// TIcon: an icon handle with its size. A shared icon is not destroyed with
// the object.
#pragma once

#include <windows.h>

#include <cstdint>

#include "toolkit/obj.h"

class TIcon : public TObj {
 public:
  int32_t Size = 32;
  HICON Handle = nullptr;
  uint8_t IconShared = 0;

 protected:
  ~TIcon() override;
};

TIcon* CreateIcon();
