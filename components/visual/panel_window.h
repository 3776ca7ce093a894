// TVMPanelWindow: "Панель плат", a small modal window that asks for a panel
// of boards (columns, rows, pitch X and Y, origin X and Y, the boards to
// skip) and gives the board table for it. OK (or Enter) reads the fields by
// the job's panel rule: a wrong value fires OnInvalid with a text naming
// its field, and the window stays with that field focused; good values
// close the window and fire OnRows, then OnApplied. Отмена, Esc or closing
// the window change nothing. Tab moves between the fields and buttons.
//
// While it shows, the owner (the main window) takes no input. The window is
// made at the first ShowPanel and only hidden afterwards, so the fields
// keep the last panel; at first they hold a single board at 0, 0.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "components/visual/vm_win.h"
#include "core/event.h"
#include "job/board_panel.h"

class TVMPanelWindow : public TVMWin {
 public:
  static constexpr int32_t kFieldCount = 7;  // one per TPanelField, in its order

  // --- Points ----------------------------------------------------------------
  TVM_Event OnOpening;  // before the window shows (edits in progress are written back)
  TVM_Event OnRows;     // String: the board rows, row lines with CR LF between them
  TVM_Event OnApplied;  // the rows have been given
  TVM_Event OnInvalid;  // String: what is wrong, "Шаг по X: «a» не число"

  // The ini file and section its place is kept in ("file.ini\\section"),
  // taken when the window is made and kept when it closes; empty keeps
  // nothing.
  std::string PositionStore;

  // `owner` is the main window's form; the window is centred over it.
  explicit TVMPanelWindow(TControl* owner);
  ~TVMPanelWindow() override;

  void Init() override {}

  // Action: shows the window (making it the first time) with the focus in
  // the first field.
  void ShowPanel(TData& data, uint16_t index);
  static constexpr uint16_t kShowPanelPoint = 0;

  // The parts, null until the window is made.
  TControl* Field(TPanelField field) const { return Fields[static_cast<int32_t>(field)]; }
  TControl* OkButton() const { return Ok; }
  TControl* CancelButton() const { return Cancel; }

  // What OK and Отмена do.
  void Accept();
  void Dismiss();

  bool MessageHandler(TMsg& msg, LRESULT& result) override;

 private:
  TControl* Fields[kFieldCount] = {};
  TControl* Ok = nullptr;
  TControl* Cancel = nullptr;

  void MakeWindow();
  void MakeParts();
  void FocusField(TControl* field);
  bool ButtonMessage(TControl* sender, TMsg& msg, LRESULT& result);
  bool FieldMessage(TControl* sender, TMsg& msg, LRESULT& result);
};
