// The whole-job commands as the editor joins them: tables read through
// their Array outputs (row lines without the file's trailing ","), the
// result fired on.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "components/processing/feeder_assign.h"
#include "components/processing/job_check.h"
#include "components/visual/row_edit.h"
#include "tests/components/processing/probe.h"

namespace {

using JobCommandComponentsTest = LiveNetworkTest;

// A feeder row line of the table: number, X1, Y1, 15 more cells, Пропуск, Коммент.
std::string FeederLine(const std::string& number, const std::string& skip, const std::string& comment) {
  return number + ",1,2" + std::string(15, ',') + "," + skip + "," + comment;
}

struct JobCircuit {
  std::array<TArrayStandIn, kJobTableCount> tables;
  TProbe first{"first"}, second{"second"};

  template <class C>
  void Link(C& command) {
    for (uint16_t t = 0; t < kJobTableCount; ++t) command.Tables[t] = tables[t].Point();
  }
};

TEST_F(JobCommandComponentsTest, AssignFiresOneBatchOfTheChangedRowsThenTheSummary) {
  JobCircuit c;
  TVMFeederAssign assign;
  c.Link(assign);
  assign.OnChanges = c.first.Action();
  assign.OnSummary = c.second.Action();
  c.tables[kFeederTable].Elements = {FeederLine("3", "0", "0603 10k"), FeederLine("7", "0", "0805")};
  c.tables[kBoardTable].Elements = {"1,0,0,0"};
  c.tables[kComponentTable].Elements = {
      "R1,2,3,1,1,0,0,10k 0603",  // names feeder 3 by hand, nozzle 2
      "R2,,,5,5,0,0,R 10K 0603",  // gets 3 and nozzle 2
      "C1,,9,5,5,0,0,0805 1u",    // names no feeder: gets 7, keeps no nozzle
      "C2,,,5,5,0,1,0805",        // skipped
      "X1,,,5,5,0,0,nothing"};    // finds none

  TVM_Event action = MakeEvent<&TVMFeederAssign::Assign>(&assign);
  FireNull(action);

  ASSERT_EQ(c.first.Count(), 1u);
  TRowEdit edit;
  ASSERT_TRUE(UnpackRowEdit(c.first.Texts()[0], edit));
  ASSERT_EQ(edit.Kind, TRowEditKind::Batch);
  ASSERT_EQ(edit.Edits.size(), 2u);
  EXPECT_EQ(edit.Edits[0].Row, 1);
  EXPECT_EQ(edit.Edits[0].After, (std::vector<std::string>{"R2", "2", "3", "5", "5", "0", "0", "R 10K 0603"}));
  EXPECT_EQ(edit.Edits[1].Row, 2);
  EXPECT_EQ(edit.Edits[1].Before[2], "9");
  EXPECT_EQ(edit.Edits[1].After[2], "7");
  EXPECT_EQ(edit.Edits[1].After[1], "");

  ASSERT_EQ(c.second.Count(), 1u);
  const std::string summary = c.second.Texts()[0];
  EXPECT_EQ(summary.rfind("Питатель назначен: 2 строки.\r\n", 0), 0u) << summary;
  EXPECT_EQ(summary.find("\n\n"), std::string::npos);
  EXPECT_EQ(std::count(summary.begin(), summary.end(), '\n'), std::count(summary.begin(), summary.end(), '\r'));

  // Nothing left to assign: no change is fired, the summary still is.
  c.tables[kComponentTable].Elements = {"X1,,,5,5,0,0,nothing"};
  FireNull(action);
  EXPECT_EQ(c.first.Count(), 1u);
  EXPECT_EQ(c.second.Count(), 2u);
}

TEST_F(JobCommandComponentsTest, CheckFiresOneFindingLinePerLineAndNothingForACleanJob) {
  JobCircuit c;
  TVMJobCheck check;
  c.Link(check);
  check.OnFindings = c.first.Action();
  c.tables[kFeederTable].Elements = {FeederLine("3", "0", "")};
  c.tables[kBoardTable].Elements = {"1,0,0,0"};
  c.tables[kComponentTable].Elements = {"R1,2,3,1,1,0,0,", "R2,2,4,1,-1,0,0,"};

  TVM_Event action = MakeEvent<&TVMJobCheck::Check>(&check);
  FireNull(action);
  ASSERT_EQ(c.first.Count(), 1u);
  EXPECT_EQ(c.first.Texts()[0].find('\r'), std::string::npos);
  EXPECT_EQ(c.first.Texts()[0].rfind("component\t2\t3\terror\t", 0), 0u);
  EXPECT_NE(c.first.Texts()[0].find("\ncomponent\t2\t5\terror\t"), std::string::npos);

  c.tables[kComponentTable].Elements = {"R1,2,3,1,1,0,0,"};
  FireNull(action);
  ASSERT_EQ(c.first.Count(), 2u);
  EXPECT_EQ(c.first.Texts()[1], "");
}

}  // namespace
