// Links between components and the dispatcher that carries values along them.
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>

#include "core/data.h"

// Every action and data output of every component has this one shape.
using TVM_EventCode = void (*)(void* target, TData& data, uint16_t index);

struct TVM_Event {
  TVM_EventCode Code = nullptr;  // nil: not connected
  void* Target = nullptr;
  uint16_t Index = 0;
};

template <auto M>
struct EventThunk;

template <class C, void (C::*M)(TData&, uint16_t)>
struct EventThunk<M> {
  using Class = C;
  static void Call(void* target, TData& data, uint16_t index) {
    (static_cast<C*>(target)->*M)(data, index);
  }
};

// Joins a link: MakeEvent<&TVMBlockFind::Search>(find, 0). Only a member of
// the shape void(TData&, uint16_t) compiles.
template <auto M>
TVM_Event MakeEvent(typename EventThunk<M>::Class* target, uint16_t index = 0) {
  return TVM_Event{&EventThunk<M>::Call, target, index};
}

using TDispatchProc = void (*)(TVM_Event& event, TData& data);
extern TDispatchProc EventDispatcher;
extern TDispatchProc PointReader;

void DispatchEvent(TVM_Event& event, TData& data);
void ReadPoint(TVM_Event& point, TData& data);

void FireNull(TVM_Event& event);
void FireInt(TVM_Event& event, int32_t value);
void FireStr(TVM_Event& event, const std::string& text);
void FireReal(TVM_Event& event, double value);
void FireValue(TVM_Event& event, const TData& source);
void Fire(TVM_Event& event, TData& data);

// Parameter reading: connected point, else a non-empty default, else the
// value the action was called with (taking it off the incoming chain).
int32_t FetchInt(TData& data, TVM_Event& point, int32_t defaultValue);
std::string FetchStr(TData& data, TVM_Event& point, const std::string& defaultValue);
double FetchReal(TData& data, TVM_Event& point, double defaultValue);
TStream* FetchStream(TData& data, TVM_Event& point, TStream* defaultValue);
TData FetchValue(TData& data, TVM_Event& point, const TData* defaultValue);
int32_t FetchPointInt(TVM_Event& point);
TStream* FetchPointStream(TVM_Event& point);
TArrayAccess* FetchPointArray(TVM_Event& point);
void ReadPointOrBreak(TData& data, TVM_Event& point);
bool IsIntValue(const TData& data);

// Start handlers: run once when the network is switched on.
using TStartHandler = TMethod<void()>;
void AddStartHandler(TStartHandler handler);
size_t StartHandlerCount();
// Installs the working dispatch procedures and runs the start handlers.
void StartDispatch();
// Silences the network for good: fires do nothing, connected points read NULL.
void StopDispatch();
// Back to the load-time state (silent, no start handlers); for test fixtures.
void ResetDispatch();
