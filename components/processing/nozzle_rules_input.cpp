#include "components/processing/nozzle_rules_input.h"

const TNozzleRules* ReadNozzleRulesInputs(TVM_Event& name, TVM_Event& text, TNozzleRules& table,
                                          std::string& error) {
  TData none;
  const std::string tableName = FetchStr(none, name, "");
  if (tableName.empty() || !ReadNozzleRules(FetchStr(none, text, ""), tableName, table, error)) return nullptr;
  return &table;
}
