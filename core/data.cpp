#include "core/data.h"

#include <utility>

#include "core/convert.h"
#include "core/event.h"

const char* const KindNames[kKindCount] = {
    "NULL",   "Integer", "String", "Data",   "Combo",   "StrList", "Icon",   "Real",
    "Color",  "Script",  "Stream", "Bitmap", "Wave",    "Array",   "ComboEx", "Font",
    "Matrix", "Jpeg",    "Menu",   "Code",   "Object",  "Type",    "Break"};

static void SetKind(TData& data, uint8_t kind) {
  data.Kind = kind;
  data.ForwardTo = nullptr;
  data.Next = nullptr;
}

void SetNullValue(TData& data) { SetKind(data, kKindNull); }

void SetIntValue(TData& data, int32_t value) {
  SetKind(data, kKindInteger);
  data.IntValue = value;
}

TData IntValue(int32_t value) {
  TData data;
  SetIntValue(data, value);
  return data;
}

void SetStrValue(TData& data, const std::string& text) {
  SetKind(data, kKindString);
  data.StrValue = text;
}

void SetStrValue(TData& data, std::string&& text) {
  SetKind(data, kKindString);
  data.StrValue = std::move(text);
}

void SetRealValue(TData& data, double value) {
  SetKind(data, kKindReal);
  data.RealValue = value;
}

void SetStreamValue(TData& data, TStream* stream) {
  SetKind(data, kKindStream);
  data.ObjValue = stream;
}

void SetArrayValue(TData& data, TArrayAccess* access) {
  SetKind(data, kKindArray);
  data.ObjValue = access;
}

void SetMatrixValue(TData& data, TMatrixAccess* access) {
  SetKind(data, kKindMatrix);
  data.ObjValue = access;
}

void ForwardNull(TData& data, TVM_Event& event) {
  data.Kind = kForwardFlag | kKindNull;
  data.ForwardTo = &event;
}

void ForwardInt(TData& data, TVM_Event& event, int32_t value) {
  SetIntValue(data, value);
  data.Kind |= kForwardFlag;
  data.ForwardTo = &event;
}

void ForwardStr(TData& data, TVM_Event& event, const std::string& text) {
  SetStrValue(data, text);
  data.Kind |= kForwardFlag;
  data.ForwardTo = &event;
}

void ForwardStream(TData& data, TVM_Event& event, TStream* stream) {
  SetStreamValue(data, stream);
  data.Kind |= kForwardFlag;
  data.ForwardTo = &event;
}

void ForwardData(TData& data, TVM_Event& event) {
  data.Kind = static_cast<uint8_t>(data.Kind + kForwardFlag);
  data.ForwardTo = &event;
}

void ForwardCopy(TData& data, TVM_Event& event, const TData& source) {
  if (&data != &source) data = source;
  ForwardData(data, event);
}

int32_t ValueToInt(const TData& data) {
  switch (data.Kind) {
    case kKindInteger: return data.IntValue;
    case kKindString: return TextToInt(data.StrValue);
    case kKindReal: return RoundToInt(data.RealValue);
    default: return 0;
  }
}

double ValueToReal(const TData& data) {
  switch (data.Kind) {
    case kKindInteger: return data.IntValue;
    case kKindString: return TextToReal(data.StrValue);
    case kKindReal: return data.RealValue;
    default: return 0.0;
  }
}

std::string ValueToStr(const TData& data) {
  switch (data.Kind) {
    case kKindInteger: return IntToText(data.IntValue);
    case kKindString: return data.StrValue;
    case kKindReal: return RealToText(data.RealValue);
    default: return std::string();
  }
}

int32_t ValueToIndex(const TData& data) {
  switch (data.Kind) {
    case kKindInteger: return data.IntValue;
    case kKindString: {
      if (data.StrValue.empty()) return -1;
      const int32_t index = TextToInt(data.StrValue);
      // A text that is no number selects nothing; "0" selects the first row.
      if (index == 0 && data.StrValue[0] != '0') return -1;
      return index;
    }
    case kKindReal: return RoundToInt(data.RealValue);
    default: return -1;
  }
}

void TakeChainValue(TData& data) {
  TData* next = data.Next;
  if (!next) {
    data.Kind = kKindNull;
    return;
  }
  data = *next;  // data.Next now names the third value
  delete next;   // nothing links to the taken record any more
}

void FreeValueChain(TData& data) {
  TData* record = data.Next;
  data.Next = nullptr;
  while (record) {
    TData* next = record->Next;
    delete record;
    record = next;
  }
}

namespace {

struct TDoNothing {
  void Set(TData&, TData&) {}
  void Add(TData&) {}
};
TDoNothing doNothing;

}  // namespace

TArrayAccess* MakeArrayAccess(TMethod<void(TData&, TData&)> set, TMethod<bool(TData&, TData&)> get,
                              TMethod<int32_t()> count, TMethod<void(TData&)> add) {
  auto* access = new TArrayAccess;
  access->Set = set ? set : MakeMethod<&TDoNothing::Set>(&doNothing);
  access->Get = get;
  access->Count = count;
  access->Add = add ? add : MakeMethod<&TDoNothing::Add>(&doNothing);
  return access;
}
