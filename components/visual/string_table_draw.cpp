// The string table's custom drawing: rows in their own colours, and, with
// CustomDraw, every cell of a report view painted by the table itself
// (selection fill, cell cursor, wrapped text, shadow, cell edges).
#include "components/visual/string_table.h"

#include <commctrl.h>

#include "components/visual/string_table_lines.h"
#include "toolkit/graphic_tool.h"
#include "toolkit/list_view.h"

namespace {

constexpr int32_t kCursorRowLight = 70;  // percent: the selected row outside the cursor column
constexpr int32_t kGradientBottomLight = 20;

void FillSolid(HDC dc, const RECT& r, COLORREF color) {
  SetDCBrushColor(dc, color);
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

// A vertical gradient, top colour to bottom colour.
void FillGradient(HDC dc, const RECT& r, COLORREF top, COLORREF bottom) {
  auto channel = [](COLORREF c, int shift) { return static_cast<COLOR16>(((c >> shift) & 0xFF) << 8); };
  TRIVERTEX vertices[2] = {
      {r.left, r.top, channel(top, 0), channel(top, 8), channel(top, 16), 0},
      {r.right, r.bottom, channel(bottom, 0), channel(bottom, 8), channel(bottom, 16), 0},
  };
  GRADIENT_RECT span{0, 1};
  GradientFill(dc, vertices, 2, &span, 1, GRADIENT_FILL_RECT_V);
}

SIZE TextSize(HDC dc, const std::string& text) {
  SIZE size{0, 0};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

UINT AlignFormat(uint8_t align) {
  switch (align) {
    case kColumnRight: return DT_RIGHT;
    case kColumnCenter: return DT_CENTER;
    default: return DT_LEFT;
  }
}

}  // namespace

void TvmStringTableMT::RowColors(int32_t row, COLORREF& text, COLORREF& back) const {
  text = ResolveColor(TextColor);
  back = ResolveColor(TextBackColor);
  if (!CellColors || !ListView() || row < 0) return;
  const auto value = static_cast<uint32_t>(ListGetRowData(ListView(), row));
  if (value == 0) return;
  if (RowBackground(value) != 0) back = static_cast<COLORREF>(RowBackground(value));
  if (RowTextIndex(value) != 0) text = PaletteColor(RowTextIndex(value));
}

LRESULT TvmStringTableMT::DrawList(TControl* sender, HDC dc, uint32_t stage, int32_t row, int32_t column,
                                   uint32_t rowState, const RECT& rect, COLORREF& textColor,
                                   COLORREF& textBkColor) {
  switch (stage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      RowColors(row, textColor, textBkColor);
      return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
      RowColors(row, textColor, textBkColor);
      if (CustomDraw && (ViewStyle == kViewReport || ViewStyle == kViewReportNoHeader)) {
        PaintCell(dc, row, column, rowState);
        return CDRF_SKIPDEFAULT;
      }
      return CDRF_DODEFAULT;
    default:
      return CDRF_DODEFAULT;
  }
}

void TvmStringTableMT::PaintCell(HDC dc, int32_t row, int32_t column, uint32_t rowState) {
  TListView* lv = ListView();
  RECT cell = ListGetCellRect(lv, row, column);
  // The list view gives the whole row as the first cell's rectangle.
  if (column == 0) cell.right = cell.left + ListGetColumnWidth(lv, 0);
  COLORREF rowText, rowBack;
  RowColors(row, rowText, rowBack);

  const bool selected = (rowState & kDrawSelected) && (RowSelect || column == 0);
  const bool cursorShown = CellCursor && RowSelect;
  const bool cursorColumn = column == CursorColumn;
  const bool cursorCell = cursorColumn && row == CursorRow;
  const auto selection = static_cast<uint32_t>(ResolveColor(SelectionColor));
  const auto light = static_cast<COLORREF>(LightenColor(selection, kCursorRowLight));
  const auto lighter = static_cast<COLORREF>(LightenColor(selection, kGradientBottomLight));
  if (!selected) {
    FillSolid(dc, cell, rowBack);
  } else if (cursorShown && !cursorColumn) {
    if (Gradient) FillGradient(dc, cell, light, lighter);
    else FillSolid(dc, cell, light);
  } else {
    if (Gradient) FillGradient(dc, cell, light, lighter);
    else FillSolid(dc, cell, static_cast<COLORREF>(selection));
    if (CellCursor && CursorBox) {
      const int32_t inset = !GridLines ? 1 : EdgeStyle ? 3 : 2;
      RECT box = cell;
      InflateRect(&box, -inset, -inset);
      FillSolid(dc, box, GetSysColor(COLOR_INFOBK));
    }
  }

  const std::string text = ListGetCellText(lv, row, column);
  RECT area = cell;
  const SIZE m = TextSize(dc, "M");
  area.left += m.cx;
  area.right -= m.cx;
  const UINT align = AlignFormat(ListGetColumnAlign(lv, column));
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | align;
  if (!SingleLine && TextSize(dc, text).cx > area.right - area.left) {
    format = DT_WORDBREAK | DT_NOPREFIX | align;
    const int32_t w = TextSize(dc, "W").cy;
    if ((area.bottom - area.top) - 2 * (w / 2) >= w) InflateRect(&area, 0, -(w / 2));
  }
  SetBkMode(dc, TRANSPARENT);
  if (TextShadow) {
    RECT shadow = area;
    OffsetRect(&shadow, 1, 1);
    SetTextColor(dc, ResolveColor(ShadowColor));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &shadow, format);
  }
  const bool rowColoured = cursorShown && (!cursorColumn || (cursorCell && CursorBox));
  SetTextColor(dc, selected && !rowColoured ? GetSysColor(COLOR_HIGHLIGHTTEXT) : rowText);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area, format);

  if (GridLines) {
    if (EdgeStyle) DrawEdge(dc, &cell, EdgeSunken ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    else DrawEdge(dc, &cell, BDR_SUNKENOUTER, BF_RECT | BF_FLAT);
  }
}
