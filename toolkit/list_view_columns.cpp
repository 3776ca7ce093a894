// Columns of a list view: captions, widths, alignment and header images.
#include "toolkit/list_view.h"

#include <commctrl.h>

#include <cstring>

namespace {

constexpr int kCaptionBufferSize = 4096;
constexpr int kAlignBits = LVCFMT_JUSTIFYMASK;
constexpr int kImageFormat = LVCFMT_COL_HAS_IMAGES | LVCFMT_IMAGE;

LRESULT SendColumn(TListView* lv, UINT msg, int32_t col, LVCOLUMNA& column) {
  return SendMessageA(lv->GetHandle(), msg, static_cast<WPARAM>(col), reinterpret_cast<LPARAM>(&column));
}

// The column's format, or 0 when the column does not exist.
int ColumnFormat(TListView* lv, int32_t col) {
  LVCOLUMNA column{};
  column.mask = LVCF_FMT;
  return SendColumn(lv, LVM_GETCOLUMNA, col, column) ? column.fmt : 0;
}

}  // namespace

int32_t ListAddColumn(TListView* lv, const std::string& caption, int32_t width, uint8_t align) {
  LVCOLUMNA column{};
  column.mask = LVCF_FMT | LVCF_TEXT;
  column.fmt = align;
  if (width != 0) column.mask |= LVCF_WIDTH;
  if (width < 0) column.fmt |= LVCFMT_BITMAP_ON_RIGHT;
  column.cx = width < 0 ? -width : width;
  column.iImage = -1;
  column.pszText = const_cast<char*>(caption.c_str());
  const auto index = static_cast<int32_t>(SendColumn(lv, LVM_INSERTCOLUMNA, lv->ColumnCount, column));
  if (index >= 0) ++lv->ColumnCount;
  return index;
}

std::string ListGetColumnCaption(TListView* lv, int32_t col) {
  char buffer[kCaptionBufferSize] = {};
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT;
  column.pszText = buffer;
  column.cchTextMax = kCaptionBufferSize;
  if (!SendColumn(lv, LVM_GETCOLUMNA, col, column) || !column.pszText) return std::string();
  return std::string(column.pszText, strnlen(column.pszText, kCaptionBufferSize - 1));
}

void ListSetColumnCaption(TListView* lv, int32_t col, const std::string& text) {
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT;
  column.pszText = const_cast<char*>(text.c_str());
  SendColumn(lv, LVM_SETCOLUMNA, col, column);
}

uint8_t ListGetColumnAlign(TListView* lv, int32_t col) {
  return static_cast<uint8_t>(ColumnFormat(lv, col) & kAlignBits);
}

void ListSetColumnAlign(TListView* lv, int32_t col, uint8_t align) {
  LVCOLUMNA column{};
  column.mask = LVCF_FMT;
  column.fmt = (ColumnFormat(lv, col) & ~kAlignBits) | (align & kAlignBits);
  SendColumn(lv, LVM_SETCOLUMNA, col, column);
}

void ListSetColumnProperty(TListView* lv, int32_t col, uint32_t code, int32_t value) {
  LVCOLUMNA column{};
  column.mask = code & 0xFFFF;
  switch (code >> 16) {
    case 4: column.fmt = value; break;
    case 8: column.cx = value; break;
    case 20: column.iSubItem = value; break;
    case 24:
      // The header shows an image only with the image format bits; the
      // alignment and the other format bits stay as they are.
      column.iImage = value;
      column.mask |= LVCF_FMT;
      column.fmt = (ColumnFormat(lv, col) & ~kImageFormat) | (value != -1 ? kImageFormat : 0);
      break;
    case 28: column.iOrder = value; break;
    default: return;  // not a field an integer can be written to
  }
  SendColumn(lv, LVM_SETCOLUMNA, col, column);
}

void ListSetColumnImage(TListView* lv, int32_t col, int32_t image) {
  ListSetColumnProperty(lv, col, kColumnPropImage, image);
}

int32_t ListGetColumnWidth(TListView* lv, int32_t col) {
  return static_cast<int32_t>(SendMessageA(lv->GetHandle(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(col), 0));
}

void ListSetColumnValue(TListView* lv, int32_t col, uint32_t code, int32_t value) {
  uint32_t msg = (code >> 16) != 0 ? code >> 16 : (code & 0xFFFF) + 1;
  msg &= 0xFFFF;
  const bool repaint = (msg & 0x8000) != 0;
  msg &= ~0x8000u;
  SendMessageA(lv->GetHandle(), msg, static_cast<WPARAM>(col), static_cast<LPARAM>(value));
  if (repaint) lv->Invalidate();
}

void ListSetColumnWidth(TListView* lv, int32_t col, int32_t width) {
  ListSetColumnValue(lv, col, LVM_GETCOLUMNWIDTH, width);
}
