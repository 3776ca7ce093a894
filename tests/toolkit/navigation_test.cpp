#include "toolkit/navigation.h"

#include <string>

#include <gtest/gtest.h>

#include "tests/support/private_desktop.h"
#include "test_form.h"

namespace {

// The focus follows the foreground window, which test programs running side
// by side take from one another. These tests therefore run on a desktop of
// their own, with the form hidden (a window that is not on the screen is not
// deactivated when another program's window is).
class NavigationTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { MoveToPrivateDesktop(); }
  void SetUp() override {
    form_ = CreateTestForm(400, 300);
    for (int i = 0; i < 3; ++i) {
      edits_[i] = CreateEditControl(form_, 0);
      edits_[i]->SetBoundsRect(RECT{10, 10 + 30 * i, 150, 32 + 30 * i});
    }
    memo_ = CreateEditControl(form_, kEditMultiLine);
    memo_->SetBoundsRect(RECT{200, 10, 380, 100});
    label_ = CreateLabelControl(form_, "not a tab stop");
    label_->SetBoundsRect(RECT{200, 120, 380, 140});
    EnableTabNavigation(edits_[0]);
    form_->CreateHidden = 0;  // stays hidden
    form_->CreateWindowNow();
  }
  void TearDown() override { form_->Free(); }

  void Focus(TControl* control) {
    control->SetFocused();
    WaitUntil([&] { return GetFocus() == control->Handle; });
    ASSERT_EQ(GetFocus(), control->Handle);
  }

  TControl* form_ = nullptr;
  TControl* edits_[3] = {};
  TControl* memo_ = nullptr;
  TControl* label_ = nullptr;
};

TEST_F(NavigationTest, TabListHoldsTabStopsInOrder) {
  EXPECT_EQ(form_->NavigateProc, &NavigateByKey);
  std::vector<TControl*> list = TabList(form_);
  ASSERT_EQ(list.size(), 4u);  // the label is no tab stop
  EXPECT_EQ(list[0], edits_[0]);
  EXPECT_EQ(list[1], edits_[1]);
  EXPECT_EQ(list[2], edits_[2]);
  EXPECT_EQ(list[3], memo_);

  // Disabled and hidden controls drop out.
  edits_[1]->SetEnabled(false);
  memo_->SetVisible(false);
  list = TabList(form_);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[1], edits_[2]);
}

TEST_F(NavigationTest, TabAndShiftTabMoveInTabOrderAndWrapAround) {
  Focus(edits_[0]);
  PressKey(form_, VK_TAB);
  EXPECT_EQ(GetFocus(), edits_[1]->Handle);
  EXPECT_EQ(form_->FocusedControl, edits_[1]);
  PressKey(form_, VK_TAB);
  PressKey(form_, VK_TAB);
  EXPECT_EQ(GetFocus(), memo_->Handle);
  PressKey(form_, VK_TAB);  // the greatest order wraps to the smallest
  EXPECT_EQ(GetFocus(), edits_[0]->Handle);
  PressKey(form_, VK_TAB, true);  // the smallest wraps back to the greatest
  EXPECT_EQ(GetFocus(), memo_->Handle);
  PressKey(form_, VK_TAB, true);
  EXPECT_EQ(GetFocus(), edits_[2]->Handle);

  // The Tab key never reaches the edit box as a character.
  EXPECT_EQ(GetWindowTextLengthA(edits_[2]->Handle), 0);
}

TEST_F(NavigationTest, ArrowAndPageKeysFollowEachKindsNavigationKeys) {
  Focus(edits_[0]);
  PressKey(form_, VK_DOWN);
  EXPECT_EQ(GetFocus(), edits_[1]->Handle);
  PressKey(form_, VK_UP);
  EXPECT_EQ(GetFocus(), edits_[0]->Handle);
  PressKey(form_, VK_NEXT);
  EXPECT_EQ(GetFocus(), edits_[1]->Handle);
  PressKey(form_, VK_PRIOR);
  EXPECT_EQ(GetFocus(), edits_[0]->Handle);
  // Left and Right move the caret of an edit box, not the focus.
  PressKey(form_, VK_RIGHT);
  EXPECT_EQ(GetFocus(), edits_[0]->Handle);
  PressKey(form_, VK_LEFT);
  EXPECT_EQ(GetFocus(), edits_[0]->Handle);

  // A multi-line edit box lets only Tab leave it.
  Focus(memo_);
  PressKey(form_, VK_DOWN);
  PressKey(form_, VK_NEXT);
  PressKey(form_, VK_UP);
  EXPECT_EQ(GetFocus(), memo_->Handle);
  PressKey(form_, VK_TAB);
  EXPECT_EQ(GetFocus(), edits_[0]->Handle);

  // A control that wants Tab itself keeps the focus on Tab.
  edits_[0]->NavigationKeys &= ~kNavigateTab;
  PressKey(form_, VK_TAB);
  EXPECT_EQ(GetFocus(), edits_[0]->Handle);
  // The procedure answers the key-up too, but only a key-down moves.
  EXPECT_TRUE(NavigateByKey(edits_[1], VK_DOWN, false));
  EXPECT_EQ(GetFocus(), edits_[0]->Handle);
  EXPECT_FALSE(NavigateByKey(edits_[1], 'A', true));
}

TEST_F(NavigationTest, SetTabOrderShiftsTheOthersAndMoveFocusStartsFromZero) {
  SetTabOrder(memo_, 1);
  EXPECT_EQ(memo_->TabOrder, 1);
  EXPECT_EQ(edits_[0]->TabOrder, 2);
  EXPECT_EQ(edits_[1]->TabOrder, 3);
  EXPECT_EQ(edits_[2]->TabOrder, 4);
  std::vector<TControl*> list = TabList(form_);
  EXPECT_EQ(list.front(), memo_);

  // Without a focused control the walk starts from order 0.
  form_->FocusedControl = nullptr;
  EXPECT_EQ(MoveFocus(form_, true), memo_);
  WaitUntil([&] { return GetFocus() == memo_->Handle; });
  EXPECT_EQ(GetFocus(), memo_->Handle);
  form_->FocusedControl = nullptr;
  EXPECT_EQ(MoveFocus(form_, false), edits_[2]);
  // Equal orders are skipped: with two controls at the same order, moving
  // forward from one of them goes past both.
  edits_[1]->TabOrder = 4;
  form_->FocusedControl = edits_[1];
  EXPECT_EQ(MoveFocus(form_, true), memo_);
}

}  // namespace
