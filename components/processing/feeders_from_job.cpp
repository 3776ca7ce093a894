#include "components/processing/feeders_from_job.h"

#include "components/processing/job_table_inputs.h"
#include "job/feeders_from_job.h"
#include "job/job_file.h"
#include "toolkit/stream.h"

namespace {

// The file's name without its folder, as a box names it.
std::string ShortName(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

void TVMFeedersFromJob::SetFileName(TData& data, uint16_t index) { FileName = ValueToStr(data); }

void TVMFeedersFromJob::Read(TData& data, uint16_t index) {
  TStream* stream = FetchStream(data, Stream, nullptr);
  if (!stream) return;
  const std::string bytes = stream->ReadAll();
  FireNull(OnStreamRead);

  if (!HoldsFeederTables(bytes)) {
    FireStr(OnError, "Файл " + ShortName(FileName) + " — не файл задания: в нём нет таблиц питателей.\r\n"
                     "Питатели задания не изменились.");
    return;
  }
  const JobTables other = ReadJobFile(bytes);
  FireNull(OnChangeStart);
  FireStr(OnFeederRows, TableRowLines(other.Feeders));
  FireStr(OnSpecialRows, TableRowLines(other.SpecialFeeders));
  FireNull(OnChangeEnd);
  FireStr(OnSummary, TakenFeedersSummary(other, ShortName(FileName)));
}
