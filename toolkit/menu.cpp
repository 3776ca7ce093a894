#include "toolkit/menu.h"

#include <cstddef>
#include <cstring>

#include "toolkit/control.h"

int32_t NextMenuItemId = kFirstMenuItemId;

namespace {

constexpr UINT kItemInfoMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_TYPE | MIIM_DATA;
constexpr ULONG_PTR kCheckItemData = 0x40000000;
constexpr ULONG_PTR kRadioItemData = 0x80000000;
constexpr int32_t kBitsMask = 0x7FFFFFFF;

// The oldest platform generations know the item record without its bitmap
// field.
UINT MenuItemInfoSize() {
  static const UINT size = [] {
    OSVERSIONINFOA v{};
    v.dwOSVersionInfoSize = sizeof v;
    if (!GetVersionExA(&v)) return static_cast<UINT>(sizeof(MENUITEMINFOA));
    bool oldest = v.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS
                      ? (v.dwMajorVersion < 4 || (v.dwMajorVersion == 4 && v.dwMinorVersion < 10))
                      : v.dwPlatformId != VER_PLATFORM_WIN32_NT || v.dwMajorVersion < 5;
    return static_cast<UINT>(oldest ? offsetof(MENUITEMINFOA, hbmpItem) : sizeof(MENUITEMINFOA));
  }();
  return size;
}

TMenu* ItemAt(const TList* items, int32_t i) { return static_cast<TMenu*>(items->Get(i)); }

TMenu* TopMenuOf(TMenu* item) {
  while (item->ParentMenu) item = item->ParentMenu;
  return item;
}

bool IsEntry(const char* entry, const char* text) { return entry && std::strcmp(entry, text) == 0; }

// The group of a new radio item: that of the item just before it at the
// same level when it has one, else 1.
int32_t GroupBefore(TMenu* parent) {
  int32_t before = parent->Items->Count - 2;  // the new item is already last
  int32_t group = before >= 0 ? ItemAt(parent->Items, before)->RadioGroup : 0;
  return group != 0 ? group : 1;
}

// Reads the markers of an entry into the item and the platform record; the
// rest of the entry is the caption.
void ReadMarkers(TMenu* parent, TMenu* item, const char* entry, MENUITEMINFOA& info) {
  if (IsEntry(entry, "-")) {
    info.fType = MFT_SEPARATOR;
    info.fState = MFS_GRAYED;
    item->IsSeparator = 1;
    return;
  }
  const char* p = entry;
  if (*p == '-' || *p == '+') {
    item->IsCheckItem = 1;
    info.dwItemData = kCheckItemData;
    if (*p == '+') info.fState |= MFS_CHECKED;
    ++p;
    if (*p == '!') {
      info.fType |= MFT_RADIOCHECK;
      info.dwItemData |= kRadioItemData;
      item->RadioGroup = GroupBefore(parent);
      ++p;
      if (*p == '!') {
        ++item->RadioGroup;
        ++p;
      }
    }
  }
  item->Caption = p;
}

// Parses entries from `index` into parent (whose platform menu is
// platformMenu); returns the index after what it consumed.
int32_t ParseMenuTemplate(TMenu* parent, HMENU platformMenu, int32_t index, int32_t highIndex,
                          const char* const* entries) {
  while (index <= highIndex && entries[index] && entries[index][0]) {
    const char* entry = entries[index];
    if (IsEntry(entry, ")")) return index + 1;

    TMenu* item = New<TMenu>();
    item->ParentMenu = parent;
    parent->Items->Add(item);
    MENUITEMINFOA info{};
    info.cbSize = MenuItemInfoSize();
    info.fMask = kItemInfoMask;
    ReadMarkers(parent, item, entry, info);
    item->State = static_cast<int32_t>(info.fState);
    item->ItemId = NextMenuItemId++;
    info.wID = static_cast<UINT>(item->ItemId);

    bool opensSubmenu = index < highIndex && IsEntry(entries[index + 1], "(");
    if (opensSubmenu) item->MenuHandle = CreatePopupMenu();
    info.hSubMenu = item->MenuHandle;
    if (!item->IsSeparator) info.dwTypeData = item->Caption.data();
    InsertMenuItemA(platformMenu, 0xFFFFFFFF, TRUE, &info);

    index = opensSubmenu ? ParseMenuTemplate(item, item->MenuHandle, index + 2, highIndex, entries)
                         : index + 1;
  }
  return index;
}

TMenu* FindById(TMenu* menu, int32_t id) {
  for (int32_t i = 0; i < menu->Items->Count; ++i) {
    TMenu* item = ItemAt(menu->Items, i);
    if (item->ItemId == id) return item;
    if (TMenu* found = FindById(item, id)) return found;
  }
  return nullptr;
}

// Depth-first walk: `position` counts down to the wanted item.
TMenu* FindByPosition(TMenu* menu, int32_t& position) {
  for (int32_t i = 0; i < menu->Items->Count; ++i) {
    TMenu* item = ItemAt(menu->Items, i);
    if (position-- == 0) return item;
    if (TMenu* found = FindByPosition(item, position)) return found;
  }
  return nullptr;
}

bool CountUpTo(TMenu* menu, TMenu* wanted, int32_t& position) {
  for (int32_t i = 0; i < menu->Items->Count; ++i) {
    TMenu* item = ItemAt(menu->Items, i);
    if (item == wanted) return true;
    ++position;
    if (CountUpTo(item, wanted, position)) return true;
  }
  return false;
}

void RefreshState(TMenu* item) {
  if (!item->Visible || !item->ParentMenu || !item->ParentMenu->MenuHandle) return;
  MENUITEMINFOA info{};
  info.cbSize = MenuItemInfoSize();
  info.fMask = MIIM_STATE;
  if (GetMenuItemInfoA(item->ParentMenu->MenuHandle, static_cast<UINT>(item->ItemId), FALSE, &info)) {
    item->State = static_cast<int32_t>(info.fState);
  }
}

// The platform record of an item as its template entry made it, for putting
// it back in its menu.
MENUITEMINFOA ItemInfoOf(TMenu* item) {
  MENUITEMINFOA info{};
  info.cbSize = MenuItemInfoSize();
  info.fMask = kItemInfoMask;
  info.wID = static_cast<UINT>(item->ItemId);
  info.hSubMenu = item->MenuHandle;
  info.fState = static_cast<UINT>(item->State);
  if (item->IsSeparator) {
    info.fType = MFT_SEPARATOR;
    return info;
  }
  if (item->IsCheckItem) info.dwItemData = kCheckItemData;
  if (item->RadioGroup) {
    info.fType |= MFT_RADIOCHECK;
    info.dwItemData |= kRadioItemData;
  }
  info.dwTypeData = item->Caption.data();
  return info;
}

// The menu bar shows a change of its own items only when redrawn.
void RedrawMenuBar(TMenu* item) {
  TMenu* top = TopMenuOf(item);
  TControl* owner = top->OwnerWindow;
  if (!AppTerminated && owner && owner->FirstMenu == top && owner->HasWindow()) DrawMenuBar(owner->Handle);
}

bool IsMenuBarOf(TControl* window, TMenu* menu) {
  return !window->IsControl && menu->MenuHandle &&
         window->MenuOrId == reinterpret_cast<uintptr_t>(menu->MenuHandle);
}

// The window is going away and would destroy its menu bar with it; the bar
// belongs to the first menu of the chain, which destroys it when freed.
void DetachMenuBar(TControl* window) {
  auto* first = static_cast<TMenu*>(window->FirstMenu);
  if (!first || !IsMenuBarOf(window, first)) return;
  SetMenu(window->Handle, nullptr);
  window->MenuOrId = 0;
}

// Turns a WM_COMMAND from a menu (0) or an accelerator (1) into the pick
// event of the first menu of the window's chain that knows the command.
bool MenuCommandHandler(void*, TControl* window, TMsg& msg, LRESULT& result) {
  if (msg.Message == WM_DESTROY) {
    DetachMenuBar(window);
    return false;
  }
  if (msg.Message != WM_COMMAND || msg.LParam != 0) return false;
  const uint16_t code = HIWORD(msg.WParam);
  if (code > 1) return false;
  for (auto* menu = static_cast<TMenu*>(window->FirstMenu); menu; menu = menu->NextMenu) {
    TMenu* item = MenuItemByIdOrIndex(menu, LOWORD(msg.WParam));
    if (!item) continue;
    result = 0;
    const int32_t index = MenuItemIndex(menu, item);
    menu->ByAccelerator = code != 0;
    if (item->RadioGroup) {
      CheckRadioItem(item);
    } else if (item->IsCheckItem) {
      SetItemState(item, kMenuChecked, !GetItemState(item, kMenuChecked));
    }
    TMenuEvent event = item->OnMenuItem ? item->OnMenuItem : menu->OnMenuItem;
    if (event) event(menu, index);
    return true;
  }
  return false;
}

}  // namespace

void TMenu::Prepare() {
  Items = CreateList();
  Visible = 1;
}

TMenu::~TMenu() {
  // Sub-items first, newest first; each takes itself out of its platform menu.
  while (Items && Items->Count > 0) {
    TMenu* item = ItemAt(Items, Items->Count - 1);
    Items->Delete(Items->Count - 1);
    item->Free();
  }
  if (ParentMenu) {
    if (ParentMenu->MenuHandle) RemoveMenu(ParentMenu->MenuHandle, static_cast<UINT>(ItemId), MF_BYCOMMAND);
    int32_t at = ParentMenu->Items->IndexOf(this);
    if (at >= 0) ParentMenu->Items->Delete(at);
  }

  // A whole menu leaves its window: it takes its bar off the window and
  // leaves the chain. Freeing the head of a chain frees the whole chain (the
  // window frees its menus this way); any other menu frees only itself.
  TMenu* rest = nullptr;
  if (TControl* owner = OwnerWindow) {
    if (IsMenuBarOf(owner, this)) {
      if (owner->HasWindow()) SetMenu(owner->Handle, nullptr);
      owner->MenuOrId = 0;
    }
    if (owner->FirstMenu == this) {
      owner->FirstMenu = NextMenu;
      rest = NextMenu;
    } else {
      for (auto* m = static_cast<TMenu*>(owner->FirstMenu); m; m = m->NextMenu) {
        if (m->NextMenu == this) {
          m->NextMenu = NextMenu;
          break;
        }
      }
    }
    NextMenu = nullptr;
  }
  if (MenuHandle) DestroyMenu(MenuHandle);
  FreeObj(Items);
  FreeObj(rest);
}

TMenu* CreateMenuObject(TControl* owner, const char* const* entries, int32_t highIndex,
                        TMenuEvent pickEvent) {
  TMenu* menu = New<TMenu>();
  menu->OnMenuItem = pickEvent;
  if (highIndex >= 0 && entries && entries[0]) {
    bool popup = !owner || owner->FirstMenu || owner->IsControl;
    menu->MenuHandle = popup ? CreatePopupMenu() : CreateMenu();
    ParseMenuTemplate(menu, menu->MenuHandle, 0, highIndex, entries);
  }
  if (!owner) return menu;

  menu->OwnerWindow = owner;
  if (!owner->FirstMenu) {
    if (!owner->IsControl) SetFormMenu(owner, menu->MenuHandle);
    owner->FirstMenu = menu;
    owner->AttachMessageHandler(&MenuCommandHandler);
  } else {
    auto* last = static_cast<TMenu*>(owner->FirstMenu);
    while (last->NextMenu) last = last->NextMenu;
    last->NextMenu = menu;
  }
  return menu;
}

void SetFormMenu(TControl* window, HMENU menu) {
  if (!window || window->IsControl) return;
  if (window->MenuOrId == reinterpret_cast<uintptr_t>(menu)) return;
  FreeObj(window->FirstMenu);  // takes its own bar off the window
  // What is left is a menu set without a chain; it goes once the new one is on.
  auto old = reinterpret_cast<HMENU>(window->MenuOrId);
  window->MenuOrId = reinterpret_cast<uintptr_t>(menu);
  if (window->HasWindow()) SetMenu(window->Handle, menu);
  if (old) DestroyMenu(old);
}

TMenu* MenuItemByIdOrIndex(TMenu* menu, int32_t v) {
  if (!menu) return nullptr;
  if (v == -1) return menu;
  if (v > kFirstMenuItemId - 1) return FindById(menu, v);
  if (v < 0) return nullptr;
  return FindByPosition(menu, v);
}

int32_t MenuItemIndex(TMenu* menu, TMenu* item) {
  if (!menu) return -2;
  if (item == menu) return -1;
  int32_t position = 0;
  return CountUpTo(menu, item, position) ? position : -2;
}

bool GetItemState(TMenu* item, int32_t bits) {
  RefreshState(item);
  bool any = (item->State & bits & kBitsMask) != 0;
  return bits < 0 ? !any : any;
}

void SetItemState(TMenu* item, int32_t bits, bool on) {
  RefreshState(item);
  if ((bits < 0) == on) {
    item->State &= ~(bits & kBitsMask);
  } else {
    item->State |= bits & kBitsMask;
  }
  if (item->Visible && item->ParentMenu && item->ParentMenu->MenuHandle) {
    MENUITEMINFOA info{};
    info.cbSize = MenuItemInfoSize();
    info.fMask = MIIM_STATE;
    info.fState = static_cast<UINT>(item->State);
    SetMenuItemInfoA(item->ParentMenu->MenuHandle, static_cast<UINT>(item->ItemId), FALSE, &info);
  }
  RedrawMenuBar(item);
}

void CheckRadioItem(TMenu* item) {
  TMenu* parent = item->ParentMenu;
  if (parent && item->RadioGroup) {
    const TList* items = parent->Items;
    const int32_t group = item->RadioGroup;
    int32_t from = items->IndexOf(item), to = from;
    while (from > 0 && ItemAt(items, from - 1)->RadioGroup == group) --from;
    while (to + 1 < items->Count && ItemAt(items, to + 1)->RadioGroup == group) ++to;
    TMenu* first = nullptr;
    TMenu* last = nullptr;
    for (int32_t i = from; i <= to; ++i) {
      TMenu* m = ItemAt(items, i);
      if (!m->Visible) continue;
      if (!first) first = m;
      last = m;
    }
    if (first && first != last && parent->MenuHandle) {
      CheckMenuRadioItem(parent->MenuHandle, static_cast<UINT>(first->ItemId),
                         static_cast<UINT>(last->ItemId), static_cast<UINT>(item->ItemId), MF_BYCOMMAND);
      for (int32_t i = from; i <= to; ++i) RefreshState(ItemAt(items, i));
      return;
    }
  }
  SetItemState(item, kMenuChecked, true);
}

void SetItemCaption(TMenu* item, const std::string& caption) {
  item->Caption = caption;
  if (!item->Visible || item->IsSeparator || !item->ParentMenu || !item->ParentMenu->MenuHandle) return;
  MENUITEMINFOA info = ItemInfoOf(item);
  info.fMask = MIIM_TYPE;
  SetMenuItemInfoA(item->ParentMenu->MenuHandle, static_cast<UINT>(item->ItemId), FALSE, &info);
  RedrawMenuBar(item);
}

void SetItemVisible(TMenu* item, bool on) {
  TMenu* parent = item->ParentMenu;
  if ((item->Visible != 0) == on || !parent || !parent->MenuHandle) return;
  if (on) {
    UINT position = 0;
    for (int32_t i = 0; i < parent->Items->Count && ItemAt(parent->Items, i) != item; ++i)
      position += ItemAt(parent->Items, i)->Visible;
    MENUITEMINFOA info = ItemInfoOf(item);
    InsertMenuItemA(parent->MenuHandle, position, TRUE, &info);
  } else {
    RefreshState(item);  // kept for when it comes back
    RemoveMenu(parent->MenuHandle, static_cast<UINT>(item->ItemId), MF_BYCOMMAND);
  }
  item->Visible = on ? 1 : 0;
  RedrawMenuBar(item);
}
