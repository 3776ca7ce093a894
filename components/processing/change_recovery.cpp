#include "components/processing/change_recovery.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <utility>
#include <vector>

#include "job/job_file.h"
#include "job/recovery_copy.h"
#include "toolkit/ini_file.h"
#include "toolkit/stream_file.h"

namespace {

// The component whose delay each running timer counts.
std::map<UINT_PTR, TVMChangeRecovery*>& TimerOwners() {
  static std::map<UINT_PTR, TVMChangeRecovery*> owners;
  return owners;
}

void CALLBACK TimerFired(HWND, UINT, UINT_PTR id, DWORD) {
  const auto owner = TimerOwners().find(id);
  if (owner != TimerOwners().end()) owner->second->Tick();
}

std::string LocalTimeText() {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  char text[32];
  wsprintfA(text, "%04u-%02u-%02u %02u:%02u:%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
  return text;
}

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return names;
  do
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(entry.cFileName);
  while (FindNextFileA(find, &entry));
  FindClose(find);
  return names;
}

// The whole file, or false when it cannot be read.
bool ReadFileBytes(const std::string& path, std::string& bytes) {
  TStream* stream = OpenReadStream(path);
  const bool read = stream->Error == 0 && stream->Size() <= 2 * kJobFileMaxSize;
  if (read) bytes = stream->ReadAll();
  FreeStream(stream);
  return read;
}

struct TFoundCopy {
  std::string Name;
  TRecoveryCopy Copy;
};

}  // namespace

TVMChangeRecovery::TVMChangeRecovery()
    : OwnerName(std::to_string(GetCurrentProcessId()) + "_" + std::to_string(GetTickCount64())),
      Writer([this] { WriteLoop(); }) {}

TVMChangeRecovery::~TVMChangeRecovery() {
  StopTimer();
  {
    std::unique_lock<std::mutex> lock(Guard);
    Stopping = true;
  }
  Wake.notify_all();
  Writer.join();
  if (!Unsaved && !Written.empty()) DeleteFileA(Written.c_str());
  if (Lock) CloseHandle(Lock);
}

// The folder is made, and the lock taken, the first time they are needed;
// false when there is no folder to keep copies in.
bool TVMChangeRecovery::TakeOwnership() {
  if (Lock) return true;
  if (Folder.empty()) return false;
  const std::string parent = DirOfPath(Folder.substr(0, Folder.find_last_not_of('\\') + 1));
  if (parent != Folder) CreateDirectoryA(parent.c_str(), nullptr);
  CreateDirectoryA(Folder.c_str(), nullptr);
  // Held with no sharing: another editor cannot open it while this one
  // runs. The platform removes it when the process ends, however it ends.
  HANDLE lock = CreateFileA(PathOf(RecoveryLockName(OwnerName)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (lock == INVALID_HANDLE_VALUE) return false;
  Lock = lock;
  return true;
}

bool TVMChangeRecovery::OwnerRunning(const std::string& owner) const {
  if (owner == OwnerName) return true;
  HANDLE lock = CreateFileA(PathOf(RecoveryLockName(owner)).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (lock != INVALID_HANDLE_VALUE) {
    CloseHandle(lock);
    return false;
  }
  return GetLastError() == ERROR_SHARING_VIOLATION;
}

void TVMChangeRecovery::StartTimer(uint32_t milliseconds) {
  StopTimer();
  Timer = SetTimer(nullptr, 0, milliseconds, &TimerFired);
  if (Timer) TimerOwners()[Timer] = this;
}

void TVMChangeRecovery::StopTimer() {
  if (!Timer) return;
  KillTimer(nullptr, Timer);
  TimerOwners().erase(Timer);
  Timer = 0;
}

void TVMChangeRecovery::Changed(TData& data, uint16_t index) {
  Unsaved = ValueToInt(data) != 0;
  if (!Unsaved) {
    StopTimer();
    Taking.Active = false;
    Remove();
    return;
  }
  // A change while the tables are read: the next slice starts them again.
  if (Taking.Active) Taking.Active = false;
  else if (!Timer && !Folder.empty()) StartTimer(Delay);
}

void TVMChangeRecovery::Discard(TData& data, uint16_t index) {
  Unsaved = false;
  StopTimer();
  Taking.Active = false;
  Remove();
}

void TVMChangeRecovery::Tick() {
  if (!Taking.Active) {
    if (!Unsaved || !TakeOwnership()) {
      StopTimer();
      return;
    }
    BeginTaking();
    StartTimer(1);  // the slices follow one another as fast as the timer allows
  }
  if (TakeSlice(Slice)) FinishTaking();
}

void TVMChangeRecovery::WriteCopy() {
  if (!Unsaved || !TakeOwnership()) return;
  BeginTaking();
  TakeSlice(UINT32_MAX);
  FinishTaking();
}

void TVMChangeRecovery::BeginTaking() {
  Taking = TTaking();
  Taking.Active = true;
  TData path;
  ReadPoint(JobPath, path);
  Taking.Path = ValueToStr(path);
}

bool TVMChangeRecovery::TakeSlice(uint32_t milliseconds) {
  constexpr size_t kRowsAtOnce = 100;  // between looks at the clock
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (Taking.Table < kJobTableCount) {
    if (ReadMoreJobRows(Tables[Taking.Table], JobColumnsOf(Taking.Table), JobTableOf(Taking.Rows, Taking.Table),
                        kRowsAtOnce))
      ++Taking.Table;
    if (milliseconds != UINT32_MAX && std::chrono::steady_clock::now() >= end) break;
  }
  return Taking.Table == kJobTableCount;
}

// The rows go to the writer, which makes the copy's bytes of them: the
// window's thread only reads the tables.
void TVMChangeRecovery::FinishTaking() {
  StopTimer();
  Taking.Active = false;
  TRecoveryCopy copy{std::move(Taking.Path), LocalTimeText(), std::string()};
  {
    std::unique_lock<std::mutex> lock(Guard);
    PendingRows = std::exchange(Taking.Rows, JobTables());
    PendingCopy = std::move(copy);
    Pending = true;
  }
  Wake.notify_all();
}

void TVMChangeRecovery::Flush() {
  std::unique_lock<std::mutex> lock(Guard);
  Wake.wait(lock, [this] { return !Pending && !Writing; });
}

// A copy not yet written is dropped; one being written is waited for, then
// removed with the rest.
void TVMChangeRecovery::Remove() {
  std::string written;
  {
    std::unique_lock<std::mutex> lock(Guard);
    Pending = false;
    PendingRows = JobTables();
    Wake.wait(lock, [this] { return !Writing; });
    written = std::exchange(Written, std::string());
  }
  if (!written.empty()) DeleteFileA(written.c_str());
}

void TVMChangeRecovery::WriteLoop() {
  // Making and writing a copy yields to the window's thread.
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
  std::unique_lock<std::mutex> lock(Guard);
  for (;;) {
    Wake.wait(lock, [this] { return Pending || Stopping; });
    if (Stopping) return;
    const JobTables rows = std::exchange(PendingRows, JobTables());
    TRecoveryCopy copy = std::move(PendingCopy);
    Pending = false;
    Writing = true;
    const uint32_t number = ++Number;
    const std::string previous = Written;
    lock.unlock();
    copy.JobBytes = WriteJobFile(rows);
    const std::string bytes = FormatRecoveryCopy(copy);
    const std::string target = PathOf(RecoveryCopyName(OwnerName, number));
    const bool written = WriteRecoveryFile(PathOf(RecoveryTemporaryName(OwnerName, number)), target, previous, bytes);
    lock.lock();
    if (written) Written = target;
    Writing = false;
    Wake.notify_all();
  }
}

void TVMChangeRecovery::Offer(TData& data, uint16_t index) {
  if (!TakeOwnership()) return;
  const std::vector<std::string> names = FilesIn(Folder);
  const TLeftCopies left = FindLeftCopies(names, [this](const std::string& owner) { return OwnerRunning(owner); });
  for (const std::string& name : left.Leftovers) DeleteFileA(PathOf(name).c_str());

  std::vector<TFoundCopy> found;
  for (const std::string& name : left.Latest) {
    std::string bytes, error = "её нельзя открыть";
    TRecoveryCopy copy;
    if (ReadFileBytes(PathOf(name), bytes) && ParseRecoveryCopy(bytes, copy, error)) {
      found.push_back({name, std::move(copy)});
      continue;
    }
    const std::string aside = PathOf(SetAsideName(name));
    const bool setAside = MoveFileA(PathOf(name).c_str(), aside.c_str()) != 0;
    FireStr(OnUnreadable, "Копию несохранённых изменений не удалось прочитать: " + error + ".\r\n" +
                              (setAside ? "Она отложена в файл " + aside : "Она оставлена в файле " + PathOf(name)) +
                              ".");
  }
  std::stable_sort(found.begin(), found.end(),
                   [](const TFoundCopy& a, const TFoundCopy& b) { return a.Copy.WrittenAt > b.Copy.WrittenAt; });

  for (TFoundCopy& copy : found) {
    const std::string job = copy.Copy.JobPath.empty() ? UnnamedJob : copy.Copy.JobPath;
    Answer = TAnswer::None;
    FireStr(OnAsk, "Изменения задания " + job + " от " + RecoveryTimeText(copy.Copy.WrittenAt) +
                       " не были сохранены. Восстановить их?");
    if (Answer == TAnswer::Drop) DeleteFileA(PathOf(copy.Name).c_str());
    if (Answer != TAnswer::Restore) continue;
    // The copy becomes this editor's own before anything else happens, so
    // that it is never without an owner that keeps it.
    {
      std::unique_lock<std::mutex> lock(Guard);
      const std::string own = PathOf(RecoveryCopyName(OwnerName, ++Number));
      if (MoveFileA(PathOf(copy.Name).c_str(), own.c_str())) Written = own;
    }
    FireStr(OnRows, FlattenJobText(copy.Copy.JobBytes));
    FireStr(OnJobFile, copy.Copy.JobPath);
    FireInt(OnRecovered, 1);
    return;
  }
}

void TVMChangeRecovery::Restore(TData& data, uint16_t index) { Answer = TAnswer::Restore; }

void TVMChangeRecovery::Drop(TData& data, uint16_t index) { Answer = TAnswer::Drop; }
