// The job's parts by kind: which rows are one kind, each kind's counts and
// texts, the order of the kinds and the designators as a window shows them.
#include "job/part_kinds.h"

#include "job/part_kind_change.h"

#include <gtest/gtest.h>

#include "job/feeder_numbers.h"
#include "job/job_cell.h"
#include "tests/job/job_rows.h"

namespace {

TEST(PartKinds, KeyIsTheCommentsWordsInOrder) {
  const struct {
    const char* A;
    const char* B;
    bool Same;
  } cases[] = {
      {"10k 0603", "10K  0603", true},  {"10k_0603", "10k 0603", true},
      {"10k 0603 10k", "10k 0603", true}, {"0603 10k", "10k 0603", false},
      {"ЁМКОСТЬ 1u", "ёмкость 1U", true}, {"", " - ", true},
      {"1u", "1u 0805", false},
  };
  for (const auto& c : cases) EXPECT_EQ(PartKindKey(c.A) == PartKindKey(c.B), c.Same) << c.A << " | " << c.B;
  EXPECT_EQ(PartKindKey("10K_0603 (1%)"), "10k 0603 1");
}

// A kind's line: "Вид", "Ставить", "На панель", "Пропуск", "Питатель", "Сопло", rows.
struct TKindLine {
  std::string Kind;
  size_t Place, PerPanel;
  std::string Skip, Feeder, Nozzle;
  std::vector<size_t> Rows;
  bool operator==(const TKindLine&) const = default;
};

std::vector<TKindLine> Lines(const JobTables& job) {
  std::vector<TKindLine> lines;
  for (const TPartKind& k : PartKinds(job))
    lines.push_back({k.Kind, k.Place, k.PerPanel, k.Skip, k.Feeder, k.Nozzle, k.Rows});
  return lines;
}

void PrintTo(const TKindLine& l, std::ostream* os) {
  *os << "{" << l.Kind << ", " << l.Place << ", " << l.PerPanel << ", " << l.Skip << ", " << l.Feeder << ", "
      << l.Nozzle << "}";
}

TEST(PartKinds, GroupsCountsAndOrdersTheRows) {
  JobTables job;
  job.Feeders = {FeederRow(kFeederTable, "1", "10k"), FeederRow(kFeederTable, "004", "old", "1")};
  job.SpecialFeeders = {FeederRow(kSpecialFeederTable, "20", "QFP")};
  job.Boards = {{"1", "0", "0", "0"}, {"2", "50", "0", "1"}, {"3", "100", "0", "0"}};
  job.Components = {
      ComponentRow("R1,1,1,1,1,0,0,10k 0603"),     // 0: on feeder 1
      ComponentRow("C1,,,1,1,0,0,100n"),           // 1: no feeder
      ComponentRow("R2,2,01,1,1,0,0,10K_0603"),    // 2: feeder 1 written "01"
      ComponentRow("U1,3,20,1,1,0,0,STM32 QFP"),   // 3: a special feeder
      ComponentRow("C2,,,1,1,0,1,100n"),           // 4: skipped
      ComponentRow("D1,,4,1,1,0,0,LED"),           // 5: a skipped feeder still exists
      ComponentRow("TP1,,,1,1,0,0,"),              // 6: no words
      ComponentRow("C3,1,99,1,1,0,0,100N"),        // 7: no feeder 99
      ComponentRow("TP2,,,1,1,0,x, -- "),          // 8: no words, skipped by "x"
      ComponentRow("R3,1,1,1,1,0,0,10k 0603"),     // 9
      ComponentRow("C4,,,1,1,0,0,100n"),           // 10
      ComponentRow("J1,,,1,1,0,1,CONN"),           // 11: only skipped rows: needs nothing
  };
  const std::vector<TKindLine> expected = {
      {"100n", 3, 6, "0,1", "99", "1", {1, 4, 7, 10}},
      {"", 1, 2, "0,x", "", "", {6, 8}},
      {"10k 0603", 3, 6, "0", "1,01", "1,2", {0, 2, 9}},
      {"STM32 QFP", 1, 2, "0", "20", "3", {3}},
      {"LED", 1, 2, "0", "4", "", {5}},
      {"CONN", 0, 0, "1", "", "", {11}},
  };
  EXPECT_EQ(Lines(job), expected);

  // Without board rows a panel is one board; with every board skipped, none.
  const struct {
    JobTable Boards;
    size_t PerPanel;
  } panels[] = {{{}, 3}, {{{"1", "0", "0", "1"}}, 0}, {{{"1", "0", "0", "0"}, {"2", "0", "0", ""}}, 3}};
  for (const auto& p : panels) {
    job.Boards = p.Boards;
    EXPECT_EQ(PartKinds(job)[0].PerPanel, p.PerPanel) << p.Boards.size();
  }
}

TEST(PartKinds, PositionsStopWhereTheLimitIsReached) {
  JobTables job;
  for (const char* name : {"C1", "C2", "C10", "C11"}) job.Components.push_back(ComponentRow(std::string(name) + ",,,1,1,0,0,1u"));
  const TPartKind kind = PartKinds(job).at(0);
  const struct {
    const char* Separator;
    size_t Limit;
    std::string Expected;
  } cases[] = {
      {" ", 0, "C1 C2 C10 C11"},
      {", ", 0, "C1, C2, C10, C11"},
      {", ", 16, "C1, C2, C10, C11"},
      {", ", 15, "C1, C2, C10, …"},
      {", ", 13, "C1, C2, …"},
      {", ", 9, "C1, C2, …"},
      {", ", 8, "C1, …"},
      {", ", 1, "C1, …"},
  };
  for (const auto& c : cases) EXPECT_EQ(PartKindPositions(job, kind, c.Separator, c.Limit), c.Expected) << c.Limit;
}

// A feeder given to the kind "100n": its rows, the feeder tables kept in step.
TEST(PartKindChange, SetsEveryRowAndKeepsTheFeederTablesInStep) {
  JobTables job;
  job.Feeders = {FeederRow(kFeederTable, "1", "10k"), FeederRow(kFeederTable, "2", "", "1")};
  job.SpecialFeeders = {FeederRow(kSpecialFeederTable, "30", "")};
  job.Components = {ComponentRow("C1,,,1,1,0,0,100n"), ComponentRow("R1,,,1,1,0,0,10k"),
                    ComponentRow("C2,3,7,1,1,0,1,100N"), ComponentRow("C3,,,1,1,0,0,100n")};
  const TPartKind kind = PartKinds(job).at(0);
  ASSERT_EQ(kind.Kind, "100n");
  JobRow added(kFeederColumns);
  added[kFeederNumberColumn] = "08", added[kFeederCommentColumn] = "100n";
  const struct {
    TKindCells Cells;
    bool Add;
    std::vector<size_t> Rows;        // rows changed
    const char* Row2;                // row 2 afterwards
    bool Missing;                    // the question is asked
    std::optional<JobRow> Added;
    int CommentTable;                // -1: no comment filled
  } cases[] = {
      {{"08", {}, {}}, true, {0, 2, 3}, "C2,3,08,1,1,0,1,100N", true, added, -1},
      {{"08", {}, {}}, false, {0, 2, 3}, "C2,3,08,1,1,0,1,100N", true, {}, -1},
      {{"02", "4", {}}, false, {0, 2, 3}, "C2,4,02,1,1,0,1,100N", false, {}, kFeederTable},  // a skipped feeder exists
      {{"030", {}, {}}, false, {0, 2, 3}, "C2,3,030,1,1,0,1,100N", false, {}, kSpecialFeederTable},
      {{"1", {}, "1"}, false, {0, 2, 3}, "C2,3,1,1,1,0,1,100N", false, {}, -1},  // its comment is kept
      {{"x1", {}, {}}, true, {0, 2, 3}, "C2,3,x1,1,1,0,1,100N", false, {}, -1},  // no number: no question
      {{{}, "", "1"}, false, {0, 2, 3}, "C2,,7,1,1,0,1,100N", false, {}, -1},
      {{"7", "3", "1"}, false, {0, 3}, "C2,3,7,1,1,0,1,100N", true, {}, -1},
  };
  for (const auto& c : cases) {
    const std::string label = c.Cells.Feeder.value_or("-");
    EXPECT_EQ(IsMissingFeeder(job, c.Cells.Feeder.value_or("")), c.Missing) << label;
    const TKindChange change = KindChange(job, {kind}, c.Cells, c.Add);
    std::vector<size_t> rows;
    for (const TRowChange& row : change.Components) {
      EXPECT_EQ(row.Before, job.Components[row.Row]) << label;
      rows.push_back(row.Row);
      if (row.Row == 2) {
        EXPECT_EQ(row.After, ComponentRow(c.Row2)) << label;
      }
    }
    EXPECT_EQ(rows, c.Rows) << label;
    EXPECT_EQ(change.AddedFeeder, c.Added) << label;
    ASSERT_EQ(change.Comment.has_value(), c.CommentTable >= 0) << label;
    if (!change.Comment) continue;
    EXPECT_EQ(change.Comment->Table, c.CommentTable) << label;
    EXPECT_EQ(change.Comment->Row.Row, c.CommentTable == kFeederTable ? 1u : 0u) << label;
    EXPECT_EQ(JobCell(change.Comment->Row.After, FeederCommentColumn(change.Comment->Table)), "100n") << label;
  }
  // Applied, the change leaves the kind naming its new feeder, which exists.
  JobTables given = job;
  ApplyKindChange(given, KindChange(job, {kind}, {"08", {}, {}}, true));
  EXPECT_EQ(given.Feeders.size(), 3u);
  EXPECT_EQ(given.Components[2], ComponentRow("C2,3,08,1,1,0,1,100N"));
  EXPECT_FALSE(PartKinds(given).back().NeedsFeeder);
  EXPECT_EQ(PartKinds(given).back().Feeder, "08");
}

// Several kinds given one text: all their rows, in row order, and one
// feeder row with the first kind's comment.
TEST(PartKindChange, SeveralKindsTakeTheCellsInOneChange) {
  JobTables job;
  job.Feeders = {FeederRow(kFeederTable, "2", "")};
  job.Components = {ComponentRow("R1,,,1,1,0,0,10k"), ComponentRow("C1,,,1,1,0,0,100n"),
                    ComponentRow("D1,,,1,1,0,0,LED"), ComponentRow("R2,,,1,1,0,0,10k")};
  std::vector<TPartKind> kinds = PartKinds(job);
  ASSERT_EQ(kinds.size(), 3u);
  ASSERT_EQ(kinds[0].Kind, "10k");
  kinds.erase(kinds.begin() + 1);  // 10k and LED: 100n, between them, keeps its rows
  const std::string second = kinds[1].Kind;
  const struct {
    TKindCells Cells;
    std::optional<std::string> Added;    // the comment of the feeder row added
    std::optional<std::string> Comment;  // the comment filled in feeder 2
  } cases[] = {
      {{{}, "4", {}}, {}, {}},
      {{"9", {}, {}}, "10k", {}},
      {{"2", {}, {}}, {}, "10k"},
  };
  for (const auto& c : cases) {
    const TKindChange change = KindChange(job, kinds, c.Cells, true);
    std::vector<size_t> rows;
    for (const TRowChange& row : change.Components) rows.push_back(row.Row);
    std::vector<size_t> expected = kinds[0].Rows;
    expected.insert(expected.end(), kinds[1].Rows.begin(), kinds[1].Rows.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(rows, expected) << second;
    EXPECT_EQ(change.AddedFeeder.has_value(), c.Added.has_value());
    if (change.AddedFeeder) {
      EXPECT_EQ((*change.AddedFeeder)[kFeederCommentColumn], *c.Added);
    }
    EXPECT_EQ(change.Comment.has_value(), c.Comment.has_value());
    if (change.Comment) {
      EXPECT_EQ(JobCell(change.Comment->Row.After, kFeederCommentColumn), *c.Comment);
    }
  }
  EXPECT_TRUE(KindChange(job, {}, {"9", "4", "1"}, true).Empty());
}

}  // namespace
