#include "editor/job_chains.h"

#include "components/processing/array_enum.h"
#include "components/processing/block_find.h"
#include "components/processing/hub.h"
#include "components/processing/informer.h"
#include "components/processing/str_cat.h"
#include "components/processing/stream_to_hex.h"
#include "job/job_format.h"

#include <string>

namespace {

// The hub's outputs, one per section, in file order.
enum TSectionOutput : uint8_t {
  kFeederOutput, kSpecialOutput, kBoardOutput, kComponentOutput, kSectionCount
};

void SetBlockFind(TVMBlockFind* find, const char* startMark, const char* endMark, bool includeMarks,
                  bool cut, const char* replace) {
  find->StartMark = startMark;
  find->EndMark = endMark;
  find->IncludeMarks = includeMarks;
  find->Cut = cut;
  find->Replace = replace;
}

// Each pair of line marks, with what lies between them, becomes the marked
// line end; the rest of the block goes on to the row finder.
void SetLineMarker(TVMBlockFind* marker) {
  SetBlockFind(marker, kJobLineMark, kJobLineMark, true, true, kJobMarkedLineEnd);
}

// Each row is the text between a line mark and the next row end mark.
void SetRowFind(TVMBlockFind* rows) {
  SetBlockFind(rows, kJobLineMark, kJobRowEndMark, false, false, "");
}

void SetRowEnum(TVMArrayEnum* rows, bool breakEvent) {
  rows->Reverse = false;
  rows->BreakEvent = breakEvent;
}

void SetRowComma(TVMStrCat* comma) {
  comma->Text1 = "";
  comma->Text2 = kJobCellSeparator;
}

}  // namespace

void ConfigureReadChain(const TReadChainParts& c) {
  c.JobTextFlattener->ReplaceChar = kJobLineMark;
  c.JobTextFlattener->Mode = kStream2HexFlatten;
  // Files edited elsewhere end lines with a lone LF or CR, or leave the last
  // line open; each line end must read as one CR LF, or lines merge and the
  // last one is lost.
  c.JobTextFlattener->CrLfLineEnds = true;
  c.SectionSplitHub->SetCount(kSectionCount);
  SetBlockFind(c.FeederSectionFind, kFeederStartMark, kFeederEndMark, false, false, "");
  SetBlockFind(c.SpecialSectionFind, kSpecialFeederStartMark, kSpecialFeederEndMark, false, false, "");
  SetBlockFind(c.BoardSectionFind, kBoardStartMark, kBoardEndMark, false, false, "");
  // The component rows are what remains once the text before them is cut.
  SetBlockFind(c.ComponentSectionFind, kComponentCutStartMark, kComponentCutEndMark, false, true,
               kComponentCutReplace);
  for (TVMBlockFind* marker :
       {c.FeederLineMarker, c.SpecialLineMarker, c.BoardLineMarker, c.ComponentLineMarker})
    SetLineMarker(marker);
  for (TVMBlockFind* rows : {c.FeederRowFind, c.SpecialRowFind, c.BoardRowFind, c.ComponentRowFind})
    SetRowFind(rows);
}

// One line per link: source point = target action (index).
void JoinReadChain(const TReadChainParts& c, const TJobTableEnds& addRow) {
  c.JobTextFlattener->OnValue = MakeEvent<&TVMHub::Trigger>(c.SectionSplitHub, 0);
  c.SectionSplitHub->OnOutput[kFeederOutput] = MakeEvent<&TVMBlockFind::Search>(c.FeederSectionFind, 0);
  c.SectionSplitHub->OnOutput[kSpecialOutput] = MakeEvent<&TVMBlockFind::Search>(c.SpecialSectionFind, 0);
  c.SectionSplitHub->OnOutput[kBoardOutput] = MakeEvent<&TVMBlockFind::Search>(c.BoardSectionFind, 0);
  c.SectionSplitHub->OnOutput[kComponentOutput] = MakeEvent<&TVMBlockFind::Search>(c.ComponentSectionFind, 0);
  c.FeederSectionFind->OnBlock = MakeEvent<&TVMBlockFind::Search>(c.FeederLineMarker, 0);
  c.FeederLineMarker->OnRest = MakeEvent<&TVMBlockFind::Search>(c.FeederRowFind, 0);
  c.FeederRowFind->OnBlock = addRow.Feeders;
  c.SpecialSectionFind->OnBlock = MakeEvent<&TVMBlockFind::Search>(c.SpecialLineMarker, 0);
  c.SpecialLineMarker->OnRest = MakeEvent<&TVMBlockFind::Search>(c.SpecialRowFind, 0);
  c.SpecialRowFind->OnBlock = addRow.SpecialFeeders;
  c.BoardSectionFind->OnBlock = MakeEvent<&TVMBlockFind::Search>(c.BoardLineMarker, 0);
  c.BoardLineMarker->OnRest = MakeEvent<&TVMBlockFind::Search>(c.BoardRowFind, 0);
  c.BoardRowFind->OnBlock = addRow.Boards;
  c.ComponentSectionFind->OnRest = MakeEvent<&TVMBlockFind::Search>(c.ComponentLineMarker, 0);
  c.ComponentLineMarker->OnRest = MakeEvent<&TVMBlockFind::Search>(c.ComponentRowFind, 0);
  c.ComponentRowFind->OnBlock = addRow.Components;
}

void ConfigureSaveChain(const TSaveChainParts& c) {
  c.FeederHeader->Text = std::string(kJobMakerLine) + kJobLineEnd + kFeederHeaderLine;
  c.SpecialHeader->Text = kSpecialFeederHeaderLine;
  c.BoardHeader->Text = kBoardHeaderLine;
  c.ComponentHeader->Text = kComponentHeaderLine;
  SetRowEnum(c.FeederRowEnum, true);
  SetRowEnum(c.SpecialRowEnum, true);
  SetRowEnum(c.BoardRowEnum, true);
  // Nothing ever asks the last enumerator to stop, so BreakEvent would
  // change nothing there.
  SetRowEnum(c.ComponentRowEnum, false);
  for (TVMStrCat* comma :
       {c.FeederRowComma, c.SpecialRowComma, c.BoardRowComma, c.ComponentRowComma})
    SetRowComma(comma);
}

// One line per link: source point = target action or data output (index).
void JoinSaveChain(const TSaveChainParts& c, const TJobTableEnds& rowArrays, TVM_Event headerSink) {
  c.FeederHeader->OnTextOut = headerSink;
  c.FeederHeader->OnOutput = MakeEvent<&TVMArrayEnum::Enumerate>(c.FeederRowEnum, 0);
  c.FeederRowEnum->OnElement = MakeEvent<&TVMStrCat::Concat>(c.FeederRowComma, 0);
  c.FeederRowEnum->OnEnumDone = MakeEvent<&TVMInformer::Trigger>(c.SpecialHeader, 0);
  c.SpecialHeader->OnTextOut = headerSink;
  c.SpecialHeader->OnOutput = MakeEvent<&TVMArrayEnum::Enumerate>(c.SpecialRowEnum, 0);
  c.SpecialRowEnum->OnElement = MakeEvent<&TVMStrCat::Concat>(c.SpecialRowComma, 0);
  c.SpecialRowEnum->OnEnumDone = MakeEvent<&TVMInformer::Trigger>(c.BoardHeader, 0);
  c.BoardHeader->OnTextOut = headerSink;
  c.BoardHeader->OnOutput = MakeEvent<&TVMArrayEnum::Enumerate>(c.BoardRowEnum, 0);
  c.BoardRowEnum->OnElement = MakeEvent<&TVMStrCat::Concat>(c.BoardRowComma, 0);
  c.BoardRowEnum->OnEnumDone = MakeEvent<&TVMInformer::Trigger>(c.ComponentHeader, 0);
  c.ComponentHeader->OnTextOut = headerSink;
  c.ComponentHeader->OnOutput = MakeEvent<&TVMArrayEnum::Enumerate>(c.ComponentRowEnum, 0);
  c.ComponentRowEnum->OnElement = MakeEvent<&TVMStrCat::Concat>(c.ComponentRowComma, 0);

  c.FeederRowEnum->Array = rowArrays.Feeders;
  c.SpecialRowEnum->Array = rowArrays.SpecialFeeders;
  c.BoardRowEnum->Array = rowArrays.Boards;
  c.ComponentRowEnum->Array = rowArrays.Components;
}

void JoinSaveChainEnds(const TSaveChainParts& c, const TJobTableEnds& rowLineSinks, TVM_Event done) {
  c.FeederRowComma->OnConcat = rowLineSinks.Feeders;
  c.SpecialRowComma->OnConcat = rowLineSinks.SpecialFeeders;
  c.BoardRowComma->OnConcat = rowLineSinks.Boards;
  c.ComponentRowComma->OnConcat = rowLineSinks.Components;
  c.ComponentRowEnum->OnEnumDone = done;
}

TVM_Event ReadChainTextInput(const TReadChainParts& c) {
  return MakeEvent<&TVMHub::Trigger>(c.SectionSplitHub, 0);
}

TVM_Event SaveChainInput(const TSaveChainParts& c) {
  return MakeEvent<&TVMInformer::Trigger>(c.FeederHeader, 0);
}
