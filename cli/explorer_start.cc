#include "explorer_start.h"

namespace mikawase::cli {

bool StartedFromExplorer(const ConsoleStart& start) {
  return start.processes_on_console == 1 && start.input_is_console && start.output_is_console &&
         !start.has_arguments;
}

std::string ExplorerStartMessage(std::string_view folder) {
  // cmd's cd takes "C:\" with its separator, any other folder without.
  if (folder.size() > 3 && (folder.back() == '\\' || folder.back() == '/')) folder.remove_suffix(1);
  std::string cd = "       cd /d \"" + std::string(folder) + "\"\n";
  return "mikawase-cli はコマンドラインのプログラムです。ダブルクリックではなく、\n"
         "コンソールから使います。\n"
         "\n"
         "  1. Windows キー + R を押し、cmd と入力して Enter を押します。\n"
         "  2. このプログラムのフォルダーに移ります:\n" +
         cd +
         "  3. 使い方を見るには:\n"
         "       mikawase-cli --help\n"
         "     訳すには:\n"
         "       echo I like you. | mikawase-cli\n"
         "\n"
         "ウィンドウで訳すには mikawase.exe (スタートメニューの「ミカワセ」) を使います。\n"
         "\n"
         "mikawase-cli is a command-line program: it runs in a console, not by a\n"
         "double-click.\n"
         "\n"
         "  1. Press the Windows key + R, type cmd and press Enter.\n"
         "  2. Go to this program's folder:\n" +
         cd +
         "  3. For its help, type:\n"
         "       mikawase-cli --help\n"
         "     To translate:\n"
         "       echo I like you. | mikawase-cli\n"
         "\n"
         "For a window, use mikawase.exe (ミカワセ in the Start menu).\n"
         "\n"
         "何かキーを押すと閉じます。 Press any key to close.\n";
}

}  // namespace mikawase::cli
