// The command-line import in process: the job file it writes, --into
// keeping the job's tables, and that bad input writes nothing.
#include "cli/job_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "job/job_file.h"
#include "job/job_format.h"
#include "tests/support/files.h"

namespace {

namespace fs = std::filesystem;

const std::string kSamples = ZR_PLACEMENT_SAMPLES_DIR;

class ImportCommand : public testing::Test {
 protected:
  void SetUp() override {
    Dir = fs::temp_directory_path() /
          ("zr-import-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(Dir);
    fs::create_directories(Dir);
  }
  void TearDown() override { fs::remove_all(Dir); }

  std::string Path(const char* name) const { return (Dir / name).string(); }

  int Run(const std::vector<std::string>& args) {
    Output = TCommandOutput();
    return RunImportCommand(args, Output);
  }

  fs::path Dir;
  TCommandOutput Output;
};

// Component rows of a rows file as the job holds them.
JobTable ExpectedRows(const std::string& rowsFile) {
  JobTable rows;
  const std::string text = ReadWholeFile(kSamples + "/" + rowsFile);
  for (size_t from = 0, end; (end = text.find('\n', from)) != std::string::npos; from = end + 1)
    rows.push_back(SplitRow(text.substr(from, end - from - 1), kComponentColumns));
  return rows;
}

TEST_F(ImportCommand, WritesACompleteJobOfTheChosenSide) {
  const std::string out = Path("out.CSV");
  ASSERT_EQ(Run({kSamples + "/kicad-text.pos", "--side", "bottom", "-o", out}), 0) << Output.Err;
  EXPECT_EQ(Output.Err, "");
  const std::string bytes = ReadWholeFile(out);
  EXPECT_EQ(bytes.substr(0, bytes.find("\r\n")), kJobMakerLine);
  JobTables expected;
  expected.Components = ExpectedRows("kicad-text.pos.bottom.rows");
  EXPECT_EQ(bytes, WriteJobFile(expected));
  EXPECT_EQ(Output.Out.substr(0, Output.Out.find('\n')),
            "Импортировано строк: 2 (формат: KiCad (текстовый файл позиций))");
  EXPECT_FALSE(fs::exists(out + ".zr-tmp"));
}

TEST_F(ImportCommand, AppendsToTheComponentsOfAJobLeavingItsTablesAndFileAsTheyWere) {
  const std::string job = Path("panel.CSV"), out = Path("out.CSV");
  const std::string jobBytes = ReadWholeFile(std::string(ZR_SAMPLES_DIR) + "/panel.CSV");
  WriteWholeFile(job, jobBytes);
  ASSERT_EQ(Run({kSamples + "/jlc.csv", "--into", job, "-o", out}), 0) << Output.Err;
  JobTables expected = ReadJobFile(jobBytes);
  ASSERT_FALSE(expected.Feeders.empty());
  ASSERT_FALSE(expected.Components.empty());
  const JobTable imported = ExpectedRows("jlc.csv.rows");
  expected.Components.insert(expected.Components.end(), imported.begin(), imported.end());
  EXPECT_EQ(ReadWholeFile(out), WriteJobFile(expected));
  EXPECT_EQ(ReadWholeFile(job), jobBytes);

  // The job may be its own output.
  ASSERT_EQ(Run({kSamples + "/jlc.csv", "--into", job, "-o", job}), 0) << Output.Err;
  EXPECT_EQ(ReadWholeFile(job), WriteJobFile(expected));
}

TEST_F(ImportCommand, ReadsAFileOfNoStatedUnitInTheUnitGivenAndWarnsOfInchesOtherwise) {
  const std::string out = Path("out.CSV"), inches = kSamples + "/kicad-inches.csv";
  const std::string warning = "Внимание: в файле не указаны единицы, а все координаты меньше 25; если они в дюймах, "
                              "импортируйте с ключом --unit in\n";
  struct TCase {
    std::vector<std::string> Args;
    const char* Rows;
    const char* UnitLine;
    std::string Err;
  };
  const TCase cases[] = {
      {{inches, "--unit", "in", "-o", out}, "kicad-inches.csv.rows", "Единицы: дюймы (в файле не указаны)", ""},
      {{inches, "-o", out}, nullptr, "Единицы: мм (в файле не указаны)", warning},
      {{inches, "--unit", "mm", "-o", out}, nullptr, "Единицы: мм (в файле не указаны)", ""},
      // A unit the file states wins over --unit.
      {{kSamples + "/measured-inches.csv", "--unit", "mil", "-o", out}, "measured-inches.csv.rows",
       "Единицы: дюймы (указаны в файле)", ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Args[0] + " " + c.UnitLine);
    ASSERT_EQ(Run(c.Args), 0) << Output.Err;
    EXPECT_EQ(Output.Err, c.Err);
    EXPECT_NE(Output.Out.find(std::string("\n") + c.UnitLine + "\n"), std::string::npos) << Output.Out;
    const bool stated = std::string(c.UnitLine).find("указаны в файле") != std::string::npos;
    EXPECT_EQ(Output.Out.find("Ключ --unit не применён: единицы указаны в файле\n") != std::string::npos, stated);
    if (c.Rows) {
      JobTables expected;
      expected.Components = ExpectedRows(c.Rows);
      EXPECT_EQ(ReadWholeFile(out), WriteJobFile(expected));
    }
  }
}

TEST_F(ImportCommand, AppliesACorrectionsTableToTheSideImported) {
  const std::string samples = kSamples + "/../rotations/";
  const std::string out = Path("out.CSV");
  const struct {
    const char* Side;
    const char* Summary;
    std::vector<std::string> Rows;  // some rows of the job written
  } cases[] = {
      {"top", "исправлено деталей: 17 из 23",
       {"C1,,,12.7,15.24,0,0,100nF C_0603_1608Metric", "Q1,,,35.56,15.24,-90,0,AO3401A SOT-23",
        "U8,,,10.16,0,180,0,MCP73831 SOT-23-5", "J1,,,26.84,33.02,0,0,USB_C USB_C_Receptacle_XKB_U262-16XN-4BVC11",
        "Q3,,,47.62,5.08,-90,0,IRLR024N TO-252-2", "U6,,,17.78,25.4,-45,0,ESP32-C3 QFN-32-1EP_5x5mm_P0.5mm_EP3.7x3.7mm"}},
      {"bottom", "исправлено деталей: 4 из 6",
       {"Q2,,,27.94,10.16,0,0,BSS138 SOT-23", "U7,,,38.1,0,90,0,TXS0108E TSSOP-20_4.4x6.5mm_P0.65mm",
        "R3,,,45.72,5.08,180,0,0R R_0805_2012Metric"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Side);
    ASSERT_EQ(Run({samples + "board.csv", "--side", c.Side, "--corrections", samples + "packages.csv", "-o", out}), 0)
        << Output.Err;
    EXPECT_NE(Output.Out.find("Поправки поворота: " + samples + "packages.csv, " + c.Summary + "\n"),
              std::string::npos)
        << Output.Out;
    const std::string job = ReadWholeFile(out);
    for (const std::string& row : c.Rows) EXPECT_NE(job.find("\r\n" + row + ",\r\n"), std::string::npos) << row;
  }
}

TEST_F(ImportCommand, GivesNozzlesByTheRulesOfTheTable) {
  const std::string samples = kSamples + "/../rotations/";
  const std::string out = Path("out.CSV");
  ASSERT_EQ(Run({samples + "board.csv", "--nozzles", samples + "nozzles.csv", "-o", out}), 0) << Output.Err;
  EXPECT_NE(Output.Out.find("\nСопло по правилам: 21 строка\n"), std::string::npos) << Output.Out;
  const std::string job = ReadWholeFile(out);
  for (const char* row : {"C1,2,,", "C3,7,,", "U1,6,,", "U2,4,,", "U8,3,,", "U9,5,,", "FID1,,,", "J1,,,"})
    EXPECT_NE(job.find(std::string("\r\n") + row), std::string::npos) << row;
}

// The bottom of a file whose X are negated: found seen from below by the
// signs of X, or told; turned over either way.
TEST_F(ImportCommand, TurnsTheBottomSideInTheViewAndTheTurnGiven) {
  const std::string out = Path("out.CSV"), file = kSamples + "/kicad-text.pos";
  const struct {
    std::vector<std::string> Options;
    const char* Rule;  // the summary's line of the rule, after "Нижняя сторона: "
    const char* C21;
    const char* C22;
  } cases[] = {
      {{}, "переворот слева направо; X в файле дан со стороны низа (по знакам X), возвращён к виду сверху; "
           "угол = 180° - угол файла", "120,0,-135", "133.53,4.51,0"},
      {{"--turn", "tb"}, "переворот сверху вниз; X в файле дан со стороны низа (по знакам X), возвращён к виду "
                         "сверху; угол = -угол файла", "133.53,4.51,45", "120,0,180"},
      {{"--bottom-view", "below", "--turn", "tb"}, "переворот сверху вниз; X в файле дан со стороны низа (ключ "
                                                  "--bottom-view), возвращён к виду сверху; угол = -угол файла",
       "133.53,4.51,45", "120,0,180"},
      {{"--bottom-view", "top", "--turn", "lr"}, "переворот слева направо; X в файле дан со стороны верха (ключ "
                                                "--bottom-view); угол = 180° - угол файла", "13.53,0,-135",
       "0,4.51,0"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {file, "--side", "bottom", "-o", out};
    args.insert(args.end(), c.Options.begin(), c.Options.end());
    SCOPED_TRACE(c.Rule);
    ASSERT_EQ(Run(args), 0) << Output.Err;
    EXPECT_NE(Output.Out.find(std::string("\nНижняя сторона: ") + c.Rule + "\n"), std::string::npos) << Output.Out;
    const std::string job = ReadWholeFile(out);
    EXPECT_NE(job.find(std::string("\r\nC21,,,") + c.C21 + ",0,100nF C_0805_2012Metric,\r\n"), std::string::npos) << job;
    EXPECT_NE(job.find(std::string("\r\nC22,,,") + c.C22 + ",0,1uF C_0603_1608Metric,\r\n"), std::string::npos) << job;
  }
}

TEST_F(ImportCommand, WritesNothingOnBadInput) {
  const std::string out = Path("out.CSV");
  WriteWholeFile(out, "old bytes");
  WriteWholeFile(Path("empty.pos"), "");
  WriteWholeFile(Path("junk.pos"), std::string("\0\x01\x02\xFF\xFE junk\n", 11));
  WriteWholeFile(Path("large.pos"), std::string(kJobFileMaxSize + 1, ' '));
  WriteWholeFile(Path("bad-table.csv"), "Pattern,Rotation\n^R_,x\n");
  WriteWholeFile(Path("bad-nozzles.csv"), "Pattern;Nozzle\n0402;1\n(0603;2\n");
  struct TCase {
    std::vector<std::string> Args;
    int Status;
    const char* Message;
  };
  const TCase cases[] = {
      {{Path("missing.pos"), "-o", out}, 1, "не найден"},
      {{Path("empty.pos"), "-o", out}, 1, "пуст"},
      {{Path("junk.pos"), "-o", out}, 1, "не похож на файл позиций: нет столбцов X и Y"},
      {{kSamples + "/kicad-no-parts.pos", "-o", out}, 1, "В файле kicad-no-parts.pos нет ни одного компонента"},
      {{Path("large.pos"), "-o", out}, 1, "больше 4 МБ"},
      {{kSamples + "/jlc.csv", "--into", Path("missing.CSV"), "-o", out}, 1, "не найден"},
      {{kSamples + "/jlc.csv", "-o", Path("no-folder/out.CSV")}, 1, "не записан"},
      {{kSamples + "/jlc.csv"}, 2, "-o OUT"},
      {{kSamples + "/jlc.csv", "--side", "left", "-o", out}, 2, "Сторона left неизвестна"},
      {{kSamples + "/jlc.csv", "--unit", "cm", "-o", out}, 2, "Единицы cm неизвестны: mm, mil или in"},
      {{kSamples + "/jlc.csv", "-o", out, "--into"}, 2, "После --into нет значения"},
      {{kSamples + "/jlc.csv", "-x", "-o", out}, 2, "Неизвестный ключ -x"},
      {{kSamples + "/jlc.csv", "--corrections", Path("missing.csv"), "-o", out}, 1, "не найден"},
      {{kSamples + "/jlc.csv", "--corrections", Path("bad-table.csv"), "-o", out}, 1,
       "bad-table.csv>, строка 2: поворот «x» не число."},
      {{kSamples + "/jlc.csv", "-o", out, "--corrections"}, 2, "После --corrections нет значения"},
      {{kSamples + "/jlc.csv", "--nozzles", Path("missing.csv"), "-o", out}, 1, "missing.csv> не найден"},
      {{kSamples + "/jlc.csv", "--nozzles", Path("bad-nozzles.csv"), "-o", out}, 1,
       "bad-nozzles.csv>, строка 3: шаблон «(0603» не регулярное выражение."},
      {{kSamples + "/jlc.csv", "--turn", "up", "-o", out}, 2, "Значение up ключа --turn неизвестно: lr или tb"},
      {{kSamples + "/jlc.csv", "--bottom-view", "side", "-o", out}, 2,
       "Значение side ключа --bottom-view неизвестно: top или below"},
      {{kSamples + "/jlc.csv", "-o", out, "--turn"}, 2, "После --turn нет значения"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Args[0] + " " + c.Message);
    EXPECT_EQ(Run(c.Args), c.Status);
    EXPECT_NE(Output.Err.find(c.Message), std::string::npos) << Output.Err;
    EXPECT_EQ(Output.Out, "");
    EXPECT_EQ(ReadWholeFile(out), "old bytes");
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(Dir), fs::directory_iterator()), 6) << "only the files made here";
}

}  // namespace
