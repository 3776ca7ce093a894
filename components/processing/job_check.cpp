#include "components/processing/job_check.h"

#include "job/job_check.h"

void TVMJobCheck::Check(TData& data, uint16_t index) {
  std::string text;
  for (const TFinding& finding : CheckJob(ReadJobTables(Tables))) {
    if (!text.empty()) text += '\n';
    text += FindingLine(finding);
  }
  FireStr(OnFindings, text);
}
