#include "editor/schema.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "components/visual/main_form.h"
#include "core/event.h"
#include "tests/components/visual/visual_test.h"
#include "tests/support/temp_dir.h"
#include "toolkit/graphic_tool.h"
#include "toolkit/message_loop.h"

namespace {

using SchemaTest = VisualTest;

TEST_F(SchemaTest, BuildsTheMainFormHiddenThenShowsItRunsAndFreesEverything) {
  // The closing window keeps its place in the user's settings: a folder of
  // the test's own stands for them.
  TTempDir settings;
  char appData[MAX_PATH] = {};
  const DWORD appDataLength = GetEnvironmentVariableA("APPDATA", appData, MAX_PATH);
  SetEnvironmentVariableA("APPDATA", settings.Path.c_str());
  auto* schema = new TClassMainForm_C7FA30(nullptr);
  EXPECT_EQ(SchemaInstance, schema);
  TVMMainForm* form = schema->MainForm;
  ASSERT_NE(form, nullptr);
  ASSERT_NE(AppWindow, nullptr);
  EXPECT_TRUE(form->OwnsAppWindow);
  HWND window = form->Control->Handle;
  HWND app = AppWindow->Handle;
  ASSERT_TRUE(IsWindow(window));
  EXPECT_FALSE(IsWindowVisible(window)) << "hidden until the network is on";
  EXPECT_EQ(StartHandlerCount(), 1u);

  EXPECT_EQ(WindowText(window), "ZR780K Editor");
  EXPECT_EQ(WindowText(app), "ZR780K Editor");
  RECT r = WindowRect(window);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right - r.left, 1500);
  EXPECT_EQ(r.bottom - r.top, 936);
  EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & 0x00C70000, 0x00C70000) << "border style 2";
  EXPECT_EQ(form->Control->Color, static_cast<int32_t>(0x8000000F));
  const LOGFONTA& font = form->Control->Font->FontData;
  EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
  EXPECT_EQ(font.lfHeight, PointsToHeight(8));
  HICON icon = LoadIconA(GetModuleHandleA(nullptr), "VOLA");
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0)), icon);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(app, WM_GETICON, ICON_BIG, 0)), icon);
  EXPECT_NE(form->Control->NavigateProc, nullptr) << "tab navigation is on";

  SwitchOnNetwork(form);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_TRUE(IsWindowVisible(app));
  EXPECT_EQ(StartHandlerCount(), 0u);

  PostMessageA(window, WM_CLOSE, 0, 0);
  RunMessageLoop(AppWindow);
  EXPECT_EQ(AppWindow, nullptr);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(IsWindow(app));

  delete schema;
  EXPECT_EQ(SchemaInstance, nullptr);
  SetEnvironmentVariableA("APPDATA", appDataLength ? appData : nullptr);
}

}  // namespace
