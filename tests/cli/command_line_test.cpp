// The one reader of every command's words: what it takes and refuses, with
// the usage after the message; and the program's help, its own and each
// command's, made from the same tables.
#include "cli/command_line.h"

#include <gtest/gtest.h>

#include "cli/job_program.h"

namespace {

std::string CheckSize(const std::string& option, const std::string& value) {
  return value == "1" || value == "2" ? "" : option + ": «" + value + "» не 1 и не 2";
}

const TCommandSyntax kSyntax = {
    "try",
    "пробует ключи",
    {
        {nullptr, "IN", "что прочитать", "файл"},
        {"--size", "1|2", "размер", nullptr, CheckSize},
        {"-o", "OUT", "куда записать", "-o OUT"},
    },
};

TEST(CommandLine, ReadsWordsAndOptionsAndRefusesWhatIsWrongWithTheUsage) {
  const std::string usage = "Использование: zr780k-job try IN [--size 1|2] -o OUT\n"
                            "  IN           что прочитать\n"
                            "  --size 1|2   размер\n"
                            "  -o OUT       куда записать\n"
                            "  --help       эта справка\n";
  const struct {
    std::vector<std::string> Words;
    const char* Wrong;  // the message; nullptr when the words are right
    const char* In;
    const char* Size;
    const char* Out;
  } cases[] = {
      {{"a", "-o", "b"}, nullptr, "a", "", "b"},
      // Any order, the last value given counts, "-" is a name, an empty word is none.
      {{"--size", "1", "-o", "-x", "", "-", "--size", "2"}, nullptr, "-", "2", "-x"},
      {{"a", "-o", "b", "c"}, "Лишнее слово c", nullptr, nullptr, nullptr},
      {{"a", "-x", "-o", "b"}, "Неизвестный ключ -x", nullptr, nullptr, nullptr},
      {{"a", "-o"}, "После -o нет значения", nullptr, nullptr, nullptr},
      {{"a", "--size", "3", "-o", "b"}, "--size: «3» не 1 и не 2", nullptr, nullptr, nullptr},
      {{"-o", "b"}, "Не указан файл", nullptr, nullptr, nullptr},
      {{"a", "-o", ""}, "Не указан -o OUT", nullptr, nullptr, nullptr},
      {{}, "Не указан файл", nullptr, nullptr, nullptr},
  };
  for (const auto& c : cases) {
    TCommandArgs args;
    TCommandOutput output;
    const std::optional<int> status = ReadCommandLine(kSyntax, c.Words, args, output);
    EXPECT_EQ(output.Out, "");
    if (c.Wrong) {
      EXPECT_EQ(status, 2);
      EXPECT_EQ(output.Err, c.Wrong + ("\n" + usage));
      continue;
    }
    EXPECT_EQ(status, std::nullopt) << output.Err;
    EXPECT_EQ(args["IN"] + "|" + args["--size"] + "|" + args["-o"], std::string(c.In) + "|" + c.Size + "|" + c.Out);
  }
  // --help anywhere wins over what is wrong.
  TCommandArgs args;
  TCommandOutput output;
  EXPECT_EQ(ReadCommandLine(kSyntax, {"-x", "--help"}, args, output), 0);
  EXPECT_EQ(output.Out, usage.substr(0, usage.find('\n') + 1) + "пробует ключи\n" + usage.substr(usage.find('\n') + 1));
  EXPECT_EQ(output.Err, "");
}

TEST(JobProgram, HelpsWithEveryCommandAndEachCommandWithEveryOption) {
  // Each command's usage line as it has always been told, and for one
  // command every line its help must have.
  const struct {
    const char* Command;
    std::vector<const char*> Shown;
  } commands[] = {
      {"import", {"Использование: zr780k-job import ФАЙЛ [--side top|bottom] [--unit mm|mil|in] [--into JOB] "
                  "[--corrections TABLE] [--nozzles TABLE] [--bottom-view top|below] [--turn lr|tb] -o OUT\n",
                  "\n  ФАЙЛ ", "\n  --side top|bottom ", "\n  --unit mm|mil|in ", "\n  --into JOB ",
                  "\n  --corrections TABLE ", "\n  --nozzles TABLE ", "\n  --bottom-view top|below ", "\n  --turn lr|tb ", "\n  -o OUT "}},
      {"assign", {"Использование: zr780k-job assign JOB [--nozzles TABLE] -o OUT\n", "\n  --nozzles TABLE "}},
      {"check", {"Использование: zr780k-job check JOB\n"}},
      {"panel", {"Использование: zr780k-job panel JOB --columns C --rows R --pitch PX,PY [--origin OX,OY] "
                 "[--skip N[,N…]] -o OUT\n"}},
      {"feeders", {"Использование: zr780k-job feeders JOB --from OTHER_JOB -o OUT\n"}},
      {"parts", {"Использование: zr780k-job parts JOB\n"}},
  };
  TCommandOutput program;
  ASSERT_EQ(RunJobProgram({"--help"}, "1.2.3", program), 0);
  EXPECT_EQ(program.Err, "");
  for (const auto& c : commands) {
    SCOPED_TRACE(c.Command);
    const std::string usage = c.Shown[0];
    EXPECT_NE(program.Out.find("\n  " + usage.substr(usage.find("zr780k-job"))), std::string::npos) << program.Out;
    TCommandOutput output;
    ASSERT_EQ(RunJobProgram({c.Command, "--help"}, "1.2.3", output), 0);
    EXPECT_EQ(output.Out.substr(0, usage.size()), usage);
    for (const char* shown : c.Shown) EXPECT_NE(output.Out.find(shown), std::string::npos) << shown;
    EXPECT_NE(output.Out.find("\n  --help "), std::string::npos);
    EXPECT_EQ(output.Err, "");
  }
  for (const char* own : {"\n  zr780k-job --help\n", "\n  zr780k-job КОМАНДА --help\n", "\n  zr780k-job --version\n"})
    EXPECT_NE(program.Out.find(own), std::string::npos) << own;

  const struct {
    std::vector<std::string> Words;
    int Status;
    std::string Out, Err;  // Err: how the message begins
  } runs[] = {
      {{"--version"}, 0, "zr780k-job 1.2.3\n", ""},
      {{}, 2, "", "Использование:\n  zr780k-job import"},
      {{"frob"}, 2, "", "Неизвестная команда frob\nИспользование:\n"},
      {{"--help", "import"}, 2, "", "Неизвестная команда --help\n"},
  };
  for (const auto& r : runs) {
    TCommandOutput output;
    EXPECT_EQ(RunJobProgram(r.Words, "1.2.3", output), r.Status);
    EXPECT_EQ(output.Out, r.Out);
    EXPECT_EQ(output.Err.substr(0, r.Err.size()), r.Err);
  }
}

}  // namespace
