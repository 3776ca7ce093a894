#include "job/job_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/editor/job_samples.h"

namespace {

const std::string kCrLf = "\r\n";

JobRow Row(std::initializer_list<const char*> cells, size_t columns) {
  JobRow row(columns);
  size_t c = 0;
  for (const char* cell : cells) row[c++] = cell;
  return row;
}

// Lines of a text that ends with CR LF, without their line ends.
std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  size_t from = 0;
  for (size_t end = text.find(kCrLf); end != std::string::npos; end = text.find(kCrLf, from)) {
    lines.push_back(text.substr(from, end - from));
    from = end + 2;
  }
  return lines;
}

TEST(JobFileSamples, OpenThenSaveGivesTheSavedBytes) {
  std::vector<std::string> names = JobSampleNames();
  ASSERT_GE(names.size(), 7u);
  for (const std::string& name : names) {
    std::string bytes = ReadWholeFile(JobSamplePath(name));
    std::string saved = ReadWholeFile(JobSamplePath(name + ".saved"));
    ASSERT_FALSE(bytes.empty()) << name;
    ASSERT_FALSE(saved.empty()) << name;
    JobTables tables = ReadJobFile(bytes);
    EXPECT_EQ(WriteJobFile(tables), saved) << name;
    // What was saved opens into the same tables again, except where the
    // tables hold a section marker: without the maker line the header
    // lines become component rows, and "#Special stack" among them ends an
    // extra feeder block on the next open.
    bool fits = TablesFitJobFormat(tables);
    EXPECT_EQ(fits, name != "no-maker.CSV") << name;
    EXPECT_EQ(ReadJobFile(saved) == tables, fits) << name;
  }
}

TEST(JobFileWriting, WritesMakerLineHeadersAndRowsWithTrailingComma) {
  JobTables empty;
  const std::string bare = WriteJobFile(empty);
  EXPECT_EQ(LinesOf(bare),
            (std::vector<std::string>{kJobMakerLine, kFeederHeaderLine, kSpecialFeederHeaderLine,
                                      kBoardHeaderLine, kComponentHeaderLine}));
  EXPECT_EQ(bare.substr(bare.size() - 2), kCrLf);
  EXPECT_EQ(std::string(kJobMakerLine).back(), ' ');

  JobTables tables;
  tables.Boards.push_back(Row({"1", "52.5", "", "0"}, kBoardColumns));
  tables.Components.push_back(Row({"R1", "2", "3", "80.94", "50.15", "180", "0", "\xF0\xE5\xE7"},
                                  kComponentColumns));
  std::vector<std::string> lines = LinesOf(WriteJobFile(tables));
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[4], "1,52.5,,0,");
  EXPECT_EQ(lines[6], "R1,2,3,80.94,50.15,180,0,\xF0\xE5\xE7,");

  // A row is written with its table's column count of cells.
  EXPECT_EQ(JoinRow({"a"}, 4), "a,,,,");
  EXPECT_EQ(JoinRow({"a", "b", "c", "d", "e"}, 4), "a,b,c,d,");
  EXPECT_EQ(JoinRow({}, 1), ",");
}

TEST(JobFileReading, MarksLineEndsAndCutsRowsAsTheWorkedExamples) {
  // Control bytes become "/"; the open last line gets its line end.
  EXPECT_EQ(FlattenJobText(std::string("a\r\nb\tc\0d\x1F\x20", 10)), "a//b/c/d/ //");
  EXPECT_EQ(MarkLineEnds("//1,2//3,4//"), "\\/1,2\\/3,4\\/");
  EXPECT_EQ(CutRows("\\/1,2\\/3,4\\/"), (std::vector<std::string>{"1,2", "3,4"}));
  // A blank line is an empty row.
  EXPECT_EQ(MarkLineEnds("//1,2////3,4//"), "\\/1,2\\/\\/3,4\\/");
  EXPECT_EQ(CutRows("\\/1,2\\/\\/3,4\\/"), (std::vector<std::string>{"1,2", "", "3,4"}));
  // Single line ends pair up across a line, which is then lost.
  EXPECT_EQ(MarkLineEnds("/1,2/3,4/"), "\\/3,4/");
  EXPECT_EQ(CutRows("a/b\\c/d\\e/"), (std::vector<std::string>{"b", "d"}));
  EXPECT_TRUE(CutRows("no marks").empty());
}

TEST(JobFileReading, FindsEveryBlockBetweenMarks) {
  EXPECT_EQ(FindSectionBlocks("xSpecAB#SpecialSpecCD#Special", "Spec", "#Special"),
            (std::vector<std::string>{"AB", "CD"}));
  // The search for the end starts after the start mark; the next start
  // after the end mark.
  EXPECT_EQ(FindSectionBlocks("[a][b", "[", "]"), (std::vector<std::string>{"a"}));
  EXPECT_EQ(FindSectionBlocks("[]", "[", "]"), (std::vector<std::string>{""}));
  EXPECT_TRUE(FindSectionBlocks("abc", "", "c").empty());
  EXPECT_TRUE(FindSectionBlocks("abc", "a", "").empty());

  EXPECT_EQ(CutComponentPrefix("#Bremlitz x y Skip,Name//r//"), "#Bremlitz Skip,Name//r//");
  EXPECT_EQ(CutComponentPrefix("#Bremlitz aSkip,Name #BremlitzbSkip,Name"),
            "#Bremlitz Skip,Name #Bremlitz Skip,Name");
  EXPECT_EQ(CutComponentPrefix("no maker Skip,Name"), "no maker Skip,Name");
  EXPECT_EQ(CutComponentPrefix("#Bremlitz but no end"), "#Bremlitz but no end");
}

TEST(JobFileReading, SplitsRowsIntoTheColumnCount) {
  EXPECT_EQ(SplitRow("1,2,3", 4), Row({"1", "2", "3", ""}, 4));
  EXPECT_EQ(SplitRow("a,,c", 3), Row({"a", "", "c"}, 3));
  EXPECT_EQ(SplitRow("1,2,3,4,5,6", 4), Row({"1", "2", "3", "4"}, 4));
  EXPECT_EQ(SplitRow("", 8), JobRow(8));
  EXPECT_EQ(SplitRow("a,b,", 2), Row({"a", "b"}, 2));
  EXPECT_EQ(SplitRow(",,,", 2), JobRow(2));
}

TEST(JobFileReading, GivesBackWhatWasWritten) {
  // The sizes of the worked example, then generated tables of 0 to 300 rows.
  std::mt19937 rng(780);
  JobTables fixed{RandomJobTable(rng, kFeederColumns, 2), RandomJobTable(rng, kSpecialFeederColumns, 0),
                  RandomJobTable(rng, kBoardColumns, 1), RandomJobTable(rng, kComponentColumns, 3)};
  EXPECT_EQ(ReadJobFile(WriteJobFile(fixed)), fixed);
  for (int round = 0; round < 40; ++round) {
    JobTables tables = RandomJobTables(rng, round < 30 ? 12 : 300);
    ASSERT_EQ(ReadJobFile(WriteJobFile(tables)), tables) << "round " << round;
    EXPECT_TRUE(TablesFitJobFormat(tables));
  }
}

TEST(JobFileReading, BlankLinesBecomeEmptyRows) {
  std::mt19937 rng(1251);
  for (int round = 0; round < 20; ++round) {
    JobTables written = RandomJobTables(rng, 20);
    JobTables expected;
    std::string file = std::string(kJobMakerLine) + kCrLf;
    auto section = [&](const char* header, const JobTable& rows, JobTable& out, size_t columns) {
      file += header + kCrLf;
      std::bernoulli_distribution blank(0.2);
      for (const JobRow& row : rows) {
        while (blank(rng)) {
          file += kCrLf;
          out.push_back(JobRow(columns));
        }
        file += JoinRow(row, columns) + kCrLf;
        out.push_back(row);
      }
    };
    section(kFeederHeaderLine, written.Feeders, expected.Feeders, kFeederColumns);
    section(kSpecialFeederHeaderLine, written.SpecialFeeders, expected.SpecialFeeders,
            kSpecialFeederColumns);
    section(kBoardHeaderLine, written.Boards, expected.Boards, kBoardColumns);
    section(kComponentHeaderLine, written.Components, expected.Components, kComponentColumns);
    ASSERT_EQ(ReadJobFile(file), expected) << "round " << round;
  }
}

TEST(JobFileReading, WithoutMakerLineEveryLineButTheFirstIsAComponentRow) {
  std::mt19937 rng(42);
  for (int round = 0; round < 10; ++round) {
    JobTables tables = RandomJobTables(rng, 15);
    std::string file = WriteJobFile(tables);
    file.erase(0, file.find(kCrLf) + 2);  // drop the maker line

    JobTables read = ReadJobFile(file);
    EXPECT_EQ(read.Feeders, tables.Feeders);
    EXPECT_EQ(read.SpecialFeeders, tables.SpecialFeeders);
    EXPECT_EQ(read.Boards, tables.Boards);
    std::vector<std::string> lines = LinesOf(file);
    JobTable components;
    for (size_t i = 1; i < lines.size(); ++i) components.push_back(SplitRow(lines[i], kComponentColumns));
    EXPECT_EQ(read.Components, components);
    EXPECT_GE(read.Components.size(), 3u);  // the three later header lines at least
  }
  // A different first line reads the same way.
  JobTables other = ReadJobFile("#Other maker\r\n#Component,Nozzle,Stack,X,Y,Angle,Skip,Name\r\nR1,1,\r\n");
  ASSERT_EQ(other.Components.size(), 2u);
  EXPECT_EQ(other.Components[1], Row({"R1", "1"}, kComponentColumns));
}

TEST(JobFileReading, LastComponentLineWithoutLineEndIsRead) {
  JobTables tables;
  tables.Boards.push_back(Row({"1"}, kBoardColumns));
  tables.Components.push_back(Row({"R1"}, kComponentColumns));
  tables.Components.push_back(Row({"C2", "\xC0"}, kComponentColumns));
  std::string file = WriteJobFile(tables);
  file.resize(file.size() - 2);
  EXPECT_EQ(ReadJobFile(file), tables);
  file.resize(file.size() - 1);  // without the trailing "," too
  EXPECT_EQ(ReadJobFile(file), tables);
}

// LF-only, CR-only and mixed twins of a file open into the rows of the
// CR LF original; a LF then a CR are two line ends (a blank line).
TEST(JobFileReading, EveryKindOfLineEndEndsALine) {
  for (const std::string& name : JobSampleNames()) {
    const std::string crlf = ReadWholeFile(JobSamplePath(name));
    const JobTables expected = ReadJobFile(crlf);
    std::string lf, cr, mixed;
    size_t line = 0;
    for (size_t i = 0; i < crlf.size(); ++i) {
      if (crlf.compare(i, 2, "\r\n") == 0) {
        lf += '\n';
        cr += '\r';
        // Never a lone CR right before a lone LF: that pair is one CR LF.
        static const char* const kMixedEnds[] = {"\r", "\r\n", "\n"};
        mixed += kMixedEnds[line++ % 3];
        ++i;
      } else {
        lf += crlf[i];
        cr += crlf[i];
        mixed += crlf[i];
      }
    }
    EXPECT_EQ(ReadJobFile(lf), expected) << name;
    EXPECT_EQ(ReadJobFile(cr), expected) << name;
    EXPECT_EQ(ReadJobFile(mixed), expected) << name;
  }
  const JobTables blank = ReadJobFile("x\n\r1,2,\r\n");
  EXPECT_EQ(blank.Components, JobTable({Row({""}, kComponentColumns), Row({"1", "2"}, kComponentColumns)}));
}

TEST(JobFileReading, MissingSectionsGiveNoRowsAndNoFailure) {
  EXPECT_EQ(ReadJobFile(""), JobTables());
  JobTables noEnd = ReadJobFile("#stack Id,Spec\r\n1,2,\r\n");
  EXPECT_TRUE(noEnd.Feeders.empty());  // no "#Special" after it
  // Without the maker line the component rule cuts the whole text.
  ASSERT_EQ(noEnd.Components.size(), 1u);
  EXPECT_EQ(noEnd.Components[0], Row({"1", "2"}, kComponentColumns));
}

TEST(JobFileLimits, TellsWhichTablesReadBackUnchanged) {
  EXPECT_TRUE(CellFitsJobFormat("\xD1\xEE\xEF\xEB\xEE 1.5 #x"));
  for (const char* bad : {"a,b", "a/b", "a\\b", "a\tb", "\r"}) EXPECT_FALSE(CellFitsJobFormat(bad)) << bad;

  JobTables tables;
  tables.Feeders.push_back(Row({"1", "x"}, kFeederColumns));
  tables.Components.push_back(Row({"R1"}, kComponentColumns));
  EXPECT_TRUE(TablesFitJobFormat(tables));

  // A marker text after the last section's start does no harm.
  JobTables harmless = tables;
  harmless.Components[0][5] = "Skip";
  harmless.Components[0][6] = "Name";
  EXPECT_TRUE(TablesFitJobFormat(harmless));
  EXPECT_EQ(ReadJobFile(WriteJobFile(harmless)), harmless);

  // Marker texts that move a section boundary, and bytes outside the
  // limits: each case really reads back differently.
  std::vector<std::pair<JobTables, const char*>> cases;
  JobTables feederEnd = tables;
  feederEnd.Feeders[0][3] = "#Special";
  cases.push_back({feederEnd, "#Special in a feeder cell"});
  JobTables boardEnd = tables;
  boardEnd.Boards.push_back(Row({"1", "Component"}, kBoardColumns));
  cases.push_back({boardEnd, "Component in a board cell"});
  JobTables slash = tables;
  slash.Components[0][1] = "1/2";
  cases.push_back({slash, "a slash"});
  JobTables comma = tables;
  comma.Components[0][7] = "a,b";
  cases.push_back({comma, "a comma in the last column"});
  for (const auto& [bad, what] : cases) {
    EXPECT_FALSE(TablesFitJobFormat(bad)) << what;
    EXPECT_NE(ReadJobFile(WriteJobFile(bad)), bad) << what;
  }
}

}  // namespace
