// Reading the program's command line.
#pragma once

#include <string>

// The first argument after the program name: words are separated by blanks
// (any character up to the space); double quotes group blanks into a word
// and are removed. Empty when there is no argument.
std::string FirstArgument(const std::string& commandLine);

// Whether the argument looks like a switch of the command line: "/" or "-"
// followed by letters only ("/IH", "-x"). The program takes no switch but
// "/ih", and ignores any other unless a file has that name.
bool LooksLikeSwitch(const std::string& argument);
