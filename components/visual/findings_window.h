// TVMFindingsWindow: the findings of a job check, listed in a window of its
// own beside the main window (owned by it, so it stays above it). The list
// shows each finding's kind, table, row, column and text; Enter or a double
// click on a finding fires OnPick of its table with the row, so that the
// table can select it. A click on a column's caption sorts the list by that
// column, a second click reverses it (findings that compare equal keep
// their order, so the check's order stays within them); the order chosen
// holds for the next check too. The bottom line counts the errors and the
// warnings (a finding that tells of several rows counts each).
// "Проверить снова" (or F7 in the window) fires OnRecheck. Closing the
// window only hides it; the next ShowFindings shows it again with the new
// list.
//
// The window is made at the first ShowFindings; the properties of TVMWin
// (position, size, font) apply to it then. Init does nothing.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "components/visual/finding_rows.h"
#include "components/visual/vm_win.h"
#include "core/event.h"
#include "job/job_format.h"

class TListView;

class TVMFindingsWindow : public TVMWin {
 public:
  // --- Points -------------------------------------------------------------------
  TVM_Event OnPick[kJobTableCount];  // per TJobTable: Integer, the row from 0
  TVM_Event OnRecheck;               // the user asks for the check again

  // The ini file and section its place is kept in ("file.ini\\section"),
  // taken when the window is made and kept when it closes; empty keeps
  // nothing.
  std::string PositionStore;

  // `owner` is the main window's form; the window is placed beside it.
  explicit TVMFindingsWindow(TControl* owner);
  ~TVMFindingsWindow() override;

  void Init() override {}

  // Action. String: the findings, one line each (finding_rows.h); none
  // shows "Замечаний нет". Fills the list in the order given and shows the
  // window.
  void ShowFindings(TData& data, uint16_t index);
  static constexpr uint16_t kShowFindingsPoint = 0;

  // The list and the button, null until the window is made.
  TListView* List() const { return FindingList; }
  TControl* RecheckButton() const { return Button; }
  TControl* CountsLabel() const { return Counts; }
  const std::vector<TFindingRow>& Findings() const { return Rows; }

  bool MessageHandler(TMsg& msg, LRESULT& result) override;

 private:
  TListView* FindingList = nullptr;
  TControl* Button = nullptr;
  TControl* Counts = nullptr;
  std::vector<TFindingRow> Rows;
  int32_t SortColumn = -1;  // none: the check's order
  bool SortDescending = false;

  void MakeWindow();
  void MakeParts();
  void Fill();
  void SortBy(int32_t column);
  void SortRows();
  std::string CountsText() const;
  const std::string& CellText(int32_t row, int32_t column) const;
  void Pick(int32_t listRow);
  bool ListMessage(TControl* sender, TMsg& msg, LRESULT& result);
  bool ButtonMessage(TControl* sender, TMsg& msg, LRESULT& result);
};
