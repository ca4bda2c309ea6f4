// A double-click on mikawase-cli.exe in Explorer gives the filter a console
// of its own, which Windows closes the moment the program ends: whatever
// it printed is gone before it can be read, and a filter that waits on its
// standard input looks hung. Started so, it says what it is instead, and
// waits for a key.
#ifndef MIKAWASE_CLI_EXPLORER_START_H_
#define MIKAWASE_CLI_EXPLORER_START_H_

#include <string>
#include <string_view>

namespace mikawase::cli {

// What a console tells of how the program was started.
struct ConsoleStart {
  // GetConsoleProcessList's count: 1 when no shell shares the console;
  // 0 when there is no console at all.
  unsigned long processes_on_console = 0;
  bool input_is_console = false;
  bool output_is_console = false;
  bool has_arguments = false;
};

// True for a start from Explorer: alone on its console, both ends of it a
// console, nothing asked. A program run from cmd.exe or PowerShell shares
// its console with the shell; one run by another program with its streams
// redirected, or with arguments (a shortcut that asks for something), is
// left to do as asked, so that nothing automated waits for a key.
bool StartedFromExplorer(const ConsoleStart& start);

// What the filter says then, in Japanese and then English: what it is, how
// to open a console in `folder` (the program's own, as ExecutableFolder
// gives it) and what to type there; it ends asking for a key.
std::string ExplorerStartMessage(std::string_view folder);

// Windows only (explorer_start_win32.cc): when StartedFromExplorer, shows
// the message, waits for a key, and returns true; the program should then
// end.
bool ExplainedStartFromExplorer(bool has_arguments);

}  // namespace mikawase::cli

#endif  // MIKAWASE_CLI_EXPLORER_START_H_
