#include "command_line.h"

namespace mikawase::cli {

const char kUsage[] =
    "Usage: mikawase-cli [--data-dir DIR] [--crlf] [--trace] [FILE]\n"
    "       mikawase-cli --check [--data-dir DIR]\n"
    "Renders English text into rough Japanese, word by word.\n"
    "\n"
    "Reads UTF-8 text from FILE, or from standard input when FILE is absent or\n"
    "\"-\", translates all of it as one text and writes the rendering to standard\n"
    "output. Line breaks may be LF or CR LF; the output has LF.\n"
    "\n"
    "  --data-dir DIR   read noun.txt, adjective.txt and rome.txt from DIR\n"
    "                   (default: the data folder beside this program)\n"
    "  --crlf           write CR LF line breaks instead of LF\n"
    "  --engine=NAME    fast (the default), or literal: the reference engine,\n"
    "                   one pass over the whole text per rule; same output\n"
    "  --check          check the dictionaries and report every problem, one\n"
    "                   per line (FILE:LINE: error: ... or warning: ...);\n"
    "                   translates nothing; exit status 1 when there is an error\n"
    "  --trace          translate as usual, and write to standard error every\n"
    "                   rule that changed the text, in order: where it comes\n"
    "                   from, what it replaced, how often, and the text after it\n"
    "  --help           show this help and exit\n"
    "  --version        show the version and exit\n"
    "\n"
    "The compiled dictionaries are kept in $MIKAWASE_CACHE_DIR, else\n"
    "$XDG_CACHE_HOME/mikawase, else ~/.cache/mikawase, so that a later run with\n"
    "the same files need not compile them again; MIKAWASE_CACHE_DIR= (empty)\n"
    "turns that off. The folder is safe to delete.\n"
    "\n"
    "Exit status: 0 on success, 1 when a dictionary or the input is bad,\n"
    "2 for a usage error. See mikawase-cli(1) for the dictionary format.\n";

namespace {

Engine ParseEngine(const std::string& name) {
  if (name == "literal") return Engine::kLiteral;
  if (name == "fast") return Engine::kFast;
  throw UsageError{"unknown engine '" + name + "' (known: fast, literal)"};
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine command;
  bool have_input = false;
  bool options_ended = false;
  bool explicit_engine = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (!options_ended && argument.size() > 1 && argument[0] == '-') {
      if (argument == "--") {
        options_ended = true;
      } else if (argument == "--help" || argument == "-h") {
        command.help = true;
      } else if (argument == "--version") {
        command.version = true;
      } else if (argument == "--check") {
        command.check = true;
      } else if (argument == "--trace") {
        command.trace = true;
      } else if (argument == "--crlf") {
        command.crlf = true;
      } else if (argument == "--data-dir") {
        if (i + 1 == arguments.size()) throw UsageError{"--data-dir needs a folder"};
        command.data_dir = arguments[++i];
      } else if (argument.starts_with("--data-dir=")) {
        command.data_dir = argument.substr(std::string_view("--data-dir=").size());
      } else if (argument == "--engine") {
        if (i + 1 == arguments.size()) throw UsageError{"--engine needs a name"};
        command.engine = ParseEngine(arguments[++i]);
        explicit_engine = true;
      } else if (argument.starts_with("--engine=")) {
        command.engine = ParseEngine(argument.substr(std::string_view("--engine=").size()));
        explicit_engine = true;
      } else {
        throw UsageError{"unknown option '" + argument + "'"};
      }
      continue;
    }
    if (have_input) throw UsageError{"more than one input file: '" + argument + "'"};
    command.input = argument;
    have_input = true;
  }
  if (command.data_dir && command.data_dir->empty()) {
    throw UsageError{"--data-dir needs a folder"};
  }
  if (command.check && (have_input || command.trace || command.crlf)) {
    throw UsageError{"--check reads only the dictionaries; it takes no input file, --trace or "
                     "--crlf"};
  }
  if (command.trace && command.engine == Engine::kFast && explicit_engine) {
    throw UsageError{"--trace always uses the literal engine, whose order of rules is the "
                     "definition; leave out --engine=fast"};
  }
  return command;
}

}  // namespace mikawase::cli
