// TVMChangeRecovery: keeps a recovery copy of the job while it holds
// unsaved changes, and offers the copies that editors left when they
// stopped without saving (job/recovery_copy.h tells the copy and its files).
//
// The copy holds the bytes a save would write, made from the four tables as
// the commands on a whole job read them, and the job's file. It is written a
// while (Delay) after a change, and again a while after each later change.
// The tables are read on the window's thread a slice at a time (Slice
// milliseconds each, one timer message apiece, so the window handles its
// input between them; a change meanwhile starts the reading again, so a
// copy never mixes two states of the job); the file is written by a worker
// thread of the component's own, which also makes the copy's bytes of the
// rows it is handed. A platform timer counts the delay and the
// slices: unlike the rest of the network, which runs only inside the
// handling of a message, this component acts on its own clock (the timer's
// messages reach it through the message loop, after any input).
//
// A running editor holds a lock file in the folder, so that another editor
// never offers its copy. At start (Offer) every copy left by an editor no
// longer running is asked about, the newest first: Да (Restore) gives its
// rows, file and unsaved state to the network and makes the copy this
// editor's own, and no further copy is asked about at this start; Нет
// (Drop) removes it. A copy that cannot be read back is told and set aside
// under another name, never removed.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

#include "components/processing/job_table_inputs.h"
#include "job/recovery_copy.h"
#include "core/component.h"
#include "core/event.h"

class TVMChangeRecovery : public TVMComponent {
 public:
  std::string Folder;        // where the copies are kept (made when needed); empty: no copies
  uint32_t Delay = 3000;     // milliseconds from a change to the copy's write
  uint32_t Slice = 15;       // milliseconds of reading the tables per timer message
  std::string UnnamedJob = "без имени";  // how the question names a job never saved
  TJobTableInputs Tables;    // data inputs: each table's rows (Array), by TJobTable
  TVM_Event JobPath;         // data input: String, the job's file (empty: never saved)
  TVM_Event OnAsk;           // String: the question about a copy left; answered by Restore or Drop
  TVM_Event OnUnreadable;    // String: a copy that could not be read back, and where it was set aside
  TVM_Event OnRows;          // String: a recovered job's bytes, flattened as the read chain takes them
  TVM_Event OnJobFile;       // String: a recovered job's file (empty: never saved)
  TVM_Event OnRecovered;     // Integer 1: the tables hold a recovered job's unsaved changes

  TVMChangeRecovery();
  // Waits for a copy being written; removes this editor's copy unless the
  // job still has unsaved changes.
  ~TVMChangeRecovery() override;

  // Actions.
  // Integer: 1, the job holds unsaved changes (a copy is written after the
  // delay, unless one is due already); 0, none (the copy is removed).
  void Changed(TData& data, uint16_t index);
  // The user gave the changes up: the copy is removed.
  void Discard(TData& data, uint16_t index);
  // At start: asks about each copy left by an editor no longer running.
  void Offer(TData& data, uint16_t index);
  // The answers to OnAsk.
  void Restore(TData& data, uint16_t index);
  void Drop(TData& data, uint16_t index);

  // What the timer's messages do: the first one after the delay starts
  // reading the tables, each reads a slice, the last one hands the copy's
  // bytes to the writer.
  void Tick();
  // The same at once: the tables read whole and the bytes handed over.
  void WriteCopy();
  // True while a copy is due or its tables are being read.
  bool CopyDue() const { return Timer != 0 || Taking.Active; }
  // Waits until the writer has written all it was handed.
  void Flush();
  // The name this editor's files carry in the folder.
  const std::string& Owner() const { return OwnerName; }

 private:
  enum class TAnswer { None, Restore, Drop };
  // The copy's rows being read, table by table.
  struct TTaking {
    bool Active = false;
    JobTables Rows;
    uint16_t Table = 0;  // the table being read (TJobTable); the count when all are
    std::string Path;
  };

  std::string OwnerName;
  void* Lock = nullptr;      // the lock file's handle while this editor owns its copies
  uintptr_t Timer = 0;       // the platform timer counting the delay, 0 when none
  bool Unsaved = false;      // as Changed last said
  TAnswer Answer = TAnswer::None;
  TTaking Taking;

  // Shared with the writer thread, under Guard.
  std::mutex Guard;
  std::condition_variable Wake;
  JobTables PendingRows;      // the next copy to write: its rows,
  TRecoveryCopy PendingCopy;  // its file and time
  bool Pending = false;
  bool Writing = false;
  bool Stopping = false;
  uint32_t Number = 0;        // of this editor's last copy
  std::string Written;        // the path of this editor's copy in place, empty when none
  std::thread Writer;

  bool TakeOwnership();
  bool OwnerRunning(const std::string& owner) const;
  std::string PathOf(const std::string& name) const { return Folder + "\\" + name; }
  void StartTimer(uint32_t milliseconds);
  void StopTimer();
  void BeginTaking();
  bool TakeSlice(uint32_t milliseconds);  // true once every table is read
  void FinishTaking();
  void Remove();
  void WriteLoop();
};
