// TOpenSaveDialog: asks the user for a file name to open or to save through
// the platform's common file dialog, and leaves the answer in FileName.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <cstdint>
#include <string>

#include "toolkit/obj.h"

// Option bits (bit n of Options); OptionFlags turns them into dialog flags.
enum : uint32_t {
  kOptionPromptCreate = 1u << 0,
  kOptionNoChangeExt = 1u << 1,
  kOptionFileMustExist = 1u << 2,
  kOptionHideReadOnly = 1u << 3,
  kOptionKeepFolder = 1u << 4,
  kOptionShortcutsThemselves = 1u << 5,
  kOptionSeveralFiles = 1u << 6,
  kOptionNoNetworkButton = 1u << 7,
  kOptionNotReadOnly = 1u << 8,
  kOptionAskOverwrite = 1u << 9,
  kOptionFolderMustExist = 1u << 10,
  kOptionReadOnlyChecked = 1u << 11,
  kOptionNoValidate = 1u << 12,
  // Bits 13 and 14 ask for dialog templates, which this program has none of.
  // File must exist, hide read-only, ask before overwriting, folder must exist.
  kDefaultDialogOptions = 0x060C,
};

// Explorer style, long names, resizable: added to every dialog.
constexpr DWORD kAlwaysDialogFlags = 0x00A80000;

class TOpenSaveDialog : public TObj {
 public:
  std::string Filter;        // "Text files|*.txt|All files|*.*"
  int32_t FilterIndex = 1;   // 1-based pair; updated after a confirmed dialog
  uint8_t OpenDialog = 1;    // 1 open dialog, 0 save dialog
  std::string InitialDir;
  std::string DefaultExt;    // added to a name typed without extension
  std::string FileName;      // in: the name shown first; out: the answer
  std::string Title;         // empty: the platform's caption
  uint32_t Options = kDefaultDialogOptions;
  HWND OwnerHandle = nullptr;  // null: the application window

 protected:
  ~TOpenSaveDialog() override = default;
};

// A new open dialog; options 0 gives the default set.
TOpenSaveDialog* CreateOpenSaveDialog(const std::string& title, const std::string& initialDir,
                                      uint32_t options);

// Shows the dialog modally; true when the user confirmed a name. FileName is
// then the chosen path (with several files: the folder and each name,
// separated by carriage returns); after a cancel it is empty.
bool OpenSaveDialogExecute(TOpenSaveDialog* dialog);

// The platform calls that show the dialogs. A test may wrap them to see the
// record the platform receives; the wrapper must call the one it replaced.
using TFileDialogProc = BOOL(WINAPI*)(OPENFILENAMEA* record);
extern TFileDialogProc OpenFileDialogProc;  // GetOpenFileNameA
extern TFileDialogProc SaveFileDialogProc;  // GetSaveFileNameA
