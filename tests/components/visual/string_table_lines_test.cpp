// The string table's texts without a window: template lines, row lines and
// row colours.
#include "components/visual/string_table_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Cells = std::vector<std::string>;

TEST(StringTableLinesTest, TemplateLinesTakeUpToFourFields) {
  const TColumnTemplate column = ParseColumnTemplate("Угол=120=3=2=extra");
  EXPECT_EQ("Угол=120=3=2", FormatColumnTemplate(column));
  EXPECT_EQ("X===", FormatColumnTemplate(ParseColumnTemplate("X")));
}

TEST(StringTableLinesTest, RowLinesSplitIntoCellsWithEmptyAndTrailingFields) {
  EXPECT_EQ((Cells{"a", "", "c"}), ParseRowLine("a,,c", ',', false, false, '#').Cells);
  EXPECT_EQ((Cells{""}), ParseRowLine("", ',', false, false, '#').Cells);
  EXPECT_EQ((Cells{"a", ""}), ParseRowLine("a,", ',', false, false, '#').Cells);
  EXPECT_EQ((Cells{"\xC0\xFF", "\xA8"}), ParseRowLine("\xC0\xFF;\xA8", ';', false, false, '#').Cells)
      << "bytes are kept, whatever the code page";
  std::string rest = "a,b";
  EXPECT_EQ("a", TakeField(rest, ','));
  EXPECT_EQ("b", TakeField(rest, ','));
  EXPECT_EQ("", rest);
}

TEST(StringTableLinesTest, ImageAndColourFieldsLeadTheRowLine) {
  TRowFields row = ParseRowLine("7,3#65280,a,b", ',', true, true, '#');
  EXPECT_EQ(7, row.Image);
  EXPECT_EQ(3, RowTextIndex(row.ColorValue));
  EXPECT_EQ(65280, RowBackground(row.ColorValue));
  EXPECT_EQ((Cells{"a", "b"}), row.Cells);
  EXPECT_EQ("3#65280", FormatColorField(row.ColorValue, '#'));

  TRowFields bare = ParseRowLine("x,", ',', true, true, '#');
  EXPECT_EQ(0, bare.Image) << "not a number: 0";
  EXPECT_EQ(0u, bare.ColorValue) << "empty parts count 0";
  EXPECT_EQ((Cells{""}), bare.Cells) << "a line used up by its prefix still gives one cell";
  // Out-of-range parts stay inside their bits instead of spilling over.
  EXPECT_EQ(15, RowTextIndex(PackRowColor(-1, 0)));
  EXPECT_EQ(0, RowTextIndex(PackRowColor(0, 0x7FFFFFFF)));
}

TEST(StringTableLinesTest, PaletteAndLightening) {
  EXPECT_EQ(0x000000u, PaletteColor(0));
  EXPECT_EQ(0x0000FFu, PaletteColor(9));
  EXPECT_EQ(0xFFFFFFu, PaletteColor(15));
  // Each channel x goes to x + p * (255 - x) / 100.
  EXPECT_EQ(0xEEB2B2u, LightenColor(0xC80000, 70));
  EXPECT_EQ(0x33FF33u, LightenColor(0x00FF00, 20));
}
