// TVMPlacementView: a picture of the job. Every board at its offset with the
// components drawn on it as small marks with a tick in the direction of
// their angle, the feeders' pick points as labelled squares, and scales in
// the job's units along the left and bottom edges; Y grows upward.
//
// The view reads the four tables through their array outputs (data inputs
// Feeders, SpecialFeeders, Boards, Components) and learns of changes from
// the tables' events, linked to its actions with the table as the link's
// index (a TJobTable). Parsed rows are kept: a changed row is read
// again alone, and an added row (tens of thousands while a file opens) is
// parsed from the row line it comes with. An added row that comes without
// its line marks its table stale; it is read once, when the view next
// paints. A paint also reads again a table whose row count is not the view's.
//
// The mouse: the wheel zooms about the pointer, dragging pans, a double
// click fits the whole job, and a click on a mark fires OnPick with its
// component row. The current component (ShowComponent) is highlighted on
// every board together with its feeder; the rows given to RingRows are
// ringed on every board the same way.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "job/placement_job.h"
#include "components/visual/mark_raster.h"
#include "components/visual/pixel_canvas.h"
#include "components/visual/pixel_fill.h"
#include "components/visual/view_transform.h"
#include "components/visual/vm_win.h"
#include "core/data.h"
#include "core/event.h"

class TVMPlacementView : public TVMWin {
 public:
  // --- Properties (set before Init) ------------------------------------------
  // Distances kept to the parent's right and bottom edges by FollowParent;
  // a negative value keeps Width or Height instead.
  int32_t RightGap = -1;
  int32_t BottomGap = -1;
  int32_t MarkSize = 5;  // side of a component mark in pixels
  COLORREF PaperColor = RGB(255, 255, 255);
  COLORREF BoardColor = RGB(0, 110, 60);
  COLORREF BoardFillColor = RGB(226, 242, 230);
  COLORREF MarkColor = RGB(0, 70, 170);
  COLORREF SkippedColor = RGB(160, 160, 160);
  COLORREF FeederColor = RGB(150, 80, 0);
  COLORREF HighlightColor = RGB(230, 0, 0);
  COLORREF ScaleColor = RGB(90, 90, 90);

  // --- Points ----------------------------------------------------------------------
  TVM_Event Feeders;         // data inputs: the tables' array outputs
  TVM_Event SpecialFeeders;
  TVM_Event Boards;
  TVM_Event Components;
  TVM_Event OnPick;          // Integer: the component row of a clicked mark

  explicit TVMPlacementView(TControl* parent);
  ~TVMPlacementView() override;

  void Init() override;

  // Actions; the link's index names the table.
  void RowsAdded(TData& data, uint16_t table);    // String: the row line added at the end
  void RowChanged(TData& data, uint16_t table);   // Integer row: read it again
  void RowInserted(TData& data, uint16_t table);  // Integer row: read the new row
  void RowDeleted(TData& data, uint16_t table);   // Integer row: drop it
  void ShowComponent(TData& data, uint16_t index);  // Integer: the current component row
  // String: zero-based component rows joined by ","; empty text rings none.
  void RingRows(TData& data, uint16_t index);
  void Fit(TData& data, uint16_t index);            // fit the whole job into the view, as a double click does
  // A job starts anew: no rows, no current or ringed component; the tables
  // are read again, and the job fitted, when the view next paints.
  void Clear(TData& data, uint16_t index);
  void FollowParent(TData& data, uint16_t index);   // keep the gaps to the parent's edges
  // Data output: Integer, the rows without numeric coordinates.
  void Unplaced(TData& data, uint16_t index);

  // Reads the stale tables; fits the job when rows came in since the last
  // fit. Painting does this first.
  void Refresh();
  const TPlacementJob& Job() const { return JobRows; }
  const TViewTransform& Transform() const { return View; }
  int32_t CurrentComponent() const { return Current; }
  const std::vector<int32_t>& RingedRows() const { return Ringed; }
  // The component row of the mark nearest to (x, y) in client pixels, within
  // a few pixels; -1 when there is none.
  int32_t ComponentAt(int32_t x, int32_t y);
  // The client area less the scale bands: where the job is drawn.
  TPixelArea PlotArea() const;
  // Component marks written by the last paint: each pixel and look once.
  int64_t MarksPainted() const { return Raster.Written(); }

  void MouseDown(TMouseEventData& mouse) override;
  void MouseMove(TMouseEventData& mouse) override;
  void MouseUp(TMouseEventData& mouse) override;
  void MouseWheel(TMouseEventData& mouse) override;
  bool MessageHandler(TMsg& msg, LRESULT& result) override;

 private:
  TPlacementJob JobRows;
  TViewTransform View;
  bool Stale[kJobTableCount] = {true, true, true, true};
  bool FitPending = true;
  bool RedrawPending = false;  // asked to repaint, not painted yet
  bool Fitted = false;  // the view shows the whole job, as fitted
  int32_t Current = -1;
  std::vector<int32_t> Ringed;  // sorted, each row once
  bool Dragging = false;  // the left button is down on the view
  bool Dragged = false;   // and the pointer moved far enough to pan
  POINT PressPoint{};
  POINT LastPoint{};
  TPixelCanvas Canvas;
  TMarkRaster Raster;
  TUnionFill BoardFill;
  // Kept between paints, so that a repaint takes no fresh memory; the
  // pattern is worked out again only when the scale or a component changed.
  std::vector<TBoardMark> Pattern;
  bool PatternStale = true;
  double PatternScale = 0;
  std::vector<POINT> Ticks;

  // A board as the screen shows it: the box its components cover, marks
  // included, and whether that is so small that it is drawn as one
  // rectangle without its marks.
  struct TBoardOnScreen {
    TPlacedRow Row;
    RECT Box;
    bool Small;
  };
  // The boards whose box reaches into `area` grown by `reach` pixels.
  std::vector<TBoardOnScreen> BoardsOnScreen(const RECT& area, int32_t reach) const;

  TVM_Event& TablePoint(TJobTable table);
  std::string ReadLine(TJobTable table, int32_t row, bool& found);
  void ReadTable(TJobTable table);
  void Changed(TJobTable table) { PatternStale = PatternStale || table == kComponentTable; }
  void Redraw();
  void Paint(TControl* sender, HDC dc);
  static bool ValidTable(uint16_t table) { return table < kJobTableCount; }

  // Drawing (placement_view_paint.cpp).
  void DrawAxes(HDC dc, const RECT& client);
  void DrawBoards(HDC dc, const std::vector<TBoardOnScreen>& boards);
  void DrawComponents(const std::vector<TBoardOnScreen>& boards);
  void DrawFeeders(HDC dc);
  void DrawHighlight(HDC dc, const std::vector<TBoardOnScreen>& boards);
  void DrawRinged(const std::vector<TBoardOnScreen>& boards, const TPlacedRow& component);
  void DrawScales(HDC dc, const RECT& client);
  void DrawNotes(HDC dc);
};
