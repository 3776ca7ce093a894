#include "job/board_panel.h"

#include <algorithm>
#include <utility>

namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::string Quoted(std::string_view text) { return "«" + std::string(text) + "»"; }

// Digits only, at most nine of them (no overflow), spaces around ignored.
bool ReadWhole(std::string_view text, int32_t& value) {
  text = Trimmed(text);
  if (text.empty() || text.size() > 9) return false;
  int32_t read = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    read = read * 10 + (c - '0');
  }
  value = read;
  return true;
}

bool ReadSide(std::string_view text, int32_t& value, std::string& reason) {
  if (ReadWhole(text, value) && value >= 1 && value <= kPanelMaxSide) return true;
  reason = Quoted(Trimmed(text)) + " не целое число от 1 до " + std::to_string(kPanelMaxSide);
  return false;
}

bool ReadLengthValue(std::string_view text, TFixed& value, std::string& reason) {
  if (ReadDecimal(Trimmed(text), false, kFixedPerMillimetre, value)) return true;
  reason = Quoted(Trimmed(text)) + " не число";
  return false;
}

bool ReadSkip(std::string_view text, int32_t boards, std::vector<int32_t>& skip, std::string& reason) {
  skip.clear();
  if (Trimmed(text).empty()) return true;
  for (size_t start = 0;;) {
    const size_t comma = std::min(text.find(',', start), text.size());
    const std::string_view item = Trimmed(text.substr(start, comma - start));
    int32_t board = 0;
    if (!ReadWhole(item, board)) {
      reason = Quoted(item) + " не номер платы";
      return false;
    }
    if (board < 1 || board > boards) {
      reason = "платы " + std::to_string(board) + " нет: номера от 1 до " + std::to_string(boards);
      return false;
    }
    skip.push_back(board);
    if (comma == text.size()) return true;
    start = comma + 1;
  }
}

}  // namespace

bool ReadBoardPanel(const TPanelTexts& texts, TBoardPanel& panel, TPanelProblem& problem) {
  TBoardPanel read;
  auto fail = [&](TPanelField field) {
    problem.Field = field;
    return false;
  };
  std::string& reason = problem.Reason;
  if (!ReadSide(texts.Columns, read.Columns, reason)) return fail(TPanelField::Columns);
  if (!ReadSide(texts.Rows, read.Rows, reason)) return fail(TPanelField::Rows);
  if (!ReadLengthValue(texts.PitchX, read.PitchX, reason)) return fail(TPanelField::PitchX);
  if (!ReadLengthValue(texts.PitchY, read.PitchY, reason)) return fail(TPanelField::PitchY);
  if (!ReadLengthValue(texts.OriginX, read.OriginX, reason)) return fail(TPanelField::OriginX);
  if (!ReadLengthValue(texts.OriginY, read.OriginY, reason)) return fail(TPanelField::OriginY);
  if (!ReadSkip(texts.Skip, read.Columns * read.Rows, read.Skip, reason)) return fail(TPanelField::Skip);
  panel = std::move(read);
  return true;
}

bool SplitPanelPair(std::string_view text, std::string& first, std::string& second) {
  const size_t comma = text.find(',');
  if (comma == std::string_view::npos || text.find(',', comma + 1) != std::string_view::npos) return false;
  first = text.substr(0, comma);
  second = text.substr(comma + 1);
  return true;
}

JobTable PanelBoardRows(const TBoardPanel& panel) {
  JobTable rows;
  for (int32_t j = 0; j < panel.Rows; ++j)
    for (int32_t i = 0; i < panel.Columns; ++i) {
      const int32_t board = j * panel.Columns + i + 1;
      const bool skipped = std::find(panel.Skip.begin(), panel.Skip.end(), board) != panel.Skip.end();
      rows.push_back({std::to_string(board), FixedToText(panel.OriginX + i * panel.PitchX),
                      FixedToText(panel.OriginY + j * panel.PitchY), skipped ? "1" : "0"});
    }
  return rows;
}
