// TData: the one value type carried by every event and answered by every
// data point of the component network.
#pragma once

#include <cstdint>
#include <string>

#include "core/method.h"

struct TVM_Event;
class TStream;

// Kind codes. Only the ones the runtime sets or reads have constants; the
// other names exist for the vocabulary table.
enum : uint8_t {
  kKindNull = 0,
  kKindInteger = 1,
  kKindString = 2,
  kKindReal = 7,
  kKindStream = 10,
  kKindArray = 13,
  kKindMatrix = 16,
  kKindBreak = 22,
  kKindCount = 23,
  kForwardFlag = 128,
};

extern const char* const KindNames[kKindCount];

struct TArrayAccess;
struct TMatrixAccess;

struct TData {
  uint8_t Kind = kKindNull;  // bit 7 is the forward flag
  int32_t IntValue = 0;
  // The object of kinds Stream, Array and Matrix: pointer sized in a 64-bit
  // build, so it lives beside the 32-bit integer instead of inside it.
  void* ObjValue = nullptr;
  std::string StrValue;  // bytes, never converted
  double RealValue = 0.0;
  TVM_Event* ForwardTo = nullptr;
  TData* Next = nullptr;  // further values of a chain; heap records
};

struct TArrayAccess {
  TMethod<void(TData& index, TData& value)> Set;
  TMethod<bool(TData& index, TData& result)> Get;
  TMethod<int32_t()> Count;
  TMethod<void(TData& value)> Add;
};

struct TMatrixAccess {
  TMethod<void(int32_t x, int32_t y, TData& value)> Set;
  TMethod<void(int32_t x, int32_t y, TData& result)> Get;
  TMethod<int32_t()> Rows;
  TMethod<int32_t()> Cols;
};

// Setters: set Kind, fill the slot, clear ForwardTo and Next.
void SetNullValue(TData& data);
void SetIntValue(TData& data, int32_t value);
TData IntValue(int32_t value);
void SetStrValue(TData& data, const std::string& text);
void SetStrValue(TData& data, std::string&& text);  // takes the text over
void SetRealValue(TData& data, double value);
void SetStreamValue(TData& data, TStream* stream);
void SetArrayValue(TData& data, TArrayAccess* access);
void SetMatrixValue(TData& data, TMatrixAccess* access);

// Forward setters: ask the dispatcher to fire `event` with this record once
// the current input method returns.
void ForwardNull(TData& data, TVM_Event& event);
void ForwardInt(TData& data, TVM_Event& event, int32_t value);
void ForwardStr(TData& data, TVM_Event& event, const std::string& text);
void ForwardStream(TData& data, TVM_Event& event, TStream* stream);
void ForwardData(TData& data, TVM_Event& event);
void ForwardCopy(TData& data, TVM_Event& event, const TData& source);

// Conversions; they never change the record.
int32_t ValueToInt(const TData& data);
double ValueToReal(const TData& data);
std::string ValueToStr(const TData& data);
int32_t ValueToIndex(const TData& data);

// Takes one value off a chain: Kind becomes NULL when Next is nil, otherwise
// the next record is copied over data.
void TakeChainValue(TData& data);
void FreeValueChain(TData& data);

// The caller owns the result; nil Set/Add become do-nothing methods.
TArrayAccess* MakeArrayAccess(TMethod<void(TData&, TData&)> set,
                              TMethod<bool(TData&, TData&)> get,
                              TMethod<int32_t()> count,
                              TMethod<void(TData&)> add);
