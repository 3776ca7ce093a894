// The program: the "/ih" information switch, then the editor's component
// network, built, switched on, driven by the message loop until the main
// window closes, and freed.
//
// Before WinMain runs, the units initialise at load: the visual components'
// unit initialises the common controls and makes the hint manager; the core
// registers its inner message and makes the list of secondary form windows.
#include <windows.h>

#include "components/visual/main_form.h"
#include "editor/command_line.h"
#include "editor/schema.h"
#include "toolkit/message_loop.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (FirstArgument(GetCommandLineA()) == "/ih") {
    MessageBoxA(nullptr, "Сделано в Volmar.", "Volmar Info", 0);
    return 0;
  }
  SchemaInstance = new TClassMainForm_C7FA30(nullptr);
  SwitchOnNetwork(SchemaInstance->MainForm);
  RunMessageLoop(AppWindow);
  delete SchemaInstance;
  return 0;
}
