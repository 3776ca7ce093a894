// Feeders taken from another job: which files hold feeder tables to take,
// and a job that takes them keeps its boards and components.
#include "job/feeders_from_job.h"

#include <gtest/gtest.h>

#include "tests/job/job_rows.h"

namespace {

JobTables JobOf(const std::string& feeder, const std::string& special, const std::string& component) {
  JobTables job;
  job.Feeders = {FeederRow(kFeederTable, feeder, "0603 10k")};
  job.SpecialFeeders = {FeederRow(kSpecialFeederTable, special, "QFP")};
  job.Boards = {SplitRow("1,0,0,0", kBoardColumns)};
  job.Components = {ComponentRow(component)};
  return job;
}

TEST(FeedersFromJob, TellsAFileThatHoldsFeederTablesFromOneThatDoesNot) {
  const std::string written = WriteJobFile(JobOf("1", "80", "R1,1,1,10,5,0,0,10k"));
  const std::string cut = std::string(kSpecialFeederHeaderLine) + "\r\n";
  const struct {
    std::string Bytes;
    bool Holds;
  } cases[] = {
      {written, true},
      {WriteJobFile(JobTables()), true},  // tables with no rows are tables still
      {written.substr(written.find("#stack")), true},  // no maker line
      {"Designator,Mid X,Mid Y,Rotation,Layer\r\nR1,10,5,0,T\r\n", false},
      {written.substr(0, written.find(cut)) + written.substr(written.find(cut) + cut.size()), false},
      {written.substr(0, written.find("#Circuit")), false},
      {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(HoldsFeederTables(c.Bytes), c.Holds) << c.Bytes;
}

TEST(FeedersFromJob, TakesBothFeederTablesAndKeepsTheRest) {
  JobTables job = JobOf("1", "80", "R1,1,1,10,5,0,0,10k");
  JobTables source = JobOf("7", "90", "C9,2,2,0,0,0,0,100n");
  source.Feeders.push_back(FeederRow(kFeederTable, "8", ""));
  TakeFeeders(job, source);
  EXPECT_EQ(job.Feeders, source.Feeders);
  EXPECT_EQ(job.SpecialFeeders, source.SpecialFeeders);
  EXPECT_EQ(job.Boards, JobOf("", "", "").Boards);
  EXPECT_EQ(job.Components, JobOf("", "", "R1,1,1,10,5,0,0,10k").Components);
  EXPECT_EQ(TakenFeedersSummary(source, "C:\\jobs\\old.CSV"),
            "Питателей: 2, особых питателей: 1 — из C:\\jobs\\old.CSV");
}

}  // namespace
