// A panel of boards: C columns and R rows of copies of one board, a pitch
// between them and the panel's origin. It gives the board table whole, one
// row per copy, numbered row by row from the origin. The texts the user types
// for it (the editor's fields, the command line's values) are read here too,
// so both programs take and refuse the same.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "job/decimal_text.h"
#include "job/job_file.h"

inline constexpr int32_t kPanelMaxSide = 50;  // columns and rows each

struct TBoardPanel {
  int32_t Columns = 1;
  int32_t Rows = 1;
  TFixed PitchX = 0;  // millimetres (the job's unit), as decimal_text.h keeps them
  TFixed PitchY = 0;
  TFixed OriginX = 0;
  TFixed OriginY = 0;
  std::vector<int32_t> Skip;  // board numbers from 1; one listed twice is skipped once
};

// The values as typed, one text each.
enum class TPanelField : uint8_t { Columns, Rows, PitchX, PitchY, OriginX, OriginY, Skip };
struct TPanelTexts {
  std::string Columns = "1";
  std::string Rows = "1";
  std::string PitchX = "0";
  std::string PitchY = "0";
  std::string OriginX = "0";
  std::string OriginY = "0";
  std::string Skip;  // "N[,N…]", empty for none
};

// What is wrong with one value: the field and the reason, which quotes the
// text ("«0» не целое число от 1 до 50").
struct TPanelProblem {
  TPanelField Field = TPanelField::Columns;
  std::string Reason;
};

// Reads the texts (spaces around each value ignored): columns and rows whole
// numbers from 1 to 50, the pitches and the origin numbers as the import
// reads them ("." as the point), the boards to skip numbers from 1 to C·R.
// False, with the first wrong field in field order, when one is wrong.
bool ReadBoardPanel(const TPanelTexts& texts, TBoardPanel& panel, TPanelProblem& problem);

// "PX,PY" cut at its one comma into its two texts; false when the text has
// no comma or more than one.
bool SplitPanelPair(std::string_view text, std::string& first, std::string& second);

// The board table of the panel: board j·C + i + 1 (row j, column i from 0)
// at OriginX + i·PitchX, OriginY + j·PitchY, in the shortest 2-decimal form;
// "Пропуск" "1" for a board listed in Skip, else "0".
JobTable PanelBoardRows(const TBoardPanel& panel);
