#include "components/processing/save_dialog.h"

#include "toolkit/open_save_dialog.h"

TVMSDialog::TVMSDialog() : TVMFileDialog("Save Dialog", ".CSV") {}

TOpenSaveDialog* TVMSDialog::NewDialog() {
  TOpenSaveDialog* dialog = CreateOpenSaveDialog(Title, InitialDir, 0);
  dialog->OpenDialog = 0;
  return dialog;
}
