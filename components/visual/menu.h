// TVMMenu: gives a form a menu bar built from a text template and reports
// every chosen item as its index and its text. It has no control of its own:
// it watches the form's WM_COMMAND in front of the form's own handling.
//
// The template has one entry per line (CR LF between lines); "(" and ")"
// open and close the submenu of the item before them, and the other markers
// of toolkit/menu.h apply. The item index is the item's position when the
// menu tree is walked depth first, submenu headers included, from 0; the
// lines "(" and ")" are not items.
//
// An item that shows a shortcut after a tab ("Открыть\tCtrl+O") is also
// chosen by that key combination, wherever the focus is in the form: the
// component then reports it exactly as if it had been picked.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/component.h"
#include "core/event.h"
#include "toolkit/control.h"
#include "toolkit/shortcut.h"

class TMenu;

// The menu is built from at most this many template lines; later lines are
// left out.
inline constexpr int32_t kMenuTemplateLines = 51;

class TVMMenu : public TVMComponent {
 public:
  // --- Fields, in the order of the object's field layout; new ones go last ------
  TMessageHandler SavedHandler;  // the form's handler before the menu's
  TControl* Form = nullptr;      // held while the component lives
  TMenu* Menu = nullptr;
  std::vector<std::string> ItemTexts;  // the template lines
  TVM_Event OnClick;         // Integer: index of the chosen item
  TVM_Event OnClickCaption;  // String: text of the chosen item
  // The items that show a shortcut: the shortcut and the item index.
  std::vector<std::pair<TShortcut, int32_t>> Shortcuts;

  // Installs the component's handler on the form in front of the one it had.
  explicit TVMMenu(TControl* form);
  ~TVMMenu() override;

  // Builds the menu from the template lines and makes it the form's menu bar
  // (replacing the one an earlier call built).
  void SetMenu(const std::string& menuTemplate);

  // Action: checks the item whose index is the link index; a radio item
  // ("-!" in the template) unchecks the others of its group.
  void CheckItem(TData& data, uint16_t index);
  // Action. String: captions, one line each (CR LF between them), for the
  // run of items from the one the link index names to the end of its
  // submenu; the items of the run beyond the lines are hidden, and a
  // separator just before the run shows only while some item of it does.
  // The items keep their indexes, so the items after them keep theirs.
  void ShowItemRun(TData& data, uint16_t index);

 private:
  bool FormMessage(TControl* sender, TMsg& msg, LRESULT& result);
  bool TakeShortcut(const TMsg& msg);
  void ReportItem(int32_t index, const std::string& caption);
  void CollectShortcuts();
  void MenuFreed(TObj* sender) { Menu = nullptr; }
  void FreeMenu();
};
