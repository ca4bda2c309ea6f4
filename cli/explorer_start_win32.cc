// The filter started from Explorer: see explorer_start.h.
#include <windows.h>

#include <cstdio>

#include "explorer_start.h"
#include "mikawase/app_folder.h"
#include "mikawase/translation_error.h"
#include "standard_streams.h"

namespace mikawase::cli {

namespace {

bool IsConsole(DWORD which) {
  HANDLE handle = GetStdHandle(which);
  DWORD mode;
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

// Waits until a key goes down on the console, ignoring what was typed
// before the message was shown and the mouse, focus and size events.
void WaitForKey() {
  HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  FlushConsoleInputBuffer(input);
  for (;;) {
    INPUT_RECORD record;
    DWORD read = 0;
    if (!ReadConsoleInputW(input, &record, 1, &read)) return;
    if (read == 1 && record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown) return;
  }
}

}  // namespace

bool ExplainedStartFromExplorer(bool has_arguments) {
  ConsoleStart start;
  DWORD processes[2];
  start.processes_on_console = GetConsoleProcessList(processes, 2);
  start.input_is_console = IsConsole(STD_INPUT_HANDLE);
  start.output_is_console = IsConsole(STD_OUTPUT_HANDLE);
  start.has_arguments = has_arguments;
  if (!StartedFromExplorer(start)) return false;
  std::string folder;
  try {
    folder = ExecutableFolder();
  } catch (const TranslationError&) {
    folder = ".";
  }
  WriteBytes(stdout, ExplorerStartMessage(folder));
  WaitForKey();
  return true;
}

}  // namespace mikawase::cli
