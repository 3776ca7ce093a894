// The editor's job file chains, configured and joined by their one home in
// the editor, owned here with stand-in tables at their ends, for tests,
// fuzzers and benchmarks: the read chain from the flattened text to the four
// tables, and the save chain from the four tables to the written lines.
// The read side's tables split each AddRow line into the section's column
// count, the save side's publish the rows as row lines through
// TArrayAccess. A test can put real file streams at either end: fire the
// file stream into the flattener, or the flattened text into
// TReadChain::Input(), and give TSaveChain a line writer and a close action.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "components/processing/array_enum.h"
#include "components/processing/block_find.h"
#include "components/processing/hub.h"
#include "components/processing/informer.h"
#include "components/processing/str_cat.h"
#include "components/processing/stream_to_hex.h"
#include "core/component.h"
#include "core/event.h"
#include "editor/job_chains.h"
#include "job/job_file.h"
#include "tests/toolkit/memory_stream.h"

// One section table: row lines in, row lines out, like the string table
// with the separator ",". Lines are kept as they come and cut into the
// column count when the rows are asked for.
class TTableStandIn : public TVMComponent {
 public:
  explicit TTableStandIn(size_t columns) : Columns(columns) {
    Access.Set = MakeMethod<&TTableStandIn::SetRow>(this);
    Access.Get = MakeMethod<&TTableStandIn::GetRow>(this);
    Access.Count = MakeMethod<&TTableStandIn::RowCount>(this);
    Access.Add = MakeMethod<&TTableStandIn::AddRowLine>(this);
  }

  const size_t Columns;
  // A deque grows in small blocks: a long file costs no large moves.
  std::deque<std::string> Lines;

  // Action: appends the incoming line as a new last row.
  void AddRow(TData& data, uint16_t index) { Lines.push_back(FetchStr(data, NoSource, std::string())); }
  // Data output: the rows as an array of row lines.
  void Array(TData& data, uint16_t index) { SetArrayValue(data, &Access); }

  // The line plus one "," cut at every ","; fields beyond the last column
  // are dropped, missing ones stay empty.
  JobTable Rows() const {
    JobTable rows;
    rows.reserve(Lines.size());
    for (const std::string& line : Lines) {
      JobRow row(Columns);
      const std::string rest = line + ",";
      size_t from = 0;
      for (size_t c = 0; c < Columns && from < rest.size(); ++c) {
        size_t comma = rest.find(',', from);
        row[c] = rest.substr(from, comma - from);
        from = comma + 1;
      }
      rows.push_back(std::move(row));
    }
    return rows;
  }
  // Fills the table as the editor shows it: each row with the column count
  // of cells, joined with ",".
  void SetRows(const JobTable& rows) {
    Lines.clear();
    for (const JobRow& row : rows) {
      std::string line;
      for (size_t c = 0; c < Columns; ++c) {
        if (c > 0) line += ',';
        if (c < row.size()) line += row[c];
      }
      Lines.push_back(std::move(line));
    }
  }

 private:
  TVM_Event NoSource;
  TArrayAccess Access;

  bool InRange(int32_t i) const { return i >= 0 && static_cast<size_t>(i) < Lines.size(); }
  bool GetRow(TData& index, TData& result) {
    int32_t i = ValueToIndex(index);
    if (!InRange(i)) return false;
    SetStrValue(result, Lines[static_cast<size_t>(i)]);
    return true;
  }
  void SetRow(TData& index, TData& value) {
    int32_t i = ValueToIndex(index);
    if (InRange(i)) Lines[static_cast<size_t>(i)] = ValueToStr(value);
  }
  int32_t RowCount() { return static_cast<int32_t>(Lines.size()); }
  void AddRowLine(TData& value) { Lines.push_back(ValueToStr(value)); }
};

// Flattener -> hub -> four section finders -> line markers -> row finders
// -> tables.
class TReadChain {
 public:
  TVMStream2Hex JobTextFlattener;
  TVMHub SectionSplitHub;
  TVMBlockFind FeederSectionFind, SpecialSectionFind, BoardSectionFind, ComponentSectionFind;
  TVMBlockFind FeederLineMarker, SpecialLineMarker, BoardLineMarker, ComponentLineMarker;
  TVMBlockFind FeederRowFind, SpecialRowFind, BoardRowFind, ComponentRowFind;
  TTableStandIn FeederTable{kFeederColumns};
  TTableStandIn SpecialFeederTable{kSpecialFeederColumns};
  TTableStandIn BoardTable{kBoardColumns};
  TTableStandIn ComponentTable{kComponentColumns};

  TReadChain() {
    ConfigureReadChain(Parts());
    JoinReadChain(Parts(), {MakeEvent<&TTableStandIn::AddRow>(&FeederTable),
                            MakeEvent<&TTableStandIn::AddRow>(&SpecialFeederTable),
                            MakeEvent<&TTableStandIn::AddRow>(&BoardTable),
                            MakeEvent<&TTableStandIn::AddRow>(&ComponentTable)});
  }
  TReadChain(const TReadChain&) = delete;
  TReadChain& operator=(const TReadChain&) = delete;

  // The action that takes the flattened file text.
  TVM_Event Input() { return ReadChainTextInput(Parts()); }

  // The file's bytes, held in memory, into the flattener: the chain as the
  // editor's open runs it once the file is open.
  void ReadBytes(const std::string& bytes) {
    TMemoryFile file{bytes};
    TStream* stream = OpenMemoryStream(file);
    TData data;
    SetStreamValue(data, stream);
    TVM_Event convert = MakeEvent<&TVMStream2Hex::Convert>(&JobTextFlattener);
    Fire(convert, data);
    stream->Free();
  }

  JobTables Tables() const {
    return {FeederTable.Rows(), SpecialFeederTable.Rows(), BoardTable.Rows(), ComponentTable.Rows()};
  }

 private:
  TReadChainParts Parts() {
    return {&JobTextFlattener,  &SectionSplitHub,
            &FeederSectionFind, &SpecialSectionFind, &BoardSectionFind, &ComponentSectionFind,
            &FeederLineMarker,  &SpecialLineMarker,  &BoardLineMarker,  &ComponentLineMarker,
            &FeederRowFind,     &SpecialRowFind,     &BoardRowFind,     &ComponentRowFind};
  }
};

// Collects the lines the save chain writes, as the line writer would put
// them into the file, and counts the close requests.
class TLineCollector : public TVMComponent {
 public:
  std::string Bytes;
  int Closes = 0;

  void PutLine(TData& data, uint16_t index) {
    Bytes += ValueToStr(data);
    Bytes += kJobLineEnd;
  }
  void CloseFile(TData& data, uint16_t index) { ++Closes; }
};

// Informers -> array enumerators over the tables -> "," appenders -> lines.
class TSaveChain {
 public:
  TVMInformer FeederHeader, SpecialHeader, BoardHeader, ComponentHeader;
  TVMArrayEnum FeederRowEnum, SpecialRowEnum, BoardRowEnum, ComponentRowEnum;
  TVMStrCat FeederRowComma, SpecialRowComma, BoardRowComma, ComponentRowComma;
  TTableStandIn FeederTable{kFeederColumns};
  TTableStandIn SpecialFeederTable{kSpecialFeederColumns};
  TTableStandIn BoardTable{kBoardColumns};
  TTableStandIn ComponentTable{kComponentColumns};

  // lineSink receives every line (the line writer's PutLine); done fires
  // after the last component row (the write stream's CloseFile).
  TSaveChain(TVM_Event lineSink, TVM_Event done) {
    ConfigureSaveChain(Parts());
    JoinSaveChain(Parts(),
                  {MakeEvent<&TTableStandIn::Array>(&FeederTable, 3),
                   MakeEvent<&TTableStandIn::Array>(&SpecialFeederTable, 3),
                   MakeEvent<&TTableStandIn::Array>(&BoardTable, 3),
                   MakeEvent<&TTableStandIn::Array>(&ComponentTable, 3)},
                  lineSink);
    JoinSaveChainEnds(Parts(), {lineSink, lineSink, lineSink, lineSink}, done);
  }
  TSaveChain(const TSaveChain&) = delete;
  TSaveChain& operator=(const TSaveChain&) = delete;

  // The action that starts the writing (the save hub's last output).
  TVM_Event Input() { return SaveChainInput(Parts()); }

  void Load(const JobTables& tables) {
    FeederTable.SetRows(tables.Feeders);
    SpecialFeederTable.SetRows(tables.SpecialFeeders);
    BoardTable.SetRows(tables.Boards);
    ComponentTable.SetRows(tables.Components);
  }

 private:
  TSaveChainParts Parts() {
    return {&FeederHeader,   &SpecialHeader,   &BoardHeader,   &ComponentHeader,
            &FeederRowEnum,  &SpecialRowEnum,  &BoardRowEnum,  &ComponentRowEnum,
            &FeederRowComma, &SpecialRowComma, &BoardRowComma, &ComponentRowComma};
  }
};
