#include "toolkit/canvas.h"

#include "toolkit/control.h"
#include "toolkit/graphic_tool.h"

namespace {

// A tool of the canvas changed: its old handle may be deleted, so the stock
// object goes back into the context and the tool is selected again later.
void CanvasToolChanged(void* target, TGraphicTool* tool) {
  auto* canvas = static_cast<TCanvas*>(target);
  if (!(canvas->State & kCanvasHandle)) return;
  if (tool == canvas->Font && (canvas->State & kCanvasFont)) {
    SelectObject(canvas->DC, GetStockObject(SYSTEM_FONT));
    canvas->State &= ~kCanvasFont;
  } else if (tool == canvas->Brush && (canvas->State & kCanvasBrush)) {
    SelectObject(canvas->DC, GetStockObject(NULL_BRUSH));
    canvas->State &= ~kCanvasBrush;
  } else if (tool == canvas->Pen && (canvas->State & kCanvasPen)) {
    SelectObject(canvas->DC, GetStockObject(BLACK_PEN));
    canvas->State &= ~kCanvasPen;
  }
}

TGraphicTool* WatchedTool(TCanvas* canvas, TGraphicTool* tool) {
  tool->ChangeTarget = canvas;
  tool->OnToolChange = &CanvasToolChanged;
  return tool;
}

bool ObtainDC(TCanvas* canvas) {
  TControl* control = canvas->Control;
  if (control && control->PaintDC) {
    if (canvas->DC && canvas->DC != control->PaintDC) CanvasReleaseDC(canvas);
    canvas->DC = control->PaintDC;
    canvas->Source = TCanvas::kBorrowedDC;
  } else if (!canvas->DC && control && control->HasWindow()) {
    canvas->DC = GetDC(control->Handle);
    canvas->Source = TCanvas::kWindowDC;
  }
  return canvas->DC != nullptr;
}

void SelectFont(TCanvas* canvas) {
  int32_t color = canvas->Control ? canvas->Control->FontColor : SystemColor(kSysWindowText);
  if (canvas->Font) {
    SelectObject(canvas->DC, ToolGetHandle(canvas->Font));
    color = canvas->Font->ToolColor;
  }
  SetTextColor(canvas->DC, ResolveColor(color));
}

void SelectPen(TCanvas* canvas) {
  if (!canvas->Pen) return;
  SelectObject(canvas->DC, ToolGetHandle(canvas->Pen));
  SetROP2(canvas->DC, canvas->Pen->PenMode + 1);
}

void SelectBrush(TCanvas* canvas) {
  if (canvas->Brush) {
    SelectObject(canvas->DC, ToolGetHandle(canvas->Brush));
    COLORREF color = ResolveColor(canvas->Brush->ToolColor);
    if (canvas->Brush->IsPatternBrush()) {
      SetBkColor(canvas->DC, ~color & 0xFFFFFF);
      SetBkMode(canvas->DC, TRANSPARENT);
    } else {
      SetBkColor(canvas->DC, color);
      SetBkMode(canvas->DC, OPAQUE);
    }
  } else {
    int32_t color = canvas->Control ? canvas->Control->Color : SystemColor(kSysButtonFace);
    SetBkColor(canvas->DC, ResolveColor(color));
    SetBkMode(canvas->DC, OPAQUE);
  }
}

}  // namespace

TCanvas::~TCanvas() {
  CanvasReleaseDC(this);
  FreeObj(Font);
  FreeObj(Brush);
  FreeObj(Pen);
}

TCanvas* GetCanvas(TControl* control) {
  if (control->Canvas) return control->Canvas;
  auto* canvas = New<TCanvas>();
  canvas->Control = control;
  if (control->Font) canvas->Font = WatchedTool(canvas, ToolClone(control->Font));
  if (control->Brush) canvas->Brush = WatchedTool(canvas, ToolClone(control->Brush));
  control->Canvas = canvas;
  return canvas;
}

TCanvas* CreateCanvasOnDC(HDC dc) {
  auto* canvas = New<TCanvas>();
  canvas->DC = dc;
  canvas->Source = TCanvas::kBorrowedDC;
  canvas->Font = WatchedTool(canvas, CreateFontTool());
  canvas->Brush = WatchedTool(canvas, CreateBrushTool());
  return canvas;
}

HDC CanvasRequire(TCanvas* canvas, uint8_t bits) {
  // While the control paints, drawing goes to its paint context even when the
  // canvas still holds another one; a borrowed paint context ends with the
  // painting.
  TControl* control = canvas->Control;
  if (control && (canvas->State & kCanvasHandle) &&
      (control->PaintDC ? canvas->DC != control->PaintDC : canvas->Source == TCanvas::kBorrowedDC))
    CanvasReleaseDC(canvas);
  if (!(canvas->State & kCanvasHandle)) {
    if (!ObtainDC(canvas)) return nullptr;
    canvas->State |= kCanvasHandle;
  }
  uint8_t missing = bits & ~canvas->State;
  if (missing & kCanvasFont) SelectFont(canvas);
  if (missing & kCanvasPen) SelectPen(canvas);
  if (missing & kCanvasBrush) SelectBrush(canvas);
  canvas->State |= bits;
  return canvas->DC;
}

void CanvasReleaseDC(TCanvas* canvas) {
  if (canvas->DC && (canvas->State & kCanvasHandle)) {
    SelectObject(canvas->DC, GetStockObject(BLACK_PEN));
    SelectObject(canvas->DC, GetStockObject(NULL_BRUSH));
    SelectObject(canvas->DC, GetStockObject(SYSTEM_FONT));
  }
  switch (canvas->Source) {
    case TCanvas::kWindowDC:
      if (canvas->Control && canvas->Control->Handle) ReleaseDC(canvas->Control->Handle, canvas->DC);
      canvas->DC = nullptr;
      break;
    case TCanvas::kMemoryDC:
      DeleteDC(canvas->DC);
      canvas->DC = nullptr;
      break;
    case TCanvas::kBorrowedDC:
      // A control's paint context belongs to the painting; a context given
      // to CreateCanvasOnDC stays with the canvas.
      if (canvas->Control) canvas->DC = nullptr;
      break;
    case TCanvas::kNone:
      break;
  }
  if (!canvas->DC) canvas->Source = TCanvas::kNone;
  canvas->State = 0;
}

SIZE CanvasTextExtent(TCanvas* canvas, const std::string& text) {
  SIZE size{0, 0};
  if (text.empty()) return size;
  HDC dc = CanvasRequire(canvas, kCanvasHandle | kCanvasFont);
  if (dc) {
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    return size;
  }
  // No context to be had (no window yet): measure in a memory context.
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(memory, canvas->Font ? ToolGetHandle(canvas->Font) : GetStockObject(SYSTEM_FONT));
  GetTextExtentPoint32A(memory, text.data(), static_cast<int>(text.size()), &size);
  SelectObject(memory, old);
  DeleteDC(memory);
  return size;
}

void CanvasFillRect(TCanvas* canvas, const RECT& rect) {
  HDC dc = CanvasRequire(canvas, kCanvasHandle | kCanvasBrush);
  if (!dc) return;
  HBRUSH brush = canvas->Brush ? static_cast<HBRUSH>(ToolGetHandle(canvas->Brush))
                               : canvas->Control ? canvas->Control->GetBackgroundBrush() : nullptr;
  if (brush) FillRect(dc, &rect, brush);
}
