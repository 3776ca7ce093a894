// The editor's job file chains built from the real components, for tests
// and benchmarks: the read chain from the flattened text to the four
// tables, and the save chain from the four tables to the written lines.
// The tables are stand-ins: the read side splits each AddRow line into the
// section's column count, the save side publishes the rows as row lines
// through TArrayAccess. A test can put real file streams at either end:
// fire the flattened text into TReadChain::Input(), and give TSaveChain a
// line writer and a close action.
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
#include "core/component.h"
#include "core/event.h"
#include "editor/job_file.h"

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

// Hub -> four section finders -> line markers -> row finders -> tables.
class TReadChain {
 public:
  TVMHub SectionSplitHub;
  TVMBlockFind FeederSectionFind, SpecialSectionFind, BoardSectionFind, ComponentSectionFind;
  TVMBlockFind FeederLineMarker, SpecialLineMarker, BoardLineMarker, ComponentLineMarker;
  TVMBlockFind FeederRowFind, SpecialRowFind, BoardRowFind, ComponentRowFind;
  TTableStandIn FeederTable{kFeederColumns};
  TTableStandIn SpecialFeederTable{kSpecialFeederColumns};
  TTableStandIn BoardTable{kBoardColumns};
  TTableStandIn ComponentTable{kComponentColumns};

  TReadChain() {
    SectionSplitHub.Flag = 1;
    SectionSplitHub.SetCount(4);
    SetMarks(FeederSectionFind, kFeederStartMark, kFeederEndMark);
    SetMarks(SpecialSectionFind, kSpecialFeederStartMark, kSpecialFeederEndMark);
    SetMarks(BoardSectionFind, kBoardStartMark, kBoardEndMark);
    SetMarks(ComponentSectionFind, kComponentCutStartMark, kComponentCutEndMark);
    ComponentSectionFind.Cut = true;
    ComponentSectionFind.Replace = " ";
    for (TVMBlockFind* marker :
         {&FeederLineMarker, &SpecialLineMarker, &BoardLineMarker, &ComponentLineMarker}) {
      SetMarks(*marker, "/", "/");
      marker->IncludeMarks = true;
      marker->Cut = true;
      marker->Replace = "\\/";
    }
    for (TVMBlockFind* rows : {&FeederRowFind, &SpecialRowFind, &BoardRowFind, &ComponentRowFind})
      SetMarks(*rows, "/", "\\");

    SectionSplitHub.OnOutput[0] = MakeEvent<&TVMBlockFind::Search>(&FeederSectionFind);
    SectionSplitHub.OnOutput[1] = MakeEvent<&TVMBlockFind::Search>(&SpecialSectionFind);
    SectionSplitHub.OnOutput[2] = MakeEvent<&TVMBlockFind::Search>(&BoardSectionFind);
    SectionSplitHub.OnOutput[3] = MakeEvent<&TVMBlockFind::Search>(&ComponentSectionFind);
    FeederSectionFind.OnBlock = MakeEvent<&TVMBlockFind::Search>(&FeederLineMarker);
    FeederLineMarker.OnRest = MakeEvent<&TVMBlockFind::Search>(&FeederRowFind);
    FeederRowFind.OnBlock = MakeEvent<&TTableStandIn::AddRow>(&FeederTable);
    SpecialSectionFind.OnBlock = MakeEvent<&TVMBlockFind::Search>(&SpecialLineMarker);
    SpecialLineMarker.OnRest = MakeEvent<&TVMBlockFind::Search>(&SpecialRowFind);
    SpecialRowFind.OnBlock = MakeEvent<&TTableStandIn::AddRow>(&SpecialFeederTable);
    BoardSectionFind.OnBlock = MakeEvent<&TVMBlockFind::Search>(&BoardLineMarker);
    BoardLineMarker.OnRest = MakeEvent<&TVMBlockFind::Search>(&BoardRowFind);
    BoardRowFind.OnBlock = MakeEvent<&TTableStandIn::AddRow>(&BoardTable);
    ComponentSectionFind.OnRest = MakeEvent<&TVMBlockFind::Search>(&ComponentLineMarker);
    ComponentLineMarker.OnRest = MakeEvent<&TVMBlockFind::Search>(&ComponentRowFind);
    ComponentRowFind.OnBlock = MakeEvent<&TTableStandIn::AddRow>(&ComponentTable);
  }
  TReadChain(const TReadChain&) = delete;
  TReadChain& operator=(const TReadChain&) = delete;

  // The action that takes the flattened file text.
  TVM_Event Input() { return MakeEvent<&TVMHub::Trigger>(&SectionSplitHub); }

  JobTables Tables() const {
    return {FeederTable.Rows(), SpecialFeederTable.Rows(), BoardTable.Rows(), ComponentTable.Rows()};
  }

 private:
  static void SetMarks(TVMBlockFind& find, const char* start, const char* end) {
    find.StartMark = start;
    find.EndMark = end;
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
    FeederHeader.Text = std::string(kJobMakerLine) + kJobLineEnd + kFeederHeaderLine;
    SpecialHeader.Text = kSpecialFeederHeaderLine;
    BoardHeader.Text = kBoardHeaderLine;
    ComponentHeader.Text = kComponentHeaderLine;
    for (TVMArrayEnum* rows : {&FeederRowEnum, &SpecialRowEnum, &BoardRowEnum})
      rows->BreakEvent = true;
    for (TVMStrCat* comma : {&FeederRowComma, &SpecialRowComma, &BoardRowComma, &ComponentRowComma})
      comma->Text2 = ",";

    Link(FeederHeader, FeederRowEnum, FeederRowComma, FeederTable, lineSink);
    Link(SpecialHeader, SpecialRowEnum, SpecialRowComma, SpecialFeederTable, lineSink);
    Link(BoardHeader, BoardRowEnum, BoardRowComma, BoardTable, lineSink);
    Link(ComponentHeader, ComponentRowEnum, ComponentRowComma, ComponentTable, lineSink);
    FeederRowEnum.OnEnumDone = MakeEvent<&TVMInformer::Trigger>(&SpecialHeader);
    SpecialRowEnum.OnEnumDone = MakeEvent<&TVMInformer::Trigger>(&BoardHeader);
    BoardRowEnum.OnEnumDone = MakeEvent<&TVMInformer::Trigger>(&ComponentHeader);
    ComponentRowEnum.OnEnumDone = done;
  }
  TSaveChain(const TSaveChain&) = delete;
  TSaveChain& operator=(const TSaveChain&) = delete;

  // The action that starts the writing (the save hub's last output).
  TVM_Event Input() { return MakeEvent<&TVMInformer::Trigger>(&FeederHeader); }

  void Load(const JobTables& tables) {
    FeederTable.SetRows(tables.Feeders);
    SpecialFeederTable.SetRows(tables.SpecialFeeders);
    BoardTable.SetRows(tables.Boards);
    ComponentTable.SetRows(tables.Components);
  }

 private:
  static void Link(TVMInformer& header, TVMArrayEnum& rows, TVMStrCat& comma, TTableStandIn& table,
                   TVM_Event lineSink) {
    header.OnTextOut = lineSink;
    header.OnOutput = MakeEvent<&TVMArrayEnum::Enumerate>(&rows);
    rows.Array = MakeEvent<&TTableStandIn::Array>(&table, 3);
    rows.OnElement = MakeEvent<&TVMStrCat::Concat>(&comma);
    comma.OnConcat = lineSink;
  }
};
