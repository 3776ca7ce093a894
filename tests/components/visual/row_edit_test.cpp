#include "components/visual/row_edit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(RowEdit, EveryKindComesBackWithItsCellsAsTheyWere) {
  const std::string binary("a\0b,\r\n\xFF", 7);
  const TRowEdit edits[] = {
      {TRowEditKind::Cells, 0, {"a,b", "", "1:2"}, {"", "c", "12:"}},
      {TRowEditKind::Inserted, 41, {}, {"", ""}},
      {TRowEditKind::Deleted, 2147483647, {binary, "к"}, {}},
      {TRowEditKind::Cells, 3, {}, {}},
      {TRowEditKind::Batch, 0, {}, {}, {{TRowEditKind::Inserted, 7, {}, {"B1:", "9"}},
                                        {TRowEditKind::Cells, 0, {"x"}, {"y"}},
                                        {TRowEditKind::Deleted, 7, {"B1:", "9"}, {}}}},
      {TRowEditKind::Batch, 0, {}, {}, {}},
  };
  for (const TRowEdit& edit : edits) {
    TRowEdit back;
    ASSERT_TRUE(UnpackRowEdit(PackRowEdit(edit), back)) << PackRowEdit(edit);
    EXPECT_EQ(edit, back);
  }
}

TEST(RowEdit, TextsThatAreNoRecordAreRefused) {
  const std::string good = PackRowEdit({TRowEditKind::Cells, 5, {"ab"}, {"cd"}});
  TRowEdit edit;
  for (const std::string& text : {std::string(), std::string("X") + good.substr(1), good.substr(0, good.size() - 1),
                                  good + "x", std::string("E1:5"), std::string("E2:-11:01:0"),
                                  std::string("E11:21474836481:01:0"), std::string("E1:51:90:0:"),
                                  std::string("E1:510:999999999"), std::string("E1:5x:1:0")})
    EXPECT_FALSE(UnpackRowEdit(text, edit)) << text;

  const std::string batch = PackRowEdit({TRowEditKind::Batch, 0, {}, {}, {{TRowEditKind::Cells, 5, {"ab"}, {"cd"}}}});
  const std::string nested = PackRowEdit({TRowEditKind::Batch, 0, {}, {}, {{TRowEditKind::Batch}}});
  for (const std::string& text : {batch.substr(0, batch.size() - 1), batch + "x", nested, std::string("B1:2"),
                                  std::string("B1:1") + std::to_string(good.size() + 1) + ":" + good + "x",
                                  std::string("B1:11:X")})
    EXPECT_FALSE(UnpackRowEdit(text, edit)) << text;
}

}  // namespace
