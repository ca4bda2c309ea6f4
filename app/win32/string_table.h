// The window's words in the user's language, the Win32 way: string-table
// resources, English and Japanese, generated at build time from the
// window's one translation file (tools/windows/make_string_table.py), and
// chosen by the user's interface language.
#ifndef MIKAWASE_APP_WIN32_STRING_TABLE_H_
#define MIKAWASE_APP_WIN32_STRING_TABLE_H_

#include <windows.h>

#include <string>

#include "model/texts.h"

namespace mikawase::win32 {

// Japanese where the user's interface language is Japanese, else English.
LANGID WindowLanguage();

// A model text from the string table in the window's language, as UTF-8:
// the model::Translate of the Win32 window. A text the table lacks (which
// the translation test rules out) is said in its English.
std::string SayInUserLanguage(const model::Text& text);
std::wstring Wide(const model::Text& text);

}  // namespace mikawase::win32

#endif  // MIKAWASE_APP_WIN32_STRING_TABLE_H_
