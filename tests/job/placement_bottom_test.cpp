// The bottom side turned over as the machine sees it: one small board drawn
// on paper, its diode at each angle, in both views and both turns; then the
// view a file gives, found from its program's version or the signs of X.
#include "job/placement_bottom.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "job/placement_import.h"

namespace {

// The angle of a part whose pin 1 lies west of its centre at 0°, when pin 1
// is seen at that compass point (north up, looking down on the side placed).
TFixed AngleWithPinOne(const std::string& compass) {
  const std::pair<const char*, int> angles[] = {{"W", 0}, {"SW", 45},  {"S", 90},  {"SE", 135},
                                                {"E", 180}, {"NE", -135}, {"N", -90}, {"NW", -45}};
  for (const auto& [point, degrees] : angles)
    if (compass == point) return degrees * kFixedPerDegree;
  ADD_FAILURE() << compass;
  return 0;
}

// The diode D1 at (10, 5) and R9 at (40, 25), both on the bottom, as a KiCad
// CSV file writes them: seen from the top, or from below with X negated.
std::string Board(const std::string& angle, bool fromBelow) {
  const std::string minus = fromBelow ? "-" : "";
  return "Ref,Val,Package,PosX,PosY,Rot,Side\n"
         "D1,1N4148,D_SOD-323," + minus + "10,5," + angle + ",bottom\n"
         "R9,10k,R_0603," + minus + "40,25,0,bottom\n";
}

TEST(BottomSide, TurnedOverTheDiodeShowsItsPinOneWhereThePaperDoes) {
  // The file's angle; where pin 1 of the diode is drawn looking through the
  // board from the top (a bottom footprint is stored mirrored top to bottom,
  // so at 90° its pin 1 points south); where it is seen once the board is
  // turned over left to right (east and west swap), and top to bottom
  // (north and south swap).
  const struct {
    const char* Angle;
    const char* Drawn;
    const char* AfterLeftRight;
    const char* AfterTopBottom;
  } cases[] = {
      {"0", "W", "E", "W"},   {"90", "S", "S", "N"},      {"180", "E", "W", "E"},
      {"-90", "N", "N", "S"}, {"45", "SW", "SE", "NW"},
  };
  for (const auto& c : cases) {
    for (const bool fromBelow : {false, true}) {
      SCOPED_TRACE(std::string(c.Angle) + (fromBelow ? "°, from below" : "°, from the top"));
      const TPlacementFile file = ReadPlacementFile(Board(c.Angle, fromBelow), "b.csv");
      ASSERT_EQ(file.Error, "");
      TBottomRule rule;
      rule.Turn = TBottomTurn::LeftRight;
      // Turned left to right, D1 stands where R9 stood across the board.
      TPlacementImport turned = ImportPlacements(file, TBoardSide::Bottom, nullptr, rule);
      EXPECT_EQ(turned.View.View, fromBelow ? TBottomView::FromBelow : TBottomView::FromTop);
      EXPECT_EQ(turned.Rows[0][3] + "|" + turned.Rows[0][4], "40|5");
      EXPECT_EQ(turned.Rows[0][5], AngleToText(AngleWithPinOne(c.AfterLeftRight)));
      EXPECT_EQ(turned.Rows[1][3] + "|" + turned.Rows[1][4] + "|" + turned.Rows[1][5], "10|25|180");
      rule.Turn = TBottomTurn::TopBottom;
      turned = ImportPlacements(file, TBoardSide::Bottom, nullptr, rule);
      EXPECT_EQ(turned.Rows[0][3] + "|" + turned.Rows[0][4], "10|25");
      EXPECT_EQ(turned.Rows[0][5], AngleToText(AngleWithPinOne(c.AfterTopBottom)));
      EXPECT_EQ(turned.Rows[1][3] + "|" + turned.Rows[1][4] + "|" + turned.Rows[1][5], "40|5|0");
    }
  }
}

TEST(BottomSide, ViewFoundFromTheProgramVersionElseFromTheSignsOfX) {
  const struct {
    const char* Printed;  // KiCad's text form with this line; none: CSV
    std::vector<std::pair<int, const char*>> Parts;  // X and side
    TBottomView View;
    const char* Cause;  // as the summary names it
  } cases[] = {
      {"Pcbnew version kicad 4.0.1-stable", {{12, "bottom"}}, TBottomView::FromBelow, "KiCad 4"},
      {"Pcbnew version kicad 5.0.0-rc2-dev-unknown", {{12, "bottom"}}, TBottomView::FromBelow, "KiCad 5"},
      {"Pcbnew version 6.0.11-2627ca5db0~126~ubuntu22.04.1", {{12, "bottom"}}, TBottomView::FromBelow, "KiCad 6"},
      {"Pcbnew version (2014-01-24 BZR 4632)-product", {{12, "bottom"}}, TBottomView::FromBelow,
       "KiCad 2014-01-24 BZR 4632"},
      {"KiCad version 7.0.10", {{12, "bottom"}}, TBottomView::FromTop, "по знакам X"},
      {"KiCad version 8.0.2", {{12, "bottom"}}, TBottomView::FromTop, "по знакам X"},
      {"KiCad version 9.0.0", {{12, "bottom"}}, TBottomView::FromTop, "по знакам X"},
      // A later version asked for negative X on the bottom.
      {"KiCad version 8.0.2", {{-12, "bottom"}, {3, "top"}}, TBottomView::FromBelow, "по знакам X"},
      // The signs alone: a bottom-only file, both sides, and mixed signs.
      {nullptr, {{-12, "bottom"}, {0, "bottom"}}, TBottomView::FromBelow, "по знакам X"},
      {nullptr, {{-12, "bottom"}, {0, "top"}, {30, "top"}}, TBottomView::FromBelow, "по знакам X"},
      {nullptr, {{0, "bottom"}, {0, "bottom"}}, TBottomView::FromTop, "по знакам X"},
      {nullptr, {{-12, "bottom"}, {5, "bottom"}}, TBottomView::FromTop, "по знакам X"},
      {nullptr, {{-12, "bottom"}, {-1, "top"}}, TBottomView::FromTop, "по знакам X"},
  };
  for (const auto& c : cases) {
    std::string text = c.Printed ? "### Footprint positions ###\n### Printed by " + std::string(c.Printed) +
                                       "\n## Unit = mm, Angle = deg.\n# Ref Val Package PosX PosY Rot Side\n"
                                 : "Ref,Val,Package,PosX,PosY,Rot,Side\n";
    const std::string s = c.Printed ? " " : ",";
    int n = 0;
    for (const auto& [x, side] : c.Parts)
      text += "R" + std::to_string(++n) + s + "1k" + s + "R_0603" + s + std::to_string(x) + s + "-3" + s + "0" + s + side + "\n";
    SCOPED_TRACE(text);
    const TPlacementFile file = ReadPlacementFile(text, "p.pos");
    ASSERT_EQ(file.Error, "");
    const TPlacementImport import = ImportPlacements(file, TBoardSide::Bottom);
    EXPECT_EQ(import.View.View, c.View);
    const std::string line = BottomRuleLine(file, import.Turn, import.View);
    EXPECT_NE(line.find(std::string(" (") + c.Cause + ")"), std::string::npos) << line;
  }
}

TEST(BottomSide, ABoardPcbRndFlippedTopToBottomComesBackTurnedTopToBottom) {
  // Three top parts of a board 40 mm high, then the same parts after the
  // board's flip top to bottom: Y mirrored over the board, the angle negated
  // (as a bottom part is stored), the side bottom. pcb-rnd writes both sides
  // from the top.
  const std::string names = "#RefDes, top/bottom, X, Y, rotation\n# X,Y in mm.  rotation in degrees.\n";
  const TPlacementFile top =
      ReadPlacementFile(names + "U1,top,10,30,90\nC1,top,25,12.5,0\nD1,top,40,5,45\n", "top.xy");
  const TPlacementFile flipped =
      ReadPlacementFile(names + "U1,bottom,10,10,270\nC1,bottom,25,27.5,0\nD1,bottom,40,35,315\n", "flipped.xy");
  ASSERT_EQ(top.Error + flipped.Error, "");
  TBottomRule rule;
  rule.Turn = TBottomTurn::TopBottom;
  const TPlacementImport before = ImportPlacements(top, TBoardSide::Top);
  const TPlacementImport after = ImportPlacements(flipped, TBoardSide::Bottom, nullptr, rule);
  EXPECT_EQ(after.View.View, TBottomView::FromTop);
  EXPECT_NE(ImportSummary(flipped, after).find("переворот сверху вниз; X в файле дан со стороны верха (по знакам X)"),
            std::string::npos);
  // X and the angle as before the flip; Y within the parts' extent, so
  // every part moved by the same distance (the board's height less the
  // extent's ends, 40 - 5 - 30 mm).
  ASSERT_EQ(after.Rows.size(), before.Rows.size());
  for (size_t i = 0; i < before.Rows.size(); ++i) {
    EXPECT_EQ(after.Rows[i][3] + "|" + after.Rows[i][5], before.Rows[i][3] + "|" + before.Rows[i][5]);
    EXPECT_EQ(std::stod(after.Rows[i][4]) - std::stod(before.Rows[i][4]), 5.0) << after.Rows[i][0];
  }
}

}  // namespace
