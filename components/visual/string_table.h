// TvmStringTableMT: a table of text in a report-view list view, its column
// header built from a column template. Rows come in as row lines, which the
// table splits at Separator into the cells of a row, and go out the same way,
// joined with Separator. Other components reach the content through two data
// outputs that stay valid for the table's whole life: an array (one row line
// per row) and a matrix (one text per cell). Cells are edited in place by the
// toolkit's cell editor when CellEditor is set.
//
// The cell texts live in the list view only: every access is a list-view
// message, so appending a row costs the same however long the table is.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "components/visual/string_table_lines.h"
#include "components/visual/vm_win.h"
#include "core/data.h"
#include "core/event.h"
#include "toolkit/colors.h"
#include "toolkit/list_view.h"

class TImageList;
class TListView;
class TStrList;
struct TRowEdit;

// Where SelectRow scrolls the row to.
enum : uint8_t { kScrollAnyVisible = 0, kScrollTop = 1, kScrollMiddle = 2, kScrollBottom = 3 };
// What OnColumnClick carries.
enum : uint8_t { kColumnClickCaption = 0, kColumnClickIndex = 1 };

class TvmStringTableMT : public TVMWin {
 public:
  // --- Properties (set before Init) ------------------------------------------------
  TStrList* Columns = nullptr;  // column template, one line per column
  TStrList* Items = nullptr;    // row lines loaded by Init when LoadItems is set
  char Separator = ',';
  char ColorSeparator = '#';
  int32_t ColumnWidth = 80;   // for template lines without a width
  uint8_t ColumnAlign = kColumnLeft;  // for template lines without an alignment
  uint8_t ViewStyle = kViewReport;    // kViewReport, or kViewReportNoHeader
  bool SelectVisible = true;  // SelectRow scrolls the row into view
  uint8_t ScrollMode = kScrollAnyVisible;
  uint8_t ColumnClickMode = kColumnClickCaption;
  bool CellColors = false;    // row lines carry a colour field
  bool RowImages = false;     // row lines carry an image index
  bool ColumnImages = false;  // template image fields reach the header
  bool ExportPrefix = false;  // row lines given out carry image and colour fields too
  bool LoadItems = false;
  bool CellEditor = true;     // cells are edited in place
  bool ClickSelected = true;  // OnClick is fired
  uint8_t ImageSize = 16;     // 0: the system's icon width
  int32_t ImageBackColor = ComponentSystemColor(kSysMenu);
  bool GridLines = true;
  bool RowSelect = true;
  bool CheckBoxes = false;
  bool TrackSelect = false;
  bool HeaderDragDrop = false;
  bool MultiSelect = false;
  bool InfoTip = true;
  bool DoubleBuffered = false;
  int32_t TextColor = ComponentSystemColor(kSysWindowText);
  int32_t TextBackColor = ComponentSystemColor(kSysWindow);
  int32_t BackColor = ComponentSystemColor(kSysWindow);
  int32_t SelectionColor = ComponentSystemColor(kSysHighlight);
  int32_t ShadowColor = ComponentSystemColor(kSysHighlightText);
  bool CustomDraw = false;  // the table paints the cells itself
  bool CellCursor = true;
  bool CursorBox = false;
  bool Gradient = false;
  bool SingleLine = false;
  bool EdgeStyle = false;
  bool EdgeSunken = false;
  bool TextShadow = false;
  // Insert adds an empty row below the current one and starts editing it;
  // Ctrl+Delete removes the current row. Both are reported as edits.
  bool RowKeys = false;
  std::string RefusedChars;  // see SetRefusedChars

  // --- State --------------------------------------------------------------------------
  TImageList* SmallImages = nullptr;   // made by Init when RowImages is set
  TImageList* NormalImages = nullptr;  // given by the schema, if at all
  bool UseNormalImages = false;        // hands NormalImages to the list view
  int32_t RowAtPress = -1;             // the selected row when a mouse button went down
  int32_t CursorColumn = 0;            // the cell cursor
  int32_t CursorRow = 0;

  // --- Points ---------------------------------------------------------------------------
  TVM_Event Source;         // data input: the row line for AddRow
  TVM_Event OnRowAdded;     // what is left of AddRow's value
  TVM_Event OnSelect;       // Integer: the row that became focused or selected
  TVM_Event OnClick;        // Integer: the clicked row
  TVM_Event OnColumnClick;  // the column's caption, or its index
  TVM_Event OnCheck;        // the row, then 1 checked or 0 unchecked
  TVM_Event OnCellCursor;   // the cell cursor moved
  TVM_Event OnEditRequest;  // X, Y, width, height of the cell to edit
  TVM_Event OnEditStart;    // Integer: the row whose editing starts
  TVM_Event OnCellChanged;  // Integer: the row the cell editor wrote back, or whose edit was undone or redone
  TVM_Event OnRowInserted;  // Integer: the row inserted by the user, or by undo or redo
  TVM_Event OnRowDeleted;   // Integer: the row removed by the user, or by undo or redo
  // String: after AddRow, the row line of the added row as the table holds
  // it (what Array reads back), fired before OnRowAdded; so a follower
  // learns the row without reading the table. Only when connected.
  TVM_Event OnRowStored;
  // String: a change the user made (an edited row whose cells differ
  // afterwards, an inserted or a removed row, the rows of AddRows,
  // ChangeRows or ReplaceRows), packed as an edit record (row_edit.h). UndoEdit and
  // RedoEdit take it back.
  TVM_Event OnEdit;

  explicit TvmStringTableMT(TControl* parent);
  ~TvmStringTableMT() override;

  // Property setters: templates and item lists as text with CR LF between
  // lines; separators from the first character of a text.
  void SetColumns(const std::string& text);
  void SetItems(const std::string& text);
  void SetSeparator(const std::string& text);       // empty: a space
  void SetColorSeparator(const std::string& text);  // empty: "#"
  // Characters the cell editor does not let into a cell (control characters
  // it never takes); applied to the list view's editor now or when created.
  void SetRefusedChars(const std::string& chars);

  // Creates the list view, builds the columns, applies the properties.
  void Init() override;

  // Keeps the widths of the columns under `key` of an ini file's section
  // (`store` "file.ini\\section"), as "80,120,…": the stored ones are taken
  // at once (after Init), the widths of the moment are stored when the
  // list view's window goes.
  void KeepColumnWidths(const std::string& store, const std::string& key);
  bool MessageHandler(TMsg& msg, LRESULT& result) override;

  // Actions.
  void AddRow(TData& data, uint16_t index);
  void SelectRow(TData& data, uint16_t index);
  // String: row lines separated by CR LF (a last line without its end
  // counts; an empty text adds nothing). Appends each as AddRow does, with
  // OnRowStored per row, and reports them all as one change.
  void AddRows(TData& data, uint16_t index);
  // String: a packed Cells edit or a batch of them. The rows take the After
  // cells, each changed row fires OnCellChanged, and the whole is reported
  // as one change (its Before cells as the rows held them). A record that
  // does not fit the table (a row not there, an edit that is no cell edit)
  // changes nothing.
  void ChangeRows(TData& data, uint16_t index);
  // String: row lines as for AddRows. They become the table's rows, in
  // place of every row it held: each removed row fires OnRowDeleted, each
  // new one OnRowInserted, and the whole is reported as one change. Rows
  // the table holds already change nothing.
  void ReplaceRows(TData& data, uint16_t index);
  // Reverse or repeat a change reported by OnEdit (the value is its record);
  // a batch is undone from its last edit back and redone from its first.
  void UndoEdit(TData& data, uint16_t index);
  void RedoEdit(TData& data, uint16_t index);
  // Removes every row, a row being edited in place with them, for a job
  // that starts anew: not reported as an edit, and no row event fires.
  void Clear(TData& data, uint16_t index);
  // Writes back the row being edited in place, if any, and reports the edit
  // at once, so that whoever reads the table next sees what the user typed.
  void CommitEdit(TData& data, uint16_t index);
  // Data outputs.
  void Array(TData& data, uint16_t index);
  void Matrix(TData& data, uint16_t index);
  // The numbers of these points, as a link to them carries them.
  static constexpr uint16_t kAddRowPoint = 0;
  static constexpr uint16_t kMatrixPoint = 2;
  static constexpr uint16_t kArrayPoint = 3;
  static constexpr uint16_t kSelectRowPoint = 5;
  static constexpr uint16_t kAddRowsPoint = 6;
  static constexpr uint16_t kChangeRowsPoint = 7;
  static constexpr uint16_t kReplaceRowsPoint = 8;
  static constexpr uint16_t kClearPoint = 9;

  // The list view, null before Init and after its window destroyed it.
  TListView* ListView() const;
  int32_t RowCount() const;
  int32_t ColumnCount() const;
  // Row writer: inserts (-1 ≤ index ≤ rows; -1 appends) or replaces
  // (0 ≤ index < rows) a row from a row line; other indexes do nothing.
  void WriteRow(const std::string& line, int32_t index, bool replace);
  // The same from a parsed line; false when no row was written.
  bool WriteFields(const TRowFields& fields, int32_t index, bool replace);
  TRowFields ParseLine(const std::string& line) const;
  // The row line of a row holding these values, as RowLine gives it.
  std::string FormatRowLine(const TRowFields& fields) const;
  // The image and colour fields a row line starts with, when exported.
  std::string LinePrefix(int32_t image, uint32_t colorValue) const;
  // Row reader: the row line of a row (index not checked).
  std::string RowLine(int32_t row) const;

  // What the row keys do.
  void InsertRowBelowCurrent();
  void DeleteCurrentRow();

  void MouseDown(TMouseEventData& mouse) override;

 private:
  std::string WidthStore;  // see KeepColumnWidths
  std::string WidthKey;
  void StoreColumnWidths();

  // The cells of each row whose editing started and has not been reported
  // back yet, oldest first. A new edit of a row can start before the end of
  // the previous one is reported (the report is posted), so one row may be
  // here twice.
  std::vector<std::pair<int32_t, std::vector<std::string>>> EditSnapshots;
  TArrayAccess ArrayAccess;    // published by Array for the table's whole life
  TMatrixAccess MatrixAccess;  // published by Matrix likewise

  uint32_t ListOptions() const;
  void CreateSmallImages();
  void CreateList();
  void BuildColumns();
  void ScrollToRow(int32_t row);

  // Array and matrix access.
  int32_t ArrayCount();
  bool ArrayGet(TData& index, TData& result);
  void ArraySet(TData& index, TData& value);
  void ArrayAdd(TData& value);
  int32_t MatrixRows();
  int32_t MatrixCols();
  void MatrixGet(int32_t x, int32_t y, TData& result);
  void MatrixSet(int32_t x, int32_t y, TData& value);

  // List view events (string_table_events.cpp).
  void ListClicked(TControl* sender);
  void ListColumnClicked(TControl* sender, int32_t column);
  void ListStateChanged(TControl* sender, int32_t fromRow, int32_t toRow, uint32_t oldState,
                        uint32_t newState);
  void EditStarted(TControl* sender, int32_t row);
  void CellChanged(TControl* sender, int32_t row);
  bool CellCursorMessage(TControl* sender, TMsg& msg, LRESULT& result);
  void MoveCursor(int32_t row, int32_t column);
  void RequestEdit();
  void DetachFromList();

  // Rows as cells (string_table_rows.cpp): unlike row lines, cells keep any
  // separator typed into them.
  std::vector<std::string> RowCells(int32_t row) const;
  // Writes the cells that differ from `current` (what the row holds); true
  // when one did.
  bool PutChangedCells(int32_t row, const std::vector<std::string>& current,
                       const std::vector<std::string>& cells);
  bool InsertRowCells(int32_t row, const std::vector<std::string>& cells);
  bool RemoveRow(int32_t row);
  void ShowRow(int32_t row);
  void ApplyEdit(const std::string& record, bool undo);
  // One edit that is no batch, with its row's event; false when it does not
  // fit the table. `show` makes the row current first.
  bool ApplyRowEdit(const TRowEdit& edit, bool undo, bool show);
  void ReportEditedCells(int32_t row);
  bool RowKeyMessage(TControl* sender, TMsg& msg, LRESULT& result);

  // Custom drawing (string_table_draw.cpp).
  LRESULT DrawList(TControl* sender, HDC dc, uint32_t stage, int32_t row, int32_t column,
                   uint32_t rowState, const RECT& rect, COLORREF& textColor, COLORREF& textBkColor);
  void RowColors(int32_t row, COLORREF& text, COLORREF& back) const;
  void PaintCell(HDC dc, int32_t row, int32_t column, uint32_t rowState);
};
