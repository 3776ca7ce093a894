// zr780k-job assign JOB -o OUT: the job with feeders assigned, written as
// the editor saves it after "Распределить", and the summary.
#include "cli/command_files.h"
#include "job/feeder_assign.h"
#include "cli/job_command.h"

namespace {

constexpr int kUsageStatus = 2;

// JOB and "-o OUT", in either order.
bool ReadArgs(const std::vector<std::string>& args, std::string& job, std::string& out) {
  if (args.size() != 3) return false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-o" && i + 1 < args.size() && out.empty()) out = args[++i];
    else if (job.empty()) job = args[i];
    else return false;
  }
  return !job.empty() && !out.empty() && job[0] != '-' && out[0] != '-';
}

}  // namespace

int RunAssignCommand(const std::vector<std::string>& args, TCommandOutput& output) {
  std::string jobPath, outPath, bytes;
  if (!ReadArgs(args, jobPath, outPath)) {
    output.Err = "Вызов: zr780k-job assign ЗАДАНИЕ -o НОВОЕ_ЗАДАНИЕ\n";
    return kUsageStatus;
  }
  if (!ReadJobBytes(jobPath, bytes, output.Err)) return 1;
  JobTables job = ReadJobFile(bytes);
  const TFeederAssignment assignment = AssignFeeders(job);
  ApplyAssignment(job, assignment);
  if (!ReplaceFileBytes(outPath, WriteJobFile(job), output.Err)) return 1;
  output.Out = AssignSummary(assignment);
  return 0;
}
