// Drives the built editor from outside, as a user would: starts the program,
// picks menu commands, answers its file dialogs and message boxes, types into
// the search box, and reads what the tables show.
//
// Menu commands are posted as WM_COMMAND with the item's command id (menu
// items are numbered from 4096 in template order; another process cannot
// read the menu under Wine). List view cells are read with LVM_GETITEMTEXTA
// through a buffer allocated inside the editor's process, since the message
// carries a pointer that must be valid there.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <shlobj.h>

#include <cstring>
#include <initializer_list>
#include <iterator>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "editor/schema.h"
#include "job/job_file.h"
#include "tests/support/program.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait.h"
#include "tests/support/window_text.h"
#include "tests/support/wine_paths.h"

// Tables in test messages: one line per row, cells joined with "|".
inline void PrintTo(const JobTables& tables, std::ostream* out) {
  for (const JobTable* table : {&tables.Feeders, &tables.SpecialFeeders, &tables.Boards, &tables.Components}) {
    *out << "\n--- " << table->size() << " rows";
    for (const JobRow& row : *table) {
      *out << "\n";
      for (const std::string& cell : row) *out << cell << "|";
    }
  }
}

class TEditorDriver {
 public:
  // Item indexes of the menu template, as the schema numbers them.
  enum : int {
    kNew = kMenuNew, kOpen = kMenuOpen, kSave = kMenuSave, kImport = kMenuImport, kCorrections = kMenuCorrections,
    kNoCorrections = kMenuNoCorrections, kNozzleRules = kMenuNozzleRules, kNoNozzleRules = kMenuNoNozzleRules,
    kTurnLeftRight = kMenuTurnLeftRight, kTurnTopBottom = kMenuTurnTopBottom, kFeedersFromJob = kMenuFeedersFromJob,
    kProgram = kMenuProgram, kRecentFirst = kMenuRecentFirst, kDistribute = kMenuDistribute, kCheck = kMenuCheck,
    kPanel = kMenuPanel, kKinds = kMenuKinds, kHelp = kMenuHelp
  };

  // Starts the editor with the arguments after its name; the window is
  // found by its class, whatever its caption (a file given on the command
  // line is in it). The editor keeps its settings in `settingsFolder`
  // (its APPDATA), a fresh folder of the driver's own when empty: a test
  // never reads or writes the real user's settings.
  explicit TEditorDriver(const std::string& arguments = "", const std::string& settingsFolder = "")
      : Settings(settingsFolder), Program(ZR_EDITOR_EXE, arguments) {
    if (!Program.Started) return;
    Form = FindTopLevel("obj_Form", "", 15000);
    if (Form) Remote = VirtualAllocEx(Program.Info.hProcess, nullptr, kRemoteSize, MEM_COMMIT, PAGE_READWRITE);
  }
  // Closes the editor as the user would, answering No when it asks about
  // unsaved changes; one that does not end in time is ended with the
  // program run.
  ~TEditorDriver() {
    if (!Form) return;
    PostMessageA(Form, WM_CLOSE, 0, 0);
    WaitUntil([&] {
      if (HWND question = FindDialog(kAppTitle, 0)) PostMessageA(question, WM_COMMAND, IDNO, 0);
      return WaitExit(0);
    });
  }

  static constexpr char kAppTitle[] = "ZR780K Editor";
  TEditorDriver(const TEditorDriver&) = delete;
  TEditorDriver& operator=(const TEditorDriver&) = delete;

  bool Started() const { return Form && Remote; }

  // Waits until the editor has handled everything sent before.
  bool Sync(DWORD timeoutMs = 20000) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(Form, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &ignored) != 0;
  }

  void Command(int itemIndex) {
    PostMessageA(Form, WM_COMMAND, MAKEWPARAM(kFirstMenuId + itemIndex, 0), 0);
  }

  // A visible top-level window of the editor with that class and caption
  // (any caption when empty).
  HWND FindTopLevel(const std::string& className, const std::string& caption, DWORD timeoutMs,
                    HWND except = nullptr) {
    return Program.Find(className, caption, timeoutMs, except);
  }
  HWND FindDialog(const std::string& caption, DWORD timeoutMs = 10000, HWND except = nullptr) {
    return FindTopLevel("#32770", caption, timeoutMs, except);
  }

  // Picks the command, types the name into the file dialog and presses the
  // button (IDOK or IDCANCEL); with `replace` it also answers Yes when the
  // dialog asks before overwriting. True when the dialog came and went.
  bool ChooseFile(int itemIndex, const std::string& dialogCaption, const std::string& name,
                  int button = IDOK, bool replace = false, DWORD handlingMs = 20000) {
    Command(itemIndex);
    HWND dialog = FindDialog(dialogCaption);
    if (!dialog) return false;
    SendText(GetDlgItem(dialog, kFileNameBox), name);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
    if (replace) {
      HWND question = nullptr;
      if (!WaitUntil([&] {
            // The question may carry the dialog's own caption.
            HWND found = FindDialog(dialogCaption, 0, dialog);
            if (found && GetDlgItem(found, IDYES)) question = found;
            return question != nullptr;
          }))
        return false;
      PostMessageA(question, WM_COMMAND, IDYES, 0);
    }
    return WaitGone(dialog) && Sync(handlingMs);
  }
  // `handlingMs` bounds the wait for the open to be handled (a file of many
  // rows takes a while to fill the tables).
  bool Open(const std::string& path, DWORD handlingMs = 20000) {
    return ChooseFile(kOpen, "Open Dialog", WindowsPath(path), IDOK, false, handlingMs);
  }
  // Answers the save dialog that a question led to with the name.
  bool AnswerSaveDialog(const std::string& path) {
    HWND dialog = FindDialog("Save Dialog");
    if (!dialog) return false;
    SendText(GetDlgItem(dialog, kFileNameBox), path);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    return WaitGone(dialog);
  }
  bool Save(const std::string& path, bool replace = false) {
    return ChooseFile(kSave, "Save Dialog", WindowsPath(path), IDOK, replace);
  }

  // Waits for the editor's message box with that caption, presses the
  // button and waits until the editor has gone on. The box's text, or
  // nullopt when no such box came (or it did not go).
  std::optional<std::string> AnswerBox(const std::string& caption, int button = IDOK) {
    HWND box = FindDialog(caption);
    if (!box) return std::nullopt;
    std::string text = Text(GetDlgItem(box, kMessageTextId));
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    if (!WaitGone(box) || !Sync()) return std::nullopt;
    return text;
  }

  // Waits until the window is destroyed: a modal dialog is, once its loop
  // has ended and the program goes on.
  static bool WaitGone(HWND window) {
    return WaitUntil([&] { return !IsWindow(window); });
  }

  static std::string Text(HWND window) {
    char text[2048] = {};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                        5000, &ignored);
    return text;
  }
  static void SendText(HWND window, const std::string& text) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL,
                        5000, &ignored);
  }

  // The form's child windows of a native class, in z-order (creation
  // order); the toolkit registers its own "obj_" class for each.
  std::vector<HWND> Children(const std::string& className) const {
    std::vector<HWND> found;
    for (HWND child = GetWindow(Form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      const std::string name = WindowClass(child);
      if (lstrcmpiA(className.c_str(), name.c_str()) == 0 || lstrcmpiA(("obj_" + className).c_str(), name.c_str()) == 0)
        found.push_back(child);
    }
    return found;
  }

  // The cell editor's edit boxes over a table's current row, in column order.
  static std::vector<HWND> EditBoxes(HWND table) {
    std::vector<HWND> boxes;
    for (HWND child = GetWindow(table, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      if (lstrcmpiA(WindowClass(child).c_str(), "obj_EDIT") == 0) boxes.push_back(child);
    return boxes;
  }

  // The table with that many columns (each table of the editor has its own
  // column count).
  HWND Table(size_t columns) const {
    for (HWND list : Children("SysListView32"))
      if (ColumnCount(list) == columns) return list;
    return nullptr;
  }
  static size_t ColumnCount(HWND list) {
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    return header ? static_cast<size_t>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
  }
  static int RowCount(HWND list) { return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }
  static int SelectedRow(HWND list) {
    return static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  }

  std::string Cell(HWND list, int row, int column) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = static_cast<char*>(Remote) + sizeof item;
    item.cchTextMax = static_cast<int>(kRemoteSize - sizeof item);
    std::string text(kRemoteSize - sizeof item, '\0');
    if (!WriteProcessMemory(Program.Info.hProcess, Remote, &item, sizeof item, nullptr)) return "<unreadable>";
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(Remote));
    if (!ReadProcessMemory(Program.Info.hProcess, item.pszText, text.data(), text.size(), nullptr))
      return "<unreadable>";
    text.resize(text.find('\0'));
    return text;
  }
  std::string ColumnCaption(HWND list, int column) {
    LVCOLUMNA info{};
    info.mask = LVCF_TEXT;
    info.pszText = static_cast<char*>(Remote) + sizeof info;
    info.cchTextMax = 256;
    std::string text(256, '\0');
    WriteProcessMemory(Program.Info.hProcess, Remote, &info, sizeof info, nullptr);
    SendMessageA(list, LVM_GETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(Remote));
    ReadProcessMemory(Program.Info.hProcess, info.pszText, text.data(), text.size(), nullptr);
    text.resize(text.find('\0'));
    return text;
  }

  // What a table shows, cell by cell.
  JobTable Rows(HWND list) {
    JobTable rows;
    const int columns = static_cast<int>(ColumnCount(list));
    for (int row = 0, n = RowCount(list); row < n; ++row) {
      JobRow cells;
      for (int column = 0; column < columns; ++column) cells.push_back(Cell(list, row, column));
      rows.push_back(cells);
    }
    return rows;
  }
  JobTables Tables() {
    return {Rows(Table(kFeederColumns)), Rows(Table(kSpecialFeederColumns)), Rows(Table(kBoardColumns)),
            Rows(Table(kComponentColumns))};
  }

  HWND SearchBox() const {
    std::vector<HWND> edits = Children("Edit");
    return edits.size() == 1 ? edits[0] : nullptr;
  }
  // Clicks into the search box (keys reach only the focused control), puts
  // the text there and presses Enter. Each message is sent, so each has been
  // handled, the whole search chain included, when this returns.
  bool Search(const std::string& text) {
    HWND box = SearchBox();
    const std::pair<UINT, WPARAM> clickAndEnter[] = {
        {WM_LBUTTONDOWN, MK_LBUTTON}, {WM_LBUTTONUP, 0}, {WM_KEYDOWN, VK_RETURN}, {WM_KEYUP, VK_RETURN}};
    bool handled = true;
    for (auto [message, wParam] : clickAndEnter) {
      if (message == WM_KEYDOWN) SendText(box, text);
      DWORD_PTR ignored = 0;
      const LPARAM lParam = message == WM_KEYDOWN ? 0x001C0001 : message == WM_KEYUP ? 0xC01C0001 : MAKELPARAM(3, 3);
      handled = handled && SendMessageTimeoutA(box, message, wParam, lParam, SMTO_NORMAL, 10000, &ignored);
    }
    return handled;
  }
  // Sends a menu command and waits until it has been handled (for commands
  // that open no modal window).
  bool CommandNow(int itemIndex) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(Form, WM_COMMAND, MAKEWPARAM(kFirstMenuId + itemIndex, 0), 0, SMTO_NORMAL,
                               10000, &ignored) != 0;
  }

  // The window's caption, once it is the expected one (or the last seen
  // when the deadline passes first).
  std::string WaitTitle(const std::string& expected) {
    std::string title;
    WaitUntil([&] { return (title = Text(Form)) == expected; });
    return title;
  }
  bool WaitExit(DWORD timeoutMs = kWaitDeadlineMs) {
    return WaitForSingleObject(Program.Info.hProcess, timeoutMs) == WAIT_OBJECT_0;
  }
  bool WaitRows(HWND list, int rows) {
    return WaitUntil([&] { return RowCount(list) == rows; });
  }

  // Real input, as from the keyboard and the mouse: it reaches the focused
  // control of the foreground window, which the editor's window is made.
  void PressKeys(std::initializer_list<WORD> keys) {
    SetForegroundWindow(Form);
    PressKeysInActive(keys);
  }
  // The same, to whichever window of the editor is active: a window of its
  // own over the disabled main window, or the menu being walked.
  void PressKeysInActive(std::initializer_list<WORD> keys) {
    std::vector<INPUT> input;
    for (WORD key : keys) input.push_back(KeyInput(key, 0));
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) input.push_back(KeyInput(*key, KEYEVENTF_KEYUP));
    SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
  }
  // A left click on the window's client point.
  void ClickAt(HWND window, int x, int y) {
    SetForegroundWindow(Form);
    POINT p{x, y};
    ClientToScreen(window, &p);
    SetCursorPos(p.x, p.y);
    // Each event carries the point itself: a click sent right after the
    // pointer was moved may otherwise land where it stood before (on the
    // row clicked a moment ago, which makes it a double click there).
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input[2] = {};
    for (INPUT& event : input) {
      event.type = INPUT_MOUSE;
      event.mi.dx = MulDiv(p.x, 65535, width - 1);
      event.mi.dy = MulDiv(p.y, 65535, height - 1);
    }
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
  }
  // Clicks the first cell of a table row (in view) and waits until the row
  // is selected and the table has the focus.
  bool ClickRow(HWND list, int row) {
    RECT r{};
    r.left = LVIR_BOUNDS;
    DWORD_PTR ignored = 0;
    if (!WriteProcessMemory(Program.Info.hProcess, Remote, &r, sizeof r, nullptr) ||
        !SendMessageTimeoutA(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(Remote), SMTO_NORMAL, 5000,
                             &ignored) ||
        !ReadProcessMemory(Program.Info.hProcess, Remote, &r, sizeof r, nullptr))
      return false;
    ClickAt(list, r.left + 20, (r.top + r.bottom) / 2);
    return WaitUntil([&] { return SelectedRow(list) == row && HasFocus(list); }) && Sync();
  }
  // Removes a row of the table with Ctrl+Delete: an unsaved change.
  bool DeleteRowByKeys(HWND table, int row) {
    const int rows = RowCount(table);
    if (!ClickRow(table, row)) return false;
    PressKeys({VK_CONTROL, VK_DELETE});
    return WaitRows(table, rows - 1);
  }
  // The window has the keyboard focus of the editor's thread.
  bool HasFocus(HWND window) const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(Program.Info.dwThreadId, &info) && info.hwndFocus == window;
  }
  // The edit boxes of the cell editor over the table's edited row, in
  // column order; none while no row is being edited.
  static std::vector<HWND> CellBoxes(HWND list) {
    std::vector<HWND> boxes;
    for (HWND child = GetWindow(list, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      if (lstrcmpiA(WindowClass(child).c_str(), "obj_EDIT") == 0) boxes.push_back(child);
    return boxes;
  }

  // Drops the file on the window as the shell does: a drop record inside the
  // editor's process, handed over with WM_DROPFILES.
  bool DropFile(const std::string& path) {
    const std::string name = WindowsPath(path);
    std::string record(sizeof(DROPFILES), '\0');
    DROPFILES header{};
    header.pFiles = sizeof(DROPFILES);
    header.pt = POINT{300, 500};
    memcpy(record.data(), &header, sizeof header);
    record += name;
    record.append(2, '\0');
    void* drop = VirtualAllocEx(Program.Info.hProcess, nullptr, record.size(), MEM_COMMIT, PAGE_READWRITE);
    return drop && WriteProcessMemory(Program.Info.hProcess, drop, record.data(), record.size(), nullptr) &&
           PostMessageA(Form, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  }

  // The APPDATA the editor is started with (inherited from this process).
  struct TSettingsFolder {
    explicit TSettingsFolder(const std::string& folder) {
      SetEnvironmentVariableA("APPDATA", (folder.empty() ? Own.Path : folder).c_str());
    }
    TTempDir Own;
  } Settings;
  TProgramRun Program;
  HWND Form = nullptr;

 private:
  static constexpr int kFirstMenuId = 4096;
  static constexpr int kFileNameBox = 0x47C;
  static constexpr int kMessageTextId = 0xFFFF;  // the static that shows a message box's text
  static constexpr size_t kRemoteSize = 8192;
  static INPUT KeyInput(WORD key, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    return input;
  }
  void* Remote = nullptr;
};
