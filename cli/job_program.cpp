#include "cli/job_program.h"

#include <utility>

#include "cli/command_line.h"

namespace {

struct TCommand {
  const TCommandSyntax& Syntax;
  int (*Run)(const std::vector<std::string>& args, TCommandOutput& output);
};

const TCommand kCommands[] = {
    {kImportSyntax, RunImportCommand},
    {kAssignSyntax, RunAssignCommand},
    {kCheckSyntax, RunCheckCommand},
    {kPanelSyntax, RunPanelCommand},
    {kFeedersSyntax, RunFeedersCommand},
    {kPartsSyntax, RunPartsCommand},
};

// The program's own words, after its commands.
const std::pair<const char*, const char*> kProgramOptions[] = {
    {"zr780k-job --help", "эта справка"},
    {"zr780k-job КОМАНДА --help", "ключи команды, по строке на каждый"},
    {"zr780k-job --version", "версия программы"},
};

// Every command's usage line, with what it does when `summaries`.
std::string ProgramUsage(bool summaries) {
  std::string text = "Использование:\n";
  for (const TCommand& command : kCommands) {
    text += "  " + CommandSynopsis(command.Syntax) + "\n";
    if (summaries) text += std::string("      ") + command.Syntax.Summary + "\n";
  }
  for (const auto& [usage, help] : kProgramOptions) {
    text += std::string("  ") + usage + "\n";
    if (summaries) text += std::string("      ") + help + "\n";
  }
  return text;
}

}  // namespace

int RunJobProgram(const std::vector<std::string>& words, const std::string& version, TCommandOutput& output) {
  const std::string first = words.empty() ? "" : words[0];
  if (words.size() == 1 && first == "--help") {
    output.Out = ProgramUsage(true);
    return 0;
  }
  if (words.size() == 1 && first == "--version") {
    output.Out = "zr780k-job " + version + "\n";
    return 0;
  }
  for (const TCommand& command : kCommands)
    if (first == command.Syntax.Name) return command.Run(std::vector<std::string>(words.begin() + 1, words.end()), output);
  if (!first.empty()) output.Err = "Неизвестная команда " + first + "\n";
  output.Err += ProgramUsage(false);
  return 2;
}
