#include "components/processing/file_dialog.h"

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
  Dialog->FileName = FetchStr(data, FileNameInput, FileName);
  if (OpenSaveDialogExecute(Dialog))
    ForwardStr(data, OnChosen, Dialog->FileName);
  else
    ForwardNull(data, OnCancel);
}
