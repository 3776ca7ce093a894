// The board table of a panel: the cells for a few panels, exact decimal
// offsets included, and each kind of wrong value refused with its field.
#include "job/board_panel.h"

#include <gtest/gtest.h>

namespace {

TPanelTexts Texts(const char* columns, const char* rows, const char* pitchX, const char* pitchY,
                  const char* originX = "0", const char* originY = "0", const char* skip = "") {
  return {columns, rows, pitchX, pitchY, originX, originY, skip};
}

TEST(BoardPanel, NumbersTheBoardsRowByRowFromTheOrigin) {
  const struct {
    TPanelTexts Texts;
    JobTable Rows;
  } cases[] = {
      {Texts("2", "3", "10", "20"),
       {{"1", "0", "0", "0"}, {"2", "10", "0", "0"}, {"3", "0", "20", "0"}, {"4", "10", "20", "0"},
        {"5", "0", "40", "0"}, {"6", "10", "40", "0"}}},
      // Decimal pitches stay exact: three times 0.1 is 0.3.
      {Texts("4", "1", "0.1", "0"), {{"1", "0", "0", "0"}, {"2", "0.1", "0", "0"}, {"3", "0.2", "0", "0"}, {"4", "0.3", "0", "0"}}},
      // A negative origin; a sum that is zero is "0"; halves round away from zero.
      {Texts("3", "2", "0.75", "+.005", "-1.5", "-0.005"),
       {{"1", "-1.5", "-0.01", "0"}, {"2", "-0.75", "-0.01", "0"}, {"3", "0", "-0.01", "0"},
        {"4", "-1.5", "0", "0"}, {"5", "-0.75", "0", "0"}, {"6", "0", "0", "0"}}},
      // Skipped boards, one of them listed twice; spaces around values.
      {Texts(" 2 ", "2", " 50.8 ", "-25", "0", "100", " 4, 2 ,4"),
       {{"1", "0", "100", "0"}, {"2", "50.8", "100", "1"}, {"3", "0", "75", "0"}, {"4", "50.8", "75", "1"}}},
      {Texts("1", "1", "0", "0"), {{"1", "0", "0", "0"}}},
  };
  for (const auto& c : cases) {
    TBoardPanel panel;
    TPanelProblem problem;
    ASSERT_TRUE(ReadBoardPanel(c.Texts, panel, problem)) << problem.Reason;
    EXPECT_EQ(PanelBoardRows(panel), c.Rows) << c.Texts.Columns << "x" << c.Texts.Rows;
  }
  TBoardPanel largest;
  TPanelProblem problem;
  ASSERT_TRUE(ReadBoardPanel(Texts("50", "50", "1", "1"), largest, problem));
  const JobTable rows = PanelBoardRows(largest);
  ASSERT_EQ(rows.size(), 2500u);
  EXPECT_EQ(rows.back(), (JobRow{"2500", "49", "49", "0"}));
}

TEST(BoardPanel, RefusesAWrongValueNamingItsFieldAndText) {
  using F = TPanelField;
  const struct {
    TPanelTexts Texts;
    F Field;
    const char* Reason;
  } cases[] = {
      {Texts("", "1", "0", "0"), F::Columns, "«» не целое число от 1 до 50"},
      {Texts("51", "1", "0", "0"), F::Columns, "«51» не целое число от 1 до 50"},
      {Texts("2.5", "1", "0", "0"), F::Columns, "«2.5» не целое число от 1 до 50"},
      {Texts("99999999999", "1", "0", "0"), F::Columns, "«99999999999» не целое число от 1 до 50"},
      {Texts("2", "51", "x", "0"), F::Rows, "«51» не целое число от 1 до 50"},
      {Texts("2", "2", "ten", "0"), F::PitchX, "«ten» не число"},
      {Texts("2", "2", "1", "1,5"), F::PitchY, "«1,5» не число"},
      {Texts("2", "2", "1", "1", ""), F::OriginX, "«» не число"},
      {Texts("2", "2", "1", "1", "0", "1e3"), F::OriginY, "«1e3» не число"},
      {Texts("2", "3", "1", "1", "0", "0", "7"), F::Skip, "платы 7 нет: номера от 1 до 6"},
      {Texts("2", "3", "1", "1", "0", "0", "1,0"), F::Skip, "платы 0 нет: номера от 1 до 6"},
      {Texts("2", "3", "1", "1", "0", "0", "1,,2"), F::Skip, "«» не номер платы"},
      {Texts("2", "3", "1", "1", "0", "0", "-2"), F::Skip, "«-2» не номер платы"},
  };
  for (const auto& c : cases) {
    TBoardPanel panel;
    panel.Columns = 9;
    TPanelProblem problem;
    EXPECT_FALSE(ReadBoardPanel(c.Texts, panel, problem)) << c.Reason;
    EXPECT_EQ(problem.Field, c.Field) << c.Reason;
    EXPECT_EQ(problem.Reason, c.Reason);
    EXPECT_EQ(panel.Columns, 9) << "left alone";
  }
}

}  // namespace
