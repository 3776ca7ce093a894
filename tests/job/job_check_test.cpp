// "Проверить": each finding planted in an otherwise clean job, the order of
// the findings, and a clean job that gives none.
#include "job/job_check.h"

#include <gtest/gtest.h>

#include "tests/job/job_rows.h"

namespace {

JobTables CleanJob() {
  JobTables job;
  job.Feeders = {FeederRow(kFeederTable, "1", "10k"), FeederRow(kFeederTable, "2", "100n", "1")};
  job.SpecialFeeders = {FeederRow(kSpecialFeederTable, "80", "QFP", "0", "-5.5", "0"),
                        FeederRow(kSpecialFeederTable, "81", "", "1")};
  job.Boards = {SplitRow("1,0,0,0", kBoardColumns), SplitRow("2,-50.5,.5,1", kBoardColumns)};
  job.Components = {ComponentRow("R1,1,1,10.5,0,-90,0,10k"), ComponentRow("U1,2,080,1,2,45.5,0,QFP"),
                    // Skipped rows are not checked at all.
                    ComponentRow("R1,,,x,-1,,1,"), ComponentRow(",x,2,,,,5,")};
  return job;
}

TEST(JobCheck, FindsNothingInACleanJob) { EXPECT_TRUE(CheckJob(CleanJob()).empty()); }

// Each case changes one cell of the clean job and names the one line the
// check must give.
TEST(JobCheck, ReportsEachFindingAtItsCell) {
  const struct {
    TJobTable Table;
    size_t Row, Column;  // counted from 0
    const char* Cell;
    const char* Line;
  } cases[] = {
      {kComponentTable, 0, kComponentFeederColumn, "", "component\t1\t3\terror\tПитатель: пустая ячейка"},
      {kComponentTable, 0, kComponentFeederColumn, "12", "component\t1\t3\terror\tнет питателя с номером 12"},
      {kComponentTable, 0, kComponentFeederColumn, "1a", "component\t1\t3\terror\tнет питателя с номером 1a"},
      {kComponentTable, 0, kComponentFeederColumn, "002",
       "component\t1\t3\twarning\tпитатель 002 отмечен «Пропуск»"},
      {kComponentTable, 0, kComponentXColumn, "1,5", "component\t1\t4\terror\tX: «1,5» не число"},
      {kComponentTable, 0, kComponentXColumn, "-0.1", "component\t1\t4\terror\tX: -0.1 меньше нуля"},
      {kComponentTable, 1, kComponentYColumn, "", "component\t2\t5\terror\tY: пустая ячейка"},
      {kComponentTable, 1, kComponentYColumn, "-3", "component\t2\t5\terror\tY: -3 меньше нуля"},
      {kComponentTable, 1, kComponentAngleColumn, "1e3", "component\t2\t6\terror\tУгол: «1e3» не число"},
      {kComponentTable, 1, kComponentNozzleColumn, "", "component\t2\t2\terror\tСопло: пустая ячейка"},
      {kComponentTable, 1, kComponentNozzleColumn, "1.0", "component\t2\t2\terror\tСопло: «1.0» не целое число"},
      {kComponentTable, 1, kComponentNameColumn, "", "component\t2\t1\twarning\tКомпонент: пустая ячейка"},
      {kComponentTable, 1, kComponentNameColumn, "R1", "component\t2\t1\twarning\tКомпонент: R1 уже в строке 1"},
      {kFeederTable, 1, kFeederNumberColumn, "", "feeder\t2\t1\terror\t№ Питателя: пустая ячейка"},
      {kFeederTable, 1, kFeederNumberColumn, "-2", "feeder\t2\t1\terror\t№ Питателя: «-2» не целое число"},
      {kFeederTable, 1, kFeederNumberColumn, "01",
       "feeder\t2\t1\terror\t№ Питателя: 01 уже в строке 1 таблицы «Питатели»"},
      {kSpecialFeederTable, 1, kFeederNumberColumn, "2",
       "special\t2\t1\terror\t№ Питателя: 2 уже в строке 2 таблицы «Питатели»"},
      {kFeederTable, 0, kFeederXColumn, "", "feeder\t1\t2\terror\tX1: пустая ячейка"},
      {kSpecialFeederTable, 0, kFeederYColumn, "+1", "special\t1\t3\terror\tY1: «+1» не число"},
      {kBoardTable, 1, kBoardXColumn, " 1", "board\t2\t2\terror\tXoffset: « 1» не число"},
      {kBoardTable, 0, kBoardYColumn, "", "board\t1\t3\terror\tYoffset: пустая ячейка"},
  };
  for (const auto& c : cases) {
    JobTables job = CleanJob();
    JobTable* tables[] = {&job.Feeders, &job.SpecialFeeders, &job.Boards, &job.Components};
    (*tables[c.Table])[c.Row][c.Column] = c.Cell;
    const std::vector<TFinding> findings = CheckJob(job);
    ASSERT_EQ(findings.size(), 1u) << c.Line;
    EXPECT_EQ(FindingLine(findings[0]), c.Line);
  }
}

TEST(JobCheck, ListsErrorsFirstThenWarningsEachInFileOrder) {
  JobTables job = CleanJob();
  job.Components = {ComponentRow("R1,1,2,1,1,0,0,"), ComponentRow(",1,x,-1,1,0,0,"),
                    ComponentRow("R1,1,1,1,1,0,0,")};
  job.Boards[1][kBoardXColumn] = "";
  job.Feeders[0][kFeederNumberColumn] = "80";  // the special feeder 80 comes later
  std::vector<std::string> lines;
  for (const TFinding& finding : CheckJob(job)) lines.push_back(FindingLine(finding));
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "special\t1\t1\terror\t№ Питателя: 80 уже в строке 1 таблицы «Питатели»",
                       "board\t2\t2\terror\tXoffset: пустая ячейка",
                       "component\t2\t3\terror\tнет питателя с номером x",
                       "component\t2\t4\terror\tX: -1 меньше нуля",
                       "component\t3\t3\terror\tнет питателя с номером 1",
                       "component\t1\t3\twarning\tпитатель 2 отмечен «Пропуск»",
                       "component\t2\t1\twarning\tКомпонент: пустая ячейка",
                       "component\t3\t1\twarning\tКомпонент: R1 уже в строке 1",
                   }));
}

}  // namespace
