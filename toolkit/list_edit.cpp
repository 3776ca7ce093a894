#include "toolkit/list_edit.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cstring>

#include "toolkit/control.h"
#include "toolkit/control_create.h"
#include "toolkit/list.h"
#include "toolkit/list_view.h"
#include "toolkit/navigation.h"
#include "toolkit/paint.h"

namespace {

constexpr UINT_PTR kSubclassId = 1;

LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR editor) {
  return reinterpret_cast<TListEdit*>(editor)->HandleMessage(window, message, wParam, lParam);
}

int32_t CursorX(HWND window) {
  POINT p{};
  GetCursorPos(&p);
  ScreenToClient(window, &p);
  return p.x;
}

// The edit box rectangle of a cell: one pixel taller than the row at each edge.
RECT CellBox(const RECT& row, int32_t left, int32_t width) {
  return RECT{left, row.top - 1, left + width, row.bottom + 1};
}

}  // namespace

void TListEdit::Prepare() { Editors = CreateList(); }

TListEdit::~TListEdit() {
  // Out of the window's procedure first: the messages sent while the edit
  // boxes go must not reach an editor that is being destroyed.
  Unhook();
  if (ListView) {
    for (int32_t i = 0; i < Editors->Count; ++i) static_cast<TControl*>(Editors->Items[i])->Free();
    Editors->Clear();
    ListView->CellEditor = nullptr;
    ListView = nullptr;
  }
  FreeObj(Editors);
}

void TListEdit::ListViewGone() {
  Unhook();
  Editors->Clear();  // the list view frees its child edit boxes itself
  ListView->CellEditor = nullptr;
  ListView = nullptr;
}

void TListEdit::Unhook() {
  HideRefusal();
  if (RefusalTip) DestroyWindow(RefusalTip);
  RefusalTip = nullptr;
  LeaveWindow();
}

void TListEdit::LeaveWindow() {
  if (!Window) return;
  if (InFront) {
    if (ListView && ListView->FrontProc == MakeMethod<&TListEdit::HandleMessage>(this)) ListView->FrontProc = {};
  } else {
    // The common controls keep the subclasses of a window in a chain of
    // their own, so this one leaves it wherever it is, also when others
    // came later.
    RemoveWindowSubclass(Window, &SubclassProc, kSubclassId);
  }
  Window = nullptr;
}

void TListEdit::Attach(TListView* listView) {
  InProgress = 0;
  SavedTabStopValid = 0;
  ListView = listView;
  listView->CellEditor = this;
  HWND window = listView->GetHandle();
  if (!window) return;
  // A list view of the toolkit takes the editor in front of its own
  // dispatch; any other window gets a platform subclass.
  InFront = ControlOfWindow(window) == listView && !listView->FrontProc;
  if (InFront) {
    listView->FrontProc = MakeMethod<&TListEdit::HandleMessage>(this);
    Window = window;
    return;
  }
  if (SetWindowSubclass(window, &SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
    Window = window;
}

LRESULT TListEdit::PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!InFront) return DefSubclassProc(window, message, wParam, lParam);
  TMsg msg{window, message, wParam, lParam};
  return ListView ? ListView->WindowProcedure(msg) : DefWindowProcA(window, message, wParam, lParam);
}

TControl* TListEdit::Editor(int32_t column) const { return static_cast<TControl*>(Editors->Get(column)); }

LRESULT TListEdit::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TListView* lv = ListView;
  if (!lv) return PassOn(window, message, wParam, lParam);
  // Both stay alive until the message has been passed on, whatever the
  // events raised here do.
  AddHold();
  lv->AddHold();
  const bool hadEditors = Editors->Count > 0;
  switch (message) {
    case WM_PAINT:
    case WM_NCPAINT:
    case WM_PRINTCLIENT:
      Reposition();
      break;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) {
        StartEditing(CursorX(window));
      } else if (wParam == VK_ESCAPE) {
        StopEditing(false);
      } else {
        StopEditing(true);
        if (hadEditors) PostMessageA(window, kMsgStartEdit, 0, 0);
      }
      break;
    case WM_LBUTTONDOWN:
      StopEditing(true);
      RememberedColumn = 0;
      break;
    case WM_LBUTTONDBLCLK:
      StartEditing(GET_X_LPARAM(lParam));
      break;
    case kMsgStartEdit:
      StartEditing(CursorX(window));
      break;
    case kMsgCancelEdit:
      StopEditing(wParam != VK_ESCAPE);
      break;
    case kMsgNextEdit:
      StopEditing(wParam != VK_ESCAPE);
      if (hadEditors) PostMessageA(window, kMsgStartEdit, 0, 0);
      break;
    case kMsgCellChanged:
      if (OnCellChanged) OnCellChanged(lv, static_cast<int32_t>(wParam));
      break;
    default:
      break;
  }
  const LRESULT result = PassOn(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) LeaveWindow();  // the window goes: so does the editor's place in front of it
  if (Editors->Count > 0) FollowRowChanges(message, wParam, lParam, result);
  lv->DropHold();
  DropHold();
  return result;
}

// Keeps EditRow on the edited row when rows are inserted or deleted while
// editing; when the row itself goes (deleted, all rows cleared, sorted), the
// edits are dropped: they belong to no row any more.
void TListEdit::FollowRowChanges(UINT message, WPARAM wParam, LPARAM, LRESULT result) {
  switch (message) {
    case LVM_INSERTITEMA:
    case LVM_INSERTITEMW:
      if (result >= 0 && result <= EditRow) ++EditRow;
      break;
    case LVM_DELETEITEM:
      if (!result) break;
      if (static_cast<int32_t>(wParam) == EditRow) FinishEditing(false, false);
      else if (static_cast<int32_t>(wParam) < EditRow) --EditRow;
      break;
    case LVM_DELETEALLITEMS:
    case LVM_SORTITEMS:
    case LVM_SORTITEMSEX:
      FinishEditing(false, false);
      break;
    default:
      break;
  }
}

void TListEdit::StartEditing(int32_t mouseX) {
  if (Editors->Count > 0) StopEditing(true);
  if (InProgress || !ListView) return;
  TListView* lv = ListView;
  const int32_t row = ListCurrentRow(lv);
  if (row < 0) return;  // no row to edit: nothing to show, nothing to write back
  InProgress = 1;
  if (OnEditStart) OnEditStart(lv, row);
  EditRow = row;
  const RECT rowRect = ListGetRowRect(lv, row, kRowWhole);
  int32_t x = rowRect.left;
  TControl* chosen = nullptr;
  for (int32_t i = 0; i < lv->ColumnCount; ++i) {
    const int32_t width = ListGetColumnWidth(lv, i);
    const RECT cell = CellBox(rowRect, x, width);
    TControl* edit = CreateEditControl(lv, 0);
    Editors->Add(edit);
    edit->SetBoundsRect(cell);
    x += width;
    SetDoubleBuffered(edit, true);
    edit->TabStop = 1;
    // Up/Down and PageUp/PageDown belong to the grid: only Tab moves the
    // focus between the boxes.
    edit->NavigationKeys = kNavigateTab;
    edit->SetCaption(ListGetCellText(lv, row, i));
    edit->SetOnKeyDown(MakeMethod<&TListEdit::EditorKeyDown>(this));
    edit->SetOnKeyUp(MakeMethod<&TListEdit::EditorKeyUp>(this));
    edit->SetOnChar(MakeMethod<&TListEdit::EditorChar>(this));
    edit->AttachMessageHandler(MakeMethod<&TListEdit::EditorMessage>(this));
    edit->CreateWindowNow();
    if (IsReadOnly(i)) SendMessageA(edit->Handle, EM_SETREADONLY, TRUE, 0);
    if (cell.left <= mouseX && mouseX <= cell.right) chosen = edit;
  }
  if (RememberedColumn != 0 && Editor(RememberedColumn - 1)) chosen = Editor(RememberedColumn - 1);
  if (!chosen) chosen = Editor(0);
  if (chosen) {
    chosen->SetFocused();
    SavedTabStop = lv->TabStop;
    lv->TabStop = 0;
    SavedTabStopValid = 1;
  }
  InProgress = 0;
}

void TListEdit::StopEditing(bool commit) { FinishEditing(commit, true); }

void TListEdit::FinishEditing(bool commit, bool report) {
  if (InProgress || !ListView) return;
  InProgress = 1;
  TListView* lv = ListView;
  const int32_t count = Editors->Count;
  const HWND focus = GetFocus();
  for (int32_t i = 0; i < count; ++i) {
    auto* edit = static_cast<TControl*>(Editors->Items[i]);
    // Every column is written back, changed or not.
    if (commit && EditRow >= 0 && !IsReadOnly(i)) ListSetCellText(lv, EditRow, i, edit->GetCaption());
    if (edit->HasWindow() && edit->Handle == focus) RememberedColumn = i + 1;
    edit->Free();
  }
  Editors->Clear();
  HideRefusal();
  if (count > 0 && report) PostMessageA(lv->Handle, kMsgCellChanged, static_cast<WPARAM>(EditRow), 0);
  EditRow = -1;
  InProgress = 0;
  if (SavedTabStopValid) {
    lv->TabStop = SavedTabStop;
    SavedTabStopValid = 0;
  }
  if (count > 0) lv->SetFocused();
}

void TListEdit::Reposition() {
  if (Editors->Count == 0 || !ListView) return;
  const RECT rowRect = ListGetRowRect(ListView, EditRow, kRowWhole);
  int32_t x = rowRect.left;
  for (int32_t i = 0; i < Editors->Count; ++i) {
    const int32_t width = ListGetColumnWidth(ListView, i);
    Editor(i)->SetBoundsRect(CellBox(rowRect, x, width));
    x += width;
  }
}

void TListEdit::EditorKeyDown(TControl*, int32_t& key, uint32_t) {
  if (key != VK_RETURN && key != VK_ESCAPE && key != VK_UP && key != VK_DOWN) return;
  HWND window = ListView ? ListView->Handle : nullptr;
  if (!window) return;
  const auto wParam = static_cast<WPARAM>(key);
  PostMessageA(window, key == VK_ESCAPE ? kMsgCancelEdit : kMsgNextEdit, wParam, 0);
  // The list view moves its selection after editing has stopped and before
  // it starts again.
  if (key == VK_UP || key == VK_DOWN) {
    PostMessageA(window, WM_KEYDOWN, wParam, 0);
    PostMessageA(window, WM_KEYUP, wParam, 0);
  }
}

void TListEdit::EditorKeyUp(TControl*, int32_t& key, uint32_t) {
  if (key == VK_UP || key == VK_DOWN) key = 0;
}


TListView* CreateEditableListView(TControl* parent, uint8_t viewStyle, uint32_t listOptions,
                                  TRowEvent onEditStart, TRowEvent onCellChanged, TImageList* normalImages,
                                  TImageList* smallImages, TImageList* stateImages) {
  TListView* lv = CreateListViewControl(parent, viewStyle, listOptions, normalImages, smallImages, stateImages);
  lv->CreateWindowNow();
  // The editor is freed with the list view (before its window and its
  // children go).
  auto* editor = New<TListEdit>();
  editor->OnEditStart = onEditStart;
  editor->OnCellChanged = onCellChanged;
  editor->Attach(lv);
  return lv;
}
