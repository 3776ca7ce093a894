// The list view against the real native control.
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

  // Report view, three columns of 80 pixels, cells "r<row>c<col>".
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
  int Destroyed(const std::string& name) const { return std::count(DestroyLog.begin(), DestroyLog.end(), name); }

  TControl* form_ = nullptr;
};

LRESULT Ask(TControl* c, UINT msg, WPARAM w = 0, LPARAM l = 0) { return SendMessageA(c->Handle, msg, w, l); }
uint32_t Style(TControl* c) { return static_cast<uint32_t>(GetWindowLongA(c->Handle, GWL_STYLE)); }
uint32_t ExStyle(TControl* c) { return static_cast<uint32_t>(Ask(c, LVM_GETEXTENDEDLISTVIEWSTYLE)) & 0x3FFF; }
bool IsZero(const RECT& r) { return r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0; }

TEST_F(ListViewTest, CreationTurnsViewStyleAndOptionsIntoWindowStyles) {
  TListView* plain = CreateListViewControl(form_, kViewReportNoHeader, kListHideSelection | kListGridLines);
  TListView* multi = CreateListViewControl(form_, kViewList, kListMultiSelect | kListFullRowSelect | kListCheckBoxes);
  ListSetColor(plain, kListBackground, RGB(1, 2, 3));  // kept until the window exists
  ListSetColor(plain, kListText, RGB(4, 5, 6));
  EXPECT_EQ(200, plain->BoundsRect.right - plain->BoundsRect.left);
  EXPECT_EQ(150, plain->BoundsRect.bottom - plain->BoundsRect.top);
  EXPECT_EQ(1, plain->NavigationKeys);
  form_->CreateWindowNow();
  const uint32_t fixed = LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHAREIMAGELISTS;
  EXPECT_EQ(fixed, Style(plain) & (fixed | LVS_TYPEMASK | LVS_SHOWSELALWAYS));  // option 7 hides the selection
  EXPECT_EQ(static_cast<uint32_t>(LVS_EX_GRIDLINES), ExStyle(plain));
  EXPECT_EQ(RGB(1, 2, 3), static_cast<COLORREF>(Ask(plain, LVM_GETBKCOLOR)));
  EXPECT_EQ(RGB(4, 5, 6), static_cast<COLORREF>(Ask(plain, LVM_GETTEXTCOLOR)));
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), static_cast<COLORREF>(Ask(plain, LVM_GETTEXTBKCOLOR)));
  EXPECT_EQ(static_cast<uint32_t>(LVS_LIST | LVS_SHOWSELALWAYS), Style(multi) & (LVS_TYPEMASK | LVS_SHOWSELALWAYS | LVS_SINGLESEL));
  // A new view style re-styles the live window; the options stay.
  ListSetViewStyle(multi, kViewReport);
  EXPECT_EQ(static_cast<uint32_t>(LVS_REPORT), Style(multi) & (LVS_TYPEMASK | LVS_SINGLESEL));
  EXPECT_EQ(static_cast<uint32_t>(LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES), ExStyle(multi));
}

TEST_F(ListViewTest, ImageListsAreShownAndFreedExactlyOnce) {
  TImageList* small = CreateImageList(form_);
  TImageList* state = CreateImageList(form_);
  TImageList* spare = CreateImageList(form_);
  small->Width = 0;  // a list without a size gets the kind's size
  Watch(small, "small");
  Watch(spare, "spare");
  TListView* lv = CreateListViewControl(form_, kViewReport, 0, nullptr, small, state);
  EXPECT_EQ(16, small->Height);
  form_->CreateWindowNow();
  EXPECT_EQ(reinterpret_cast<LRESULT>(ImageListHandle(small)), Ask(lv, LVM_GETIMAGELIST, LVSIL_SMALL));
  EXPECT_EQ(reinterpret_cast<LRESULT>(ImageListHandle(state)), Ask(lv, LVM_GETIMAGELIST, LVSIL_STATE));

  // Freed on its own: out of its owner's lists, never freed again.
  spare->Free();
  EXPECT_EQ(state, form_->OwnedImageLists);
  // Freed while the list view shows it: it lives until the list view goes.
  small->Free();
  EXPECT_EQ(0, Destroyed("small"));
  lv->Free();
  EXPECT_EQ(1, Destroyed("small"));
  form_->Free();
  Owned.clear();
  EXPECT_EQ(1, Destroyed("small"));
  EXPECT_EQ(1, Destroyed("spare"));
}

TEST_F(ListViewTest, RowsAndCellsAreWrittenAndReadThroughTheNativeControl) {
  TListView* lv = Table(3, kListCheckBoxes);
  EXPECT_EQ(0, ListInsertRow(lv, 0, "первая"));  // the rows below move down
  EXPECT_EQ(4, ListRowCount(lv));
  EXPECT_EQ("первая", ListGetCellText(lv, 0, 0));
  EXPECT_EQ("r0c2", ListGetCellText(lv, 1, 2));

  // Column 0 carries image, state, state image and data; others only text.
  ListSetCell(lv, 2, 0, "A", 5, LVIS_CUT, 2, 1, 0x0A0B0C0D);
  ListSetCell(lv, 2, 1, "B", 7, LVIS_SELECTED, 0, 0, 99);
  EXPECT_EQ(5, ListGetRowImage(lv, 2));
  EXPECT_EQ(0x0A0B0C0D, ListGetRowData(lv, 2));
  EXPECT_EQ(static_cast<uint32_t>(LVIS_CUT), ListGetRowState(lv, 2));
  EXPECT_EQ("B", ListGetCellText(lv, 2, 1));
  auto images = [&] { return Ask(lv, LVM_GETITEMSTATE, 2, LVIS_STATEIMAGEMASK | LVIS_OVERLAYMASK); };
  EXPECT_EQ(INDEXTOSTATEIMAGEMASK(2) | INDEXTOOVERLAYMASK(1), images());
  ListSetCell(lv, 2, 0, "C");  // negative state and overlay images keep them
  EXPECT_EQ(INDEXTOSTATEIMAGEMASK(2) | INDEXTOOVERLAYMASK(1), images());

  // Texts longer than the first read buffer come back whole, bytes unchanged.
  std::string longText(1000, 'a');
  longText += "\xC0\xFF";
  ListSetCellText(lv, 3, 2, longText);
  EXPECT_EQ(longText, ListGetCellText(lv, 3, 2));

  // Requests outside the table answer empty and change nothing.
  EXPECT_EQ("", ListGetCellText(lv, 4, 0) + ListGetCellText(lv, -1, 0) + ListGetColumnCaption(lv, 7));
  EXPECT_TRUE(IsZero(ListGetRowRect(lv, 5, kRowWhole)));
  EXPECT_TRUE(IsZero(ListGetCellRect(lv, 5, 1)));
  EXPECT_TRUE(IsZero(ListGetCellRect(lv, 0, 7)));
  EXPECT_TRUE(IsZero(ListGetCellRect(lv, 0, -1)));
  ListSetCellText(lv, 9, 0, "nowhere");
  ListSetCell(lv, -1, 0, "nowhere");
  EXPECT_EQ(4, ListRowCount(lv));
  EXPECT_EQ("r0c0", ListGetCellText(lv, 1, 0));
  ListClear(lv);
  EXPECT_EQ(0, ListRowCount(lv));
}

TEST_F(ListViewTest, ColumnsKeepCaptionWidthAlignmentAndImage) {
  TListView* lv = Table(1);
  EXPECT_EQ(3, ListAddColumn(lv, "wide", -120, kColumnRight));
  EXPECT_EQ(4, lv->ColumnCount);
  EXPECT_EQ(120, ListGetColumnWidth(lv, 3));
  LVCOLUMNA column{};
  column.mask = LVCF_FMT | LVCF_IMAGE;
  Ask(lv, LVM_GETCOLUMNA, 3, reinterpret_cast<LPARAM>(&column));
  EXPECT_EQ(LVCFMT_BITMAP_ON_RIGHT | LVCFMT_RIGHT, column.fmt);

  ListSetColumnAlign(lv, 1, kColumnCenter);
  ListSetColumnImage(lv, 1, 0);  // the image leaves the alignment alone
  EXPECT_EQ(kColumnCenter, ListGetColumnAlign(lv, 1));
  Ask(lv, LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
  EXPECT_EQ(0, column.iImage);
  EXPECT_TRUE(column.fmt & LVCFMT_IMAGE);

  ListSetColumnWidth(lv, 0, 33);
  const RECT second = ListGetCellRect(lv, 0, 1), row = ListGetRowRect(lv, 0, kRowWhole);
  EXPECT_EQ(row.left + 33, second.left);
  EXPECT_EQ(row.left + 33 + 80, second.right);
  ListSetColumnCaption(lv, 2, std::string(5000, 'w'));
  EXPECT_EQ(std::string(4095, 'w'), ListGetColumnCaption(lv, 2));
}

struct TEventProbe {
  std::vector<std::string> Log;
  uint32_t DrawnRowState = 0;
  void ItemState(TControl*, int32_t from, int32_t to, uint32_t oldState, uint32_t newState) {
    Log.push_back("state " + std::to_string(from) + ".." + std::to_string(to) + " " + std::to_string(oldState) +
                  "->" + std::to_string(newState));
  }
  void Column(TControl*, int32_t col) { Log.push_back("column " + std::to_string(col)); }
  void Click(TControl* sender) { Log.push_back(sender->RightClick ? "right click" : "click"); }
  LRESULT Draw(TControl*, HDC, uint32_t stage, int32_t row, int32_t col, uint32_t rowState, const RECT&, COLORREF&,
               COLORREF&) {
    if (stage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (stage == CDDS_ITEMPREPAINT) return CDRF_NOTIFYSUBITEMDRAW;
    if (row == 1 && col == 2) DrawnRowState = rowState;
    return CDRF_DODEFAULT;
  }
};

TEST_F(ListViewTest, SelectionAndNotificationsReachTheEvents) {
  TListView* lv = Table(3);
  TEventProbe probe;
  SetOnItemStateChanged(lv, MakeMethod<&TEventProbe::ItemState>(&probe));
  SetOnColumnClick(lv, MakeMethod<&TEventProbe::Column>(&probe));
  SetOnCustomDraw(lv, MakeMethod<&TEventProbe::Draw>(&probe));
  lv->OnClick = MakeMethod<&TEventProbe::Click>(&probe);
  ShowTestForm(form_);
  DispatchQueued();
  EXPECT_EQ(-1, ListCurrentRow(lv));
  ListSetCurrentRow(lv, 1);
  EXPECT_EQ("state 1..1 0->3", probe.Log.back());
  probe.Log.clear();
  ListSetCurrentRow(lv, 1);  // already current in a single-selection list
  EXPECT_TRUE(probe.Log.empty());

  // Painting: the row state comes in the event's terms.
  RedrawWindow(lv->Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(kDrawSelected | kDrawFocused, probe.DrawnRowState);

  // Clicks on the second header item, then left and right on a row.
  HWND header = reinterpret_cast<HWND>(Ask(lv, LVM_GETHEADER));
  PostMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(120, 5));
  PostMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(120, 5));
  const RECT row = ListGetRowRect(lv, 0, kRowLabel);
  const LPARAM at = MAKELPARAM(row.left + 5, (row.top + row.bottom) / 2);
  PostMessageA(lv->Handle, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(lv->Handle, WM_LBUTTONUP, 0, at);
  DispatchQueued();
  PostMessageA(lv->Handle, WM_RBUTTONDOWN, MK_RBUTTON, at);
  PostMessageA(lv->Handle, WM_RBUTTONUP, 0, at);
  DispatchQueued();
  EXPECT_EQ("column 1", probe.Log.front());
  EXPECT_NE(std::find(probe.Log.begin(), probe.Log.end(), "click"), probe.Log.end());
  EXPECT_EQ("right click", probe.Log.back());

  ListSetCurrentRow(lv, -1);
  EXPECT_EQ(-1, ListCurrentRow(lv));
  EXPECT_EQ(0u, ListGetRowState(lv, 0));

  // With several selected rows allowed, setting the current row clears the others.
  TListView* multi = Table(3, kListMultiSelect);
  LVITEMA selected{};
  selected.state = selected.stateMask = LVIS_SELECTED;
  Ask(multi, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&selected));
  ListSetCurrentRow(multi, 0);
  EXPECT_EQ(1, Ask(multi, LVM_GETSELECTEDCOUNT));

  // Whatever bits other rows hold (focus, selection, cut, drop highlight)
  // go; only the new current row keeps a state.
  TListView* marked = Table(6);
  const UINT bits[6] = {LVIS_CUT, LVIS_DROPHILITED, 0, LVIS_FOCUSED, LVIS_SELECTED, LVIS_CUT | LVIS_DROPHILITED};
  for (int r = 0; r < 6; ++r) {
    LVITEMA state{};
    state.state = bits[r];
    state.stateMask = bits[r];
    Ask(marked, LVM_SETITEMSTATE, static_cast<WPARAM>(r), reinterpret_cast<LPARAM>(&state));
  }
  ListSetCurrentRow(marked, 2);
  for (int r = 0; r < 6; ++r)
    EXPECT_EQ(r == 2 ? unsigned{LVIS_FOCUSED | LVIS_SELECTED} : 0u, ListGetRowState(marked, r)) << "row " << r;
}

// Sets exactly `bits` (of the four row state bits) on `row`.
void SetRowBits(TListView* lv, int row, UINT bits) {
  LVITEMA state{};
  state.state = bits;
  state.stateMask = LVIS_FOCUSED | LVIS_SELECTED | LVIS_CUT | LVIS_DROPHILITED;
  Ask(lv, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
}

// The rows that hold a state are found without a walk over every row where
// the control allows it; whichever way they are found, none may be missed.
TEST_F(ListViewTest, TheCurrentRowIsFoundAndSetWhereverTheStatesAre) {
  TListView* multi = Table(8, kListMultiSelect);
  auto onlyCurrent = [](TListView* lv, int current) {
    for (int r = 0; r < 8; ++r)
      EXPECT_EQ(r == current ? unsigned{LVIS_FOCUSED | LVIS_SELECTED} : 0u, ListGetRowState(lv, r)) << "row " << r;
  };
  // The first selected row is the current one, not the focused one.
  SetRowBits(multi, 2, LVIS_SELECTED);
  SetRowBits(multi, 5, LVIS_SELECTED | LVIS_FOCUSED);
  EXPECT_EQ(2, ListCurrentRow(multi));
  // Selected rows away from the focus, the focus on an unselected row.
  SetRowBits(multi, 3, LVIS_FOCUSED);
  SetRowBits(multi, 6, LVIS_SELECTED);
  ListSetCurrentRow(multi, 0);
  onlyCurrent(multi, 0);
  EXPECT_EQ(0, ListCurrentRow(multi));

  // Cut and drop-highlight bits given through the toolkit's cell writer,
  // through a plain item message, and again after they were once cleared.
  TListView* single = Table(8);
  ListSetCell(single, 4, 0, "r4c0", -2, LVIS_CUT);
  ListSetCurrentRow(single, 7);
  onlyCurrent(single, 7);
  LVITEMA item{};
  item.mask = LVIF_STATE;
  item.iItem = 1;
  item.state = item.stateMask = LVIS_DROPHILITED;
  Ask(single, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  SetRowBits(single, 6, LVIS_CUT);
  ListSetCurrentRow(single, 3);
  onlyCurrent(single, 3);
  ListSetCurrentRow(single, -1);
  onlyCurrent(single, -1);
  EXPECT_EQ(-1, ListCurrentRow(single));
}

TEST_F(ListViewTest, ABurstOfRowsIsPaintedOnceTheLoopIsBack) {
  ShowTestForm(form_);
  TListView* lv = Table(300);
  EXPECT_EQ(1, lv->RedrawDeferred);
  // Scrolling within the same burst still reaches the row.
  ListEnsureVisible(lv, 250, false);
  RECT client, row = ListGetRowRect(lv, 250, kRowWhole);
  GetClientRect(lv->Handle, &client);
  EXPECT_GE(row.top, client.top);
  EXPECT_LE(row.bottom, client.bottom);

  ListInsertRow(lv, 300, "last");
  lv->SetVisible(false);
  WaitUntil([&] { return lv->RedrawDeferred == 0; });
  EXPECT_EQ(0, lv->RedrawDeferred);
  EXPECT_FALSE(IsWindowVisible(lv->Handle));
}

}  // namespace
