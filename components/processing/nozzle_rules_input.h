// The nozzle rules a command takes through two data inputs linked to the
// chosen table's outputs (TVMNozzleRules): its name, empty when no table is
// chosen, and its bytes, read again at each use as the rotation corrections
// are.
#pragma once

#include <string>

#include "core/event.h"
#include "job/nozzle_rules.h"

// Null when no table is named; otherwise `table` read, or null with the
// reason in `error` when it cannot be used.
const TNozzleRules* ReadNozzleRulesInputs(TVM_Event& name, TVM_Event& text, TNozzleRules& table,
                                          std::string& error);
