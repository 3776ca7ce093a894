// Operations on controls whose windows exist: updates, indexes, alignment,
// sizes, border look and cursor.
#include "tests/toolkit/toolkit_fixture.h"
#include "toolkit/app_window.h"
#include "toolkit/control_create.h"

namespace {

using ControlOpsTest = ToolkitTest;

bool HasUpdate(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != 0; }

TEST_F(ControlOpsTest, NestedUpdatesSuppressPaintingUntilTheLastOneEnds) {
  TControl* form = Keep(CreateFormWindow(nullptr, "Form"));
  form->SetSize(200, 150);
  HWND window = form->GetHandle();
  form->CreateWindowNow();
  UpdateWindow(window);
  form->BeginUpdate();
  form->BeginUpdate();
  InvalidateRect(window, nullptr, TRUE);
  EXPECT_EQ(1, SendMessageA(window, WM_ERASEBKGND, 0, 0));  // nothing erased
  SendMessageA(window, WM_PAINT, 0, 0);
  EXPECT_FALSE(HasUpdate(window));  // validated without painting
  form->EndUpdate();
  EXPECT_FALSE(HasUpdate(window));
  form->EndUpdate();
  EXPECT_TRUE(HasUpdate(window));  // the whole window is painted again
  EXPECT_EQ(0, form->UpdateCount);
}

TEST_F(ControlOpsTest, TheCurrentIndexGoesThroughTheKindsMessagesOrIsKeptInTheObject) {
  TControl* form = Keep(CreateFormWindow(nullptr, "Form"));
  TControl* edit = CreateEditControl(form, 0);
  TControl* label = CreateLabelControl(form, "label");
  edit->SetCaption("some text");
  edit->SetCurrentIndex(4);  // the caret, through EM_SETSEL
  EXPECT_EQ(4, edit->GetCurrentIndex());
  DWORD start = 0, end = 0;
  SendMessageA(edit->GetHandle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(4u, start);
  EXPECT_EQ(4u, end);
  label->SetCurrentIndex(9);  // a label has no index of its own
  EXPECT_EQ(9, label->GetCurrentIndex());
  EXPECT_EQ(9, label->StoredIndex);
}

TEST_F(ControlOpsTest, TextAlignmentReplacesTheOtherAlignmentsStyleBits) {
  TControl* form = Keep(CreateFormWindow(nullptr, "Form"));
  TControl* label = CreateLabelControl(form, "label");
  HWND window = label->GetHandle();
  label->SetTextAlign(1);
  auto style = static_cast<uint32_t>(GetWindowLongA(window, GWL_STYLE));
  EXPECT_EQ(static_cast<uint32_t>(SS_RIGHT), style & SS_TYPEMASK);
  EXPECT_EQ(0u, style & 0x200);
  label->SetTextAlign(2);
  style = static_cast<uint32_t>(GetWindowLongA(window, GWL_STYLE));
  EXPECT_EQ(static_cast<uint32_t>(SS_CENTER), style & SS_TYPEMASK);
  EXPECT_TRUE(style & SS_NOTIFY);  // other bits stay
}

TEST_F(ControlOpsTest, SizesFollowTheWindowAndZeroMeansTheSystemDefault) {
  TControl* form = Keep(CreateFormWindow(nullptr, "Form"));
  form->BoundsRect = RECT{0, 0, 0, 0};
  HWND window = form->GetHandle();
  EXPECT_GT(form->GetWidth(), 0);
  EXPECT_GT(form->GetHeight(), 0);
  form->SetClientSize(321, 123);
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(321, client.right);
  EXPECT_EQ(123, client.bottom);
  form->PaddingLeft = 10;
  form->PaddingBottom = 3;
  RECT inner = form->ClientRect();
  EXPECT_EQ(10, inner.left);
  EXPECT_EQ(120, inner.bottom);
  SetWindowPos(window, nullptr, 7, 9, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);  // moved by the user
  EXPECT_EQ(7, form->GetLeft());
  form->SetSize(-1, 300);  // only positive values change
  EXPECT_EQ(300, form->GetHeight());
  EXPECT_EQ(7, form->GetLeft());
}

TEST_F(ControlOpsTest, TheSunkenLookSwapsBorderAndClientEdgeOnALiveWindow) {
  TControl* form = Keep(CreateFormWindow(nullptr, "Form"));
  TControl* label = CreateLabelControl(form, "x");
  HWND window = label->GetHandle();
  label->SetCtl3D(true);
  EXPECT_FALSE(GetWindowLongA(window, GWL_STYLE) & WS_BORDER);
  EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_TRUE(label->Ctl3DInherit);  // handed on to controls created later
  label->SetCtl3D(false);
  EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_BORDER);
  EXPECT_FALSE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST_F(ControlOpsTest, TheControlsCursorIsShownOverItsClientArea) {
  TControl* form = Keep(CreateFormWindow(nullptr, "Form"));
  HCURSOR cross = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_CROSS));
  form->SetCursor(cross);
  HWND window = form->GetHandle();
  SetCursor(nullptr);
  EXPECT_EQ(1, SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
  EXPECT_EQ(cross, GetCursor());
  SetCursor(nullptr);
  SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCAPTION, WM_MOUSEMOVE));
  EXPECT_NE(cross, GetCursor());
}

}  // namespace
