// What the window says, as UTF-8: the caption, the button's tip and the
// message for a failed translation. Each window converts these to its
// toolkit's strings and shows them in the user's language through its
// toolkit's translations (texts.h); neither words them itself.
#ifndef MIKAWASE_APP_MODEL_FORM1_TEXTS_H_
#define MIKAWASE_APP_MODEL_FORM1_TEXTS_H_

#include <string>

#include "command1.h"
#include "texts.h"

namespace mikawase::model {

// "ミカワセ MAJOR.MINOR.REVISION", each number plain decimal, in every
// language: it is the program's name.
std::string CaptionForVersion(int major, int minor, int revision);

// The tip over the button.
inline constexpr Text kCommand1Tip = MIKAWASE_TEXT("Form1", "Translate (Ctrl+Enter)");

// What went wrong, by the kind of failure, for a language with words of its
// own for it; the engine's English problem keeps the details (which bytes,
// which limit) and is what an English window shows.
Text FailureKindText(const Failure& failure);

// The text of the message box for a failed translation: the file, the
// line and the problem; that the user's text is still there; and, for one
// of the user's own dictionaries, how to mend it or take the word out.
std::string DescribeFailure(const Failure& failure, const Translate& translate);

}  // namespace mikawase::model

#endif  // MIKAWASE_APP_MODEL_FORM1_TEXTS_H_
