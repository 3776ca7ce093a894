// TVMRotationCorrections: the table of rotation corrections chosen for the
// imports, remembered across starts in the user's settings
// ([Import] RotationCorrections=...). The import takes the table's name and
// bytes through the data outputs.
#pragma once

#include <string>

#include "components/processing/chosen_table.h"

class TVMRotationCorrections : public TVMChosenTable {
 public:
  TVMRotationCorrections();

 private:
  bool CheckTable(const std::string& bytes, const std::string& path, std::string& chosenText,
                  std::string& error) override;
};
