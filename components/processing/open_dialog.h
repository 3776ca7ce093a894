// TVMODialog: the open-file dialog component. Its dialog does not validate
// the typed name, so a missing file reaches the next component, which tells
// the user.
#pragma once

#include <cstdint>

#include "components/processing/file_dialog.h"

class TVMODialog : public TVMFileDialog {
 public:

  TVMODialog();

 protected:
  TOpenSaveDialog* NewDialog() override;
};
