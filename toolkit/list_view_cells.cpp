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

char* TextPointer(const std::string& text) { return const_cast<char*>(text.c_str()); }

}  // namespace

int32_t ListRowCount(TListView* lv) {
  return static_cast<int32_t>(SendMessageA(lv->GetHandle(), lv->Actions.CountMsg, 0, 0));
}

int32_t ListCurrentRow(TListView* lv) {
  return static_cast<int32_t>(SendMessageA(lv->GetHandle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                           LVNI_SELECTED));
}

namespace {

// Clears the focus, selection, cut and drop-highlight bits of every row that
// has the bit `having`. Asking the control to clear all rows at once makes
// it visit every row, a tenth of a second in a table of 50,000 rows; the
// rows that have such a bit are few, and the state left behind is the same.
void ClearRowsWith(TListView* lv, UINT having) {
  LVITEMA item{};
  item.stateMask = LVIS_FOCUSED | LVIS_SELECTED | LVIS_CUT | LVIS_DROPHILITED;
  for (int32_t row = -1;;) {
    row = static_cast<int32_t>(SendMessageA(lv->GetHandle(), LVM_GETNEXTITEM, static_cast<WPARAM>(row), having));
    if (row < 0) return;
    Send(lv, LVM_SETITEMSTATE, static_cast<WPARAM>(row), &item);
  }
}

}  // namespace

void ListSetCurrentRow(TListView* lv, int32_t row) {
  if (!(lv->ListOptions & kListMultiSelect) && row == ListCurrentRow(lv)) return;
  for (UINT having : {LVNI_FOCUSED, LVNI_SELECTED, LVNI_CUT, LVNI_DROPHILITED}) ClearRowsWith(lv, having);
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
    if (!Send(lv, LVM_GETITEMA, 0, &item) || !item.pszText) return std::string();
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
