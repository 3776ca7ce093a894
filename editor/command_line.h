// Reading the program's command line.
#pragma once

#include <string>

// The first argument after the program name: words are separated by blanks
// (any character up to the space); double quotes group blanks into a word
// and are removed. Empty when there is no argument.
std::string FirstArgument(const std::string& commandLine);
