// Streams over files of the platform. Nothing is reported here: when a file
// cannot be opened the stream still exists with an invalid handle, reads and
// writes transfer nothing and its size is 0.
#pragma once

#include <string>

#include "toolkit/stream.h"

// An existing file, read only; others may read too.
TStream* OpenReadStream(const std::string& fileName);
// Creates the file when missing. Every write cuts the file behind the
// written bytes, so a stream written from the start leaves exactly what was
// written.
TStream* OpenWriteStream(const std::string& fileName);
// Creates the file empty (replacing one of the name) and gathers the writes
// into large blocks: for a file no one reads before it is complete, such as
// a save's temporary file. The bytes reach the file at FlushWrites, Seek,
// size calls and Close; a failure then is kept in the stream's Error.
TStream* OpenBufferedWriteStream(const std::string& fileName);
// Hands a buffered write stream's gathered bytes to the platform; other
// streams have none.
void FlushWrites(TStream* stream);
// Reads and writes; opens an existing file with its content, creates a
// missing one empty.
TStream* OpenReadWriteStream(const std::string& fileName);

// True when the name is an existing entry that is not a directory.
bool FileExists(const std::string& fileName);
