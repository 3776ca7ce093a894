#include "components/processing/feeder_assign.h"

#include <utility>

#include "components/processing/nozzle_rules_input.h"
#include "components/visual/row_edit.h"
#include "job/feeder_assign.h"

namespace {

// A message box breaks lines at CR LF.
std::string WithCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace

void TVMFeederAssign::Assign(TData& data, uint16_t index) {
  TNozzleRules table;
  std::string error;
  const TNozzleRules* nozzles = ReadNozzleRulesInputs(NozzlesName, NozzlesText, table, error);
  if (!error.empty()) {
    FireStr(OnSummary, WithCrLf(error));
    return;
  }
  const TFeederAssignment assignment = AssignFeeders(ReadJobTables(Tables), nozzles);
  if (!assignment.Changes.empty()) FireStr(OnChanges, PackRowChanges(assignment.Changes));
  FireStr(OnSummary, WithCrLf(AssignSummary(assignment)));
}
