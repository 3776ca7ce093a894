// Creating controls: stored properties reach the window when it is created
// late; child controls get ids, tab orders and the form's first focus.
#include "tests/support/window_text.h"
#include "tests/toolkit/toolkit_fixture.h"
#include "toolkit/app_window.h"
#include "toolkit/control_create.h"

namespace {

using ControlCreateTest = ToolkitTest;

TEST_F(ControlCreateTest, PropertiesSetBeforeTheWindowExistsAreAppliedWhenItIsCreated) {
  TControl* form = Keep(CreateFormWindow(nullptr, "Form"));
  TControl* edit = CreateEditControl(form, 0);
  edit->SetCaption("Привет");
  edit->SetBoundsRect(RECT{10, 20, 110, 45});
  edit->SetEnabled(false);
  edit->SetExStyle(edit->ExStyle | WS_EX_STATICEDGE);
  form->SetCaption("Окно");
  form->SetPosition(40, 50);
  form->SetSize(300, 200);
  ASSERT_EQ(nullptr, form->Handle);
  ASSERT_EQ(nullptr, edit->Handle);
  EXPECT_EQ("Привет", edit->GetCaption());  // kept in the object meanwhile

  HWND window = edit->GetHandle();  // creates the form first, then its children
  ASSERT_NE(nullptr, window);
  ASSERT_NE(nullptr, form->Handle);
  EXPECT_EQ(form->Handle, GetParent(window));
  EXPECT_EQ("Привет", WindowText(window));
  EXPECT_EQ("Окно", WindowText(form->Handle));
  RECT r = WindowBoundsIn(window);
  EXPECT_EQ(10, r.left);
  EXPECT_EQ(20, r.top);
  EXPECT_EQ(100, r.right - r.left);
  EXPECT_EQ(25, r.bottom - r.top);
  EXPECT_FALSE(IsWindowEnabled(window));
  EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_STATICEDGE);
  RECT f;
  GetWindowRect(form->Handle, &f);
  EXPECT_EQ(40, f.left);
  EXPECT_EQ(50, f.top);
  EXPECT_EQ(300, f.right - f.left);
  // The text typed by the user is what GetCaption answers from now on.
  SetWindowTextA(window, "typed");
  EXPECT_EQ("typed", edit->GetCaption());
}

TEST_F(ControlCreateTest, AHandleRequestedFirstCreatesHiddenUntilTheWindowIsCreatedProperly) {
  TControl* form = Keep(CreateFormWindow(nullptr, "Form"));
  HWND window = form->GetHandle();
  ASSERT_NE(nullptr, window);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_TRUE(form->CreateHidden);
  TControl* label = CreateLabelControl(form, "text");
  EXPECT_EQ(nullptr, label->Handle);
  EXPECT_TRUE(form->CreateWindowNow());  // shows the form and creates the new child
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_FALSE(form->CreateHidden);
  ASSERT_NE(nullptr, label->Handle);
  EXPECT_EQ("text", WindowText(label->Handle));
  EXPECT_EQ(22, label->GetHeight());

  // A control hidden on purpose stays hidden.
  TControl* hidden = Keep(CreateFormWindow(nullptr, "Hidden"));
  hidden->SetVisible(false);
  hidden->GetHandle();
  hidden->CreateWindowNow();
  EXPECT_FALSE(IsWindowVisible(hidden->Handle));
}

TEST_F(ControlCreateTest, ChildControlsGetIdsTabOrdersAndTheFirstTabStopAsFocus) {
  TControl* form = Keep(CreateFormWindow(nullptr, "Form"));
  uint16_t firstId = NextControlId;
  EXPECT_GE(firstId, 32768);
  TControl* label = CreateLabelControl(form, "a");
  TControl* edit1 = CreateEditControl(form, 0);
  TControl* edit2 = CreateEditControl(form, 0);
  EXPECT_EQ(firstId, label->MenuOrId);
  EXPECT_EQ(firstId + 1u, edit1->MenuOrId);
  EXPECT_EQ(firstId + 2u, edit2->MenuOrId);
  EXPECT_EQ(1, label->TabOrder);
  EXPECT_EQ(2, edit1->TabOrder);
  EXPECT_EQ(3, edit2->TabOrder);
  EXPECT_EQ(3, form->TabOrder);
  EXPECT_EQ(edit1, form->FocusedControl);  // the label is no tab stop
  // Ids are never handed out twice, not even after a control is freed.
  edit2->Free();
  TControl* edit3 = CreateEditControl(form, 0);
  EXPECT_EQ(firstId + 3u, edit3->MenuOrId);
  form->CreateWindowNow();
  EXPECT_EQ(static_cast<int>(firstId + 1), GetDlgCtrlID(edit1->Handle));
}

TEST_F(ControlCreateTest, ChildrenInheritFromTheParentAndAreFreedWithIt) {
  TControl* form = CreateFormWindow(nullptr, "Form");
  form->Margin = 5;
  form->PaddingLeft = 3;
  form->SetColor(RGB(1, 2, 3));
  HCURSOR hand = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND));
  form->Cursor = hand;
  TControl* edit = CreateEditControl(form, kEditMultiLine);
  TControl* label = CreateLabelControl(form, "x");
  EXPECT_EQ(RGB(1, 2, 3), static_cast<COLORREF>(edit->Color));
  EXPECT_EQ(hand, edit->Cursor);
  EXPECT_EQ(8, edit->GetLeft());
  EXPECT_EQ(5, edit->GetTop());
  EXPECT_EQ(200, edit->GetWidth());  // a multi-line edit box is 200 x 200
  EXPECT_EQ(1, edit->NavigationKeys);
  Watch(form, "form");
  Watch(edit, "edit");
  Watch(label, "label");
  HWND editWindow = edit->GetHandle();
  form->Free();
  EXPECT_EQ((std::vector<std::string>{"form", "label", "edit"}), DestroyLog);
  EXPECT_FALSE(IsWindow(editWindow));
}

// Every message finds its control from the window; a binding that outlived
// its window would send the messages of a later window (the handle may be
// reused) to an object that is gone.
TEST_F(ControlCreateTest, AWindowIsBoundToItsControlFromCreationUntilItGoes) {
  TControl* form = Keep(CreateFormWindow(nullptr, "Form"));
  TControl* destroyed = CreateEditControl(form, 0);
  TControl* freed = CreateLabelControl(form, "x");
  form->CreateWindowNow();
  HWND destroyedWindow = destroyed->Handle;
  HWND freedWindow = freed->Handle;
  ASSERT_TRUE(IsWindow(destroyedWindow) && IsWindow(freedWindow));
  EXPECT_EQ(form, ControlOfWindow(form->Handle));
  EXPECT_EQ(destroyed, ControlOfWindow(destroyedWindow));
  // The binding is also on the window itself, as its "SELF_" property.
  EXPECT_EQ(static_cast<void*>(freed), GetPropA(freedWindow, "SELF_"));

  DestroyWindow(destroyedWindow);  // the window goes first, the object stays
  EXPECT_EQ(nullptr, ControlOfWindow(destroyedWindow));
  freed->Free();  // the object goes first, then its window
  EXPECT_EQ(nullptr, ControlOfWindow(freedWindow));
  EXPECT_FALSE(IsWindow(freedWindow));

  HWND native = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, form->Handle, nullptr, nullptr, nullptr);
  EXPECT_EQ(nullptr, ControlOfWindow(native));
  EXPECT_EQ(nullptr, ControlOfWindow(nullptr));
  DestroyWindow(native);
}

}  // namespace
