// zr780k-job parts JOB: the setup list, one line per kind of part with its
// fields separated by TAB (job cells hold no control bytes, so no field
// holds a TAB), for a person loading reels or a script.
#include "cli/command_files.h"
#include "cli/command_line.h"
#include "job/part_kinds.h"

namespace {

constexpr char kJob[] = "JOB";
constexpr char kHeaderLine[] = "Вид\tСтавить\tНа панель\tПропуск\tПитатель\tСопло\tПозиции\n";

}  // namespace

const TCommandSyntax kPartsSyntax = {
    "parts",
    "печатает детали задания по видам: сколько ставить, на панель, питатель, сопло, позиции",
    {
        {nullptr, kJob, "задание, детали которого перечислить", "файл задания"},
    },
};

int RunPartsCommand(const std::vector<std::string>& args, TCommandOutput& output) {
  TCommandArgs parsed;
  if (const auto status = ReadCommandLine(kPartsSyntax, args, parsed, output)) return *status;
  std::string bytes;
  if (!ReadJobBytes(parsed[kJob], bytes, output.Err)) return 1;
  const JobTables job = ReadJobFile(bytes);
  output.Out = kHeaderLine;
  for (const TPartKind& kind : PartKinds(job)) {
    output.Out += kind.Kind + "\t" + std::to_string(kind.Place) + "\t" + std::to_string(kind.PerPanel) + "\t" +
                  kind.Skip + "\t" + kind.Feeder + "\t" + kind.Nozzle + "\t" + PartKindPositions(job, kind, " ") + "\n";
  }
  return 0;
}
