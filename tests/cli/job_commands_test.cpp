// The command-line program's "assign", "check", "feeders" and "parts" commands on real files:
// the bytes written, the texts and the exit statuses, and nothing written
// when something is wrong.
#include "cli/job_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <set>

#include "job/job_format.h"
#include "tests/support/files.h"

namespace {

namespace fs = std::filesystem;

class JobCommands : public testing::Test {
 protected:
  void SetUp() override {
    Dir = fs::temp_directory_path() / ("zr-commands-" + std::to_string(std::random_device()()));
    fs::create_directories(Dir);
  }
  void TearDown() override { fs::remove_all(Dir); }

  // Names are bytes in the system's code page, as the program gets them.
  std::string File(const std::string& name) const { return Dir.string() + "/" + name; }
  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(Dir)) names.insert(entry.path().filename().string());
    return names;
  }

  fs::path Dir;
};

const std::string kEmptyCells(16, ',');
const std::string kHeaders = std::string(kJobMakerLine) + "\r\n" + kFeederHeaderLine + "\r\n" +
                             "1,100,50" + kEmptyCells + "0,10k 0603,\r\n" + kSpecialFeederHeaderLine + "\r\n" +
                             kBoardHeaderLine + "\r\n1,0,0,0,\r\n" + kComponentHeaderLine + "\r\n";
const std::string kUnassigned = kHeaders +
                                "R1,,,10,5,90,0,10k 0603 1%,\r\n"
                                "R2,2,1,20,5,0,0,10k 0603,\r\n"
                                "R3,,,30,5,0,0,zzz,\r\n";
const std::string kAssigned = kHeaders +
                              "R1,2,1,10,5,90,0,10k 0603 1%,\r\n"
                              "R2,2,1,20,5,0,0,10k 0603,\r\n"
                              "R3,,,30,5,0,0,zzz,\r\n";

TEST_F(JobCommands, AssignWritesTheJobAsSavedAndPrintsTheSummary) {
  WriteWholeFile(File("job.CSV"), kUnassigned);
  WriteWholeFile(File("old.CSV"), "old");
  // A new file, an existing one replaced, and the job itself.
  for (const char* out : {"new.CSV", "old.CSV", "job.CSV"}) {
    TCommandOutput output;
    ASSERT_EQ(RunAssignCommand({File("job.CSV"), "-o", File(out)}, output), 0) << output.Err;
    EXPECT_EQ(ReadWholeFile(File(out)), kAssigned) << out;
    EXPECT_EQ(output.Out,
              "Питатель назначен: 1 строка.\nСвой питатель сохранили: 1 строка.\n"
              "Питатель не найден: 1 строка:\n  «zzz»: 1\n");
    EXPECT_EQ(output.Err, "");
  }
  EXPECT_EQ(Names(), (std::set<std::string>{"job.CSV", "new.CSV", "old.CSV"}));
}

TEST_F(JobCommands, AssignGivesRuleNozzlesFirst) {
  WriteWholeFile(File("job.CSV"), kUnassigned);
  WriteWholeFile(File("nozzles.csv"), "Pattern;Nozzle\n0603;5\nZZZ;7\n");
  TCommandOutput output;
  ASSERT_EQ(RunAssignCommand({File("job.CSV"), "--nozzles", File("nozzles.csv"), "-o", File("out.CSV")}, output), 0)
      << output.Err;
  EXPECT_EQ(ReadWholeFile(File("out.CSV")), kHeaders +
                                                "R1,5,1,10,5,90,0,10k 0603 1%,\r\n"
                                                "R2,2,1,20,5,0,0,10k 0603,\r\n"
                                                "R3,7,,30,5,0,0,zzz,\r\n");
  EXPECT_NE(output.Out.find("\nСопло по правилам: 2 строки.\n"), std::string::npos) << output.Out;
  EXPECT_EQ(output.Err, "");
}

TEST_F(JobCommands, AssignWritesNothingWhenTheJobOrTheTargetIsWrong) {
  WriteWholeFile(File("job.CSV"), kUnassigned);
  WriteWholeFile(File("big.CSV"), std::string(kJobFileMaxSize + 1, ' '));
  fs::create_directories(Dir / "folder");
  WriteWholeFile(File("out.CSV"), "old");
  WriteWholeFile(File("nozzles.csv"), "Pattern,Nozzle\n0603,5\n0805\n");
  const struct {
    std::vector<std::string> Args;
    int Status;
    const char* Err;  // what the message holds
  } cases[] = {
      {{File("job.CSV"), "--nozzles", File("nozzles.csv"), "-o", File("out.CSV")}, 1,
       "nozzles.csv>, строка 3: одно поле, а нужны шаблон и сопло.\n"},
      {{File("job.CSV"), "--nozzles", File("none.csv"), "-o", File("out.CSV")}, 1, "none.csv> не найден"},
      {{File("none.CSV"), "-o", File("out.CSV")}, 1, "не найден"},
      {{File("big.CSV"), "-o", File("out.CSV")}, 1, "не файл задания"},
      {{File("folder"), "-o", File("out.CSV")}, 1, "не открыт"},
      {{File("job.CSV"), "-o", File("folder")}, 1, "не записан"},
      {{File("job.CSV"), "-o", File("none/out.CSV")}, 1, "не записан"},
      {{File("job.CSV")}, 2, "Использование: zr780k-job assign"},
      {{File("job.CSV"), "-o"}, 2, "Использование"},
      {{File("job.CSV"), File("out.CSV"), "-o"}, 2, "Использование"},
      {{File("job.CSV"), "-x", File("out.CSV")}, 2, "Использование"},
      {{}, 2, "Использование"},
  };
  const std::set<std::string> names = Names();
  for (const auto& c : cases) {
    TCommandOutput output;
    EXPECT_EQ(RunAssignCommand(c.Args, output), c.Status) << c.Err;
    EXPECT_NE(output.Err.find(c.Err), std::string::npos) << output.Err;
    EXPECT_EQ(output.Out, "");
    EXPECT_EQ(ReadWholeFile(File("out.CSV")), "old");
    EXPECT_EQ(Names(), names) << c.Err;
  }
}

TEST_F(JobCommands, CheckPrintsOneFindingPerLineAndFailsOnAnError) {
  const std::string clean = kHeaders + "R1,2,1,10,5,90,0,,\r\nR2,1,01,20,5,0,0,,\r\n";
  WriteWholeFile(File("clean.CSV"), clean);
  WriteWholeFile(File("unassigned.CSV"), kUnassigned);
  WriteWholeFile(File("warned.CSV"), clean + "R2,2,1,40,5,0,0,,\r\n");
  const struct {
    std::vector<std::string> Args;
    int Status;
    std::string Out;
    const char* Err;
  } cases[] = {
      {{File("clean.CSV")}, 0, "", ""},
      {{File("warned.CSV")}, 0, "component\t3\t1\twarning\tКомпонент: R2 уже в строке 2\n", ""},
      {{File("unassigned.CSV")},
       1,
       "component\t1\t2\terror\tСопло: пустая ячейка\ncomponent\t1\t3\terror\tПитатель: пустая ячейка\n"
       "component\t3\t2\terror\tСопло: пустая ячейка\ncomponent\t3\t3\terror\tПитатель: пустая ячейка\n",
       ""},
      {{File("none.CSV")}, 1, "", "не найден"},
      {{}, 2, "", "Использование: zr780k-job check"},
      {{File("clean.CSV"), File("warned.CSV")}, 2, "", "Использование"},
  };
  for (const auto& c : cases) {
    TCommandOutput output;
    EXPECT_EQ(RunCheckCommand(c.Args, output), c.Status) << c.Out;
    EXPECT_EQ(output.Out, c.Out);
    EXPECT_NE(output.Err.find(c.Err), std::string::npos) << output.Err;
  }
}

const std::string kSamples = ZR_SAMPLES_DIR;

// The sample as the editor saves it, with the feeder sections (both headers
// and their rows) of another sample.
std::string SavedWithFeedersOf(const char* job, const char* other) {
  const auto feederSections = [](const std::string& saved, size_t& start) {
    start = saved.find(kFeederHeaderLine);
    return saved.substr(start, saved.find(kBoardHeaderLine) - start);
  };
  std::string saved = ReadWholeFile(kSamples + "/" + job + ".saved");
  size_t start = 0, otherStart = 0;
  const std::string own = feederSections(saved, start);
  return saved.replace(start, own.size(), feederSections(ReadWholeFile(kSamples + "/" + other + ".saved"), otherStart));
}

TEST_F(JobCommands, FeedersWritesTheJobWithTheOtherJobsFeederTables) {
  const std::string out = File("out.CSV");
  TCommandOutput output;
  ASSERT_EQ(RunFeedersCommand({kSamples + "/basic.CSV", "-o", out, "--from", kSamples + "/panel.CSV"}, output), 0)
      << output.Err;
  EXPECT_EQ(ReadWholeFile(out), SavedWithFeedersOf("basic.CSV", "panel.CSV"));
  EXPECT_EQ(output.Out, "Питателей: 12, особых питателей: 2 — из " + kSamples + "/panel.CSV\nЗаписан файл " + out + "\n");
  EXPECT_EQ(output.Err, "");
}

TEST_F(JobCommands, FeedersWritesNothingWhenAJobCannotBeReadOrTheCommandLineIsWrong) {
  const std::string job = kSamples + "/basic.CSV", other = kSamples + "/panel.CSV", out = File("out.CSV");
  WriteWholeFile(out, "old");
  WriteWholeFile(File("board.pos"), "Ref,Val,Package,PosX,PosY,Rot,Side\r\nR1,10k,R_0603,10,5,0,top\r\n");
  const struct {
    std::vector<std::string> Args;
    int Status;
    const char* Err;  // what the message holds
  } cases[] = {
      {{File("none.CSV"), "--from", other, "-o", out}, 1, "не найден"},
      {{job, "--from", File("none.CSV"), "-o", out}, 1, "не найден"},
      {{job, "--from", File("board.pos"), "-o", out}, 1, "board.pos> не файл задания: в нём нет таблиц питателей."},
      {{job, "--from", other, "-o", File("none/out.CSV")}, 1, "не записан"},
      {{job, "-o", out}, 2, "Не указан --from OTHER_JOB\nИспользование: zr780k-job feeders"},
      {{job, "--from", other}, 2, "Не указан -o OUT"},
      {{job, other, "--from", other, "-o", out}, 2, "Лишнее слово"},
      {{job, "--from"}, 2, "После --from нет значения"},
  };
  const std::set<std::string> names = Names();
  for (const auto& c : cases) {
    TCommandOutput output;
    EXPECT_EQ(RunFeedersCommand(c.Args, output), c.Status) << c.Err;
    EXPECT_NE(output.Err.find(c.Err), std::string::npos) << output.Err;
    EXPECT_EQ(output.Out, "");
    EXPECT_EQ(ReadWholeFile(out), "old");
    EXPECT_EQ(Names(), names) << c.Err;
  }
}

TEST_F(JobCommands, PartsPrintsTheSetupListByKind) {
  // Two boards placed and one skipped; kinds whose rows are mixed up, a
  // feeder named as "01", one that no feeder table has, comments of no words.
  WriteWholeFile(File("job.CSV"), std::string(kJobMakerLine) + "\r\n" + kFeederHeaderLine + "\r\n" +
                                      "1,100,50" + kEmptyCells + "0,10k 0603,\r\n" + kSpecialFeederHeaderLine +
                                      "\r\n" + kBoardHeaderLine + "\r\n1,0,0,0,\r\n2,50,0,0,\r\n3,100,0,1,\r\n" +
                                      kComponentHeaderLine + "\r\n"
                                      "R1,1,1,10,5,90,0,10k 0603,\r\n"
                                      "C1,2,7,20,5,0,0,100n,\r\n"
                                      "X1,,,30,5,0,0,,\r\n"
                                      "R2,1,01,40,5,0,0,10K  0603,\r\n"
                                      "C2,,,50,5,0,1,100n,\r\n"
                                      "X2,,,60,5,0,0,-,\r\n");
  const struct {
    std::vector<std::string> Args;
    int Status;
    std::string Out;
    const char* Err;
  } cases[] = {
      {{File("job.CSV")},
       0,
       "Вид\tСтавить\tНа панель\tПропуск\tПитатель\tСопло\tПозиции\n"
       "\t2\t4\t0\t\t\tX1 X2\n"
       "100n\t1\t2\t0,1\t7\t2\tC1 C2\n"
       "10k 0603\t2\t4\t0\t1,01\t1\tR1 R2\n",
       ""},
      {{File("none.CSV")}, 1, "", "не найден"},
      {{}, 2, "", "Не указан файл задания\nИспользование: zr780k-job parts JOB\n"},
      {{File("job.CSV"), "-o", File("out.CSV")}, 2, "", "Неизвестный ключ -o"},
  };
  for (const auto& c : cases) {
    TCommandOutput output;
    EXPECT_EQ(RunPartsCommand(c.Args, output), c.Status) << c.Err;
    EXPECT_EQ(output.Out, c.Out);
    EXPECT_NE(output.Err.find(c.Err), std::string::npos) << output.Err;
  }
}

}  // namespace
