#include "job/feeders_from_job.h"

bool HoldsFeederTables(const std::string& bytes) {
  const std::string flat = FlattenJobText(bytes);
  return !FindSectionBlocks(flat, kFeederStartMark, kFeederEndMark).empty() &&
         !FindSectionBlocks(flat, kSpecialFeederStartMark, kSpecialFeederEndMark).empty();
}

void TakeFeeders(JobTables& job, const JobTables& source) {
  job.Feeders = source.Feeders;
  job.SpecialFeeders = source.SpecialFeeders;
}

std::string TakenFeedersSummary(const JobTables& source, const std::string& file) {
  return "Питателей: " + std::to_string(source.Feeders.size()) +
         ", особых питателей: " + std::to_string(source.SpecialFeeders.size()) + " — из " + file;
}
