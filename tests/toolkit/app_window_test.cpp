// The application window and forms: system menu, icons, opacity, background
// and focus.
#include "toolkit/dialog_parent.h"
#include "tests/toolkit/toolkit_fixture.h"
#include "toolkit/app_window.h"
#include "toolkit/control_create.h"

namespace {

using AppWindowTest = ToolkitTest;

struct TCloseCounter {
  int Asked = 0;
  void OnClose(TControl*, bool& accept) {
    ++Asked;
    accept = false;
  }
};

TEST_F(AppWindowTest, ClosingTheApplicationWindowFromItsSystemMenuClosesTheMainForm) {
  TControl* app = Keep(CreateAppWindow("App"));
  TControl* main = CreateFormWindow(app, "Main");
  TCloseCounter mainVoter, appVoter;
  main->OnClose = MakeMethod<&TCloseCounter::OnClose>(&mainVoter);
  app->OnClose = MakeMethod<&TCloseCounter::OnClose>(&appVoter);
  HWND window = app->GetHandle();
  AppRunning = true;  // refusals keep OnClose set, so every close asks
  SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(1, mainVoter.Asked);
  EXPECT_EQ(0, appVoter.Asked);
  EXPECT_TRUE(IsWindow(window));
  EXPECT_TRUE(IsWindow(main->Handle));
}

TEST_F(AppWindowTest, TheApplicationSystemMenuCannotMaximizeMoveOrSize) {
  TControl* app = Keep(CreateAppWindow("App"));
  EXPECT_EQ(app, AppWindow);
  EXPECT_TRUE(AppWindowCreated);
  HMENU menu = GetSystemMenu(app->GetHandle(), FALSE);
  ASSERT_NE(nullptr, menu);
  EXPECT_EQ(static_cast<UINT>(-1), GetMenuState(menu, SC_MAXIMIZE, MF_BYCOMMAND));
  EXPECT_EQ(static_cast<UINT>(-1), GetMenuState(menu, SC_MOVE, MF_BYCOMMAND));
  EXPECT_EQ(static_cast<UINT>(-1), GetMenuState(menu, SC_SIZE, MF_BYCOMMAND));
  EXPECT_TRUE(GetMenuState(menu, SC_RESTORE, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_NE(static_cast<UINT>(-1), GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND));
}

TEST_F(AppWindowTest, AFormWithoutIconShowsACopyOfTheApplicationIcon) {
  TControl* app = Keep(CreateAppWindow("App"));
  HICON appIcon = CreateIcon(GetModuleHandleA(nullptr), 32, 32, 1, 1,
                             std::vector<BYTE>(128, 0xFF).data(), std::vector<BYTE>(128, 0).data());
  app->SetIcon(appIcon);
  TControl* form = CreateFormWindow(app, "Form");
  TControl* bare = CreateFormWindow(app, "Bare");
  bare->SetIcon(kNoIcon);
  form->CreateWindowNow();
  auto shown = reinterpret_cast<HICON>(SendMessageA(form->Handle, WM_GETICON, ICON_BIG, 0));
  ASSERT_NE(nullptr, shown);
  EXPECT_NE(appIcon, shown);  // a copy: each window destroys its own
  EXPECT_EQ(form->Icon, shown);
  EXPECT_EQ(appIcon, reinterpret_cast<HICON>(SendMessageA(app->Handle, WM_GETICON, ICON_BIG, 0)));
  EXPECT_EQ(nullptr, reinterpret_cast<HICON>(SendMessageA(bare->Handle, WM_GETICON, ICON_BIG, 0)));

  // A copy taken before the window exists is destroyed when replaced.
  TControl* late = CreateFormWindow(app, "Late");
  HICON copy = late->GetIcon();
  ASSERT_NE(nullptr, copy);
  late->SetIcon(kNoIcon);
  ICONINFO info{};
  EXPECT_FALSE(GetIconInfo(copy, &info));
}

TEST_F(AppWindowTest, WithoutAnApplicationWindowAFormShowsTheProgramIcon) {
  TControl* form = Keep(CreateFormWindow(nullptr, "Form"));
  HICON programIcon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
  ASSERT_NE(nullptr, programIcon);
  form->GetHandle();
  EXPECT_EQ(programIcon, reinterpret_cast<HICON>(SendMessageA(form->Handle, WM_GETICON, ICON_BIG, 0)));
}

TEST_F(AppWindowTest, AlphaBelowOpaqueMakesTheWindowLayeredAndOpaqueRemovesIt) {
  TControl* form = Keep(CreateFormWindow(nullptr, "Form"));
  form->SetAlphaBlend(128);
  ASSERT_NE(nullptr, form->Handle);  // the window is created for it
  EXPECT_TRUE(GetWindowLongA(form->Handle, GWL_EXSTYLE) & WS_EX_LAYERED);
  BYTE alpha = 0;
  DWORD flags = 0;
  if (GetLayeredWindowAttributes(form->Handle, nullptr, &alpha, &flags)) {
    EXPECT_EQ(128, alpha);
    EXPECT_EQ(static_cast<DWORD>(LWA_ALPHA), flags);
  }
  form->SetAlphaBlend(255);
  EXPECT_FALSE(GetWindowLongA(form->Handle, GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_EQ(255, form->AlphaBlend);
}

TEST_F(AppWindowTest, AFormErasesItsBackgroundWithItsColourUnlessTransparent) {
  TControl* form = Keep(CreateFormWindow(nullptr, "Form"));
  form->SetSize(200, 150);
  form->SetColor(RGB(10, 200, 30));
  TControl* label = CreateLabelControl(form, "x");
  HWND window = form->GetHandle();
  EXPECT_NE(nullptr, label->Handle);
  HDC screen = GetDC(window);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 50, 50);
  HGDIOBJ old = SelectObject(memory, bitmap);
  PatBlt(memory, 0, 0, 50, 50, BLACKNESS);
  EXPECT_EQ(1, SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0));
  EXPECT_EQ(RGB(10, 200, 30), GetPixel(memory, 20, 20));

  form->Transparent = 1;
  PatBlt(memory, 0, 0, 50, 50, BLACKNESS);
  SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
  EXPECT_NE(RGB(10, 200, 30), GetPixel(memory, 20, 20));
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, screen);
}

TEST_F(AppWindowTest, DialogsAreOwnedByTheCurrentFormOfTheApplication) {
  EXPECT_EQ(nullptr, DialogParent());  // no application window: no owner

  TControl* app = Keep(CreateAppWindow("App"));
  TControl* first = CreateFormWindow(app, "First");
  TControl* second = CreateFormWindow(app, "Second");
  TControl* edit = CreateEditControl(second, 0);
  first->SetVisible(false);  // hidden: no form is activated on its own
  second->SetVisible(false);
  app->GetHandle();
  EXPECT_EQ(first->Handle, DialogParent());  // until a form had the focus

  // A form that gets the focus passes it on to its focused control and
  // becomes the application's current form.
  SendMessageA(second->Handle, WM_SETFOCUS, 0, 0);
  EXPECT_EQ(second, app->FocusedControl);
  EXPECT_EQ(edit->Handle, GetFocus());
  EXPECT_EQ(second->Handle, DialogParent());

  // A form without parent can be the current form too; freed, it is no longer.
  TControl* loose = CreateFormWindow(nullptr, "Loose");
  loose->SetVisible(false);
  SendMessageA(loose->GetHandle(), WM_SETFOCUS, 0, 0);
  EXPECT_EQ(loose, app->FocusedControl);
  loose->Free();
  EXPECT_EQ(nullptr, app->FocusedControl);
  EXPECT_EQ(first->Handle, DialogParent());

  app->Free();
  Owned.clear();
  EXPECT_EQ(nullptr, AppWindow);
  EXPECT_EQ(nullptr, DialogParent());
}

}  // namespace
