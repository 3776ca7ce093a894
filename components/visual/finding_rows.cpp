#include "components/visual/finding_rows.h"

#include <cstddef>

#include "job/job_format.h"

namespace {

struct TTableName {
  const char* Key;      // as a finding names the table
  const char* Name;     // as the window shows it
  const char* Columns;  // its column captions, CR LF between them
};

// In TJobTable order.
constexpr TTableName kTables[kJobTableCount] = {
    {"feeder", "Питатели", kFeederColumnCaptions},
    {"special", "Специальные питатели", kSpecialFeederColumnCaptions},
    {"board", "Платы", kBoardColumnCaptions},
    {"component", "Компоненты", kComponentColumnCaptions},
};

// A whole number of at most 9 digits; -1 otherwise.
int32_t CountFromText(const std::string& text) {
  if (text.empty() || text.size() > 9) return -1;
  int32_t number = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    number = number * 10 + (c - '0');
  }
  return number;
}

// The caption of column `column` (from 1) of the captions; empty when the
// table has no such column.
std::string ColumnCaption(const std::string& captions, int32_t column) {
  size_t start = 0;
  for (int32_t c = 1; c < column; ++c) {
    start = captions.find("\r\n", start);
    if (start == std::string::npos) return std::string();
    start += 2;
  }
  return captions.substr(start, captions.find("\r\n", start) - start);
}

std::string KindName(const std::string& kind) {
  if (kind == "error") return kErrorKindName;
  if (kind == "warning") return kWarningKindName;
  return kind;
}

TFindingRow ParseFinding(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  // The text, the last field, may hold tabs of its own.
  while (fields.size() < 4) {
    const size_t tab = line.find('\t', start);
    if (tab == std::string::npos) break;
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  TFindingRow row;
  if (fields.size() < 4) {
    row.Text = line;
    return row;
  }
  row.Text = line.substr(start);
  const size_t countTab = row.Text.rfind('\t');
  const int32_t count = countTab == std::string::npos ? -1 : CountFromText(row.Text.substr(countTab + 1));
  if (count >= 1) {
    row.Count = static_cast<size_t>(count);
    row.Text.erase(countTab);
  }
  row.Kind = KindName(fields[3]);
  row.Row = fields[1];
  row.Table = fields[0];
  row.Column = fields[2];
  for (int32_t t = 0; t < kJobTableCount; ++t) {
    if (fields[0] != kTables[t].Key) continue;
    row.Table = kTables[t].Name;
    const int32_t number = CountFromText(fields[1]);
    if (number >= 1) row.PickTable = t, row.PickRow = number - 1;
    // Column 0 is the whole row; a column the table does not have stays as given.
    const int32_t column = CountFromText(fields[2]);
    const std::string caption = column > 0 ? ColumnCaption(kTables[t].Columns, column) : std::string();
    if (column == 0) row.Column.clear();
    else if (!caption.empty()) row.Column = caption;
    break;
  }
  return row;
}

}  // namespace

std::vector<TFindingRow> ParseFindings(const std::string& text) {
  std::vector<TFindingRow> rows;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) rows.push_back(ParseFinding(line));
  }
  return rows;
}
