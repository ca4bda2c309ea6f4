// The Japanese of app/translations/mikawase_ja.ts as a model::Translate,
// so that the model's tests, which run with no toolkit (and under wine),
// read the model's texts in Japanese as the windows show them.
#ifndef MIKAWASE_TESTS_APP_MODEL_TS_TRANSLATIONS_H_
#define MIKAWASE_TESTS_APP_MODEL_TS_TRANSLATIONS_H_

#include <map>
#include <string>
#include <utility>

#include "model/texts.h"

namespace mikawase::model {

// (context, source) → translation, of every finished message of the file;
// empty when the file cannot be read.
std::map<std::pair<std::string, std::string>, std::string> ReadTsFile(const std::string& path);

// Says each text as the project's .ts file translates it (the English
// source where it does not).
std::string InJapanese(const Text& text);

// The English source back: what a window says under an English locale.
inline std::string InEnglish(const Text& text) { return text.english; }

}  // namespace mikawase::model

#endif  // MIKAWASE_TESTS_APP_MODEL_TS_TRANSLATIONS_H_
