// Painting of the placement view. Everything is drawn on the view's own
// bitmap: outlines, texts and feeders through the platform's calls, board
// fills, component marks and highlights written straight into its pixels
// (a panel puts millions of them on the screen), and the picture is then
// copied to the toolkit's buffer in one step.
#include <algorithm>
#include <cmath>

#include "components/visual/pixel_fill.h"
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

int Px(double v) { return RoundPixel(v); }

// The ring around a highlighted component.
constexpr int kRingRadius = 11;
// Up to this many board and component pairs the marks are placed one by one
// at their exact pixels; beyond it one board's marks are placed once, as a
// pattern of pixels that every board repeats from its own offset.
constexpr size_t kExactMarks = 2'000'000;
// Board numbers are written while no more boards than this are on the
// screen; beyond, they would only cover each other.
constexpr size_t kMaxLabels = 200;
// A pattern's marks lie within this many pixels of their board's offset.
constexpr double kPatternReach = 1e8;

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

// Everything is drawn on the view's own bitmap, the marks written into its
// pixels, and the picture copied to `target` at the end.
void TVMPlacementView::Paint(TControl* sender, HDC target) {
  RedrawPending = false;
  Refresh();
  const RECT client = ClientOf(target, Control);
  HDC dc = Canvas.Begin(target, client.right, client.bottom);
  if (!dc) return;
  HBRUSH paper = CreateSolidBrush(PaperColor);
  FillRect(dc, &client, paper);
  DeleteObject(paper);
  SetBkMode(dc, TRANSPARENT);
  HGDIOBJ oldFont = SelectObject(dc, ToolGetHandle(Control->Font));

  const std::vector<TBoardOnScreen> boards = BoardsOnScreen(client, kRingRadius + 1);
  DrawAxes(dc, client);
  DrawBoards(dc, boards);
  DrawComponents(boards);
  DrawFeeders(dc);
  DrawHighlight(dc, boards);
  DrawScales(dc, client);
  DrawNotes(dc);

  SelectObject(dc, oldFont);
  Canvas.CopyTo(target, client.right, client.bottom);
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
// board is skipped, with its number above (while few boards are on the
// screen) and a cross at its offset. A board too small for its marks is one
// rectangle in its own colour. The fills are written into the pixels first,
// each pixel once, so that overlapping boards cost no more than their area
// and every outline shows.
void TVMPlacementView::DrawBoards(HDC dc, const std::vector<TBoardOnScreen>& boards) {
  const int shrink = MarkSize - MarkSize / 2;  // the small board covers its marks' centres and half a mark
  const bool outlined = !JobRows.ComponentExtent().Empty;
  const bool labelled = boards.size() <= kMaxLabels;
  std::vector<TPixelRect> filled, small[2];
  for (const TBoardOnScreen& board : boards) {
    const RECT& box = board.Box;
    if (board.Small)
      small[board.Row.Skipped].push_back(
          TPixelRect{box.left + shrink, box.top + shrink, box.right - shrink, box.bottom - shrink});
    else if (outlined && !board.Row.Skipped)
      filled.push_back(TPixelRect{box.left, box.top, box.right, box.bottom});
  }
  uint32_t* pixels = Canvas.Pixels();
  BoardFill.Fill(pixels, Canvas.Width(), Canvas.Height(), filled, PixelOf(BoardFillColor));
  BoardFill.Fill(pixels, Canvas.Width(), Canvas.Height(), small[0], PixelOf(BoardColor));
  BoardFill.Fill(pixels, Canvas.Width(), Canvas.Height(), small[1], PixelOf(SkippedColor));

  for (bool skipped : {false, true}) {
    const COLORREF color = skipped ? SkippedColor : BoardColor;
    TPenBrush tools(dc, color, 1, 0, true);
    for (const TBoardOnScreen& board : boards) {
      if (board.Row.Skipped != skipped || board.Small) continue;
      const RECT& box = board.Box;
      const int ox = Px(View.ScreenX(board.Row.X)), oy = Px(View.ScreenY(board.Row.Y));
      int labelX = ox, labelY = oy;
      if (outlined) {
        Rectangle(dc, box.left, box.top, box.right, box.bottom);
        labelX = box.left, labelY = box.top;
      }
      MoveToEx(dc, ox - 4, oy, nullptr);
      LineTo(dc, ox + 5, oy);
      MoveToEx(dc, ox, oy - 4, nullptr);
      LineTo(dc, ox, oy + 5);
      if (labelled && !board.Row.Label.empty()) Text(dc, labelX, labelY - 1, board.Row.Label, color, TA_LEFT | TA_BOTTOM);
    }
  }
}

// One filled square per component on each board, with a tick from its centre
// in the direction of its angle; skipped components, and the components of a
// skipped board, are hollow and grey. The marks are written into the
// canvas's pixels, each pixel and look once.
void TVMPlacementView::DrawComponents(const std::vector<TBoardOnScreen>& boards) {
  Raster.Attach(Canvas.Pixels(), Canvas.Width(), Canvas.Height());
  const RECT client{0, 0, Canvas.Width(), Canvas.Height()};
  const int half = MarkSize / 2;
  const int tick = MarkSize + 2;
  const uint32_t markColor = PixelOf(MarkColor), skippedColor = PixelOf(SkippedColor);
  const auto& components = JobRows.Rows(kComponentTable);
  size_t marked = 0;
  for (const TBoardOnScreen& board : boards) marked += board.Small ? 0 : 1;

  if (marked * components.size() <= kExactMarks) {
    std::vector<POINT>& ticks = Ticks;
    ticks.assign(components.size(), POINT{0, 0});
    for (size_t i = 0; i < components.size(); ++i)
      if (components[i].HasAngle) ticks[i] = POINT{Px(components[i].Cos * tick), -Px(components[i].Sin * tick)};
    for (const TBoardOnScreen& board : boards) {
      if (board.Small) continue;
      for (size_t i = 0; i < components.size(); ++i) {
        const TPlacedRow& c = components[i];
        if (!c.Placed) continue;
        const double sx = View.ScreenX(board.Row.X + c.X), sy = View.ScreenY(board.Row.Y + c.Y);
        if (!InReach(sx, sy, client, tick)) continue;
        const bool skipped = board.Row.Skipped || c.Skipped;
        Raster.Mark(Px(sx), Px(sy), half, skipped, ticks[i].x, ticks[i].y, skipped ? skippedColor : markColor);
      }
    }
    return;
  }

  std::vector<TBoardMark>& pattern = Pattern;
  if (PatternStale || PatternScale != View.Scale) {
    pattern.clear();
    for (const TPlacedRow& c : components) {
      const double x = c.X * View.Scale, y = -c.Y * View.Scale;
      if (!c.Placed || std::abs(x) > kPatternReach || std::abs(y) > kPatternReach) continue;
      pattern.push_back(TBoardMark{Px(y), Px(x), c.HasAngle ? Px(c.Cos * tick) : 0,
                                   c.HasAngle ? -Px(c.Sin * tick) : 0, c.Skipped});
    }
    std::sort(pattern.begin(), pattern.end());
    pattern.erase(std::unique(pattern.begin(), pattern.end()), pattern.end());
    for (TBoardMark& m : pattern) {
      m.Bits = TMarkRaster::Bits(m.Skipped, m.TickX, m.TickY);
      m.SkippedBoardBits = TMarkRaster::Bits(true, m.TickX, m.TickY);
    }
    PatternStale = false;
    PatternScale = View.Scale;
  }
  for (const TBoardOnScreen& board : boards) {
    const double ox = View.ScreenX(board.Row.X), oy = View.ScreenY(board.Row.Y);
    if (board.Small || std::abs(ox) > kPatternReach || std::abs(oy) > kPatternReach) continue;
    const int x = Px(ox), y = Px(oy);
    for (const TBoardMark& m : pattern) {
      if (Raster.Has(x + m.X, y + m.Y, board.Row.Skipped ? m.SkippedBoardBits : m.Bits)) continue;
      const bool skipped = board.Row.Skipped || m.Skipped;
      Raster.Mark(x + m.X, y + m.Y, half, skipped, m.TickX, m.TickY, skipped ? skippedColor : markColor);
    }
  }
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
void TVMPlacementView::DrawHighlight(HDC dc, const std::vector<TBoardOnScreen>& boards) {
  const auto& components = JobRows.Rows(kComponentTable);
  for (int32_t row : Ringed)
    if (row < JobRows.RowCount(kComponentTable)) DrawRinged(boards, components[static_cast<size_t>(row)]);
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
  DrawRinged(boards, components[static_cast<size_t>(Current)]);
}

// One component on every board on the screen: its mark in the highlight
// colour, with a ring around it, written into the pixels once per place.
void TVMPlacementView::DrawRinged(const std::vector<TBoardOnScreen>& boards, const TPlacedRow& c) {
  if (!c.Placed) return;
  Canvas.Pixels();  // the feeders drawn so far reach the pixels first
  const RECT client{0, 0, Canvas.Width(), Canvas.Height()};
  const int tick = MarkSize + 6;
  const int tickX = c.HasAngle ? Px(c.Cos * tick) : 0, tickY = c.HasAngle ? -Px(c.Sin * tick) : 0;
  const uint32_t color = PixelOf(HighlightColor);
  for (const TBoardOnScreen& board : boards) {
    const double sx = View.ScreenX(board.Row.X + c.X), sy = View.ScreenY(board.Row.Y + c.Y);
    if (InReach(sx, sy, client, kRingRadius + 1))
      Raster.Highlight(Px(sx), Px(sy), MarkSize / 2 + 1, tickX, tickY, kRingRadius, color);
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
