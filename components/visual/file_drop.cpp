#include "components/visual/file_drop.h"

#include <shellapi.h>

#include <string>

TVMFileDrop::TVMFileDrop(TControl* form) : Form(form) {
  if (!Form) return;
  Form->AddHold();
  Form->AttachMessageHandler(MakeMethod<&TVMFileDrop::FormMessage>(this));
  // Drops on a control that does not take them go to the nearest window
  // around it that does: the form.
  Form->SetExStyle(Form->ExStyle | WS_EX_ACCEPTFILES);
}

TVMFileDrop::~TVMFileDrop() {
  if (!Form) return;
  Form->DetachMessageHandler(MakeMethod<&TVMFileDrop::FormMessage>(this));
  Form->DropHold();
}

bool TVMFileDrop::FormMessage(TControl* sender, TMsg& msg, LRESULT& result) {
  if (msg.Message != WM_DROPFILES) return false;
  auto drop = reinterpret_cast<HDROP>(msg.WParam);
  std::string path;
  const UINT length = DragQueryFileA(drop, 0, nullptr, 0);
  if (length > 0 && length != 0xFFFFFFFF) {
    path.resize(length + 1);
    path.resize(DragQueryFileA(drop, 0, path.data(), length + 1));
  }
  DragFinish(drop);
  result = 0;
  // The drop is finished first: opening the file may show a message box.
  if (!path.empty()) FireStr(OnDropped, path);
  return true;
}
