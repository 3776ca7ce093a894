// zr780k-job's words, read in process: the command the first word names, or
// the program's own --help and --version. Texts are left in `output` as the
// commands leave theirs; the status is the program's exit status.
#pragma once

#include <string>
#include <vector>

#include "cli/job_command.h"

int RunJobProgram(const std::vector<std::string>& words, const std::string& version, TCommandOutput& output);
