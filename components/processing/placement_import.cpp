#include "components/processing/placement_import.h"

#include <utility>
#include <vector>

#include "components/processing/job_table_inputs.h"
#include "components/processing/nozzle_rules_input.h"
#include "job/line_ends.h"
#include "job/placement_import.h"
#include "toolkit/stream.h"

void TVMPlacementImport::SetFileName(TData& data, uint16_t index) { FileName = ValueToStr(data); }

void TVMPlacementImport::Read(TData& data, uint16_t index) {
  TStream* stream = FetchStream(data, Stream, nullptr);
  if (!stream) return;
  std::string bytes = stream->ReadAll();
  FireNull(OnStreamRead);

  HasWaiting = false;
  TPlacementFile file = ReadPlacementFile(bytes, FileName);
  if (!file.Error.empty()) {
    FireStr(OnError, BoxLines(file.Error));
    return;
  }
  Waiting = std::move(file);
  Bytes = std::move(bytes);
  HasWaiting = true;
  if (Waiting.HasTop && Waiting.HasBottom)
    FireNull(OnAskSide);
  else
    SideChosen(TBoardSide::Top);
}

void TVMPlacementImport::ChooseSide(TData& data, uint16_t index) {
  if (HasWaiting) SideChosen(index == kImportBottom ? TBoardSide::Bottom : TBoardSide::Top);
}

// The unit is asked over the side to be imported, so after the side.
void TVMPlacementImport::SideChosen(TBoardSide side) {
  Side = side;
  if (MayBeInches(Waiting, side))
    FireNull(OnAskUnit);
  else
    Import(side);
}

void TVMPlacementImport::ChooseUnit(TData& data, uint16_t index) {
  if (!HasWaiting) return;
  // Read again rather than converted, so that the one rounding stays last.
  if (index == kUnitInch) Waiting = ReadPlacementFile(Bytes, FileName, TLengthUnit::Inch);
  Import(Side);
}

void TVMPlacementImport::Import(TBoardSide side) {
  HasWaiting = false;
  Bytes.clear();
  Bytes.shrink_to_fit();
  TData none;
  const std::string tableName = FetchStr(none, CorrectionsName, "");
  TRotationCorrections table;
  std::string error;
  if (!tableName.empty() && !ReadRotationCorrections(FetchStr(none, CorrectionsText, ""), tableName, table, error)) {
    FireStr(OnError, BoxLines(error));
    Waiting = TPlacementFile{};
    return;
  }
  TNozzleRules nozzleRules;
  const TNozzleRules* nozzles = ReadNozzleRulesInputs(NozzlesName, NozzlesText, nozzleRules, error);
  if (!error.empty()) {
    FireStr(OnError, BoxLines(error));
    Waiting = TPlacementFile{};
    return;
  }
  TBottomRule bottom;
  if (FetchInt(none, BottomTurn, kTurnLeftRight) == kTurnTopBottom) bottom.Turn = TBottomTurn::TopBottom;
  const TPlacementImport import =
      ImportPlacements(Waiting, side, tableName.empty() ? nullptr : &table, bottom, nozzles);
  if (!import.Rows.empty()) {
    FireStr(OnRows, TableRowLines(import.Rows));
    FireNull(OnImported);
  }
  FireStr(OnSummary, BoxLines(ImportSummary(Waiting, import)));
  Waiting = TPlacementFile{};
}
