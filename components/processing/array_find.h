// TVMArrayFind: searches an array for an element that equals or contains a
// text, from a start index on, and reports the index (-1 when none). The
// editor's component search runs on it.
#pragma once

#include "core/component.h"
#include "core/event.h"

class TVMArrayFind : public TVMComponent {
 public:
  TArrayAccess* SearchedArray = nullptr;  // the array read at the start of the last search
  int32_t FoundIndex = -1;                 // the index found by the last search
  int32_t Start = 0;                   // first index when StartInput is not connected
  TData Value;                         // the text when ValueInput is not connected
  bool CaseSensitive = false;          // otherwise both sides are lower-cased first
  bool Partial = true;                 // an element also matches when it contains the text
  TVM_Event OnFound;                   // the found index, or -1
  TVM_Event Array;                     // data input: the array
  TVM_Event StartInput;                // data input: the first index
  TVM_Event ValueInput;                // data input: the text

  // Action: the search; forwards the index to OnFound. An unconnected or
  // empty array, or a negative start, ends it silently.
  void Find(TData& data, uint16_t index);
  // Data output: Integer FoundIndex.
  void Index(TData& data, uint16_t index);
};
