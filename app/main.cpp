// mikawase: the window. It takes nothing on the command line.
#include <QApplication>

#include "form1.h"
#include "mikawase/compiled_cache.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // Ties the window to mikawase.desktop, for its icon and name in docks and
  // task bars.
  QGuiApplication::setDesktopFileName(QStringLiteral("mikawase"));
  // The first press after start-up then finds the dictionaries compiled.
  mikawase::EnableCompiledCache(mikawase::DefaultCompiledCacheFolder());
  mikawase::Form1 form;
  form.show();
  return application.exec();
}
