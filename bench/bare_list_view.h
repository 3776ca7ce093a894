// The baseline both list benchmarks measure against: a bare report-style
// list view filled with plain list-view messages, no toolkit in between.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

inline void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

inline HWND CreateBareListView(HWND parent, RECT place, int columns) {
  HWND lv = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL |
                                LVS_AUTOARRANGE | LVS_SHAREIMAGELISTS,
                            place.left, place.top, place.right - place.left, place.bottom - place.top, parent,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(lv, LVM_SETEXTENDEDLISTVIEWSTYLE, 0x3FFF,
               LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP | LVS_EX_UNDERLINEHOT);
  for (int c = 0; c < columns; ++c) {
    std::string caption = "col" + std::to_string(c);
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH;
    column.cx = 80;
    column.pszText = caption.data();
    SendMessageA(lv, LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
  }
  return lv;
}

// One row: the first cell with the row, then the others.
inline void InsertBareRow(HWND lv, int row, const std::string* cells, int columns) {
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.pszText = const_cast<char*>(cells[0].c_str());
  SendMessageA(lv, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  for (int c = 1; c < columns; ++c) {
    item.iSubItem = c;
    item.pszText = const_cast<char*>(cells[c].c_str());
    SendMessageA(lv, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  }
}
