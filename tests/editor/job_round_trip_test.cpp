// Round trip through the program's own chains over generated tables: cells
// made of whatever the cell editor lets a user type (any byte but the control
// characters and the refused ones), now and then a section marker text.
// Saved through the save chain and opened through the flattener and the
// read chain, the tables come back cell for cell whenever the check before
// saving finds nothing; when they would not, the check names a place and
// the user is asked. The check may ask about a harmless marker text; it
// must never miss a harmful one.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

#include "job/job_format.h"
#include "job/job_format_fit.h"
#include "tests/components/processing/probe.h"
#include "tests/editor/stand_in_chains.h"
#include "job/job_file.h"

namespace {

bool CellEditorTakes(char c) {
  return static_cast<unsigned char>(c) >= 32 &&
         std::string_view(kJobCellRefusedChars).find(c) == std::string_view::npos;
}

std::string TypedCell(std::mt19937& rng) {
  static const char* const kMarks[] = {"Spec", "#Special", "Loop Y", "#Circuit", "OffsetY",
                                       "Component", "#Bremlitz", "Skip", "Name"};
  std::uniform_int_distribution<int> length(0, 10), byte(0, 255), mark(0, 199);
  std::string cell;
  for (int n = length(rng); n > 0; --n) {
    const char c = static_cast<char>(byte(rng));
    if (CellEditorTakes(c)) cell += c;
  }
  if (const int m = mark(rng); m < 9) cell.insert(cell.size() / 2, kMarks[m]);
  return cell;
}

JobTable TypedTable(std::mt19937& rng, size_t columns, size_t rows) {
  JobTable table(rows, JobRow(columns));
  for (JobRow& row : table)
    for (std::string& cell : row) cell = TypedCell(rng);
  return table;
}

std::string SaveThroughChain(const JobTables& tables) {
  TLineCollector lines;
  TSaveChain chain(MakeEvent<&TLineCollector::PutLine>(&lines),
                   MakeEvent<&TLineCollector::CloseFile>(&lines, 1));
  chain.Load(tables);
  TVM_Event input = chain.Input();
  FireStr(input, "job.CSV");
  return lines.Bytes;
}

JobTables OpenThroughChain(const std::string& bytes) {
  TReadChain chain;
  chain.ReadBytes(bytes);
  return chain.Tables();
}

using JobRoundTrip = LiveNetworkTest;

TEST_F(JobRoundTrip, TypedCellsComeBackUnlessTheCheckAsksFirst) {
  std::mt19937 rng(9);
  std::uniform_int_distribution<size_t> rows(0, 6);
  int asked = 0, needless = 0;
  for (int round = 0; round < 1500; ++round) {
    SCOPED_TRACE(round);
    const JobTables tables{TypedTable(rng, kFeederColumns, rows(rng)),
                           TypedTable(rng, kSpecialFeederColumns, rows(rng)),
                           TypedTable(rng, kBoardColumns, rows(rng)),
                           TypedTable(rng, kComponentColumns, rows(rng))};
    const std::string bytes = SaveThroughChain(tables);
    ASSERT_EQ(bytes, WriteJobFile(tables));
    const bool same = OpenThroughChain(bytes) == tables;
    const auto misfit =
        FindJobFormatMisfit({tables.Feeders, tables.SpecialFeeders, tables.Boards, tables.Components});
    if (!misfit) {
      ASSERT_TRUE(same);
    }
    if (misfit) ++asked;
    if (misfit && same) ++needless;
  }
  // Both sides were exercised, and the check seldom asks needlessly.
  EXPECT_GT(asked, 50);
  EXPECT_LT(asked, 1400);
  EXPECT_LT(needless, asked / 4);
}

// The check judges most rows by their written line alone, and reads the
// cells only when the line cannot tell. On any row, with any bytes (the
// separator and control characters included), the line must never pass a
// row the cell rule stops, and must pass every fitting row that holds no
// end mark text (those are sent on to the cell rule whatever the table).
TEST(JobRowLine, JudgedAsTheCellsAreExceptForEndMarkTexts) {
  std::mt19937 rng(17);
  std::uniform_int_distribution<int> byte(0, 255), rare(0, 29);
  constexpr size_t kColumns[] = {kFeederColumns, kSpecialFeederColumns, kBoardColumns, kComponentColumns};
  int passed = 0, stopped = 0;
  for (int round = 0; round < 20000; ++round) {
    const size_t table = static_cast<size_t>(round % 4);
    JobRow row = TypedTable(rng, kColumns[table], 1)[0];
    for (std::string& cell : row)
      if (rare(rng) == 0) cell.insert(cell.size() / 2, 1, rare(rng) < 15 ? ',' : static_cast<char>(byte(rng)));
    std::string line;
    for (const std::string& cell : row) line += cell + kJobCellSeparator;
    const bool lineFits = RowLineFits(line, row.size());
    const bool cellsFit = !FindRowMisfit(table, row);
    bool endMark = false;
    for (const char* mark : {kFeederEndMark, kSpecialFeederEndMark, kBoardEndMark})
      endMark = endMark || line.find(mark) != std::string::npos;
    ASSERT_TRUE(!lineFits || cellsFit) << table << ": " << line;
    ASSERT_TRUE(lineFits || !cellsFit || endMark) << table << ": " << line;
    (lineFits ? passed : stopped)++;
  }
  EXPECT_GT(passed, 2000);
  EXPECT_GT(stopped, 2000);
}

}  // namespace
