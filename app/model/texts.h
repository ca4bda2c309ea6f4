// The window's texts as both windows take them: each is its English
// source and the context it belongs to, written once here in the model.
// Their Japanese lives in one place, app/translations/mikawase_ja.ts: the
// Qt window reads it compiled to a .qm through QTranslator, the Win32 window
// as string-table resources generated from it at build time. lupdate finds
// every text through MIKAWASE_TEXT (see app/translations/README.md).
#ifndef MIKAWASE_APP_MODEL_TEXTS_H_
#define MIKAWASE_APP_MODEL_TEXTS_H_

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace mikawase::model {

// "&" in `english` marks the key that opens or picks it with Alt, as both
// toolkits write it; "%1", "%2", ... stand for what Fill puts in.
struct Text {
  const char* context;  // the group the text belongs to, as lupdate and QTranslator name it
  const char* english;
};

// Marks a text for lupdate, which is told to read it as QT_TRANSLATE_NOOP.
#define MIKAWASE_TEXT(context, english) \
  ::mikawase::model::Text { context, english }

// A window's way of saying a text in the user's language, as UTF-8: Qt's
// translators, or the Win32 string table. It gives the English source back
// for a text it has no translation of.
using Translate = std::function<std::string(const Text&)>;

// Whether `translate` says `text` in a language of its own: false when it
// gave the English source back.
bool Translated(const Translate& translate, const Text& text, std::string* said);

// `pattern` with each "%N" (N from 1 to 9) replaced by the Nth argument;
// a "%N" without its argument stays as it is.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments);

}  // namespace mikawase::model

#endif  // MIKAWASE_APP_MODEL_TEXTS_H_
