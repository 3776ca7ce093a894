#include "components/processing/rotation_corrections.h"

#include "job/rotation_corrections.h"

TVMRotationCorrections::TVMRotationCorrections()
    : TVMChosenTable({"Import", "RotationCorrections", "Таблица поправок", "Импорт пойдёт без поправок поворота."}) {}

bool TVMRotationCorrections::CheckTable(const std::string& bytes, const std::string& path, std::string& chosenText,
                                        std::string& error) {
  TRotationCorrections table;
  if (!ReadRotationCorrections(bytes, path, table, error)) return false;
  chosenText = "Поправки поворота: " + table.Name + "\nПравил: " + std::to_string(table.Rules.size());
  for (const std::string& warning : table.Warnings) chosenText += "\n" + warning;
  return true;
}
