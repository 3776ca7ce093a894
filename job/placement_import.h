// A placement file's parts as component rows of a job: one part, one row of
// the component table ("Компонент", "Сопло", "Питатель", "X", "Y", "Угол",
// "Пропуск", "Коммент"). The editor and the command-line program both import
// through here.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "job/decimal_text.h"
#include "job/placement_bottom.h"
#include "job/nozzle_rules.h"
#include "job/placement_formats.h"
#include "job/rotation_corrections.h"

struct TPlacementImport {
  TBoardSide Side = TBoardSide::Top;  // the side imported
  // A bottom side: how it was turned over, and the view the file gave.
  TBottomTurn Turn = TBottomTurn::LeftRight;
  TBottomViewFound View;
  // Rows of exactly 8 cells, Windows-1251, within the job file's limits.
  std::vector<std::vector<std::string>> Rows;
  size_t Fiducials = 0;  // rows skipped as fiducials
  size_t NotPlaced = 0;  // rows skipped as parts not to be placed
  // What was added to every X and every Y (millimetres; 0 when no value of
  // the axis was negative).
  TFixed ShiftX = 0;
  TFixed ShiftY = 0;
  // The corrections applied: the table's name (empty when none), its
  // warnings, and how many parts a rule matched.
  std::string Corrections;
  std::vector<std::string> CorrectionWarnings;
  size_t Corrected = 0;
  // The nozzle rules applied: the table's name (empty when none) and how
  // many rows a rule gave a nozzle.
  std::string Nozzles;
  size_t NozzlesByRule = 0;
};

// The parts of one side. A file with parts on both sides gives those of
// `side`; a file with parts on one side gives those, whatever is asked. A
// bottom side is turned over by `bottom` (TurnBottomSide), in the view it
// gives or the file shows (FindBottomView). Then every part whose package a
// rule of `corrections` matches is corrected (CorrectPart), skipped parts
// too. Then each axis on its own: when any value is negative, all are
// shifted so that the smallest is 0. Last, every row whose comment a rule of
// `nozzles` matches takes the rule's nozzle, skipped rows too.
TPlacementImport ImportPlacements(const TPlacementFile& file, TBoardSide side,
                                  const TRotationCorrections* corrections = nullptr,
                                  const TBottomRule& bottom = {}, const TNozzleRules* nozzles = nullptr);

// The side ImportPlacements takes when `side` is asked.
TBoardSide ImportedSide(const TPlacementFile& file, TBoardSide side);

// Coordinates in inches may have been read as millimetres: the file states
// no unit, was read in millimetres, and every X and Y of the imported side
// is strictly between -25 and 25.
bool MayBeInches(const TPlacementFile& file, TBoardSide side);

// The summary shown after an import: rows, form, the unit and whether the
// file stated it, the rule of a bottom side, skipped rows, lines that could
// not be read, the corrections, the shift. Windows-1251, lines ended by "\n".
std::string ImportSummary(const TPlacementFile& file, const TPlacementImport& import);

// --- The rules of one row --------------------------------------------------

// A fiducial: its designator is "FID", "FD" or "MARK" followed by nothing or
// by digits only, or its value or package holds "fiducial", any case.
bool IsFiducialPart(const std::string& reference, const std::string& value, const std::string& package);

// DNP, DNF, DNI, NC, NF, NP, NOPOP, "DO NOT PLACE" (any case, "_" read as a
// space), or a value ending in "/NM".
bool IsNotPlacedValue(const std::string& value);

// The text with each character a cell cannot hold ("," "/" "\" and control
// characters) replaced by a space, trimmed at both ends.
std::string CellText(const std::string& text);

// Value and package joined by one space, as a cell (CellText): inner spaces
// stay, so ",x," and "P" give "x  P".
std::string CommentCell(const std::string& value, const std::string& package);
