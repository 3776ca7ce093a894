#include "components/visual/part_kinds_window.h"

#include <commctrl.h>

#include <algorithm>
#include <array>

#include "components/processing/job_table_inputs.h"
#include "components/visual/button_bar.h"
#include "components/visual/row_edit.h"
#include "toolkit/align.h"
#include "toolkit/app_window.h"
#include "toolkit/control_create.h"
#include "toolkit/key_preview.h"
#include "toolkit/list_edit.h"
#include "toolkit/list_view.h"
#include "toolkit/window_place.h"

namespace {

constexpr char kCaption[] = "Детали задания";
constexpr char kRefreshCaption[] = "Обновить";
constexpr char kOutOfDateCaption[] = "Детали задания — устарело, F5 — обновить";
constexpr char kOutOfDateText[] = "Таблицы изменились: F5 — обновить";
constexpr char kHelpText[] =
    "Enter — править, Enter — всем деталям выбранных видов;  Enter на «Вид» — к строке;  F5 — обновить";

struct TColumn {
  const char* Caption;
  int32_t Width;
  uint8_t Align;
};
constexpr TColumn kColumns[TVMPartKindsWindow::kColumnCount] = {
    {"Вид", 240, kColumnLeft},     {"Ставить", 60, kColumnRight}, {"На панель", 75, kColumnRight},
    {"Пропуск", 65, kColumnLeft},  {"Питатель", 70, kColumnLeft}, {"Сопло", 60, kColumnLeft},
    {"Позиции", 370, kColumnLeft},
};
// The columns the user may not change.
constexpr uint64_t kReadOnlyColumns = 1u << TVMPartKindsWindow::kKind | 1u << TVMPartKindsWindow::kPlace |
                                      1u << TVMPartKindsWindow::kPerPanel | 1u << TVMPartKindsWindow::kPositions;
// "Позиции" shows the designators that fit about this many characters.
constexpr size_t kPositionsLimit = 200;

// Messages the window posts to itself, so that many changes in one message
// make one refresh, and many selection changes one ring.
constexpr UINT kMsgRefresh = WM_APP + 40;
constexpr UINT kMsgRing = WM_APP + 41;

// The cells of a component row the lines show.
const std::vector<size_t> kListedColumns = {kComponentNameColumn, kComponentNozzleColumn, kComponentFeederColumn,
                                            kComponentSkipColumn, kComponentCommentColumn};

// A job of up to this many component rows is read again after each change
// of the tables while the window shows (some 10 ms a thousand rows); the
// lines of a larger one say they are out of date until refreshed.
constexpr size_t kRefreshedRows = 5000;

// The window's place relative to its owner's top left corner.
constexpr int32_t kOffsetX = 140;
constexpr int32_t kOffsetY = 170;

bool NoModifiers() { return CurrentShortcutModifiers() == 0; }

std::string CellText(const TPartKind& kind, const JobTables& job, int32_t column) {
  switch (column) {
    case TVMPartKindsWindow::kKind: return kind.Kind;
    case TVMPartKindsWindow::kPlace: return std::to_string(kind.Place);
    case TVMPartKindsWindow::kPerPanel: return std::to_string(kind.PerPanel);
    case TVMPartKindsWindow::kSkip: return kind.Skip;
    case TVMPartKindsWindow::kFeeder: return kind.Feeder;
    case TVMPartKindsWindow::kNozzle: return kind.Nozzle;
    default: return PartKindPositions(job, kind, ", ", kPositionsLimit);
  }
}

void SetRowSelected(TListView* lv, int32_t row, uint32_t state) {
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = state;
  SendMessageA(lv->Handle, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

}  // namespace

TVMPartKindsWindow::TVMPartKindsWindow(TControl* owner) : TVMWin(owner) {
  Width = 1000;
  Height = 440;
  Font = MakeFont("MS Sans Serif", 8, 0, static_cast<uint32_t>(SystemColor(kSysWindowText)), 1);
}

// The window may outlive the component by a message or two; nothing it
// raises may reach the component then.
TVMPartKindsWindow::~TVMPartKindsWindow() {
  if (!Control || ControlDestroyed) return;
  if (KindList) {
    if (KindList->CellEditor) KindList->CellEditor->OnCellChanged = {};
    SetOnItemStateChanged(KindList, {});
  }
  if (Button) Button->DetachMessageHandler(MakeMethod<&TVMPartKindsWindow::ButtonMessage>(this));
}

void TVMPartKindsWindow::ShowKinds(TData& data, uint16_t index) {
  if (!Control && !ControlDestroyed) MakeWindow();
  if (!Control || !KindList) return;
  Refresh(true);
  Control->SetVisible(true);
  SetActiveWindow(Control->Handle);
  SetFocus(KindList->Handle);
}

void TVMPartKindsWindow::TablesChanged(TData& data, uint16_t index) {
  Stale = true;
  if (!Control || !KindList || !IsWindowVisible(Control->Handle)) return;
  if (Job.Components.size() <= kRefreshedRows) PostOnce(RefreshPosted, kMsgRefresh);
  else ShowOutOfDate(true);
}

void TVMPartKindsWindow::AnswerFeeder(TData& data, uint16_t index) {
  Answer = index == 1 ? kAddFeeder : kGiveNumber;
}

void TVMPartKindsWindow::Refresh(bool commitEdits) {
  if (!KindList) return;
  if (commitEdits) FireNull(OnOpening);
  const std::vector<std::string> selected = SelectedKeys();
  const std::string current = LineKey(ListCurrentRow(KindList));
  ReadTables();
  const auto found = std::find_if(Lines.begin(), Lines.end(), [&](const TPartKind& k) { return k.Key == current; });
  Fill(selected, static_cast<int32_t>(found - Lines.begin()));
}

// The lines need a few columns of the component rows: only those are read
// (the rest of a kind's rows when it changes).
// The feeder tables are read whole, as a feeder's comment may be filled.
void TVMPartKindsWindow::ReadTables() {
  Job.Feeders = ReadJobTable(Tables[kFeederTable], kFeederColumns);
  Job.SpecialFeeders = ReadJobTable(Tables[kSpecialFeederTable], kSpecialFeederColumns);
  Job.Boards = ReadJobTable(Tables[kBoardTable], kBoardColumns);
  Job.Components = ReadJobColumns(ComponentCells, kComponentColumns, kListedColumns);
  Lines = PartKinds(Job);
  Stale = false;
}

// --- The window ----------------------------------------------------------------------

void TVMPartKindsWindow::MakeWindow() {
  if (!MakeOwnWindow(kCaption, kOffsetX, kOffsetY)) return;
  LoadWindowPlace(Control, PositionStore);
  MakeParts();
  Control->CreateWindowNow();
}

// The parts take the window's font: they are made after it got it.
void TVMPartKindsWindow::MakeParts() {
  const TButtonBar bar = MakeButtonBar(Control, kRefreshCaption, 100, 200, kHelpText);
  Button = bar.Button;
  Button->AttachMessageHandler(MakeMethod<&TVMPartKindsWindow::ButtonMessage>(this));
  Summary = bar.Status;

  KindList = CreateEditableListView(Control, kViewReport, kListFullRowSelect | kListGridLines | kListMultiSelect,
                                    MakeMethod<&TVMPartKindsWindow::EditStarted>(this),
                                    MakeMethod<&TVMPartKindsWindow::CellChanged>(this));
  KindList->TabStop = 1;
  KindList->CellEditor->RefusedChars = kJobCellRefusedChars;
  KindList->CellEditor->ReadOnlyColumns = kReadOnlyColumns;
  // Enter on a line first opens "Питатель": what a kind most often lacks.
  KindList->CellEditor->RememberedColumn = kFeeder + 1;
  for (const TColumn& column : kColumns) ListAddColumn(KindList, column.Caption, column.Width, column.Align);
  SetAlign(KindList, kAlignClient);
  SetOnItemStateChanged(KindList, MakeMethod<&TVMPartKindsWindow::SelectionChanged>(this));
  Control->FocusedControl = KindList;
}

// The lines of the kinds, up to date: the kinds of `selectedKeys` stay
// selected, and line `current` (the first when there is no such line) is
// selected and current. Only the cells whose text changed are written: a
// cell costs the list view a good deal more than comparing its text, and a
// change of one kind changes a line or a few.
void TVMPartKindsWindow::Fill(const std::vector<std::string>& selectedKeys, int32_t current) {
  // Texts typed over lines that are being made again belong to no kind.
  if (KindList->CellEditor) KindList->CellEditor->StopEditing(false);
  ListDeferRedraw(KindList);
  const auto count = static_cast<int32_t>(Lines.size());
  while (ListRowCount(KindList) > count && ListDeleteRow(KindList, ListRowCount(KindList) - 1)) Shown.pop_back();
  while (ListRowCount(KindList) < count && ListInsertRow(KindList, ListRowCount(KindList), "") >= 0)
    Shown.emplace_back();
  SetRowSelected(KindList, -1, 0);
  ListSuspendFullRowSelect(KindList, true);
  for (int32_t row = 0; row < ListRowCount(KindList); ++row) {
    ShowLine(row);
    if (std::find(selectedKeys.begin(), selectedKeys.end(), Lines[static_cast<size_t>(row)].Key) != selectedKeys.end())
      SetRowSelected(KindList, row, LVIS_SELECTED);
  }
  ListSuspendFullRowSelect(KindList, false);
  if (current < 0 || current >= ListRowCount(KindList)) current = 0;
  if (current < ListRowCount(KindList)) {
    SetRowSelected(KindList, current, LVIS_SELECTED | LVIS_FOCUSED);
    ListEnsureVisible(KindList, current, false);
  }
  size_t needing = 0;
  for (const TPartKind& kind : Lines) needing += kind.NeedsFeeder ? 1 : 0;
  ShowOutOfDate(false);
  Summary->SetCaption("Видов: " + std::to_string(Lines.size()) + ", без питателя: " + std::to_string(needing));
  PostOnce(RingPosted, kMsgRing);
}

// Lines of a job too large to read again at every change show that they
// are out of date instead, and take no edits, until they are refreshed.
void TVMPartKindsWindow::ShowOutOfDate(bool outOfDate) {
  EnableWindow(KindList->Handle, outOfDate ? FALSE : TRUE);
  Control->SetCaption(outOfDate ? kOutOfDateCaption : kCaption);
  if (outOfDate) Summary->SetCaption(kOutOfDateText);
}

void TVMPartKindsWindow::ShowLine(int32_t row) {
  const TPartKind& kind = Lines[static_cast<size_t>(row)];
  std::array<std::string, kColumnCount>& shown = Shown[static_cast<size_t>(row)];
  for (int32_t c = 0; c < kColumnCount; ++c) {
    std::string text = CellText(kind, Job, c);
    if (text == shown[static_cast<size_t>(c)]) continue;
    ListSetCellText(KindList, row, c, text);
    shown[static_cast<size_t>(c)] = std::move(text);
  }
}

std::vector<std::string> TVMPartKindsWindow::SelectedKeys() const {
  std::vector<std::string> keys;
  for (int32_t row = 0; KindList && row < ListRowCount(KindList); ++row)
    if (ListGetRowState(KindList, row) & LVIS_SELECTED) keys.push_back(LineKey(row));
  return keys;
}

std::string TVMPartKindsWindow::LineKey(int32_t row) const {
  return row >= 0 && static_cast<size_t>(row) < Lines.size() ? Lines[static_cast<size_t>(row)].Key : std::string();
}

// --- Giving a kind its cells -----------------------------------------------------------

// The selection is taken as the editing begins: the keys that commit a line
// (the arrows, a click elsewhere) move the selection before the line comes back.
void TVMPartKindsWindow::EditStarted(TControl* sender, int32_t row) { EditedKeys = SelectedKeys(); }

// The cell editor wrote a line back: what differs from the kind is given to
// all its rows, and to those of the other kinds selected with it.
void TVMPartKindsWindow::CellChanged(TControl* sender, int32_t row) {
  if (row < 0 || static_cast<size_t>(row) >= Lines.size()) return;
  const TPartKind& shown = Lines[static_cast<size_t>(row)];
  TKindCells cells;
  const std::string skip = ListGetCellText(KindList, row, kSkip);
  const std::string feeder = ListGetCellText(KindList, row, kFeeder);
  const std::string nozzle = ListGetCellText(KindList, row, kNozzle);
  if (skip != shown.Skip) cells.Skip = skip;
  if (feeder != shown.Feeder) cells.Feeder = feeder;
  if (nozzle != shown.Nozzle) cells.Nozzle = nozzle;
  // The list holds what was typed until the line is made again.
  if (static_cast<size_t>(row) < Shown.size()) {
    Shown[static_cast<size_t>(row)][kSkip] = skip;
    Shown[static_cast<size_t>(row)][kFeeder] = feeder;
    Shown[static_cast<size_t>(row)][kNozzle] = nozzle;
  }
  // Copies: the lines may be made again before the keys are looked up.
  std::vector<std::string> keys = {shown.Key};
  if (std::find(EditedKeys.begin(), EditedKeys.end(), shown.Key) != EditedKeys.end()) keys = EditedKeys;
  EditedKeys.clear();
  if (cells.Skip || cells.Feeder || cells.Nozzle) Commit(keys, cells);
}

// The lines are made again after the change, or in its place when the
// texts are refused or the user cancels.
// `keys` are the kinds' in the order of the lines, the first one's comment
// names a feeder added.
void TVMPartKindsWindow::Commit(const std::vector<std::string>& keys, const TKindCells& cells) {
  // The tables may have changed since the lines were made: the kinds are
  // found again in the tables as they are.
  if (Stale) ReadTables();
  std::vector<TPartKind> kinds;
  for (const std::string& key : keys) {
    const auto kind = std::find_if(Lines.begin(), Lines.end(), [&](const TPartKind& k) { return k.Key == key; });
    if (kind == Lines.end()) continue;
    kinds.push_back(*kind);
    // The change carries the kinds' rows whole.
    ReadJobCells(ComponentCells, kind->Rows, {kComponentXColumn, kComponentYColumn, kComponentAngleColumn},
                 Job.Components);
  }
  bool addFeeder = false;
  if (kinds.empty() || !Confirm(cells, addFeeder)) {
    Fill(SelectedKeys(), ListCurrentRow(KindList));
    return;
  }
  // A kind given its feeder moves down among the kinds that have one: the
  // line where it stood, the next kind to give one, becomes the current.
  // The tables now hold what the change says: the lines are made from it,
  // not read again.
  const int32_t row = ListCurrentRow(KindList);
  const TKindChange change = KindChange(Job, kinds, cells, addFeeder);
  Apply(change);
  ApplyKindChange(Job, change);
  Lines = PartKinds(Job);
  Stale = false;
  Fill({}, row);
}

// False when the texts are refused or the user cancels.
bool TVMPartKindsWindow::Confirm(const TKindCells& cells, bool& addFeeder) {
  if (cells.Skip && !IsKindSkipText(*cells.Skip)) {
    FireStr(OnInvalid, "Пропуск: «" + *cells.Skip + "» — только 0 (ставить) или 1 (пропустить).");
    return false;
  }
  if (!cells.Feeder || !IsMissingFeeder(Job, *cells.Feeder)) return true;
  Answer = kNoAnswer;
  FireStr(OnAskFeeder, "Питателя " + *cells.Feeder + " нет. Добавить его в таблицу питателей?");
  addFeeder = Answer == kAddFeeder;
  return Answer != kNoAnswer;
}

void TVMPartKindsWindow::Apply(const TKindChange& change) {
  if (change.Empty()) return;
  FireNull(OnChangeBegin);
  if (!change.Components.empty()) FireStr(OnRowChanges[kComponentTable], PackRowChanges(change.Components));
  if (change.Comment) FireStr(OnRowChanges[change.Comment->Table], PackRowChanges({change.Comment->Row}));
  if (change.AddedFeeder) FireStr(OnFeederAdded, TableRowLines({*change.AddedFeeder}));
  FireNull(OnChangeEnd);
}

// --- Rows of the job -------------------------------------------------------------------

void TVMPartKindsWindow::PickFirstRow() {
  const std::string key = LineKey(ListCurrentRow(KindList));
  for (const TPartKind& kind : Lines)
    if (kind.Key == key && !kind.Rows.empty()) FireInt(OnPick, static_cast<int32_t>(kind.Rows.front()));
}

void TVMPartKindsWindow::Ring() {
  std::vector<size_t> rows;
  if (Control && IsWindowVisible(Control->Handle))
    for (int32_t row = 0; row < ListRowCount(KindList) && static_cast<size_t>(row) < Lines.size(); ++row)
      if (ListGetRowState(KindList, row) & LVIS_SELECTED) {
        const std::vector<size_t>& kindRows = Lines[static_cast<size_t>(row)].Rows;
        rows.insert(rows.end(), kindRows.begin(), kindRows.end());
      }
  std::sort(rows.begin(), rows.end());
  std::string text;
  for (size_t row : rows) text += (text.empty() ? "" : ",") + std::to_string(row);
  // The same rings again would only repaint the view.
  if (text == Ringed) return;
  Ringed = text;
  FireStr(OnRing, text);
}

void TVMPartKindsWindow::PostOnce(bool& posted, UINT message) {
  if (posted || !Control || !Control->HasWindow()) return;
  posted = PostMessageA(Control->Handle, message, 0, 0) != 0;
}

void TVMPartKindsWindow::SelectionChanged(TControl*, int32_t, int32_t, uint32_t oldState, uint32_t newState) {
  if ((oldState ^ newState) & LVIS_SELECTED) PostOnce(RingPosted, kMsgRing);
}

// --- Messages ----------------------------------------------------------------------

// Keys come as the key preview, whichever part of the window has the focus.
bool TVMPartKindsWindow::MessageHandler(TMsg& msg, LRESULT& result) {
  switch (msg.Message) {
    case WM_CLOSE:
      if (!Control) break;
      SaveWindowPlace(Control, PositionStore);
      Control->SetVisible(false);
      Ring();  // hidden, it rings nothing
      result = 0;
      return true;
    case kMsgRefresh:
      RefreshPosted = false;
      if (Stale) Refresh(false);
      return true;
    case kMsgRing:
      RingPosted = false;
      Ring();
      return true;
    default:
      break;
  }
  if (msg.Message == KeyPreviewMessage() && NoModifiers() && KindList) {
    TControl* kindBox = KindList->CellEditor ? KindList->CellEditor->Editor(kKind) : nullptr;
    const bool onKind = kindBox && kindBox->HasWindow() && reinterpret_cast<HWND>(msg.LParam) == kindBox->Handle;
    if (msg.WParam == VK_F5) {
      Refresh(true);
    } else if (msg.WParam == VK_RETURN && onKind) {
      KindList->CellEditor->StopEditing(true);
      PickFirstRow();
    } else {
      return TVMWin::MessageHandler(msg, result);
    }
    result = 1;
    return true;
  }
  return TVMWin::MessageHandler(msg, result);
}

// A button's click reaches it as a reflected command whose code is 0, which
// the toolkit's own command dispatch does not report.
bool TVMPartKindsWindow::ButtonMessage(TControl* sender, TMsg& msg, LRESULT& result) {
  if (msg.Message == kMsgReflectedCommand && HIWORD(msg.WParam) == BN_CLICKED) Refresh(true);
  return false;
}
