#include "components/processing/str_cat.h"

void TVMStrCat::Concat(TData& data, uint16_t index) {
  std::string first = FetchStr(data, Text1Input, Text1);
  std::string second = FetchStr(data, Text2Input, Text2);
  Result = first + second;
  ForwardStr(data, OnConcat, Result);
}
