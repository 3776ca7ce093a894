// TVMMatrixRW: holds a connection to a matrix. The editor gives it no
// action; its instances only keep their Matrix inputs joined to the tables.
#pragma once

#include <cstdint>

#include "core/component.h"
#include "core/event.h"

class TVMMatrixRW : public TVMComponent {
 public:
  int32_t X = 0;
  int32_t Y = 0;
  TVM_Event Matrix;  // data input: the matrix
};
