#include "toolkit/image_list.h"

#include "toolkit/control.h"
#include "toolkit/graphic_tool.h"
#include "toolkit/list.h"

namespace {

UINT DepthFlag(uint8_t depth) {
  switch (depth) {
    case 1: return ILC_COLOR4;
    case 2: return ILC_COLOR8;
    case 3: return ILC_COLOR16;
    case 4: return ILC_COLOR24;
    case 5: return ILC_COLOR32;
    case 7: return ILC_COLOR;
    default: return ILC_COLORDDB;
  }
}

// Takes the list out of its owner's chain of image lists.
void UnlinkFromOwner(TImageList* list) {
  TImageList** link = &list->Owner->OwnedImageLists;
  while (*link && *link != list) link = &(*link)->NextOfOwner;
  if (*link) *link = list->NextOfOwner;
  list->NextOfOwner = nullptr;
}

// The owner's destruction frees the list through this entry of its owned
// items. From here on the list has no owner, so its own destructor leaves
// the owner's lists alone.
void FreeOwnedImageList(void* argument) {
  auto* list = static_cast<TImageList*>(argument);
  UnlinkFromOwner(list);
  list->Owner = nullptr;
  list->Free();
}

// A list freed on its own takes its entry out of the owner's owned items, so
// that the owner does not free it a second time.
void ForgetOwnedEntry(TImageList* list) {
  TList* items = list->Owner->OwnedItems;
  if (!items) return;
  for (int32_t i = 0; i + 1 < items->Count; i += 2) {
    if (items->Items[i] == reinterpret_cast<void*>(&FreeOwnedImageList) && items->Items[i + 1] == list) {
      items->DeleteRange(i, 2);
      return;
    }
  }
}

}  // namespace

TImageList::~TImageList() {
  if (Owner) {
    UnlinkFromOwner(this);
    ForgetOwnedEntry(this);
    Owner = nullptr;
  }
  if (Handle && !HandleShared) ImageList_Destroy(Handle);
}

TImageList* CreateImageList(TControl* owner) {
  auto* list = New<TImageList>();
  list->Owner = owner;
  if (owner) {
    list->NextOfOwner = owner->OwnedImageLists;
    owner->OwnedImageLists = list;
    owner->OwnProc(&FreeOwnedImageList, list);
  }
  return list;
}

HIMAGELIST ImageListHandle(TImageList* list) {
  if (!list) return nullptr;
  if (!list->Handle) {
    UINT flags = DepthFlag(list->ColorDepth) | (list->Masked ? ILC_MASK : 0);
    list->Handle = ImageList_Create(list->Width, list->Height, flags, 0, list->GrowCount);
    if (list->Handle && list->BkColor != kImageListKeepBkColor)
      ImageList_SetBkColor(list->Handle, ResolveColor(list->BkColor));
  }
  return list->Handle;
}

void ImageListSetBkColor(TImageList* list, int32_t color) {
  list->BkColor = color;
  if (list->Handle) ImageList_SetBkColor(list->Handle, ResolveColor(color));
}

void ImageListSetWidth(TImageList* list, int32_t width) {
  if (!list->Handle) list->Width = width;
}

void ImageListSetHeight(TImageList* list, int32_t height) {
  if (!list->Handle) list->Height = height;
}

int32_t ImageListCount(TImageList* list) {
  return list && list->Handle ? ImageList_GetImageCount(list->Handle) : 0;
}
