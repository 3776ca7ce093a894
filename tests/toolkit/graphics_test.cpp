// Graphics objects: shared font handles, canvas measuring, bitmaps and
// image lists.
#include "core/font.h"
#include "tests/toolkit/toolkit_fixture.h"
#include "toolkit/app_window.h"
#include "toolkit/bitmap.h"
#include "toolkit/canvas.h"
#include "toolkit/control_create.h"
#include "toolkit/graphic_tool.h"
#include "toolkit/image_list.h"
#include "toolkit/paint.h"

namespace {

using GraphicsTest = ToolkitTest;

HFONT WindowFont(TControl* control) {
  return reinterpret_cast<HFONT>(SendMessageA(control->Handle, WM_GETFONT, 0, 0));
}

TEST_F(GraphicsTest, ControlsWithEqualFontsShareTheParentsHandleUntilOneChanges) {
  TControl* form = Keep(CreateFormWindow(nullptr, "Form"));
  form->SetFontHeight(-13);
  TControl* first = CreateEditControl(form, 0);
  TControl* second = CreateEditControl(form, 0);
  form->CreateWindowNow();
  HGDIOBJ shared = ToolGetHandle(form->Font);
  ASSERT_NE(nullptr, shared);
  EXPECT_EQ(shared, ToolGetHandle(first->Font));
  EXPECT_EQ(shared, WindowFont(first));
  EXPECT_EQ(shared, WindowFont(second));

  first->SetFontStyle(kFontBold);
  HFONT own = WindowFont(first);
  EXPECT_NE(shared, own);
  EXPECT_EQ(shared, WindowFont(second));
  LOGFONTA description;
  ASSERT_TRUE(GetObjectA(own, sizeof description, &description));
  EXPECT_GE(description.lfWeight, FW_BOLD);
  EXPECT_EQ(-13, description.lfHeight);
  EXPECT_EQ(kFontBold, first->GetFontStyle());

  // Back to the parent's description: the shared handle again.
  first->SetFontStyle(0);
  EXPECT_EQ(shared, WindowFont(first));
}

TEST_F(GraphicsTest, ChangingTheParentsFontOrColourLeavesTheChildrenValidObjects) {
  TControl* form = Keep(CreateFormWindow(nullptr, "Form"));
  form->SetFontHeight(-13);
  form->SetColor(RGB(1, 2, 3));
  TControl* panel = CreateChildControl(form, "STATIC", WS_CHILD | WS_VISIBLE, TControlActions{}, 0);
  TControl* edit = CreateEditControl(panel, 0);
  form->CreateWindowNow();
  ASSERT_EQ(ToolGetHandle(form->Font), WindowFont(edit));  // shared through the panel
  ASSERT_EQ(ToolGetHandle(form->Brush), edit->GetBackgroundBrush());

  form->SetFontHeight(-30);  // deletes the handle the edit box was showing
  form->SetColor(RGB(4, 5, 6));
  LOGFONTA font;
  ASSERT_TRUE(GetObjectA(WindowFont(edit), sizeof font, &font));
  EXPECT_EQ(-13, font.lfHeight);
  HDC dc = GetDC(edit->Handle);
  auto brush = reinterpret_cast<HBRUSH>(SendMessageA(panel->Handle, WM_CTLCOLOREDIT,
                                                     reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(edit->Handle)));
  ReleaseDC(edit->Handle, dc);
  LOGBRUSH description;
  ASSERT_TRUE(GetObjectA(brush, sizeof description, &description));
  EXPECT_EQ(RGB(1, 2, 3), description.lbColor);
}

TEST_F(GraphicsTest, FontChangesReachTheWindowAndItsColour) {
  TControl* form = Keep(CreateFormWindow(nullptr, "Form"));
  TControl* label = CreateLabelControl(form, "x");
  label->SetFontName("Arial Very Long Face Name That Is Cut Somewhere");
  label->SetFontColor(RGB(9, 8, 7));
  form->CreateWindowNow();
  LOGFONTA description;
  ASSERT_TRUE(GetObjectA(WindowFont(label), sizeof description, &description));
  EXPECT_EQ(31u, std::string(description.lfFaceName).size());
  EXPECT_EQ(RGB(9, 8, 7), static_cast<COLORREF>(label->FontColor));
}

TEST_F(GraphicsTest, TheCanvasMeasuresTextInTheControlFontWithOrWithoutAWindow) {
  TControl* form = Keep(CreateFormWindow(nullptr, "Form"));
  TControl* label = CreateLabelControl(form, "x");
  SIZE none = CanvasTextExtent(GetCanvas(label), "");
  EXPECT_EQ(0, none.cx);
  EXPECT_EQ(0, none.cy);
  SIZE small = CanvasTextExtent(GetCanvas(label), "Размер");  // no window yet
  EXPECT_GT(small.cx, 0);
  label->SetFontHeight(-40);  // drops the canvas: the next one has the new font
  form->CreateWindowNow();
  SIZE large = CanvasTextExtent(GetCanvas(label), "Размер");
  EXPECT_GT(large.cx, small.cx);
  EXPECT_GE(large.cy, 40);
  CanvasReleaseDC(GetCanvas(label));
}

struct TCanvasPainter {
  void Paint(TControl* sender, HDC) { CanvasFillRect(GetCanvas(sender), RECT{0, 0, 20, 20}); }
};

TEST_F(GraphicsTest, WhileTheControlPaintsTheCanvasDrawsIntoThePaintContext) {
  TControl* form = Keep(CreateFormWindow(nullptr, "Form"));
  form->SetColor(RGB(10, 200, 30));
  TCanvasPainter painter;
  SetOnPaint(form, MakeMethod<&TCanvasPainter::Paint>(&painter));
  form->CreateWindowNow();
  CanvasTextExtent(GetCanvas(form), "x");  // the canvas now holds a window context

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 40, 40);
  HGDIOBJ old = SelectObject(memory, bitmap);
  PatBlt(memory, 0, 0, 40, 40, BLACKNESS);
  SendMessageA(form->Handle, WM_PRINT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
  EXPECT_EQ(RGB(10, 200, 30), GetPixel(memory, 5, 5));
  EXPECT_EQ(RGB(0, 0, 0), GetPixel(memory, 25, 25));
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

TEST_F(GraphicsTest, BitmapsDrawAtTheirSizeAndEmptyOnesDrawNothing) {
  HDC screen = GetDC(nullptr);
  HDC target = CreateCompatibleDC(screen);
  HBITMAP surface = CreateCompatibleBitmap(screen, 40, 40);
  HGDIOBJ oldSurface = SelectObject(target, surface);
  PatBlt(target, 0, 0, 40, 40, BLACKNESS);

  TBitmap* empty = CreateBitmap(0, 10);
  EXPECT_TRUE(BitmapEmpty(empty));
  BitmapDraw(empty, target, 0, 0);
  EXPECT_EQ(RGB(0, 0, 0), GetPixel(target, 1, 1));

  TBitmap* bitmap = CreateBitmap(10, 10);
  ASSERT_FALSE(BitmapEmpty(bitmap));
  HDC source = CreateCompatibleDC(screen);
  HGDIOBJ oldSource = SelectObject(source, bitmap->Handle);
  PatBlt(source, 0, 0, 10, 10, WHITENESS);
  SelectObject(source, oldSource);
  DeleteDC(source);
  BitmapDraw(bitmap, target, 5, 5);
  EXPECT_EQ(RGB(255, 255, 255), GetPixel(target, 5, 5));
  EXPECT_EQ(RGB(255, 255, 255), GetPixel(target, 14, 14));
  EXPECT_EQ(RGB(0, 0, 0), GetPixel(target, 15, 15));

  empty->Free();
  bitmap->Free();
  SelectObject(target, oldSurface);
  DeleteObject(surface);
  DeleteDC(target);
  ReleaseDC(nullptr, screen);
}

TEST_F(GraphicsTest, AnImageListKeepsItsSizeOnceThePlatformListExists) {
  TControl* form = CreateFormWindow(nullptr, "Form");
  TImageList* list = CreateImageList(form);
  TImageList* other = CreateImageList(form);
  EXPECT_EQ(other, form->OwnedImageLists);
  EXPECT_EQ(list, other->NextOfOwner);
  Watch(list, "list");
  EXPECT_EQ(0, ImageListCount(list));
  ImageListSetWidth(list, 16);
  ImageListSetHeight(list, 16);
  ImageListSetBkColor(list, RGB(1, 2, 3));
  HIMAGELIST handle = ImageListHandle(list);
  ASSERT_NE(nullptr, handle);
  EXPECT_EQ(RGB(1, 2, 3), ImageList_GetBkColor(handle));
  ImageListSetWidth(list, 48);
  int cx = 0, cy = 0;
  ImageList_GetIconSize(handle, &cx, &cy);
  EXPECT_EQ(16, cx);
  EXPECT_EQ(16, cy);
  EXPECT_EQ(16, list->Width);
  form->Free();  // the owner frees its image list
  EXPECT_TRUE(WasDestroyed("list"));
}

}  // namespace
