#include "components/visual/finding_rows.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "job/job_format.h"

void PrintTo(const TFindingRow& row, std::ostream* out) {
  *out << "{" << row.Kind << "|" << row.Table << "|" << row.Row << "|" << row.Column << "|" << row.Text << "|"
       << row.PickTable << "|" << row.PickRow << "|" << row.Count << "}";
}

namespace {

TEST(FindingRows, EachLineBecomesARowInOrderWithItsTableColumnAndCountNamed) {
  const std::string text =
      "component\t12\t3\terror\tПитатель 7 не найден\r\n"
      "component\t5\t2\terror\tСопло: пустая ячейка — 2 строки: R5, R9\t2\n"
      "\n"
      "special\t1\t24\twarning\tтекст\tс табуляцией\n"
      "feeder\t2\t0\terror\tномер повторяется\n"
      "board\t3\t5\twarning\tстолбца нет\n"
      "board\tx\t-1\tnote\tстрока не число\n"
      "elsewhere\t4\t1\terror\tтаблицы нет\n"
      "no finding at all";
  const std::vector<TFindingRow> expected = {
      {"ошибка", "Компоненты", "12", "Питатель", "Питатель 7 не найден", kComponentTable, 11},
      {"ошибка", "Компоненты", "5", "Сопло", "Сопло: пустая ячейка — 2 строки: R5, R9", kComponentTable, 4, 2},
      {"предупреждение", "Специальные питатели", "1", "Коммент", "текст\tс табуляцией", kSpecialFeederTable, 0},
      {"ошибка", "Питатели", "2", "", "номер повторяется", kFeederTable, 1},
      {"предупреждение", "Платы", "3", "5", "столбца нет", kBoardTable, 2},
      {"note", "Платы", "x", "-1", "строка не число", -1, -1},
      {"ошибка", "elsewhere", "4", "1", "таблицы нет", -1, -1},
      {"", "", "", "", "no finding at all", -1, -1},
  };
  EXPECT_EQ(expected, ParseFindings(text));
  EXPECT_TRUE(ParseFindings("").empty());
  EXPECT_TRUE(ParseFindings("\n\r\n").empty());
}

}  // namespace
