// The command-line program's commands. Each takes the words after the
// command's name, reads and writes its files itself, and leaves its texts
// (Windows-1251, lines ended by "\n") in `output`; the program's main turns
// them into the console's encoding. Each returns the exit status.
#pragma once

#include <string>
#include <vector>

struct TCommandSyntax;  // cli/command_line.h

struct TCommandOutput {
  std::string Out;  // the summary or the findings
  std::string Err;  // what went wrong
};

// Each command's words and options, for its usage and help.
extern const TCommandSyntax kImportSyntax, kAssignSyntax, kCheckSyntax, kPanelSyntax, kFeedersSyntax,
    kPartsSyntax;

int RunImportCommand(const std::vector<std::string>& args, TCommandOutput& output);
int RunAssignCommand(const std::vector<std::string>& args, TCommandOutput& output);
int RunCheckCommand(const std::vector<std::string>& args, TCommandOutput& output);
int RunPanelCommand(const std::vector<std::string>& args, TCommandOutput& output);
int RunFeedersCommand(const std::vector<std::string>& args, TCommandOutput& output);
int RunPartsCommand(const std::vector<std::string>& args, TCommandOutput& output);
