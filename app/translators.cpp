#include "translators.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace mikawase {

void InstallTranslators(QCoreApplication* application, const std::string& AppFolder) {
  const struct {
    QString name;
    QString folder;
  } kTranslations[] = {
      {QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)},
      {QStringLiteral("mikawase"),
       QFile::decodeName(AppFolder.c_str()) + QStringLiteral("translations")},
  };
  for (const auto& each : kTranslations) {
    auto* translator = new QTranslator(application);
    if (translator->load(QLocale::system(), each.name, QStringLiteral("_"), each.folder)) {
      application->installTranslator(translator);
    } else {
      delete translator;
    }
  }
}

std::string SayInLocale(const model::Text& text) { return Shown(text).toStdString(); }

QString Shown(const model::Text& text) {
  return QCoreApplication::translate(text.context, text.english);
}

}  // namespace mikawase
