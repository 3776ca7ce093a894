// The read and save chains built from the real components must give what
// the job file module states, byte for byte and row for row.
#include "tests/editor/stand_in_chains.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "job/job_file.h"
#include "tests/components/processing/probe.h"
#include "tests/editor/job_samples.h"

namespace {

using ReadChainTest = LiveNetworkTest;
using SaveChainTest = LiveNetworkTest;

JobTables ReadThroughChain(const std::string& bytes) {
  TReadChain chain;
  chain.ReadBytes(bytes);
  return chain.Tables();
}

std::string SaveThroughChain(const JobTables& tables, int* closes = nullptr) {
  TLineCollector lines;
  TSaveChain chain(MakeEvent<&TLineCollector::PutLine>(&lines),
                   MakeEvent<&TLineCollector::CloseFile>(&lines, 1));
  chain.Load(tables);
  TVM_Event input = chain.Input();
  FireStr(input, "C:\\job.CSV");
  if (closes) *closes = lines.Closes;
  return lines.Bytes;
}

// Files off the written form: stray marks, single line ends, marker texts,
// control bytes, cut-off tails.
std::string Disturbed(std::string text, std::mt19937& rng) {
  static const char* pieces[] = {"/", "\\", "\n", "\r", "\t", ",", "\r\n\r\n", "Spec",
                                 "#Special", "Loop Y,Spec", "#Circuit", "OffsetY,Skip",
                                 "Component", "#Bremlitz", "Skip,Name", "\xC0\xFF"};
  std::uniform_int_distribution<int> edits(1, 6), kind(0, 2);
  std::uniform_int_distribution<size_t> piece(0, std::size(pieces) - 1);
  for (int n = edits(rng); n > 0; --n) {
    std::uniform_int_distribution<size_t> at(0, text.size());
    size_t pos = at(rng);
    switch (kind(rng)) {
      case 0: text.insert(pos, pieces[piece(rng)]); break;
      case 1: text.erase(pos, 3); break;
      default: text.resize(pos); break;
    }
  }
  return text;
}

TEST_F(ReadChainTest, GivesTheModuleRowsOnEverySample) {
  for (const std::string& name : JobSampleNames()) {
    std::string bytes = ReadWholeFile(JobSamplePath(name));
    ASSERT_FALSE(bytes.empty()) << name;
    JobTables chain = ReadThroughChain(bytes);
    EXPECT_EQ(chain, ReadJobFile(bytes)) << name;
    EXPECT_EQ(WriteJobFile(chain), ReadWholeFile(JobSamplePath(name + ".saved"))) << name;
  }
}

TEST_F(ReadChainTest, GivesTheModuleRowsOnGeneratedFiles) {
  std::mt19937 rng(2024);
  for (int round = 0; round < 60; ++round) {
    JobTables tables = RandomJobTables(rng, round < 50 ? 10 : 300);
    std::string file = WriteJobFile(tables);
    ASSERT_EQ(ReadThroughChain(file), tables) << "round " << round;
    // Without the maker line, and with the last line end missing.
    std::string noMaker = file.substr(file.find("\r\n") + 2);
    ASSERT_EQ(ReadThroughChain(noMaker), ReadJobFile(noMaker)) << "round " << round;
    std::string open = file.substr(0, file.size() - 2);
    ASSERT_EQ(ReadThroughChain(open), ReadJobFile(open)) << "round " << round;
  }
}

TEST_F(ReadChainTest, AgreesWithTheModuleOnFilesOffTheWrittenForm) {
  std::mt19937 rng(7);
  for (int round = 0; round < 400; ++round) {
    std::string file = Disturbed(WriteJobFile(RandomJobTables(rng, 6)), rng);
    ASSERT_EQ(ReadThroughChain(file), ReadJobFile(file)) << "round " << round;
  }
}

TEST_F(ReadChainTest, OpeningTwiceAppendsTheRowsAgain) {
  std::mt19937 rng(11);
  JobTables tables = RandomJobTables(rng, 5);
  std::string flat = FlattenJobText(WriteJobFile(tables));
  TReadChain chain;
  TVM_Event input = chain.Input();
  FireStr(input, flat);
  FireStr(input, flat);
  JobTables twice = tables;
  twice.Feeders.insert(twice.Feeders.end(), tables.Feeders.begin(), tables.Feeders.end());
  twice.SpecialFeeders.insert(twice.SpecialFeeders.end(), tables.SpecialFeeders.begin(),
                              tables.SpecialFeeders.end());
  twice.Boards.insert(twice.Boards.end(), tables.Boards.begin(), tables.Boards.end());
  twice.Components.insert(twice.Components.end(), tables.Components.begin(), tables.Components.end());
  EXPECT_EQ(chain.Tables(), twice);
}

TEST_F(SaveChainTest, WritesTheModuleBytesAndClosesOnce) {
  std::mt19937 rng(99);
  int closes = 0;
  EXPECT_EQ(SaveThroughChain(JobTables(), &closes), WriteJobFile(JobTables()));
  EXPECT_EQ(closes, 1);
  for (int round = 0; round < 40; ++round) {
    JobTables tables = RandomJobTables(rng, round < 30 ? 10 : 300);
    ASSERT_EQ(SaveThroughChain(tables, &closes), WriteJobFile(tables)) << "round " << round;
    EXPECT_EQ(closes, 1);
  }
  // Cells outside the format's limits are written unchanged by both.
  JobTables odd;
  odd.Boards.push_back({"a,b", "/", "\\", "\t"});
  EXPECT_EQ(SaveThroughChain(odd), WriteJobFile(odd));
}

TEST_F(SaveChainTest, SavedSamplesOpenAgainIntoTheSameTables) {
  for (const std::string& name : JobSampleNames()) {
    JobTables tables = ReadThroughChain(ReadWholeFile(JobSamplePath(name)));
    std::string saved = SaveThroughChain(tables);
    EXPECT_EQ(saved, ReadWholeFile(JobSamplePath(name + ".saved"))) << name;
    EXPECT_EQ(ReadThroughChain(saved) == tables, TablesFitJobFormat(tables)) << name;
  }
}

}  // namespace
