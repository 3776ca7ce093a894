#include "components/processing/block_find.h"

namespace {

// Position of mark in text at or after from; npos when there is none or
// when the mark is empty.
size_t FindMark(const std::string& text, const std::string& mark, size_t from) {
  if (mark.empty() || from > text.size()) return std::string::npos;
  return text.find(mark, from);
}

}  // namespace

void TVMBlockFind::Search(TData& data, uint16_t index) {
  // The working text is `kept` followed by source[done...]. Every search
  // starts at or after `done`, so the kept part is never looked at again.
  const std::string source = FetchStr(data, Text, std::string());
  std::string kept;
  size_t done = 0;
  const size_t startLength = StartMark.size();
  const size_t endLength = EndMark.size();

  size_t s = FindMark(source, StartMark, 0);
  StopFlag = false;
  bool closed = false;  // the last start mark found had its end mark
  while (s != std::string::npos) {
    size_t e = FindMark(source, EndMark, s + startLength);
    if (e == std::string::npos) {
      closed = false;
      break;
    }
    closed = true;
    if (IncludeMarks)
      FireStr(OnBlock, source.substr(s, e - s + endLength));
    else
      FireStr(OnBlock, source.substr(s + startLength, e - s - startLength));
    if (StopFlag) break;

    size_t next;  // where the next start mark is searched
    if (!Cut) {
      next = e + endLength;
    } else if (CutOnCondition && FetchPointInt(Condition) == 0) {
      next = e;
    } else {
      if (StopFlag) break;
      size_t cutFrom = IncludeMarks ? s : s + startLength;
      size_t cutTo = IncludeMarks ? e + endLength : e;
      kept.append(source, done, cutFrom - done);
      kept += Replace;
      done = cutTo;
      next = cutTo;
    }
    if (StopFlag) break;
    s = FindMark(source, StartMark, next);
  }
  if (!closed) FireNull(OnMissing);

  if (done == 0) {
    ForwardStr(data, OnRest, source);
  } else {
    kept.append(source, done, std::string::npos);
    ForwardStr(data, OnRest, kept);
  }
}
