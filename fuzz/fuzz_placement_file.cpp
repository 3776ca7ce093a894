// Placement files from arbitrary bytes, both sides imported (the bottom
// turned over both ways): no crash, no out-of-bounds access, and every row
// within the rules: 8 cells, X and Y plain numbers (the job's number rule)
// and not negative, the angle in (-180, 180], the skip cell "0" or "1", no
// cell holding what a job cell cannot.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "job/job_file.h"
#include "job/job_number.h"
#include "job/placement_import.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

void CheckRows(const TPlacementImport& import) {
  for (const auto& row : import.Rows) {
    Require(row.size() == kComponentColumns);
    for (const std::string& cell : row) Require(CellFitsJobFormat(cell) && cell.find('\x7F') == std::string::npos);
    double x = -1, y = -1, angle = 0;
    Require(ReadCoordinate(row[kComponentXColumn], x) && x >= 0);
    Require(ReadCoordinate(row[kComponentYColumn], y) && y >= 0);
    Require(ReadCoordinate(row[kComponentAngleColumn], angle) && angle > -180 && angle <= 180);
    Require(row[kComponentSkipColumn] == "0" || row[kComponentSkipColumn] == "1");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  // The name tells a mount file's side, the unit assumed is the one asked
  // for; let the input pick them.
  const TLengthUnit unit = size % 3 == 0 ? TLengthUnit::Inch : size % 3 == 1 ? TLengthUnit::Mil : TLengthUnit::Millimetre;
  const TPlacementFile file = ReadPlacementFile(bytes, size % 2 ? "board.mnb" : "board.pos", unit);
  Require(file.Error.empty() != file.Parts.empty());
  for (TBoardSide side : {TBoardSide::Top, TBoardSide::Bottom}) {
    MayBeInches(file, side);
    const TPlacementImport import = ImportPlacements(file, side);
    CheckRows(import);
    ImportSummary(file, import);
  }
  TBottomRule topToBottom;
  topToBottom.Turn = TBottomTurn::TopBottom;
  CheckRows(ImportPlacements(file, TBoardSide::Bottom, nullptr, topToBottom));
  return 0;
}
