#include "toolkit/icon.h"

TIcon::~TIcon() {
  if (Handle && !IconShared) DestroyIcon(Handle);
}

TIcon* CreateIcon() { return New<TIcon>(); }
