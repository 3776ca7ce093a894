// Rows and cells of a list view: every operation is one or two list-view
// messages, so that loading tens of thousands of rows costs the native
// control's own work and no more.
#include "toolkit/list_view.h"

#include <commctrl.h>

#include <cstring>

namespace {

// The item-record flag that the row messages carry with their text.
constexpr UINT kSetItemFlag = LVIF_DI_SETITEM;

LRESULT Send(TListView* lv, UINT msg, WPARAM wParam, const void* lParam) {
  return SendMessageA(lv->GetHandle(), msg, wParam, reinterpret_cast<LPARAM>(lParam));
}

// A question that changes nothing (a cell's text, the row count) goes
// straight to the control's own procedure: no handler of this program
// needs to see it, and a save or a search asks it for every cell, where the
// platform's message delivery costs more than the answer. The toolkit's
// windows live on the thread that asks.
LRESULT Ask(TListView* lv, UINT msg, WPARAM wParam, const void* lParam) {
  HWND window = lv->GetHandle();
  if (!window) return 0;
  if (!lv->PrevWindowProc) return SendMessageA(window, msg, wParam, reinterpret_cast<LPARAM>(lParam));
  return CallWindowProcA(lv->PrevWindowProc, window, msg, wParam, reinterpret_cast<LPARAM>(lParam));
}

char* TextPointer(const std::string& text) { return const_cast<char*>(text.c_str()); }

}  // namespace

int32_t ListRowCount(TListView* lv) {
  return static_cast<int32_t>(Ask(lv, lv->Actions.CountMsg, 0, nullptr));
}

namespace {

LRESULT NextRow(TListView* lv, int32_t after, UINT having) {
  return SendMessageA(lv->GetHandle(), LVM_GETNEXTITEM, static_cast<WPARAM>(after), having);
}

int32_t SelectedCount(TListView* lv) {
  return static_cast<int32_t>(SendMessageA(lv->GetHandle(), LVM_GETSELECTEDCOUNT, 0, 0));
}

// The focused row when it is selected, else -1. Finding the focused row costs
// the control nothing, where finding a selected one makes it walk the rows
// from the top: in a table of 50,000 rows, milliseconds.
int32_t FocusedSelectedRow(TListView* lv) {
  const auto focused = static_cast<int32_t>(NextRow(lv, -1, LVNI_FOCUSED));
  return focused >= 0 && (ListGetRowState(lv, focused) & LVIS_SELECTED) ? focused : -1;
}

void ClearRowState(TListView* lv, int32_t row, UINT bits) {
  LVITEMA item{};
  item.stateMask = bits;
  Send(lv, LVM_SETITEMSTATE, static_cast<WPARAM>(row), &item);
}

constexpr UINT kRowStateBits = LVIS_FOCUSED | LVIS_SELECTED | LVIS_CUT | LVIS_DROPHILITED;

// Clears every state bit of every row that has the bit `having`, walking
// from the top; with `limit` rows cleared it stops early.
void ClearRowsWith(TListView* lv, UINT having, int32_t limit = INT32_MAX) {
  for (int32_t row = -1; limit > 0; --limit) {
    row = static_cast<int32_t>(NextRow(lv, row, having));
    if (row < 0) return;
    ClearRowState(lv, row, kRowStateBits);
  }
}

}  // namespace

int32_t ListCurrentRow(TListView* lv) {
  const int32_t selected = SelectedCount(lv);
  if (selected <= 0) return -1;
  // The one selected row is the current row almost always: the focused one.
  if (selected == 1) {
    const int32_t row = FocusedSelectedRow(lv);
    if (row >= 0) return row;
  }
  return static_cast<int32_t>(NextRow(lv, -1, LVNI_SELECTED));
}

// Clears the state bits of the rows that hold one, then focuses and selects
// `row`. Rows with a bit are few and found without a walk over all rows
// where the control allows it: the focused row directly, the selected rows
// only while the selection count says some are left, the cut and highlighted
// ones only when some row was ever given such a bit.
void ListSetCurrentRow(TListView* lv, int32_t row) {
  if (!(lv->ListOptions & kListMultiSelect) && row == ListCurrentRow(lv)) return;
  const auto focused = static_cast<int32_t>(NextRow(lv, -1, LVNI_FOCUSED));
  if (focused >= 0) ClearRowState(lv, focused, kRowStateBits);
  ClearRowsWith(lv, LVNI_SELECTED, SelectedCount(lv));
  if (lv->RowsMayBeMarked) {
    ClearRowsWith(lv, LVNI_CUT);
    ClearRowsWith(lv, LVNI_DROPHILITED);
    lv->RowsMayBeMarked = 0;
  }
  if (row < 0) return;
  LVITEMA item{};
  item.stateMask = 15;
  item.state = LVIS_FOCUSED | LVIS_SELECTED;
  Send(lv, LVM_SETITEMSTATE, static_cast<WPARAM>(row), &item);
}

void ListEnsureVisible(TListView* lv, int32_t row, bool partialOk) {
  ListResumeRedraw(lv);  // scrolling needs up-to-date scroll bars
  if (row >= 0) SendMessageA(lv->GetHandle(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), partialOk ? 1 : 0);
}

int32_t ListInsertRow(TListView* lv, int32_t row, const std::string& text) {
  if (!lv->RedrawDeferred) {
    lv->GetHandle();
    ListDeferRedraw(lv);
  }
  LVITEMA item{};
  item.mask = kSetItemFlag | LVIF_TEXT;
  item.iItem = row;
  item.pszText = TextPointer(text);
  return static_cast<int32_t>(Send(lv, LVM_INSERTITEMA, 0, &item));
}

void ListSetCell(TListView* lv, int32_t row, int32_t col, const std::string& text, int32_t image,
                 uint32_t stateFlags, int32_t stateImage, int32_t overlayImage, int32_t data) {
  LVITEMA item{};
  item.mask = kSetItemFlag | LVIF_TEXT;
  if (col == 0) {
    item.mask |= LVIF_PARAM | LVIF_STATE;
    if (image != -2) item.mask |= LVIF_IMAGE;
    if (image < -2) item.mask = kSetItemFlag | LVIF_TEXT;
  }
  item.state = stateFlags & (LVIS_CUT | LVIS_DROPHILITED | LVIS_FOCUSED | LVIS_SELECTED);
  item.stateMask = 0xFFFF;
  // A negative state or overlay image keeps the row's current one.
  if (stateImage < 0) item.stateMask &= ~LVIS_STATEIMAGEMASK;
  else if (stateImage != 0) item.state |= INDEXTOSTATEIMAGEMASK(stateImage & 15);
  if (overlayImage < 0) item.stateMask &= ~LVIS_OVERLAYMASK;
  else if (overlayImage != 0) item.state |= INDEXTOOVERLAYMASK(overlayImage & 15);
  item.iItem = row;
  item.iSubItem = col;
  item.pszText = TextPointer(text);
  item.iImage = image;
  item.lParam = data;
  Send(lv, LVM_SETITEMA, 0, &item);
}

void ListSetCellText(TListView* lv, int32_t row, int32_t col, const std::string& text) {
  LVITEMA item{};
  item.iSubItem = col;
  item.pszText = TextPointer(text);
  Send(lv, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), &item);
}

std::string ListGetCellText(TListView* lv, int32_t row, int32_t col) {
  // The first request uses a buffer on the stack: a save or a search reads
  // every cell of the tables, and almost every cell fits.
  char first[100];
  std::string grown;
  char* buffer = first;
  size_t size = sizeof first;
  for (;;) {
    LVITEMA item{};
    item.mask = LVIF_PARAM | LVIF_STATE | LVIF_TEXT;
    if (col == 0 || (lv->ListOptions & kListSubItemImages)) item.mask |= LVIF_IMAGE;
    item.iItem = row;
    item.iSubItem = col;
    item.stateMask = 0xFFFF;
    item.pszText = buffer;
    item.cchTextMax = static_cast<int>(size);
    buffer[0] = '\0';
    if (!Ask(lv, LVM_GETITEMA, 0, &item) || !item.pszText) return std::string();
    // The control may answer with a pointer to a text of its own.
    const size_t length = std::strlen(item.pszText);
    if (item.pszText != buffer || length + 1 < size) return std::string(item.pszText, length);
    size = size * 2 + 100;
    grown.assign(size, '\0');
    buffer = grown.data();
  }
}

int32_t ListGetRowImage(TListView* lv, int32_t row) {
  LVITEMA item{};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  Send(lv, LVM_GETITEMA, 0, &item);
  return item.iImage;
}

int32_t ListGetRowData(TListView* lv, int32_t row) {
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  Send(lv, LVM_GETITEMA, 0, &item);
  return static_cast<int32_t>(item.lParam);
}

uint32_t ListGetRowState(TListView* lv, int32_t row) {
  return static_cast<uint32_t>(SendMessageA(lv->GetHandle(), LVM_GETITEMSTATE, static_cast<WPARAM>(row), 15)) &
         0xFF;
}

RECT ListGetRowRect(TListView* lv, int32_t row, int32_t part) {
  RECT r{part, 0, 0, 0};
  if (!Send(lv, LVM_GETITEMRECT, static_cast<WPARAM>(row), &r)) r = RECT{0, 0, 0, 0};
  return r;
}

namespace {

// The list view's header control: its first child of class "SysHeader32".
HWND HeaderOf(TListView* lv) {
  for (HWND child = GetWindow(lv->GetHandle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[32] = {};
    GetClassNameA(child, name, sizeof name);
    if (std::strcmp(name, WC_HEADERA) == 0) return child;
  }
  return nullptr;
}

}  // namespace

RECT ListGetCellRect(TListView* lv, int32_t row, int32_t col) {
  // Checked first: the native control may answer with a place below the last
  // row or beyond the last column.
  if (row < 0 || col < 0 || col >= lv->ColumnCount || row >= ListRowCount(lv)) return RECT{0, 0, 0, 0};
  RECT r{LVIR_BOUNDS, col, 0, 0};
  if (Send(lv, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), &r)) return r;
  // Rebuilt from the header: the previous cell's right edge (the header's
  // left for the first column) plus the width of the column's header item.
  RECT previous = col >= 1 ? ListGetCellRect(lv, row, col - 1) : ListGetRowRect(lv, row, kRowWhole);
  HWND header = IsRectEmpty(&previous) ? nullptr : HeaderOf(lv);
  RECT item{};
  if (!header || !SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(col), reinterpret_cast<LPARAM>(&item)))
    return RECT{0, 0, 0, 0};
  POINT origin{0, 0};
  ClientToScreen(header, &origin);
  ScreenToClient(lv->Handle, &origin);
  const LONG left = col == 0 ? origin.x + item.left : previous.right;
  return RECT{left, previous.top, left + (item.right - item.left), previous.bottom};
}

void ListClear(TListView* lv) {
  if (lv->Actions.Clear) lv->Actions.Clear(lv);
}

bool ListDeleteRow(TListView* lv, int32_t row) {
  if (row < 0) return false;
  return SendMessageA(lv->GetHandle(), LVM_DELETEITEM, static_cast<WPARAM>(row), 0) != 0;
}
