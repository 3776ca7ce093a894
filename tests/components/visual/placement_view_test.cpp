// The placement view on a real form beside four real string tables, linked
// as the editor links them and driven through the live dispatcher; what it
// shows is read back from the painted window.
#include "components/visual/placement_view.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "components/visual/string_table.h"
#include "tests/components/processing/probe.h"
#include "tests/components/visual/visual_test.h"
#include "toolkit/app_window.h"
#include "toolkit/list_view.h"

namespace {

// Hands out a table's array access and counts the rows read through it.
struct TCountingArray {
  TArrayAccess* Inner = nullptr;
  TArrayAccess Access;
  int Gets = 0;
  TCountingArray() {
    Access.Get = MakeMethod<&TCountingArray::Get>(this);
    Access.Count = MakeMethod<&TCountingArray::Count>(this);
    Access.Set = MakeMethod<&TCountingArray::Set>(this);
    Access.Add = MakeMethod<&TCountingArray::Add>(this);
  }
  bool Get(TData& index, TData& result) {
    ++Gets;
    return Inner->Get(index, result);
  }
  int32_t Count() { return Inner->Count(); }
  void Set(TData& index, TData& value) { Inner->Set(index, value); }
  void Add(TData& value) { Inner->Add(value); }
  void Array(TData& data, uint16_t) { SetArrayValue(data, &Access); }
};

constexpr const char* kFeederColumns = "№\r\nX1\r\nY1";
constexpr const char* kBoardColumns = "№платы\r\nXoffset\r\nYoffset\r\nПропуск";
constexpr const char* kComponentColumns = "Компонент\r\nСопло\r\nПитатель\r\nX\r\nY\r\nУгол\r\nПропуск\r\nКоммент";

class PlacementViewTest : public VisualTest {
 protected:
  void SetUp() override {
    VisualTest::SetUp();
    form_ = CreateFormWindow(nullptr, "placement view form");
    form_->SetBoundsRect(RECT{10, 10, 1010, 660});
    form_->VisibleSet = 1;
    form_->CreateWindowNow();
    feeders_ = MakeTable(kFeederColumns, 0);
    specials_ = MakeTable(kFeederColumns, 60);
    boards_ = MakeTable(kBoardColumns, 120);
    components_ = MakeTable(kComponentColumns, 180);
    view_ = new TVMPlacementView(form_);
    view_->Left = 300, view_->Top = 10, view_->Width = 600, view_->Height = 500;
    view_->Font = MakeFont("MS Sans Serif", 8, 0, 0, 1);
    view_->Init();

    view_->Feeders = ArrayOf(feeders_);
    view_->SpecialFeeders = ArrayOf(specials_);
    view_->Boards = ArrayOf(boards_);
    view_->Components = MakeEvent<&TCountingArray::Array>(&TablesRead);
    TvmStringTableMT* tables[] = {feeders_, specials_, boards_, components_};
    for (uint16_t t = 0; t < kJobTableCount; ++t)
      tables[t]->OnRowStored = MakeEvent<&TVMPlacementView::RowsAdded>(view_, t);
    for (uint16_t t = 0; t < kJobTableCount; ++t) {
      tables[t]->OnRowInserted = MakeEvent<&TVMPlacementView::RowInserted>(view_, t);
      tables[t]->OnRowDeleted = MakeEvent<&TVMPlacementView::RowDeleted>(view_, t);
    }
    components_->OnSelect = MakeEvent<&TVMPlacementView::ShowComponent>(view_);
    view_->OnPick = MakeEvent<&TvmStringTableMT::SelectRow>(components_, 5);
    StartDispatch();
    TVM_Event componentRows = ArrayOf(components_);
    TablesRead.Inner = FetchPointArray(componentRows);
    ASSERT_NE(TablesRead.Inner, nullptr);
    form_->SetVisible(true);
    SetForegroundWindow(form_->Handle);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(View()) != 0; }));
    Paint();
  }
  void TearDown() override {
    delete view_;
    for (TvmStringTableMT* t : {components_, boards_, specials_, feeders_}) delete t;
    FreeObj(form_);
    VisualTest::TearDown();
  }
  TvmStringTableMT* MakeTable(const char* columns, int32_t top) {
    auto* table = new TvmStringTableMT(form_);
    table->Left = 10, table->Top = 10 + top, table->Width = 280, table->Height = top == 180 ? 300 : 55;
    table->Font = MakeFont("MS Sans Serif", 8, 0, 0, 1);
    table->SetColumns(columns);
    table->Init();
    return table;
  }
  static TVM_Event ArrayOf(TvmStringTableMT* table) { return MakeEvent<&TvmStringTableMT::Array>(table, 3); }
  static void Add(TvmStringTableMT* table, const std::string& line) {
    TVM_Event add = MakeEvent<&TvmStringTableMT::AddRow>(table);
    FireStr(add, line);
  }
  HWND View() const { return view_->Control->Handle; }
  void Paint() {
    RedrawWindow(View(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(WaitUntil([&] {
      RECT update;
      return !GetUpdateRect(View(), &update, FALSE);
    })) << "painted";
  }
  COLORREF Pixel(int x, int y) const {
    HDC dc = GetDC(View());
    COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(View(), dc);
    return color;
  }
  // The colour is at p or one pixel beside it.
  bool ColorNear(POINT p, COLORREF color) const {
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy)
        if (Pixel(p.x + dx, p.y + dy) == color) return true;
    return false;
  }
  // Where a job point is drawn, in the view's client pixels.
  POINT At(double x, double y) const {
    const TViewTransform& t = view_->Transform();
    return POINT{static_cast<LONG>(std::floor(t.ScreenX(x) + 0.5)),
                 static_cast<LONG>(std::floor(t.ScreenY(y) + 0.5))};
  }
  void Click(UINT down, UINT up, POINT p, WPARAM held = MK_LBUTTON) {
    SendMessageA(View(), down, held, MAKELPARAM(p.x, p.y));
    SendMessageA(View(), up, 0, MAKELPARAM(p.x, p.y));
  }
  // Two boards (the second one skipped), three components (the third one
  // skipped), two feeders.
  void LoadSmallJob() {
    Add(feeders_, "1,100,80");
    Add(specials_, "80,100,0");
    Add(boards_, "1,0,0,0");
    Add(boards_, "2,50,0,1");
    Add(components_, "R1,1,1,10,10,0,0,a");
    Add(components_, "C2,1,80,30,20,90,0,b");
    Add(components_, "D3,1,1,20,40,0,1,c");
    Paint();
  }

  TControl* form_ = nullptr;
  TvmStringTableMT* feeders_ = nullptr;
  TvmStringTableMT* specials_ = nullptr;
  TvmStringTableMT* boards_ = nullptr;
  TvmStringTableMT* components_ = nullptr;
  TVMPlacementView* view_ = nullptr;
  TCountingArray TablesRead;
};

TEST_F(PlacementViewTest, DrawsMarksWhereTheJobPutsThemWithYUp) {
  LoadSmallJob();
  const int half = view_->MarkSize / 2;
  const COLORREF mark = view_->MarkColor, grey = view_->SkippedColor;
  // Placed components on the placed board: filled, with a tick toward the
  // angle (0: right; 90: up).
  POINT r1 = At(10, 10), c2 = At(30, 20);
  EXPECT_EQ(Pixel(r1.x, r1.y), mark);
  EXPECT_EQ(Pixel(r1.x + half + 3, r1.y), mark) << "tick to the right";
  EXPECT_EQ(Pixel(c2.x, c2.y), mark);
  EXPECT_EQ(Pixel(c2.x, c2.y - half - 3), mark) << "tick upward";
  EXPECT_NE(Pixel(c2.x + half + 3, c2.y), mark);
  // Y grows upward, at the same scale as X.
  EXPECT_LT(c2.y, r1.y);
  EXPECT_NEAR((r1.y - c2.y) / view_->Transform().Scale, 10, 1.0 / view_->Transform().Scale);
  EXPECT_NEAR((c2.x - r1.x) / view_->Transform().Scale, 20, 1.0 / view_->Transform().Scale);

  // The skipped component, and every component of the skipped board: hollow
  // and grey.
  for (POINT p : {At(20, 40), At(60, 10), At(80, 20)}) {
    EXPECT_EQ(Pixel(p.x - half, p.y - half), grey) << p.x << "," << p.y;
    EXPECT_NE(Pixel(p.x - 1, p.y + 1), grey) << "hollow";
    EXPECT_NE(Pixel(p.x - 1, p.y + 1), mark);
  }
  // Feeder pick points of both feeder tables: hollow squares.
  for (POINT p : {At(100, 80), At(100, 0)}) EXPECT_EQ(Pixel(p.x - 3, p.y - 3), view_->FeederColor);

  // The fit shows the whole job inside the drawing area.
  const TPixelArea plot = view_->PlotArea();
  for (POINT p : {At(0, 0), At(100, 80), At(80, 40)}) {
    EXPECT_GE(p.x, plot.Left);
    EXPECT_LE(p.x, plot.Right);
    EXPECT_GE(p.y, plot.Top);
    EXPECT_LE(p.y, plot.Bottom);
  }
}

TEST_F(PlacementViewTest, HighlightFollowsTheSelectionAndAClickSelectsTheRow) {
  LoadSmallJob();
  for (int i = 0; i < 60; ++i) Add(components_, "X" + std::to_string(i) + ",1,1,5,5,0,0,");
  Paint();
  const COLORREF red = view_->HighlightColor;
  TVM_Event select = MakeEvent<&TvmStringTableMT::SelectRow>(components_, 5);

  FireInt(select, 1);
  Paint();
  EXPECT_EQ(view_->CurrentComponent(), 1);
  EXPECT_EQ(Pixel(At(30, 20).x, At(30, 20).y), red) << "on the first board";
  EXPECT_EQ(Pixel(At(80, 20).x, At(80, 20).y), red) << "on the skipped board too";
  EXPECT_EQ(Pixel(At(100, 0).x, At(100, 0).y), red) << "its feeder, number 80";
  EXPECT_NE(Pixel(At(100, 80).x, At(100, 80).y), red) << "not the other feeder";

  FireInt(select, 0);
  Paint();
  EXPECT_NE(Pixel(At(30, 20).x, At(30, 20).y), red);
  EXPECT_EQ(Pixel(At(10, 10).x, At(10, 10).y), red);

  // A click on a mark selects its row in the component table and scrolls
  // it into view; the view highlights it.
  TListView* list = components_->ListView();
  SendMessageA(list->Handle, LVM_ENSUREVISIBLE, 60, FALSE);
  Click(WM_LBUTTONDOWN, WM_LBUTTONUP, At(20, 40));
  ASSERT_TRUE(WaitUntil([&] { return ListCurrentRow(list) == 2; }));
  const int top = static_cast<int>(SendMessageA(list->Handle, LVM_GETTOPINDEX, 0, 0));
  const int page = static_cast<int>(SendMessageA(list->Handle, LVM_GETCOUNTPERPAGE, 0, 0));
  EXPECT_TRUE(top <= 2 && 2 < top + page) << "top " << top << ", page " << page;
  EXPECT_EQ(view_->CurrentComponent(), 2);
  // A click beside every mark selects nothing new.
  Click(WM_LBUTTONDOWN, WM_LBUTTONUP, POINT{At(10, 10).x + 20, At(10, 10).y + 20});
  DispatchQueued();
  EXPECT_EQ(ListCurrentRow(list), 2);
}

// Rows given as text are ringed on every board beside the current row, and
// keep their ringing as rows are inserted and deleted above them.
TEST_F(PlacementViewTest, RingsTheGivenRowsOnEveryBoardBesideTheCurrentRow) {
  LoadSmallJob();
  const COLORREF red = view_->HighlightColor;
  TVM_Event ring = MakeEvent<&TVMPlacementView::RingRows>(view_);
  TVM_Event select = MakeEvent<&TvmStringTableMT::SelectRow>(components_, 5);
  auto red_at = [&](double x, double y) { return Pixel(At(x, y).x, At(x, y).y) == red; };
  FireStr(ring, "2, 0,x,-1,9");
  FireInt(select, 1);
  Paint();
  EXPECT_EQ(view_->RingedRows(), (std::vector<int32_t>{0, 2, 9}));
  for (auto [x, y] : {std::pair{10.0, 10.0}, {60.0, 10.0}, {20.0, 40.0}, {70.0, 40.0}, {30.0, 20.0}, {80.0, 20.0}})
    EXPECT_TRUE(red_at(x, y)) << x << "," << y;

  FireInt(select, 1);
  components_->InsertRowBelowCurrent();  // the new row 2 pushes row 2 down
  EXPECT_EQ(view_->RingedRows(), (std::vector<int32_t>{0, 3, 10}));
  FireInt(select, 0);
  components_->DeleteCurrentRow();
  EXPECT_EQ(view_->RingedRows(), (std::vector<int32_t>{2, 9}));

  FireStr(ring, "");
  Paint();
  EXPECT_TRUE(view_->RingedRows().empty());
  EXPECT_FALSE(red_at(20, 40));
  EXPECT_FALSE(red_at(10, 10));
}

TEST_F(PlacementViewTest, WheelZoomsAboutThePointerDragPansAndDoubleClickFits) {
  LoadSmallJob();
  const TViewTransform fitted = view_->Transform();
  const POINT r1 = At(10, 10);
  POINT screen = r1;
  ClientToScreen(View(), &screen);
  SetFocus(View());
  const double jobX = fitted.JobX(r1.x), jobY = fitted.JobY(r1.y);
  SendMessageA(View(), WM_MOUSEWHEEL, MAKEWPARAM(0, 240), MAKELPARAM(screen.x, screen.y));
  Paint();
  const TViewTransform zoomed = view_->Transform();
  EXPECT_NEAR(zoomed.Scale, fitted.Scale * 1.5625, 1e-9);
  EXPECT_NEAR(zoomed.JobX(r1.x), jobX, 1e-9) << "the point under the pointer stays";
  EXPECT_NEAR(zoomed.JobY(r1.y), jobY, 1e-9);
  EXPECT_TRUE(ColorNear(r1, view_->MarkColor)) << "and so does the mark, to the pixel";
  const POINT c2 = At(30, 20);
  EXPECT_EQ(Pixel(c2.x, c2.y), view_->MarkColor);

  // Drag by (40, 25): the job moves with the pointer, and nothing is picked.
  SendMessageA(View(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r1.x, r1.y));
  SendMessageA(View(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(r1.x + 20, r1.y + 10));
  SendMessageA(View(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(r1.x + 40, r1.y + 25));
  SendMessageA(View(), WM_LBUTTONUP, 0, MAKELPARAM(r1.x + 40, r1.y + 25));
  Paint();
  EXPECT_DOUBLE_EQ(view_->Transform().OriginX, zoomed.OriginX + 40);
  EXPECT_DOUBLE_EQ(view_->Transform().OriginY, zoomed.OriginY + 25);
  EXPECT_TRUE(ColorNear(POINT{r1.x + 40, r1.y + 25}, view_->MarkColor));
  EXPECT_EQ(view_->CurrentComponent(), -1);

  SendMessageA(View(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  Paint();
  EXPECT_DOUBLE_EQ(view_->Transform().Scale, fitted.Scale);
  EXPECT_DOUBLE_EQ(view_->Transform().OriginX, fitted.OriginX);
  EXPECT_DOUBLE_EQ(view_->Transform().OriginY, fitted.OriginY);
  // The Fit action does what the double click does.
  SendMessageA(View(), WM_MOUSEWHEEL, MAKEWPARAM(0, 240), MAKELPARAM(screen.x, screen.y));
  TVM_Event fit = MakeEvent<&TVMPlacementView::Fit>(view_);
  FireNull(fit);
  Paint();
  EXPECT_DOUBLE_EQ(view_->Transform().Scale, fitted.Scale);
}

// A panel of 40 x 40 boards 100 units apart, each 2 units across: fitted,
// every board is a rectangle of a pixel or two without marks; zoomed in on
// one board, its marks are drawn, the 200 that share a place once, and a
// click on a mark selects its row.
TEST_F(PlacementViewTest, DrawsSmallBoardsAsRectanglesAndTheirMarksWhenZoomedIn) {
  std::string boards, components = "R1,1,1,1,1,0,0,\r\nR2,1,1,3,2,90,0,\r\nR3,1,1,2,3,0,1,";
  for (int i = 0; i < 1600; ++i)
    boards += std::to_string(i + 1) + "," + std::to_string(i % 40 * 100) + "," + std::to_string(i / 40 * 100) + "," +
              (i == 41 ? "1" : "0") + "\r\n";
  for (int i = 0; i < 200; ++i) components += "\r\nS" + std::to_string(i) + ",1,1,1,1,0,0,";
  TVM_Event addBoards = MakeEvent<&TvmStringTableMT::AddRows>(boards_, TvmStringTableMT::kAddRowsPoint);
  TVM_Event addComponents = MakeEvent<&TvmStringTableMT::AddRows>(components_, TvmStringTableMT::kAddRowsPoint);
  FireStr(addBoards, boards);
  FireStr(addComponents, components);
  Paint();
  const POINT board = At(2, 2), skippedBoard = At(102, 102);
  EXPECT_EQ(view_->MarksPainted(), 0);
  EXPECT_EQ(Pixel(board.x, board.y), view_->BoardColor);
  EXPECT_EQ(Pixel(skippedBoard.x, skippedBoard.y), view_->SkippedColor);

  POINT screen = board;
  ClientToScreen(View(), &screen);
  SendMessageA(View(), WM_MOUSEWHEEL, MAKEWPARAM(0, 23 * 120), MAKELPARAM(screen.x, screen.y));
  Paint();
  ASSERT_GT(view_->Transform().Scale, 10);
  EXPECT_EQ(view_->MarksPainted(), 3) << "one board on the screen, three places on it";
  const int half = view_->MarkSize / 2;
  EXPECT_EQ(Pixel(At(1, 1).x, At(1, 1).y), view_->MarkColor);
  EXPECT_EQ(Pixel(At(3, 2).x, At(3, 2).y - half - 3), view_->MarkColor) << "tick upward";
  EXPECT_EQ(Pixel(At(2, 3).x - half, At(2, 3).y - half), view_->SkippedColor);

  Click(WM_LBUTTONDOWN, WM_LBUTTONUP, At(3, 2));
  EXPECT_TRUE(WaitUntil([&] { return ListCurrentRow(components_->ListView()) == 1; }));
  EXPECT_EQ(view_->CurrentComponent(), 1);
}

// 50 x 50 boards of 801 components: too many to place one by one, so one
// board's marks are repeated on every board; a component moved is seen
// moved on the next paint.
TEST_F(PlacementViewTest, RepeatsOneBoardsMarksOnALargePanelAndFollowsAMovedComponent) {
  std::string boards, components;
  for (int i = 0; i < 2500; ++i)
    boards += std::to_string(i + 1) + "," + std::to_string(i % 50 * 40) + "," + std::to_string(i / 50 * 40) + ",0\r\n";
  for (int i = 0; i < 800; ++i) components += "R" + std::to_string(i) + ",1,1,0,0,,0,\r\n";
  components += "M,1,1,30,0,,0,";
  TVM_Event addBoards = MakeEvent<&TvmStringTableMT::AddRows>(boards_, TvmStringTableMT::kAddRowsPoint);
  TVM_Event addComponents = MakeEvent<&TvmStringTableMT::AddRows>(components_, TvmStringTableMT::kAddRowsPoint);
  FireStr(addBoards, boards);
  FireStr(addComponents, components);
  Paint();
  // The last board of the bottom row: nothing lies right of its mark M.
  const POINT m = At(1960 + 30, 0), moved = At(1960 + 30, 30);
  EXPECT_TRUE(ColorNear(m, view_->MarkColor));
  EXPECT_TRUE(ColorNear(At(1960, 0), view_->MarkColor));

  TData index = IntValue(800), line;
  SetStrValue(line, "M,1,1,30,30,,0,");
  TablesRead.Inner->Set(index, line);
  TVM_Event changed = MakeEvent<&TVMPlacementView::RowChanged>(view_, kComponentTable);
  FireInt(changed, 800);
  Paint();
  EXPECT_FALSE(ColorNear(m, view_->MarkColor));
  EXPECT_TRUE(ColorNear(moved, view_->MarkColor));
}

TEST_F(PlacementViewTest, CountsRowsWithoutNumericCoordinatesAndLeavesThemOut) {
  LoadSmallJob();
  Add(components_, "E1,1,1,abc,5,0,0,");
  Add(components_, "E2,1,1,5,,0,0,");
  Add(boards_, "3,1e3,0,0");
  Add(feeders_, "2, 10,10");
  Paint();
  TVM_Event unplaced = MakeEvent<&TVMPlacementView::Unplaced>(view_);
  TData count;
  ReadPoint(unplaced, count);
  EXPECT_EQ(ValueToInt(count), 4);
  // The note is written in the strip above the drawing.
  bool note = false;
  for (int x = 50; x < 250 && !note; ++x)
    for (int y = 2; y < 20 && !note; ++y) {
      const COLORREF c = Pixel(x, y);
      note = GetRValue(c) > 120 && GetGValue(c) < 60 && GetBValue(c) < 60;
    }
  EXPECT_TRUE(note);
  // Left out: the board with "1e3" adds no third board of marks.
  EXPECT_EQ(view_->Job().DrawnBoards().size(), 2u);
}

TEST_F(PlacementViewTest, TakesAddedRowsFromTheirLinesAndReadsAChangedRowAlone) {
  for (int i = 0; i < 1998; ++i) Add(components_, "R" + std::to_string(i) + ",1,1," + std::to_string(i % 50) + ",7,0,0,");
  // Lines with more cells than the table's columns, and with fewer: the
  // view keeps what the table holds.
  Add(components_, "C1,1,1,3,4,90,0,a,b,c,d");
  Add(components_, "C2,1,1,5");
  Paint();
  EXPECT_EQ(TablesRead.Gets, 0) << "the added rows came with their lines";
  ASSERT_EQ(view_->Job().RowCount(kComponentTable), 2000);
  for (int32_t row : {0, 1000, 1998, 1999}) {
    const TPlacedRow kept = view_->Job().Rows(kComponentTable)[static_cast<size_t>(row)];
    const TPlacedRow read = ParseRow(kComponentTable, components_->RowLine(row));
    EXPECT_EQ(kept.X, read.X) << row;
    EXPECT_EQ(kept.Y, read.Y) << row;
    EXPECT_EQ(kept.Placed, read.Placed) << row;
    EXPECT_EQ(kept.HasAngle, read.HasAngle) << row;
    EXPECT_EQ(kept.Skipped, read.Skipped) << row;
    EXPECT_EQ(kept.Label, read.Label) << row;
  }
  EXPECT_FALSE(view_->Job().Rows(kComponentTable)[1999].Placed);

  // A row that reached the table without the view hearing of it: the next
  // paint finds the counts apart and reads the table again.
  TData extra;
  SetStrValue(extra, "C3,1,1,9,9,0,0,");
  TablesRead.Inner->Add(extra);
  Paint();
  EXPECT_EQ(TablesRead.Gets, 2001);
  ASSERT_EQ(view_->Job().RowCount(kComponentTable), 2001);
  EXPECT_TRUE(view_->Job().Rows(kComponentTable)[2000].Placed);

  // One changed row: it alone is read again, and the mark moves.
  TData index = IntValue(5);
  TData line;
  SetStrValue(line, "R5,1,1,25,8,0,0,");
  TablesRead.Inner->Set(index, line);
  TVM_Event changed = MakeEvent<&TVMPlacementView::RowChanged>(view_, kComponentTable);
  FireInt(changed, 5);
  Paint();
  EXPECT_EQ(TablesRead.Gets, 2002);
  EXPECT_EQ(Pixel(At(25, 8).x, At(25, 8).y), view_->MarkColor);

  // The user inserts a row below row 4 and fills it, then deletes row 0:
  // each is read, or dropped, alone.
  TVM_Event select = MakeEvent<&TvmStringTableMT::SelectRow>(components_, 5);
  FireInt(select, 4);
  components_->InsertRowBelowCurrent();
  EXPECT_EQ(TablesRead.Gets, 2003);
  ASSERT_EQ(view_->Job().RowCount(kComponentTable), 2002);
  EXPECT_FALSE(view_->Job().Rows(kComponentTable)[5].Placed) << "a new row is empty";
  EXPECT_EQ(view_->CurrentComponent(), 5);
  TablesRead.Inner->Set(index, line);  // row 5 is the new row
  FireInt(changed, 5);
  EXPECT_EQ(view_->Job().Rows(kComponentTable)[5].Y, 8);
  FireInt(select, 0);
  components_->DeleteCurrentRow();
  EXPECT_EQ(view_->Job().RowCount(kComponentTable), 2001);
  EXPECT_EQ(view_->Job().Rows(kComponentTable)[4].Y, 8);
  EXPECT_EQ(view_->Job().Rows(kComponentTable)[5].Y, 8) << "the changed row R5";
  EXPECT_EQ(TablesRead.Gets, 2004);
}

// Rows added as one change, undone and redone: the view follows row by row,
// the added rows from their lines.
TEST_F(PlacementViewTest, FollowsRowsAddedAsOneChangeThroughUndoAndRedo) {
  TProbe edits;
  components_->OnEdit = edits.Action();
  TVM_Event addRows = MakeEvent<&TvmStringTableMT::AddRows>(components_, TvmStringTableMT::kAddRowsPoint);
  FireStr(addRows, "R1,1,1,10,10,0,0,\r\nR2,1,1,20,30,0,0,");
  EXPECT_EQ(TablesRead.Gets, 0) << "the added rows came with their lines";
  ASSERT_EQ(edits.Count(), 1u);
  TVM_Event undo = MakeEvent<&TvmStringTableMT::UndoEdit>(components_);
  TVM_Event redo = MakeEvent<&TvmStringTableMT::RedoEdit>(components_);
  FireStr(undo, edits.Texts()[0]);
  EXPECT_EQ(view_->Job().RowCount(kComponentTable), 0);
  FireStr(redo, edits.Texts()[0]);
  Paint();
  ASSERT_EQ(view_->Job().RowCount(kComponentTable), 2);
  EXPECT_EQ(view_->Job().Rows(kComponentTable)[1].X, 20);
  EXPECT_EQ(Pixel(At(10, 10).x, At(10, 10).y), view_->MarkColor);
}

}  // namespace
