// TCanvas: a device context with a current font, brush and pen, selected
// lazily. An operation first asks for the state bits it needs; each tool is
// selected only once until the context is released.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "toolkit/obj.h"

class TControl;
class TGraphicTool;

enum : uint8_t {
  kCanvasHandle = 1,
  kCanvasPen = 2,
  kCanvasBrush = 4,
  kCanvasFont = 8,
};

class TCanvas : public TObj {
 public:
  TControl* Control = nullptr;  // the control drawn on, or none
  HDC DC = nullptr;
  TGraphicTool* Font = nullptr;
  TGraphicTool* Brush = nullptr;
  TGraphicTool* Pen = nullptr;
  DWORD CopyMode = SRCCOPY;
  uint8_t State = 0;  // kCanvas... bits currently in effect

  // How DC was obtained, so that releasing gives it back the right way.
  enum TSource : uint8_t { kNone, kWindowDC, kMemoryDC, kBorrowedDC };
  TSource Source = kNone;

 protected:
  ~TCanvas() override;
};

// The control's canvas, created on first use; its font and brush are clones
// of the control's.
TCanvas* GetCanvas(TControl* control);
// A canvas on a context the caller keeps (released by the caller).
TCanvas* CreateCanvasOnDC(HDC dc);
// Makes the requested state bits true and returns the context (may be null
// when no context can be had).
HDC CanvasRequire(TCanvas* canvas, uint8_t bits);
// Selects the stock objects back, gives the context back and clears the bits.
void CanvasReleaseDC(TCanvas* canvas);
// Width and height of text in the canvas font (0 x 0 for the empty text).
SIZE CanvasTextExtent(TCanvas* canvas, const std::string& text);
void CanvasFillRect(TCanvas* canvas, const RECT& rect);
