// The string table's events: selection, clicks, column clicks, check boxes,
// the cell editor's reports, and the cell cursor with its edit requests.
#include "components/visual/string_table.h"

#include <commctrl.h>

#include <algorithm>
#include <initializer_list>

#include "toolkit/list_edit.h"
#include "toolkit/list_view.h"

namespace {

constexpr uint32_t kFocusSelectBits = LVIS_FOCUSED | LVIS_SELECTED;
constexpr uint32_t kUnchecked = 0x1000;  // state image 1
constexpr uint32_t kChecked = 0x2000;    // state image 2

// Fires one value record that heads a chain of integers.
void FireInts(TVM_Event& event, std::initializer_list<int32_t> values) {
  TData head;
  TData* last = &head;
  bool first = true;
  for (int32_t value : values) {
    TData* record = first ? &head : (last->Next = new TData);
    SetIntValue(*record, value);
    last = record;
    first = false;
  }
  Fire(event, head);
  FreeValueChain(head);
}

void RepaintRow(TListView* lv, int32_t row) {
  if (row < 0 || !lv->HasWindow()) return;
  RECT r = ListGetRowRect(lv, row, kRowWhole);
  InvalidateRect(lv->Handle, &r, FALSE);
}

}  // namespace

void TvmStringTableMT::MouseDown(TMouseEventData& mouse) {
  if (ListView()) RowAtPress = ListCurrentRow(ListView());
  TVMWin::MouseDown(mouse);
}

// A click on the row that was already selected when the button went down;
// a click that selects another row is reported by the state change.
void TvmStringTableMT::ListClicked(TControl* sender) {
  const int32_t row = ListCurrentRow(ListView());
  if (row >= 0 && row == RowAtPress && ClickSelected) FireInt(OnClick, row);
}

void TvmStringTableMT::ListColumnClicked(TControl* sender, int32_t column) {
  if (ColumnClickMode == kColumnClickCaption) FireStr(OnColumnClick, ListGetColumnCaption(ListView(), column));
  else FireInt(OnColumnClick, column);
}

// A row counts as selected when it gains the focus or the selection and ends
// up focused (and perhaps selected). Not when it only loses a bit: the row
// left behind by a click on another one goes from focused and selected to
// focused first; nor when its text changes: the list view reports that too.
void TvmStringTableMT::ListStateChanged(TControl* sender, int32_t fromRow, int32_t toRow, uint32_t oldState,
                                        uint32_t newState) {
  const uint32_t selection = newState & kFocusSelectBits;
  const bool gained = (newState & ~oldState & kFocusSelectBits) != 0;
  if (gained && (selection == LVIS_FOCUSED || selection == kFocusSelectBits)) {
    if (ClickSelected) FireInt(OnClick, fromRow);
    FireInt(OnSelect, fromRow);
  }
  const uint32_t oldCheck = oldState & LVIS_STATEIMAGEMASK;
  const uint32_t newCheck = newState & LVIS_STATEIMAGEMASK;
  if (oldCheck == kUnchecked && newCheck == kChecked) FireInts(OnCheck, {fromRow, 1});
  else if (oldCheck == kChecked && newCheck == kUnchecked) FireInts(OnCheck, {fromRow, 0});
}

// --- Cell cursor ------------------------------------------------------------------

void TvmStringTableMT::MoveCursor(int32_t row, int32_t column) {
  TListView* lv = ListView();
  const int32_t previousRow = CursorRow;
  CursorRow = row;
  CursorColumn = column;
  // Both rows: the cursor column is drawn differently in each.
  if (previousRow != row) RepaintRow(lv, previousRow);
  RepaintRow(lv, row);
  FireNull(OnCellCursor);
}

void TvmStringTableMT::RequestEdit() {
  TListView* lv = ListView();
  const RECT cell = ListGetCellRect(lv, CursorRow, CursorColumn);
  // The cell's client coordinates lie inside the list view's border.
  const int32_t border = Flat ? 1 : 2;
  FireInts(OnEditRequest, {lv->GetLeft() + cell.left + border, lv->GetTop() + cell.top + border,
                           ListGetColumnWidth(lv, CursorColumn), cell.bottom - cell.top});
}

// Watches the list view's own messages and never consumes one. A left click
// always places the cursor; the keys, scrolling and double clicks only move
// it when the rows are selected whole and no cell editor is attached.
bool TvmStringTableMT::CellCursorMessage(TControl* sender, TMsg& msg, LRESULT& result) {
  TListView* lv = ListView();
  if (!lv || msg.Window != lv->Handle) return false;
  const bool active = RowSelect && !CellEditor;
  switch (msg.Message) {
    case WM_LBUTTONDOWN: {
      LVHITTESTINFO hit{};
      hit.pt = POINT{static_cast<int16_t>(LOWORD(msg.LParam)), static_cast<int16_t>(HIWORD(msg.LParam))};
      SendMessageA(lv->Handle, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
      MoveCursor(hit.iItem, hit.iSubItem);
      break;
    }
    case WM_KEYDOWN:
      if (!active) break;
      switch (msg.WParam) {
        case VK_LEFT: MoveCursor(CursorRow, std::max(0, std::min(CursorColumn - 1, ColumnCount() - 1))); break;
        case VK_RIGHT: MoveCursor(CursorRow, std::max(0, std::min(CursorColumn + 1, ColumnCount() - 1))); break;
        case VK_UP: MoveCursor(std::max(0, std::min(CursorRow - 1, RowCount() - 1)), CursorColumn); break;
        case VK_DOWN: MoveCursor(std::max(0, std::min(CursorRow + 1, RowCount() - 1)), CursorColumn); break;
        case VK_ESCAPE: MoveCursor(CursorRow, CursorColumn); break;
        case VK_RETURN:
        case VK_F2: RequestEdit(); break;
        default: break;
      }
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (active) MoveCursor(CursorRow, CursorColumn);
      break;
    case WM_LBUTTONDBLCLK:
      if (active) RequestEdit();
      break;
    default:
      break;
  }
  return false;
}

// The list view may outlive the table for a moment (a message that is still
// being dispatched holds it): nothing it raises may reach the table then.
void TvmStringTableMT::DetachFromList() {
  TListView* lv = ListView();
  if (!lv) return;
  lv->DetachMessageHandler(MakeMethod<&TvmStringTableMT::CellCursorMessage>(this));
  lv->DetachMessageHandler(MakeMethod<&TvmStringTableMT::RowKeyMessage>(this));
  lv->OnClick = {};
  lv->OnColumnClick = {};
  lv->OnItemStateChanged = {};
  lv->OnCustomDraw = {};
  if (TListEdit* editor = lv->CellEditor) {
    editor->OnEditStart = {};
    editor->OnCellChanged = {};
  }
}
