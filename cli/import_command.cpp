// zr780k-job import FILE [--side top|bottom] [--unit mm|mil|in] [--into JOB] [--corrections TABLE]
//                        [--nozzles TABLE] [--bottom-view top|below] [--turn lr|tb] -o OUT
#include <string>
#include <vector>

#include "cli/command_files.h"
#include "cli/command_line.h"
#include "job/job_file.h"
#include "job/placement_import.h"
#include "job/rotation_corrections.h"

namespace {

constexpr char kFile[] = "ФАЙЛ";

std::string CheckSide(const std::string&, const std::string& side) {
  return side == "top" || side == "bottom" ? "" : "Сторона " + side + " неизвестна: top или bottom";
}

TLengthUnit UnitNamed(const std::string& unit) {
  return unit == "mm" ? TLengthUnit::Millimetre : unit == "mil" ? TLengthUnit::Mil
       : unit == "in" ? TLengthUnit::Inch : TLengthUnit::Unknown;
}

std::string CheckUnit(const std::string&, const std::string& unit) {
  return UnitNamed(unit) != TLengthUnit::Unknown ? "" : "Единицы " + unit + " неизвестны: mm, mil или in";
}

// The value of --bottom-view or --turn: one of two words.
std::string CheckBottomOption(const std::string& option, const std::string& value) {
  const bool turn = option == "--turn";
  const bool known = turn ? value == "lr" || value == "tb" : value == "top" || value == "below";
  return known ? "" : "Значение " + value + " ключа " + option + " неизвестно: " + (turn ? "lr или tb" : "top или below");
}

TBottomRule BottomRule(const TCommandArgs& parsed) {
  TBottomRule rule;
  if (parsed["--turn"] == "tb") rule.Turn = TBottomTurn::TopBottom;
  const std::string& view = parsed["--bottom-view"];
  if (!view.empty()) rule.View = view == "top" ? TBottomView::FromTop : TBottomView::FromBelow;
  return rule;
}

int Fail(TCommandOutput& output, const std::string& message) {
  output.Err += message;
  if (message.empty() || message.back() != '\n') output.Err += '\n';
  return 1;
}

}  // namespace

const TCommandSyntax kImportSyntax = {
    "import",
    "делает задание из файла позиций программы проектирования плат",
    {
        {nullptr, kFile,
         "файл позиций (KiCad, Altium, Eagle, EasyEDA, JLC, DipTrace, gEDA PCB, pcb-rnd или таблица с X и Y)",
         "файл позиций"},
        {"--side", "top|bottom", "сторона платы (по умолчанию top); нижняя переворачивается, как задают --bottom-view и --turn", nullptr, CheckSide},
        {"--unit", "mm|mil|in", "единицы файла, в котором они не указаны (по умолчанию мм)", nullptr, CheckUnit},
        {"--into", "JOB", "задание, к компонентам которого добавить позиции (само оно не меняется)"},
        {"--corrections", "TABLE", "таблица поправок поворота по корпусам"},
        {"--nozzles", "TABLE", "правила сопел по комментам деталей"},
        {"--bottom-view", "top|below",
         "нижняя сторона в файле дана сверху (top) или со стороны низа (below); без ключа по файлу", nullptr,
         CheckBottomOption},
        {"--turn", "lr|tb", "плата переворачивается слева направо (lr, по умолчанию) или сверху вниз (tb)", nullptr,
         CheckBottomOption},
        {"-o", "OUT", "файл задания, который записать", "файл задания (-o OUT)"},
    },
};

int RunImportCommand(const std::vector<std::string>& args, TCommandOutput& output) {
  TCommandArgs parsed;
  if (const auto status = ReadCommandLine(kImportSyntax, args, parsed, output)) return *status;
  const std::string& fileName = parsed[kFile];
  const std::string& corrections = parsed["--corrections"];
  const std::string& into = parsed["--into"];
  const std::string& out = parsed["-o"];
  const TBoardSide side = parsed["--side"] == "bottom" ? TBoardSide::Bottom : TBoardSide::Top;
  const TLengthUnit unit = UnitNamed(parsed["--unit"]);  // Unknown: no --unit
  std::string bytes, error;
  if (!ReadPlacementBytes(fileName, bytes, error)) return Fail(output, error);
  const bool unitGiven = unit != TLengthUnit::Unknown;
  const TPlacementFile file = ReadPlacementFile(bytes, fileName, unitGiven ? unit : TLengthUnit::Millimetre);
  if (!file.Error.empty()) return Fail(output, file.Error);

  TRotationCorrections rules;
  if (!corrections.empty()) {
    std::string tableBytes;
    if (!ReadJobBytes(corrections, tableBytes, error)) return Fail(output, error);
    if (!ReadRotationCorrections(tableBytes, corrections, rules, error)) return Fail(output, error);
  }
  const std::string& nozzles = parsed["--nozzles"];
  TNozzleRules nozzleRules;
  if (!nozzles.empty() && !ReadNozzleRulesFile(nozzles, nozzleRules, error)) return Fail(output, error);

  JobTables job;
  if (!into.empty()) {
    std::string jobBytes;
    if (!ReadJobBytes(into, jobBytes, error)) return Fail(output, error);
    job = ReadJobFile(jobBytes);
  }
  const TPlacementImport import =
      ImportPlacements(file, side, corrections.empty() ? nullptr : &rules, BottomRule(parsed),
                       nozzles.empty() ? nullptr : &nozzleRules);
  job.Components.insert(job.Components.end(), import.Rows.begin(), import.Rows.end());
  if (!ReplaceFileBytes(out, WriteJobFile(job), error)) return Fail(output, error);
  output.Out += ImportSummary(file, import);
  if (unitGiven && file.UnitStated) output.Out += "Ключ --unit не применён: единицы указаны в файле\n";
  if (!unitGiven && MayBeInches(file, side))
    output.Err += "Внимание: в файле не указаны единицы, а все координаты меньше 25; если они в дюймах, "
                  "импортируйте с ключом --unit in\n";
  output.Out += "Записан файл " + out + "\n";
  return 0;
}
