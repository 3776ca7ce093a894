#include "components/processing/open_dialog.h"

#include "toolkit/open_save_dialog.h"

TVMODialog::TVMODialog() : TVMFileDialog("Open Dialog", "") {}

TOpenSaveDialog* TVMODialog::NewDialog() {
  return CreateOpenSaveDialog(Title, InitialDir, kOptionNoValidate);
}
