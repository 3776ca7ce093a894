#include "job/job_file.h"

#include <string_view>

#include "job/line_ends.h"

namespace {

constexpr char kLineMark = kJobLineMark[0];
constexpr char kRowEndMark = kJobRowEndMark[0];

// Searching with an empty mark finds nothing.
size_t FindMark(const std::string& text, const std::string& mark, size_t from) {
  if (mark.empty() || from > text.size()) return std::string::npos;
  return text.find(mark, from);
}

void AddRows(JobTable& table, const std::string& block, size_t columns) {
  for (const std::string& row : CutRows(MarkLineEnds(block))) table.push_back(SplitRow(row, columns));
}

void WriteSection(std::string& out, const char* header, const JobTable& table, size_t columns) {
  out += header;
  out += kJobLineEnd;
  for (const JobRow& row : table) {
    out += JoinRow(row, columns);
    out += kJobLineEnd;
  }
}

}  // namespace

std::string FlattenJobText(const std::string& bytes) {
  std::string flat = WithCrLfLineEnds(bytes);
  for (char& c : flat)
    if (static_cast<unsigned char>(c) < 32) c = kLineMark;
  return flat;
}

std::vector<std::string> FindSectionBlocks(const std::string& text, const std::string& startMark,
                                           const std::string& endMark) {
  std::vector<std::string> blocks;
  size_t start = FindMark(text, startMark, 0);
  while (start != std::string::npos) {
    size_t inner = start + startMark.size();
    size_t end = FindMark(text, endMark, inner);
    if (end == std::string::npos) break;
    blocks.push_back(text.substr(inner, end - inner));
    start = FindMark(text, startMark, end + endMark.size());
  }
  return blocks;
}

std::string CutComponentPrefix(const std::string& flat) {
  // Built front to back: the kept text so far, then the untouched rest.
  const std::string start = kComponentCutStartMark;
  const std::string end = kComponentCutEndMark;
  std::string out;
  out.reserve(flat.size());
  size_t done = 0;  // flat[done...] is not yet in out
  size_t s = FindMark(flat, start, 0);
  while (s != std::string::npos) {
    size_t inner = s + start.size();
    size_t e = FindMark(flat, end, inner);
    if (e == std::string::npos) break;
    out.append(flat, done, inner - done);
    out += ' ';
    done = e;
    s = FindMark(flat, start, e);
  }
  out.append(flat, done, std::string::npos);
  return out;
}

std::string MarkLineEnds(const std::string& block) {
  std::string out;
  out.reserve(block.size() + block.size() / 2);
  size_t done = 0;
  size_t first = block.find(kLineMark);
  while (first != std::string::npos) {
    size_t second = block.find(kLineMark, first + 1);
    if (second == std::string::npos) break;
    out.append(block, done, first - done);
    out += kJobMarkedLineEnd;
    done = second + 1;
    first = block.find(kLineMark, done);
  }
  out.append(block, done, std::string::npos);
  return out;
}

std::vector<std::string> CutRows(const std::string& marked) {
  std::vector<std::string> rows;
  size_t open = marked.find(kLineMark);
  while (open != std::string::npos) {
    size_t close = marked.find(kRowEndMark, open + 1);
    if (close == std::string::npos) break;
    rows.push_back(marked.substr(open + 1, close - open - 1));
    open = marked.find(kLineMark, close + 1);
  }
  return rows;
}

JobRow SplitRow(const std::string& rowText, size_t columns) {
  JobRow row(columns);
  size_t field = 0;
  size_t from = 0;
  const std::string text = rowText + ",";
  while (field < columns && from < text.size()) {
    size_t comma = text.find(',', from);
    row[field++] = text.substr(from, comma - from);
    from = comma + 1;
  }
  return row;
}

JobTables ReadJobFile(const std::string& bytes) {
  const std::string flat = FlattenJobText(bytes);
  JobTables tables;
  for (const std::string& block : FindSectionBlocks(flat, kFeederStartMark, kFeederEndMark))
    AddRows(tables.Feeders, block, kFeederColumns);
  for (const std::string& block :
       FindSectionBlocks(flat, kSpecialFeederStartMark, kSpecialFeederEndMark))
    AddRows(tables.SpecialFeeders, block, kSpecialFeederColumns);
  for (const std::string& block : FindSectionBlocks(flat, kBoardStartMark, kBoardEndMark))
    AddRows(tables.Boards, block, kBoardColumns);
  AddRows(tables.Components, CutComponentPrefix(flat), kComponentColumns);
  return tables;
}

std::string JoinRow(const JobRow& row, size_t columns) {
  std::string line;
  for (size_t c = 0; c < columns; ++c) {
    if (c > 0) line += ',';
    if (c < row.size()) line += row[c];
  }
  line += ',';
  return line;
}

std::string WriteJobFile(const JobTables& tables) {
  std::string out = kJobMakerLine;
  out += kJobLineEnd;
  WriteSection(out, kFeederHeaderLine, tables.Feeders, kFeederColumns);
  WriteSection(out, kSpecialFeederHeaderLine, tables.SpecialFeeders, kSpecialFeederColumns);
  WriteSection(out, kBoardHeaderLine, tables.Boards, kBoardColumns);
  WriteSection(out, kComponentHeaderLine, tables.Components, kComponentColumns);
  return out;
}

namespace {

bool TableCellsFit(const JobTable& table) {
  for (const JobRow& row : table)
    for (const std::string& cell : row)
      if (!CellFitsJobFormat(cell)) return false;
  return true;
}

// The table as the editor holds it: every row cut or completed to the
// column count.
JobTable Completed(const JobTable& table, size_t columns) {
  JobTable completed = table;
  for (JobRow& row : completed) row.resize(columns);
  return completed;
}

}  // namespace

bool TablesFitJobFormat(const JobTables& tables) {
  if (!TableCellsFit(tables.Feeders) || !TableCellsFit(tables.SpecialFeeders) ||
      !TableCellsFit(tables.Boards) || !TableCellsFit(tables.Components))
    return false;
  // Marker texts in cells can still move a section boundary; reading the
  // written text back is the one exact test.
  const JobTables read = ReadJobFile(WriteJobFile(tables));
  return read.Feeders == Completed(tables.Feeders, kFeederColumns) &&
         read.SpecialFeeders == Completed(tables.SpecialFeeders, kSpecialFeederColumns) &&
         read.Boards == Completed(tables.Boards, kBoardColumns) &&
         read.Components == Completed(tables.Components, kComponentColumns);
}

bool CellFitsJobFormat(const std::string& cell) {
  for (char c : cell) {
    if (std::string_view(kJobCellRefusedChars).find(c) != std::string_view::npos) return false;
    if (static_cast<unsigned char>(c) < 32) return false;
  }
  return true;
}
