#include "toolkit/open_save_dialog.h"

#include <algorithm>
#include <iterator>

#include "toolkit/control.h"

TFileDialogProc OpenFileDialogProc = GetOpenFileNameA;
TFileDialogProc SaveFileDialogProc = GetSaveFileNameA;

namespace {

// Dialog flag of option bit n. Bits 13 and 14 give the template flag (0x40)
// and the hook flag (0x20); the record carries neither a template nor a hook
// procedure, so the platform then shows its plain dialog or refuses. No
// dialog of this program sets them.
constexpr DWORD kOptionFlag[] = {
    OFN_CREATEPROMPT,        // 0x2000
    OFN_EXTENSIONDIFFERENT,  // 0x0400
    OFN_FILEMUSTEXIST,       // 0x1000
    OFN_HIDEREADONLY,        // 0x0004
    OFN_NOCHANGEDIR,         // 0x0008
    OFN_NODEREFERENCELINKS,  // 0x100000
    OFN_ALLOWMULTISELECT,    // 0x0200
    OFN_NONETWORKBUTTON,     // 0x20000
    OFN_NOREADONLYRETURN,    // 0x8000
    OFN_OVERWRITEPROMPT,     // 0x0002
    OFN_PATHMUSTEXIST,       // 0x0800
    OFN_READONLY,            // 0x0001
    OFN_NOVALIDATE,          // 0x0100
    OFN_ENABLETEMPLATE,      // 0x0040
    OFN_ENABLEHOOK,          // 0x0020
};

constexpr size_t kNameBufferSize = 262;
constexpr size_t kSeveralNamesBufferSize = 0xFFF1;

DWORD OptionFlags(uint32_t options) {
  DWORD flags = 0;
  for (size_t bit = 0; bit < std::size(kOptionFlag); ++bit)
    if (options & (1u << bit)) flags |= kOptionFlag[bit];
  return flags;
}

// "Text|*.txt|All|*.*" -> "Text\0*.txt\0All\0*.*\0" (the string's own
// terminator makes the closing pair of zero characters).
std::string PlatformFilter(const std::string& filter) {
  std::string result = filter + '\0';
  std::replace(result.begin(), result.end(), '|', '\0');
  return result;
}

const char* TextOrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

HWND OwnerOf(const TOpenSaveDialog* dialog) {
  if (dialog->OwnerHandle) return dialog->OwnerHandle;
  return AppWindow && AppWindow->HasWindow() ? AppWindow->Handle : nullptr;
}

// The names in the buffer: up to the first pair of zero characters, the
// single zeros between the folder and the names turned into carriage returns.
std::string SeveralNames(const std::string& buffer) {
  size_t end = buffer.find(std::string(2, '\0'));
  std::string names = buffer.substr(0, end);
  std::replace(names.begin(), names.end(), '\0', '\r');
  return names;
}

}  // namespace

TOpenSaveDialog* CreateOpenSaveDialog(const std::string& title, const std::string& initialDir,
                                      uint32_t options) {
  TOpenSaveDialog* dialog = New<TOpenSaveDialog>();
  dialog->Title = title;
  dialog->InitialDir = initialDir;
  dialog->Options = options ? options : kDefaultDialogOptions;
  dialog->OpenDialog = 1;
  return dialog;
}

bool OpenSaveDialogExecute(TOpenSaveDialog* dialog) {
  OPENFILENAMEA record = {};
  record.lStructSize = sizeof record;
  record.hwndOwner = OwnerOf(dialog);
  record.hInstance = GetModuleHandleA(nullptr);

  const std::string filter = PlatformFilter(dialog->Filter);
  record.lpstrFilter = dialog->Filter.empty() ? nullptr : filter.c_str();

  const bool several = dialog->Options & kOptionSeveralFiles;
  std::string buffer(several ? kSeveralNamesBufferSize : kNameBufferSize, '\0');
  // The name is cut so that the buffer keeps its terminating zero.
  dialog->FileName.copy(buffer.data(), buffer.size() - 1);
  record.lpstrFile = buffer.data();
  record.nMaxFile = static_cast<DWORD>(buffer.size());

  record.nFilterIndex = static_cast<DWORD>(dialog->FilterIndex);
  record.lpstrInitialDir = TextOrNull(dialog->InitialDir);
  record.lpstrTitle = TextOrNull(dialog->Title);
  record.lpstrDefExt = TextOrNull(dialog->DefaultExt);
  record.Flags = OptionFlags(dialog->Options) | kAlwaysDialogFlags;

  const bool confirmed = (dialog->OpenDialog ? OpenFileDialogProc : SaveFileDialogProc)(&record);
  if (!confirmed) {
    dialog->FileName.clear();
    return false;
  }
  dialog->FilterIndex = static_cast<int32_t>(record.nFilterIndex);
  dialog->FileName = several ? SeveralNames(buffer) : std::string(buffer.c_str());
  return true;
}
