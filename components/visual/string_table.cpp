// The string table: construction, initialisation and columns, the row writer
// and reader, the actions and the array and matrix access.
#include "components/visual/string_table.h"

#include <commctrl.h>

#include <algorithm>

#include "components/visual/string_table_lines.h"
#include "core/convert.h"
#include "toolkit/image_list.h"
#include "toolkit/ini_file.h"
#include "toolkit/list_edit.h"
#include "toolkit/list_view.h"
#include "toolkit/paint.h"
#include "toolkit/str_list.h"

namespace {

constexpr int32_t kWidestColumn = 10000;

}  // namespace

TvmStringTableMT::TvmStringTableMT(TControl* parent) : TVMWin(parent) {
  Columns = CreateStrList();
  Items = CreateStrList();
  ArrayAccess.Set = MakeMethod<&TvmStringTableMT::ArraySet>(this);
  ArrayAccess.Get = MakeMethod<&TvmStringTableMT::ArrayGet>(this);
  ArrayAccess.Count = MakeMethod<&TvmStringTableMT::ArrayCount>(this);
  ArrayAccess.Add = MakeMethod<&TvmStringTableMT::ArrayAdd>(this);
  MatrixAccess.Set = MakeMethod<&TvmStringTableMT::MatrixSet>(this);
  MatrixAccess.Get = MakeMethod<&TvmStringTableMT::MatrixGet>(this);
  MatrixAccess.Rows = MakeMethod<&TvmStringTableMT::MatrixRows>(this);
  MatrixAccess.Cols = MakeMethod<&TvmStringTableMT::MatrixCols>(this);
}

TvmStringTableMT::~TvmStringTableMT() {
  DetachFromList();
  FreeObj(Columns);
  FreeObj(Items);
  // The list view holds the image lists it shows, so they stay valid until
  // it lets them go.
  FreeObj(SmallImages);
}

void TvmStringTableMT::SetColumns(const std::string& text) { Columns->SetText(text); }

void TvmStringTableMT::KeepColumnWidths(const std::string& store, const std::string& key) {
  WidthStore = store;
  WidthKey = key;
  TListView* lv = ListView();
  if (!lv || store.empty()) return;
  TIniFile* ini = OpenPositionIni(store);
  const std::string widths = ini->ValueString(key, "");
  ini->Free();
  size_t at = 0;
  for (int32_t column = 0; column < lv->ColumnCount && at <= widths.size(); ++column) {
    const size_t comma = std::min(widths.find(',', at), widths.size());
    const int32_t width = TextToInt(widths.substr(at, comma - at));
    // A width that makes no sense (not a number, wider than any screen) is not taken.
    if (width > 0 && width <= kWidestColumn) ListSetColumnWidth(lv, column, width);
    at = comma + 1;
  }
}

void TvmStringTableMT::StoreColumnWidths() {
  TListView* lv = ListView();
  if (!lv || WidthStore.empty()) return;
  std::string widths;
  for (int32_t i = 0; i < lv->ColumnCount; ++i) widths += (i ? "," : "") + IntToText(ListGetColumnWidth(lv, i));
  TIniFile* ini = OpenPositionIni(WidthStore);
  CreateIniFolder(ini->FileName);
  ini->Mode = kIniWriting;
  ini->ValueString(WidthKey, widths);
  ini->Free();
}

bool TvmStringTableMT::MessageHandler(TMsg& msg, LRESULT& result) {
  if (msg.Message == WM_DESTROY) StoreColumnWidths();
  return TVMWin::MessageHandler(msg, result);
}

void TvmStringTableMT::SetItems(const std::string& text) { Items->SetText(text); }

void TvmStringTableMT::SetSeparator(const std::string& text) { Separator = text.empty() ? ' ' : text[0]; }

void TvmStringTableMT::SetColorSeparator(const std::string& text) {
  ColorSeparator = text.empty() ? '#' : text[0];
}

TListView* TvmStringTableMT::ListView() const { return static_cast<TListView*>(Control); }

int32_t TvmStringTableMT::RowCount() const { return ListView() ? ListRowCount(ListView()) : 0; }

int32_t TvmStringTableMT::ColumnCount() const { return ListView() ? ListView()->ColumnCount : 0; }

// --- Initialisation ---------------------------------------------------------------

uint32_t TvmStringTableMT::ListOptions() const {
  uint32_t options = kListAutoArrange | kListUnderlineHot;
  if (GridLines) options |= kListGridLines;
  if (RowSelect) options |= kListFullRowSelect;
  if (CheckBoxes) options |= kListCheckBoxes;
  if (TrackSelect) options |= kListTrackSelect;
  if (HeaderDragDrop) options |= kListHeaderDragDrop;
  if (MultiSelect) options |= kListMultiSelect;
  if (InfoTip) options |= kListInfoTip;
  if (Flat) options |= kListFlatScrollBars;
  return options;
}

void TvmStringTableMT::CreateSmallImages() {
  if (!RowImages || SmallImages) return;
  const int32_t size = ImageSize != 0 ? ImageSize : GetSystemMetrics(SM_CXICON);
  SmallImages = CreateImageList(nullptr);
  ImageListSetBkColor(SmallImages, ImageBackColor);
  ImageListSetWidth(SmallImages, size);
  ImageListSetHeight(SmallImages, size);
}

void TvmStringTableMT::SetRefusedChars(const std::string& chars) {
  RefusedChars = chars;
  if (TListView* lv = ListView())
    if (lv->CellEditor) lv->CellEditor->RefusedChars = chars;
}

void TvmStringTableMT::CreateList() {
  TImageList* normal = UseNormalImages ? NormalImages : nullptr;
  TListView* lv;
  if (CellEditor) {
    lv = CreateEditableListView(Parent, ViewStyle, ListOptions(), MakeMethod<&TvmStringTableMT::EditStarted>(this),
                                MakeMethod<&TvmStringTableMT::CellChanged>(this), normal, SmallImages);
    if (lv->CellEditor) lv->CellEditor->RefusedChars = RefusedChars;
  } else {
    lv = CreateListViewControl(Parent, ViewStyle, ListOptions(), normal, SmallImages);
  }
  AdoptControl(lv);
  lv->AttachMessageHandler(MakeMethod<&TvmStringTableMT::CellCursorMessage>(this));
  lv->AttachMessageHandler(MakeMethod<&TvmStringTableMT::RowKeyMessage>(this));
  SetOnColumnClick(lv, MakeMethod<&TvmStringTableMT::ListColumnClicked>(this));
  lv->OnClick = MakeMethod<&TvmStringTableMT::ListClicked>(this);
  SetOnItemStateChanged(lv, MakeMethod<&TvmStringTableMT::ListStateChanged>(this));
  SetOnCustomDraw(lv, MakeMethod<&TvmStringTableMT::DrawList>(this));
}

void TvmStringTableMT::Init() {
  if (Control || !Parent) return;  // initialised once, inside its form
  CreateSmallImages();
  CreateList();
  BuildColumns();
  TVMWin::Init();
  TListView* lv = ListView();
  if (!lv) return;
  ListSetColor(lv, kListText, TextColor);
  ListSetColor(lv, kListTextBackground, TextBackColor);
  ListSetColor(lv, kListBackground, BackColor);
  ListSetViewStyle(lv, ViewStyle);
  if (DoubleBuffered) SetDoubleBuffered(lv, true);
  if (LoadItems) {
    for (int32_t i = 0; i < Items->Count; ++i) WriteRow(Items->Get(i), -1, false);
  }
  lv->Invalidate();
}

// Adds one column per template line and writes every line back in full, so
// that the template states each column's actual settings.
void TvmStringTableMT::BuildColumns() {
  TListView* lv = ListView();
  const bool images = ColumnImages && SmallImages && ImageListCount(SmallImages) > 0;
  lv->BeginUpdate();
  for (int32_t i = 0; i < Columns->Count; ++i) {
    TColumnTemplate column = ParseColumnTemplate(Columns->Get(i));
    const int32_t col = ListAddColumn(lv, column.Caption, ColumnWidth, ColumnAlign);
    if (col < 0) continue;  // refused by the list view: the line stays as given
    if (!column.Width.empty()) ListSetColumnWidth(lv, col, TextToInt(column.Width));
    else column.Width = IntToText(ColumnWidth);
    if (images) ListSetColumnImage(lv, col, TextToInt(column.Image));
    if (!column.Align.empty()) {
      ListSetColumnAlign(lv, col, static_cast<uint8_t>(TextToInt(column.Align)));
    } else {
      // The list view may keep another alignment than asked (a first column
      // is often kept left-aligned): the template records the real one.
      column.Align = IntToText(ListGetColumnAlign(lv, col));
    }
    Columns->Put(i, FormatColumnTemplate(column));
  }
  lv->EndUpdate();
}

// --- Rows --------------------------------------------------------------------------

void TvmStringTableMT::WriteRow(const std::string& line, int32_t index, bool replace) {
  WriteFields(ParseLine(line), index, replace);
}

TRowFields TvmStringTableMT::ParseLine(const std::string& line) const {
  return ParseRowLine(line, Separator, SmallImages != nullptr, CellColors, ColorSeparator);
}

bool TvmStringTableMT::WriteFields(const TRowFields& fields, int32_t index, bool replace) {
  TListView* lv = ListView();
  if (!lv) return false;
  // Appending needs no row count: the list view puts a row asked for past
  // its end at the end. Every list-view message counts when a job file
  // brings tens of thousands of rows.
  const bool append = !replace && index == -1;
  if (!append) {
    const int32_t rows = ListRowCount(lv);
    if (replace ? (index < 0 || index >= rows) : (index < 0 || index > rows)) return false;
  }
  size_t firstCell = 0;
  if (!replace) {
    // A new row without image and colour takes its first cell with the
    // insertion itself; otherwise it starts empty and gets them below.
    const bool plain = !SmallImages && !CellColors;
    index = ListInsertRow(lv, append ? INT32_MAX : index, plain ? fields.Cells[0] : std::string());
    if (index < 0) return false;
    if (plain) firstCell = 1;
  }
  const int32_t image = SmallImages ? fields.Image : -2;
  const auto data = static_cast<int32_t>(fields.ColorValue);
  for (size_t c = firstCell; c < fields.Cells.size(); ++c)
    ListSetCell(lv, index, static_cast<int32_t>(c), fields.Cells[c], image, 0, -1, -1, data);
  return true;
}

std::string TvmStringTableMT::LinePrefix(int32_t image, uint32_t colorValue) const {
  std::string prefix;
  if (SmallImages && ExportPrefix) prefix += IntToText(image) + Separator;
  if (CellColors && ExportPrefix) prefix += FormatColorField(colorValue, ColorSeparator) + Separator;
  return prefix;
}

// The list view keeps a cell only for each of its columns: those past the
// last are dropped, missing ones are empty.
std::string TvmStringTableMT::FormatRowLine(const TRowFields& fields) const {
  std::string line = LinePrefix(fields.Image, fields.ColorValue);
  for (int32_t c = 0; c < ColumnCount(); ++c) {
    if (c > 0) line += Separator;
    if (static_cast<size_t>(c) < fields.Cells.size()) line += fields.Cells[static_cast<size_t>(c)];
  }
  return line;
}

// Read for every row by a save or a search: the cells go straight into the
// line.
std::string TvmStringTableMT::RowLine(int32_t row) const {
  TListView* lv = ListView();
  if (!lv) return std::string();
  const bool prefix = ExportPrefix && (SmallImages || CellColors);
  std::string line = prefix ? LinePrefix(SmallImages ? ListGetRowImage(lv, row) : 0,
                                         CellColors ? static_cast<uint32_t>(ListGetRowData(lv, row)) : 0)
                            : std::string();
  for (int32_t c = 0; c < lv->ColumnCount; ++c) {
    if (c > 0) line += Separator;
    line += ListGetCellText(lv, row, c);
  }
  return line;
}

// --- Actions -------------------------------------------------------------------------

void TvmStringTableMT::AddRow(TData& data, uint16_t index) {
  const TRowFields fields = ParseLine(FetchStr(data, Source, std::string()));
  if (WriteFields(fields, -1, false) && OnRowStored.Code) FireStr(OnRowStored, FormatRowLine(fields));
  ForwardData(data, OnRowAdded);
}

void TvmStringTableMT::SelectRow(TData& data, uint16_t index) {
  TListView* lv = ListView();
  if (!lv) return;
  const int32_t row = ValueToInt(data);
  ListSetCurrentRow(lv, row);
  // A negative row only clears the selection.
  if (SelectVisible && row >= 0) ScrollToRow(row);
}

namespace {

// min(row + rows, last), also for a row number near the integer limit.
int32_t Below(int32_t row, int32_t rows, int32_t last) {
  return static_cast<int32_t>(std::min<int64_t>(int64_t{row} + rows, last));
}

}  // namespace

void TvmStringTableMT::ScrollToRow(int32_t row) {
  TListView* lv = ListView();
  if (ViewStyle != kViewReport && ViewStyle != kViewReportNoHeader) {
    ListEnsureVisible(lv, row, false);
    return;
  }
  const int32_t page = static_cast<int32_t>(SendMessageA(lv->GetHandle(), LVM_GETCOUNTPERPAGE, 0, 0));
  const int32_t last = ListRowCount(lv) - 1;
  switch (ScrollMode) {
    case kScrollTop: {
      const int32_t end = Below(row, page, last);
      ListEnsureVisible(lv, end, false);
      ListEnsureVisible(lv, end - page, false);
      break;
    }
    case kScrollMiddle: {
      const int32_t end = Below(row, page / 2, last);
      ListEnsureVisible(lv, end, false);
      ListEnsureVisible(lv, std::max(end - page, 0), false);
      break;
    }
    case kScrollBottom:
      ListEnsureVisible(lv, std::max(row - page, 0), false);
      ListEnsureVisible(lv, row, false);
      break;
    default:
      break;
  }
  // Near the end of the table the steps above can leave the row just below
  // the view; it is always made visible last.
  ListEnsureVisible(lv, row, false);
}

void TvmStringTableMT::Array(TData& data, uint16_t index) { SetArrayValue(data, &ArrayAccess); }

void TvmStringTableMT::Matrix(TData& data, uint16_t index) { SetMatrixValue(data, &MatrixAccess); }

// --- Array and matrix access ---------------------------------------------------------

int32_t TvmStringTableMT::ArrayCount() { return RowCount(); }

bool TvmStringTableMT::ArrayGet(TData& index, TData& result) {
  const int32_t row = ValueToIndex(index);
  if (row < 0 || row >= RowCount()) return false;
  SetStrValue(result, RowLine(row));
  return true;
}

void TvmStringTableMT::ArraySet(TData& index, TData& value) {
  const int32_t row = ValueToIndex(index);
  if (row >= 0) WriteRow(ValueToStr(value), row, true);
}

void TvmStringTableMT::ArrayAdd(TData& value) { WriteRow(ValueToStr(value), -1, false); }

int32_t TvmStringTableMT::MatrixRows() { return RowCount(); }

int32_t TvmStringTableMT::MatrixCols() { return ColumnCount(); }

void TvmStringTableMT::MatrixGet(int32_t x, int32_t y, TData& result) {
  if (x < 0 || y < 0 || y >= RowCount() || x >= ColumnCount()) {
    SetNullValue(result);
    return;
  }
  SetStrValue(result, ListGetCellText(ListView(), y, x));
}

void TvmStringTableMT::MatrixSet(int32_t x, int32_t y, TData& value) {
  if (x < 0 || y < 0 || y >= RowCount() || x >= ColumnCount()) return;
  ListSetCellText(ListView(), y, x, ValueToStr(value));
}
