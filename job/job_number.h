// The number rule of a job's cells: how the machine writes numbers, and the
// skip flag. The placement view, the feeder assignment and the job check all
// read cells through it.
#pragma once

#include <string>

// A cell is a number only when it is written as the machine writes numbers:
// an optional "-", decimal digits with at most one ".", at least one digit,
// and nothing else (no spaces, no "+", no exponent, no ","). Anything else,
// the empty cell included, is not a number.
bool ReadCoordinate(const std::string& text, double& value);

// "Пропуск" holds "0" for a row that is placed; any other text skips it.
bool IsSkipped(const std::string& skipCell);
