// Whole files for the command-line program's commands: read with the job
// file's size limit, and written so that a failed write leaves nothing
// behind (a temporary file beside the target, renamed over it).
#pragma once

#include <string>

// The file's bytes; false with a message (Windows-1251) when it cannot be
// read, is larger than kJobFileMaxSize or is empty.
bool ReadCommandFile(const std::string& path, std::string& bytes, std::string& error);

// The bytes written to a temporary file beside `path`, which then takes the
// target's place; false with a message when anything failed, the target
// untouched and no temporary file left.
bool WriteCommandFile(const std::string& path, const std::string& bytes, std::string& error);
