// The list view against the real native control: creation styles, rows and
// cells, columns, selection, colours, image lists and the notifications that
// become events.
#include "toolkit/list_view.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/toolkit/test_form.h"
#include "tests/toolkit/toolkit_fixture.h"
#include "toolkit/image_list.h"

namespace {

class ListViewTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    form_ = Keep(CreateTestForm(500, 300));
  }

  // A report view with three columns of 80 pixels and `rows` rows whose
  // cells read "r<row>c<col>".
  TListView* Table(int rows, uint32_t options = kListGridLines | kListFullRowSelect) {
    TListView* lv = CreateListViewControl(form_, kViewReport, options);
    lv->SetBoundsRect(RECT{10, 10, 410, 260});
    for (int c = 0; c < 3; ++c) ListAddColumn(lv, "col" + std::to_string(c), 80, kColumnLeft);
    for (int r = 0; r < rows; ++r) {
      ListInsertRow(lv, r, "r" + std::to_string(r) + "c0");
      for (int c = 1; c < 3; ++c) ListSetCellText(lv, r, c, "r" + std::to_string(r) + "c" + std::to_string(c));
    }
    return lv;
  }

  TControl* form_ = nullptr;
};

uint32_t WindowStyle(TControl* c) { return static_cast<uint32_t>(GetWindowLongA(c->Handle, GWL_STYLE)); }
uint32_t ExtendedStyle(TControl* c) {
  return static_cast<uint32_t>(SendMessageA(c->Handle, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
}

TEST_F(ListViewTest, CreationTurnsViewStyleAndOptionsIntoWindowStyles) {
  TListView* plain = CreateListViewControl(form_, kViewReportNoHeader, kListHideSelection | kListGridLines);
  TListView* multi = CreateListViewControl(form_, kViewList, kListMultiSelect | kListFullRowSelect | kListCheckBoxes);
  EXPECT_EQ(200, plain->BoundsRect.right - plain->BoundsRect.left);
  EXPECT_EQ(150, plain->BoundsRect.bottom - plain->BoundsRect.top);
  EXPECT_EQ(1, plain->NavigationKeys);
  form_->CreateWindowNow();
  ASSERT_TRUE(plain->HasWindow());

  uint32_t style = WindowStyle(plain);
  EXPECT_EQ(static_cast<uint32_t>(LVS_REPORT), style & LVS_TYPEMASK);
  EXPECT_TRUE(style & LVS_NOCOLUMNHEADER);
  EXPECT_TRUE(style & LVS_SINGLESEL);       // option 8 absent
  EXPECT_FALSE(style & LVS_SHOWSELALWAYS);  // option 7 hides it
  EXPECT_TRUE(style & LVS_SHAREIMAGELISTS);
  EXPECT_EQ(static_cast<uint32_t>(LVS_EX_GRIDLINES), ExtendedStyle(plain) & 0x3FFF);

  style = WindowStyle(multi);
  EXPECT_EQ(static_cast<uint32_t>(LVS_LIST), style & LVS_TYPEMASK);
  EXPECT_FALSE(style & LVS_SINGLESEL);
  EXPECT_TRUE(style & LVS_SHOWSELALWAYS);
  EXPECT_EQ(static_cast<uint32_t>(LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES), ExtendedStyle(multi) & 0x3FFF);

  // A new view style re-styles the live window; the options stay.
  ListSetViewStyle(multi, kViewReport);
  style = WindowStyle(multi);
  EXPECT_EQ(static_cast<uint32_t>(LVS_REPORT), style & LVS_TYPEMASK);
  EXPECT_FALSE(style & LVS_SINGLESEL);
  EXPECT_EQ(static_cast<uint32_t>(LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES), ExtendedStyle(multi) & 0x3FFF);
}

TEST_F(ListViewTest, ImageListsReachTheWindowAndStayValidWhileItUsesThem) {
  TImageList* small = CreateImageList(form_);
  TImageList* normal = CreateImageList(form_);
  TImageList* state = CreateImageList(form_);
  small->Width = 0;  // a list without a size gets the kind's size
  Watch(small, "small");
  TListView* lv = CreateListViewControl(form_, kViewReport, 0, normal, small, state);
  EXPECT_EQ(16, small->Width);
  EXPECT_EQ(16, small->Height);
  form_->CreateWindowNow();
  EXPECT_EQ(reinterpret_cast<LRESULT>(ImageListHandle(small)), SendMessageA(lv->Handle, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  EXPECT_EQ(reinterpret_cast<LRESULT>(ImageListHandle(normal)), SendMessageA(lv->Handle, LVM_GETIMAGELIST, LVSIL_NORMAL, 0));
  EXPECT_EQ(reinterpret_cast<LRESULT>(ImageListHandle(state)), SendMessageA(lv->Handle, LVM_GETIMAGELIST, LVSIL_STATE, 0));

  // Freed by its user while the list view still shows it: it lives on until
  // the list view lets it go, and is destroyed exactly once.
  small->Free();
  EXPECT_FALSE(WasDestroyed("small"));
  EXPECT_EQ(16, small->Width);
  lv->Free();
  EXPECT_EQ(1, std::count(DestroyLog.begin(), DestroyLog.end(), "small"));
  form_->Free();
  Owned.clear();
  EXPECT_EQ(1, std::count(DestroyLog.begin(), DestroyLog.end(), "small"));
}

TEST_F(ListViewTest, AnImageListFreedOnItsOwnIsNotFreedAgainWithItsOwner) {
  TImageList* first = CreateImageList(form_);
  TImageList* second = CreateImageList(form_);
  TImageList* third = CreateImageList(form_);
  Watch(first, "first");
  Watch(second, "second");
  Watch(third, "third");
  second->Free();
  EXPECT_EQ(third, form_->OwnedImageLists);
  EXPECT_EQ(first, third->NextOfOwner);
  form_->Free();
  Owned.clear();
  EXPECT_EQ((std::vector<std::string>{"second", "third", "first"}), DestroyLog);
}

TEST_F(ListViewTest, RowsAndCellsAreWrittenAndReadThroughTheNativeControl) {
  TListView* lv = Table(3);
  EXPECT_EQ(3, ListRowCount(lv));
  EXPECT_EQ("r1c2", ListGetCellText(lv, 1, 2));
  EXPECT_EQ(0, ListInsertRow(lv, 0, "первая"));  // inserting shifts the rows below
  EXPECT_EQ("первая", ListGetCellText(lv, 0, 0));
  EXPECT_EQ("", ListGetCellText(lv, 0, 1));
  EXPECT_EQ("r0c0", ListGetCellText(lv, 1, 0));

  // Column 0 carries the row's image, state and data; other columns only text.
  ListSetCell(lv, 2, 0, "A", 5, LVIS_CUT, 0, 0, 0x0A0B0C0D);
  ListSetCell(lv, 2, 1, "B", 7, LVIS_SELECTED, 0, 0, 99);
  EXPECT_EQ("A", ListGetCellText(lv, 2, 0));
  EXPECT_EQ("B", ListGetCellText(lv, 2, 1));
  EXPECT_EQ(5, ListGetRowImage(lv, 2));
  EXPECT_EQ(0x0A0B0C0D, ListGetRowData(lv, 2));
  EXPECT_EQ(static_cast<uint32_t>(LVIS_CUT), ListGetRowState(lv, 2));

  // A cell much longer than the first read buffer comes back whole, bytes as
  // they were.
  std::string longText;
  for (int i = 0; i < 1000; ++i) longText += static_cast<char>('a' + i % 26);
  longText += "\xC0\xFF";
  ListSetCellText(lv, 3, 2, longText);
  EXPECT_EQ(longText, ListGetCellText(lv, 3, 2));
  std::string exact(99, 'x');  // exactly one byte short of the first buffer
  ListSetCellText(lv, 3, 1, exact);
  EXPECT_EQ(exact, ListGetCellText(lv, 3, 1));

  ListClear(lv);
  EXPECT_EQ(0, ListRowCount(lv));
}

TEST_F(ListViewTest, StateAndOverlayImagesAreKeptUnlessGiven) {
  TListView* lv = Table(1, kListCheckBoxes);
  ListSetCell(lv, 0, 0, "a", -2, 0, 2, 1);
  auto stateBits = [&] { return SendMessageA(lv->Handle, LVM_GETITEMSTATE, 0, LVIS_STATEIMAGEMASK | LVIS_OVERLAYMASK); };
  EXPECT_EQ(INDEXTOSTATEIMAGEMASK(2) | INDEXTOOVERLAYMASK(1), stateBits());
  ListSetCell(lv, 0, 0, "b");  // negative state and overlay images: keep them
  EXPECT_EQ(INDEXTOSTATEIMAGEMASK(2) | INDEXTOOVERLAYMASK(1), stateBits());
  EXPECT_EQ("b", ListGetCellText(lv, 0, 0));
  ListSetCell(lv, 0, 0, "c", -2, 0, 1, 0);  // 0: no overlay
  EXPECT_EQ(INDEXTOSTATEIMAGEMASK(1), stateBits());
}

TEST_F(ListViewTest, RequestsOutsideTheTableAnswerEmpty) {
  TListView* lv = Table(2);
  const RECT zero{0, 0, 0, 0};
  EXPECT_EQ("", ListGetCellText(lv, 2, 0));
  EXPECT_EQ("", ListGetCellText(lv, -1, 0));
  RECT row = ListGetRowRect(lv, 5, kRowWhole);
  EXPECT_TRUE(EqualRect(&zero, &row));
  RECT cell = ListGetCellRect(lv, 5, 1);
  EXPECT_TRUE(EqualRect(&zero, &cell));
  cell = ListGetCellRect(lv, 0, 7);
  EXPECT_TRUE(EqualRect(&zero, &cell));
  cell = ListGetCellRect(lv, 0, -1);
  EXPECT_TRUE(EqualRect(&zero, &cell));
  EXPECT_EQ("", ListGetColumnCaption(lv, 7));
  EXPECT_EQ(0, ListGetColumnAlign(lv, 7));
  ListSetCellText(lv, 9, 0, "nowhere");
  ListSetCell(lv, -1, 0, "nowhere");
  EXPECT_EQ(2, ListRowCount(lv));
  EXPECT_EQ("r0c0", ListGetCellText(lv, 0, 0));
  EXPECT_EQ("r1c0", ListGetCellText(lv, 1, 0));
}

TEST_F(ListViewTest, ColumnsKeepCaptionWidthAlignmentAndImage) {
  TListView* lv = Table(1);
  EXPECT_EQ(3, ListAddColumn(lv, "wide", -120, kColumnRight));
  EXPECT_EQ(4, lv->ColumnCount);
  EXPECT_EQ(120, ListGetColumnWidth(lv, 3));
  LVCOLUMNA column{};
  column.mask = LVCF_FMT;
  SendMessageA(lv->Handle, LVM_GETCOLUMNA, 3, reinterpret_cast<LPARAM>(&column));
  EXPECT_TRUE(column.fmt & LVCFMT_BITMAP_ON_RIGHT);
  EXPECT_EQ(kColumnRight, ListGetColumnAlign(lv, 3));

  ListSetColumnAlign(lv, 1, kColumnCenter);
  ListSetColumnImage(lv, 1, 0);  // the image leaves the alignment alone
  EXPECT_EQ(kColumnCenter, ListGetColumnAlign(lv, 1));
  column.mask = LVCF_FMT | LVCF_IMAGE;
  SendMessageA(lv->Handle, LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
  EXPECT_EQ(0, column.iImage);
  EXPECT_TRUE(column.fmt & LVCFMT_IMAGE);

  ListSetColumnWidth(lv, 0, 33);
  EXPECT_EQ(33, ListGetColumnWidth(lv, 0));
  RECT second = ListGetCellRect(lv, 0, 1);
  RECT row = ListGetRowRect(lv, 0, kRowWhole);
  EXPECT_EQ(row.left + 33, second.left);
  EXPECT_EQ(row.left + 33 + 80, second.right);

  ListSetColumnCaption(lv, 2, "Пропуск");
  EXPECT_EQ("Пропуск", ListGetColumnCaption(lv, 2));
  ListSetColumnCaption(lv, 2, std::string(5000, 'w'));
  EXPECT_EQ(std::string(4095, 'w'), ListGetColumnCaption(lv, 2));
}

struct TEventProbe {
  std::vector<std::string> Log;
  int DrawCalls = 0;
  uint32_t SelectedRowState = 0;
  void ItemState(TControl*, int32_t from, int32_t to, uint32_t oldState, uint32_t newState) {
    Log.push_back("state " + std::to_string(from) + ".." + std::to_string(to) + " " + std::to_string(oldState) +
                  "->" + std::to_string(newState));
  }
  void Column(TControl*, int32_t col) { Log.push_back("column " + std::to_string(col)); }
  void Click(TControl* sender) { Log.push_back(sender->RightClick ? "right click" : "click"); }
  LRESULT Draw(TControl*, HDC, uint32_t stage, int32_t row, int32_t col, uint32_t rowState, const RECT&,
               COLORREF& text, COLORREF&) {
    ++DrawCalls;
    if (stage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (stage == CDDS_ITEMPREPAINT) return CDRF_NOTIFYSUBITEMDRAW;
    if (stage == (CDDS_ITEMPREPAINT | CDDS_SUBITEM) && row == 1) {
      SelectedRowState = rowState;
      if (col == 2) text = RGB(255, 0, 0);
    }
    return CDRF_DODEFAULT;
  }
};

TEST_F(ListViewTest, SelectionFollowsTheSingleOrMultipleRule) {
  TListView* single = Table(3);
  TEventProbe probe;
  SetOnItemStateChanged(single, MakeMethod<&TEventProbe::ItemState>(&probe));
  EXPECT_EQ(-1, ListCurrentRow(single));
  ListSetCurrentRow(single, 2);
  EXPECT_EQ(2, ListCurrentRow(single));
  EXPECT_EQ(static_cast<uint32_t>(LVIS_FOCUSED | LVIS_SELECTED), ListGetRowState(single, 2));
  probe.Log.clear();
  ListSetCurrentRow(single, 2);  // already current: nothing happens
  EXPECT_TRUE(probe.Log.empty());
  ListSetCurrentRow(single, -1);
  EXPECT_EQ(-1, ListCurrentRow(single));
  EXPECT_EQ(0u, ListGetRowState(single, 2));

  TListView* multi = Table(3, kListMultiSelect);
  ListSetCurrentRow(multi, 0);
  LVITEMA selected{};
  selected.state = selected.stateMask = LVIS_SELECTED;
  SendMessageA(multi->Handle, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&selected));
  ListSetCurrentRow(multi, 0);  // with several rows allowed, the others are cleared
  EXPECT_EQ(0, ListCurrentRow(multi));
  EXPECT_EQ(0u, ListGetRowState(multi, 2));
  EXPECT_EQ(1, static_cast<int>(SendMessageA(multi->Handle, LVM_GETSELECTEDCOUNT, 0, 0)));
}

TEST_F(ListViewTest, NotificationsReachTheEvents) {
  TListView* lv = Table(3);
  TEventProbe probe;
  SetOnItemStateChanged(lv, MakeMethod<&TEventProbe::ItemState>(&probe));
  SetOnColumnClick(lv, MakeMethod<&TEventProbe::Column>(&probe));
  SetOnCustomDraw(lv, MakeMethod<&TEventProbe::Draw>(&probe));
  lv->OnClick = MakeMethod<&TEventProbe::Click>(&probe);
  ShowTestForm(form_);
  PumpMessages();

  ListSetCurrentRow(lv, 1);
  ASSERT_FALSE(probe.Log.empty());
  EXPECT_EQ("state 1..1 0->3", probe.Log.back());

  // A click on the second header item.
  probe.Log.clear();
  HWND header = reinterpret_cast<HWND>(SendMessageA(lv->Handle, LVM_GETHEADER, 0, 0));
  PostMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(120, 5));
  PostMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(120, 5));
  PumpMessages();
  EXPECT_EQ((std::vector<std::string>{"column 1"}), probe.Log);

  // Clicks on a row, left then right.
  probe.Log.clear();
  RECT row = ListGetRowRect(lv, 0, kRowLabel);
  LPARAM at = MAKELPARAM(row.left + 5, (row.top + row.bottom) / 2);
  PostMessageA(lv->Handle, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(lv->Handle, WM_LBUTTONUP, 0, at);
  PumpMessages();
  PostMessageA(lv->Handle, WM_RBUTTONDOWN, MK_RBUTTON, at);
  PostMessageA(lv->Handle, WM_RBUTTONUP, 0, at);
  PumpMessages();
  EXPECT_NE(std::find(probe.Log.begin(), probe.Log.end(), "click"), probe.Log.end());
  EXPECT_EQ("right click", probe.Log.back());
  EXPECT_EQ(1u, lv->RightClick);

  // Painting asks the custom-draw event per row and cell; the row state comes
  // in the event's terms and a changed text colour is used.
  ListSetCurrentRow(lv, 1);
  probe.DrawCalls = 0;
  RedrawWindow(lv->Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_GT(probe.DrawCalls, 3);
  EXPECT_EQ(kDrawSelected | kDrawFocused, probe.SelectedRowState);
}

TEST_F(ListViewTest, ColorsAreStoredAndReachTheWindow) {
  TListView* lv = CreateListViewControl(form_, kViewReport, 0);
  ListSetColor(lv, kListBackground, RGB(1, 2, 3));  // before the window exists
  ListSetColor(lv, kListText, RGB(4, 5, 6));
  EXPECT_FALSE(lv->HasWindow());
  form_->CreateWindowNow();
  EXPECT_EQ(RGB(1, 2, 3), static_cast<COLORREF>(SendMessageA(lv->Handle, LVM_GETBKCOLOR, 0, 0)));
  EXPECT_EQ(RGB(4, 5, 6), static_cast<COLORREF>(SendMessageA(lv->Handle, LVM_GETTEXTCOLOR, 0, 0)));
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), static_cast<COLORREF>(SendMessageA(lv->Handle, LVM_GETTEXTBKCOLOR, 0, 0)));

  ListSetColor(lv, kListTextBackground, static_cast<int32_t>(0x8000000F));
  EXPECT_EQ(static_cast<int32_t>(0x8000000F), lv->TextBkColor);
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), static_cast<COLORREF>(SendMessageA(lv->Handle, LVM_GETTEXTBKCOLOR, 0, 0)));
  lv->SetColor(RGB(7, 8, 9));
  EXPECT_EQ(RGB(7, 8, 9), static_cast<COLORREF>(SendMessageA(lv->Handle, LVM_GETBKCOLOR, 0, 0)));
}

}  // namespace
