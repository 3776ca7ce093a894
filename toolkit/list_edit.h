// TListEdit: turns a report-view list view into an editable grid. While a row
// is edited, one single-line edit box lies over each of its cells; Enter, a
// click on the list view, or Up/Down (moving to the next row) write the texts
// back into the cells; Escape drops them. Either way the row is then reported
// through OnCellChanged.
//
// The editor watches the list view through a window subclass of the common
// controls (bound to the editor object, no code made at run time), and
// passes every message on after looking at it.
//
// The edit boxes refuse the characters in RefusedChars and every control
// character, typed or pasted, and say why in a balloon tip over the box. A
// paste takes the text up to its first line end.
// Transitions requested from inside an edit box's key handling are posted, so
// they run after that handling has returned.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "core/method.h"
#include "toolkit/obj.h"

class TControl;
class TImageList;
class TList;
class TListView;
struct TMsg;

// (sender: the list view, row)
using TRowEvent = TMethod<void(TControl* sender, int32_t row)>;

// Private messages of the list view window while an editor is attached.
enum : UINT {
  kMsgCancelEdit = WM_USER + 1,     // wParam key: stop; commit unless Escape
  kMsgNextEdit = WM_USER + 2,       // wParam key: stop as above, then start again
  kMsgStartEdit = WM_USER + 3,      // start editing the current row
  kMsgCellChanged = WM_USER + 100,  // wParam row: raise OnCellChanged
};

class TListEdit : public TObj {
 public:
  TList* Editors = nullptr;  // the edit boxes (TControl) of the edited row, in column order
  uint8_t InProgress = 0;    // a start or stop is running
  TListView* ListView = nullptr;
  uint8_t SavedTabStop = 0;
  uint8_t SavedTabStopValid = 0;
  HWND Window = nullptr;  // the list view window while the editor stands in front of it
  bool InFront = false;   // in front of the toolkit's dispatch, not a platform subclass
  int32_t RememberedColumn = 0;  // 1 + the column focused when editing last stopped; 0: none
  int32_t EditRow = -1;          // the row the edit boxes belong to
  TRowEvent OnCellChanged;
  TRowEvent OnEditStart;
  // Characters the edit boxes do not take (control characters never).
  std::string RefusedChars;
  // Bit i set: column i is shown in a read-only box and never written back.
  uint64_t ReadOnlyColumns = 0;
  HWND RefusalTip = nullptr;  // the balloon that says why, created on first use

  void Prepare() override;
  // Puts the editor in front of the list view window's procedure.
  void Attach(TListView* listView);
  // Opens edit boxes over the current row; the focus goes to the remembered
  // column, else to the column under client x `mouseX`, else to the first.
  void StartEditing(int32_t mouseX);
  // Closes the edit boxes, writing their texts into the row when `commit`.
  void StopEditing(bool commit);
  // The edit box of a column while editing, else null.
  TControl* Editor(int32_t column) const;
  // Called by the list view when it is destroyed before the editor.
  void ListViewGone();

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  ~TListEdit() override;

 private:
  // Takes the editor from in front of the list view window.
  void LeaveWindow();
  // Hands a message on to the list view's own handling.
  LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void FinishEditing(bool commit, bool report);
  void Reposition();
  void FollowRowChanges(UINT message, WPARAM wParam, LPARAM lParam, LRESULT result);
  void Unhook();
  void EditorKeyDown(TControl* sender, int32_t& key, uint32_t shift);
  void EditorKeyUp(TControl* sender, int32_t& key, uint32_t shift);
  void EditorChar(TControl* sender, int32_t& key, uint32_t shift);
  bool EditorMessage(TControl* sender, TMsg& msg, LRESULT& result);
  bool Refuses(char c) const;
  bool IsReadOnly(int32_t column) const { return column < 64 && (ReadOnlyColumns >> column & 1) != 0; }
  void ShowRefusal(TControl* edit);
  void HideRefusal();
};

// The text of the refusal tip for the characters refused besides control
// characters.
std::string RefusalText(const std::string& refusedChars);

// Creates a list view (CreateListViewControl) with its window, and a cell
// editor for it that is freed with the list view.
TListView* CreateEditableListView(TControl* parent, uint8_t viewStyle, uint32_t listOptions,
                                  TRowEvent onEditStart, TRowEvent onCellChanged,
                                  TImageList* normalImages = nullptr, TImageList* smallImages = nullptr,
                                  TImageList* stateImages = nullptr);
