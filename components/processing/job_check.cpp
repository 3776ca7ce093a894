#include "components/processing/job_check.h"

#include "job/finding_groups.h"
#include "job/job_check.h"

void TVMJobCheck::Check(TData& data, uint16_t index) {
  const JobTables job = ReadJobTables(Tables);
  std::string text;
  for (const TFinding& finding : GroupFindings(CheckJob(job), job)) {
    if (!text.empty()) text += '\n';
    text += FindingLine(finding);
    if (finding.Count > 1) text += '\t' + std::to_string(finding.Count);
  }
  FireStr(OnFindings, text);
}
