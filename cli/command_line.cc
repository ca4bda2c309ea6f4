#include "command_line.h"

namespace mikawase::cli {

const char kUsage[] =
    "Usage: mikawase-cli [--data-dir DIR] [--no-personal] [--crlf] [--trace] [FILE]\n"
    "       mikawase-cli --check [--data-dir DIR] [--no-personal]\n"
    "       mikawase-cli --add noun|adjective|rome KEY VALUE\n"
    "       mikawase-cli --remove noun|adjective|rome KEY\n"
    "       mikawase-cli --list\n"
    "Renders English text into rough Japanese, word by word.\n"
    "\n"
    "Reads UTF-8 text from FILE, or from standard input when FILE is absent or\n"
    "\"-\", translates all of it as one text and writes the rendering to standard\n"
    "output. Line breaks may be LF or CR LF; the output has LF.\n"
    "\n"
    "  --data-dir DIR   read noun.txt, adjective.txt and rome.txt from DIR\n"
    "                   (default: the data folder beside this program)\n"
    "  --no-personal    leave out your personal dictionaries (see below)\n"
    "  --crlf           write CR LF line breaks instead of LF\n"
    "  --engine=NAME    fast (the default), or literal: the reference engine,\n"
    "                   one pass over the whole text per rule; same output\n"
    "  --check          check the dictionaries and report every problem, one\n"
    "                   per line (FILE:LINE: error: ... or warning: ...);\n"
    "                   translates nothing; exit status 1 when there is an error\n"
    "  --trace          translate as usual, and write to standard error every\n"
    "                   rule that changed the text, in order: where it comes\n"
    "                   from, what it replaced, how often, and the text after it\n"
    "  --add KIND KEY VALUE\n"
    "                   write one entry into your personal KIND.txt (KIND is\n"
    "                   noun, adjective or rome), replacing a line with the\n"
    "                   same key; prints the file, the line and how KEY reads now.\n"
    "                   An empty VALUE is refused: it would delete the word from\n"
    "                   every text; use --remove to take your entry out\n"
    "  --remove KIND KEY\n"
    "                   take every line for KEY out of your personal KIND.txt,\n"
    "                   so that the shipped entry, if any, applies again\n"
    "  --list           show every entry of your personal dictionaries, one per\n"
    "                   line (FILE:LINE: KEY → VALUE), and their bad lines\n"
    "  --help           show this help and exit\n"
    "  --version        show the version and exit\n"
    "\n"
// The user's folders are each platform's own.
#ifdef _WIN32
    "Your personal dictionaries, in %APPDATA%\\mikawase, have the same names\n"
    "and format as the shipped ones. Each that exists is applied right before\n"
    "the shipped file of the same name, so its entries win; upgrading or\n"
    "uninstalling the program leaves them.\n"
    "\n"
    "The compiled dictionaries are kept in %MIKAWASE_CACHE_DIR%, else in\n"
    "%LOCALAPPDATA%\\mikawase\\cache, so that a later run with the same files\n"
    "need not compile them again; MIKAWASE_CACHE_DIR set but empty turns that\n"
    "off. The folder is safe to delete.\n"
#else
    "Your personal dictionaries, in $XDG_DATA_HOME/mikawase (by default\n"
    "~/.local/share/mikawase), have the same names and format as the shipped\n"
    "ones. Each that exists is applied right before the shipped file of the same\n"
    "name, so its entries win; they survive upgrades and rebuilds.\n"
    "\n"
    "The compiled dictionaries are kept in $MIKAWASE_CACHE_DIR, else\n"
    "$XDG_CACHE_HOME/mikawase, else ~/.cache/mikawase, so that a later run with\n"
    "the same files need not compile them again; MIKAWASE_CACHE_DIR= (empty)\n"
    "turns that off. The folder is safe to delete.\n"
#endif
    "\n"
    "Exit status: 0 on success, 1 when a dictionary or the input is bad,\n"
#ifdef _WIN32
    "2 for a usage error. README.txt beside this program describes the\n"
    "dictionary format, and data\\README.txt the shipped dictionaries.\n";
#else
    "2 for a usage error. See mikawase-cli(1) for the dictionary format.\n";
#endif

namespace {

Engine ParseEngine(const std::string& name) {
  if (name == "literal") return Engine::kLiteral;
  if (name == "fast") return Engine::kFast;
  throw UsageError{"unknown engine '" + name + "' (known: fast, literal)"};
}

bool KnownKind(const std::string& kind) {
  return kind == "noun" || kind == "adjective" || kind == "rome";
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
      } else if (argument == "--no-personal") {
        command.personal = false;
      } else if (argument == "--add") {
        if (arguments.size() - i - 1 < 3) {
          throw UsageError{"--add needs three words: noun, adjective or rome, then the key "
                           "and the value"};
        }
        command.add = AddCommand{arguments[i + 1], arguments[i + 2], arguments[i + 3]};
        i += 3;
      } else if (argument == "--remove") {
        if (arguments.size() - i - 1 < 2) {
          throw UsageError{"--remove needs two words: noun, adjective or rome, then the key"};
        }
        command.remove = RemoveCommand{arguments[i + 1], arguments[i + 2]};
        i += 2;
      } else if (argument == "--list") {
        command.list = true;
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
  if (command.add) {
    if (command.check || command.trace || have_input || command.crlf || !command.personal) {
      throw UsageError{"--add writes one entry; of the other options it takes only --data-dir, "
                       "for the shipped dictionaries it shows the new rendering with"};
    }
    if (!KnownKind(command.add->kind)) {
      throw UsageError{"--add: unknown dictionary '" + command.add->kind +
                       "' (known: noun, adjective, rome)"};
    }
  }
  if (command.remove || command.list) {
    const char* which = command.remove ? "--remove" : "--list";
    if (command.add || (command.remove && command.list) || command.check || command.trace ||
        have_input || command.crlf || !command.personal) {
      throw UsageError{std::string(which) + " works on your personal dictionaries alone; of the "
                       "other options it takes only --data-dir"};
    }
    if (command.remove && !KnownKind(command.remove->kind)) {
      throw UsageError{"--remove: unknown dictionary '" + command.remove->kind +
                       "' (known: noun, adjective, rome)"};
    }
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
