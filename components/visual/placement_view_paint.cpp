// Painting of the placement view. Painting happens inside the toolkit's
// buffered painting, so every call below draws into a memory bitmap that
// reaches the screen in one copy.
#include <algorithm>
#include <cmath>

#include "components/visual/placement_view.h"
#include "core/convert.h"
#include "toolkit/graphic_tool.h"

namespace {

constexpr COLORREF kBandColor = RGB(240, 240, 240);
constexpr COLORREF kNoteColor = RGB(170, 0, 0);
constexpr int32_t kFeederHalf = 3;
// Scale marks are at least this far apart.
constexpr double kScaleSpacing = 70;
// A job far from its origin cannot make the mark loops run on (k + 1 == k).
constexpr int kMaxScaleMarks = 200;

// Pixels are whole numbers; far-away points are never drawn (see InReach),
// so the conversion cannot overflow.
int Px(double v) { return static_cast<int>(std::floor(v + 0.5)); }

bool InReach(double x, double y, const RECT& r, int reach) {
  return x >= r.left - reach && x <= r.right + reach && y >= r.top - reach && y <= r.bottom + reach;
}

// A pen and a brush selected for a while; both are deleted afterwards.
class TPenBrush {
 public:
  TPenBrush(HDC dc, COLORREF pen, int width, COLORREF brush, bool hollow)
      : Dc(dc), Pen(CreatePen(PS_SOLID, width, pen)),
        Brush(hollow ? nullptr : CreateSolidBrush(brush)) {
    OldPen = SelectObject(dc, Pen);
    OldBrush = SelectObject(dc, Brush ? static_cast<HGDIOBJ>(Brush) : GetStockObject(NULL_BRUSH));
  }
  ~TPenBrush() {
    SelectObject(Dc, OldPen);
    SelectObject(Dc, OldBrush);
    DeleteObject(Pen);
    if (Brush) DeleteObject(Brush);
  }
  TPenBrush(const TPenBrush&) = delete;
  TPenBrush& operator=(const TPenBrush&) = delete;

 private:
  HDC Dc;
  HPEN Pen;
  HBRUSH Brush;
  HGDIOBJ OldPen, OldBrush;
};

void Text(HDC dc, int x, int y, const std::string& text, COLORREF color, UINT align) {
  SetTextColor(dc, color);
  SetTextAlign(dc, align);
  TextOutA(dc, x, y, text.data(), static_cast<int>(text.size()));
}

RECT ClientOf(HDC dc, TControl* control) {
  RECT r{};
  if (control && control->HasWindow()) GetClientRect(control->Handle, &r);
  return r;
}

}  // namespace

void TVMPlacementView::Paint(TControl* sender, HDC dc) {
  RedrawPending = false;
  Refresh();
  const RECT client = ClientOf(dc, Control);
  HBRUSH paper = CreateSolidBrush(PaperColor);
  FillRect(dc, &client, paper);
  DeleteObject(paper);
  SetBkMode(dc, TRANSPARENT);
  HGDIOBJ oldFont = SelectObject(dc, ToolGetHandle(Control->Font));

  DrawAxes(dc, client);
  DrawBoards(dc);
  DrawComponents(dc);
  DrawFeeders(dc);
  DrawHighlight(dc);
  DrawScales(dc, client);
  DrawNotes(dc);

  SelectObject(dc, oldFont);
}

// The lines X = 0 and Y = 0, dotted, under everything else.
void TVMPlacementView::DrawAxes(HDC dc, const RECT& client) {
  HPEN dotted = CreatePen(PS_DOT, 1, ScaleColor);
  HGDIOBJ old = SelectObject(dc, dotted);
  const int zeroX = Px(std::clamp(View.ScreenX(0), -1.0, client.right + 1.0));
  const int zeroY = Px(std::clamp(View.ScreenY(0), -1.0, client.bottom + 1.0));
  MoveToEx(dc, zeroX, client.top, nullptr);
  LineTo(dc, zeroX, client.bottom);
  MoveToEx(dc, client.left, zeroY, nullptr);
  LineTo(dc, client.right, zeroY);
  SelectObject(dc, old);
  DeleteObject(dotted);
}

// Each board is the rectangle that its components cover, filled unless the
// board is skipped, with its number above and a cross at its offset.
void TVMPlacementView::DrawBoards(HDC dc) {
  const TExtent& extent = JobRows.ComponentExtent();
  const int pad = MarkSize;
  for (const TPlacedRow& board : JobRows.Rows(kBoardTable).empty() ? JobRows.DrawnBoards()
                                                                    : JobRows.Rows(kBoardTable)) {
    if (!board.Placed) continue;
    const COLORREF color = board.Skipped ? SkippedColor : BoardColor;
    TPenBrush tools(dc, color, 1, BoardFillColor, board.Skipped);
    const int ox = Px(View.ScreenX(board.X)), oy = Px(View.ScreenY(board.Y));
    int labelX = ox, labelY = oy;
    if (!extent.Empty) {
      const int left = Px(View.ScreenX(board.X + extent.MinX)) - pad;
      const int top = Px(View.ScreenY(board.Y + extent.MaxY)) - pad;
      const int right = Px(View.ScreenX(board.X + extent.MaxX)) + pad + 1;
      const int bottom = Px(View.ScreenY(board.Y + extent.MinY)) + pad + 1;
      Rectangle(dc, left, top, right, bottom);
      labelX = left, labelY = top;
    }
    MoveToEx(dc, ox - 4, oy, nullptr);
    LineTo(dc, ox + 5, oy);
    MoveToEx(dc, ox, oy - 4, nullptr);
    LineTo(dc, ox, oy + 5);
    if (!board.Label.empty()) Text(dc, labelX, labelY - 1, board.Label, color, TA_LEFT | TA_BOTTOM);
  }
}

// One filled square per component on each board, with a tick from its centre
// in the direction of its angle; skipped components, and the components of a
// skipped board, are hollow and grey. Pen and brush change only where the
// look changes.
void TVMPlacementView::DrawComponents(HDC dc) {
  const RECT client = ClientOf(dc, Control);
  const int half = MarkSize / 2;
  const int tick = MarkSize + 2;
  HPEN markPen = CreatePen(PS_SOLID, 1, MarkColor);
  HPEN skippedPen = CreatePen(PS_SOLID, 1, SkippedColor);
  HBRUSH markBrush = CreateSolidBrush(MarkColor);
  HGDIOBJ hollow = GetStockObject(NULL_BRUSH);
  HGDIOBJ oldPen = SelectObject(dc, markPen);
  HGDIOBJ oldBrush = SelectObject(dc, markBrush);
  bool skippedLook = false;

  const auto& components = JobRows.Rows(kComponentTable);
  for (const TPlacedRow& board : JobRows.DrawnBoards()) {
    for (const TPlacedRow& c : components) {
      if (!c.Placed) continue;
      const double sx = View.ScreenX(board.X + c.X), sy = View.ScreenY(board.Y + c.Y);
      if (!InReach(sx, sy, client, tick)) continue;
      const bool skipped = board.Skipped || c.Skipped;
      if (skipped != skippedLook) {
        SelectObject(dc, skipped ? skippedPen : markPen);
        SelectObject(dc, skipped ? hollow : markBrush);
        skippedLook = skipped;
      }
      const int x = Px(sx), y = Px(sy);
      Rectangle(dc, x - half, y - half, x + half + 1, y + half + 1);
      if (c.HasAngle) {
        MoveToEx(dc, x, y, nullptr);
        LineTo(dc, x + Px(c.Cos * tick), y - Px(c.Sin * tick));
      }
    }
  }
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(markPen);
  DeleteObject(skippedPen);
  DeleteObject(markBrush);
}

void TVMPlacementView::DrawFeeders(HDC dc) {
  TPenBrush tools(dc, FeederColor, 1, PaperColor, false);
  for (TJobTable t : {kFeederTable, kSpecialFeederTable}) {
    for (const TPlacedRow& f : JobRows.Rows(t)) {
      if (!f.Placed) continue;
      const int x = Px(View.ScreenX(f.X)), y = Px(View.ScreenY(f.Y));
      Rectangle(dc, x - kFeederHalf, y - kFeederHalf, x + kFeederHalf + 1, y + kFeederHalf + 1);
      Text(dc, x + kFeederHalf + 2, y - kFeederHalf - 2, f.Label, FeederColor, TA_LEFT | TA_BOTTOM);
    }
  }
}

// The current component on every board, ringed so that it is found at any
// zoom, and the feeder it is taken from; the ringed rows the same way,
// without their feeders.
void TVMPlacementView::DrawHighlight(HDC dc) {
  const auto& components = JobRows.Rows(kComponentTable);
  for (int32_t row : Ringed)
    if (row < JobRows.RowCount(kComponentTable)) DrawRinged(dc, components[static_cast<size_t>(row)]);
  if (Current < 0 || Current >= JobRows.RowCount(kComponentTable)) return;
  {
    TPenBrush tools(dc, HighlightColor, 2, HighlightColor, false);
    for (const auto& [table, row] : JobRows.FeedersOf(Current)) {
      const TPlacedRow& f = JobRows.Rows(table)[static_cast<size_t>(row)];
      if (!f.Placed) continue;
      const int x = Px(View.ScreenX(f.X)), y = Px(View.ScreenY(f.Y));
      Rectangle(dc, x - kFeederHalf - 2, y - kFeederHalf - 2, x + kFeederHalf + 3, y + kFeederHalf + 3);
      Text(dc, x + kFeederHalf + 4, y - kFeederHalf - 3, f.Label, HighlightColor, TA_LEFT | TA_BOTTOM);
    }
  }
  DrawRinged(dc, components[static_cast<size_t>(Current)]);
}

// One component on every board: its mark in the highlight colour, with a
// ring around it.
void TVMPlacementView::DrawRinged(HDC dc, const TPlacedRow& c) {
  if (!c.Placed) return;
  const int half = MarkSize / 2 + 2;
  const int tick = MarkSize + 6;
  const std::vector<TPlacedRow> boards = JobRows.DrawnBoards();
  {
    TPenBrush tools(dc, HighlightColor, 2, HighlightColor, false);
    for (const TPlacedRow& board : boards) {
      const int x = Px(View.ScreenX(board.X + c.X)), y = Px(View.ScreenY(board.Y + c.Y));
      Rectangle(dc, x - half, y - half, x + half + 1, y + half + 1);
      if (c.HasAngle) {
        MoveToEx(dc, x, y, nullptr);
        LineTo(dc, x + Px(c.Cos * tick), y - Px(c.Sin * tick));
      }
    }
  }
  TPenBrush ring(dc, HighlightColor, 1, 0, true);
  for (const TPlacedRow& board : boards) {
    const int x = Px(View.ScreenX(board.X + c.X)), y = Px(View.ScreenY(board.Y + c.Y));
    Ellipse(dc, x - 11, y - 11, x + 12, y + 12);
  }
}

// Bands along the left and bottom edges with marks every 1, 2 or 5 times a
// power of ten units.
void TVMPlacementView::DrawScales(HDC dc, const RECT& client) {
  const TPixelArea plot = PlotArea();
  const int bandRight = Px(plot.Left) - 6;
  const int bandTop = Px(plot.Bottom) + 4;
  HBRUSH band = CreateSolidBrush(kBandColor);
  RECT left{client.left, client.top, bandRight, client.bottom};
  RECT bottom{client.left, bandTop, client.right, client.bottom};
  FillRect(dc, &left, band);
  FillRect(dc, &bottom, band);
  DeleteObject(band);

  TPenBrush tools(dc, ScaleColor, 1, 0, true);
  MoveToEx(dc, bandRight, client.top, nullptr);
  LineTo(dc, bandRight, bandTop);
  LineTo(dc, client.right, bandTop);
  const double step = ScaleStep(View.Scale, kScaleSpacing);
  double k = std::ceil(View.JobX(bandRight) / step);
  for (int n = 0; n < kMaxScaleMarks; ++n, ++k) {
    const double sx = View.ScreenX(k * step);
    if (sx > client.right) break;
    const int x = Px(sx);
    MoveToEx(dc, x, bandTop, nullptr);
    LineTo(dc, x, bandTop + 5);
    Text(dc, x, bandTop + 5, RealToText(k * step), ScaleColor, TA_CENTER | TA_TOP);
  }
  k = std::ceil(View.JobY(bandTop) / step);
  for (int n = 0; n < kMaxScaleMarks; ++n, ++k) {
    const double sy = View.ScreenY(k * step);
    if (sy < client.top) break;
    const int y = Px(sy);
    MoveToEx(dc, bandRight - 5, y, nullptr);
    LineTo(dc, bandRight, y);
    Text(dc, bandRight - 7, y - 7, RealToText(k * step), ScaleColor, TA_RIGHT | TA_TOP);
  }
  Text(dc, client.right - 4, bandTop + 5, "X", ScaleColor, TA_RIGHT | TA_TOP);
  Text(dc, bandRight + 4, client.top + 3, "Y", ScaleColor, TA_LEFT | TA_TOP);
  // The frame of the whole view.
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, client.left, client.top, client.right, client.bottom);
}

void TVMPlacementView::DrawNotes(HDC dc) {
  const std::string note = UnplacedText(JobRows.Unplaced());
  const TPixelArea plot = PlotArea();
  if (!note.empty()) Text(dc, Px(plot.Left) + 16, 4, note, kNoteColor, TA_LEFT | TA_TOP);
}
