#include "components/processing/block_find.h"

#include <string>
#include <utility>

namespace {

// Position of mark in text at or after from; npos when there is none or
// when the mark is empty.
size_t FindMark(const std::string& text, const std::string& mark, size_t from) {
  if (mark.empty() || from > text.size()) return std::string::npos;
  return text.find(mark, from);
}

// The text parameter by the fetch rule. An incoming string is moved out
// rather than copied: the fetch consumes it anyway, and section texts are
// large.
std::string FetchText(TData& data, TVM_Event& point) {
  if (point.Code || data.Kind != kKindString) return FetchStr(data, point, std::string());
  std::string text = std::move(data.StrValue);
  TakeChainValue(data);
  return text;
}

// FireStr with a piece of the text, copied once.
void FirePiece(TVM_Event& event, const std::string& text, size_t from, size_t length) {
  TData piece;
  SetStrValue(piece, std::string());
  piece.StrValue.assign(text, from, length);
  Fire(event, piece);
}

// The text of a search with its cuts applied front to back. The kept text
// is compacted into the front of the same buffer while no replacement is
// longer than what it replaces (the line markers and the component cut);
// otherwise it continues in a second buffer. Either way the part not yet
// read, text[done...], is never touched, so every later search sees the
// text as cutting in place would have left it.
class CutText {
 public:
  explicit CutText(std::string&& text) : Text(std::move(text)) {}

  const std::string& Unread() const { return Text; }  // valid from Done() on
  size_t Done() const { return DoneAt; }

  // Keeps text[Done(), from), then puts `replace` where [from, to) was.
  void Cut(size_t from, size_t to, const std::string& replace) {
    const size_t keep = from - DoneAt;
    if (!Spilled && WriteAt + keep + replace.size() <= to) {
      char* buffer = Text.data();
      if (WriteAt != DoneAt) std::char_traits<char>::move(buffer + WriteAt, buffer + DoneAt, keep);
      WriteAt += keep;
      std::char_traits<char>::copy(buffer + WriteAt, replace.data(), replace.size());
      WriteAt += replace.size();
    } else {
      if (!Spilled) Spill.assign(Text, 0, WriteAt);
      Spilled = true;
      Spill.append(Text, DoneAt, keep);
      Spill += replace;
    }
    DoneAt = to;
  }

  // The whole remaining text; the object is used up.
  std::string Take() {
    if (Spilled) {
      Spill.append(Text, DoneAt, std::string::npos);
      return std::move(Spill);
    }
    if (WriteAt != DoneAt) Text.erase(WriteAt, DoneAt - WriteAt);
    return std::move(Text);
  }

 private:
  std::string Text;
  std::string Spill;
  size_t DoneAt = 0;   // Text[DoneAt...] is unread and unchanged
  size_t WriteAt = 0;  // end of the kept text in Text (until spilled)
  bool Spilled = false;
};

}  // namespace

void TVMBlockFind::Search(TData& data, uint16_t index) {
  CutText text(FetchText(data, Text));
  const std::string& source = text.Unread();
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
      FirePiece(OnBlock, source, s, e - s + endLength);
    else
      FirePiece(OnBlock, source, s + startLength, e - s - startLength);
    if (StopFlag) break;

    size_t next;  // where the next start mark is searched
    if (!Cut) {
      next = e + endLength;
    } else if (CutOnCondition && FetchPointInt(Condition) == 0) {
      next = e;
    } else {
      if (StopFlag) break;
      if (IncludeMarks)
        text.Cut(s, e + endLength, Replace);
      else
        text.Cut(s + startLength, e, Replace);
      next = text.Done();
    }
    if (StopFlag) break;
    s = FindMark(source, StartMark, next);
  }
  if (!closed) FireNull(OnMissing);

  // Forwards the remaining text without copying it once more.
  ForwardStr(data, OnRest, std::string());
  data.StrValue = text.Take();
}
