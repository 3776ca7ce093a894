#include "components/processing/nozzle_rules.h"

#include "components/processing/document_title.h"
#include "job/nozzle_rules.h"

TVMNozzleRules::TVMNozzleRules()
    : TVMChosenTable({"Nozzles", "Table", "Таблица правил сопел",
                      "Импорт и «Распределить» пойдут без правил сопел."}) {}

// The box names the file without its folder: "Правил сопел: 7 — из nozzles.csv".
bool TVMNozzleRules::CheckTable(const std::string& bytes, const std::string& path, std::string& chosenText,
                                std::string& error) {
  TNozzleRules table;
  if (!ReadNozzleRules(bytes, path, table, error)) return false;
  table.Name = FileNameOfPath(path);
  chosenText = NozzleRulesChosenText(table);
  return true;
}
