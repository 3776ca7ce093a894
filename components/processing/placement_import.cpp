#include "components/processing/placement_import.h"

#include <utility>
#include <vector>

#include "job/line_ends.h"
#include "job/placement_import.h"
#include "toolkit/stream.h"

namespace {

// The rows as AddRows takes them: "," between cells, CR LF between lines.
std::string ImportRowLines(const std::vector<std::vector<std::string>>& rows) {
  std::string text;
  for (const auto& row : rows) {
    if (!text.empty()) text += "\r\n";
    for (size_t cell = 0; cell < row.size(); ++cell) {
      if (cell) text += ',';
      text += row[cell];
    }
  }
  return text;
}

}  // namespace

void TVMPlacementImport::SetFileName(TData& data, uint16_t index) { FileName = ValueToStr(data); }

void TVMPlacementImport::Read(TData& data, uint16_t index) {
  TStream* stream = FetchStream(data, Stream, nullptr);
  if (!stream) return;
  const std::string bytes = stream->ReadAll();
  FireNull(OnStreamRead);

  HasWaiting = false;
  TPlacementFile file = ReadPlacementFile(bytes, FileName);
  if (!file.Error.empty()) {
    FireStr(OnError, BoxLines(file.Error));
    return;
  }
  Waiting = std::move(file);
  HasWaiting = true;
  if (Waiting.HasTop && Waiting.HasBottom)
    FireNull(OnAskSide);
  else
    Import(TBoardSide::Top);
}

void TVMPlacementImport::ChooseSide(TData& data, uint16_t index) {
  if (HasWaiting) Import(index == kImportBottom ? TBoardSide::Bottom : TBoardSide::Top);
}

void TVMPlacementImport::Import(TBoardSide side) {
  HasWaiting = false;
  TData none;
  const std::string tableName = FetchStr(none, CorrectionsName, "");
  TRotationCorrections table;
  std::string error;
  if (!tableName.empty() && !ReadRotationCorrections(FetchStr(none, CorrectionsText, ""), tableName, table, error)) {
    FireStr(OnError, BoxLines(error));
    Waiting = TPlacementFile{};
    return;
  }
  const TPlacementImport import = ImportPlacements(Waiting, side, tableName.empty() ? nullptr : &table);
  if (!import.Rows.empty()) {
    FireStr(OnRows, ImportRowLines(import.Rows));
    FireNull(OnImported);
  }
  FireStr(OnSummary, BoxLines(ImportSummary(Waiting, import)));
  Waiting = TPlacementFile{};
}
