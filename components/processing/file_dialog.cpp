#include "components/processing/file_dialog.h"

#include <string>
#include <utility>

#include "toolkit/dialog_parent.h"
#include "toolkit/open_save_dialog.h"

TVMFileDialog::TVMFileDialog(std::string title, std::string fileName)
    : Title(std::move(title)), FileName(std::move(fileName)) {}

TVMFileDialog::~TVMFileDialog() { FreeObj(Dialog); }

void TVMFileDialog::ShowDialog(TData& data, uint16_t index) {
  if (!Dialog) {
    Dialog = NewDialog();
    Dialog->OwnerHandle = DialogParent();
    Dialog->Filter = Filter;
  }
  FireNull(OnOpening);
  std::string name = FetchStr(data, FileNameInput, FileName);
  if (name.empty()) name = FileName;
  const size_t folderEnd = name.find_last_of("\\/");
  Dialog->InitialDir = folderEnd == std::string::npos ? InitialDir : name.substr(0, folderEnd + 1);
  Dialog->FileName = folderEnd == std::string::npos ? name : name.substr(folderEnd + 1);
  if (OpenSaveDialogExecute(Dialog))
    ForwardStr(data, OnChosen, Dialog->FileName);
  else
    ForwardNull(data, OnCancel);
}
