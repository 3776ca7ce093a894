#include "job/job_check.h"

#include <algorithm>
#include <unordered_map>

#include "job/feeder_numbers.h"
#include "job/job_cell.h"
#include "job/job_number.h"

namespace {

class TChecker {
 public:
  explicit TChecker(const JobTables& job) : Job(job), Feeders(FeederNumbers(job)) {}

  std::vector<TFinding> Run() {
    CheckFeeders(kFeederTable);
    CheckFeeders(kSpecialFeederTable);
    CheckBoards();
    CheckComponents();
    std::stable_partition(Findings.begin(), Findings.end(),
                          [](const TFinding& f) { return f.Kind == TFindingKind::Error; });
    return std::move(Findings);
  }

 private:
  void Add(TJobTable table, size_t row, size_t column, TFindingKind kind, std::string text) {
    Findings.push_back({table, row + 1, column + 1, kind, std::move(text)});
  }

  // Each cell is checked in column order, so one row's findings keep it.
  void CheckNumber(TJobTable table, size_t r, const JobRow& row, size_t column, const char* caption,
                   bool mayBeNegative = true) {
    const std::string& text = JobCell(row, column);
    double value = 0;
    if (!ReadCoordinate(text, value))
      Add(table, r, column, TFindingKind::Error, std::string(caption) + ": " + NotANumber(text));
    else if (!mayBeNegative && value < 0)
      Add(table, r, column, TFindingKind::Error, std::string(caption) + ": " + text + " меньше нуля");
  }

  static std::string NotANumber(const std::string& text) {
    return text.empty() ? "пустая ячейка" : "«" + text + "» не число";
  }

  void CheckFeeders(TJobTable table) {
    const JobTable& rows = FeederRows(Job, table);
    std::string key;
    for (size_t r = 0; r < rows.size(); ++r) {
      const std::string& number = JobCell(rows[r], kFeederNumberColumn);
      if (!ReadWholeNumber(number, key)) {
        Add(table, r, kFeederNumberColumn, TFindingKind::Error,
            "№ Питателя: " + (number.empty() ? std::string("пустая ячейка") : "«" + number + "» не целое число"));
      } else {
        const TFeederNumber& first = Feeders.at(key);
        if (first.Table != table || first.Row != r)
          Add(table, r, kFeederNumberColumn, TFindingKind::Error,
              "№ Питателя: " + number + " уже в строке " + std::to_string(first.Row + 1) + " таблицы «" +
                  JobTableTitle(first.Table) + "»");
      }
      CheckNumber(table, r, rows[r], kFeederXColumn, "X1");
      CheckNumber(table, r, rows[r], kFeederYColumn, "Y1");
    }
  }

  void CheckBoards() {
    for (size_t r = 0; r < Job.Boards.size(); ++r) {
      CheckNumber(kBoardTable, r, Job.Boards[r], kBoardXColumn, "Xoffset");
      CheckNumber(kBoardTable, r, Job.Boards[r], kBoardYColumn, "Yoffset");
    }
  }

  void CheckComponents() {
    std::unordered_map<std::string, size_t> firstRowOf;
    std::string key;
    for (size_t r = 0; r < Job.Components.size(); ++r) {
      const JobRow& row = Job.Components[r];
      if (IsSkipped(JobCell(row, kComponentSkipColumn))) continue;
      const std::string& name = JobCell(row, kComponentNameColumn);
      if (name.empty()) {
        Add(kComponentTable, r, kComponentNameColumn, TFindingKind::Warning, "Компонент: пустая ячейка");
      } else {
        const auto [first, added] = firstRowOf.try_emplace(name, r);
        if (!added)
          Add(kComponentTable, r, kComponentNameColumn, TFindingKind::Warning,
              "Компонент: " + name + " уже в строке " + std::to_string(first->second + 1));
      }
      const std::string& nozzle = JobCell(row, kComponentNozzleColumn);
      if (!ReadWholeNumber(nozzle, key))
        Add(kComponentTable, r, kComponentNozzleColumn, TFindingKind::Error,
            "Сопло: " + (nozzle.empty() ? std::string("пустая ячейка") : "«" + nozzle + "» не целое число"));
      CheckFeederNamed(r, JobCell(row, kComponentFeederColumn));
      CheckNumber(kComponentTable, r, row, kComponentXColumn, "X", false);
      CheckNumber(kComponentTable, r, row, kComponentYColumn, "Y", false);
      CheckNumber(kComponentTable, r, row, kComponentAngleColumn, "Угол");
    }
  }

  void CheckFeederNamed(size_t r, const std::string& feeder) {
    std::string key;
    if (feeder.empty()) {
      Add(kComponentTable, r, kComponentFeederColumn, TFindingKind::Error, "Питатель: пустая ячейка");
      return;
    }
    const auto named = ReadWholeNumber(feeder, key) ? Feeders.find(key) : Feeders.end();
    if (named == Feeders.end())
      Add(kComponentTable, r, kComponentFeederColumn, TFindingKind::Error, "нет питателя с номером " + feeder);
    else if (named->second.AllSkipped)
      Add(kComponentTable, r, kComponentFeederColumn, TFindingKind::Warning,
          "питатель " + feeder + " отмечен «Пропуск»");
  }

  const JobTables& Job;
  const TFeederNumbers Feeders;
  std::vector<TFinding> Findings;
};

}  // namespace

std::vector<TFinding> CheckJob(const JobTables& job) { return TChecker(job).Run(); }

const char* JobTableTitle(TJobTable table) {
  return kJobTableNames[table < kJobTableCount ? table : kComponentTable];
}

std::string FindingLine(const TFinding& finding) {
  static const char* const kTableWords[] = {"feeder", "special", "board", "component"};
  std::string text = finding.Text;
  // The line's own separators stay unambiguous whatever a cell held.
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 32) c = ' ';
  return std::string(kTableWords[std::min<size_t>(finding.Table, kComponentTable)]) + "\t" +
         std::to_string(finding.Row) + "\t" + std::to_string(finding.Column) + "\t" +
         (finding.Kind == TFindingKind::Error ? "error" : "warning") + "\t" + text;
}
