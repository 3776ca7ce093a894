// A table of 30 nozzle rules for the benchmarks of the import and of
// "Распределить": packages as boards have them, both as design tools name
// footprints ("C_0402_1005Metric") and as feeder comments shorten them
// ("0402", "SOT23"), general rules first.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "job/nozzle_rules.h"

inline TNozzleRules BenchNozzleRules() {
  static const char* const kRules[] = {
      "0201,1",          "0402,1",           "0603,2",         "0805,3",         "1206,4",
      "1210,4",          "2512,4",           "LED_,2",         "Fuse_,4",        "ЧИП,2",
      "SOD-?(123|323),2", "SOD-?882,1",      "D_SM[ABC],4",    "SOT-?23,3",      "SOT-?223,4",
      "SOT-?89,4",       "SOT-?353|SC-70,2", "SOIC-?8,5",      "SOIC-?16,5",     "SOP-,5",
      "TSSOP-,5",        "MSOP-,5",          "QFN-,5",         "DFN-,5",         "QFP,6",
      "\"[LT]QFP-\\d{2,3}_\",6",             "TO-252,6",       "CP_Elec_,7",     "Crystal_SMD,4",
      "USB_C_Receptacle,8"};
  std::string bytes = "Pattern,Nozzle\n";
  for (const char* rule : kRules) bytes += std::string(rule) + "\n";
  TNozzleRules table;
  std::string error;
  if (!ReadNozzleRules(bytes, "bench-nozzles.csv", table, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    std::exit(1);
  }
  return table;
}
