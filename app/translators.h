// The window's words in the user's language, the Qt way: Qt's own
// translations (context menus, file dialogs, message boxes) and the
// window's (mikawase_<language>.qm, compiled by lrelease from
// app/translations/) installed as QTranslators for the system's locale;
// the model's texts said through them.
#ifndef MIKAWASE_APP_TRANSLATORS_H_
#define MIKAWASE_APP_TRANSLATORS_H_

#include <QString>
#include <string>

#include "model/texts.h"

class QCoreApplication;

namespace mikawase {

// Loads both for QLocale::system(), where they exist: the window's from
// the translations/ folder beside the real executable (`AppFolder`, as
// AppFolderFor gives it), Qt's from where Qt keeps its own. A locale with no
// translation keeps the English. The translators are children of
// `application`.
void InstallTranslators(QCoreApplication* application, const std::string& AppFolder);

// A model text in the language of the installed translators, as UTF-8:
// the model::Translate of the Qt window.
std::string SayInLocale(const model::Text& text);
QString Shown(const model::Text& text);

}  // namespace mikawase

#endif  // MIKAWASE_APP_TRANSLATORS_H_
