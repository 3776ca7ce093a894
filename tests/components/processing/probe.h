// Test helpers for component circuits: a probe component that records what
// its action receives (and can answer as a data point), a stand-in array
// published through TArrayAccess, and a fixture that switches the real
// dispatcher on for each test.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/component.h"
#include "core/event.h"

// Switches the network on for one test and back to silent afterwards.
class LiveNetworkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetDispatch();
    StartDispatch();
  }
  void TearDown() override { ResetDispatch(); }
};

class TProbe : public TVMComponent {
 public:
  struct Call {
    uint16_t Index;
    TData Value;  // a detached copy: no forward target, no chain
  };

  // Probes that share a log write "name:text" into it, so the order of
  // events across several probes can be checked.
  explicit TProbe(std::string name = "probe", std::vector<std::string>* log = nullptr)
      : Name(std::move(name)), Log(log) {}

  std::string Name;
  std::vector<std::string>* Log;
  std::vector<Call> Calls;
  // Runs after the call is recorded, with the live record (it may change,
  // fire or forward it).
  std::function<void(TData&, uint16_t)> Then;

  TData Answer;  // what the probe answers as a data point
  int Reads = 0;
  std::function<void(TData&)> AnswerWith;  // overrides Answer when set

  // Action.
  void Receive(TData& data, uint16_t index) {
    TData copy = data;
    copy.ForwardTo = nullptr;
    copy.Next = nullptr;
    Calls.push_back({index, copy});
    if (Log) Log->push_back(Name + ":" + ValueToStr(data));
    if (Then) Then(data, index);
  }
  // Data output.
  void Read(TData& data, uint16_t index) {
    ++Reads;
    if (AnswerWith) {
      AnswerWith(data);
    } else {
      data = Answer;
      data.Next = nullptr;
    }
  }

  TVM_Event Action(uint16_t index = 0) { return MakeEvent<&TProbe::Receive>(this, index); }
  TVM_Event Point(uint16_t index = 0) { return MakeEvent<&TProbe::Read>(this, index); }

  size_t Count() const { return Calls.size(); }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const Call& call : Calls) texts.push_back(ValueToStr(call.Value));
    return texts;
  }
  std::vector<uint8_t> Kinds() const {
    std::vector<uint8_t> kinds;
    for (const Call& call : Calls) kinds.push_back(call.Value.Kind);
    return kinds;
  }
};

// An array of texts published as an Array value, answering out-of-range
// indices as the string table does (Get false, Set ignored).
class TArrayStandIn : public TVMComponent {
 public:
  std::vector<std::string> Elements;
  int GetCalls = 0;

  TArrayStandIn() {
    Access.Set = MakeMethod<&TArrayStandIn::SetElement>(this);
    Access.Get = MakeMethod<&TArrayStandIn::GetElement>(this);
    Access.Count = MakeMethod<&TArrayStandIn::ElementCount>(this);
    Access.Add = MakeMethod<&TArrayStandIn::AddElement>(this);
  }

  // Data output.
  void Array(TData& data, uint16_t index) { SetArrayValue(data, &Access); }
  TVM_Event Point(uint16_t index = 3) { return MakeEvent<&TArrayStandIn::Array>(this, index); }

 private:
  TArrayAccess Access;

  bool InRange(int32_t i) const { return i >= 0 && static_cast<size_t>(i) < Elements.size(); }
  void SetElement(TData& index, TData& value) {
    int32_t i = ValueToIndex(index);
    if (InRange(i)) Elements[static_cast<size_t>(i)] = ValueToStr(value);
  }
  bool GetElement(TData& index, TData& result) {
    ++GetCalls;
    int32_t i = ValueToIndex(index);
    if (!InRange(i)) return false;
    SetStrValue(result, Elements[static_cast<size_t>(i)]);
    return true;
  }
  int32_t ElementCount() { return static_cast<int32_t>(Elements.size()); }
  void AddElement(TData& value) { Elements.push_back(ValueToStr(value)); }
};
