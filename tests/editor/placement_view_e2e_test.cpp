// The placement view in the built editor, driven from outside: where it sits
// and how it follows the window's size, and what it shows once a sample job
// is open and a component is found; the screen is read back and kept as a
// picture beside the test program.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "tests/editor/editor_driver.h"
#include "tests/editor/job_samples.h"
#include "tests/editor/screen_shot.h"
#include "tests/support/wait.h"

namespace {

RECT PlaceIn(HWND form, HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The view's rectangle in the form window's own coordinates (those of a
// screenshot of the window).
RECT InWindow(HWND form, HWND child) {
  RECT outer{}, r{};
  GetWindowRect(form, &outer);
  GetWindowRect(child, &r);
  OffsetRect(&r, -outer.left, -outer.top);
  return r;
}

constexpr COLORREF kMarkColor = RGB(0, 70, 170);
constexpr COLORREF kHighlight = RGB(230, 0, 0);
constexpr COLORREF kFeederColor = RGB(150, 80, 0);

TEST(EditorPlacementView, FillsTheFreeAreaAndFollowsTheWindowSize) {
  TEditorDriver editor;
  ASSERT_TRUE(editor.Started());
  const std::vector<HWND> views = editor.Children("PlacementView");
  ASSERT_EQ(views.size(), 1u);
  HWND view = views[0];
  const auto fills = [&] {
    RECT client{}, r = PlaceIn(editor.Form, view);
    GetClientRect(editor.Form, &client);
    return r.left == 650 && r.top == 420 && r.right == client.right - 2 && r.bottom == client.bottom - 2;
  };
  EXPECT_TRUE(fills());
  SetWindowPos(editor.Form, nullptr, 0, 0, 1200, 800, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_TRUE(WaitUntil(fills)) << "smaller";
  SetWindowPos(editor.Form, nullptr, 0, 0, 1500, 936, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_TRUE(WaitUntil(fills)) << "back";
}

TEST(EditorPlacementView, ShowsTheOpenedJobAndTheFoundComponent) {
  TEditorDriver editor;
  ASSERT_TRUE(editor.Started());
  HWND view = editor.Children("PlacementView").at(0);
  ASSERT_TRUE(editor.Open(JobSamplePath("panel.CSV")));
  // R16 is row 15 of the component table; the search selects it.
  ASSERT_TRUE(editor.Search("R16"));
  ASSERT_TRUE(editor.Sync());
  HWND components = editor.Table(kComponentColumns);
  ASSERT_EQ(editor.SelectedRow(components), 15);

  const RECT area = InWindow(editor.Form, view);
  TScreenShot shot;
  // Four boards: the found component is highlighted on each of them (a
  // filled square of at least 7 x 7 pixels per board), and its feeder too.
  EXPECT_TRUE(WaitUntil([&] {
    shot = TScreenShot::Of(editor.Form);
    return shot.Count(kHighlight, area) >= 5 * 49;
  })) << shot.Count(kHighlight, area);
  EXPECT_GT(shot.Count(kMarkColor, area), 100) << "component marks";
  EXPECT_GT(shot.Count(kFeederColor, area), 30) << "feeder squares";
  EXPECT_EQ(shot.Count(kHighlight, RECT{0, 0, area.left, shot.Height}), 0) << "nothing outside the view";
  EXPECT_TRUE(shot.Save(ZR_SHOT_DIR "/editor-placement-view.bmp"));
}

}  // namespace
