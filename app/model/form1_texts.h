// What the window says, in the two languages it speaks, as UTF-8: the
// caption, the button's tip and the message for a failed translation. Each
// window converts these to its toolkit's strings and shows them; neither
// words them itself.
#ifndef MIKAWASE_APP_MODEL_FORM1_TEXTS_H_
#define MIKAWASE_APP_MODEL_FORM1_TEXTS_H_

#include <string>
#include <string_view>

#include "command1.h"

namespace mikawase::model {

enum class Language { kEnglish, kJapanese };

// Japanese for a locale or language name that starts with "ja" ("ja",
// "ja_JP", "ja-JP", "ja_JP.UTF-8"), English for any other.
Language LanguageNamed(std::string_view name);

// "ミカワセ MAJOR.MINOR.REVISION", each number plain decimal, in every
// language: it is the program's name.
std::string CaptionForVersion(int major, int minor, int revision);

// The tip over the button.
std::string Command1Tip(Language language);

// The text of the message box for a failed translation: the file, the
// line and the problem; that the user's text is still there; and, for one
// of the user's own dictionaries, how to mend it or take the word out.
std::string DescribeFailure(const Failure& failure, Language language);

}  // namespace mikawase::model

#endif  // MIKAWASE_APP_MODEL_FORM1_TEXTS_H_
