// The job as the placement view draws it: every row of the four tables,
// parsed once from its row line and kept, so that a change of one row costs
// the reading of that one row. Positions are in the job's own units.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "job/job_format.h"
#include "job/job_number.h"

// What the view keeps of one row.
struct TPlacedRow {
  double X = 0;  // component: its X; board: its offset; feeder: its pick point
  double Y = 0;
  float Cos = 1;  // component: direction of its angle
  float Sin = 0;
  bool Placed = false;    // X and Y are numbers
  bool HasAngle = false;  // component: the angle is a number
  bool Skipped = false;   // component or board
  std::string Label;      // feeder and board: its number; component: its feeder
};

// Parses a row line of the given table (cells joined by ",").
TPlacedRow ParseRow(TJobTable table, const std::string& line);

struct TExtent {
  double MinX = 0, MinY = 0, MaxX = 0, MaxY = 0;
  bool Empty = true;
  void Add(double x, double y);
  void Add(const TExtent& other, double dx, double dy);
};

class TPlacementJob {
 public:
  const std::vector<TPlacedRow>& Rows(TJobTable table) const { return Tables[table]; }
  int32_t RowCount(TJobTable table) const { return static_cast<int32_t>(Tables[table].size()); }

  // Replaces a whole table by these row lines.
  void Load(TJobTable table, const std::vector<std::string>& lines);
  // One row: replaced (0 ≤ row < rows), inserted before row (0 ≤ row ≤ rows)
  // or removed (0 ≤ row < rows). Other rows do nothing; false then.
  bool Replace(TJobTable table, int32_t row, const std::string& line);
  bool Insert(TJobTable table, int32_t row, const std::string& line);
  bool Remove(TJobTable table, int32_t row);

  // Rows of all four tables whose coordinates are not numbers.
  int32_t Unplaced() const { return UnplacedCount; }

  // The component rows as drawn on one board, relative to its offset.
  const TExtent& ComponentExtent() const;
  // Everything that is drawn: the components on each placed board (at their
  // own coordinates when there is no board row at all) and the feeders.
  TExtent JobExtent() const;
  // The boards the components are drawn on: the placed board rows, or one
  // board at (0, 0) when the board table has no rows.
  std::vector<TPlacedRow> DrawnBoards() const;

  // The feeder rows (of both feeder tables) whose number is the component's
  // feeder cell, as (table, row) pairs.
  std::vector<std::pair<TJobTable, int32_t>> FeedersOf(int32_t componentRow) const;

 private:
  std::vector<TPlacedRow> Tables[kJobTableCount];
  int32_t UnplacedCount = 0;
  mutable TExtent Components;
  mutable bool ComponentsStale = true;

  void Count(const TPlacedRow& row, int32_t sign) { UnplacedCount += row.Placed ? 0 : sign; }
  void Touched(TJobTable table) {
    if (table == kComponentTable) ComponentsStale = true;
  }
};

// "3 строки без координат"; empty for 0.
std::string UnplacedText(int32_t count);
