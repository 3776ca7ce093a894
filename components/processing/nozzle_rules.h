// TVMNozzleRules: the table of nozzle rules chosen for the imports and
// "Распределить", remembered across starts in the user's settings
// ([Nozzles] Table=...). Both take the table's name and bytes through the
// data outputs.
#pragma once

#include <string>

#include "components/processing/chosen_table.h"

class TVMNozzleRules : public TVMChosenTable {
 public:
  TVMNozzleRules();

 private:
  bool CheckTable(const std::string& bytes, const std::string& path, std::string& chosenText,
                  std::string& error) override;
};
