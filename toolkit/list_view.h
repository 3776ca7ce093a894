// The list view: a TControl of the native class "SysListView32". Every table
// of the editor is one, in report view with one column per field. The cell
// texts live in the native control only; the toolkit keeps no copy of them,
// so every row and cell operation is a list-view message.
//
// Row and column indexes count from 0; -1 means "no row" or "no column".
// Operations that need the native control create the window when it does not
// exist yet (see TControl::GetHandle).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "toolkit/control.h"

class TImageList;
class TListEdit;

// View styles.
enum : uint8_t {
  kViewIcons = 0,
  kViewSmallIcons = 1,
  kViewList = 2,
  kViewReport = 3,
  kViewReportNoHeader = 4,
};

// List options: bit numbers of the option set given at creation.
enum : uint32_t {
  kListAlignLeft = 1u << 0,
  kListAutoArrange = 1u << 1,
  kListOwnerDraw = 1u << 2,
  kListEditLabels = 1u << 3,
  kListNoLabelWrap = 1u << 4,
  kListNoScroll = 1u << 5,
  kListNoSortHeader = 1u << 6,
  kListHideSelection = 1u << 7,  // absent: the selection shows without focus
  kListMultiSelect = 1u << 8,    // absent: one selected row at most
  kListSortAscending = 1u << 9,
  kListSortDescending = 1u << 10,
  kListGridLines = 1u << 11,
  kListSubItemImages = 1u << 12,
  kListCheckBoxes = 1u << 13,
  kListTrackSelect = 1u << 14,
  kListHeaderDragDrop = 1u << 15,
  kListFullRowSelect = 1u << 16,
  kListOneClickActivate = 1u << 17,
  kListTwoClickActivate = 1u << 18,
  kListFlatScrollBars = 1u << 19,
  kListRegional = 1u << 20,
  kListInfoTip = 1u << 21,
  kListUnderlineHot = 1u << 22,
  kListMultiWorkAreas = 1u << 23,
  kListOwnerData = 1u << 24,
  kListOwnerDrawFixed = 1u << 25,
};

// Column alignment (the low two bits of the native column format).
enum : uint8_t { kColumnLeft = 0, kColumnRight = 1, kColumnCenter = 2 };

// ListSetColumnProperty codes: the high 16 bits name the field by its offset
// in the classic 32-bit column record, the low 16 bits are the record mask.
enum : uint32_t {
  kColumnPropFormat = 0x00040001,
  kColumnPropWidth = 0x00080002,
  kColumnPropSubItem = 0x00140008,
  kColumnPropImage = 0x00180010,
  kColumnPropOrder = 0x001C0020,
};

// ListSetColor targets: the colour-get messages; the set message is one more.
enum : uint32_t {
  kListBackground = 0x1000,     // stored in Color
  kListText = 0x1023,           // stored in FontColor
  kListTextBackground = 0x1025, // stored in TextBkColor
};

// ListGetRowRect parts.
enum : int32_t { kRowWhole = 0, kRowIcon = 1, kRowLabel = 2, kRowSelectBounds = 3 };

// Row states in OnCustomDraw's rowState.
enum : uint32_t {
  kDrawSelected = 0x0001,
  kDrawCut = 0x0002,
  kDrawFocused = 0x0010,
  kDrawDropHilited = 0x2000,
};

class TListView : public TControl {
 public:
  int32_t TextBkColor = SystemColor(kSysWindow);
  uint32_t ListOptions = 0;
  uint8_t ViewStyle = kViewIcons;
  int32_t ColumnCount = 0;  // columns inserted through ListAddColumn
  // Normal (32-pixel), small (16-pixel) and state images; each may be null.
  // The list view holds each one, so a list freed elsewhere stays valid
  // until the list view lets it go.
  TImageList* ImageLists[3] = {};
  TListEdit* CellEditor = nullptr;  // the attached cell editor, freed with the list view
  uint8_t RedrawDeferred = 0;  // painting waits until the current message is handled
  // Some row may hold a cut or drop-highlight bit: set by any message that
  // gives a row one of them, cleared when setting the current row has
  // cleared them all. Only programs set these bits, never the user.
  uint8_t RowsMayBeMarked = 0;

 protected:
  ~TListView() override;
};

// Posted to the list view to switch its painting back on after rows were
// added (see ListInsertRow).
enum : UINT { kMsgResumeRedraw = 0xB010 };

// Creates the list view object inside `parent` (window not yet created):
// report of the view style and option set, 200 x 150, only Tab leaves it.
TListView* CreateListViewControl(TControl* parent, uint8_t viewStyle, uint32_t listOptions,
                                 TImageList* normalImages = nullptr, TImageList* smallImages = nullptr,
                                 TImageList* stateImages = nullptr);

// Window style bits of a view style and of an option set; extended
// list-view style bits of an option set.
uint32_t ViewStyleBits(uint8_t viewStyle);
uint32_t ListOptionStyles(uint32_t listOptions);
uint32_t ListOptionExStyles(uint32_t listOptions);

// --- Rows and cells (list_view_cells.cpp) -------------------------------------
int32_t ListRowCount(TListView* lv);
// The first selected row, or -1.
int32_t ListCurrentRow(TListView* lv);
// Selects and focuses `row` alone; -1 clears the selection.
void ListSetCurrentRow(TListView* lv, int32_t row);
void ListEnsureVisible(TListView* lv, int32_t row, bool partialOk);
// Inserts a row whose first cell is `text`; returns its index (-1 on failure).
// Rows usually come in bursts (a whole file within one message), so the
// control stops repainting and recomputing its scroll bars at the first
// insert and resumes once the message loop is back (or when something needs
// the scroll position).
int32_t ListInsertRow(TListView* lv, int32_t row, const std::string& text);
// Sets a cell's text; for column 0 also the row's image (-2 or below: keep),
// state flags (LVIS_CUT, LVIS_DROPHILITED, LVIS_FOCUSED, LVIS_SELECTED),
// state image and overlay image (0: none, negative: keep) and data value.
void ListSetCell(TListView* lv, int32_t row, int32_t col, const std::string& text, int32_t image = -2,
                 uint32_t stateFlags = 0, int32_t stateImage = -1, int32_t overlayImage = -1,
                 int32_t data = 0);
void ListSetCellText(TListView* lv, int32_t row, int32_t col, const std::string& text);
// The whole text of a cell, however long.
std::string ListGetCellText(TListView* lv, int32_t row, int32_t col);
int32_t ListGetRowImage(TListView* lv, int32_t row);
int32_t ListGetRowData(TListView* lv, int32_t row);
// LVIS_FOCUSED, LVIS_SELECTED, LVIS_CUT and LVIS_DROPHILITED of the row.
uint32_t ListGetRowState(TListView* lv, int32_t row);
// An all-zero rectangle when the row has none.
RECT ListGetRowRect(TListView* lv, int32_t row, int32_t part);
// The cell's rectangle in list-view client coordinates; built from the
// header when the list view cannot tell it.
RECT ListGetCellRect(TListView* lv, int32_t row, int32_t col);
// Removes every row.
void ListClear(TListView* lv);
// Removes one row; false when there is no such row.
bool ListDeleteRow(TListView* lv, int32_t row);

// --- Columns (list_view_columns.cpp) --------------------------------------------
// Appends a column; a negative width means its absolute value with the
// header image on the right. Returns the column's index, or a negative value
// when the list view refused it (then ColumnCount stays).
int32_t ListAddColumn(TListView* lv, const std::string& caption, int32_t width, uint8_t align);
// At most 4095 characters.
std::string ListGetColumnCaption(TListView* lv, int32_t col);
void ListSetColumnCaption(TListView* lv, int32_t col, const std::string& text);
uint8_t ListGetColumnAlign(TListView* lv, int32_t col);
void ListSetColumnAlign(TListView* lv, int32_t col, uint8_t align);
// Sets one field of the column (kColumnProp... codes).
void ListSetColumnProperty(TListView* lv, int32_t col, uint32_t code, int32_t value);
// Shows image `image` in the column's header; -1 removes it.
void ListSetColumnImage(TListView* lv, int32_t col, int32_t image);
int32_t ListGetColumnWidth(TListView* lv, int32_t col);
// Sends a column message: the high 16 bits of code, or else its low 16 bits
// + 1 (the set message after a get message); bit 0x8000 of the message asks
// for a repaint afterwards.
void ListSetColumnValue(TListView* lv, int32_t col, uint32_t code, int32_t value);
void ListSetColumnWidth(TListView* lv, int32_t col, int32_t width);

// --- Appearance (list_view.cpp) ---------------------------------------------------
// kListBackground, kListText or kListTextBackground. Stored, and sent when
// the window exists (a window created later gets the stored colours).
void ListSetColor(TListView* lv, uint32_t which, int32_t color);
void ListSetViewStyle(TListView* lv, uint8_t style);
// Stops painting and scroll-bar updates until the message loop is back (a
// resume message is posted), or until ListResumeRedraw.
void ListDeferRedraw(TListView* lv);
// Painting and scroll bars are brought up to date now if they were deferred.
void ListResumeRedraw(TListView* lv);
// With full row select on, the platform's control measures a row for every
// cell text set, painting deferred or not: many texts set at once are set
// with it suspended. The list's own option is put back on resuming.
void ListSuspendFullRowSelect(TListView* lv, bool suspended);

// --- Events that are attached when set (list_view.cpp) ----------------------------
void SetOnColumnClick(TListView* lv, TColumnClickEvent handler);
void SetOnItemStateChanged(TListView* lv, TItemStateEvent handler);
void SetOnCustomDraw(TListView* lv, TCustomDrawEvent handler);
