// TGraphicTool: one class for fonts, brushes and pens. It holds the
// description and makes the platform object on demand. A tool cloned from
// another (a control's font from its parent's) uses the parent's platform
// object for as long as both descriptions are equal, so controls with equal
// fonts share one font handle.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "toolkit/colors.h"
#include "toolkit/obj.h"

enum : uint8_t { kToolBrush = 0, kToolFont = 1, kToolPen = 2 };

class TGraphicTool;
using TToolChangeProc = void (*)(void* target, TGraphicTool* tool);

class TGraphicTool : public TObj {
 public:
  uint8_t ToolKind = kToolBrush;
  HGDIOBJ ToolHandle = nullptr;     // own platform object; dropped on every change
  TGraphicTool* ParentTool = nullptr;  // the tool this one was cloned from
  void* ChangeTarget = nullptr;
  COLORREF ResolvedColor = 0;  // the RGB value ToolHandle was made with
  int32_t ToolColor = 0;
  LOGFONTA FontData{};          // fonts
  int32_t BrushStyle = BS_SOLID;  // brushes
  HBITMAP BrushBitmap = nullptr;  // a pattern brush's bitmap (not owned)
  int32_t PenStyle = PS_SOLID;    // pens
  int32_t PenWidth = 1;
  int32_t PenMode = R2_COPYPEN - 1;  // drawing mode - 1
  TGraphicTool* (*CloneProc)() = nullptr;
  HGDIOBJ (*MakeHandleProc)(TGraphicTool* tool) = nullptr;
  TToolChangeProc OnToolChange = nullptr;

  bool IsPatternBrush() const { return ToolKind == kToolBrush && BrushBitmap != nullptr; }

 protected:
  ~TGraphicTool() override;
};

// Font: window text colour, height 0, weight 0, character set 1, "MS Sans Serif".
TGraphicTool* CreateFontTool();
// Brush: button face colour, solid.
TGraphicTool* CreateBrushTool();
// Pen: window text colour, solid, width 1, plain copy.
TGraphicTool* CreatePenTool();
// A tool of the same kind with src's description whose ParentTool is src.
TGraphicTool* ToolClone(TGraphicTool* src);

// The platform object: the parent's while both descriptions are equal, else
// the tool's own (made on demand).
HGDIOBJ ToolGetHandle(TGraphicTool* tool);
// src null: dest is freed and null returned. Otherwise dest (made through
// src's CloneProc when null) takes src's colour and description.
TGraphicTool* ToolAssign(TGraphicTool* dest, TGraphicTool* src);
// Tells OnToolChange, deletes the own handle, tells OnToolChange again.
void ToolChanged(TGraphicTool* tool);
void SetToolColor(TGraphicTool* tool, int32_t color);
// Same colour and description (the platform handle is not compared).
bool ToolsEqual(const TGraphicTool* a, const TGraphicTool* b);

// Font setters; each calls ToolChanged only when something changes.
void SetToolFontStyle(TGraphicTool* font, uint8_t styleBits);  // 1 bold 2 italic 4 underline 8 strike
uint8_t GetToolFontStyle(const TGraphicTool* font);
void SetToolFontName(TGraphicTool* font, const std::string& name);  // cut to 31 characters
void SetToolFontCharset(TGraphicTool* font, uint8_t charset);
void SetToolFontHeight(TGraphicTool* font, int32_t height);

// Colour value to RGB: a negative value names a system colour by its low byte.
COLORREF ResolveColor(int32_t color);
