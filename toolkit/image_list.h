// TImageList: a platform image list made on first use from the stored
// description (size, colour depth, mask, growth).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>

#include "toolkit/obj.h"

class TControl;

class TImageList : public TObj {
 public:
  HIMAGELIST Handle = nullptr;  // made on demand
  TControl* Owner = nullptr;
  TImageList* NextOfOwner = nullptr;  // the owner's next image list
  uint8_t ColorDepth = 0;  // 0 device, 1 4-bit, 2 8-bit, 3 16-bit, 4 24-bit, 5 32-bit, 6 device, 7 default
  uint8_t Masked = 1;
  int32_t Width = 32;
  int32_t Height = 32;
  int32_t BkColor = 0x1FFFFFFF;  // 0x1FFFFFFF: leave the platform's
  int32_t GrowCount = 1;
  uint8_t HandleShared = 0;  // the handle is not destroyed with the object

 protected:
  ~TImageList() override;
};

enum : int32_t { kImageListKeepBkColor = 0x1FFFFFFF };

// An image list of 32 x 32 owned by `owner` (freed with it, and listed in
// its OwnedImageLists); owner may be null. A list freed before its owner
// leaves the owner's lists, so the owner does not free it again.
TImageList* CreateImageList(TControl* owner);
// The platform list, made on first use.
HIMAGELIST ImageListHandle(TImageList* list);
void ImageListSetBkColor(TImageList* list, int32_t color);
// Width and height can change only before the platform list exists.
void ImageListSetWidth(TImageList* list, int32_t width);
void ImageListSetHeight(TImageList* list, int32_t height);
// 0 while there is no platform list.
int32_t ImageListCount(TImageList* list);
