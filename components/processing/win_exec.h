// TVMWinExec: opens a document, program or web address through the shell
// (the editor opens the support forum page with it), and can run a command
// line.
#pragma once

#include <cstdint>
#include <string>

#include "core/component.h"
#include "core/event.h"
#include "core/method.h"

class TVMWinExec : public TVMComponent {
 public:
  // A started process; nothing in this program starts one, so they stay empty.
  void* ProcessHandle = nullptr;
  void* ThreadHandle = nullptr;
  bool Running = false;
  std::string Params;    // used when ParamsInput is not connected
  std::string FileName;  // used when FileNameInput is not connected
  uint8_t ShowCmd = 1;   // the system's show command; 1 normal window
  // The command-line runner; starts as RunCommandLine (the schema sets the same).
  TMethod<void(const std::string& file, const std::string& params)> Runner;
  TVM_Event ParamsInput;    // data input: the parameters
  TVM_Event FileNameInput;  // data input: document, program or address
  TVM_Event OnStarted;      // NULL: the runner started the program

  TVMWinExec();
  ~TVMWinExec() override;

  // Action: asks the shell to open the file with the verb "open", the
  // parameters, no owner and no working folder. Nothing fires; a failure is
  // silent.
  void ShellOpen(TData& data, uint16_t index);
  static constexpr uint16_t kShellOpenPoint = 1;
  // Runs file + " " + params; fires OnStarted when the system started it.
  void RunCommandLine(const std::string& file, const std::string& params);
};

// How ShellOpen reaches the shell: (owner, verb, file, params, folder, show
// command) -> the shell's answer. Tests replace it to see the call without
// starting a browser.
using TShellOpenProc = intptr_t (*)(void* owner, const char* verb, const char* file,
                                    const char* params, const char* folder, int32_t showCmd);
extern TShellOpenProc ShellOpenProc;
