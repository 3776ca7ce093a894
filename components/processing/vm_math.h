// TVMMath: adds two numbers and gives out the sum (the editor computes the
// next start row of the component search with it).
#pragma once

#include <cstdint>

#include "core/component.h"
#include "core/event.h"

class TVMMath : public TVMComponent {
 public:
  bool ResultIsNull = false;  // the Result output gives NULL
  double ResultValue = 0.0;   // the last sum
  double Operand1 = 0.0;      // used when Operand1Input is not connected
  double Operand2 = 1.0;      // used when Operand2Input is not connected
  uint8_t ResultType = 0;     // 0 integer (ties to even), 1 real
  TVM_Event OnValue;
  TVM_Event Operand1Input;
  TVM_Event Operand2Input;

  void SetResult(double value);
  // Action: sum of the two operands, fired (not forwarded) to OnValue.
  void Calculate(TData& data, uint16_t index);
  // Data output: the last sum as ResultType says, or NULL.
  void Result(TData& data, uint16_t index);
};
