// TVMBlockFind: finds every block of a text between a start mark and the
// next end mark, fires each block, optionally cuts the blocks out
// (replacing them with a fixed text) and passes the remaining text on.
//
// The search runs in time linear in the text: cut results are built front
// to back instead of deleting and inserting inside the whole text. The
// marks of a later block always lie after the last cut, so the blocks,
// the events and the remaining text are those of cutting in place.
#pragma once

#include <string>

#include "core/component.h"
#include "core/event.h"

class TVMBlockFind : public TVMComponent {
 public:
  // Cleared when a search starts; a set flag ends the search after the
  // current block. A receiver of OnBlock may set it.
  bool StopFlag = false;
  bool IncludeMarks = false;    // blocks include their marks; a cut removes them too
  bool Cut = false;             // found blocks are cut out of the text
  std::string Replace;          // inserted where a block was cut out
  bool CutOnCondition = false;  // cut only when Condition reads non-zero
  std::string StartMark;
  std::string EndMark;
  TVM_Event Condition;  // data input, read before each cut when CutOnCondition is set
  TVM_Event Text;       // data input: the text to search
  TVM_Event OnRest;     // the remaining text after the search
  TVM_Event OnMissing;  // no value: the search ended without a closing end mark
  TVM_Event OnBlock;    // one found block

  // Action: the search; OnBlock per block, then OnMissing when it applies,
  // then OnRest (forwarded, so it fires after the action returns).
  void Search(TData& data, uint16_t index);
};
