// The job file reader, the component read chain and the block search on
// arbitrary bytes: no crash, no out-of-bounds access, and
// - the chain of block searches reads the same rows as the module;
// - tables whose cells keep within the format, written and read again,
//   give the same rows;
// - tables the editor's check before saving lets through read back the
//   same through the read chain (nothing is saved that reads back
//   differently without the user being asked);
// - the linear block search gives the blocks, events and remaining text of
//   the plain in-place search, with arbitrary marks taken from the input.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "components/processing/block_find.h"
#include "job/job_format_fit.h"
#include "job/job_file.h"
#include "tests/components/processing/block_find_reference.h"
#include "tests/editor/stand_in_chains.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

size_t CountOccurrences(const std::string& text, const char* mark) {
  size_t count = 0;
  const std::string m = mark;
  for (size_t at = text.find(m); at != std::string::npos; at = text.find(m, at + 1)) ++count;
  return count;
}

bool CellsFit(const JobTable& table) {
  for (const JobRow& row : table)
    for (const std::string& cell : row)
      if (!CellFitsJobFormat(cell)) return false;
  return true;
}

// Cells within the byte limits that form no marker text (alone or across
// neighbouring cells) leave every section boundary where the headers put it.
bool WithinLimits(const JobTables& tables, const std::string& written) {
  if (!CellsFit(tables.Feeders) || !CellsFit(tables.SpecialFeeders) || !CellsFit(tables.Boards) ||
      !CellsFit(tables.Components))
    return false;
  const std::string bare = WriteJobFile(JobTables());
  for (const char* mark :
       {kFeederStartMark, kFeederEndMark, kSpecialFeederStartMark, kSpecialFeederEndMark,
        kBoardStartMark, kBoardEndMark, kComponentCutStartMark, kComponentCutEndMark})
    if (CountOccurrences(written, mark) != CountOccurrences(bare, mark)) return false;
  return true;
}

void CheckReader(const std::string& bytes) {
  const JobTables tables = ReadJobFile(bytes);
  for (const JobTable* table : {&tables.Feeders, &tables.SpecialFeeders, &tables.Boards,
                                &tables.Components})
    for (const JobRow& row : *table) Require(!row.empty());

  TReadChain chain;
  chain.ReadBytes(bytes);
  Require(chain.Tables() == tables);

  const std::string written = WriteJobFile(tables);
  if (WithinLimits(tables, written)) {
    Require(ReadJobFile(written) == tables);
    Require(TablesFitJobFormat(tables));
  }

  if (!FindJobFormatMisfit({tables.Feeders, tables.SpecialFeeders, tables.Boards, tables.Components})) {
    TReadChain again;
    again.ReadBytes(written);
    Require(again.Tables() == tables);
  }
}

class Recorder : public TVMComponent {
 public:
  std::vector<std::string> Texts;
  int Count = 0;
  void Receive(TData& data, uint16_t index) {
    Texts.push_back(ValueToStr(data));
    ++Count;
  }
};

class ConditionSource : public TVMComponent {
 public:
  uint8_t Pattern = 0;
  int Asked = 0;
  void Answer(TData& data, uint16_t index) { SetIntValue(data, (Pattern >> (Asked++ % 8)) & 1); }
};

// Input: settings byte, three lengths, the marks and replacement, the text.
void CheckBlockSearch(const uint8_t* data, size_t size) {
  if (size < 5) return;
  const uint8_t flags = data[0];
  size_t lengths[3] = {data[1] % 5u, data[2] % 5u, data[3] % 5u};
  const uint8_t pattern = data[4];
  size_t at = 5;
  std::string parts[3];
  for (int i = 0; i < 3; ++i) {
    size_t n = std::min(lengths[i], size - at);
    parts[i].assign(reinterpret_cast<const char*>(data) + at, n);
    at += n;
  }
  const std::string text(reinterpret_cast<const char*>(data) + at, size - at);

  BlockSearchSettings set;
  set.StartMark = parts[0];
  set.EndMark = parts[1];
  set.Replace = parts[2];
  set.IncludeMarks = flags & 1;
  set.Cut = flags & 2;
  set.CutOnCondition = flags & 4;
  set.StopAfterBlock = (flags >> 3) & 7;
  int referenceAsked = 0;
  set.Condition = [&] { return (pattern >> (referenceAsked++ % 8)) & 1; };

  TVMBlockFind find;
  Recorder blocks, missing, rest;
  ConditionSource condition;
  condition.Pattern = pattern;
  find.StartMark = set.StartMark;
  find.EndMark = set.EndMark;
  find.Replace = set.Replace;
  find.IncludeMarks = set.IncludeMarks;
  find.Cut = set.Cut;
  find.CutOnCondition = set.CutOnCondition;
  find.Condition = MakeEvent<&ConditionSource::Answer>(&condition);
  find.OnBlock = MakeEvent<&Recorder::Receive>(&blocks);
  find.OnMissing = MakeEvent<&Recorder::Receive>(&missing);
  find.OnRest = MakeEvent<&Recorder::Receive>(&rest);
  // The stop flag is set by a block receiver, as a linked component would.
  struct Stopper : TVMComponent {
    TVMBlockFind* Find;
    Recorder* Blocks;
    size_t After;
    void Receive(TData& data, uint16_t index) {
      Blocks->Receive(data, index);
      if (static_cast<size_t>(Blocks->Count) == After) Find->StopFlag = true;
    }
  } stopper;
  stopper.Find = &find;
  stopper.Blocks = &blocks;
  stopper.After = set.StopAfterBlock;
  find.OnBlock = MakeEvent<&Stopper::Receive>(&stopper);

  TVM_Event search = MakeEvent<&TVMBlockFind::Search>(&find);
  FireStr(search, text);

  if (text.size() > 20000) return;  // the in-place search is quadratic
  BlockSearchOutcome want = ReferenceBlockSearch(text, set);
  Require(blocks.Texts == want.Blocks);
  Require((missing.Count == 1) == want.Missing && missing.Count <= 1);
  Require(rest.Count == 1 && rest.Texts[0] == want.Rest);
  Require(condition.Asked == referenceAsked);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool started = [] {
    StartDispatch();
    return true;
  }();
  (void)started;
  CheckReader(std::string(reinterpret_cast<const char*>(data), size));
  CheckBlockSearch(data, size);
  return 0;
}
