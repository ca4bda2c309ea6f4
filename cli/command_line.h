// The command line of mikawase-cli.
#ifndef MIKAWASE_CLI_COMMAND_LINE_H_
#define MIKAWASE_CLI_COMMAND_LINE_H_

#include <optional>
#include <string>
#include <vector>

#include "mikawase/translate.h"

namespace mikawase::cli {

// --add KIND KEY VALUE
struct AddCommand {
  std::string kind;  // noun, adjective or rome
  std::string key;
  std::string value;
};

// --remove KIND KEY
struct RemoveCommand {
  std::string kind;  // noun, adjective or rome
  std::string key;
};

struct CommandLine {
  std::optional<std::string> data_dir;  // default: the data folder beside the program
  bool crlf = false;                    // keep CR LF in the output
  std::string input = "-";              // a file, or "-" for standard input
  Engine engine = Engine::kFast;
  bool personal = true;                 // apply the user's personal dictionaries
  bool check = false;                   // report every dictionary problem, translate nothing
  bool trace = false;                   // name every rule that changes the text, on stderr
  std::optional<AddCommand> add;        // write one entry into a personal file
  std::optional<RemoveCommand> remove;  // take one key out of a personal file
  bool list = false;                    // show every entry of the personal files
  bool help = false;
  bool version = false;
};

// Parses the arguments after the program's name. Throws UsageError for
// anything it does not understand.
struct UsageError {
  std::string message;
};
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

extern const char kUsage[];

}  // namespace mikawase::cli

#endif  // MIKAWASE_CLI_COMMAND_LINE_H_
