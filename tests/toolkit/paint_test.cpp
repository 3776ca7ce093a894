#include "toolkit/paint.h"

#include <gtest/gtest.h>

#include "test_form.h"

namespace {

constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr COLORREF kBlue = RGB(0, 0, 200);

// Paints the whole client area in one colour and records what it was given.
struct TFiller {
  COLORREF Color;
  int Calls = 0;
  HDC LastDC = nullptr;
  bool SawPaintDC = false;
  bool SawRegion = false;
  bool RootWasBuffering = false;
  TControl* Root = nullptr;

  void Paint(TControl* sender, HDC dc) {
    ++Calls;
    LastDC = dc;
    SawPaintDC = sender->PaintDC == dc;
    SawRegion = sender->UpdateRegion != nullptr;
    if (Root) RootWasBuffering = Root->PaintingBuffered != 0;
    RECT r;
    GetClientRect(sender->Handle, &r);
    HBRUSH brush = CreateSolidBrush(Color);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
  }
};

// A pixel of what the window shows (read from the window itself, so that
// windows of other programs on the screen do not get in the way).
// The window context does not clip the children away.
COLORREF ScreenPixel(HWND window, int x, int y) {
  RECT outer;
  GetWindowRect(window, &outer);
  POINT p = {x, y};
  ClientToScreen(window, &p);
  HDC dc = GetWindowDC(window);
  COLORREF color = GetPixel(dc, p.x - outer.left, p.y - outer.top);
  ReleaseDC(window, dc);
  return color;
}

class PaintTest : public testing::Test {
 protected:
  void SetUp() override {
    savedPre_ = GlobalPreHandler;
    savedInvalidate_ = InvalidateHook;
    savedAfterCreate_ = AfterCreateHook;
    form_ = CreateTestForm(300, 200);
  }
  void TearDown() override {
    form_->Free();
    GlobalPreHandler = savedPre_;
    InvalidateHook = savedInvalidate_;
    AfterCreateHook = savedAfterCreate_;
  }
  // Paints the control now, and whatever else waits for painting.
  void Repaint(TControl* control) {
    InvalidateRect(control->Handle, nullptr, TRUE);
    UpdateWindow(control->Handle);
    DispatchQueued();
  }
  TControlProc savedPre_;
  TControlHook savedInvalidate_;
  TControlHook savedAfterCreate_;
  TControl* form_ = nullptr;
};

TEST_F(PaintTest, OnPaintDrawsTheWindowAndAnswersPrint) {
  TFiller filler{kGreen};
  SetOnPaint(form_, MakeMethod<&TFiller::Paint>(&filler));
  ShowTestForm(form_);
  Repaint(form_);
  ASSERT_GT(filler.Calls, 0);
  EXPECT_TRUE(filler.SawPaintDC);
  EXPECT_TRUE(filler.SawRegion);
  EXPECT_EQ(form_->PaintDC, nullptr) << "restored after painting";
  EXPECT_EQ(form_->UpdateRegion, nullptr);
  EXPECT_EQ(ScreenPixel(form_->Handle, 150, 100), kGreen);
  RECT update;
  EXPECT_FALSE(GetUpdateRect(form_->Handle, &update, FALSE)) << "painting validates";

  // WM_PRINT paints into the context it brings.
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 300, 200);
  HGDIOBJ old = SelectObject(memory, bitmap);
  SendMessageA(form_->Handle, WM_PRINT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
  EXPECT_EQ(filler.LastDC, memory);
  EXPECT_EQ(GetPixel(memory, 10, 10), kGreen);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

TEST_F(PaintTest, DoubleBufferedFormPaintsItsChildrenThroughTheBuffer) {
  TControl* child = CreateChildControl(form_, "STATIC", WS_CHILD | WS_VISIBLE, TControlActions{}, 0);
  child->SetBoundsRect(RECT{50, 40, 150, 100});
  TFiller formFiller{kGreen};
  TFiller childFiller{kBlue};
  childFiller.Root = form_;
  SetOnPaint(form_, MakeMethod<&TFiller::Paint>(&formFiller));
  SetOnPaint(child, MakeMethod<&TFiller::Paint>(&childFiller));
  SetDoubleBuffered(form_, true);
  EXPECT_EQ(GlobalPreHandler, &BufferedPaintHandler);
  EXPECT_EQ(InvalidateHook, &InvalidateBufferedRoot);
  EXPECT_EQ(AfterCreateHook, &SubclassNativeChildren);
  EXPECT_EQ(BufferedRoot(child), form_);
  ShowTestForm(form_);
  Repaint(form_);

  ASSERT_GT(childFiller.Calls, 0);
  EXPECT_TRUE(childFiller.RootWasBuffering) << "the child paints only into the buffer";
  EXPECT_NE(childFiller.LastDC, nullptr);
  EXPECT_EQ(form_->PaintingBuffered, 0);
  EXPECT_NE(form_->BufferBitmap, nullptr);
  EXPECT_EQ(form_->BufferWidth, 300);
  EXPECT_EQ(form_->BufferHeight, 200);
  EXPECT_EQ(ScreenPixel(form_->Handle, 10, 10), kGreen);
  EXPECT_EQ(ScreenPixel(form_->Handle, 100, 70), kBlue);

  // A child asking to be painted gets its root repainted instead.
  int before = childFiller.Calls;
  InvalidateRect(child->Handle, nullptr, TRUE);
  UpdateWindow(child->Handle);
  RECT update;
  EXPECT_TRUE(GetUpdateRect(form_->Handle, &update, FALSE));
  WaitUntil([&] { return childFiller.Calls > before && !GetUpdateRect(form_->Handle, &update, FALSE); });
  EXPECT_GT(childFiller.Calls, before);
  EXPECT_TRUE(childFiller.RootWasBuffering);
  EXPECT_FALSE(GetUpdateRect(form_->Handle, &update, FALSE));
  EXPECT_EQ(ScreenPixel(form_->Handle, 100, 70), kBlue);

  // The control's Invalidate reaches the root too.
  child->Invalidate();
  EXPECT_TRUE(GetUpdateRect(form_->Handle, &update, FALSE));
  DispatchQueued();
}

// Counts the pixels of the window's text colour inside a child's client area.
int TextPixels(HWND child) {
  RECT r;
  GetClientRect(child, &r);
  int count = 0;
  for (int y = 0; y < r.bottom; ++y) {
    for (int x = 0; x < r.right; ++x) {
      if (ScreenPixel(child, x, y) == GetSysColor(COLOR_WINDOWTEXT)) ++count;
    }
  }
  return count;
}

TEST_F(PaintTest, NestedNativeControlsAppearInTheBufferedPicture) {
  TControl* panel = CreateChildControl(form_, "STATIC", WS_CHILD | WS_VISIBLE, TControlActions{}, 0);
  panel->SetBoundsRect(RECT{20, 60, 220, 120});
  TControl* label = CreateLabelControl(panel, "WWWW MMMM");
  label->SetBoundsRect(RECT{30, 20, 190, 40});
  TControl* direct = CreateLabelControl(form_, "WWWW MMMM");
  direct->SetBoundsRect(RECT{20, 10, 180, 30});
  SetDoubleBuffered(form_, true);
  ShowTestForm(form_);
  Repaint(form_);
  EXPECT_GT(TextPixels(direct->Handle), 20);
  EXPECT_GT(TextPixels(label->Handle), 20) << "a label inside a panel is painted too";
  EXPECT_EQ(TextPixels(label->Handle), TextPixels(direct->Handle));
}

TEST_F(PaintTest, BufferBitmapIsReusedWithinThirtyTwoPixels) {
  EXPECT_TRUE(BufferFits(300, 200, 300, 200));
  EXPECT_TRUE(BufferFits(300, 200, 268, 168));
  EXPECT_FALSE(BufferFits(300, 200, 267, 200));
  EXPECT_FALSE(BufferFits(300, 200, 300, 167));
  EXPECT_FALSE(BufferFits(300, 200, 301, 200));

  TFiller filler{kGreen};
  SetOnPaint(form_, MakeMethod<&TFiller::Paint>(&filler));
  SetDoubleBuffered(form_, true);
  ShowTestForm(form_);
  Repaint(form_);
  HBITMAP first = form_->BufferBitmap;
  ASSERT_NE(first, nullptr);

  form_->SetClientSize(280, 180);  // smaller, within the slack: kept
  Repaint(form_);
  EXPECT_EQ(form_->BufferBitmap, first);
  EXPECT_EQ(form_->BufferWidth, 300);
  EXPECT_EQ(ScreenPixel(form_->Handle, 270, 170), kGreen);

  form_->SetClientSize(220, 180);  // 80 pixels narrower: replaced
  Repaint(form_);
  EXPECT_EQ(form_->BufferWidth, 220);
  EXPECT_EQ(form_->BufferHeight, 180);
  EXPECT_EQ(GetObjectType(first), 0u) << "the old bitmap is deleted";

  form_->SetClientSize(230, 180);  // larger than the bitmap: replaced
  Repaint(form_);
  EXPECT_EQ(form_->BufferWidth, 230);
}

TEST_F(PaintTest, TransparentControlMakesItsParentDoubleBuffered) {
  TControl* label = CreateLabelControl(form_, "see-through");
  EXPECT_EQ(form_->DoubleBuffered, 0);
  SetTransparent(label, true);
  EXPECT_EQ(label->Transparent, 1);
  EXPECT_EQ(form_->DoubleBuffered, 1);
  SetTransparent(label, false);
  EXPECT_EQ(label->Transparent, 0);
  EXPECT_EQ(form_->DoubleBuffered, 1);

  // Outside buffered painting, children of the root do not erase.
  ShowTestForm(form_);
  EXPECT_EQ(SendMessageA(label->Handle, WM_ERASEBKGND,
                         reinterpret_cast<WPARAM>(GetDC(label->Handle)), 0), 1);
}

TEST_F(PaintTest, NativeChildWindowsAreSubclassed) {
  SetDoubleBuffered(form_, true);
  TControl* combo = CreateChildControl(form_, "COMBOBOX", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN,
                                       TControlActions{}, 0);
  combo->SetBoundsRect(RECT{10, 10, 150, 200});
  ShowTestForm(form_);
  HWND inner = GetWindow(combo->Handle, GW_CHILD);
  ASSERT_NE(inner, nullptr) << "a drop-down combo box has a native edit child";
  EXPECT_NE(GetPropA(inner, "PREV_PROC"), nullptr);
  // Inside a buffered root that is not painting: no erasing, no frame.
  HDC dc = GetDC(inner);
  EXPECT_EQ(SendMessageA(inner, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  ReleaseDC(inner, dc);
  // Other messages still reach the native procedure.
  SendMessageA(inner, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed"));
  EXPECT_EQ(WindowText(inner), "typed");
}

}  // namespace
