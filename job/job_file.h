// The job file of the ZR780K machine in plain code: the exact bytes the
// editor writes and the exact rules by which it cuts a file into table rows.
// The command-line program reads and writes jobs through it, and tests,
// fuzzers and benchmarks hold the editor's read and save chains against it.
//
// The reader is not a CSV parser. It flattens the file into one line (every
// control byte becomes "/"), finds each section between fixed marker texts,
// turns each pair of "/" into the line marker "\/" and cuts the rows between
// "/" and the next "\". Files that deviate from the written form are read by
// these rules and no others, so a file without the maker line gives every
// line but the first to the component table. Line ends are the exception:
// a lone LF or CR ends a line as CR LF does, and an open last line is read.
//
// Limits of the format (checked by neither reader nor writer): cells hold no
// ",", "/", "\" and no control bytes.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "job/job_format.h"

using JobRow = std::vector<std::string>;
using JobTable = std::vector<JobRow>;

// The four tables, as the editor shows them: every row has exactly the
// column count of its section.
struct JobTables {
  JobTable Feeders;
  JobTable SpecialFeeders;
  JobTable Boards;
  JobTable Components;

  bool operator==(const JobTables& other) const = default;
};

// --- Reading, step by step -------------------------------------------------

// Every line end (CR LF, a lone CR or LF) is taken as CR LF and an open last
// line is closed; then every byte below 32 becomes "/", so a line end reads
// "//".
std::string FlattenJobText(const std::string& bytes);

// The texts strictly between each start mark and the next end mark after it;
// searching goes on after that end mark. Empty marks find nothing.
std::vector<std::string> FindSectionBlocks(const std::string& text, const std::string& startMark,
                                           const std::string& endMark);

// The component block: the text between each "#Bremlitz" and the next
// "Skip,Name" after it becomes one space (the marks stay). Without such a
// pair the text is returned unchanged.
std::string CutComponentPrefix(const std::string& flat);

// Each "/" and the next "/" after it, with everything between them, become
// "\/"; the search goes on after the inserted text.
std::string MarkLineEnds(const std::string& block);

// The texts strictly between each "/" and the next "\" after it; the search
// goes on after that "\".
std::vector<std::string> CutRows(const std::string& marked);

// Splits the row text plus one "," at every ","; fields beyond the last
// column are dropped, columns without a field stay empty.
JobRow SplitRow(const std::string& rowText, size_t columns);

JobTables ReadJobFile(const std::string& bytes);

// --- Writing ---------------------------------------------------------------

// The row's cells joined with ",", then "," (no line end). A row is written
// with exactly `columns` cells, as its table holds it: missing cells are
// written empty.
std::string JoinRow(const JobRow& row, size_t columns);

// The maker line, then each section's header line and rows; every line,
// the last included, ends with CR LF.
std::string WriteJobFile(const JobTables& tables);

// True when the cell text keeps within the limits of the format: no ",",
// "/", "\" and no control bytes.
bool CellFitsJobFormat(const std::string& cell);

// True when the tables, once written, read back into the same cells (each
// row taken with its table's column count): every cell fits the format, and
// no cell text moves a section boundary (a feeder cell holding "#Special",
// for example, ends the feeder section early).
bool TablesFitJobFormat(const JobTables& tables);

