// The read and save chains of the job file, configured and joined in one
// place. The schema creates their instances in its own order and hands them
// here; tests, fuzzers and benchmarks build the same chains through the same
// functions, with stand-in tables at the ends.
//
// Read: flattener -> section split hub -> four section finders -> line
// markers -> row finders -> each table's AddRow.
// Save: feeder header -> row enumerator over the table -> "," appender ->
// line sink; the end of each section's rows triggers the next section's
// header, and the end of the component rows is the save's end.
#pragma once

#include "core/event.h"

class TVMArrayEnum;
class TVMBlockFind;
class TVMHub;
class TVMInformer;
class TVMStrCat;
class TVMStream2Hex;

// One point of each of the four tables, in file order.
struct TJobTableEnds {
  TVM_Event Feeders;
  TVM_Event SpecialFeeders;
  TVM_Event Boards;
  TVM_Event Components;
};

struct TReadChainParts {
  TVMStream2Hex* JobTextFlattener;
  TVMHub* SectionSplitHub;
  TVMBlockFind* FeederSectionFind;
  TVMBlockFind* SpecialSectionFind;
  TVMBlockFind* BoardSectionFind;
  TVMBlockFind* ComponentSectionFind;
  TVMBlockFind* FeederLineMarker;
  TVMBlockFind* SpecialLineMarker;
  TVMBlockFind* BoardLineMarker;
  TVMBlockFind* ComponentLineMarker;
  TVMBlockFind* FeederRowFind;
  TVMBlockFind* SpecialRowFind;
  TVMBlockFind* BoardRowFind;
  TVMBlockFind* ComponentRowFind;
};

struct TSaveChainParts {
  TVMInformer* FeederHeader;
  TVMInformer* SpecialHeader;
  TVMInformer* BoardHeader;
  TVMInformer* ComponentHeader;
  TVMArrayEnum* FeederRowEnum;
  TVMArrayEnum* SpecialRowEnum;
  TVMArrayEnum* BoardRowEnum;
  TVMArrayEnum* ComponentRowEnum;
  TVMStrCat* FeederRowComma;
  TVMStrCat* SpecialRowComma;
  TVMStrCat* BoardRowComma;
  TVMStrCat* ComponentRowComma;
};

// Marks, cut and replacement texts of every finder, and the flattener's
// line mark.
void ConfigureReadChain(const TReadChainParts& chain);

// The flattener's text into the hub, down to the tables: `addRow` are the
// tables' AddRow actions. The flattener's stream input stays open for the
// file end to join; so does its OnStreamRead.
void JoinReadChain(const TReadChainParts& chain, const TJobTableEnds& addRow);

// Header lines, the "," appended to each row, and which enumerators give
// up when stopped.
void ConfigureSaveChain(const TSaveChainParts& chain);

// `rowArrays` are the tables' array data points; `headerSink` receives the
// header lines. The chain's ends are joined by JoinSaveChainEnds.
void JoinSaveChain(const TSaveChainParts& chain, const TJobTableEnds& rowArrays, TVM_Event headerSink);

// The ends of the save chain: `rowLineSinks` receive each table's row lines
// (each with its "," appended); `done` fires after the last component row.
void JoinSaveChainEnds(const TSaveChainParts& chain, const TJobTableEnds& rowLineSinks, TVM_Event done);

// The actions that start each chain: the flattened text into the hub, and
// the save's start into the feeder header.
TVM_Event ReadChainTextInput(const TReadChainParts& chain);
TVM_Event SaveChainInput(const TSaveChainParts& chain);
