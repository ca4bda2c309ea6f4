// mikawase: the window. It takes nothing on the command line but --help
// and --version, which answer without opening it.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "app_folder_for.h"
#include "form1.h"
#include "mikawase/compiled_cache.h"
#include "mikawase/version.h"
#include "translators.h"

namespace {

constexpr char kHelp[] =
    "Usage: mikawase [--help | --version]\n"
    "Opens the window of ミカワセ, which renders English text into rough Japanese,\n"
    "word by word: type English into the upper box and press 英和 or Ctrl+Enter.\n"
    "\n"
    "The dictionaries are read at every press from the data folder beside the\n"
    "program, with your personal dictionaries in $XDG_DATA_HOME/mikawase (by\n"
    "default ~/.local/share/mikawase) in front of them; add, list and remove\n"
    "your words from the Dictionary menu, or with mikawase-cli --add, --list and\n"
    "--remove. See mikawase(1) and mikawase-cli(1).\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
    std::fputs(kHelp, stdout);
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("mikawase %s\n", mikawase::kVersionString);
    return 0;
  }
  QApplication application(argc, argv);
  // The window's words and Qt's own (the boxes' context menus, the file
  // dialogs' buttons) in the user's language, where translated.
  mikawase::InstallTranslators(&application,
                               mikawase::AppFolderFor(QCoreApplication::applicationDirPath()));
  // Ties the window to mikawase.desktop, for its icon and name in docks and
  // task bars.
  QGuiApplication::setDesktopFileName(QStringLiteral("mikawase"));
  // The first press after start-up then finds the dictionaries compiled.
  mikawase::EnableCompiledCache(mikawase::DefaultCompiledCacheFolder());
  mikawase::Form1 form;
  form.show();
  return application.exec();
}
