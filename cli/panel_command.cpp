// zr780k-job panel JOB --columns C --rows R --pitch PX,PY [--origin OX,OY]
//                      [--skip N[,N…]] -o OUT
// The job with its board table made for the panel, written as the editor
// saves it.
#include <algorithm>
#include <string>
#include <vector>

#include "cli/command_files.h"
#include "cli/job_command.h"
#include "job/board_panel.h"
#include "job/job_file.h"

namespace {

constexpr int kUsageStatus = 2;
constexpr char kPanelUsage[] =
    "Использование: zr780k-job panel JOB --columns C --rows R --pitch PX,PY [--origin OX,OY] "
    "[--skip N[,N…]] -o OUT\n";

struct TPanelArgs {
  std::string Job;
  std::string Out;
  TPanelTexts Texts;
};

const char* OptionOf(TPanelField field) {
  switch (field) {
    case TPanelField::Columns: return "--columns";
    case TPanelField::Rows: return "--rows";
    case TPanelField::PitchX:
    case TPanelField::PitchY: return "--pitch";
    case TPanelField::OriginX:
    case TPanelField::OriginY: return "--origin";
    case TPanelField::Skip: return "--skip";
  }
  return "";
}

// False with a message when the words are not the command's; the values
// themselves are read by ReadBoardPanel.
bool ParsePanelArgs(const std::vector<std::string>& args, TPanelArgs& parsed, std::string& error) {
  bool columns = false, rows = false, pitch = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    const bool takesValue = word == "--columns" || word == "--rows" || word == "--pitch" ||
                            word == "--origin" || word == "--skip" || word == "-o";
    if (takesValue && i + 1 >= args.size()) {
      error = "После " + word + " нет значения\n";
      return false;
    }
    TPanelTexts& texts = parsed.Texts;
    if (word == "--columns") {
      texts.Columns = args[++i], columns = true;
    } else if (word == "--rows") {
      texts.Rows = args[++i], rows = true;
    } else if (word == "--pitch" || word == "--origin") {
      const std::string& pair = args[++i];
      const bool isPitch = word == "--pitch";
      if (!SplitPanelPair(pair, isPitch ? texts.PitchX : texts.OriginX, isPitch ? texts.PitchY : texts.OriginY)) {
        error = word + ": «" + pair + "» не два числа через запятую\n";
        return false;
      }
      pitch = pitch || isPitch;
    } else if (word == "--skip") {
      texts.Skip = args[++i];
    } else if (word == "-o") {
      parsed.Out = args[++i];
    } else if (word.size() > 1 && word[0] == '-') {
      error = "Неизвестный ключ " + word + "\n";
      return false;
    } else if (parsed.Job.empty()) {
      parsed.Job = word;
    } else {
      error = "Лишнее слово " + word + "\n";
      return false;
    }
  }
  const char* missing = parsed.Job.empty() ? "файл задания"
                        : !columns         ? "--columns"
                        : !rows            ? "--rows"
                        : !pitch           ? "--pitch"
                        : parsed.Out.empty() ? "-o OUT"
                                             : nullptr;
  if (missing) error = std::string("Не указан ") + missing + "\n";
  return missing == nullptr;
}

}  // namespace

int RunPanelCommand(const std::vector<std::string>& args, TCommandOutput& output) {
  TPanelArgs parsed;
  std::string error;
  TBoardPanel panel;
  TPanelProblem problem;
  if (!ParsePanelArgs(args, parsed, error)) {
    output.Err = error + kPanelUsage;
    return kUsageStatus;
  }
  if (!ReadBoardPanel(parsed.Texts, panel, problem)) {
    output.Err = std::string(OptionOf(problem.Field)) + ": " + problem.Reason + "\n" + kPanelUsage;
    return kUsageStatus;
  }
  std::string bytes;
  if (!ReadJobBytes(parsed.Job, bytes, output.Err)) return 1;
  JobTables job = ReadJobFile(bytes);
  const size_t before = job.Boards.size();
  job.Boards = PanelBoardRows(panel);
  if (!ReplaceFileBytes(parsed.Out, WriteJobFile(job), output.Err)) return 1;
  const size_t skipped = static_cast<size_t>(
      std::count_if(job.Boards.begin(), job.Boards.end(), [](const JobRow& row) { return row[kBoardSkipColumn] == "1"; }));
  output.Out = "Панель " + std::to_string(panel.Columns) + " x " + std::to_string(panel.Rows) +
               ", плат: " + std::to_string(job.Boards.size()) + ", с пропуском: " + std::to_string(skipped) +
               " (было плат: " + std::to_string(before) + ").\nЗаписан файл " + parsed.Out + "\n";
  return 0;
}
