// The string table on a real form with the real list view and cell editor,
// driven through the live dispatcher: rows in and out as row lines, the
// array and matrix outputs, selection and clicks, editing, drawing.
#include "components/visual/string_table.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/processing/array_enum.h"
#include "components/processing/undo_journal.h"
#include "components/visual/row_edit.h"
#include "tests/components/processing/probe.h"
#include "tests/components/visual/visual_test.h"
#include "tests/support/private_desktop.h"
#include "toolkit/app_window.h"
#include "toolkit/list_edit.h"
#include "toolkit/list_view.h"
#include "toolkit/str_list.h"

namespace {

using Texts = std::vector<std::string>;

TData Str(const std::string& text) {
  TData data;
  SetStrValue(data, text);
  return data;
}

// Keys reach only the focused control, and the focus follows the foreground
// window, which test programs running side by side take from one another:
// these tests run on a desktop of their own.
class StringTableTest : public VisualTest {
 protected:
  static void SetUpTestSuite() { MoveToPrivateDesktop(); }
  void SetUp() override {
    VisualTest::SetUp();
    form_ = CreateFormWindow(nullptr, "string table form");
    form_->SetBoundsRect(RECT{20, 20, 720, 520});
    form_->VisibleSet = 1;
    form_->CreateWindowNow();
    table_ = new TvmStringTableMT(form_);
    table_->Left = 10, table_->Top = 10, table_->Width = 600, table_->Height = 300;
    table_->Font = MakeFont("MS Sans Serif", 8, 0, 0, 1);
  }
  void TearDown() override {
    delete table_;
    FreeObj(form_);
    VisualTest::TearDown();
  }
  // Initialises the table with the template and switches the network on.
  void Open(const std::string& columns) {
    table_->SetColumns(columns);
    table_->Init();
    StartDispatch();
    DispatchQueued();
  }
  void Add(const std::string& line) {
    TVM_Event add = MakeEvent<&TvmStringTableMT::AddRow>(table_);
    FireStr(add, line);
  }
  void Select(int32_t row) {
    TVM_Event select = MakeEvent<&TvmStringTableMT::SelectRow>(table_, 5);
    FireInt(select, row);
  }
  // The outputs as a linked component reads them.
  TArrayAccess* Array() {
    TVM_Event point = MakeEvent<&TvmStringTableMT::Array>(table_, 3);
    return FetchPointArray(point);
  }
  TMatrixAccess* Matrix() {
    TVM_Event point = MakeEvent<&TvmStringTableMT::Matrix>(table_, 2);
    TData answer;
    PointReader(point, answer);
    return answer.Kind == kKindMatrix ? static_cast<TMatrixAccess*>(answer.ObjValue) : nullptr;
  }
  // Array Get: the row line, or "<none>" when the answer is false.
  std::string Line(TData index) {
    TData result;
    return Array()->Get(index, result) ? ValueToStr(result) : "<none>";
  }
  Texts Cells(int32_t row) {
    Texts cells;
    for (int32_t x = 0; x < Matrix()->Cols(); ++x) {
      TData cell;
      Matrix()->Get(x, row, cell);
      cells.push_back(ValueToStr(cell));
    }
    return cells;
  }
  TListView* List() { return table_->ListView(); }
  // Keys reach the edit box that has the focus, as typed keys do (any box
  // while another program has taken the focus away).
  void PressInFocusedBox(WPARAM key) {
    HWND focus = GetFocus();
    PostMessageA(focus ? focus : List()->CellEditor->Editor(0)->Handle, WM_KEYDOWN, key, 1);
    DispatchQueued();
  }
  void Click(HWND window, int32_t x, int32_t y, bool dbl = false) {
    PostMessageA(window, dbl ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    DispatchQueued();
  }
  void ClickRow(int32_t row, int32_t x = 20) {
    RECT r = ListGetRowRect(List(), row, kRowWhole);
    Click(List()->Handle, r.left + x, (r.top + r.bottom) / 2);
  }

  TControl* form_ = nullptr;
  TvmStringTableMT* table_ = nullptr;
};

TEST_F(StringTableTest, ColumnsComeFromTheTemplateWhichIsRewrittenInFull) {
  table_->ColumnAlign = kColumnCenter;
  Open("Компонент===0\r\nX=120\r\nY==1=1\r\nZ=abc");
  ASSERT_EQ(4, List()->ColumnCount);
  EXPECT_EQ(Texts({"Компонент=80==0", "X=120==2", "Y=80=1=1", "Z=abc==2"}),
            Texts({table_->Columns->Get(0), table_->Columns->Get(1), table_->Columns->Get(2),
                   table_->Columns->Get(3)}))
      << "missing widths and alignments filled in";
  EXPECT_EQ(80, ListGetColumnWidth(List(), 0));
  EXPECT_EQ(120, ListGetColumnWidth(List(), 1));
  EXPECT_EQ(kColumnRight, ListGetColumnAlign(List(), 2));
  EXPECT_EQ(0, ListGetColumnWidth(List(), 3)) << "a width that is no number reads as 0";
}

TEST_F(StringTableTest, AddRowSplitsTheLineIntoANewLastRowAndForwardsTheRest) {
  Open("0\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10");
  TProbe added;
  table_->OnRowAdded = added.Action();
  Add("1,2,3");
  Add("a,,c");
  Add("");
  Add("\xC0\xE1\xFF,\xA8\xB8,1,2,3,4,5,6,7,8,9,10,11,12");
  EXPECT_EQ(Texts({"1", "2", "3", "", "", "", "", "", "", "", ""}), Cells(0));
  const Texts second = Cells(1);
  EXPECT_EQ(Texts({"a", "", "c"}), Texts(second.begin(), second.begin() + 3));
  EXPECT_EQ(Texts(11, ""), Cells(2));
  EXPECT_EQ("\xC0\xE1\xFF,\xA8\xB8,1,2,3,4,5,6,7,8,9", Line(IntValue(3))) << "bytes kept, extra fields dropped";
  EXPECT_EQ(std::vector<uint8_t>(4, kKindNull), added.Kinds()) << "nothing is left of a single value";

  // A chain: the first value is the row, the rest travels on.
  TData head = Str("x,y");
  head.Next = new TData(IntValue(42));
  TVM_Event add = MakeEvent<&TvmStringTableMT::AddRow>(table_);
  Fire(add, head);
  FreeValueChain(head);
  EXPECT_EQ("42", added.Texts().back());
  // A connected Source gives the line; the incoming value is only passed on.
  TProbe source;
  source.Answer = Str("from,source");
  table_->Source = source.Point();
  Add("ignored");
  EXPECT_EQ("from", Cells(5)[0]);
  EXPECT_EQ("ignored", added.Texts().back());
  EXPECT_EQ(6, Matrix()->Rows());
}

TEST_F(StringTableTest, ArrayGivesRowLinesAndIgnoresIndexesOutsideTheTable) {
  Open("A\r\nB\r\nC");
  Add("a,,c");
  TArrayAccess* array = Array();
  ASSERT_NE(nullptr, array);
  EXPECT_EQ(array, Array()) << "one record for the table's whole life";
  EXPECT_EQ(1, array->Count());
  EXPECT_EQ("a,,c", Line(Str("0")));
  for (const char* bad : {"", "abc", "1", "-1"}) EXPECT_EQ("<none>", Line(Str(bad))) << bad;
  EXPECT_EQ("<none>", Line(TData{}));

  TData index = IntValue(1), value = Str("p,q,r");
  array->Set(index, value);  // index == row count
  EXPECT_EQ(1, array->Count());
  array->Add(value);
  index = IntValue(0), value = Str("x");
  array->Set(index, value);
  EXPECT_EQ("x,,c", Line(IntValue(0))) << "cells beyond the line keep their text";
  EXPECT_EQ("p,q,r", Line(IntValue(1)));

  // The save chain walks the rows through the same output.
  TVMArrayEnum rows;
  TProbe element, done;
  rows.Array = MakeEvent<&TvmStringTableMT::Array>(table_, 3);
  rows.OnElement = element.Action();
  rows.OnEnumDone = done.Action();
  TVM_Event enumerate = MakeEvent<&TVMArrayEnum::Enumerate>(&rows);
  FireNull(enumerate);
  EXPECT_EQ(Texts({"x,,c", "p,q,r"}), element.Texts());
  EXPECT_EQ(1u, done.Count());
}

TEST_F(StringTableTest, MatrixReadsAndWritesCellsInsideTheTableOnly) {
  Open("A\r\nB");
  TMatrixAccess* matrix = Matrix();
  ASSERT_NE(nullptr, matrix);
  TData cell = Str("old");
  matrix->Get(2, 0, cell);
  EXPECT_EQ(kKindNull, cell.Kind) << "an empty table has no cells";
  Add("a,b");
  EXPECT_EQ(1, matrix->Rows());
  EXPECT_EQ(2, matrix->Cols());
  TData value = Str("\xDF");
  matrix->Set(1, 0, value);
  const std::pair<int32_t, int32_t> outside[] = {{-1, 0}, {2, 0}, {0, -1}, {0, 1}};
  for (auto [x, y] : outside) matrix->Set(x, y, value);
  EXPECT_EQ(Texts({"a", "\xDF"}), Cells(0));
  for (auto [x, y] : outside) {
    cell = Str("old");
    matrix->Get(x, y, cell);
    EXPECT_EQ(kKindNull, cell.Kind) << x << "," << y;
  }
  EXPECT_EQ(1, matrix->Rows());
}

TEST_F(StringTableTest, SeparatorsAndPrefixFieldsOfRowLines) {
  table_->SetColorSeparator("");
  EXPECT_EQ('#', table_->ColorSeparator);
  table_->SetSeparator("");
  EXPECT_EQ(' ', table_->Separator);
  table_->SetSeparator(";,");
  table_->RowImages = table_->CellColors = table_->ExportPrefix = table_->LoadItems = true;
  table_->SetItems("2;1#255;a;b\r\n;;c");
  Open("A\r\nB");
  EXPECT_EQ("2;1#255;a;b", Line(IntValue(0)));
  EXPECT_EQ("0;0#0;c;", Line(IntValue(1)));
  EXPECT_EQ(2, ListGetRowImage(List(), 0));
  EXPECT_EQ((1 << 24) + 255, ListGetRowData(List(), 0));
  table_->ExportPrefix = false;
  EXPECT_EQ("a;b", Line(IntValue(0)));
}

// A follower of the added rows learns each row from OnRowStored without
// reading the table: the text must be what the table reads back.
TEST_F(StringTableTest, OnRowStoredGivesTheLineTheTableReadsBack) {
  table_->SetSeparator(";,");
  table_->RowImages = table_->CellColors = table_->ExportPrefix = true;
  Open("A\r\nB\r\nC");
  TProbe stored;
  table_->OnRowStored = stored.Action();
  const char* const lines[] = {"2;1#255;a;b;c", "", "1;0#7;x", "0;0#0;p;q;r;s;t", "nonumber;;only"};
  for (const char* line : lines) Add(line);
  ASSERT_EQ(stored.Count(), 5u);
  for (int32_t row = 0; row < 5; ++row) EXPECT_EQ(stored.Texts()[row], Line(IntValue(row))) << row;
  table_->ExportPrefix = false;
  Add("3;0#0;u;v");
  EXPECT_EQ(stored.Texts().back(), "u;v;");
  EXPECT_EQ(stored.Texts().back(), Line(IntValue(5)));
}

TEST_F(StringTableTest, ATableWithoutColumnsGivesEmptyLines) {
  Open("");
  Add("a,b");
  EXPECT_EQ(1, Array()->Count());
  EXPECT_EQ("", Line(IntValue(0)));
  EXPECT_EQ(0, Matrix()->Cols());
  EXPECT_EQ(Texts{}, Cells(0));
}

TEST_F(StringTableTest, AccessAfterTheListViewIsGoneAnswersEmpty) {
  Open("A");
  Add("a");
  TArrayAccess* array = Array();
  TMatrixAccess* matrix = Matrix();
  form_->Free();  // takes the list view with it
  form_ = nullptr;
  EXPECT_EQ(nullptr, table_->ListView());
  EXPECT_EQ(0, array->Count());
  EXPECT_EQ("<none>", Line(IntValue(0)));
  TData cell;
  matrix->Get(0, 0, cell);
  EXPECT_EQ(kKindNull, cell.Kind);
  EXPECT_EQ(0, matrix->Rows() + matrix->Cols());
  array->Add(cell);
  Add("b");
  Select(0);
}

TEST_F(StringTableTest, SelectRowSelectsScrollsAndClears) {
  Open("A");
  for (int i = 0; i < 100; ++i) Add(std::to_string(i));
  TProbe select, click;
  table_->OnSelect = select.Action();
  table_->OnClick = click.Action();
  auto top = [&] { return static_cast<int32_t>(SendMessageA(List()->Handle, LVM_GETTOPINDEX, 0, 0)); };
  const auto page = static_cast<int32_t>(SendMessageA(List()->Handle, LVM_GETCOUNTPERPAGE, 0, 0));
  ASSERT_GT(page, 2);

  table_->ScrollMode = 1;
  Select(50);
  EXPECT_EQ(50, ListCurrentRow(List()));
  EXPECT_EQ(50, top()) << "row at the top";
  EXPECT_EQ(Texts{"50"}, select.Texts());
  EXPECT_EQ(Texts{"50"}, click.Texts());
  table_->ScrollMode = 3;
  Select(0);
  Select(60);
  EXPECT_EQ(60 - page + 1, top()) << "row at the bottom";
  table_->ScrollMode = 2;
  Select(99);
  EXPECT_EQ(99, top() + page - 1) << "the last row cannot go further up than the bottom";

  Select(-1);
  EXPECT_EQ(-1, ListCurrentRow(List()));
  Select(100);
  EXPECT_EQ(-1, ListCurrentRow(List()));
  EXPECT_EQ(Texts({"50", "0", "60", "99"}), select.Texts());
}

TEST_F(StringTableTest, ClicksOnRowsAndColumnsFireTheirEvents) {
  Open("Первый\r\nB");
  Add("a,b");
  Add("c,d");
  TProbe select, click, column;
  table_->OnSelect = select.Action();
  table_->OnClick = click.Action();
  table_->OnColumnClick = column.Action();
  Select(0);
  ClickRow(0);
  EXPECT_EQ(Texts({"0", "0"}), click.Texts()) << "selecting, then clicking the selected row";
  EXPECT_EQ(Texts({"0"}), select.Texts());
  ClickRow(1);
  EXPECT_EQ(Texts({"0", "0", "1"}), click.Texts()) << "another row: one click, from the state change";
  EXPECT_EQ(Texts({"0", "1"}), select.Texts());

  HWND header = reinterpret_cast<HWND>(SendMessageA(List()->Handle, LVM_GETHEADER, 0, 0));
  Click(header, 20, 5);
  table_->ColumnClickMode = 1;
  Click(header, 100, 5);
  EXPECT_EQ(Texts({"Первый", "1"}), column.Texts());
}

TEST_F(StringTableTest, CheckBoxChangesFireTheRowAndTheNewState) {
  table_->CheckBoxes = true;
  Open("A");
  Add("a");
  Add("b");
  std::vector<std::pair<int32_t, int32_t>> checks;
  TProbe check;
  table_->OnCheck = check.Action();
  check.Then = [&](TData& data, uint16_t) {
    checks.push_back({ValueToInt(data), data.Next ? ValueToInt(*data.Next) : -1});
  };
  ListView_SetCheckState(List()->Handle, 1, TRUE);
  ListView_SetCheckState(List()->Handle, 1, FALSE);
  EXPECT_EQ((std::vector<std::pair<int32_t, int32_t>>{{1, 1}, {1, 0}}), checks);
}

TEST_F(StringTableTest, InPlaceEditWritesTheCellsBack) {
  Open("A\r\nB");
  Add("a1,b1");
  Add("a2,b2");
  TProbe start, changed, select;
  table_->OnEditStart = start.Action();
  table_->OnCellChanged = changed.Action();
  Select(1);
  table_->OnSelect = select.Action();
  PostMessageA(List()->Handle, WM_KEYDOWN, VK_RETURN, 1);
  DispatchQueued();
  TControl* box = List()->CellEditor->Editor(1);
  ASSERT_NE(nullptr, box);
  box->SetCaption("\xED\xEE\xE2\xEE\xE5");  // "новое"
  PressInFocusedBox(VK_RETURN);
  EXPECT_EQ("a2,\xED\xEE\xE2\xEE\xE5", Line(IntValue(1)));
  EXPECT_EQ(Texts({"1"}), changed.Texts());
  EXPECT_EQ(Texts({"1", "1"}), start.Texts()) << "Enter commits and opens the row again";
  EXPECT_EQ(0u, select.Count()) << "writing the cells back selects nothing";

  List()->CellEditor->Editor(0)->SetCaption("lost");
  PressInFocusedBox(VK_ESCAPE);
  EXPECT_EQ("a2,\xED\xEE\xE2\xEE\xE5", Line(IntValue(1)));
  EXPECT_EQ(Texts({"1", "1"}), changed.Texts());
}

TEST_F(StringTableTest, CellCursorFollowsClicksAndKeysAndAsksForAnEditor) {
  table_->CellEditor = false;
  Open("A\r\nB\r\nC");
  Add("a,b,c");
  Add("d,e,f");
  TProbe moved, request;
  table_->OnCellCursor = moved.Action();
  table_->OnEditRequest = request.Action();
  std::vector<int32_t> box;
  request.Then = [&](TData& data, uint16_t) {
    for (TData* v = &data; v; v = v->Next) box.push_back(ValueToInt(*v));
  };
  ClickRow(1, 100);
  EXPECT_EQ(1, table_->CursorRow);
  EXPECT_EQ(1, table_->CursorColumn);
  for (WPARAM key : {VK_RIGHT, VK_RIGHT, VK_DOWN}) PostMessageA(List()->Handle, WM_KEYDOWN, key, 1);
  DispatchQueued();
  EXPECT_EQ(1, table_->CursorRow) << "kept inside the table";
  EXPECT_EQ(2, table_->CursorColumn);
  EXPECT_EQ(4u, moved.Count());
  PostMessageA(List()->Handle, WM_KEYDOWN, VK_F2, 1);
  DispatchQueued();
  const RECT cell = ListGetCellRect(List(), 1, 2);
  EXPECT_EQ((std::vector<int32_t>{10 + cell.left + 2, 10 + cell.top + 2, 80, cell.bottom - cell.top}), box);
}

TEST_F(StringTableTest, CustomDrawingFillsSelectionAndRowColours) {
  table_->CustomDraw = table_->CellColors = true;
  table_->CellEditor = false;
  table_->SelectionColor = 0xC80000;
  Open("A\r\nB");
  Add("0#255,a,b");
  Add("0#65280,c,d");
  Select(0);
  // Painted into a bitmap of our own, so no other window can cover it.
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 600, 300);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageA(List()->Handle, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  auto pixel = [&](int32_t row, int32_t col) {
    RECT r = ListGetCellRect(List(), row, col);
    return GetPixel(dc, r.left + 3, r.top + 3);
  };
  EXPECT_EQ(RGB(0, 0, 200), pixel(0, 0)) << "the cursor column in the selection colour";
  EXPECT_EQ(RGB(178, 178, 238), pixel(0, 1)) << "the rest of the row 70% lighter";
  EXPECT_EQ(RGB(0, 255, 0), pixel(1, 1)) << "an unselected row in its own background";
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
}

}  // namespace

namespace {

// Each change the user makes is reported as a record that undoes and redoes
// it; cells keep a typed separator through both, and a record that does not
// fit the table changes nothing.
TEST_F(StringTableTest, UserChangesAreRecordedAndUndoneAndRedone) {
  Open("A\r\nB");
  Add("a1,b1");
  Add("a2,b2");
  TProbe edits, inserted, deleted, changed;
  table_->OnEdit = edits.Action();
  table_->OnRowInserted = inserted.Action();
  table_->OnRowDeleted = deleted.Action();
  table_->OnCellChanged = changed.Action();

  Select(0);
  table_->InsertRowBelowCurrent();
  DispatchQueued();  // editing of the new row starts
  ASSERT_NE(nullptr, List()->CellEditor->Editor(0));
  EXPECT_EQ(1, ListCurrentRow(List()));
  List()->CellEditor->Editor(0)->SetCaption("x,y");
  PressInFocusedBox(VK_RETURN);
  PressInFocusedBox(VK_ESCAPE);  // unchanged: no record
  Select(2);
  table_->DeleteCurrentRow();
  EXPECT_EQ(2, table_->RowCount());
  EXPECT_EQ(Texts({"1"}), inserted.Texts());
  EXPECT_EQ(Texts({"2"}), deleted.Texts());
  const Texts records = edits.Texts();
  ASSERT_EQ(3u, records.size());
  EXPECT_EQ(PackRowEdit({TRowEditKind::Inserted, 1, {}, {"", ""}}), records[0]);
  EXPECT_EQ(PackRowEdit({TRowEditKind::Cells, 1, {"", ""}, {"x,y", ""}}), records[1]);
  EXPECT_EQ(PackRowEdit({TRowEditKind::Deleted, 2, {"a2", "b2"}, {}}), records[2]);

  TVM_Event undo = MakeEvent<&TvmStringTableMT::UndoEdit>(table_);
  TVM_Event redo = MakeEvent<&TvmStringTableMT::RedoEdit>(table_);
  changed.Calls.clear();
  for (auto record = records.rbegin(); record != records.rend(); ++record) FireStr(undo, *record);
  EXPECT_EQ(Texts({"a1", "b1"}), Cells(0));
  EXPECT_EQ(Texts({"a2", "b2"}), Cells(1));
  EXPECT_EQ(2, table_->RowCount());
  EXPECT_EQ(Texts({"1", "2"}), inserted.Texts()) << "the removed row came back";
  EXPECT_EQ(Texts({"2", "1"}), deleted.Texts()) << "the inserted row went";
  EXPECT_EQ(Texts({"1"}), changed.Texts());

  for (const std::string& record : records) FireStr(redo, record);
  EXPECT_EQ(2, table_->RowCount());
  EXPECT_EQ(Texts({"x,y", ""}), Cells(1));
  EXPECT_EQ(3u, edits.Count()) << "undo and redo are no new changes";

  FireStr(undo, PackRowEdit({TRowEditKind::Inserted, 7, {}, {"", ""}}));
  FireStr(redo, PackRowEdit({TRowEditKind::Cells, 2, {}, {"z", "z"}}));
  FireStr(undo, "not a record");
  EXPECT_EQ(2, table_->RowCount());
  EXPECT_EQ(Texts({"a1", "b1"}), Cells(0));
}

}  // namespace

namespace {

// Many rows changed at once are one change: the journal keeps one record for
// them, one undo takes them all back and one redo brings them again, every
// row with the event a change of that one row fires.
TEST_F(StringTableTest, AddRowsAndChangeRowsAreEachOneChangeForUndoAndRedo) {
  Open("A\r\nB\r\nC");
  Add("keep,1,2");
  TVMUndoJournal journal;
  journal.SetCount(1);
  journal.OnUndo[0] = MakeEvent<&TvmStringTableMT::UndoEdit>(table_);
  journal.OnRedo[0] = MakeEvent<&TvmStringTableMT::RedoEdit>(table_);
  table_->OnEdit = MakeEvent<&TVMUndoJournal::Record>(&journal);
  TVM_Event undo = MakeEvent<&TVMUndoJournal::Undo>(&journal);
  TVM_Event redo = MakeEvent<&TVMUndoJournal::Redo>(&journal);
  TProbe stored, inserted, deleted, changed;
  table_->OnRowStored = stored.Action();
  table_->OnRowInserted = inserted.Action();
  table_->OnRowDeleted = deleted.Action();
  table_->OnCellChanged = changed.Action();
  auto rows = [&](int32_t from) {
    std::vector<Texts> cells;
    for (int32_t row = from; row < table_->RowCount(); ++row) cells.push_back(Cells(row));
    return cells;
  };

  TVM_Event addRows = MakeEvent<&TvmStringTableMT::AddRows>(table_, TvmStringTableMT::kAddRowsPoint);
  FireStr(addRows, "a,b,c\r\n\r\nx,,z,extra\r\nlast");
  FireStr(addRows, "");
  const std::vector<Texts> added = {{"a", "b", "c"}, {"", "", ""}, {"x", "", "z"}, {"last", "", ""}};
  EXPECT_EQ(added, rows(1));
  EXPECT_EQ(Texts({"a,b,c", ",,", "x,,z", "last,,"}), stored.Texts()) << "each row as AddRow reports it";
  EXPECT_EQ(1u, journal.UndoCount());
  FireNull(undo);
  EXPECT_EQ((std::vector<Texts>{{"keep", "1", "2"}}), rows(0));
  EXPECT_EQ(Texts({"4", "3", "2", "1"}), deleted.Texts());
  FireNull(redo);
  EXPECT_EQ(added, rows(1));
  EXPECT_EQ(Texts({"1", "2", "3", "4"}), inserted.Texts());

  // Rows 1 and 3 change, row 2 is given its own cells: no part of the change.
  // The Before cells given are wrong; undo brings back what the rows held.
  TVM_Event changeRows = MakeEvent<&TvmStringTableMT::ChangeRows>(table_, TvmStringTableMT::kChangeRowsPoint);
  const TRowEdit change{TRowEditKind::Batch, 0, {}, {},
                        {{TRowEditKind::Cells, 1, {"lie"}, {"a", "B", "c"}},
                         {TRowEditKind::Cells, 2, {}, {"", "", ""}},
                         {TRowEditKind::Cells, 3, {"lie"}, {"X"}}}};
  FireStr(changeRows, PackRowEdit(change));
  const std::vector<Texts> changedRows = {{"a", "B", "c"}, {"", "", ""}, {"X", "", "z"}, {"last", "", ""}};
  EXPECT_EQ(changedRows, rows(1));
  EXPECT_EQ(Texts({"1", "3"}), changed.Texts());
  EXPECT_EQ(2u, journal.UndoCount());
  FireNull(undo);
  EXPECT_EQ(added, rows(1));
  FireNull(redo);
  EXPECT_EQ(changedRows, rows(1));
  EXPECT_EQ(Texts({"1", "3", "3", "1", "1", "3"}), changed.Texts());

  // A record that does not fit the table changes nothing at all.
  TRowEdit outside = change;
  outside.Edits[2].Row = 5;
  TRowEdit inserts = change;
  inserts.Edits[0].Kind = TRowEditKind::Inserted;
  for (const TRowEdit& bad : {outside, inserts, TRowEdit{TRowEditKind::Cells, 9, {}, {"q"}}})
    FireStr(changeRows, PackRowEdit(bad));
  FireStr(changeRows, "no record");
  EXPECT_EQ(changedRows, rows(1));
  EXPECT_EQ(2u, journal.UndoCount());
}

// A table made anew is one change: one undo brings every old row back in
// its place, one redo the new rows; each row goes and comes with the events
// a removal and an insert fire.
TEST_F(StringTableTest, ReplaceRowsIsOneChangeForUndoAndRedo) {
  Open("A\r\nB\r\nC");
  for (const char* line : {"1,0,0", "2,5,0", "3,10,0"}) Add(line);
  TVMUndoJournal journal;
  journal.SetCount(1);
  journal.OnUndo[0] = MakeEvent<&TvmStringTableMT::UndoEdit>(table_);
  journal.OnRedo[0] = MakeEvent<&TvmStringTableMT::RedoEdit>(table_);
  table_->OnEdit = MakeEvent<&TVMUndoJournal::Record>(&journal);
  TProbe inserted, deleted;
  table_->OnRowInserted = inserted.Action();
  table_->OnRowDeleted = deleted.Action();
  auto rows = [&] {
    std::vector<Texts> cells;
    for (int32_t row = 0; row < table_->RowCount(); ++row) cells.push_back(Cells(row));
    return cells;
  };
  const std::vector<Texts> old = rows();
  TVM_Event replace = MakeEvent<&TvmStringTableMT::ReplaceRows>(table_, TvmStringTableMT::kReplaceRowsPoint);
  TVM_Event undo = MakeEvent<&TVMUndoJournal::Undo>(&journal);
  TVM_Event redo = MakeEvent<&TVMUndoJournal::Redo>(&journal);

  const struct {
    const char* Lines;
    std::vector<Texts> Rows;
    Texts Deleted, Inserted;  // the events of the change itself
  } cases[] = {
      {"a,b,c\r\nd,e\r\n", {{"a", "b", "c"}, {"d", "e", ""}}, {"2", "1", "0"}, {"0", "1"}},
      {"x,y,z,extra", {{"x", "y", "z"}}, {"2", "1", "0"}, {"0"}},
      {"", {}, {"2", "1", "0"}, {}},
  };
  for (const auto& c : cases) {
    inserted.Calls.clear(), deleted.Calls.clear();
    FireStr(replace, c.Lines);
    EXPECT_EQ(c.Rows, rows()) << c.Lines;
    EXPECT_EQ(c.Deleted, deleted.Texts()) << c.Lines;
    EXPECT_EQ(c.Inserted, inserted.Texts()) << c.Lines;
    EXPECT_EQ(1u, journal.UndoCount());
    FireNull(undo);
    EXPECT_EQ(old, rows()) << "one undo: " << c.Lines;
    FireNull(redo);
    EXPECT_EQ(c.Rows, rows()) << "one redo: " << c.Lines;
    FireNull(undo);
    EXPECT_EQ(old, rows());
    EXPECT_EQ(1u, journal.RedoCount());
  }
  // The rows the table holds already are no change.
  FireStr(replace, "1,0,0\r\n2,5,0\r\n3,10,0");
  EXPECT_EQ(0u, journal.UndoCount());
  EXPECT_EQ(old, rows());
}

}  // namespace
