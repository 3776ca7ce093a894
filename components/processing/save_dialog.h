// TVMSDialog: the save-file dialog component, with the default option set
// of the file dialog; ".CSV" stands in the name box unless FileName is set
// otherwise or the input is connected.
#pragma once

#include "components/processing/file_dialog.h"

class TVMSDialog : public TVMFileDialog {
 public:
  TVMSDialog();

 protected:
  TOpenSaveDialog* NewDialog() override;
};
