#include "components/processing/array_find.h"

#include <windows.h>

#include <array>

namespace {

// Each byte's lower case in a single-byte ANSI code page, asked of the
// platform once; empty in a multi-byte code page, where a byte is not always
// a character of its own.
const std::array<char, 256>* SingleByteLowerCase() {
  static const std::array<char, 256>* table = [] {
    CPINFO info{};
    if (!GetCPInfo(CP_ACP, &info) || info.MaxCharSize != 1) return static_cast<std::array<char, 256>*>(nullptr);
    auto* lower = new std::array<char, 256>;
    for (int b = 0; b < 256; ++b) (*lower)[b] = static_cast<char>(b);
    CharLowerBuffA(lower->data(), 256);
    return lower;
  }();
  return table;
}

// Lower-cases by the rules of the ANSI code page (Windows-1251 on the
// machines the editor runs on), embedded zero bytes included. A search
// lower-cases every row it reads, so the single-byte case goes through the
// table rather than a platform call per row.
std::string LowerAnsi(std::string text) {
  if (text.empty()) return text;
  if (const auto* lower = SingleByteLowerCase()) {
    for (char& c : text) c = (*lower)[static_cast<unsigned char>(c)];
  } else {
    CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
  }
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
    // The row's text is taken over, not copied: a search reads every row.
    std::string text = item.Kind == kKindString ? std::move(item.StrValue) : ValueToStr(item);
    if (!CaseSensitive) text = LowerAnsi(std::move(text));
    if ((Partial && !wanted.empty() && text.find(wanted) != std::string::npos) ||
        wanted == text) {
      FoundIndex = i;
      break;
    }
  }
  ForwardInt(data, OnFound, FoundIndex);
}

void TVMArrayFind::Index(TData& data, uint16_t index) { SetIntValue(data, FoundIndex); }
