// TVMPlacementImport over placement files held in memory, fired through the
// real dispatcher: what reaches the table, the view and the boxes on each
// path a file can take.
#include "components/processing/placement_import.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "job/placement_import.h"
#include "tests/components/processing/probe.h"
#include "tests/toolkit/memory_stream.h"

namespace {

constexpr char kBothSides[] =
    "Designator,Mid X,Mid Y,Layer,Rotation\r\n"
    "R1,1mm,2mm,Top,90\r\n"
    "C1,3,4,Bottom,0\r\n"
    "C2,5,x,Bottom,0\r\n";

class PlacementImportTest : public LiveNetworkTest {
 protected:
  std::vector<std::string> log;
  TVMPlacementImport import;
  TProbe closed{"closed", &log}, error{"error", &log}, ask{"ask", &log}, rows{"rows", &log},
      fit{"fit", &log}, summary{"summary", &log};

  void SetUp() override {
    LiveNetworkTest::SetUp();
    import.OnStreamRead = closed.Action();
    import.OnError = error.Action();
    import.OnAskSide = ask.Action();
    import.OnRows = rows.Action();
    import.OnImported = fit.Action();
    import.OnSummary = summary.Action();
  }

  void Read(const std::string& name, const std::string& bytes) {
    TData nameValue;
    SetStrValue(nameValue, name);
    TVM_Event setName = MakeEvent<&TVMPlacementImport::SetFileName>(&import);
    Fire(setName, nameValue);
    TMemoryFile file{bytes};
    TStream* stream = OpenMemoryStream(file);
    TData data;
    SetStreamValue(data, stream);
    TVM_Event read = MakeEvent<&TVMPlacementImport::Read>(&import);
    Fire(read, data);
    stream->Free();
  }
  void Choose(uint16_t side) {
    TVM_Event choose = MakeEvent<&TVMPlacementImport::ChooseSide>(&import, side);
    FireNull(choose);
  }
  // What the rules give for the file: the rows line, then the summary.
  static std::vector<std::string> Expected(const std::string& name, const std::string& bytes,
                                           TBoardSide side) {
    const TPlacementFile file = ReadPlacementFile(bytes, name);
    const TPlacementImport rows = ImportPlacements(file, side);
    std::string text = ImportSummary(file, rows), crlf;
    for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    crlf.resize(crlf.size() - 2);  // no line end after the last line
    return {"closed:", "rows:" + ImportRowLines(rows.Rows), "fit:", "summary:" + crlf};
  }
};

}  // namespace

TEST_F(PlacementImportTest, BothSidesAskFirstAndImportTheSideChosen) {
  for (uint16_t side : {TVMPlacementImport::kImportTop, TVMPlacementImport::kImportBottom}) {
    SCOPED_TRACE(side);
    log.clear();
    Read("board.csv", kBothSides);
    EXPECT_EQ(log, (std::vector<std::string>{"closed:", "ask:"}));
    Choose(side);
    std::vector<std::string> expected =
        Expected("board.csv", kBothSides, side ? TBoardSide::Bottom : TBoardSide::Top);
    expected.insert(expected.begin() + 1, "ask:");
    EXPECT_EQ(log, expected);
    log.clear();
    Choose(side);  // answered once only
    EXPECT_TRUE(log.empty());
  }
  EXPECT_EQ(ValueToStr(rows.Calls[1].Value), "C1,,,3,4,0,0,");
}

TEST_F(PlacementImportTest, OneSideImportsAtOnceAndBadFilesOnlySayWhy) {
  const std::string oneSide = "C1 41.91 34.93 180 0.1uF C0805\r\n";
  Read("board.mnb", oneSide);
  EXPECT_EQ(log, Expected("board.mnb", oneSide, TBoardSide::Top));
  EXPECT_EQ(ValueToStr(rows.Calls[0].Value), "C1,,,41.91,34.93,180,0,0.1uF C0805");

  const std::vector<std::string> bad = {"", "Name;Value\r\nR1;10k\r\n"};
  for (const std::string& bytes : bad) {
    log.clear();
    Read("bad.txt", bytes);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], "closed:");
    EXPECT_EQ(log[1].rfind("error:Файл bad.txt ", 0), 0u) << log[1];
    Choose(TVMPlacementImport::kImportTop);  // nothing waits
    EXPECT_EQ(log.size(), 2u);
  }
}
