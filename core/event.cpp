#include "core/event.h"

#include <vector>

namespace {

void DoNothing(TVM_Event&, TData&) {}

std::vector<TStartHandler>& StartHandlers() {
  static std::vector<TStartHandler> handlers;
  return handlers;
}

// Reads a connected point into a fresh record. False when the point is not
// connected or answered "Break", i.e. it gives no value.
bool ReadAnswer(TVM_Event& point, TData& answer) {
  if (!point.Code) return false;
  PointReader(point, answer);
  FreeValueChain(answer);
  return answer.Kind != kKindBreak;
}

// The shared fetch rule for scalar parameters.
template <class T, class Convert>
T FetchScalar(TData& data, TVM_Event& point, const T& defaultValue, bool defaultIsEmpty,
              Convert convert) {
  TData answer;
  if (ReadAnswer(point, answer)) return convert(answer);
  if (defaultIsEmpty && data.Kind != kKindNull) {
    T value = convert(data);
    TakeChainValue(data);
    return value;
  }
  return defaultValue;
}

}  // namespace

TDispatchProc EventDispatcher = &DoNothing;
TDispatchProc PointReader = &DoNothing;

void DispatchEvent(TVM_Event& event, TData& data) {
  // Forwards run as a loop in this frame, so a long chain of forwarding
  // components does not grow the stack.
  TVM_Event* current = &event;
  while (current && current->Code) {
    current->Code(current->Target, data, current->Index);
    if ((data.Kind & kForwardFlag) == 0) break;
    data.Kind = static_cast<uint8_t>(data.Kind - kForwardFlag);
    current = data.ForwardTo;
  }
}

void ReadPoint(TVM_Event& point, TData& data) {
  if (point.Code) point.Code(point.Target, data, point.Index);
}

void FireNull(TVM_Event& event) {
  TData data;
  EventDispatcher(event, data);
}

void FireInt(TVM_Event& event, int32_t value) {
  TData data;
  SetIntValue(data, value);
  EventDispatcher(event, data);
}

void FireStr(TVM_Event& event, const std::string& text) {
  TData data;
  SetStrValue(data, text);
  EventDispatcher(event, data);
}

void FireReal(TVM_Event& event, double value) {
  TData data;
  SetRealValue(data, value);
  EventDispatcher(event, data);
}

void FireValue(TVM_Event& event, const TData& source) {
  TData data = source;
  EventDispatcher(event, data);
}

void Fire(TVM_Event& event, TData& data) { EventDispatcher(event, data); }

int32_t FetchInt(TData& data, TVM_Event& point, int32_t defaultValue) {
  return FetchScalar(data, point, defaultValue, defaultValue == 0,
                     [](const TData& d) { return ValueToInt(d); });
}

std::string FetchStr(TData& data, TVM_Event& point, const std::string& defaultValue) {
  return FetchScalar(data, point, defaultValue, defaultValue.empty(),
                     [](const TData& d) { return ValueToStr(d); });
}

double FetchReal(TData& data, TVM_Event& point, double defaultValue) {
  return FetchScalar(data, point, defaultValue, defaultValue == 0.0,
                     [](const TData& d) { return ValueToReal(d); });
}

TStream* FetchStream(TData& data, TVM_Event& point, TStream* defaultValue) {
  TData answer;
  if (ReadAnswer(point, answer))
    return answer.Kind == kKindStream ? static_cast<TStream*>(answer.ObjValue) : nullptr;
  if (!defaultValue && data.Kind == kKindStream) {
    auto* stream = static_cast<TStream*>(data.ObjValue);
    TakeChainValue(data);
    return stream;
  }
  return defaultValue;
}

TData FetchValue(TData& data, TVM_Event& point, const TData* defaultValue) {
  TData result;
  if (ReadAnswer(point, result)) return result;
  if (!defaultValue || defaultValue->Kind == kKindNull) {
    result = data;
    result.Next = nullptr;
    if (data.Kind == kKindNull) FreeValueChain(data);
    TakeChainValue(data);
    return result;
  }
  return *defaultValue;
}

int32_t FetchPointInt(TVM_Event& point) {
  if (!point.Code) return 0;
  TData answer;
  PointReader(point, answer);
  FreeValueChain(answer);
  return ValueToInt(answer);
}

// The object of a connected point's answer when it is of the given kind.
static void* FetchPointObject(TVM_Event& point, uint8_t kind) {
  if (!point.Code) return nullptr;  // the point is not called at all then
  TData answer;
  PointReader(point, answer);
  FreeValueChain(answer);
  return answer.Kind == kind ? answer.ObjValue : nullptr;
}

TStream* FetchPointStream(TVM_Event& point) {
  return static_cast<TStream*>(FetchPointObject(point, kKindStream));
}

TArrayAccess* FetchPointArray(TVM_Event& point) {
  return static_cast<TArrayAccess*>(FetchPointObject(point, kKindArray));
}

void ReadPointOrBreak(TData& data, TVM_Event& point) {
  if (point.Code)
    PointReader(point, data);
  else
    data.Kind = kKindBreak;
}

bool IsIntValue(const TData& data) { return data.Kind == kKindInteger; }

void AddStartHandler(TStartHandler handler) { StartHandlers().push_back(handler); }

size_t StartHandlerCount() { return StartHandlers().size(); }

void StartDispatch() {
  EventDispatcher = &DispatchEvent;
  PointReader = &ReadPoint;
  auto& handlers = StartHandlers();
  // The length is read again before each call: a handler may add another.
  for (size_t i = 0; i < handlers.size(); ++i) {
    TStartHandler handler = handlers[i];
    handler();
  }
  handlers.clear();
}

void StopDispatch() {
  EventDispatcher = &DoNothing;
  PointReader = &DoNothing;
}

void ResetDispatch() {
  StopDispatch();
  StartHandlers().clear();
}
