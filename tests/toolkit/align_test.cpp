#include "toolkit/align.h"

#include <gtest/gtest.h>

#include "test_form.h"
#include "toolkit/auto_size.h"

namespace {

TControl* CreatePanel(TControl* parent, int32_t width, int32_t height) {
  TControl* panel = CreateChildControl(parent, "STATIC", WS_CHILD | WS_VISIBLE, TControlActions{}, 0);
  panel->SetBoundsRect(RECT{0, 0, width, height});
  return panel;
}

void ExpectBounds(TControl* control, RECT expected) {
  RECT r = WindowBoundsIn(control->Handle);
  EXPECT_EQ(r.left, expected.left);
  EXPECT_EQ(r.top, expected.top);
  EXPECT_EQ(r.right, expected.right);
  EXPECT_EQ(r.bottom, expected.bottom);
}

// Resizes the form and waits until its client area has the new size: its
// children are aligned while the form handles the resize.
void ResizeClient(TControl* form, int32_t width, int32_t height) {
  form->SetClientSize(width, height);
  WaitUntil([&] {
    RECT client;
    GetClientRect(form->Handle, &client);
    return client.right == width && client.bottom == height;
  });
}

class AlignTest : public testing::Test {
 protected:
  void SetUp() override { form_ = CreateTestForm(400, 300); }
  void TearDown() override { form_->Free(); }
  TControl* form_ = nullptr;
};

TEST_F(AlignTest, TopLeftAndClientChildrenShareTheClientAreaWithMargins) {
  ASSERT_EQ(form_->Margin, 2);
  TControl* left = CreatePanel(form_, 50, 10);
  TControl* top1 = CreatePanel(form_, 10, 20);
  TControl* top2 = CreatePanel(form_, 10, 30);
  TControl* client = CreatePanel(form_, 10, 10);
  ShowTestForm(form_);
  SetAlign(client, kAlignClient);
  SetAlign(left, kAlignLeft);
  SetAlign(top1, kAlignTop);
  SetAlign(top2, kAlignTop);
  EXPECT_EQ(AlignHook, &AlignChildren);

  // Top children first, in creation order; then left; then the client.
  ExpectBounds(top1, {2, 2, 398, 22});
  ExpectBounds(top2, {2, 24, 398, 54});
  ExpectBounds(left, {2, 56, 52, 298});
  ExpectBounds(client, {54, 56, 398, 298});

  // A resize of the form re-aligns its children.
  ResizeClient(form_, 300, 200);
  ExpectBounds(top1, {2, 2, 298, 22});
  ExpectBounds(left, {2, 56, 52, 198});
  ExpectBounds(client, {54, 56, 298, 198});

  // Hiding a child gives its room to the others.
  top2->SetVisible(false);
  ExpectBounds(left, {2, 24, 52, 198});
  ExpectBounds(client, {54, 24, 298, 198});
}

TEST_F(AlignTest, BottomRightClampingAndDisabledChildren) {
  form_->Margin = 0;
  TControl* bottom = CreatePanel(form_, 10, 40);
  TControl* right = CreatePanel(form_, 60, 10);
  TControl* fixed = CreatePanel(form_, 30, 30);
  fixed->SetBoundsRect(RECT{100, 100, 130, 130});
  fixed->AlignDisabled = 1;
  ShowTestForm(form_);
  SetAlign(bottom, kAlignBottom);
  SetAlign(right, kAlignRight);
  SetAlign(fixed, kAlignClient);
  EXPECT_EQ(fixed->Align, kAlignNone) << "a disabled control keeps its alignment";
  ExpectBounds(bottom, {0, 260, 400, 300});
  ExpectBounds(right, {340, 0, 400, 260});
  ExpectBounds(fixed, {100, 100, 130, 130});

  // Too little room: a bottom edge above the top edge is set to the top.
  TControl* small = CreatePanel(form_, 50, 30);
  small->Margin = 0;
  TControl* tall = CreatePanel(small, 10, 40);
  TControl* wide = CreatePanel(small, 60, 10);
  small->CreateWindowNow();
  SetAlign(tall, kAlignBottom);
  SetAlign(wide, kAlignRight);
  ExpectBounds(tall, {0, -10, 50, 30});
  ExpectBounds(wide, {-10, 0, 50, 0});

  // Setting the same alignment again changes nothing; none stops aligning.
  SetAlign(right, kAlignRight);
  SetAlign(right, kAlignNone);
  right->SetBoundsRect(RECT{5, 5, 25, 25});
  ResizeClient(form_, 200, 200);
  ExpectBounds(right, {5, 5, 25, 25});
}

TEST_F(AlignTest, ResizedChildAlignsItsOwnChildren) {
  TControl* panel = CreatePanel(form_, 100, 100);
  TControl* inner = CreatePanel(panel, 10, 15);
  ShowTestForm(form_);
  SetAlign(inner, kAlignTop);
  SetAlign(panel, kAlignClient);
  ExpectBounds(panel, {2, 2, 398, 298});
  ExpectBounds(inner, {2, 2, 394, 17});
  ResizeClient(form_, 250, 250);
  ExpectBounds(inner, {2, 2, 244, 17});
}

SIZE TextSize(TControl* control, const std::string& text) {
  HDC dc = GetDC(control->Handle);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control->Handle, WM_GETFONT, 0, 0)));
  SIZE size = {};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(control->Handle, dc);
  return size;
}

TEST_F(AlignTest, AutoSizeFitsALabelToItsText) {
  TControl* label = CreateLabelControl(form_, "Hello");
  ShowTestForm(form_);
  SetAutoSize(label, true);
  SIZE text = TextSize(label, "Hello");
  ASSERT_GT(text.cx, 0);
  EXPECT_EQ(label->GetWidth(), text.cx + 1);
  EXPECT_EQ(label->GetHeight(), text.cy + 1);

  label->SetCaption("Поиск по всей таблице");
  text = TextSize(label, "Поиск по всей таблице");
  RECT r = WindowBoundsIn(label->Handle);
  EXPECT_EQ(r.right - r.left, text.cx + 1);

  // An italic text gets room for one more space.
  label->SetFontStyle(2);
  EXPECT_EQ(label->GetWidth(), TextSize(label, "Поиск по всей таблице ").cx + 1);

  // An empty italic text still measures its one space; a plain empty text
  // measures nothing.
  label->SetCaption("");
  EXPECT_EQ(label->GetWidth(), TextSize(label, " ").cx + 1);
  label->SetFontStyle(0);
  EXPECT_EQ(label->GetWidth(), 1);
  EXPECT_EQ(label->GetHeight(), 1);

  // A top-aligned label keeps the width the alignment gives it.
  label->SetCaption("Hello");
  SetAlign(label, kAlignTop);
  ExpectBounds(label, {2, 2, 398, 2 + text.cy + 1});

  // Off: the size stays when the text changes.
  SetAlign(label, kAlignNone);
  SetAutoSize(label, false);
  int32_t width = label->GetWidth();
  label->SetCaption("a much longer caption than before");
  EXPECT_EQ(label->GetWidth(), width);
}

TEST_F(AlignTest, AutoSizeOfAnEditChangesOnlyItsHeight) {
  TControl* edit = CreateEditControl(form_, 0);
  ShowTestForm(form_);
  edit->SetCaption("Edit");
  int32_t width = edit->GetWidth();
  SetAutoSize(edit, true);
  EXPECT_EQ(edit->GetWidth(), width);
  EXPECT_EQ(edit->GetHeight(), TextSize(edit, "Edit").cy + 6);
}

}  // namespace
