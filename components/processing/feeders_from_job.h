// TVMFeedersFromJob: "Питатели из задания…". The feeder and special feeder
// tables of another job file take the place of the job's own, as one
// change: the machine's lanes stay from job to job, only the parts differ.
// The other job's boards and components are not used. A file that is no
// job file changes nothing and is told.
#pragma once

#include <cstdint>
#include <string>

#include "core/component.h"
#include "core/event.h"

class TVMFeedersFromJob : public TVMComponent {
 public:
  std::string FileName;  // names the file in the messages
  TVM_Event Stream;      // data input: the stream to read
  // Fired (no value) once all bytes have been read, so the owner of the
  // stream can close the file at once.
  TVM_Event OnStreamRead;
  TVM_Event OnError;  // String: why the file gives no feeders
  // The two tables' rows, each as row lines ("," between cells, CR LF
  // between lines), between OnChangeStart and OnChangeEnd (no value), so
  // that both are one change.
  TVM_Event OnChangeStart;
  TVM_Event OnFeederRows;
  TVM_Event OnSpecialRows;
  TVM_Event OnChangeEnd;
  TVM_Event OnSummary;  // String: how many of each, and from which file

  // Action: String, the name of the file about to be read.
  void SetFileName(TData& data, uint16_t index);
  // Action: reads the stream (the Stream input, else the incoming Stream
  // value) and takes its feeders. Without a stream nothing happens.
  void Read(TData& data, uint16_t index);
};
