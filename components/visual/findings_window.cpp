#include "components/visual/findings_window.h"

#include <commctrl.h>

#include <algorithm>

#include "components/visual/button_bar.h"
#include "toolkit/align.h"
#include "toolkit/app_window.h"
#include "toolkit/control_create.h"
#include "toolkit/key_preview.h"
#include "toolkit/list_view.h"
#include "toolkit/window_place.h"

namespace {

constexpr char kCaption[] = "Проверка задания";
constexpr char kRecheckCaption[] = "Проверить снова";
constexpr char kHelpText[] =
    "Enter или двойной щелчок — к строке в таблице;  щелчок по заголовку — порядок;  F7 — проверить снова";
constexpr char kNoFindings[] = "Замечаний нет";

struct TColumn {
  const char* Caption;
  int32_t Width;
  uint8_t Align;
};
constexpr TColumn kColumns[] = {
    {"Вид", 120, kColumnLeft},     {"Таблица", 150, kColumnLeft},    {"Строка", 60, kColumnRight},
    {"Столбец", 130, kColumnLeft}, {"Замечание", 400, kColumnLeft},
};
constexpr int32_t kTableColumn = 1;
constexpr int32_t kRowColumn = 2;
constexpr int32_t kTextColumn = 4;

// The window's place relative to its owner's top left corner.
constexpr int32_t kOffsetX = 80;
constexpr int32_t kOffsetY = 120;

bool NoModifiers() { return CurrentShortcutModifiers() == 0; }

// The row as a number to sort by; what is no number comes first.
long long RowNumber(const TFindingRow& finding) {
  if (finding.Row.empty() || finding.Row.size() > 18) return -1;
  long long number = 0;
  for (char c : finding.Row) {
    if (c < '0' || c > '9') return -1;
    number = number * 10 + (c - '0');
  }
  return number;
}

// True when `a` comes before `b` in the list sorted up by that column.
bool SortsBefore(const TFindingRow& a, const TFindingRow& b, int32_t column) {
  switch (column) {
    case 0: return a.Kind < b.Kind;
    case kTableColumn: return a.PickTable != b.PickTable ? a.PickTable < b.PickTable : a.Table < b.Table;
    case kRowColumn: return RowNumber(a) < RowNumber(b);
    case 3: return a.Column < b.Column;
    default: return a.Text < b.Text;
  }
}

}  // namespace

TVMFindingsWindow::TVMFindingsWindow(TControl* owner) : TVMWin(owner) {
  Width = 1000;
  Height = 380;
  Font = MakeFont("MS Sans Serif", 8, 0, static_cast<uint32_t>(SystemColor(kSysWindowText)), 1);
}

// The window may outlive the component by a message or two; nothing it
// raises may reach the component then.
TVMFindingsWindow::~TVMFindingsWindow() {
  if (!Control || ControlDestroyed) return;
  if (FindingList) FindingList->DetachMessageHandler(MakeMethod<&TVMFindingsWindow::ListMessage>(this));
  if (Button) Button->DetachMessageHandler(MakeMethod<&TVMFindingsWindow::ButtonMessage>(this));
}

void TVMFindingsWindow::ShowFindings(TData& data, uint16_t index) {
  Rows = ParseFindings(ValueToStr(data));
  if (!Control && !ControlDestroyed) MakeWindow();
  if (!Control || !FindingList) return;
  Fill();
  Control->SetVisible(true);
  SetActiveWindow(Control->Handle);
  SetFocus(FindingList->Handle);
}

// --- The window ----------------------------------------------------------------------

void TVMFindingsWindow::MakeWindow() {
  if (!MakeOwnWindow(kCaption, kOffsetX, kOffsetY)) return;
  LoadWindowPlace(Control, PositionStore);
  MakeParts();
  Control->CreateWindowNow();
}

// The parts take the window's font: they are made after it got it.
void TVMFindingsWindow::MakeParts() {
  const TButtonBar bar = MakeButtonBar(Control, kRecheckCaption, 140, 260, kHelpText);
  Button = bar.Button;
  Button->AttachMessageHandler(MakeMethod<&TVMFindingsWindow::ButtonMessage>(this));
  Counts = bar.Status;

  // The list holds no texts of its own: it asks for the cells it shows, so
  // tens of thousands of findings cost no more than the few on the screen.
  FindingList =
      CreateListViewControl(Control, kViewReport, kListFullRowSelect | kListGridLines | kListOwnerData);
  FindingList->TabStop = 1;
  for (const TColumn& column : kColumns) ListAddColumn(FindingList, column.Caption, column.Width, column.Align);
  SetAlign(FindingList, kAlignClient);
  FindingList->AttachMessageHandler(MakeMethod<&TVMFindingsWindow::ListMessage>(this));
  Control->FocusedControl = FindingList;
}

void TVMFindingsWindow::Fill() {
  SortRows();
  Counts->SetCaption(CountsText());
  // With no findings one row says so.
  const size_t rows = Rows.empty() ? 1 : Rows.size();
  SendMessageA(FindingList->Handle, LVM_SETITEMCOUNT, rows, 0);
  InvalidateRect(FindingList->Handle, nullptr, TRUE);
  ListSetCurrentRow(FindingList, 0);
  ListEnsureVisible(FindingList, 0, false);
}

// A click on the caption of `column`: up by it, or the other way when it
// was the column sorted by. The finding that was current stays current.
void TVMFindingsWindow::SortBy(int32_t column) {
  SortDescending = column == SortColumn ? !SortDescending : false;
  SortColumn = column;
  const int32_t current = ListCurrentRow(FindingList);
  const bool hasCurrent = current >= 0 && static_cast<size_t>(current) < Rows.size();
  const TFindingRow kept = hasCurrent ? Rows[static_cast<size_t>(current)] : TFindingRow{};
  SortRows();
  InvalidateRect(FindingList->Handle, nullptr, TRUE);
  if (!hasCurrent) return;
  const auto found = std::find(Rows.begin(), Rows.end(), kept);
  const int32_t row = static_cast<int32_t>(found - Rows.begin());
  ListSetCurrentRow(FindingList, row);
  ListEnsureVisible(FindingList, row, false);
}

void TVMFindingsWindow::SortRows() {
  if (SortColumn < 0) return;
  const int32_t column = SortColumn;
  if (SortDescending)
    std::stable_sort(Rows.begin(), Rows.end(),
                     [column](const TFindingRow& a, const TFindingRow& b) { return SortsBefore(b, a, column); });
  else
    std::stable_sort(Rows.begin(), Rows.end(),
                     [column](const TFindingRow& a, const TFindingRow& b) { return SortsBefore(a, b, column); });
}

std::string TVMFindingsWindow::CountsText() const {
  size_t errors = 0, warnings = 0;
  for (const TFindingRow& finding : Rows) {
    if (finding.Kind == kErrorKindName) errors += finding.Count;
    else if (finding.Kind == kWarningKindName) warnings += finding.Count;
  }
  return "Ошибок: " + std::to_string(errors) + ", предупреждений: " + std::to_string(warnings);
}

// The text of one cell, as the list asks for it.
const std::string& TVMFindingsWindow::CellText(int32_t row, int32_t column) const {
  static const std::string kNone, kNoFindingsText = kNoFindings;
  if (Rows.empty()) return row == 0 && column == kTextColumn ? kNoFindingsText : kNone;
  if (row < 0 || static_cast<size_t>(row) >= Rows.size()) return kNone;
  const TFindingRow& finding = Rows[static_cast<size_t>(row)];
  const std::string* cells[] = {&finding.Kind, &finding.Table, &finding.Row, &finding.Column, &finding.Text};
  return column >= 0 && column <= kTextColumn ? *cells[column] : kNone;
}

void TVMFindingsWindow::Pick(int32_t listRow) {
  if (listRow < 0 || static_cast<size_t>(listRow) >= Rows.size()) return;
  const TFindingRow& finding = Rows[static_cast<size_t>(listRow)];
  if (finding.PickTable >= 0) FireInt(OnPick[finding.PickTable], finding.PickRow);
}

// --- Messages ----------------------------------------------------------------------

// Keys come as the key preview, whichever part of the window has the focus.
bool TVMFindingsWindow::MessageHandler(TMsg& msg, LRESULT& result) {
  if (msg.Message == WM_CLOSE && Control) {
    SaveWindowPlace(Control, PositionStore);
    Control->SetVisible(false);
    result = 0;
    return true;
  }
  if (msg.Message == KeyPreviewMessage() && NoModifiers() && FindingList) {
    const bool onList = reinterpret_cast<HWND>(msg.LParam) == FindingList->Handle;
    if (msg.WParam == VK_F7) {
      FireNull(OnRecheck);
    } else if (msg.WParam == VK_RETURN && onList) {
      Pick(ListCurrentRow(FindingList));
    } else {
      return TVMWin::MessageHandler(msg, result);
    }
    result = 1;
    return true;
  }
  return TVMWin::MessageHandler(msg, result);
}

bool TVMFindingsWindow::ListMessage(TControl* sender, TMsg& msg, LRESULT& result) {
  if (msg.Message == WM_NOTIFY && msg.LParam &&
      reinterpret_cast<NMHDR*>(msg.LParam)->code == LVN_GETDISPINFOA) {
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(msg.LParam)->item;
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0)
      lstrcpynA(item.pszText, CellText(item.iItem, item.iSubItem).c_str(), item.cchTextMax);
    return true;
  }
  if (msg.Message == WM_NOTIFY && msg.LParam && reinterpret_cast<NMHDR*>(msg.LParam)->code == LVN_COLUMNCLICK) {
    SortBy(reinterpret_cast<NMLISTVIEW*>(msg.LParam)->iSubItem);
    return true;
  }
  if (msg.Message != WM_LBUTTONDBLCLK || msg.Window != FindingList->Handle) return false;
  LVHITTESTINFO hit{};
  hit.pt = POINT{static_cast<int16_t>(LOWORD(msg.LParam)), static_cast<int16_t>(HIWORD(msg.LParam))};
  SendMessageA(FindingList->Handle, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  Pick(hit.iItem);
  return false;
}

// A button's click reaches it as a reflected command whose code is 0, which
// the toolkit's own command dispatch does not report.
bool TVMFindingsWindow::ButtonMessage(TControl* sender, TMsg& msg, LRESULT& result) {
  if (msg.Message == kMsgReflectedCommand && HIWORD(msg.WParam) == BN_CLICKED) FireNull(OnRecheck);
  return false;
}
