// A full repaint of the placement view (its rows already read) with 5,000
// component rows on 10 boards, that is 50,000 marks, against a bare loop that
// draws the same marks through the platform's calls (Rectangle, MoveToEx,
// LineTo per mark, a pen and brush change where the look changes) into the
// same kind of surface: a memory bitmap compatible with the window, copied to
// the window at the end. The view writes its marks into its own bitmap's
// pixels instead.
//
// The view repaints through the toolkit's double buffering, the message
// dispatch and its own transform; the bare loop has the pixel positions
// ready. Runs alternate, and the median of each is reported.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "components/visual/placement_view.h"
#include "core/event.h"
#include "toolkit/app_window.h"

namespace {

constexpr int kComponents = 5000;
constexpr int kBoards = 10;
constexpr int kRuns = 9;
using Clock = std::chrono::steady_clock;

// Rows of a table handed out through an array access, as a table does.
struct TRows {
  std::vector<std::string> Lines;
  TArrayAccess Access;
  TRows() {
    Access.Get = MakeMethod<&TRows::Get>(this);
    Access.Count = MakeMethod<&TRows::Count>(this);
    Access.Set = MakeMethod<&TRows::Set>(this);
    Access.Add = MakeMethod<&TRows::Add>(this);
  }
  bool Get(TData& index, TData& result) {
    const int32_t i = ValueToIndex(index);
    if (i < 0 || i >= Count()) return false;
    SetStrValue(result, Lines[static_cast<size_t>(i)]);
    return true;
  }
  int32_t Count() { return static_cast<int32_t>(Lines.size()); }
  void Set(TData&, TData&) {}
  void Add(TData&) {}
  void Array(TData& data, uint16_t) { SetArrayValue(data, &Access); }
};

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

int Px(double v) { return static_cast<int>(std::floor(v + 0.5)); }

struct TMark {
  int X, Y, TickX, TickY;
  bool Skipped;
};

// The marks as the view draws them, from its own transform.
std::vector<TMark> MarksOf(const TVMPlacementView& view) {
  std::vector<TMark> marks;
  const TViewTransform& t = view.Transform();
  const int tick = view.MarkSize + 2;
  for (const TPlacedRow& board : view.Job().DrawnBoards())
    for (const TPlacedRow& c : view.Job().Rows(kComponentTable)) {
      const int x = Px(t.ScreenX(board.X + c.X)), y = Px(t.ScreenY(board.Y + c.Y));
      marks.push_back({x, y, x + Px(c.Cos * tick), y - Px(c.Sin * tick), board.Skipped || c.Skipped});
    }
  return marks;
}

// A memory bitmap of the window's client size, compatible with the window.
struct TSurface {
  HWND Window;
  RECT Client{};
  HDC WindowDC, Memory;
  HBITMAP Bitmap;
  HGDIOBJ OldBitmap;
  explicit TSurface(HWND window) : Window(window) {
    GetClientRect(window, &Client);
    WindowDC = GetDC(window);
    Memory = CreateCompatibleDC(WindowDC);
    Bitmap = CreateCompatibleBitmap(WindowDC, Client.right, Client.bottom);
    OldBitmap = SelectObject(Memory, Bitmap);
  }
  ~TSurface() {
    SelectObject(Memory, OldBitmap);
    DeleteObject(Bitmap);
    DeleteDC(Memory);
    ReleaseDC(Window, WindowDC);
  }
};

// The bare loop: the same calls into a compatible memory bitmap, then one
// copy to the window.
double BareRepaint(HWND window, const std::vector<TMark>& marks, int half, COLORREF markColor,
                   COLORREF greyColor) {
  const auto start = Clock::now();
  TSurface surface(window);
  HDC memory = surface.Memory;
  const RECT& client = surface.Client;
  HBRUSH paper = CreateSolidBrush(RGB(255, 255, 255));
  FillRect(memory, &client, paper);
  DeleteObject(paper);
  HPEN pen = CreatePen(PS_SOLID, 1, markColor), grey = CreatePen(PS_SOLID, 1, greyColor);
  HBRUSH brush = CreateSolidBrush(markColor);
  HGDIOBJ hollow = GetStockObject(NULL_BRUSH);
  HGDIOBJ oldPen = SelectObject(memory, pen), oldBrush = SelectObject(memory, brush);
  bool skippedLook = false;
  for (const TMark& m : marks) {
    if (m.Skipped != skippedLook) {
      SelectObject(memory, m.Skipped ? grey : pen);
      SelectObject(memory, m.Skipped ? hollow : brush);
      skippedLook = m.Skipped;
    }
    Rectangle(memory, m.X - half, m.Y - half, m.X + half + 1, m.Y + half + 1);
    MoveToEx(memory, m.X, m.Y, nullptr);
    LineTo(memory, m.TickX, m.TickY);
  }
  SelectObject(memory, oldPen);
  SelectObject(memory, oldBrush);
  DeleteObject(pen);
  DeleteObject(grey);
  DeleteObject(brush);
  BitBlt(surface.WindowDC, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  GdiFlush();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double ViewRepaint(HWND window) {
  const auto start = Clock::now();
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  GdiFlush();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The view's painting alone, into a memory bitmap through WM_PRINT.
double PaintOnly(HWND window) {
  TSurface surface(window);
  const auto start = Clock::now();
  SendMessageA(window, WM_PRINT, reinterpret_cast<WPARAM>(surface.Memory), PRF_CLIENT);
  GdiFlush();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main() {
  TControl* form = CreateFormWindow(nullptr, "placement view bench");
  form->SetBoundsRect(RECT{0, 0, 1000, 760});
  form->VisibleSet = 1;
  form->CreateWindowNow();

  TRows boards, components, none;
  for (int b = 0; b < kBoards; ++b)
    boards.Lines.push_back(std::to_string(b + 1) + "," + std::to_string(b % 5 * 110) + "," +
                           std::to_string(b / 5 * 90) + ",0");
  for (int i = 0; i < kComponents; ++i)
    components.Lines.push_back("C" + std::to_string(i) + ",1," + std::to_string(i % 40 + 1) + "," +
                               std::to_string(i % 97) + "." + std::to_string(i % 10) + "," +
                               std::to_string(i * 7 % 83) + ".5," + std::to_string(i % 8 * 45) + "," +
                               (i % 10 == 0 ? "1" : "0") + ",");

  auto* view = new TVMPlacementView(form);
  view->Left = 10, view->Top = 10, view->Width = 960, view->Height = 700;
  view->Font = MakeFont("MS Sans Serif", 8, 0, 0, 1);
  view->Init();
  view->Feeders = MakeEvent<&TRows::Array>(&none);
  view->SpecialFeeders = MakeEvent<&TRows::Array>(&none);
  view->Boards = MakeEvent<&TRows::Array>(&boards);
  view->Components = MakeEvent<&TRows::Array>(&components);
  StartDispatch();
  form->SetVisible(true);
  HWND window = view->Control->Handle;
  ViewRepaint(window);  // reads the rows and fits the job

  const std::vector<TMark> marks = MarksOf(*view);
  std::vector<double> bare, drawn, ratios, paintOnly;
  for (int run = 0; run < kRuns; ++run) {
    const double b = BareRepaint(window, marks, view->MarkSize / 2, view->MarkColor, view->SkippedColor);
    const double v = ViewRepaint(window);
    bare.push_back(b);
    drawn.push_back(v);
    ratios.push_back(v / b);
    paintOnly.push_back(PaintOnly(window));
  }
  std::printf("full repaint of %zu component marks on %d boards, median of %d alternating runs\n",
              marks.size(), kBoards, kRuns);
  std::printf("%14s %14s %10s %10s %10s %16s\n", "bare loop ms", "view ms", "ratio", "min ratio", "max ratio",
              "paint alone ms");
  std::printf("%14.1f %14.1f %10.2f %10.2f %10.2f %16.1f\n", Median(bare) * 1000, Median(drawn) * 1000,
              Median(ratios), *std::min_element(ratios.begin(), ratios.end()),
              *std::max_element(ratios.begin(), ratios.end()), Median(paintOnly) * 1000);
  delete view;
  form->Free();
  return 0;
}
