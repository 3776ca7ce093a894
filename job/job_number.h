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

// A whole number is the same rule without "-" and ".": decimal digits only,
// at least one. `digits` gets the number without its leading zeros ("007"
// gives "7", "00" gives "0"), so that equal numbers have equal texts however
// long they are. Feeder numbers, a component's "Питатель" and nozzles are
// whole numbers.
bool ReadWholeNumber(const std::string& text, std::string& digits);

// Orders the texts ReadWholeNumber gives by the numbers they stand for.
bool WholeNumberLess(const std::string& a, const std::string& b);

// "Пропуск" holds "0" for a row that is placed; any other text skips it.
bool IsSkipped(const std::string& skipCell);
