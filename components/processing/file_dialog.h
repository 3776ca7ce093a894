// TVMFileDialog: what the open and the save dialog components share. The
// file dialog is created on the first ShowDialog and kept until the
// component is freed; every use starts from the default name.
#pragma once

#include <cstdint>
#include <string>

#include "core/component.h"
#include "core/event.h"

class TOpenSaveDialog;

class TVMFileDialog : public TVMComponent {
 public:
  TOpenSaveDialog* Dialog = nullptr;  // nil until the first ShowDialog
  std::string InitialDir = ".";
  std::string Filter;    // "description|pattern|description|pattern"
  std::string Title;
  std::string FileName;  // used when FileNameInput is not connected
  TVM_Event OnChosen;       // the chosen file name
  TVM_Event OnCancel;       // NULL: the dialog was cancelled
  TVM_Event FileNameInput;  // data input: the name shown first; a path opens its folder
  TVM_Event OnOpening;      // NULL: fired before the dialog shows

  ~TVMFileDialog() override;

  // Action: fires OnOpening, then shows the dialog modally with the fetched
  // name shown first: a name with a folder opens the dialog in that folder
  // with the bare name, an empty one falls back to FileName. Confirmed: forwards the chosen name to OnChosen; cancelled: forwards
  // NULL to OnCancel.
  void ShowDialog(TData& data, uint16_t index);

 protected:
  TVMFileDialog(std::string title, std::string fileName);
  // The dialog of the first use, in open or save mode.
  virtual TOpenSaveDialog* NewDialog() = 0;
};
