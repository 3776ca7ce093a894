#include "components/visual/menu.h"

#include "toolkit/key_preview.h"
#include "toolkit/menu.h"
#include "toolkit/str_list.h"

TVMMenu::TVMMenu(TControl* form) : Form(form) {
  if (!Form) return;
  // Held, so that the form object outlives this component even when its
  // window goes first: the destructor puts the form's handler back.
  Form->AddHold();
  SavedHandler = Form->OnMessage;
  Form->OnMessage = MakeMethod<&TVMMenu::FormMessage>(this);
}

TVMMenu::~TVMMenu() {
  FreeMenu();
  if (!Form) return;
  if (Form->OnMessage == MakeMethod<&TVMMenu::FormMessage>(this)) Form->OnMessage = SavedHandler;
  Form->DropHold();
}

void TVMMenu::FreeMenu() {
  if (!Menu) return;
  Menu->DestroyHandler = {};
  Menu->Free();  // takes the bar off the form
  Menu = nullptr;
}

void TVMMenu::SetMenu(const std::string& menuTemplate) {
  FreeMenu();
  TStrList* lines = CreateStrList();
  lines->SetText(menuTemplate);
  ItemTexts.clear();
  for (int32_t i = 0; i < lines->Count; ++i) ItemTexts.push_back(lines->Get(i));
  lines->Free();

  // Unused entries stay null, which ends the template.
  const char* table[kMenuTemplateLines] = {};
  for (size_t i = 0; i < ItemTexts.size() && i < kMenuTemplateLines; ++i) table[i] = ItemTexts[i].c_str();
  // The first menu of the form's chain becomes its menu bar.
  Menu = CreateMenuObject(Form, table, kMenuTemplateLines - 1, {});
  Menu->DestroyHandler = MakeMethod<&TVMMenu::MenuFreed>(this);
  CollectShortcuts();
}

void TVMMenu::CheckItem(TData& data, uint16_t index) {
  TMenu* item = Menu ? MenuItemByIdOrIndex(Menu, index) : nullptr;
  if (item && item != Menu) CheckRadioItem(item);
}

void TVMMenu::ShowItemRun(TData& data, uint16_t index) {
  TMenu* first = Menu ? MenuItemByIdOrIndex(Menu, index) : nullptr;
  if (!first || first == Menu || !first->ParentMenu) return;
  TStrList* lines = CreateStrList();
  lines->SetText(ValueToStr(data));
  const TList* items = first->ParentMenu->Items;
  const int32_t start = items->IndexOf(first);
  for (int32_t i = start; i < items->Count; ++i) {
    auto* item = static_cast<TMenu*>(items->Get(i));
    const int32_t line = i - start;
    if (line < lines->Count) SetItemCaption(item, lines->Get(line));
    SetItemVisible(item, line < lines->Count);
  }
  auto* before = start > 0 ? static_cast<TMenu*>(items->Get(start - 1)) : nullptr;
  if (before && before->IsSeparator) SetItemVisible(before, lines->Count > 0);
  lines->Free();
}

void TVMMenu::CollectShortcuts() {
  Shortcuts.clear();
  for (int32_t index = 0;; ++index) {
    TMenu* item = MenuItemByIdOrIndex(Menu, index);
    if (!item || item == Menu) break;
    const TShortcut shortcut = ShortcutOfCaption(item->Caption);
    if (shortcut.Key) Shortcuts.emplace_back(shortcut, index);
  }
}

void TVMMenu::ReportItem(int32_t index, const std::string& caption) {
  FireInt(OnClick, index);
  FireStr(OnClickCaption, caption);
}

bool TVMMenu::TakeShortcut(const TMsg& msg) {
  for (const auto& [shortcut, index] : Shortcuts) {
    if (!IsShortcutPreview(shortcut, msg.Message, msg.WParam)) continue;
    TMenu* item = Menu ? MenuItemByIdOrIndex(Menu, index) : nullptr;
    if (!item) return false;
    ReportItem(index, std::string(item->Caption));
    return true;
  }
  return false;
}

bool TVMMenu::FormMessage(TControl* sender, TMsg& msg, LRESULT& result) {
  if (msg.Message == KeyPreviewMessage() && TakeShortcut(msg)) {
    result = 1;
    return true;
  }
  const bool fromMenu = msg.Message == WM_COMMAND && msg.LParam == 0 && HIWORD(msg.WParam) <= 1;
  if (fromMenu && Menu) {
    TMenu* item = MenuItemByIdOrIndex(Menu, LOWORD(msg.WParam));
    if (item && item != Menu) {
      // Copied first: a chain the event runs may rebuild the menu.
      const std::string caption = item->Caption;
      ReportItem(MenuItemIndex(Menu, item), caption);
    }
  }
  return SavedHandler && SavedHandler(sender, msg, result);
}
