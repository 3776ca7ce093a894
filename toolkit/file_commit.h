// Saving a file so that the old one survives any failure: the new bytes go
// to a temporary file in the target's folder, are flushed to the disk, and
// only then take the target's place in one step. Until the commit the target
// is not touched; after a failure the temporary file is removed.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/stream.h"

// A save in progress: the stream writes the temporary file. Error holds the
// platform's code of the first failure (0 while all went well); a save that
// failed to begin has no stream.
struct TFileSave {
  std::string Target;
  std::string Temporary;
  TStream* Stream = nullptr;
  uint32_t Error = 0;
};

// Begins a save of target. A target that cannot be replaced (read-only, or
// held open by another program without sharing) is refused here, before
// anything is written; a rename alone would replace a read-only file on
// some systems.
TFileSave BeginFileSave(const std::string& target);
// Flushes and closes the temporary file, then puts it in the target's place
// (keeping the attributes of an existing target). Returns 0 or the platform's
// code of the failure; the temporary file never remains.
uint32_t CommitFileSave(TFileSave& save);
// Drops the save: the stream is closed and the temporary file removed.
void AbandonFileSave(TFileSave& save);

// The platform's own text for an error code, without a trailing line break.
std::string SystemErrorText(uint32_t code);

// The name as a full path (folder and drive of the current folder added);
// the name itself when the platform cannot make one.
std::string FullPath(const std::string& name);
