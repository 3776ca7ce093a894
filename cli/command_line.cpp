#include "cli/command_line.h"

#include <algorithm>

namespace {

constexpr int kUsageStatus = 2;
constexpr char kHelpOption[] = "--help";
constexpr char kHelpText[] = "эта справка";

// An option is a word that begins with "-" and goes on; "-" alone is a name.
bool IsOption(const std::string& word) { return word.size() > 1 && word[0] == '-'; }

const TArgument* FindOption(const TCommandSyntax& syntax, const std::string& word) {
  for (const TArgument& argument : syntax.Arguments)
    if (argument.Option && word == argument.Option) return &argument;
  return nullptr;
}

std::string NameOf(const TArgument& argument) { return argument.Option ? argument.Option : argument.Value; }

std::string Shown(const TArgument& argument) {
  return argument.Option ? std::string(argument.Option) + " " + argument.Value : argument.Value;
}

// The message when the words are wrong, or "".
std::string ReadWords(const TCommandSyntax& syntax, const std::vector<std::string>& words, TCommandArgs& args) {
  std::vector<const TArgument*> names;  // the words that are no options, in order
  for (const TArgument& argument : syntax.Arguments)
    if (!argument.Option) names.push_back(&argument);
  size_t named = 0;
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word.empty()) continue;
    if (!IsOption(word)) {
      if (named == names.size()) return "Лишнее слово " + word;
      args.Set(names[named++]->Value, word);
      continue;
    }
    const TArgument* option = FindOption(syntax, word);
    if (!option) return "Неизвестный ключ " + word;
    if (i + 1 == words.size()) return "После " + word + " нет значения";
    const std::string& value = words[++i];
    if (option->Check) {
      const std::string refused = option->Check(word, value);
      if (!refused.empty()) return refused;
    }
    args.Set(word, value);
  }
  for (const TArgument& argument : syntax.Arguments)
    if (argument.Missing && args[NameOf(argument)].empty()) return std::string("Не указан ") + argument.Missing;
  return "";
}

// Lines aligned in two columns: "  NAME   what it is\n" each.
std::string HelpLines(const std::vector<std::pair<std::string, std::string>>& lines) {
  size_t width = 0;
  for (const auto& line : lines) width = std::max(width, line.first.size());
  std::string text;
  for (const auto& [name, help] : lines) text += "  " + name + std::string(width - name.size() + 3, ' ') + help + "\n";
  return text;
}

std::string UsageLine(const TCommandSyntax& syntax) {
  return "Использование: " + CommandSynopsis(syntax) + "\n";
}

std::string ArgumentLines(const TCommandSyntax& syntax) {
  std::vector<std::pair<std::string, std::string>> lines;
  for (const TArgument& argument : syntax.Arguments) lines.emplace_back(Shown(argument), argument.Help);
  lines.emplace_back(kHelpOption, kHelpText);
  return HelpLines(lines);
}

}  // namespace

const std::string& TCommandArgs::operator[](const std::string& name) const {
  static const std::string kNone;
  const auto found = Values.find(name);
  return found == Values.end() ? kNone : found->second;
}

std::optional<int> ReadCommandLine(const TCommandSyntax& syntax, const std::vector<std::string>& words,
                                   TCommandArgs& args, TCommandOutput& output) {
  if (std::find(words.begin(), words.end(), kHelpOption) != words.end()) {
    output.Out += CommandHelp(syntax);
    return 0;
  }
  const std::string wrong = ReadWords(syntax, words, args);
  if (wrong.empty()) return std::nullopt;
  output.Err += wrong + "\n" + CommandUsage(syntax);
  return kUsageStatus;
}

std::string CommandSynopsis(const TCommandSyntax& syntax) {
  std::string synopsis = std::string("zr780k-job ") + syntax.Name;
  for (const TArgument& argument : syntax.Arguments)
    synopsis += " " + (argument.Missing || !argument.Option ? Shown(argument) : "[" + Shown(argument) + "]");
  return synopsis;
}

std::string CommandUsage(const TCommandSyntax& syntax) { return UsageLine(syntax) + ArgumentLines(syntax); }

std::string CommandHelp(const TCommandSyntax& syntax) {
  return UsageLine(syntax) + syntax.Summary + "\n" + ArgumentLines(syntax);
}
