// The command-line "panel" on a real job file: every byte as the editor
// saves it but the board rows, and nothing written for a wrong command line
// or a job that cannot be read.
#include "cli/job_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "job/job_format.h"
#include "tests/support/files.h"

namespace {

namespace fs = std::filesystem;

const std::string kSample = std::string(ZR_SAMPLES_DIR) + "/panel.CSV";

class PanelCommand : public testing::Test {
 protected:
  void SetUp() override {
    Dir = fs::temp_directory_path() /
          ("zr-panel-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(Dir);
    fs::create_directories(Dir);
  }
  void TearDown() override { fs::remove_all(Dir); }

  std::string Path(const char* name) const { return (Dir / name).string(); }
  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(Dir)) names.insert(entry.path().filename().string());
    return names;
  }

  fs::path Dir;
};

// The sample as the editor saves it, with these board lines in place of its own.
std::string SavedWithBoards(const std::string& boardLines) {
  std::string saved = ReadWholeFile(kSample + ".saved");
  const size_t start = saved.find(kBoardHeaderLine) + std::string(kBoardHeaderLine).size() + 2;
  const size_t end = saved.find(kComponentHeaderLine);
  return saved.replace(start, end - start, boardLines);
}

TEST_F(PanelCommand, WritesTheJobAsSavedWithThePanelsBoards) {
  const struct {
    std::vector<std::string> Options;
    std::string Boards;
    std::string Summary;
  } cases[] = {
      {{"--columns", "2", "--rows", "3", "--pitch", "52.5,41"},
       "1,0,0,0,\r\n2,52.5,0,0,\r\n3,0,41,0,\r\n4,52.5,41,0,\r\n5,0,82,0,\r\n6,52.5,82,0,\r\n",
       "Панель 2 x 3, плат: 6, с пропуском: 0 (было плат: 4).\n"},
      {{"--skip", "3,1,3", "--origin", "-5,2.5", "--pitch", "0.1,0", "--rows", "1", "--columns", "4"},
       "1,-5,2.5,1,\r\n2,-4.9,2.5,0,\r\n3,-4.8,2.5,1,\r\n4,-4.7,2.5,0,\r\n",
       "Панель 4 x 1, плат: 4, с пропуском: 2 (было плат: 4).\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {kSample, "-o", Path("out.CSV")};
    args.insert(args.end(), c.Options.begin(), c.Options.end());
    TCommandOutput output;
    ASSERT_EQ(RunPanelCommand(args, output), 0) << output.Err;
    EXPECT_EQ(ReadWholeFile(Path("out.CSV")), SavedWithBoards(c.Boards));
    EXPECT_EQ(output.Out, c.Summary + "Записан файл " + Path("out.CSV") + "\n");
    EXPECT_EQ(output.Err, "");
  }
}

TEST_F(PanelCommand, WritesNothingForAWrongCommandLineOrJob) {
  WriteWholeFile(Path("out.CSV"), "old");
  fs::create_directories(Dir / "folder");
  const std::vector<std::string> good = {"--columns", "2", "--rows", "3", "--pitch", "10,10", "-o", Path("out.CSV")};
  const struct {
    std::vector<std::string> Args;  // after `good`: a value given twice, the later counts
    int Status;
    const char* Err;  // what the message holds
  } cases[] = {
      {{kSample, "--rows", "51"}, 2, "--rows: «51» не целое число от 1 до 50"},
      {{kSample, "--pitch", "10;10"}, 2, "--pitch: «10;10» не два числа через запятую"},
      {{kSample, "--origin", "1,2,3"}, 2, "--origin: «1,2,3» не два числа через запятую"},
      {{kSample, "--skip", "7"}, 2, "--skip: платы 7 нет: номера от 1 до 6"},
      {{kSample, "--side", "top"}, 2, "Неизвестный ключ --side"},
      {{kSample, kSample}, 2, "Лишнее слово"},
      {{}, 2, "Не указан файл задания"},
      {{Path("none.CSV")}, 1, "не найден"},
      {{Path("folder")}, 1, "не открыт"},
  };
  const std::set<std::string> names = Names();
  for (const auto& c : cases) {
    std::vector<std::string> args = good;
    args.insert(args.end(), c.Args.begin(), c.Args.end());
    TCommandOutput output;
    EXPECT_EQ(RunPanelCommand(args, output), c.Status) << c.Err;
    EXPECT_NE(output.Err.find(c.Err), std::string::npos) << output.Err;
    EXPECT_EQ(output.Out, "");
    EXPECT_EQ(ReadWholeFile(Path("out.CSV")), "old");
    EXPECT_EQ(Names(), names) << c.Err;
  }
  // Each required value missing, or a key with no value after it.
  const struct {
    std::vector<std::string> Args;
    const char* Err;
  } missing[] = {
      {{kSample, "--rows", "1", "--pitch", "1,1", "-o", Path("out.CSV")}, "Не указан --columns"},
      {{kSample, "--columns", "1", "--pitch", "1,1", "-o", Path("out.CSV")}, "Не указан --rows"},
      {{kSample, "--columns", "1", "--rows", "1", "--origin", "1,1", "-o", Path("out.CSV")}, "Не указан --pitch"},
      {{kSample, "--columns", "1", "--rows", "1", "--pitch", "1,1"}, "Не указан -o OUT"},
      {{kSample, "-o", Path("out.CSV"), "--columns", "1", "--rows", "1", "--pitch"}, "После --pitch нет значения"},
  };
  for (const auto& c : missing) {
    TCommandOutput output;
    EXPECT_EQ(RunPanelCommand(c.Args, output), 2) << c.Err;
    EXPECT_NE(output.Err.find(c.Err), std::string::npos) << output.Err;
    EXPECT_NE(output.Err.find("Использование: zr780k-job panel"), std::string::npos);
    EXPECT_EQ(ReadWholeFile(Path("out.CSV")), "old");
  }
}

}  // namespace
