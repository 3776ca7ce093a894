// The built zr780k-job.exe started as a child process, as a user or a
// script runs it: the job file it writes and its exit status.
#include <gtest/gtest.h>

#include <string>

#include "job/feeders_from_job.h"
#include "job/job_file.h"
#include "tests/support/files.h"
#include "tests/support/program.h"
#include "tests/support/temp_dir.h"

namespace {

const std::string kSamples = ZR_PLACEMENT_SAMPLES_DIR;

std::string Quoted(const std::string& path) { return "\"" + WindowsPath(path) + "\""; }

TEST(JobProgram, ImportsAPlacementFileIntoANewJobAndRefusesABadOne) {
  TTempDir dir;
  const std::string out = dir.File("board.CSV");
  TProgramRun run(ZR_JOB_EXE, "import " + Quoted(kSamples + "/diptrace.csv") + " --side bottom -o " + Quoted(out));
  ASSERT_TRUE(run.Started);
  ASSERT_EQ(run.ExitCode(), 0);
  const JobTables job = ReadJobFile(ReadWholeFile(out));
  ASSERT_EQ(job.Components.size(), 1u);
  EXPECT_EQ(JoinRow(job.Components[0], kComponentColumns), "D4,,,12.7,0,150,0,1N4148 SOD-123,");

  const std::string bad = dir.File("bad.pos");
  WriteWholeFile(bad, "not a placement file\n");
  TProgramRun refused(ZR_JOB_EXE, "import " + Quoted(bad) + " -o " + Quoted(dir.File("bad.CSV")));
  ASSERT_TRUE(refused.Started);
  EXPECT_EQ(refused.ExitCode(), 1);
  EXPECT_EQ(ReadWholeFile(dir.File("bad.CSV")), "<missing>");
}

TEST(JobProgram, HelpsWithACommandAndTakesTheFeedersOfAnotherJob) {
  TTempDir dir;
  TProgramRun help(ZR_JOB_EXE, "import --help");
  ASSERT_TRUE(help.Started);
  EXPECT_EQ(help.ExitCode(), 0);

  const std::string job = std::string(ZR_SAMPLES_DIR) + "/basic.CSV", other = std::string(ZR_SAMPLES_DIR) + "/panel.CSV";
  const std::string out = dir.File("out.CSV");
  TProgramRun run(ZR_JOB_EXE, "feeders " + Quoted(job) + " --from " + Quoted(other) + " -o " + Quoted(out));
  ASSERT_TRUE(run.Started);
  ASSERT_EQ(run.ExitCode(), 0);
  JobTables expected = ReadJobFile(ReadWholeFile(job));
  TakeFeeders(expected, ReadJobFile(ReadWholeFile(other)));
  EXPECT_EQ(ReadWholeFile(out), WriteJobFile(expected));
}

}  // namespace
