#include "toolkit/menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/toolkit/test_form.h"
#include "tests/toolkit/toolkit_fixture.h"

namespace {

// Depth-first indices: File 0, Open 1, separator 2, Auto 3, Manual 4, A 5 .. E 9;
// the top-level ")" ends the template before "Never".
const char* const kTemplate[] = {"&File", "(", "Open\tCtrl+O", "-", "+Auto", "-Manual", ")",
                                 "-!A",   "-!B", "-!!C", "-!D", "+!!E", ")", "Never"};
constexpr int32_t kHigh = sizeof kTemplate / sizeof kTemplate[0] - 1;

MENUITEMINFOA ItemInfo(HMENU menu, UINT position) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STATE | MIIM_ID | MIIM_FTYPE | MIIM_DATA;
  GetMenuItemInfoA(menu, position, TRUE, &info);
  return info;
}
bool IsChecked(HMENU menu, UINT position) { return ItemInfo(menu, position).fState & MFS_CHECKED; }

class MenuTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    form_ = Keep(CreateTestForm(300, 200));
    firstId_ = NextMenuItemId;
    menu_ = CreateMenuObject(form_, kTemplate, kHigh, MakeMethod<&MenuTest::Picked>(this));
    bar_ = GetMenu(form_->Handle);
    file_ = GetSubMenu(bar_, 0);
  }
  // The pick event records the index and whether the item was checked then.
  void Picked(TMenu* sender, int32_t index) {
    picks_.push_back(index);
    checkedWhenPicked_.push_back(GetItemState(MenuItemByIdOrIndex(sender, index), kMenuChecked));
  }
  void Pick(int32_t index, uint16_t code = 0) {
    SendMessageA(form_->Handle, WM_COMMAND, MAKEWPARAM(MenuItemByIdOrIndex(menu_, index)->ItemId, code), 0);
  }
  TControl* form_ = nullptr;
  int32_t firstId_ = 0;
  TMenu* menu_ = nullptr;
  HMENU bar_ = nullptr;
  HMENU file_ = nullptr;
  std::vector<int32_t> picks_;
  std::vector<bool> checkedWhenPicked_;
};

TEST_F(MenuTest, TemplateBuildsTheTreeWithMarkersIdsAndDepthFirstIndices) {
  ASSERT_EQ(bar_, menu_->MenuHandle);
  EXPECT_EQ(form_->FirstMenu, menu_);
  ASSERT_EQ(GetMenuItemCount(bar_), 6);
  ASSERT_EQ(GetMenuItemCount(file_), 4);
  EXPECT_TRUE(ItemInfo(file_, 1).fType & MFT_SEPARATOR);
  EXPECT_TRUE(IsChecked(file_, 2));
  EXPECT_FALSE(IsChecked(file_, 3));
  EXPECT_EQ(ItemInfo(file_, 3).dwItemData, 0x40000000u);
  EXPECT_EQ(ItemInfo(bar_, 5).fType & MFT_RADIOCHECK, static_cast<UINT>(MFT_RADIOCHECK));
  // Ids follow the template order, separator and submenu item included.
  EXPECT_EQ(ItemInfo(bar_, 1).wID, static_cast<UINT>(firstId_ + 5));
  EXPECT_EQ(NextMenuItemId, firstId_ + 10);

  std::vector<int32_t> groups;
  for (int32_t i = 5; i <= 9; ++i) groups.push_back(MenuItemByIdOrIndex(menu_, i)->RadioGroup);
  EXPECT_EQ(groups, (std::vector<int32_t>{1, 1, 2, 2, 3}));
  for (int32_t i = 0; i < 10; ++i) EXPECT_EQ(MenuItemIndex(menu_, MenuItemByIdOrIndex(menu_, i)), i);
  TMenu* open = MenuItemByIdOrIndex(menu_, 1);
  EXPECT_EQ(open->Caption, "Open\tCtrl+O") << "a submenu's items come right after their parent";
  EXPECT_EQ(MenuItemByIdOrIndex(menu_, open->ItemId), open);
  EXPECT_EQ(MenuItemByIdOrIndex(menu_, 10), nullptr);
}

TEST_F(MenuTest, PickingTogglesChecksAndRadiosBeforeTheEvent) {
  Pick(3);     // Auto, checked before
  Pick(7);     // C, group 2 with D
  Pick(8, 1);  // D, by accelerator
  EXPECT_FALSE(IsChecked(file_, 2));
  EXPECT_FALSE(IsChecked(bar_, 3));
  EXPECT_TRUE(IsChecked(bar_, 4));
  EXPECT_TRUE(IsChecked(bar_, 5)) << "E is in another group";
  EXPECT_TRUE(menu_->ByAccelerator);
  SendMessageA(form_->Handle, WM_COMMAND, 1, 0);  // numbers below 4096 are positions
  EXPECT_EQ(picks_, (std::vector<int32_t>{3, 7, 8, 1}));
  EXPECT_EQ(checkedWhenPicked_, (std::vector<bool>{false, true, true, false}));

  // Commands of controls, other codes and unknown ids are not the menu's.
  SendMessageA(form_->Handle, WM_COMMAND, 1, reinterpret_cast<LPARAM>(form_->Handle));
  SendMessageA(form_->Handle, WM_COMMAND, MAKEWPARAM(1, 2), 0);
  SendMessageA(form_->Handle, WM_COMMAND, NextMenuItemId, 0);
  EXPECT_EQ(picks_.size(), 4u);
}

std::string CaptionAt(HMENU menu, UINT position) {
  char text[64] = {};
  GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

TEST_F(MenuTest, HiddenItemsKeepTheirPlaceIdsAndStateAndComeBackWhereTheyWere) {
  TMenu* open = MenuItemByIdOrIndex(menu_, 1);
  TMenu* separator = MenuItemByIdOrIndex(menu_, 2);
  TMenu* automatic = MenuItemByIdOrIndex(menu_, 3);
  for (TMenu* item : {open, separator, automatic}) SetItemVisible(item, false);
  EXPECT_EQ(GetMenuItemCount(file_), 1);
  EXPECT_EQ(MenuItemByIdOrIndex(menu_, 4)->Caption, "Manual") << "the items after keep their indices";

  SetItemCaption(open, "&1 C:\job.CSV");  // hidden: shown with it when it comes back
  SetItemVisible(automatic, true);
  SetItemVisible(open, true);
  SetItemVisible(separator, true);
  ASSERT_EQ(GetMenuItemCount(file_), 4);
  EXPECT_EQ(CaptionAt(file_, 0), "&1 C:\job.CSV");
  EXPECT_TRUE(ItemInfo(file_, 1).fType & MFT_SEPARATOR);
  EXPECT_TRUE(IsChecked(file_, 2)) << "Auto keeps its check";
  EXPECT_EQ(ItemInfo(file_, 2).dwItemData, 0x40000000u);
  Pick(1);
  EXPECT_EQ(picks_, (std::vector<int32_t>{1}));

  SetItemCaption(MenuItemByIdOrIndex(menu_, 4), "Hand");
  EXPECT_EQ(CaptionAt(file_, 3), "Hand");
}

TEST_F(MenuTest, FreeingRemovesItemsMenusAndTheBar) {
  MenuItemByIdOrIndex(menu_, 1)->Free();
  EXPECT_EQ(GetMenuItemCount(file_), 3);
  EXPECT_EQ(MenuItemByIdOrIndex(menu_, 1)->IsSeparator, 1);

  // Later menus of the window are popups in its chain; freeing one of them
  // leaves the others, a new bar frees them all.
  TMenu* second = CreateMenuObject(form_, kTemplate, 0, {});
  TMenu* third = CreateMenuObject(form_, kTemplate, 0, {});
  Watch(third, "third");
  second->Free();
  EXPECT_EQ(menu_->NextMenu, third);
  HMENU replacement = CreateMenu();
  SetFormMenu(form_, replacement);
  EXPECT_TRUE(WasDestroyed("third"));
  EXPECT_EQ(form_->FirstMenu, nullptr);
  EXPECT_EQ(GetMenu(form_->Handle), replacement);
  EXPECT_FALSE(IsMenu(file_));

  // A window destroyed first leaves its bar to the menu object, which the
  // control frees with itself.
  TMenu* again = CreateMenuObject(form_, kTemplate, kHigh, {});
  Watch(again, "again");
  EXPECT_FALSE(IsMenu(replacement));
  DestroyWindow(form_->Handle);
  EXPECT_TRUE(IsMenu(again->MenuHandle));
  HMENU againBar = again->MenuHandle;
  Owned.clear();
  form_->Free();
  EXPECT_TRUE(WasDestroyed("again"));
  EXPECT_FALSE(IsMenu(againBar));
}

}  // namespace
