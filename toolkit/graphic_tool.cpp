#include "toolkit/graphic_tool.h"

#include <cstring>

namespace {

HGDIOBJ MakeFont(TGraphicTool* tool) { return CreateFontIndirectA(&tool->FontData); }

HGDIOBJ MakeBrush(TGraphicTool* tool) {
  if (tool->BrushBitmap) return CreatePatternBrush(tool->BrushBitmap);
  LOGBRUSH description{static_cast<UINT>(tool->BrushStyle), tool->ResolvedColor, 0};
  return CreateBrushIndirect(&description);
}

HGDIOBJ MakePen(TGraphicTool* tool) {
  return CreatePen(tool->PenStyle, tool->PenWidth, tool->ResolvedColor);
}

TGraphicTool* NewTool(uint8_t kind, int32_t color, TGraphicTool* (*clone)(),
                      HGDIOBJ (*make)(TGraphicTool*)) {
  auto* tool = New<TGraphicTool>();
  tool->ToolKind = kind;
  tool->ToolColor = color;
  tool->CloneProc = clone;
  tool->MakeHandleProc = make;
  return tool;
}

void Notify(TGraphicTool* tool) {
  if (tool->OnToolChange) tool->OnToolChange(tool->ChangeTarget, tool);
}

void DeleteOwnHandle(TGraphicTool* tool) {
  if (tool->ToolHandle) DeleteObject(tool->ToolHandle);
  tool->ToolHandle = nullptr;
}

bool FontsEqual(const LOGFONTA& a, const LOGFONTA& b) {
  return a.lfHeight == b.lfHeight && a.lfWidth == b.lfWidth &&
         a.lfEscapement == b.lfEscapement && a.lfOrientation == b.lfOrientation &&
         a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
         a.lfUnderline == b.lfUnderline && a.lfStrikeOut == b.lfStrikeOut &&
         a.lfCharSet == b.lfCharSet && a.lfOutPrecision == b.lfOutPrecision &&
         a.lfClipPrecision == b.lfClipPrecision && a.lfQuality == b.lfQuality &&
         a.lfPitchAndFamily == b.lfPitchAndFamily &&
         std::strncmp(a.lfFaceName, b.lfFaceName, LF_FACESIZE) == 0;
}

}  // namespace

TGraphicTool::~TGraphicTool() { DeleteOwnHandle(this); }

COLORREF ResolveColor(int32_t color) {
  if (IsSystemColor(color)) return GetSysColor(SystemColorIndex(color));
  return static_cast<COLORREF>(color);
}

TGraphicTool* CreateFontTool() {
  TGraphicTool* font = NewTool(kToolFont, SystemColor(kSysWindowText), &CreateFontTool, &MakeFont);
  font->FontData.lfCharSet = 1;
  std::strcpy(font->FontData.lfFaceName, "MS Sans Serif");
  return font;
}

TGraphicTool* CreateBrushTool() {
  return NewTool(kToolBrush, SystemColor(kSysButtonFace), &CreateBrushTool, &MakeBrush);
}

TGraphicTool* CreatePenTool() {
  return NewTool(kToolPen, SystemColor(kSysWindowText), &CreatePenTool, &MakePen);
}

bool ToolsEqual(const TGraphicTool* a, const TGraphicTool* b) {
  if (a->ToolKind != b->ToolKind || a->ToolColor != b->ToolColor) return false;
  switch (a->ToolKind) {
    case kToolFont:
      return FontsEqual(a->FontData, b->FontData);
    case kToolBrush:
      return a->BrushStyle == b->BrushStyle && a->BrushBitmap == b->BrushBitmap;
    default:
      return a->PenStyle == b->PenStyle && a->PenWidth == b->PenWidth && a->PenMode == b->PenMode;
  }
}

static void CopyDescription(TGraphicTool* dest, const TGraphicTool* src) {
  dest->ToolColor = src->ToolColor;
  dest->FontData = src->FontData;
  dest->BrushStyle = src->BrushStyle;
  dest->BrushBitmap = src->BrushBitmap;
  dest->PenStyle = src->PenStyle;
  dest->PenWidth = src->PenWidth;
  dest->PenMode = src->PenMode;
}

TGraphicTool* ToolClone(TGraphicTool* src) {
  TGraphicTool* clone = src->CloneProc();
  CopyDescription(clone, src);
  clone->ParentTool = src;
  return clone;
}

HGDIOBJ ToolGetHandle(TGraphicTool* tool) {
  if (!tool) return nullptr;
  // A system colour may have changed since the handle was made.
  if (tool->ToolHandle && tool->ToolKind != kToolFont &&
      tool->ResolvedColor != ResolveColor(tool->ToolColor)) {
    DeleteOwnHandle(tool);
  }
  if (tool->ToolHandle) return tool->ToolHandle;
  // The parent's handle is asked for each time and never kept: the parent
  // may replace it at any change, and this tool must not delete it.
  if (tool->ParentTool && ToolsEqual(tool, tool->ParentTool)) return ToolGetHandle(tool->ParentTool);
  tool->ResolvedColor = ResolveColor(tool->ToolColor);
  tool->ToolHandle = tool->MakeHandleProc(tool);
  return tool->ToolHandle;
}

TGraphicTool* ToolAssign(TGraphicTool* dest, TGraphicTool* src) {
  if (!src) {
    FreeObj(dest);
    return nullptr;
  }
  if (!dest) dest = src->CloneProc();
  if (dest == src) return dest;
  if (ToolsEqual(dest, src)) return dest;
  CopyDescription(dest, src);
  ToolChanged(dest);
  return dest;
}

void ToolChanged(TGraphicTool* tool) {
  Notify(tool);
  DeleteOwnHandle(tool);
  Notify(tool);
}

void SetToolColor(TGraphicTool* tool, int32_t color) {
  if (tool->ToolColor == color) return;
  tool->ToolColor = color;
  ToolChanged(tool);
}

uint8_t GetToolFontStyle(const TGraphicTool* font) {
  const LOGFONTA& f = font->FontData;
  return static_cast<uint8_t>((f.lfWeight >= FW_BOLD ? 1 : 0) | (f.lfItalic ? 2 : 0) |
                              (f.lfUnderline ? 4 : 0) | (f.lfStrikeOut ? 8 : 0));
}

void SetToolFontStyle(TGraphicTool* font, uint8_t styleBits) {
  LOGFONTA f = font->FontData;
  if (styleBits & 1) {
    if (f.lfWeight < FW_BOLD) f.lfWeight = FW_BOLD;
  } else if (f.lfWeight >= FW_BOLD) {
    f.lfWeight = 0;
  }
  f.lfItalic = (styleBits & 2) ? 1 : 0;
  f.lfUnderline = (styleBits & 4) ? 1 : 0;
  f.lfStrikeOut = (styleBits & 8) ? 1 : 0;
  if (FontsEqual(f, font->FontData)) return;
  font->FontData = f;
  ToolChanged(font);
}

void SetToolFontName(TGraphicTool* font, const std::string& name) {
  char face[LF_FACESIZE] = {};
  std::strncpy(face, name.c_str(), LF_FACESIZE - 1);
  if (std::strncmp(face, font->FontData.lfFaceName, LF_FACESIZE) == 0) return;
  std::memcpy(font->FontData.lfFaceName, face, LF_FACESIZE);
  ToolChanged(font);
}

void SetToolFontCharset(TGraphicTool* font, uint8_t charset) {
  if (font->FontData.lfCharSet == charset) return;
  font->FontData.lfCharSet = charset;
  ToolChanged(font);
}

void SetToolFontHeight(TGraphicTool* font, int32_t height) {
  if (font->FontData.lfHeight == height) return;
  font->FontData.lfHeight = height;
  ToolChanged(font);
}

