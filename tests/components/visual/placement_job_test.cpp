// The job as the placement view keeps it, and where it lands on the screen:
// what counts as a number, skipped rows, the kept rows under change, the
// extent, feeders of a component, and fitting, zooming and scale marks.
#include "components/visual/placement_job.h"

#include <gtest/gtest.h>

#include "components/visual/view_transform.h"

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
  TPlacedRow c = ParseRow(kComponentRows, "R1,1,12,10.5,-4,90,0,comment");
  EXPECT_TRUE(c.Placed && c.HasAngle && !c.Skipped);
  EXPECT_EQ(c.X, 10.5);
  EXPECT_EQ(c.Y, -4);
  EXPECT_NEAR(c.Cos, 0, 1e-6);
  EXPECT_NEAR(c.Sin, 1, 1e-6);
  EXPECT_EQ(c.Label, "12");
  // Anything but "0" in the skip cell skips, the empty cell included.
  EXPECT_TRUE(ParseRow(kComponentRows, "R1,1,12,1,1,0,1,").Skipped);
  EXPECT_TRUE(ParseRow(kComponentRows, "R1,1,12,1,1,0,,").Skipped);
  EXPECT_TRUE(ParseRow(kComponentRows, "R1,1,12,1,1,0,00,").Skipped);
  // A non-numeric angle draws no tick but keeps the mark.
  TPlacedRow noAngle = ParseRow(kComponentRows, "R1,1,12,1,1,left,0,");
  EXPECT_TRUE(noAngle.Placed);
  EXPECT_FALSE(noAngle.HasAngle);
  EXPECT_NEAR(ParseRow(kComponentRows, "R,1,1,1,1,-90,0,").Sin, -1, 1e-6);

  TPlacedRow board = ParseRow(kBoardRows, "3,52.5,41,1");
  EXPECT_TRUE(board.Placed && board.Skipped);
  EXPECT_EQ(board.X, 52.5);
  EXPECT_EQ(board.Label, "3");
  TPlacedRow feeder = ParseRow(kSpecialFeederRows, "80,300,120,340,150");
  EXPECT_TRUE(feeder.Placed);
  EXPECT_EQ(feeder.Y, 120);
  EXPECT_EQ(feeder.Label, "80");
  // Short rows and empty rows have no coordinates.
  EXPECT_FALSE(ParseRow(kComponentRows, "R1,1,12,5").Placed);
  EXPECT_FALSE(ParseRow(kFeederRows, "").Placed);
}

TEST(PlacementJob, KeepsTheUnplacedCountAndExtentThroughChanges) {
  TPlacementJob job;
  job.Load(kComponentRows, {"A,1,1,0,0,0,0,", "B,1,2,10,5,0,0,", "C,1,1,x,5,0,0,"});
  job.Load(kFeederRows, {"1,100,80", ""});
  EXPECT_EQ(job.Unplaced(), 2);
  EXPECT_EQ(job.ComponentExtent().MaxX, 10);

  EXPECT_TRUE(job.Replace(kComponentRows, 2, "C,1,1,20,-5,0,0,"));
  EXPECT_EQ(job.Unplaced(), 1);
  EXPECT_EQ(job.ComponentExtent().MaxX, 20);
  EXPECT_EQ(job.ComponentExtent().MinY, -5);
  EXPECT_TRUE(job.Insert(kComponentRows, 0, "bad"));
  EXPECT_EQ(job.Unplaced(), 2);
  EXPECT_TRUE(job.Remove(kFeederRows, 1));
  EXPECT_EQ(job.Unplaced(), 1);
  EXPECT_FALSE(job.Replace(kComponentRows, 4, "x"));
  EXPECT_FALSE(job.Insert(kComponentRows, 5, "x"));
  EXPECT_FALSE(job.Remove(kComponentRows, -1));
  job.Load(kComponentRows, {});
  EXPECT_EQ(job.Unplaced(), 0);
  EXPECT_TRUE(job.ComponentExtent().Empty);

  // Without board rows the components are drawn once, where they are; with
  // board rows on each placed board, skipped ones included.
  job.Load(kComponentRows, {"A,1,1,1,2,0,0,", "B,1,1,10,5,0,0,"});
  TExtent alone = job.JobExtent();
  EXPECT_EQ(alone.MinX, 0) << "the origin of the one board";
  EXPECT_EQ(alone.MinY, 0);
  EXPECT_EQ(alone.MaxX, 100) << "the feeder";
  job.Load(kBoardRows, {"1,0,0,0", "2,200,50,1", "3,?,0,0"});
  ASSERT_EQ(job.DrawnBoards().size(), 2u);
  TExtent boards = job.JobExtent();
  EXPECT_EQ(boards.MinX, 0);
  EXPECT_EQ(boards.MaxX, 210);
  EXPECT_EQ(boards.MaxY, 80);
  EXPECT_EQ(job.Unplaced(), 1);
}

TEST(PlacementJob, FindsTheFeedersOfAComponentByNumber) {
  TPlacementJob job;
  job.Load(kFeederRows, {"1,0,0", "2,1,1", "02,2,2"});
  job.Load(kSpecialFeederRows, {"80,5,5", "2.0,6,6"});
  job.Load(kComponentRows, {"A,1,2,0,0,0,0,", "B,1,80,0,0,0,0,", "C,1,,0,0,0,0,", "D,1,F7,0,0,0,0,"});
  using Found = std::vector<std::pair<TPlacementTable, int32_t>>;
  EXPECT_EQ(job.FeedersOf(0), (Found{{kFeederRows, 1}, {kFeederRows, 2}, {kSpecialFeederRows, 1}}));
  EXPECT_EQ(job.FeedersOf(1), (Found{{kSpecialFeederRows, 0}}));
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

TEST(ViewTransform, FitsCentresZoomsAboutAPointAndPicksScaleSteps) {
  TExtent extent;
  extent.Add(0, 0);
  extent.Add(100, 50);
  TViewTransform t;
  t.Fit(extent, TPixelArea{50, 20, 450, 420});
  EXPECT_DOUBLE_EQ(t.Scale, 4);
  EXPECT_DOUBLE_EQ(t.ScreenX(50), 250);
  EXPECT_DOUBLE_EQ(t.ScreenY(25), 220);
  EXPECT_LT(t.ScreenY(50), t.ScreenY(0)) << "Y grows upward";

  const double x = t.JobX(123), y = t.JobY(77);
  t.ZoomAbout(123, 77, WheelFactor(120));
  EXPECT_DOUBLE_EQ(t.Scale, 5);
  EXPECT_NEAR(t.JobX(123), x, 1e-9);
  EXPECT_NEAR(t.JobY(77), y, 1e-9);
  t.ZoomAbout(0, 0, 1e12);
  EXPECT_EQ(t.Scale, kMaxScale);
  t.ZoomAbout(0, 0, 1e-30);
  EXPECT_EQ(t.Scale, kMinScale);

  // Empty and flat extents still give a usable view.
  t.Fit(TExtent{}, TPixelArea{10, 10, 110, 110});
  EXPECT_EQ(t.ScreenX(0), 10);
  EXPECT_EQ(t.ScreenY(0), 110);
  TExtent point;
  point.Add(5, 5);
  t.Fit(point, TPixelArea{0, 0, 100, 100});
  EXPECT_DOUBLE_EQ(t.ScreenX(5), 50);

  EXPECT_DOUBLE_EQ(ScaleStep(4, 70), 20);
  EXPECT_DOUBLE_EQ(ScaleStep(1, 70), 100);
  EXPECT_DOUBLE_EQ(ScaleStep(100, 70), 1);
  EXPECT_DOUBLE_EQ(ScaleStep(0.01, 70), 10000);
}

}  // namespace
