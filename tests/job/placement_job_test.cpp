// The job as the placement view keeps it: what counts as a number, skipped
// rows, the kept rows under change, the extent and the feeders of a component.
#include "job/placement_job.h"

#include <gtest/gtest.h>

namespace {

TEST(PlacementJob, ReadsOnlyPlainDecimalNumbersAsCoordinates) {
  for (auto [text, expected] : {std::pair<const char*, double>{"12", 12}, {"-3.5", -3.5}, {"0.25", 0.25},
                                {".5", 0.5}, {"7.", 7}, {"-0", 0}, {"389.73", 389.73}}) {
    double value = -1;
    EXPECT_TRUE(ReadCoordinate(text, value)) << text;
    EXPECT_DOUBLE_EQ(value, expected) << text;
  }
  for (const char* text : {"", "-", ".", "-.", "abc", "1a", "1.2.3", " 1", "1 ", "+1", "1e3", "--1",
                           "0x10", "1,5", "inf", "NAN", "\xCF"}) {
    double value = 42;
    EXPECT_FALSE(ReadCoordinate(text, value)) << text;
    EXPECT_EQ(value, 42) << "left alone: " << text;
  }
}

TEST(PlacementJob, ParsesEachTablesCellsSkipFlagsAndAngles) {
  TPlacedRow c = ParseRow(kComponentTable, "R1,1,12,10.5,-4,90,0,comment");
  EXPECT_TRUE(c.Placed && c.HasAngle && !c.Skipped);
  EXPECT_EQ(c.X, 10.5);
  EXPECT_EQ(c.Y, -4);
  EXPECT_NEAR(c.Cos, 0, 1e-6);
  EXPECT_NEAR(c.Sin, 1, 1e-6);
  EXPECT_EQ(c.Label, "12");
  // Anything but "0" in the skip cell skips, the empty cell included.
  EXPECT_TRUE(ParseRow(kComponentTable, "R1,1,12,1,1,0,1,").Skipped);
  EXPECT_TRUE(ParseRow(kComponentTable, "R1,1,12,1,1,0,,").Skipped);
  EXPECT_TRUE(ParseRow(kComponentTable, "R1,1,12,1,1,0,00,").Skipped);
  // A non-numeric angle draws no tick but keeps the mark.
  TPlacedRow noAngle = ParseRow(kComponentTable, "R1,1,12,1,1,left,0,");
  EXPECT_TRUE(noAngle.Placed);
  EXPECT_FALSE(noAngle.HasAngle);
  EXPECT_NEAR(ParseRow(kComponentTable, "R,1,1,1,1,-90,0,").Sin, -1, 1e-6);

  TPlacedRow board = ParseRow(kBoardTable, "3,52.5,41,1");
  EXPECT_TRUE(board.Placed && board.Skipped);
  EXPECT_EQ(board.X, 52.5);
  EXPECT_EQ(board.Label, "3");
  TPlacedRow feeder = ParseRow(kSpecialFeederTable, "80,300,120,340,150");
  EXPECT_TRUE(feeder.Placed);
  EXPECT_EQ(feeder.Y, 120);
  EXPECT_EQ(feeder.Label, "80");
  // Short rows and empty rows have no coordinates.
  EXPECT_FALSE(ParseRow(kComponentTable, "R1,1,12,5").Placed);
  EXPECT_FALSE(ParseRow(kFeederTable, "").Placed);
}

TEST(PlacementJob, KeepsTheUnplacedCountAndExtentThroughChanges) {
  TPlacementJob job;
  job.Load(kComponentTable, {"A,1,1,0,0,0,0,", "B,1,2,10,5,0,0,", "C,1,1,x,5,0,0,"});
  job.Load(kFeederTable, {"1,100,80", ""});
  EXPECT_EQ(job.Unplaced(), 2);
  EXPECT_EQ(job.ComponentExtent().MaxX, 10);

  EXPECT_TRUE(job.Replace(kComponentTable, 2, "C,1,1,20,-5,0,0,"));
  EXPECT_EQ(job.Unplaced(), 1);
  EXPECT_EQ(job.ComponentExtent().MaxX, 20);
  EXPECT_EQ(job.ComponentExtent().MinY, -5);
  EXPECT_TRUE(job.Insert(kComponentTable, 0, "bad"));
  EXPECT_EQ(job.Unplaced(), 2);
  EXPECT_TRUE(job.Remove(kFeederTable, 1));
  EXPECT_EQ(job.Unplaced(), 1);
  EXPECT_FALSE(job.Replace(kComponentTable, 4, "x"));
  EXPECT_FALSE(job.Insert(kComponentTable, 5, "x"));
  EXPECT_FALSE(job.Remove(kComponentTable, -1));
  job.Load(kComponentTable, {});
  EXPECT_EQ(job.Unplaced(), 0);
  EXPECT_TRUE(job.ComponentExtent().Empty);

  // Without board rows the components are drawn once, where they are; with
  // board rows on each placed board, skipped ones included.
  job.Load(kComponentTable, {"A,1,1,1,2,0,0,", "B,1,1,10,5,0,0,"});
  TExtent alone = job.JobExtent();
  EXPECT_EQ(alone.MinX, 0) << "the origin of the one board";
  EXPECT_EQ(alone.MinY, 0);
  EXPECT_EQ(alone.MaxX, 100) << "the feeder";
  job.Load(kBoardTable, {"1,0,0,0", "2,200,50,1", "3,?,0,0"});
  ASSERT_EQ(job.DrawnBoards().size(), 2u);
  TExtent boards = job.JobExtent();
  EXPECT_EQ(boards.MinX, 0);
  EXPECT_EQ(boards.MaxX, 210);
  EXPECT_EQ(boards.MaxY, 80);
  EXPECT_EQ(job.Unplaced(), 1);
}

TEST(PlacementJob, FindsTheFeedersOfAComponentByNumber) {
  TPlacementJob job;
  job.Load(kFeederTable, {"1,0,0", "2,1,1", "02,2,2"});
  job.Load(kSpecialFeederTable, {"80,5,5", "2.0,6,6"});
  job.Load(kComponentTable, {"A,1,2,0,0,0,0,", "B,1,80,0,0,0,0,", "C,1,,0,0,0,0,", "D,1,F7,0,0,0,0,"});
  using Found = std::vector<std::pair<TJobTable, int32_t>>;
  EXPECT_EQ(job.FeedersOf(0), (Found{{kFeederTable, 1}, {kFeederTable, 2}, {kSpecialFeederTable, 1}}));
  EXPECT_EQ(job.FeedersOf(1), (Found{{kSpecialFeederTable, 0}}));
  EXPECT_TRUE(job.FeedersOf(2).empty());
  EXPECT_TRUE(job.FeedersOf(3).empty());
  EXPECT_TRUE(job.FeedersOf(9).empty());
}

TEST(PlacementJob, SaysHowManyRowsHaveNoCoordinates) {
  EXPECT_EQ(UnplacedText(0), "");
  EXPECT_EQ(UnplacedText(1), "1 строка без координат");
  EXPECT_EQ(UnplacedText(3), "3 строки без координат");
  EXPECT_EQ(UnplacedText(5), "5 строк без координат");
  EXPECT_EQ(UnplacedText(11), "11 строк без координат");
  EXPECT_EQ(UnplacedText(12), "12 строк без координат");
  EXPECT_EQ(UnplacedText(21), "21 строка без координат");
  EXPECT_EQ(UnplacedText(104), "104 строки без координат");
}

}  // namespace
