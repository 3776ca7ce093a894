// zr780k-job assign JOB [--nozzles TABLE] -o OUT: the job with feeders (and
// nozzles) assigned, written as the editor saves it after "Распределить",
// and the summary.
#include "cli/command_files.h"
#include "cli/command_line.h"
#include "job/feeder_assign.h"

namespace {

constexpr char kJob[] = "JOB";

}  // namespace

const TCommandSyntax kAssignSyntax = {
    "assign",
    "назначает строкам компонентов питатели по их комментариям, как «Распределить» в редакторе",
    {
        {nullptr, kJob, "задание, строкам которого назначить питатели", "файл задания"},
        {"--nozzles", "TABLE", "правила сопел по комментам: пустое сопло строки берётся из них"},
        {"-o", "OUT", "куда записать задание с назначенными питателями", "-o OUT"},
    },
};

int RunAssignCommand(const std::vector<std::string>& args, TCommandOutput& output) {
  TCommandArgs parsed;
  if (const auto status = ReadCommandLine(kAssignSyntax, args, parsed, output)) return *status;
  const std::string& nozzles = parsed["--nozzles"];
  TNozzleRules rules;
  if (!nozzles.empty() && !ReadNozzleRulesFile(nozzles, rules, output.Err)) return 1;
  std::string bytes;
  if (!ReadJobBytes(parsed[kJob], bytes, output.Err)) return 1;
  JobTables job = ReadJobFile(bytes);
  const TFeederAssignment assignment = AssignFeeders(job, nozzles.empty() ? nullptr : &rules);
  ApplyAssignment(job, assignment);
  if (!ReplaceFileBytes(parsed["-o"], WriteJobFile(job), output.Err)) return 1;
  output.Out = AssignSummary(assignment);
  return 0;
}
