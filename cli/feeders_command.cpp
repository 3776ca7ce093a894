// zr780k-job feeders JOB --from OTHER_JOB -o OUT: the job with the other
// job's feeder and special-feeder tables, every other byte as the editor
// saves it.
#include "cli/command_files.h"
#include "cli/command_line.h"
#include "job/feeders_from_job.h"

namespace {

constexpr char kJob[] = "JOB";

}  // namespace

const TCommandSyntax kFeedersSyntax = {
    "feeders",
    "ставит в задание таблицы питателей и особых питателей другого задания",
    {
        {nullptr, kJob, "задание, питатели которого заменить", "файл задания"},
        {"--from", "OTHER_JOB", "задание, из которого взять обе таблицы питателей", "--from OTHER_JOB"},
        {"-o", "OUT", "куда записать задание", "-o OUT"},
    },
};

int RunFeedersCommand(const std::vector<std::string>& args, TCommandOutput& output) {
  TCommandArgs parsed;
  if (const auto status = ReadCommandLine(kFeedersSyntax, args, parsed, output)) return *status;
  const std::string& from = parsed["--from"];
  const std::string& out = parsed["-o"];
  std::string bytes, sourceBytes;
  if (!ReadJobBytes(parsed[kJob], bytes, output.Err) || !ReadJobBytes(from, sourceBytes, output.Err)) return 1;
  if (!HoldsFeederTables(sourceBytes)) {
    output.Err = "Файл <" + from + "> не файл задания: в нём нет таблиц питателей.\n";
    return 1;
  }
  JobTables job = ReadJobFile(bytes);
  const JobTables source = ReadJobFile(sourceBytes);
  TakeFeeders(job, source);
  if (!ReplaceFileBytes(out, WriteJobFile(job), output.Err)) return 1;
  output.Out = TakenFeedersSummary(source, from) + "\nЗаписан файл " + out + "\n";
  return 0;
}
