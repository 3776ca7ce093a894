// TVMPartKindsWindow: "Детали задания", the job's parts by kind (job/
// part_kinds.h) in a window of its own beside the main window (owned by it,
// so it stays above it). One line per kind: "Вид", "Ставить", "На панель",
// "Пропуск", "Питатель", "Сопло", "Позиции".
//
// "Питатель", "Сопло" and "Пропуск" are edited in place by the toolkit's cell
// editor, which refuses what a job cell cannot hold as the job's tables do.
// A commit sets the cell in every row of the kind as one change of the job:
// OnChangeBegin, the tables' changes, OnChangeEnd. When the line edited was
// one of several selected (Ctrl or Shift with a click or the arrows) as the
// editing began, every selected kind takes the cell in that one change. A
// feeder number that no feeder table has is asked about first, once
// (OnAskFeeder; the answer comes back to AnswerFeeder, none is Отмена).
//
// Selecting kinds fires OnRing with their component rows; Enter on "Вид"
// fires OnPick with the kind's first row. The lines never show a job the
// tables no longer hold: after a change of the window's own they are made
// from the change; TablesChanged marks them out of date, and a refresh
// follows once the message at hand is handled (for a job of many rows the
// window says it is out of date and takes no edits until refreshed);
// ShowKinds, "Обновить" and F5 refresh at once. Closing the window only
// hides it.
//
// The window is made at the first ShowKinds; the properties of TVMWin
// (position, size, font) apply to it then. Init does nothing.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "components/visual/vm_win.h"
#include "core/event.h"
#include "job/job_file.h"
#include "job/job_format.h"
#include "job/part_kind_change.h"
#include "job/part_kinds.h"

class TListView;

class TVMPartKindsWindow : public TVMWin {
 public:
  // The columns, in order.
  enum TKindColumn : int32_t { kKind, kPlace, kPerPanel, kSkip, kFeeder, kNozzle, kPositions, kColumnCount };

  // --- Points -------------------------------------------------------------------
  TVM_Event Tables[kJobTableCount];        // data inputs: each table's Array output
  TVM_Event ComponentCells;                // data input: the component table's Matrix output
  TVM_Event OnOpening;                     // before the tables are read on ShowKinds and "Обновить"
  TVM_Event OnChangeBegin;                 // a change of the job starts
  TVM_Event OnRowChanges[kJobTableCount];  // String: a batch of cell edits for that table's rows
  TVM_Event OnFeederAdded;                 // String: a row line for the end of the feeder table
  TVM_Event OnChangeEnd;                   // the change is complete
  TVM_Event OnAskFeeder;                   // String: whether to add a feeder no table has
  TVM_Event OnInvalid;                     // String: why a text given to a kind is refused
  TVM_Event OnPick;                        // Integer: a component row, from 0
  TVM_Event OnRing;                        // String: component rows from 0 joined by ","; empty: none

  // The ini file and section its place is kept in ("file.ini\\section"),
  // taken when the window is made and kept when it closes; empty keeps
  // nothing.
  std::string PositionStore;

  // `owner` is the main window's form; the window is placed beside it.
  explicit TVMPartKindsWindow(TControl* owner);
  ~TVMPartKindsWindow() override;

  void Init() override {}

  // Actions. ShowKinds reads the tables and shows the window; TablesChanged
  // says that the tables changed; AnswerFeeder answers OnAskFeeder (index 1:
  // add the feeder, 0: only give the number).
  void ShowKinds(TData& data, uint16_t index);
  void TablesChanged(TData& data, uint16_t index);
  void AnswerFeeder(TData& data, uint16_t index);
  static constexpr uint16_t kShowKindsPoint = 0;

  // The parts, null until the window is made.
  TListView* List() const { return KindList; }
  TControl* RefreshButton() const { return Button; }
  const std::vector<TPartKind>& Kinds() const { return Lines; }
  bool OutOfDate() const { return Stale; }

  // Reads the tables again and shows them; with `commitEdits` a row being
  // edited in the tables is written back first.
  void Refresh(bool commitEdits);

  bool MessageHandler(TMsg& msg, LRESULT& result) override;

 private:
  enum TAnswer : uint8_t { kNoAnswer, kGiveNumber, kAddFeeder };

  TListView* KindList = nullptr;
  TControl* Button = nullptr;
  TControl* Summary = nullptr;
  JobTables Job;
  std::vector<TPartKind> Lines;
  std::vector<std::array<std::string, kColumnCount>> Shown;  // the texts in the list, line by line
  bool Stale = true;
  bool RefreshPosted = false;
  bool RingPosted = false;
  std::string Ringed;  // the rows last given to OnRing
  TAnswer Answer = kNoAnswer;
  std::vector<std::string> EditedKeys;  // the kinds selected as the editing of a line began

  void MakeWindow();
  void MakeParts();
  void Fill(const std::vector<std::string>& selectedKeys, int32_t current);
  void ShowOutOfDate(bool outOfDate);
  void ReadTables();
  void ShowLine(int32_t row);
  std::vector<std::string> SelectedKeys() const;
  std::string LineKey(int32_t row) const;
  void Commit(const std::vector<std::string>& keys, const TKindCells& cells);
  bool Confirm(const TKindCells& cells, bool& addFeeder);
  void Apply(const TKindChange& change);
  void PickFirstRow();
  void Ring();
  void PostOnce(bool& posted, UINT message);
  void EditStarted(TControl* sender, int32_t row);
  void CellChanged(TControl* sender, int32_t row);
  void SelectionChanged(TControl* sender, int32_t fromRow, int32_t toRow, uint32_t oldState, uint32_t newState);
  bool ButtonMessage(TControl* sender, TMsg& msg, LRESULT& result);
};
