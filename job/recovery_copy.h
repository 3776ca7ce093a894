// The recovery copy of a job's unsaved changes: what the editor keeps in a
// folder of its own while the title shows "*", so that the changes outlive
// a crash, a power cut or a kill, and are offered at the next start.
//
// A copy is one file: a few header lines (the job's file, when it was
// written, how many bytes follow), an empty line, then the bytes a save
// would write. The count makes a copy cut short tell itself.
//
// Every running editor owns its copies by a name of its own (the owner):
// "<owner>.lock" is held open while it runs; "<owner>-<n>.zrr" are the
// copies it wrote, the highest n the latest; "<owner>-<n>.tmp" is a copy
// being written. A copy is written under a name no file has yet and only
// then renamed to its own, after which the previous one is removed: a cut
// anywhere leaves at least one whole copy.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct TRecoveryCopy {
  std::string JobPath;    // the job's file; empty for a job never saved
  std::string WrittenAt;  // local time of writing, "YYYY-MM-DD hh:mm:ss"
  std::string JobBytes;   // the bytes a save would write
};

std::string FormatRecoveryCopy(const TRecoveryCopy& copy);
// False, with the reason in `error`, when the bytes are no whole copy.
bool ParseRecoveryCopy(const std::string& bytes, TRecoveryCopy& copy, std::string& error);

// The time as the question shows it: "2026-12-08 07:31:05" gives
// "08.12.2026 07:31"; a text of another form is shown as it is.
std::string RecoveryTimeText(const std::string& writtenAt);

// The newest first (by WrittenAt); copies written at the same second keep
// their order.
void SortNewestFirst(std::vector<TRecoveryCopy>& copies);

// --- Names in the folder of copies -----------------------------------------

std::string RecoveryLockName(const std::string& owner);
std::string RecoveryCopyName(const std::string& owner, uint32_t number);
std::string RecoveryTemporaryName(const std::string& owner, uint32_t number);
// The name a copy that cannot be read is set aside under: no start offers
// it again, and nothing removes it.
std::string SetAsideName(const std::string& copyName);

// The copies and temporary files of owners that are no longer running
// (`running` tells of an owner): each such owner's latest copy, and its
// other files (older copies, a copy being written when it stopped, its lock).
struct TLeftCopies {
  std::vector<std::string> Latest;
  std::vector<std::string> Leftovers;
};
TLeftCopies FindLeftCopies(const std::vector<std::string>& names,
                           const std::function<bool(const std::string& owner)>& running);
// The files of that owner among the names (its copies, temporary files and
// lock).
std::vector<std::string> FilesOfOwner(const std::vector<std::string>& names, const std::string& owner);
// The owner of a copy's or temporary file's name; empty for another name.
std::string OwnerOfName(const std::string& name);

// --- Writing ----------------------------------------------------------------

// Where a write may be cut short, as a kill would cut it (for tests).
enum class TCopyWriteCut { None, InWrite, BeforeRename, BeforeRemoval };

// Writes `bytes` to the file `temporary`, renames it to `target` (a name no
// file has), then removes `previous` when it is not empty. False when a
// step failed or was cut: the previous copy is then left whole (a temporary
// file that could not be finished is removed, unless the cut stands for a
// kill).
bool WriteRecoveryFile(const std::string& temporary, const std::string& target, const std::string& previous,
                       const std::string& bytes, TCopyWriteCut cut = TCopyWriteCut::None);
