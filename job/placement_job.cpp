#include "job/placement_job.h"

#include <algorithm>
#include <cmath>

#include "core/convert.h"

namespace {

// The view reads no cell beyond the component's skip flag.
constexpr size_t kMaxCell = kComponentSkipColumn + 1;
constexpr double kPi = 3.14159265358979323846;

// The first kMaxCell cells of a row line; missing cells stay empty.
struct TCells {
  std::string Cell[kMaxCell];
};

TCells SplitCells(const std::string& line) {
  TCells cells;
  size_t from = 0;
  for (size_t k = 0; k < kMaxCell && from <= line.size(); ++k) {
    size_t comma = line.find(',', from);
    if (comma == std::string::npos) comma = line.size();
    cells.Cell[k] = line.substr(from, comma - from);
    from = comma + 1;
  }
  return cells;
}

bool SameFeeder(const std::string& a, const std::string& b) {
  double x = 0, y = 0;
  if (ReadCoordinate(a, x) && ReadCoordinate(b, y)) return x == y;
  return a == b;
}

}  // namespace

TPlacedRow ParseRow(TJobTable table, const std::string& line) {
  const TCells c = SplitCells(line);
  TPlacedRow row;
  size_t x = kFeederXColumn, y = kFeederYColumn;
  switch (table) {
    case kFeederTable:
    case kSpecialFeederTable: row.Label = c.Cell[kFeederNumberColumn]; break;
    case kBoardTable:
      x = kBoardXColumn, y = kBoardYColumn;
      row.Label = c.Cell[kBoardNumberColumn];
      row.Skipped = IsSkipped(c.Cell[kBoardSkipColumn]);
      break;
    default: {
      x = kComponentXColumn, y = kComponentYColumn;
      row.Label = c.Cell[kComponentFeederColumn];
      row.Skipped = IsSkipped(c.Cell[kComponentSkipColumn]);
      double angle = 0;
      row.HasAngle = ReadCoordinate(c.Cell[kComponentAngleColumn], angle);
      if (row.HasAngle) {
        const double radians = std::fmod(angle, 360.0) * kPi / 180.0;
        row.Cos = static_cast<float>(std::cos(radians));
        row.Sin = static_cast<float>(std::sin(radians));
      }
      break;
    }
  }
  row.Placed = ReadCoordinate(c.Cell[x], row.X) && ReadCoordinate(c.Cell[y], row.Y);
  if (!row.Placed) row.X = row.Y = 0;
  return row;
}

void TExtent::Add(double x, double y) {
  if (Empty) {
    MinX = MaxX = x, MinY = MaxY = y;
    Empty = false;
    return;
  }
  MinX = std::min(MinX, x), MaxX = std::max(MaxX, x);
  MinY = std::min(MinY, y), MaxY = std::max(MaxY, y);
}

void TExtent::Add(const TExtent& other, double dx, double dy) {
  if (other.Empty) return;
  Add(other.MinX + dx, other.MinY + dy);
  Add(other.MaxX + dx, other.MaxY + dy);
}

void TPlacementJob::Load(TJobTable table, const std::vector<std::string>& lines) {
  for (const TPlacedRow& row : Tables[table]) Count(row, -1);
  Tables[table].clear();
  Tables[table].reserve(lines.size());
  for (const std::string& line : lines) {
    Tables[table].push_back(ParseRow(table, line));
    Count(Tables[table].back(), +1);
  }
  Touched(table);
}

bool TPlacementJob::Replace(TJobTable table, int32_t row, const std::string& line) {
  if (row < 0 || row >= RowCount(table)) return false;
  TPlacedRow& kept = Tables[table][static_cast<size_t>(row)];
  Count(kept, -1);
  kept = ParseRow(table, line);
  Count(kept, +1);
  Touched(table);
  return true;
}

bool TPlacementJob::Insert(TJobTable table, int32_t row, const std::string& line) {
  if (row < 0 || row > RowCount(table)) return false;
  auto at = Tables[table].insert(Tables[table].begin() + row, ParseRow(table, line));
  Count(*at, +1);
  Touched(table);
  return true;
}

bool TPlacementJob::Remove(TJobTable table, int32_t row) {
  if (row < 0 || row >= RowCount(table)) return false;
  Count(Tables[table][static_cast<size_t>(row)], -1);
  Tables[table].erase(Tables[table].begin() + row);
  Touched(table);
  return true;
}

const TExtent& TPlacementJob::ComponentExtent() const {
  if (ComponentsStale) {
    Components = TExtent{};
    for (const TPlacedRow& c : Tables[kComponentTable])
      if (c.Placed) Components.Add(c.X, c.Y);
    ComponentsStale = false;
  }
  return Components;
}

std::vector<TPlacedRow> TPlacementJob::DrawnBoards() const {
  if (Tables[kBoardTable].empty()) {
    TPlacedRow origin;
    origin.Placed = true;
    return {origin};
  }
  std::vector<TPlacedRow> boards;
  for (const TPlacedRow& b : Tables[kBoardTable])
    if (b.Placed) boards.push_back(b);
  return boards;
}

TExtent TPlacementJob::JobExtent() const {
  TExtent extent;
  const TExtent& components = ComponentExtent();
  for (const TPlacedRow& board : DrawnBoards()) {
    extent.Add(board.X, board.Y);
    extent.Add(components, board.X, board.Y);
  }
  for (TJobTable t : {kFeederTable, kSpecialFeederTable})
    for (const TPlacedRow& f : Tables[t])
      if (f.Placed) extent.Add(f.X, f.Y);
  return extent;
}

std::vector<std::pair<TJobTable, int32_t>> TPlacementJob::FeedersOf(int32_t componentRow) const {
  std::vector<std::pair<TJobTable, int32_t>> found;
  if (componentRow < 0 || componentRow >= RowCount(kComponentTable)) return found;
  const std::string& wanted = Tables[kComponentTable][static_cast<size_t>(componentRow)].Label;
  if (wanted.empty()) return found;
  for (TJobTable t : {kFeederTable, kSpecialFeederTable})
    for (int32_t r = 0; r < RowCount(t); ++r)
      if (SameFeeder(Tables[t][static_cast<size_t>(r)].Label, wanted)) found.emplace_back(t, r);
  return found;
}

std::string UnplacedText(int32_t count) {
  if (count <= 0) return "";
  const int32_t last = count % 10, lastTwo = count % 100;
  const char* word = "строк";
  if (last == 1 && lastTwo != 11) {
    word = "строка";
  } else if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14)) {
    word = "строки";
  }
  return IntToText(count) + " " + word + " без координат";
}
