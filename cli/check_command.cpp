// zr780k-job check JOB: one finding per line; the status says whether the
// machine would reject the job.
#include "cli/command_files.h"
#include "job/job_check.h"
#include "cli/job_command.h"

int RunCheckCommand(const std::vector<std::string>& args, TCommandOutput& output) {
  if (args.size() != 1 || args[0].empty() || args[0][0] == '-') {
    output.Err = "Вызов: zr780k-job check ЗАДАНИЕ\n";
    return 2;
  }
  std::string bytes;
  if (!ReadJobBytes(args[0], bytes, output.Err)) return 1;
  bool error = false;
  for (const TFinding& finding : CheckJob(ReadJobFile(bytes))) {
    output.Out += FindingLine(finding) + "\n";
    error = error || finding.Kind == TFindingKind::Error;
  }
  return error ? 1 : 0;
}
