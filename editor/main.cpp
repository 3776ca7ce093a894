// The program: the "/ih" information switch (any other switch is ignored),
// then the editor's component network, built (given the job file the
// command line names, if any), switched on, driven by the message loop
// until the main window closes, and freed.
//
// Before WinMain runs, the units initialise at load: the visual components'
// unit initialises the common controls and makes the hint manager; the core
// registers its inner message and makes the list of secondary form windows.
#include <windows.h>

#include "components/processing/start_file.h"
#include "components/visual/main_form.h"
#include "editor/command_line.h"
#include "editor/schema.h"
#include "toolkit/message_loop.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  std::string argument = FirstArgument(GetCommandLineA());
  if (argument == "/ih") {
    MessageBoxA(nullptr, "Сделано в Volmar.", "Volmar Info", 0);
    return 0;
  }
  // A switch meant for another program is no job file, unless one has that
  // name.
  if (LooksLikeSwitch(argument) && GetFileAttributesA(argument.c_str()) == INVALID_FILE_ATTRIBUTES)
    argument.clear();
  // The schema stores itself in SchemaInstance as it is built.
  auto* schema = new TClassMainForm_C7FA30(nullptr);
  // Any other argument names a job file to open once the network is on.
  schema->StartFile->FileName = argument;
  SwitchOnNetwork(schema->MainForm);
  RunMessageLoop(AppWindow);
  delete schema;
  return 0;
}
