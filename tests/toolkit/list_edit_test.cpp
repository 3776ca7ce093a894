// The in-place cell editor on a real list view, driven by keys and clicks
// posted the way the user's input arrives.
#include "toolkit/list_edit.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/support/clipboard.h"
#include "tests/support/private_desktop.h"
#include "tests/toolkit/test_form.h"
#include "tests/toolkit/toolkit_fixture.h"
#include "toolkit/list.h"
#include "toolkit/list_view.h"
#include "toolkit/navigation.h"

namespace {

struct TEditProbe {
  std::vector<std::string> Log;
  TListView* FreeOnChange = nullptr;
  void EditStart(TControl*, int32_t row) { Log.push_back("start " + std::to_string(row)); }
  void CellChanged(TControl*, int32_t row) {
    Log.push_back("changed " + std::to_string(row));
    if (FreeOnChange) FreeOnChange->Free();
  }
};

// The focus follows the foreground window, which test programs running side
// by side take from one another: these tests run on a desktop of their own,
// with the form hidden.
class ListEditTest : public ToolkitTest {
 protected:
  static void SetUpTestSuite() { MoveToPrivateDesktop(); }

  void SetUp() override {
    ToolkitTest::SetUp();
    form_ = Keep(CreateTestForm(500, 300));
    lv_ = Table(3);
    EnableTabNavigation(form_);  // as on the editor's main form
    form_->CreateHidden = 0;     // stays hidden
    form_->CreateWindowNow();
    editor_ = lv_->CellEditor;
    ASSERT_NE(nullptr, editor_);
  }

  // Editable report view, `columns` columns of 80 pixels, three rows of
  // cells "r<row>c<col>".
  TListView* Table(int columns) {
    TListView* lv = CreateEditableListView(form_, kViewReport, kListGridLines | kListFullRowSelect,
                                           MakeMethod<&TEditProbe::EditStart>(&probe_),
                                           MakeMethod<&TEditProbe::CellChanged>(&probe_));
    lv->SetBoundsRect(RECT{10, 10, 410, 260});
    for (int c = 0; c < columns; ++c) ListAddColumn(lv, "col" + std::to_string(c), 80, kColumnLeft);
    for (int r = 0; r < 3; ++r) {
      ListInsertRow(lv, r, "");
      for (int c = 0; c < columns; ++c) ListSetCellText(lv, r, c, "r" + std::to_string(r) + "c" + std::to_string(c));
    }
    return lv;
  }

  // Selects the row and starts editing it with Enter, the focus going to
  // `column` (as if editing had last stopped there).
  void StartWithEnter(int32_t row, int32_t column, TListView* lv = nullptr) {
    lv = lv ? lv : lv_;
    ListSetCurrentRow(lv, row);
    lv->CellEditor->RememberedColumn = column + 1;
    lv->SetFocused();
    WaitUntil([&] { return GetFocus() == lv->Handle; });
    probe_.Log.clear();
    PressKey(form_, VK_RETURN);
  }

  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (int32_t i = 0; i < editor_->Editors->Count; ++i) texts.push_back(editor_->Editor(i)->GetCaption());
    return texts;
  }
  std::vector<std::string> Row(int32_t row) const {
    std::vector<std::string> cells;
    for (int32_t c = 0; c < lv_->ColumnCount; ++c) cells.push_back(ListGetCellText(lv_, row, c));
    return cells;
  }
  int32_t FocusedColumn() const {
    for (int32_t i = 0; i < editor_->Editors->Count; ++i)
      if (editor_->Editor(i)->Handle == GetFocus()) return i;
    return -1;
  }
  void Click(TListView* lv, UINT down, int32_t row, int32_t x) {
    const RECT r = ListGetRowRect(lv, row, kRowWhole);
    PostMessageA(lv->Handle, down, MK_LBUTTON, MAKELPARAM(x, (r.top + r.bottom) / 2));
    PostMessageA(lv->Handle, WM_LBUTTONUP, 0, MAKELPARAM(x, (r.top + r.bottom) / 2));
    DispatchQueued();
  }

  TEditProbe probe_;
  TControl* form_ = nullptr;
  TListView* lv_ = nullptr;
  TListEdit* editor_ = nullptr;
};

using Texts = std::vector<std::string>;

TEST_F(ListEditTest, EnterOpensOneEditBoxOverEachCellOfTheCurrentRow) {
  StartWithEnter(1, 1);
  EXPECT_EQ((Texts{"start 1"}), probe_.Log);
  ASSERT_EQ((Texts{"r1c0", "r1c1", "r1c2"}), BoxTexts());
  const RECT row = ListGetRowRect(lv_, 1, kRowWhole);
  for (int32_t i = 0; i < 3; ++i) {
    RECT box = WindowBoundsIn(editor_->Editor(i)->Handle);
    EXPECT_EQ(row.left + 80 * i, box.left);
    EXPECT_EQ(row.left + 80 * (i + 1), box.right);
    EXPECT_EQ(row.top - 1, box.top);
    EXPECT_EQ(row.bottom + 1, box.bottom);
  }
  EXPECT_EQ(1, FocusedColumn());
  // While editing the list view is no tab stop; Tab and Shift+Tab move
  // between the boxes.
  EXPECT_EQ(0, lv_->TabStop);
  PressKey(form_, VK_TAB);
  EXPECT_EQ(2, FocusedColumn());
  PressKey(form_, VK_TAB, true);
  PressKey(form_, VK_TAB, true);
  EXPECT_EQ(0, FocusedColumn());
}

TEST_F(ListEditTest, EscapeDropsTheEditsButStillReportsTheRow) {
  StartWithEnter(1, 0);
  SetWindowTextA(GetFocus(), "typed");
  PressKey(form_, VK_ESCAPE);
  EXPECT_EQ((Texts{"r1c0", "r1c1", "r1c2"}), Row(1));
  EXPECT_EQ((Texts{"start 1", "changed 1"}), probe_.Log);
  EXPECT_EQ(0, lv_->ChildCount());
  EXPECT_EQ(1, lv_->TabStop);
  EXPECT_EQ(lv_->Handle, GetFocus());
}

TEST_F(ListEditTest, EnterCommitsTheRowAndReopensItInTheSameColumn) {
  StartWithEnter(1, 2);
  SetWindowTextA(GetFocus(), "новое");
  PressKey(form_, VK_RETURN);
  EXPECT_EQ((Texts{"r1c0", "r1c1", "новое"}), Row(1));
  EXPECT_EQ((Texts{"start 1", "changed 1", "start 1"}), probe_.Log);
  EXPECT_EQ((Texts{"r1c0", "r1c1", "новое"}), BoxTexts());
  EXPECT_EQ(2, FocusedColumn());
}

TEST_F(ListEditTest, UpAndDownCommitAndMoveToTheNeighbouringRowInTheSameColumn) {
  StartWithEnter(0, 1);
  SetWindowTextA(GetFocus(), "A");
  PressKey(form_, VK_DOWN);
  EXPECT_EQ((Texts{"r0c0", "A", "r0c2"}), Row(0));
  EXPECT_EQ((Texts{"start 0", "changed 0", "start 1"}), probe_.Log);
  EXPECT_EQ((Texts{"r1c0", "r1c1", "r1c2"}), BoxTexts());
  EXPECT_EQ(1, FocusedColumn());
  PressKey(form_, VK_UP);
  EXPECT_EQ("A", editor_->Editor(1)->GetCaption());

  // Down on the last row commits; the row stays selected and editing starts
  // again on it.
  PressKey(form_, VK_DOWN);
  PressKey(form_, VK_DOWN);
  SetWindowTextA(GetFocus(), "B");
  probe_.Log.clear();
  PressKey(form_, VK_DOWN);
  EXPECT_EQ((Texts{"r2c0", "B", "r2c2"}), Row(2));
  EXPECT_EQ((Texts{"changed 2", "start 2"}), probe_.Log);
  EXPECT_EQ(1, FocusedColumn());
}

TEST_F(ListEditTest, AClickCommitsAndADoubleClickEditsWithTheFocusInTheClickedColumn) {
  StartWithEnter(1, 2);
  SetWindowTextA(GetFocus(), "C");
  Click(lv_, WM_LBUTTONDOWN, 2, 100);
  EXPECT_EQ((Texts{"r1c0", "r1c1", "C"}), Row(1));
  EXPECT_EQ(0, lv_->ChildCount());

  const RECT row = ListGetRowRect(lv_, 2, kRowWhole);
  Click(lv_, WM_LBUTTONDBLCLK, 2, row.left + 80 + 40);
  EXPECT_EQ((Texts{"r2c0", "r2c1", "r2c2"}), BoxTexts());
  EXPECT_EQ(1, FocusedColumn());
}

TEST_F(ListEditTest, EditsGoToTheEditedRowWhateverTheProgramDoesMeanwhile) {
  StartWithEnter(1, 0);
  SetWindowTextA(GetFocus(), "edited");
  ListSetCurrentRow(lv_, 2);  // a search selects another row
  PressKey(form_, VK_RETURN);
  EXPECT_EQ("edited", ListGetCellText(lv_, 1, 0));
  EXPECT_EQ("r2c0", ListGetCellText(lv_, 2, 0));

  // Editing row 2 now; a row inserted above moves it down.
  ASSERT_EQ((Texts{"r2c0", "r2c1", "r2c2"}), BoxTexts());
  ListInsertRow(lv_, 0, "inserted");
  SetWindowTextA(editor_->Editor(0)->Handle, "moved");
  Click(lv_, WM_LBUTTONDOWN, 0, 10);
  EXPECT_EQ("moved", ListGetCellText(lv_, 3, 0));
  EXPECT_EQ("inserted", ListGetCellText(lv_, 0, 0));

  // Rows cleared while editing: the edits belong to no row and go.
  StartWithEnter(1, 0);
  probe_.Log.clear();
  ListClear(lv_);
  WaitUntil([&] { return lv_->ChildCount() == 0; });
  EXPECT_EQ(0, lv_->ChildCount());
  EXPECT_TRUE(probe_.Log.empty());
}

TEST_F(ListEditTest, NothingToEditShowsNoEditBoxes) {
  // No current row.
  ListSetCurrentRow(lv_, -1);
  lv_->SetFocused();
  PressKey(form_, VK_RETURN);
  EXPECT_EQ(0, lv_->ChildCount());
  EXPECT_TRUE(probe_.Log.empty());

  // No columns: editing starts and ends without boxes and without a report.
  TListView* bare = Table(0);
  StartWithEnter(0, 0, bare);
  EXPECT_EQ(0, bare->CellEditor->Editors->Count);
  EXPECT_EQ(1, bare->TabStop);
  Click(bare, WM_LBUTTONDOWN, 0, 5);
  EXPECT_EQ((Texts{"start 0"}), probe_.Log);
}

TEST_F(ListEditTest, EditorAndListViewMayBeFreedWhileEditing) {
  // The editor alone: nothing stands in front of the list view any more,
  // and Enter opens no edit boxes.
  StartWithEnter(0, 0);
  ASSERT_TRUE(lv_->FrontProc);
  editor_->Free();
  EXPECT_EQ(nullptr, lv_->CellEditor);
  EXPECT_FALSE(lv_->FrontProc);
  EXPECT_EQ(0, lv_->ChildCount());  // its edit boxes went with it
  PressKey(form_, VK_RETURN);
  EXPECT_EQ(3, ListRowCount(lv_));
  EXPECT_EQ(0, lv_->ChildCount());

  // A list view freed by a handler of its own editor's report.
  TListView* other = Table(2);
  StartWithEnter(0, 0, other);
  ASSERT_EQ(2, other->CellEditor->Editors->Count);
  Watch(other, "other");
  probe_.FreeOnChange = other;
  PressKey(form_, VK_ESCAPE);
  EXPECT_TRUE(WasDestroyed("other"));
  EXPECT_EQ(1, form_->ChildCount());
}

// Characters a cell cannot hold stay out of the edit box, typed or pasted,
// and a balloon tip says why until the next accepted character.
TEST_F(ListEditTest, RefusedCharactersStayOutAndTheTipSaysWhy) {
  editor_->RefusedChars = ",/\\";
  StartWithEnter(1, 0);
  HWND box = GetFocus();
  ASSERT_EQ(editor_->Editor(0)->Handle, box);
  SendMessageA(box, EM_SETSEL, 4, 4);
  auto tipShown = [&] { return editor_->RefusalTip && IsWindowVisible(editor_->RefusalTip); };
  for (char c : {',', '/', '\\', '\t'}) {
    SendMessageA(box, WM_CHAR, static_cast<unsigned char>(c), 0);
    EXPECT_EQ("r1c0", editor_->Editor(0)->GetCaption()) << c;
    EXPECT_TRUE(tipShown()) << c;
  }
  char tip[256] = {};
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = lv_->Handle;
  tool.uId = 1;
  tool.lpszText = tip;
  SendMessageA(editor_->RefusalTip, TTM_GETTEXTA, sizeof tip, reinterpret_cast<LPARAM>(&tool));
  EXPECT_EQ(RefusalText(",/\\"), tip);

  SendMessageA(box, WM_CHAR, '#', 0);
  EXPECT_EQ("r1c0#", editor_->Editor(0)->GetCaption());
  EXPECT_FALSE(tipShown());

  auto paste = [&](const char* text) {
    PutOnClipboard(text);
    SendMessageA(box, WM_PASTE, 0, 0);
  };
  paste("a,b");
  EXPECT_EQ("r1c0#", editor_->Editor(0)->GetCaption());
  EXPECT_TRUE(tipShown());
  paste("Ок 1.5");
  EXPECT_EQ("r1c0#Ок 1.5", editor_->Editor(0)->GetCaption());
  EXPECT_FALSE(tipShown());

  SendMessageA(box, WM_CHAR, '/', 0);
  ASSERT_TRUE(tipShown());
  PressKey(form_, VK_RETURN);  // stopping editing takes the tip away
  EXPECT_EQ("r1c0#Ок 1.5", ListGetCellText(lv_, 1, 0));
  EXPECT_FALSE(tipShown());
}

// A pasted text is taken up to its first line end, as a cell copied from a
// spreadsheet comes (its text, then CR LF); what remains is judged as a
// whole. Ctrl+V pastes the same way.
TEST_F(ListEditTest, APasteTakesTheTextUpToItsFirstLineEnd) {
  editor_->RefusedChars = ",";
  StartWithEnter(1, 0);
  HWND box = GetFocus();
  ASSERT_EQ(editor_->Editor(0)->Handle, box);
  auto tipShown = [&] { return editor_->RefusalTip && IsWindowVisible(editor_->RefusalTip); };
  const struct {
    const char* Clipboard;
    bool ByKeys;
    const char* Box;  // the box's text after the paste over "r1c0"
    bool Refused;
  } pastes[] = {
      {"R12\r\n", false, "R12", false},     {"R12\r\n", true, "R12", false},
      {"R1\nR2\r\n", false, "R1", false},   {"a\rb", false, "a", false},
      {"\r\nR12", false, "", false},        {"a,b\r\n", false, "r1c0", true},
      {"ab\r\nc,d", false, "ab", false},   {"a\tb\r\n", false, "r1c0", true},
  };
  for (const auto& paste : pastes) {
    SCOPED_TRACE(paste.Clipboard);
    editor_->Editor(0)->SetCaption("r1c0");
    SendMessageA(box, EM_SETSEL, 0, -1);
    PutOnClipboard(paste.Clipboard);
    if (paste.ByKeys)
      PressKey(form_, 'V', false, true);
    else
      SendMessageA(box, WM_PASTE, 0, 0);
    EXPECT_EQ(paste.Box, editor_->Editor(0)->GetCaption());
    EXPECT_EQ(paste.Refused, tipShown());
  }
}

}  // namespace
