// zr780k-job import FILE [--side top|bottom] [--into JOB] [--corrections TABLE] -o OUT
#include <string>
#include <vector>

#include "cli/command_files.h"
#include "cli/job_command.h"
#include "job/job_file.h"
#include "job/placement_import.h"
#include "job/rotation_corrections.h"

namespace {

constexpr char kImportUsage[] = 
    "Использование: zr780k-job import ФАЙЛ [--side top|bottom] [--into JOB] [--corrections TABLE] -o OUT\n";

struct TImportArgs {
  std::string File;
  std::string Into;
  std::string Corrections;
  std::string Out;
  TBoardSide Side = TBoardSide::Top;
};

// False with a message when the words are not the command's.
bool ParseImportArgs(const std::vector<std::string>& args, TImportArgs& parsed, std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    const bool takesValue = word == "--side" || word == "--into" || word == "--corrections" || word == "-o";
    if (takesValue && i + 1 >= args.size()) {
      error = "После " + word + " нет значения\n";
      return false;
    }
    if (word == "--side") {
      const std::string& side = args[++i];
      if (side != "top" && side != "bottom") {
        error = "Сторона " + side + " неизвестна: top или bottom\n";
        return false;
      }
      parsed.Side = side == "top" ? TBoardSide::Top : TBoardSide::Bottom;
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
  const TPlacementFile file = ReadPlacementFile(bytes, parsed.File);
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
  const TPlacementImport import = ImportPlacements(file, parsed.Side, parsed.Corrections.empty() ? nullptr : &corrections);
  job.Components.insert(job.Components.end(), import.Rows.begin(), import.Rows.end());
  if (!ReplaceFileBytes(parsed.Out, WriteJobFile(job), error)) return Fail(output, error);
  output.Out += ImportSummary(file, import);
  output.Out += "Записан файл " + parsed.Out + "\n";
  return 0;
}
