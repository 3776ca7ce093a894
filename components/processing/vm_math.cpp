#include "components/processing/vm_math.h"

#include "core/convert.h"

void TVMMath::SetResult(double value) {
  ResultValue = value;
  ResultIsNull = false;
}

void TVMMath::Calculate(TData& data, uint16_t index) {
  double a = FetchReal(data, Operand1Input, Operand1);
  double b = FetchReal(data, Operand2Input, Operand2);
  SetResult(a + b);
  if (ResultType == 0)
    FireInt(OnValue, RoundToInt(ResultValue));
  else
    FireReal(OnValue, ResultValue);
}

void TVMMath::Result(TData& data, uint16_t index) {
  if (ResultIsNull)
    SetNullValue(data);
  else if (ResultType == 0)
    SetIntValue(data, RoundToInt(ResultValue));
  else
    SetRealValue(data, ResultValue);
}
