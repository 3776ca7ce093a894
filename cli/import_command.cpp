// zr780k-job import FILE [--side top|bottom] [--unit mm|mil|in] [--into JOB] [--corrections TABLE]
//                        [--bottom-view top|below] [--turn lr|tb] -o OUT
#include <string>
#include <vector>

#include "cli/command_files.h"
#include "cli/job_command.h"
#include "job/job_file.h"
#include "job/placement_import.h"
#include "job/rotation_corrections.h"

namespace {

constexpr char kImportUsage[] =
    "Использование: zr780k-job import ФАЙЛ [--side top|bottom] [--unit mm|mil|in] [--into JOB] [--corrections TABLE]\n"
    "                                 [--bottom-view top|below] [--turn lr|tb] -o OUT\n"
    "  --unit: единицы файла, в котором они не указаны (по умолчанию мм)\n"
    "  --bottom-view: нижняя сторона в файле дана сверху (top) или со стороны низа (below); без ключа по файлу\n"
    "  --turn: плата переворачивается слева направо (lr, по умолчанию) или сверху вниз (tb)\n";

struct TImportArgs {
  std::string File;
  std::string Into;
  std::string Corrections;
  std::string Out;
  TBoardSide Side = TBoardSide::Top;
  TLengthUnit Unit = TLengthUnit::Unknown;  // Unknown: no --unit
  TBottomRule Bottom;
};

// The value of --bottom-view or --turn: one of two words.
bool ReadBottomOption(const std::string& option, const std::string& value, TBottomRule& rule, std::string& error) {
  if (option == "--bottom-view" && (value == "top" || value == "below")) {
    rule.View = value == "top" ? TBottomView::FromTop : TBottomView::FromBelow;
  } else if (option == "--turn" && (value == "lr" || value == "tb")) {
    rule.Turn = value == "lr" ? TBottomTurn::LeftRight : TBottomTurn::TopBottom;
  } else {
    error = "Значение " + value + " ключа " + option + " неизвестно: " +
            (option == "--turn" ? "lr или tb\n" : "top или below\n");
    return false;
  }
  return true;
}

// False with a message when the words are not the command's.
bool ParseImportArgs(const std::vector<std::string>& args, TImportArgs& parsed, std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    const bool bottomOption = word == "--bottom-view" || word == "--turn";
    const bool takesValue = bottomOption || word == "--side" || word == "--unit" || word == "--into" ||
                            word == "--corrections" || word == "-o";
    if (takesValue && i + 1 >= args.size()) {
      error = "После " + word + " нет значения\n";
      return false;
    }
    if (bottomOption) {
      if (!ReadBottomOption(word, args[++i], parsed.Bottom, error)) return false;
    } else if (word == "--side") {
      const std::string& side = args[++i];
      if (side != "top" && side != "bottom") {
        error = "Сторона " + side + " неизвестна: top или bottom\n";
        return false;
      }
      parsed.Side = side == "top" ? TBoardSide::Top : TBoardSide::Bottom;
    } else if (word == "--unit") {
      const std::string& unit = args[++i];
      parsed.Unit = unit == "mm" ? TLengthUnit::Millimetre : unit == "mil" ? TLengthUnit::Mil
                  : unit == "in" ? TLengthUnit::Inch : TLengthUnit::Unknown;
      if (parsed.Unit == TLengthUnit::Unknown) {
        error = "Единицы " + unit + " неизвестны: mm, mil или in\n";
        return false;
      }
    } else if (word == "--into") {
      parsed.Into = args[++i];
    } else if (word == "--corrections") {
      parsed.Corrections = args[++i];
    } else if (word == "-o") {
      parsed.Out = args[++i];
    } else if (word.size() > 1 && word[0] == '-') {
      error = "Неизвестный ключ " + word + "\n";
      return false;
    } else if (parsed.File.empty()) {
      parsed.File = word;
    } else {
      error = "Лишнее слово " + word + "\n";
      return false;
    }
  }
  if (parsed.File.empty() || parsed.Out.empty()) {
    error = parsed.File.empty() ? "Не указан файл позиций\n" : "Не указан файл задания (-o OUT)\n";
    return false;
  }
  return true;
}

int Fail(TCommandOutput& output, const std::string& message) {
  output.Err += message;
  if (message.empty() || message.back() != '\n') output.Err += '\n';
  return 1;
}

}  // namespace

int RunImportCommand(const std::vector<std::string>& args, TCommandOutput& output) {
  TImportArgs parsed;
  std::string error;
  if (!ParseImportArgs(args, parsed, error)) {
    output.Err += error + kImportUsage;
    return 2;
  }
  std::string bytes;
  if (!ReadPlacementBytes(parsed.File, bytes, error)) return Fail(output, error);
  const bool unitGiven = parsed.Unit != TLengthUnit::Unknown;
  const TPlacementFile file =
      ReadPlacementFile(bytes, parsed.File, unitGiven ? parsed.Unit : TLengthUnit::Millimetre);
  if (!file.Error.empty()) return Fail(output, file.Error);

  TRotationCorrections corrections;
  if (!parsed.Corrections.empty()) {
    std::string tableBytes;
    if (!ReadJobBytes(parsed.Corrections, tableBytes, error)) return Fail(output, error);
    if (!ReadRotationCorrections(tableBytes, parsed.Corrections, corrections, error)) return Fail(output, error);
  }

  JobTables job;
  if (!parsed.Into.empty()) {
    std::string jobBytes;
    if (!ReadJobBytes(parsed.Into, jobBytes, error)) return Fail(output, error);
    job = ReadJobFile(jobBytes);
  }
  const TPlacementImport import =
      ImportPlacements(file, parsed.Side, parsed.Corrections.empty() ? nullptr : &corrections, parsed.Bottom);
  job.Components.insert(job.Components.end(), import.Rows.begin(), import.Rows.end());
  if (!ReplaceFileBytes(parsed.Out, WriteJobFile(job), error)) return Fail(output, error);
  output.Out += ImportSummary(file, import);
  if (unitGiven && file.UnitStated) output.Out += "Ключ --unit не применён: единицы указаны в файле\n";
  if (!unitGiven && MayBeInches(file, parsed.Side))
    output.Err += "Внимание: в файле не указаны единицы, а все координаты меньше 25; если они в дюймах, "
                  "импортируйте с ключом --unit in\n";
  output.Out += "Записан файл " + parsed.Out + "\n";
  return 0;
}
