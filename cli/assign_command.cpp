// zr780k-job assign JOB -o OUT: the job with feeders assigned, written as
// the editor saves it after "Распределить", and the summary.
#include "cli/command_files.h"
#include "cli/command_line.h"
#include "job/feeder_assign.h"

namespace {

constexpr char kJob[] = "ЗАДАНИЕ";

}  // namespace

const TCommandSyntax kAssignSyntax = {
    "assign",
    "Вызов",
    "назначает строкам компонентов питатели по их комментариям, как «Распределить» в редакторе",
    {
        {nullptr, kJob, "задание, строкам которого назначить питатели", "файл задания"},
        {"-o", "НОВОЕ_ЗАДАНИЕ", "куда записать задание с назначенными питателями", "-o НОВОЕ_ЗАДАНИЕ"},
    },
};

int RunAssignCommand(const std::vector<std::string>& args, TCommandOutput& output) {
  TCommandArgs parsed;
  if (const auto status = ReadCommandLine(kAssignSyntax, args, parsed, output)) return *status;
  std::string bytes;
  if (!ReadJobBytes(parsed[kJob], bytes, output.Err)) return 1;
  JobTables job = ReadJobFile(bytes);
  const TFeederAssignment assignment = AssignFeeders(job);
  ApplyAssignment(job, assignment);
  if (!ReplaceFileBytes(parsed["-o"], WriteJobFile(job), output.Err)) return 1;
  output.Out = AssignSummary(assignment);
  return 0;
}
