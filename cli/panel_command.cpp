// zr780k-job panel JOB --columns C --rows R --pitch PX,PY [--origin OX,OY]
//                      [--skip N[,N…]] -o OUT
// The job with its board table made for the panel, written as the editor
// saves it.
#include <algorithm>
#include <string>
#include <vector>

#include "cli/command_files.h"
#include "cli/command_line.h"
#include "job/board_panel.h"
#include "job/job_file.h"

namespace {

constexpr int kUsageStatus = 2;
constexpr char kJob[] = "JOB";

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

// The pitch and the origin are two numbers; the numbers themselves are read
// by ReadBoardPanel.
std::string CheckPair(const std::string& option, const std::string& pair) {
  std::string x, y;
  return SplitPanelPair(pair, x, y) ? "" : option + ": «" + pair + "» не два числа через запятую";
}

}  // namespace

const TCommandSyntax kPanelSyntax = {
    "panel",
    "делает таблицу плат задания для панели: C столбцов и R рядов плат",
    {
        {nullptr, kJob, "задание, для которого сделать панель", "файл задания"},
        {"--columns", "C", "столбцов плат, от 1 до 50", "--columns"},
        {"--rows", "R", "рядов плат, от 1 до 50", "--rows"},
        {"--pitch", "PX,PY", "шаг между платами по X и Y, мм", "--pitch", CheckPair},
        {"--origin", "OX,OY", "где лежит плата 1 (по умолчанию 0,0)", nullptr, CheckPair},
        {"--skip", "N[,N…]", "номера плат, которые пропустить", nullptr},
        {"-o", "OUT", "куда записать задание", "-o OUT"},
    },
};

int RunPanelCommand(const std::vector<std::string>& args, TCommandOutput& output) {
  TCommandArgs parsed;
  if (const auto status = ReadCommandLine(kPanelSyntax, args, parsed, output)) return *status;
  TPanelTexts texts;
  texts.Columns = parsed["--columns"];
  texts.Rows = parsed["--rows"];
  SplitPanelPair(parsed["--pitch"], texts.PitchX, texts.PitchY);
  if (!parsed["--origin"].empty()) SplitPanelPair(parsed["--origin"], texts.OriginX, texts.OriginY);
  texts.Skip = parsed["--skip"];
  TBoardPanel panel;
  TPanelProblem problem;
  if (!ReadBoardPanel(texts, panel, problem)) {
    output.Err = std::string(OptionOf(problem.Field)) + ": " + problem.Reason + "\n" + CommandUsage(kPanelSyntax);
    return kUsageStatus;
  }
  std::string bytes;
  const std::string& out = parsed["-o"];
  if (!ReadJobBytes(parsed[kJob], bytes, output.Err)) return 1;
  JobTables job = ReadJobFile(bytes);
  const size_t before = job.Boards.size();
  job.Boards = PanelBoardRows(panel);
  if (!ReplaceFileBytes(out, WriteJobFile(job), output.Err)) return 1;
  const size_t skipped = static_cast<size_t>(
      std::count_if(job.Boards.begin(), job.Boards.end(), [](const JobRow& row) { return row[kBoardSkipColumn] == "1"; }));
  output.Out = "Панель " + std::to_string(panel.Columns) + " x " + std::to_string(panel.Rows) +
               ", плат: " + std::to_string(job.Boards.size()) + ", с пропуском: " + std::to_string(skipped) +
               " (было плат: " + std::to_string(before) + ").\nЗаписан файл " + out + "\n";
  return 0;
}
