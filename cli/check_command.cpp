// zr780k-job check JOB: one finding per line; the status says whether the
// machine would reject the job.
#include "cli/command_files.h"
#include "cli/command_line.h"
#include "job/job_check.h"

namespace {

constexpr char kJob[] = "JOB";

}  // namespace

const TCommandSyntax kCheckSyntax = {
    "check",
    "проверяет задание, как «Проверить» в редакторе: по строке на находку, статус 1 при ошибке",
    {
        {nullptr, kJob, "задание, которое проверить", "файл задания"},
    },
};

int RunCheckCommand(const std::vector<std::string>& args, TCommandOutput& output) {
  TCommandArgs parsed;
  if (const auto status = ReadCommandLine(kCheckSyntax, args, parsed, output)) return *status;
  std::string bytes;
  if (!ReadJobBytes(parsed[kJob], bytes, output.Err)) return 1;
  bool error = false;
  for (const TFinding& finding : CheckJob(ReadJobFile(bytes))) {
    output.Out += FindingLine(finding) + "\n";
    error = error || finding.Kind == TFindingKind::Error;
  }
  return error ? 1 : 0;
}
