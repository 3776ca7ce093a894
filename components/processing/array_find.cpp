#include "components/processing/array_find.h"

#include <windows.h>

namespace {

// Lower-cases by the rules of the ANSI code page (Windows-1251 on the
// machines the editor runs on), embedded zero bytes included.
std::string LowerAnsi(std::string text) {
  if (!text.empty()) CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

}  // namespace

void TVMArrayFind::Find(TData& data, uint16_t index) {
  SearchedArray = FetchPointArray(Array);
  if (!SearchedArray) return;
  const int32_t count = SearchedArray->Count();
  if (count == 0) return;

  int32_t start = FetchInt(data, StartInput, Start);
  TData value = FetchValue(data, ValueInput, &Value);
  if (start < 0) return;

  std::string wanted = ValueToStr(value);
  if (!CaseSensitive) wanted = LowerAnsi(wanted);

  FoundIndex = -1;
  for (int32_t i = start; i < count; ++i) {
    TData itemIndex = IntValue(i);
    TData item;
    SearchedArray->Get(itemIndex, item);
    FreeValueChain(item);
    std::string text = ValueToStr(item);
    if (!CaseSensitive) text = LowerAnsi(text);
    if ((Partial && !wanted.empty() && text.find(wanted) != std::string::npos) ||
        wanted == text) {
      FoundIndex = i;
      break;
    }
  }
  ForwardInt(data, OnFound, FoundIndex);
}

void TVMArrayFind::Index(TData& data, uint16_t index) { SetIntValue(data, FoundIndex); }
