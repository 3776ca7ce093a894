#include "components/visual/placement_view.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

#include "toolkit/control_create.h"
#include "toolkit/paint.h"

namespace {

// Widths of the scale bands along the left and bottom edges, and the free
// strips above and right of the drawing, in pixels.
constexpr int32_t kLeftBand = 52;
constexpr int32_t kBottomBand = 22;
constexpr int32_t kTopStrip = 22;
constexpr int32_t kRightStrip = 12;
// A board whose components span fewer pixels than this both ways is drawn
// as one rectangle.
constexpr double kSmallBoardPixels = 4;
// A press that moves less than this is a click, not a drag.
constexpr int32_t kDragThreshold = 3;

// "3,17,5" as the rows 3, 5 and 17; words that are no row number are left
// out.
std::vector<int32_t> ParseRowList(const std::string& text) {
  std::vector<int32_t> rows;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(',', start);
    if (end == std::string::npos) end = text.size();
    int32_t row = -1;
    const char* first = text.data() + start;
    const char* last = text.data() + end;
    while (first < last && *first == ' ') ++first;
    while (last > first && last[-1] == ' ') --last;
    const auto [stop, error] = std::from_chars(first, last, row);
    if (error == std::errc{} && stop == last && row >= 0) rows.push_back(row);
    start = end + 1;
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

// Rows keep their ringing when a row is inserted (step +1) before them or
// deleted (step -1); a deleted ringed row is ringed no more.
void ShiftRinged(std::vector<int32_t>& rows, int32_t row, int32_t step) {
  if (step < 0) rows.erase(std::remove(rows.begin(), rows.end(), row), rows.end());
  for (int32_t& r : rows)
    if (r > row || (step > 0 && r == row)) r += step;
}

}  // namespace

TVMPlacementView::TVMPlacementView(TControl* parent) : TVMWin(parent) {
  MouseCapture = true;
  TControl* control = CreateChildControl(parent, "PlacementView", WS_CHILD | WS_VISIBLE,
                                         TControlActions{}, 0);
  control->ClassStyle |= CS_DBLCLKS;
  AdoptControl(control);
}

// The control may outlive the component by a message or two while its
// window goes away; it must not paint through a freed component.
TVMPlacementView::~TVMPlacementView() {
  if (Control && !ControlDestroyed) Control->OnPaint = {};
}

void TVMPlacementView::Init() {
  TVMWin::Init();
  if (!Control) return;
  SetOnPaint(Control, MakeMethod<&TVMPlacementView::Paint>(this));
  SetDoubleBuffered(Control, true);
  TData none;
  FollowParent(none, 0);
}

TVM_Event& TVMPlacementView::TablePoint(TJobTable table) {
  switch (table) {
    case kFeederTable: return Feeders;
    case kSpecialFeederTable: return SpecialFeeders;
    case kBoardTable: return Boards;
    default: return Components;
  }
}

std::string TVMPlacementView::ReadLine(TJobTable table, int32_t row, bool& found) {
  found = false;
  TArrayAccess* access = FetchPointArray(TablePoint(table));
  if (!access || access->Count() != JobRows.RowCount(table)) return "";
  TData index = IntValue(row);
  TData line;
  found = access->Get(index, line);
  return found ? ValueToStr(line) : "";
}

void TVMPlacementView::ReadTable(TJobTable table) {
  std::vector<std::string> lines;
  if (TArrayAccess* access = FetchPointArray(TablePoint(table))) {
    const int32_t count = std::max(0, access->Count());
    lines.reserve(static_cast<size_t>(count));
    for (int32_t row = 0; row < count; ++row) {
      TData index = IntValue(row);
      TData line;
      lines.push_back(access->Get(index, line) ? ValueToStr(line) : "");
    }
  }
  JobRows.Load(table, lines);
  Changed(table);
  Stale[table] = false;
}

void TVMPlacementView::Refresh() {
  for (uint16_t t = 0; t < kJobTableCount; ++t) {
    const auto table = static_cast<TJobTable>(t);
    if (!Stale[t])
      if (TArrayAccess* access = FetchPointArray(TablePoint(table)))
        Stale[t] = access->Count() != JobRows.RowCount(table);
    if (Stale[t]) ReadTable(table);
  }
  if (FitPending) {
    View.Fit(JobRows.JobExtent(), PlotArea());
    FitPending = false;
    Fitted = true;
  }
}

// A change of many rows asks once: the window is repainted only when the
// change is over, and asking the platform costs as much as a row's reading.
void TVMPlacementView::Redraw() {
  if (!Control || RedrawPending) return;
  RedrawPending = true;
  Control->Invalidate();
}

// --- Actions ----------------------------------------------------------------------

// Called once per added row: only the first call of a batch asks for a
// repaint.
void TVMPlacementView::RowsAdded(TData& data, uint16_t table) {
  if (!ValidTable(table)) return;
  const auto t = static_cast<TJobTable>(table);
  if (Stale[table] || data.Kind != kKindString)
    Stale[table] = true;
  else
    JobRows.Insert(t, JobRows.RowCount(t), data.StrValue);
  Changed(t);
  const bool quiet = !FitPending;
  FitPending = true;
  if (quiet) Redraw();
}

void TVMPlacementView::RowChanged(TData& data, uint16_t table) {
  if (!ValidTable(table) || Stale[table]) return;
  const auto t = static_cast<TJobTable>(table);
  const int32_t row = ValueToInt(data);
  bool found = false;
  const std::string line = ReadLine(t, row, found);
  if (!found || !JobRows.Replace(t, row, line)) Stale[table] = true;
  Changed(t);
  Redraw();
}

// The table already holds the new row, so it has one row more than the
// view; ReadLine compares the counts, hence the row is read after the
// insertion into the view's rows.
void TVMPlacementView::RowInserted(TData& data, uint16_t table) {
  if (!ValidTable(table) || Stale[table]) return;
  const auto t = static_cast<TJobTable>(table);
  const int32_t row = ValueToInt(data);
  bool found = false;
  Changed(t);
  if (JobRows.Insert(t, row, "")) {
    const std::string line = ReadLine(t, row, found);
    if (found) JobRows.Replace(t, row, line);
  }
  if (!found) Stale[table] = true;
  // The table makes the new row current (OnSelect comes first); a current
  // row below it moved down by one.
  if (t == kComponentTable) {
    if (Current > row) ++Current;
    ShiftRinged(Ringed, row, +1);
  }
  Redraw();
}

void TVMPlacementView::RowDeleted(TData& data, uint16_t table) {
  if (!ValidTable(table) || Stale[table]) return;
  const auto t = static_cast<TJobTable>(table);
  const int32_t row = ValueToInt(data);
  if (!JobRows.Remove(t, row)) Stale[table] = true;
  Changed(t);
  if (TArrayAccess* access = FetchPointArray(TablePoint(t)))
    if (access->Count() != JobRows.RowCount(t)) Stale[table] = true;
  // The row that took the deleted one's place is the table's current row.
  if (t == kComponentTable) {
    if (Current > row) --Current;
    ShiftRinged(Ringed, row, -1);
  }
  Redraw();
}

void TVMPlacementView::ShowComponent(TData& data, uint16_t index) {
  Current = ValueToInt(data);
  Redraw();
}

void TVMPlacementView::RingRows(TData& data, uint16_t index) {
  Ringed = ParseRowList(ValueToStr(data));
  Redraw();
}

void TVMPlacementView::Fit(TData& data, uint16_t index) {
  FitPending = true;
  Redraw();
}

void TVMPlacementView::Clear(TData& data, uint16_t index) {
  for (uint16_t t = 0; t < kJobTableCount; ++t) {
    JobRows.Load(static_cast<TJobTable>(t), {});
    Changed(static_cast<TJobTable>(t));
    Stale[t] = true;
  }
  Current = -1;
  Ringed.clear();
  FitPending = true;
  Redraw();
}

void TVMPlacementView::FollowParent(TData& data, uint16_t index) {
  if (!Control || !Parent) return;
  const RECT client = Parent->ClientRect();
  const int32_t width = RightGap >= 0 ? client.right - RightGap - Left : Width;
  const int32_t height = BottomGap >= 0 ? client.bottom - BottomGap - Top : Height;
  Control->SetSize(std::max(width, 1), std::max(height, 1));
  // A view that shows the whole job keeps showing it.
  if (Fitted) FitPending = true;
  Redraw();
}

void TVMPlacementView::Unplaced(TData& data, uint16_t index) {
  Refresh();
  SetIntValue(data, JobRows.Unplaced());
}

// --- Geometry ----------------------------------------------------------------------

TPixelArea TVMPlacementView::PlotArea() const {
  RECT client{0, 0, Width, Height};
  if (Control && Control->HasWindow()) GetClientRect(Control->Handle, &client);
  return TPixelArea{static_cast<double>(kLeftBand), static_cast<double>(kTopStrip),
                    static_cast<double>(std::max<LONG>(client.right - kRightStrip, kLeftBand + 1)),
                    static_cast<double>(std::max<LONG>(client.bottom - kBottomBand, kTopStrip + 1))};
}

std::vector<TVMPlacementView::TBoardOnScreen> TVMPlacementView::BoardsOnScreen(const RECT& area,
                                                                                int32_t reach) const {
  const TExtent& extent = JobRows.ComponentExtent();
  const double spanX = (extent.MaxX - extent.MinX) * View.Scale, spanY = (extent.MaxY - extent.MinY) * View.Scale;
  const bool small = !extent.Empty && spanX + spanY > 0 && spanX < kSmallBoardPixels && spanY < kSmallBoardPixels;
  const int32_t pad = MarkSize;
  std::vector<TBoardOnScreen> boards;
  for (const TPlacedRow& board : JobRows.DrawnBoards()) {
    const int32_t ox = RoundPixel(View.ScreenX(board.X)), oy = RoundPixel(View.ScreenY(board.Y));
    RECT box{ox - 4, oy - 4, ox + 5, oy + 5};  // the cross at the board's offset
    if (!extent.Empty)
      box = RECT{RoundPixel(View.ScreenX(board.X + extent.MinX)) - pad, RoundPixel(View.ScreenY(board.Y + extent.MaxY)) - pad,
                 RoundPixel(View.ScreenX(board.X + extent.MaxX)) + pad + 1,
                 RoundPixel(View.ScreenY(board.Y + extent.MinY)) + pad + 1};
    const bool crossIn = ox >= area.left - reach && ox <= area.right + reach && oy >= area.top - reach &&
                         oy <= area.bottom + reach;
    const bool boxIn = box.right >= area.left - reach && box.left <= area.right + reach &&
                       box.bottom >= area.top - reach && box.top <= area.bottom + reach;
    if (crossIn || boxIn) boards.push_back(TBoardOnScreen{board, box, small});
  }
  return boards;
}

// Only the boards under the point are searched: on a large panel that is a
// few of thousands.
int32_t TVMPlacementView::ComponentAt(int32_t x, int32_t y) {
  Refresh();
  const double reach = MarkSize / 2 + 3;
  double best = reach * reach * 2 + 1;
  int32_t found = -1;
  const auto& components = JobRows.Rows(kComponentTable);
  for (const TBoardOnScreen& board : BoardsOnScreen(RECT{x, y, x, y}, static_cast<int32_t>(reach))) {
    for (size_t i = 0; i < components.size(); ++i) {
      const TPlacedRow& c = components[i];
      if (!c.Placed) continue;
      const double dx = View.ScreenX(board.Row.X + c.X) - x, dy = View.ScreenY(board.Row.Y + c.Y) - y;
      if (std::abs(dx) > reach || std::abs(dy) > reach) continue;
      const double d = dx * dx + dy * dy;
      if (d < best) best = d, found = static_cast<int32_t>(i);
    }
  }
  return found;
}

// --- Mouse ----------------------------------------------------------------------------

void TVMPlacementView::MouseDown(TMouseEventData& mouse) {
  TVMWin::MouseDown(mouse);
  if (mouse.Button != 1 || !Control) return;
  SetFocus(Control->Handle);  // the wheel goes to the window with the focus
  Dragging = true;
  Dragged = false;
  PressPoint = LastPoint = POINT{mouse.X, mouse.Y};
}

void TVMPlacementView::MouseMove(TMouseEventData& mouse) {
  TVMWin::MouseMove(mouse);
  if (!Dragging || !(mouse.Shift & MK_LBUTTON)) return;
  if (!Dragged && std::abs(mouse.X - PressPoint.x) <= kDragThreshold &&
      std::abs(mouse.Y - PressPoint.y) <= kDragThreshold)
    return;
  Dragged = true;
  Refresh();
  View.Pan(mouse.X - LastPoint.x, mouse.Y - LastPoint.y);
  Fitted = false;
  LastPoint = POINT{mouse.X, mouse.Y};
  Redraw();
}

void TVMPlacementView::MouseUp(TMouseEventData& mouse) {
  TVMWin::MouseUp(mouse);
  if (mouse.Button != 1 || !Dragging) return;
  Dragging = false;
  if (Dragged) return;
  const int32_t row = ComponentAt(mouse.X, mouse.Y);
  if (row < 0) return;
  Current = row;
  Redraw();
  FireInt(OnPick, row);
}

// The wheel message carries the pointer in screen coordinates.
void TVMPlacementView::MouseWheel(TMouseEventData& mouse) {
  TVMWin::MouseWheel(mouse);
  if (!Control || !Control->HasWindow()) return;
  POINT p{mouse.X, mouse.Y};
  ScreenToClient(Control->Handle, &p);
  Refresh();
  View.ZoomAbout(p.x, p.y, WheelFactor(static_cast<int16_t>(mouse.Shift >> 16)));
  Fitted = false;
  Redraw();
}

bool TVMPlacementView::MessageHandler(TMsg& msg, LRESULT& result) {
  if (msg.Message == WM_LBUTTONDBLCLK) {
    TData none;
    Fit(none, 0);
  }
  return TVMWin::MessageHandler(msg, result);
}
