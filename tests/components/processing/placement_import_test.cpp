// TVMPlacementImport over placement files held in memory, fired through the
// real dispatcher: what reaches the table, the view and the boxes, in order.
#include "components/processing/placement_import.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/components/processing/probe.h"
#include "tests/toolkit/memory_stream.h"

namespace {

class PlacementImportTest : public LiveNetworkTest {
 protected:
  std::vector<std::string> log;
  TVMPlacementImport import;
  TProbe closed{"closed", &log}, error{"error", &log}, ask{"ask", &log}, rows{"rows", &log},
      fit{"fit", &log}, summary{"summary", &log}, unit{"unit", &log};

  void SetUp() override {
    LiveNetworkTest::SetUp();
    for (auto [event, probe] : {std::pair{&import.OnStreamRead, &closed}, {&import.OnError, &error},
                                {&import.OnAskSide, &ask}, {&import.OnRows, &rows},
                                {&import.OnImported, &fit}, {&import.OnSummary, &summary},
                                {&import.OnAskUnit, &unit}})
      *event = probe->Action();
  }
  void Choose(uint16_t side) {
    TVM_Event choose = MakeEvent<&TVMPlacementImport::ChooseSide>(&import, side);
    FireNull(choose);
  }
  // The file named, then its bytes read, the side and the unit chosen when
  // given; what fired, summaries cut short.
  std::vector<std::string> Read(const std::string& name, const std::string& bytes, int side = -1, int inches = -1) {
    log.clear();
    TData value;
    SetStrValue(value, name);
    import.SetFileName(value, 0);
    TMemoryFile file{bytes};
    TStream* stream = OpenMemoryStream(file);
    SetStreamValue(value, stream);
    TVM_Event read = MakeEvent<&TVMPlacementImport::Read>(&import);
    Fire(read, value);
    stream->Free();
    if (side >= 0) Choose(static_cast<uint16_t>(side));
    if (inches >= 0) {
      TVM_Event choose = MakeEvent<&TVMPlacementImport::ChooseUnit>(&import, inches ? 0 : 1);
      FireNull(choose);
    }
    for (std::string& line : log) line = line.substr(0, line.find("\r\n"));
    return log;
  }
};

}  // namespace

TEST_F(PlacementImportTest, EachPathFiresItsEventsInOrder) {
  const std::string both = "Designator,Mid X,Mid Y,Layer,Rotation\r\nR1,1,2,Top,90\r\nC1,3,4,Bottom,0\r\n";
  const std::string rowsTop = "rows:R1,,,1,2,90,0,", rowsBottom = "rows:C1,,,3,4,180,0,";
  const std::string summaryLine = "summary:Импортировано строк: 1 (формат: JLC)";
  const std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> cases = {
      {Read("b.csv", both), {"closed:", "ask:"}},
      {Read("b.csv", both, 0), {"closed:", "ask:", rowsTop, "fit:", summaryLine}},
      {Read("b.csv", both, 1), {"closed:", "ask:", rowsBottom, "fit:", summaryLine}},
      {Read("b.mnb", "C1 41.91 34.93 180 0.1uF C0805\r\n"),
       {"closed:", "rows:C1,,,41.91,34.93,0,0,0.1uF C0805", "fit:",
        "summary:Импортировано строк: 1 (формат: Eagle/Fusion (.mnt/.mnb))"}},
      {Read("bad.txt", "", 0), {"closed:", "error:Файл bad.txt пуст"}},
      {Read("none.csv", "Ref,X,Y\r\n", 0), {"closed:", "error:В файле none.csv нет ни одного компонента"}},
      {Read("bad.txt", "Name;Value\r\nR1;10k\r\n", 0),
       {"closed:", "error:Файл bad.txt не похож на файл позиций: нет столбцов X и Y"}},
  };
  for (const auto& [fired, expected] : cases) EXPECT_EQ(fired, expected);

  // No unit stated and small coordinates: the unit is asked after the side,
  // over that side's coordinates; inches are read again, exactly.
  const std::string small = "Ref,X,Y,Side\r\nR1,0.125,0.5,top\r\nC1,30,4,bottom\r\n";
  const std::string table = "summary:Импортировано строк: 1 (формат: таблица с заголовком)";
  const std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> unitCases = {
      {Read("s.csv", small, 0), {"closed:", "ask:", "unit:"}},
      {Read("s.csv", small, 0, 1), {"closed:", "ask:", "unit:", "rows:R1,,,3.18,12.7,0,0,", "fit:", table}},
      {Read("s.csv", small, 0, 0), {"closed:", "ask:", "unit:", "rows:R1,,,0.13,0.5,0,0,", "fit:", table}},
      {Read("s.csv", small, 1), {"closed:", "ask:", "rows:C1,,,30,4,180,0,", "fit:", table}},
  };
  for (const auto& [fired, expected] : unitCases) EXPECT_EQ(fired, expected);

  // The turn of the bottom side comes from its input: top to bottom.
  TProbe turn;
  SetIntValue(turn.Answer, TVMPlacementImport::kTurnTopBottom);
  import.BottomTurn = turn.Point();
  EXPECT_EQ(Read("b.csv", both, 1)[2], "rows:C1,,,3,4,0,0,");
  EXPECT_EQ(turn.Reads, 1);
  // A question answered once imports once.
  log.clear();
  Choose(0);
  EXPECT_TRUE(log.empty());
}
