// TMenu: a window's menu bar or a popup menu, built from a menu template.
// The same class stands for a whole menu and for each of its items. Every
// item gets a command id from one process-wide counter; when the user picks
// an item, the owner window's WM_COMMAND becomes a call of the item's (or
// else the menu's) pick event with the item's depth-first position in the
// menu tree. Check and radio items toggle themselves before the event runs.
//
// Template entries, read from index 0 up to highIndex; an empty or missing
// (null) entry ends the template at every level:
//   ")"           closes the current submenu ("(" after an item opens one)
//   "-"           a separator
//   "-Text"       an unchecked check item; "+Text" a checked one
//   "-!Text"      a radio item in the group of the item before it (or 1);
//                 "+!Text" the same, checked
//   "-!!Text"     a radio item that starts the next group
//   anything else a plain item; the caption goes to the platform unchanged
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "core/method.h"
#include "toolkit/list.h"
#include "toolkit/obj.h"

class TControl;
class TMenu;

// The pick event: the whole menu and the picked item's depth-first index.
using TMenuEvent = TMethod<void(TMenu* sender, int32_t index)>;

// State bits of an item.
enum : int32_t { kMenuChecked = MFS_CHECKED, kMenuDisabled = MFS_DISABLED };

class TMenu : public TObj {
 public:
  // --- Fields, in the order of the object's field layout; new ones go last ------
  HMENU MenuHandle = nullptr;  // bar or popup; an item's submenu; null for a plain item
  int32_t ItemId = 0;          // command id (items only)
  TMenu* ParentMenu = nullptr; // null for a whole menu
  TControl* OwnerWindow = nullptr;  // whole menus attached to a window
  TMenu* NextMenu = nullptr;   // next menu in the owner window's chain
  int32_t RadioGroup = 0;      // 0: not a radio item
  uint8_t IsCheckItem = 0;     // check or radio item
  uint8_t IsSeparator = 0;
  TList* Items = nullptr;      // sub-items (TMenu*) in order
  TMenuEvent OnMenuItem;
  uint8_t ByAccelerator = 0;   // the last command came from an accelerator
  uint8_t Visible = 1;         // present in its platform menu
  int32_t State = 0;           // cached platform state bits
  std::string Caption;

  void Prepare() override;

 protected:
  ~TMenu() override;
};

// The command id the next item gets; ids are never reused.
extern int32_t NextMenuItemId;
inline constexpr int32_t kFirstMenuItemId = 4096;

// Builds a menu from entries[0 .. highIndex]. With an owner the menu joins
// the end of the owner's chain; the first menu of a form's chain becomes its
// menu bar, later ones (and those of child controls or without owner) are
// popups. The owner then turns its WM_COMMAND into pick events.
TMenu* CreateMenuObject(TControl* owner, const char* const* entries, int32_t highIndex,
                        TMenuEvent pickEvent);

// Makes `menu` the window's menu bar: frees the window's menu chain and the
// old menu first. No effect when the handle is already the window's menu, or
// for a child control (whose MenuOrId is its control id).
void SetFormMenu(TControl* window, HMENU menu);

// v = -1: the menu itself; v > 4095: the item with that command id;
// otherwise the item at depth-first position v. Null when there is none.
TMenu* MenuItemByIdOrIndex(TMenu* menu, int32_t v);
// The depth-first position of item: -1 for the menu itself, -2 when not found.
int32_t MenuItemIndex(TMenu* menu, TMenu* item);

// Reads the item's state from the platform and tests the bits: true when any
// of them is set; a negative `bits` inverts the answer.
bool GetItemState(TMenu* item, int32_t bits);
// Sets (on) or clears the bits; a negative `bits` inverts `on`.
void SetItemState(TMenu* item, int32_t bits, bool on);
// Checks a radio item and unchecks the rest of its run of neighbours in the
// same group; any other item just gets its check mark.
void CheckRadioItem(TMenu* item);

// Gives the item a new caption (markers are not read from it).
void SetItemCaption(TMenu* item, const std::string& caption);
// Takes the item out of its platform menu (off) or puts it back in its place
// among the visible items (on). A hidden item keeps its id and its
// depth-first position in the menu tree, so the items after it keep theirs.
void SetItemVisible(TMenu* item, bool on);
