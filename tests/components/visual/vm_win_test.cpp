#include "components/visual/vm_win.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/components/processing/probe.h"
#include "tests/components/visual/visual_test.h"
#include "toolkit/app_window.h"
#include "toolkit/control_create.h"
#include "toolkit/graphic_tool.h"

namespace {

// The smallest real visual component: a static text control.
class TTestWin : public TVMWin {
 public:
  explicit TTestWin(TControl* parent) : TVMWin(parent) {
    AdoptControl(CreateChildControl(parent, "STATIC", WS_CHILD | WS_VISIBLE | SS_NOTIFY,
                                    TControlActions{}, 1));
  }
};

LOGFONTA FontOf(HWND window) {
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}

class VisualComponentTest : public VisualTest {
 protected:
  void SetUp() override {
    VisualTest::SetUp();
    form_ = CreateFormWindow(nullptr, "parent");
    form_->SetBoundsRect(RECT{30, 30, 530, 430});
    form_->SetColor(static_cast<int32_t>(0x80000005));
    form_->VisibleSet = 1;
    form_->SetVisible(true);
    form_->CreateWindowNow();
  }
  void TearDown() override {
    win_.reset();
    if (form_) form_->Free();
    VisualTest::TearDown();
  }

  TTestWin* MakeWin() {
    win_ = std::make_unique<TTestWin>(form_);
    win_->Left = 10;
    win_->Top = 20;
    win_->Width = 120;
    win_->Height = 40;
    win_->Font = MakeFont("Arial", 12, kFontBold, 0x000000FF, 1);
    return win_.get();
  }
  HWND Window() { return win_->Control->Handle; }

  TControl* form_ = nullptr;
  std::unique_ptr<TTestWin> win_;
};

TEST_F(VisualComponentTest, InitAppliesTheSharedProperties) {
  TTestWin* win = MakeWin();
  EXPECT_EQ(win->Color, static_cast<int32_t>(0x80000005)) << "the parent's colour is taken first";
  EXPECT_EQ(win->Ctl3D, kCtl3DAsCreated);
  EXPECT_TRUE(win->Visible);
  EXPECT_TRUE(win->Enabled);
  win->Color = 0x00123456;
  win->Enabled = false;
  win->Flat = true;
  win->TabOrder = 3;
  win->Init();

  ASSERT_TRUE(IsWindow(Window()));
  EXPECT_EQ(win->ControlGetter(), win->Control);
  RECT r = win->Control->GetBoundsRect();
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.top, 20);
  EXPECT_EQ(r.right - r.left, 120);
  EXPECT_EQ(r.bottom - r.top, 40);
  EXPECT_EQ(win->Control->Color, 0x00123456);
  EXPECT_FALSE(IsWindowEnabled(Window()));
  LONG style = GetWindowLongA(Window(), GWL_STYLE);
  EXPECT_TRUE(style & 0x8000) << "Flat adds its style bit";
  EXPECT_TRUE(style & WS_TABSTOP);
  EXPECT_EQ(win->Control->TabOrder, 3);
  EXPECT_TRUE(IsWindowVisible(Window()));

  LOGFONTA font = FontOf(Window());
  EXPECT_STREQ(font.lfFaceName, "Arial");
  EXPECT_EQ(font.lfHeight, PointsToHeight(12));
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  EXPECT_EQ(win->Control->FontColor, 0x000000FF);
}

TEST_F(VisualComponentTest, ParentFontIgnoresTheOwnFontAndVisibleFalseHides) {
  SetToolFontName(form_->Font, "Courier New");
  SetToolFontHeight(form_->Font, -20);
  TTestWin* win = MakeWin();
  win->ParentFont = true;
  win->Visible = false;
  win->Init();
  LOGFONTA font = FontOf(Window());
  EXPECT_STREQ(font.lfFaceName, "Courier New");
  EXPECT_EQ(font.lfHeight, -20);
  EXPECT_NE(font.lfWeight, FW_BOLD);
  EXPECT_FALSE(IsWindowVisible(Window()));
}

TEST_F(VisualComponentTest, BorderLookFollowsCtl3DAndBorderStyle) {
  struct Case {
    uint8_t Ctl3D, BorderStyle;
    LONG ExpectedEdges;
  } cases[] = {
      {kCtl3DSunken, kBorderKeep, WS_EX_CLIENTEDGE},
      {kCtl3DSunken, kBorderNone, 0},
      {kCtl3DSunken, kBorderStaticEdge, WS_EX_STATICEDGE},
      {kCtl3DSunken, kBorderDialogFrame, WS_EX_DLGMODALFRAME},
      {kCtl3DSunken, kBorderDialogFrameClientEdge, WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE},
      {kCtl3DFlat, kBorderStaticEdge, 0},
  };
  constexpr LONG kEdges = WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME;
  for (const Case& c : cases) {
    TTestWin* win = MakeWin();
    win->Ctl3D = c.Ctl3D;
    win->BorderStyle = c.BorderStyle;
    win->Init();
    EXPECT_EQ(GetWindowLongA(Window(), GWL_EXSTYLE) & kEdges, c.ExpectedEdges)
        << "Ctl3D " << int(c.Ctl3D) << " BorderStyle " << int(c.BorderStyle);
  }
  // Left to the control class, the border is what the class gives, and the
  // border style is not applied.
  TTestWin* win = MakeWin();
  LONG before = static_cast<LONG>(win->Control->ExStyle) & kEdges;
  win->BorderStyle = kBorderDialogFrame;
  win->Init();
  EXPECT_EQ(GetWindowLongA(Window(), GWL_EXSTYLE) & kEdges, before);
}

TEST_F(VisualComponentTest, MouseMessagesFireButtonValuesAndKeepTheMouseState) {
  TTestWin* win = MakeWin();
  win->MouseCapture = true;
  TProbe down, up, move, dbl, wheel, enter, leave;
  win->OnMouseDown = down.Action();
  win->OnMouseUp = up.Action();
  win->OnMouseMove = move.Action();
  win->OnDblClick = dbl.Action();
  win->OnMouseWheel = wheel.Action();
  win->OnMouseEnter = enter.Action();
  win->OnMouseLeave = leave.Action();
  win->Init();
  StartDispatch();

  SendMessageA(Window(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(7, 9));
  EXPECT_EQ(GetCapture(), Window()) << "MouseCapture captures between down and up";
  SendMessageA(Window(), WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(8, 10));
  SendMessageA(Window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(8, 11));
  SendMessageA(Window(), WM_MOUSEMOVE, MK_LBUTTON | MK_RBUTTON, MAKELPARAM(8, 12));
  SendMessageA(Window(), WM_MOUSEMOVE, 0, MAKELPARAM(8, 13));
  SendMessageA(Window(), WM_RBUTTONUP, 0, MAKELPARAM(-3, 14));
  EXPECT_EQ(GetCapture(), nullptr);
  SendMessageA(Window(), WM_MBUTTONDBLCLK, MK_MBUTTON, MAKELPARAM(1, 1));
  SendMessageA(Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)), MAKELPARAM(1, 1));
  SendMessageA(Window(), WM_MOUSELEAVE, 0, 0);

  EXPECT_EQ(down.Texts(), std::vector<std::string>{"1"});
  EXPECT_EQ(move.Texts(), (std::vector<std::string>{"1", "0", "-1", "-1"}));
  EXPECT_EQ(up.Texts(), std::vector<std::string>{"1"});
  EXPECT_EQ(dbl.Texts(), std::vector<std::string>{"2"});
  EXPECT_EQ(wheel.Texts(), std::vector<std::string>{"-240"});
  EXPECT_EQ(down.Kinds()[0], kKindInteger);
  // The last stored state is the button-up's.
  EXPECT_EQ(win->MouseX, -3);
  EXPECT_EQ(win->MouseY, 14);
  EXPECT_EQ(win->MouseShift & (MK_LBUTTON | MK_RBUTTON), 0u);
  // Every mouse message counts as the mouse being over the control.
  EXPECT_EQ(enter.Count(), 8u);
  EXPECT_EQ(leave.Count(), 1u);
  EXPECT_EQ(enter.Kinds()[0], kKindNull);
}

TEST_F(VisualComponentTest, KeyFocusMoveAndSizeNotificationsBecomeEvents) {
  TTestWin* win = MakeWin();
  win->Visible = false;
  TProbe keyDown, keyUp, keyPress, setFocus, killFocus, moved, resized, shown;
  win->OnKeyDown = keyDown.Action();
  win->OnKeyUp = keyUp.Action();
  win->OnKeyPress = keyPress.Action();
  win->OnSetFocus = setFocus.Action();
  win->OnKillFocus = killFocus.Action();
  win->OnMove = moved.Action();
  win->OnResize = resized.Action();
  win->OnShow = shown.Action();
  win->Init();
  StartDispatch();

  SetFocus(Window());
  SendMessageA(Window(), WM_KEYDOWN, 'Q', 0);
  SendMessageA(Window(), WM_CHAR, static_cast<unsigned char>('\xDF'), 0);  // Cyrillic capital Ya
  SendMessageA(Window(), WM_KEYUP, VK_F2, 0);
  SendMessageA(Window(), WM_SETFOCUS, 0, 0);
  SendMessageA(Window(), WM_KILLFOCUS, 0, 0);
  win->Control->SetPosition(15, 25);
  win->Control->SetSize(140, 50);
  win->Control->SetVisible(true);

  EXPECT_EQ(keyDown.Texts(), std::vector<std::string>{"81"});
  EXPECT_EQ(keyPress.Texts(), std::vector<std::string>{"\xDF"});
  EXPECT_EQ(keyPress.Kinds()[0], kKindString);
  EXPECT_EQ(keyUp.Texts(), std::vector<std::string>{std::to_string(VK_F2)});
  EXPECT_GE(setFocus.Count(), 1u);
  EXPECT_GE(killFocus.Count(), 1u);
  EXPECT_GE(moved.Count(), 1u);
  EXPECT_GE(resized.Count(), 1u);
  EXPECT_EQ(shown.Count(), 1u);
}

TEST_F(VisualComponentTest, SizeLimitInputsDecideHowMuchOfAResizeHappens) {
  TTestWin* win = MakeWin();
  TProbe heightLimit;
  SetIntValue(heightLimit.Answer, 5);
  win->HeightLimit = heightLimit.Point();
  win->Init();
  StartDispatch();

  // Connected height input: it is offered the change (+50) and allows 5;
  // the unconnected width input lets the whole width change through.
  win->Control->SetSize(200, 90);
  RECT r = WindowRect(Window());
  EXPECT_EQ(r.bottom - r.top, 45);
  EXPECT_EQ(r.right - r.left, 200);
  ASSERT_EQ(heightLimit.Reads, 1);

  // An answer that is not an Integer changes nothing.
  SetStrValue(heightLimit.Answer, "7");
  win->Control->SetSize(200, 60);
  EXPECT_EQ(WindowRect(Window()).bottom - WindowRect(Window()).top, 60);

  // A move alone offers nothing.
  win->Control->SetPosition(3, 4);
  EXPECT_EQ(heightLimit.Reads, 2);
}

TEST_F(VisualComponentTest, OnlyAComponentWithAHintGetsATipAndFreesIt) {
  TTestWin* silent = MakeWin();
  silent->Init();
  silent->AttachHintNow();
  EXPECT_EQ(silent->HintLink.Tip, nullptr);
  EXPECT_EQ(silent->HintLink.Api, nullptr);
  win_.reset();  // destroying it frees nothing

  TTestWin* win = MakeWin();
  win->Hint = "abc";
  win->Init();
  win->AttachHintNow();
  ASSERT_NE(win->HintLink.Tip, nullptr);
  EXPECT_EQ(win->HintLink.Api, GlobalHintManager()->Api);
  HWND tip = TipWindow(win->HintLink.Tip);
  EXPECT_TRUE(IsWindow(tip));
  HWND control = Window();
  win_.reset();
  EXPECT_FALSE(IsWindow(tip));
  EXPECT_FALSE(IsWindow(control)) << "the component frees its control";
}

TEST_F(VisualComponentTest, AControlFreedWithItsParentIsNotFreedAgain) {
  TTestWin* win = MakeWin();
  win->Init();
  HWND control = Window();
  form_->Free();  // frees the child control too
  form_ = nullptr;
  EXPECT_FALSE(IsWindow(control));
  EXPECT_TRUE(win->ControlDestroyed);
  EXPECT_EQ(win->Control, nullptr);
  win_.reset();  // must not touch the freed control
}

}  // namespace
