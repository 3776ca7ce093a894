// The editor's open and save chains on real files: a read-mode file stream
// feeding the flattener and the section chains, and the save chain writing
// through the line writer into a write-mode file stream, linked as the
// editor links them. Checked against the job file module and the sample
// files with their expected saved bytes.
#include <gtest/gtest.h>
#include <windows.h>

#include <random>
#include <string>

#include "components/processing/data_to_file.h"
#include "components/processing/file_stream.h"
#include "components/processing/hub.h"
#include "components/processing/stream_to_hex.h"
#include "tests/components/processing/probe.h"
#include "tests/editor/job_samples.h"
#include "tests/editor/stand_in_chains.h"
#include "tests/support/answerers.h"
#include "job/job_file.h"
#include "tests/support/temp_dir.h"

namespace {

class TFileChains {
 public:
  // Open: file stream -> flattener -> (read stream closed) -> section chains.
  TVMFileStream JobReadStream;
  TReadChain Read;
  // Save: hub -> write stream opened twice, then the header/row writers.
  TVMHub SaveHub;
  TVMFileStream JobWriteStream;
  TVMDataToFile JobLineWriter;
  TSaveChain Save{MakeEvent<&TVMDataToFile::PutLine>(&JobLineWriter),
                  MakeEvent<&TVMFileStream::CloseFile>(&JobWriteStream, 1)};

  TFileChains() {
    JobReadStream.Mode = kFileModeRead;
    JobReadStream.OnOpened = MakeEvent<&TVMStream2Hex::Convert>(&Read.JobTextFlattener);
    Read.JobTextFlattener.OnStreamRead = MakeEvent<&TVMFileStream::CloseFile>(&JobReadStream, 1);

    SaveHub.SetCount(4);
    JobWriteStream.Mode = kFileModeWrite;
    SaveHub.OnOutput[0] = MakeEvent<&TVMFileStream::OpenFile>(&JobWriteStream);
    SaveHub.OnOutput[1] = MakeEvent<&TVMFileStream::OpenFile>(&JobWriteStream);
    SaveHub.OnOutput[3] = Save.Input();
    JobLineWriter.Stream = MakeEvent<&TVMFileStream::Stream>(&JobWriteStream);
  }

  void Open(const std::string& path) {
    TVM_Event open = MakeEvent<&TVMFileStream::OpenFile>(&JobReadStream);
    FireStr(open, path);
  }
  // Saves the tables the read chain filled, as the editor saves its tables.
  void SaveOpened(const std::string& path) {
    Save.Load(Read.Tables());
    TVM_Event save = MakeEvent<&TVMHub::Trigger>(&SaveHub);
    FireStr(save, path);
  }
};

class JobFileChainTest : public LiveNetworkTest {
 protected:
  TTempDir dir;
};

}  // namespace

TEST_F(JobFileChainTest, SamplesOpenIntoTheModuleRowsAndSaveTheSavedBytes) {
  const auto names = JobSampleNames();
  ASSERT_GE(names.size(), 7u);
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    const std::string bytes = ReadWholeFile(JobSamplePath(name));
    TFileChains chains;
    chains.Open(JobSamplePath(name));
    EXPECT_EQ(chains.JobReadStream.FileStream, nullptr);  // closed once read
    EXPECT_EQ(chains.Read.Tables(), ReadJobFile(bytes));

    const std::string out = dir.File(name);
    WriteWholeFile(out, std::string(5000, 'x'));  // an older, longer file
    chains.SaveOpened(out);
    EXPECT_EQ(chains.JobWriteStream.FileStream, nullptr);
    EXPECT_EQ(ReadWholeFile(out), ReadWholeFile(JobSamplePath(name + ".saved")));
  }
}

TEST_F(JobFileChainTest, GeneratedFilesGiveWhatTheModuleGives) {
  std::mt19937 rng(780);
  for (int round = 0; round < 25; ++round) {
    SCOPED_TRACE(round);
    const JobTables tables = RandomJobTables(rng, 6);
    const std::string path = dir.File("gen.csv");
    WriteWholeFile(path, WriteJobFile(tables));

    TFileChains chains;
    chains.Open(path);
    EXPECT_EQ(chains.Read.Tables(), tables);
    chains.SaveOpened(path);  // over the file just opened
    EXPECT_EQ(ReadWholeFile(path), WriteJobFile(tables));
  }
  for (unsigned seed = 1; seed <= 3; ++seed) {  // larger files of the generator
    const std::string bytes = GeneratedJobFile(400 * seed, seed);
    const std::string path = dir.File("big.csv");
    WriteWholeFile(path, bytes);
    TFileChains chains;
    chains.Open(path);
    EXPECT_EQ(chains.Read.Tables(), ReadJobFile(bytes));
    chains.SaveOpened(dir.File("big-saved.csv"));
    EXPECT_EQ(ReadWholeFile(dir.File("big-saved.csv")), WriteJobFile(ReadJobFile(bytes)));
  }
}

TEST_F(JobFileChainTest, OpeningTwiceAppendsAndAMissingFileChangesNothing) {
  const std::string path = JobSamplePath("basic.CSV");
  const JobTables once = ReadJobFile(ReadWholeFile(path));
  TFileChains chains;
  chains.Open(path);
  chains.Open(path);
  JobTables twice = once;
  for (auto [all, one] : {std::pair{&twice.Feeders, &once.Feeders},
                          std::pair{&twice.SpecialFeeders, &once.SpecialFeeders},
                          std::pair{&twice.Boards, &once.Boards},
                          std::pair{&twice.Components, &once.Components}})
    all->insert(all->end(), one->begin(), one->end());
  EXPECT_EQ(chains.Read.Tables(), twice);

  TDialogAnswerer answerer;
  answerer.Press(IDOK);
  chains.Open(dir.File("gone.CSV"));
  ASSERT_EQ(answerer.Dialogs.size(), 1u);
  EXPECT_EQ(answerer.Dialogs[0].Text, "File <" + dir.File("gone.CSV") + "> not found!");
  EXPECT_EQ(chains.Read.Tables(), twice);
}

TEST_F(JobFileChainTest, EmptyTablesSaveTheFiveHeaderLines) {
  TFileChains chains;
  const std::string path = dir.File("blank.CSV");
  chains.SaveOpened(path);
  EXPECT_EQ(ReadWholeFile(path), WriteJobFile(JobTables{}));
  EXPECT_EQ(ReadWholeFile(path),
            std::string(kJobMakerLine) + "\r\n" + kFeederHeaderLine + "\r\n" +
                kSpecialFeederHeaderLine + "\r\n" + kBoardHeaderLine + "\r\n" +
                kComponentHeaderLine + "\r\n");
}
