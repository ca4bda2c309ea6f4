#include "app_folder_for.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "mikawase/app_folder.h"

namespace mikawase {

std::string AppFolderFor(const QString& executable_folder) {
  QString folder = QFileInfo(executable_folder).canonicalFilePath();
  if (folder.isEmpty()) folder = QDir::cleanPath(executable_folder);
  return WithTrailingSeparator(QFile::encodeName(folder).toStdString());
}

}  // namespace mikawase
