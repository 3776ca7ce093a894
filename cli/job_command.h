// The command-line program's commands. Each takes the words after the
// command's name, reads and writes its files itself, and leaves its texts
// (Windows-1251, lines ended by "\n") in `output`; the program's main turns
// them into the console's encoding. Each returns the exit status.
#pragma once

#include <string>
#include <vector>

struct TCommandOutput {
  std::string Out;  // the summary or the findings
  std::string Err;  // what went wrong
};

int RunImportCommand(const std::vector<std::string>& args, TCommandOutput& output);
int RunAssignCommand(const std::vector<std::string>& args, TCommandOutput& output);
int RunCheckCommand(const std::vector<std::string>& args, TCommandOutput& output);
int RunPanelCommand(const std::vector<std::string>& args, TCommandOutput& output);
