// Shared set-up for tests against real windows: each test starts with the
// toolkit's global state as at program start and an empty message queue, and
// leaves nothing behind.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/toolkit_reset.h"
#include "tests/support/wait.h"
#include "toolkit/control.h"

class ToolkitTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetToolkitState(); }
  void TearDown() override {
    for (auto it = Owned.rbegin(); it != Owned.rend(); ++it) (*it)->Free();
    Owned.clear();
    ResetToolkitState();
  }

  // Frees the control when the test ends (top-level controls only).
  TControl* Keep(TControl* control) {
    Owned.push_back(control);
    return control;
  }

  // Records that an object was destroyed, through its destroy handler.
  struct TDestroyWatch {
    std::vector<std::string>* Log;
    std::string Name;
    void Destroyed(TObj*) { Log->push_back(Name); }
  };
  void Watch(TObj* object, const std::string& name) {
    Watches.push_back(new TDestroyWatch{&DestroyLog, name});
    object->DestroyHandler = MakeMethod<&TDestroyWatch::Destroyed>(Watches.back());
  }
  bool WasDestroyed(const std::string& name) const {
    for (const auto& n : DestroyLog)
      if (n == name) return true;
    return false;
  }

  ~ToolkitTest() override {
    for (auto* w : Watches) delete w;
  }

  std::vector<TControl*> Owned;
  std::vector<TDestroyWatch*> Watches;
  std::vector<std::string> DestroyLog;
};
