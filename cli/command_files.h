// The files of the command-line program's commands, through the C library
// alone: names are bytes in the system's code page, as the program's
// arguments come (the C++ library would read them as another encoding).
// Messages are Windows-1251, ended by "\n".
#pragma once

#include <string>

#include "job/nozzle_rules.h"

// Reads a job file whole, as the editor opens it: false, with the message
// in `error`, when the file is missing, unreadable or larger than
// kJobFileMaxSize.
bool ReadJobBytes(const std::string& path, std::string& bytes, std::string& error);

// A table of nozzle rules read as a job file is (ReadJobBytes), then taken
// by ReadNozzleRules: false, with either's message, when it cannot be used.
bool ReadNozzleRulesFile(const std::string& path, TNozzleRules& table, std::string& error);

// A placement file: as ReadJobBytes, and an empty file is refused too.
bool ReadPlacementBytes(const std::string& path, std::string& bytes, std::string& error);

// Writes the bytes to a temporary file beside `path` and only then puts it
// in the place of `path`. False, with the message in `error`, when anything
// fails: the file at `path` is then as it was and no temporary file remains.
// A file that cannot be written to (read-only, a folder) is refused before
// anything is written, since a rename alone replaces it on some systems.
bool ReplaceFileBytes(const std::string& path, const std::string& bytes, std::string& error);
