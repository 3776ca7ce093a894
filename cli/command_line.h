// The command line of every command, read by one table per command: the
// words it takes (file names) and its options, each with its value and one
// line on what it does. The same table makes the command's usage line and
// its help, so these never drift from what the command reads.
// Texts are Windows-1251, as the commands' own.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cli/job_command.h"

struct TArgument {
  const char* Option;  // "--side", "-o"; nullptr for a word that is no option
  const char* Value;   // how the usage names the value: "top|bottom", "ФАЙЛ"
  const char* Help;    // one line on what it is
  // For one that must be given: what "Не указан …" names when it is not
  // (or is empty). nullptr: it may be left out.
  const char* Missing = nullptr;
  // The message refusing the value, or "" for a good one.
  std::string (*Check)(const std::string& option, const std::string& value) = nullptr;
};

struct TCommandSyntax {
  const char* Name;     // "import"
  const char* Summary;  // one line on what the command does
  std::vector<TArgument> Arguments;  // in the order of the usage line
};

// The values given, by option ("-o") or by the value name of a word ("ФАЙЛ").
class TCommandArgs {
 public:
  // "" when not given; when given more than once, the last.
  const std::string& operator[](const std::string& name) const;
  void Set(const std::string& name, const std::string& value) { Values[name] = value; }

 private:
  std::map<std::string, std::string> Values;
};

// Reads the command's words into `args`. When they ask for help ("--help"
// anywhere) the help goes to output.Out and the status is 0; when they are
// wrong (an unknown option, an option without its value, a value refused,
// a word too many, one that must be given missing) the message and the usage
// go to output.Err and the status is 2. No status: run the command.
std::optional<int> ReadCommandLine(const TCommandSyntax& syntax, const std::vector<std::string>& words,
                                   TCommandArgs& args, TCommandOutput& output);

// "zr780k-job import ФАЙЛ [--side top|bottom] … -o OUT", no line end.
std::string CommandSynopsis(const TCommandSyntax& syntax);

// The usage line and a line for each word and option; ends with "\n".
std::string CommandUsage(const TCommandSyntax& syntax);

// The usage line, what the command does, and a line for each word and option.
std::string CommandHelp(const TCommandSyntax& syntax);
