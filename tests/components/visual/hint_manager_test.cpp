#include "components/visual/hint_manager.h"

#include <string>

#include <gtest/gtest.h>

#include "tests/support/window_text.h"
#include "toolkit/control_create.h"

namespace {

std::string TipText(const TTip* tip) {
  char buffer[256] = {};
  TTTOOLINFOA query = {};
  query.cbSize = TTTOOLINFOA_V2_SIZE;
  query.hwnd = tip->hwnd;
  query.uId = tip->uId;
  query.lpszText = buffer;
  SendMessageA(TipWindow(tip), TTM_GETTEXTA, sizeof buffer, reinterpret_cast<LPARAM>(&query));
  return buffer;
}

LOGFONTA FontOf(HWND window) {
  LOGFONTA font = {};
  auto handle = reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0));
  EXPECT_NE(handle, nullptr);
  GetObjectA(handle, sizeof font, &font);
  return font;
}

// A real top-level window with a static child to hang tips on.
class HintManagerTest : public testing::Test {
 protected:
  void SetUp() override {
    form_ = CreateWindowExA(0, "STATIC", "form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    child_ = CreateWindowExA(0, "STATIC", "child", WS_CHILD | WS_VISIBLE, 10, 10, 100, 20, form_,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(child_, nullptr);
  }
  void TearDown() override { DestroyWindow(form_); }
  HWND form_ = nullptr;
  HWND child_ = nullptr;
};

TEST_F(HintManagerTest, GlobalManagerExistsWithDefaultsAndCommonControlsReady) {
  TVMHintManager* manager = GlobalHintManager();
  ASSERT_NE(manager, nullptr);
  EXPECT_TRUE(manager->Rectangular);
  EXPECT_EQ(manager->BackColor, 0xFF000018u);
  EXPECT_EQ(manager->InitialDelay, 500);
  EXPECT_EQ(manager->ShowTime, 5000);
  EXPECT_EQ(manager->Margin, 0);
  EXPECT_FALSE(manager->Tracking);
  EXPECT_EQ(manager->Font.Name, "Tahoma");
  EXPECT_EQ(manager->Font.Size, 8);
  EXPECT_EQ(manager->Font.Color, 0xFF000017u);
  EXPECT_EQ(manager->Font.CharSet, 1);
  // The interface is bound to the manager.
  ASSERT_NE(manager->Api, nullptr);
  EXPECT_EQ(manager->Api->CreateTip.Object, manager);
  EXPECT_EQ(manager->Api->MoveTo.Object, manager);

  // Program load registered the common-control classes: this test never
  // initialises them itself.
  HWND list = CreateWindowExA(0, "SysListView32", "", WS_CHILD, 0, 0, 10, 10, form_, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  EXPECT_NE(list, nullptr);
}

TEST_F(HintManagerTest, TipCarriesTextDelaysFontAndColours) {
  THintApi* api = GlobalHintManager()->Api;
  TTip* tip = api->CreateTip(child_);
  ASSERT_NE(tip, nullptr);
  HWND tipWindow = TipWindow(tip);
  ASSERT_TRUE(IsWindow(tipWindow));
  EXPECT_EQ(WindowClass(tipWindow), "tooltips_class32");
  EXPECT_EQ(tip->uFlags, 273u);
  EXPECT_EQ(tip->hwnd, child_);
  EXPECT_EQ(tip->uId, reinterpret_cast<UINT_PTR>(child_));

  LONG style = GetWindowLongA(tipWindow, GWL_STYLE);
  EXPECT_EQ(style & (TTS_ALWAYSTIP | TTS_NOPREFIX), TTS_ALWAYSTIP | TTS_NOPREFIX);
  EXPECT_EQ(style & TTS_BALLOON, 0);
  EXPECT_TRUE(GetWindowLongA(tipWindow, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(SendMessageA(tipWindow, TTM_GETTOOLCOUNT, 0, 0), 1);

  std::string hint = "abc";
  api->SetText(tip, hint.c_str());
  EXPECT_EQ(TipText(tip), "abc");
  EXPECT_EQ(SendMessageA(tipWindow, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 500);
  EXPECT_EQ(SendMessageA(tipWindow, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 5000);
  LOGFONTA font = FontOf(tipWindow);
  EXPECT_STREQ(font.lfFaceName, "Tahoma");
  EXPECT_EQ(font.lfHeight, PointsToHeight(8));
  EXPECT_EQ(font.lfWeight, 0);
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(tipWindow, TTM_GETTIPTEXTCOLOR, 0, 0)),
            GetSysColor(COLOR_INFOTEXT));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(tipWindow, TTM_GETTIPBKCOLOR, 0, 0)),
            GetSysColor(COLOR_INFOBK));

  // A nil text gives an empty tip.
  api->SetText(tip, nullptr);
  EXPECT_EQ(TipText(tip), "");
  api->SetText(tip, "Введите искомый компонент");
  EXPECT_EQ(TipText(tip), "Введите искомый компонент");

  // Freeing removes the tooltip window and its font.
  auto fontHandle = reinterpret_cast<HGDIOBJ>(SendMessageA(tipWindow, WM_GETFONT, 0, 0));
  api->FreeTip(tip);
  EXPECT_FALSE(IsWindow(tipWindow));
  EXPECT_EQ(GetObjectType(fontHandle), 0u);
  api->FreeTip(nullptr);  // harmless
}

TEST_F(HintManagerTest, ChangedSettingsShapeOnlyLaterTips) {
  TVMHintManager manager;
  TTip* before = manager.CreateTip(child_);
  manager.Rectangular = false;
  manager.InitialDelay = 120;
  manager.ShowTime = 2500;
  manager.Margin = 4;
  manager.BackColor = 0x00102030;
  manager.Font = MakeFont("Arial", 12, kFontBold | kFontItalic | kFontUnderline, 0x000000FF, 204);
  TTip* after = manager.CreateTip(child_);

  HWND tipWindow = TipWindow(after);
  EXPECT_TRUE(GetWindowLongA(tipWindow, GWL_STYLE) & TTS_BALLOON);
  EXPECT_EQ(SendMessageA(tipWindow, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 120);
  EXPECT_EQ(SendMessageA(tipWindow, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 2500);
  RECT margins = {};
  SendMessageA(tipWindow, TTM_GETMARGIN, 0, reinterpret_cast<LPARAM>(&margins));
  EXPECT_EQ(margins.left, 4);
  EXPECT_EQ(margins.top, 4);
  EXPECT_EQ(margins.right, 4);
  EXPECT_EQ(margins.bottom, 4);
  EXPECT_EQ(SendMessageA(tipWindow, TTM_GETTIPBKCOLOR, 0, 0), 0x00102030);
  EXPECT_EQ(SendMessageA(tipWindow, TTM_GETTIPTEXTCOLOR, 0, 0), 0x000000FF);
  LOGFONTA font = FontOf(tipWindow);
  EXPECT_STREQ(font.lfFaceName, "Arial");
  EXPECT_EQ(font.lfHeight, PointsToHeight(12));
  EXPECT_EQ(font.lfWeight, 700);
  EXPECT_TRUE(font.lfItalic);
  EXPECT_TRUE(font.lfUnderline);
  EXPECT_FALSE(font.lfStrikeOut);
  EXPECT_EQ(font.lfCharSet, 204);

  HWND oldWindow = TipWindow(before);
  EXPECT_FALSE(GetWindowLongA(oldWindow, GWL_STYLE) & TTS_BALLOON);
  EXPECT_EQ(SendMessageA(oldWindow, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 500);
  EXPECT_STREQ(FontOf(oldWindow).lfFaceName, "Tahoma");
  manager.FreeTip(before);
  manager.FreeTip(after);
}

TEST_F(HintManagerTest, ShowHideAndMoveWorkOnlyWhileTracking) {
  TVMHintManager manager;
  TTip* tip = manager.CreateTip(child_);
  manager.SetText(tip, "tracked");
  // A tracked tool, so that the tooltip control obeys the tracking messages.
  tip->uFlags |= TTF_TRACK | TTF_ABSOLUTE;
  SendMessageA(TipWindow(tip), TTM_SETTOOLINFOA, 0, reinterpret_cast<LPARAM>(tip));

  manager.MoveTo(tip, 200, 150);
  manager.Show(tip);
  EXPECT_FALSE(IsWindowVisible(TipWindow(tip)));

  manager.Tracking = true;
  manager.MoveTo(tip, 210, 160);
  manager.Show(tip);
  EXPECT_TRUE(IsWindowVisible(TipWindow(tip)));
  RECT first = {};
  GetWindowRect(TipWindow(tip), &first);
  EXPECT_NEAR(first.left, 210, 2);
  EXPECT_NEAR(first.top, 160, 2);
  manager.MoveTo(tip, 260, 190);
  RECT moved = {};
  GetWindowRect(TipWindow(tip), &moved);
  EXPECT_EQ(moved.left - first.left, 50);
  EXPECT_EQ(moved.top - first.top, 30);

  // Once tracking is off again, the tip no longer follows or hides.
  manager.Tracking = false;
  manager.MoveTo(tip, 400, 400);
  manager.Hide(tip);
  RECT still = {};
  GetWindowRect(TipWindow(tip), &still);
  EXPECT_EQ(still.left, moved.left);
  EXPECT_TRUE(IsWindowVisible(TipWindow(tip)));
  manager.Tracking = true;
  manager.Hide(tip);
  EXPECT_FALSE(IsWindowVisible(TipWindow(tip)));
  manager.FreeTip(tip);
}

TEST(AttachHintTest, OnlyAComponentWithHintTextGetsATip) {
  TControl* form = CreateControlObject(nullptr, "Form", 0);
  form->IsForm = 1;
  TControl* quiet = CreateEditControl(form, 0);
  TControl* search = CreateEditControl(form, 0);

  THintLink none;
  AttachHint(none, quiet, "");
  EXPECT_EQ(none.Tip, nullptr);
  EXPECT_EQ(none.Api, nullptr);
  EXPECT_EQ(quiet->Handle, nullptr) << "no window is made for nothing";
  ReleaseHint(none);  // frees nothing

  const std::string hint = "Введите искомый компонент";
  THintLink link;
  AttachHint(link, search, hint);
  ASSERT_NE(link.Tip, nullptr);
  EXPECT_EQ(link.Api, GlobalHintManager()->Api);
  ASSERT_NE(search->Handle, nullptr) << "the window is made for the tip";
  EXPECT_EQ(link.Tip->hwnd, search->Handle);
  EXPECT_EQ(TipText(link.Tip), hint);
  EXPECT_EQ(SendMessageA(TipWindow(link.Tip), TTM_GETDELAYTIME, TTDT_INITIAL, 0), 500);

  // A given interface is used even for an empty text.
  TVMHintManager own;
  THintLink given;
  AttachHint(given, quiet, "", own.Api);
  ASSERT_NE(given.Tip, nullptr);
  EXPECT_EQ(given.Api, own.Api);
  EXPECT_EQ(TipText(given.Tip), "");

  // Offered a tip again, the component swaps its tip instead of keeping two.
  HWND firstWindow = TipWindow(link.Tip);
  AttachHint(link, search, hint);
  EXPECT_FALSE(IsWindow(firstWindow));
  ASSERT_NE(link.Tip, nullptr);
  EXPECT_EQ(TipText(link.Tip), hint);

  HWND tipWindow = TipWindow(link.Tip);
  ReleaseHint(link);
  EXPECT_EQ(link.Tip, nullptr);
  EXPECT_FALSE(IsWindow(tipWindow));
  ReleaseHint(given);
  form->Free();
}

}  // namespace
