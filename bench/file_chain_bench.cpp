// The file ends of the job file chains on real files: opening (read-mode
// file stream, flattener, then the section chains) against the same chains
// fed the flattened text directly, and saving through the line writer into
// a write-mode file stream (every line is one write plus a cut of the file)
// against the same save chain collecting its lines in memory.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "components/processing/data_to_file.h"
#include "components/processing/file_stream.h"
#include "components/processing/stream_to_hex.h"
#include "core/event.h"
#include "job/job_file.h"
#include "tests/editor/stand_in_chains.h"
#include "tests/editor/job_generator.h"
#include "tests/support/temp_dir.h"

namespace {

template <class Run>
double BestMs(int runs, Run run) {
  double best = 1e12;
  for (int i = 0; i < runs; ++i) {
    auto start = std::chrono::steady_clock::now();
    run();
    auto elapsed = std::chrono::steady_clock::now() - start;
    best = std::min(best, std::chrono::duration<double, std::milli>(elapsed).count());
  }
  return best;
}

size_t RowCount(const JobTables& t) {
  return t.Feeders.size() + t.SpecialFeeders.size() + t.Boards.size() + t.Components.size();
}

// Open: the file stream hands the stream to the flattener, which closes it
// once read and passes the text to the section chains.
JobTables OpenThroughFile(const std::string& path) {
  TVMFileStream readStream;
  TReadChain chain;
  readStream.OnOpened = MakeEvent<&TVMStream2Hex::Convert>(&chain.JobTextFlattener);
  chain.JobTextFlattener.OnStreamRead = MakeEvent<&TVMFileStream::CloseFile>(&readStream, 1);
  TVM_Event open = MakeEvent<&TVMFileStream::OpenFile>(&readStream);
  FireStr(open, path);
  return chain.Tables();
}

JobTables OpenFromText(const std::string& flat) {
  TReadChain chain;
  TVM_Event input = chain.Input();
  FireStr(input, flat);
  return chain.Tables();
}

void SaveThroughFile(const JobTables& tables, const std::string& path) {
  TVMFileStream writeStream;
  TVMDataToFile lineWriter;
  TSaveChain chain{MakeEvent<&TVMDataToFile::PutLine>(&lineWriter),
                   MakeEvent<&TVMFileStream::CloseFile>(&writeStream, 1)};
  writeStream.Mode = kFileModeWrite;
  lineWriter.Stream = MakeEvent<&TVMFileStream::Stream>(&writeStream);
  chain.Load(tables);
  TVM_Event open = MakeEvent<&TVMFileStream::OpenFile>(&writeStream);
  FireStr(open, path);
  TVM_Event start = chain.Input();
  FireNull(start);
}

void SaveToMemory(const JobTables& tables) {
  TLineCollector lines;
  TSaveChain chain{MakeEvent<&TLineCollector::PutLine>(&lines),
                   MakeEvent<&TLineCollector::CloseFile>(&lines)};
  chain.Load(tables);
  TVM_Event start = chain.Input();
  FireNull(start);
}

}  // namespace

int main() {
  StartDispatch();
  TTempDir dir;
  const std::string path = dir.File("bench.CSV");
  std::printf("%10s %10s | %12s %12s %10s | %12s %12s %10s\n", "components", "bytes",
              "open us/row", "text us/row", "file step", "save us/row", "mem us/row", "file step");
  for (size_t components : {1000u, 10000u, 100000u}) {
    const std::string bytes = GeneratedJobFile(components, 780);
    WriteWholeFile(path, bytes);
    const std::string flat = FlattenJobText(bytes);
    const JobTables tables = ReadJobFile(bytes);
    const double rows = static_cast<double>(RowCount(tables));
    const int runs = components >= 100000 ? 3 : 10;

    if (OpenThroughFile(path) != tables) {
      std::printf("open through the file gave other rows\n");
      return 1;
    }
    const double open = BestMs(runs, [&] { OpenThroughFile(path); });
    const double text = BestMs(runs, [&] { OpenFromText(flat); });
    const std::string saved = dir.File("saved.CSV");
    const double save = BestMs(runs, [&] { SaveThroughFile(tables, saved); });
    const double memory = BestMs(runs, [&] { SaveToMemory(tables); });
    if (ReadWholeFile(saved) != WriteJobFile(tables)) {
      std::printf("save through the file wrote other bytes\n");
      return 1;
    }
    std::printf("%10zu %10zu | %12.3f %12.3f %9.2fx | %12.3f %12.3f %9.2fx\n", components,
                bytes.size(), open * 1e3 / rows, text * 1e3 / rows, open / text, save * 1e3 / rows,
                memory * 1e3 / rows, save / memory);
  }
  return 0;
}
