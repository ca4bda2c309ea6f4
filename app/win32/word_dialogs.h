// The dialogs of the Dictionary menu on Windows: adding or changing one of
// the user's words with a preview, the list of the user's words, and a
// report (the dictionary check). Their shapes are resource templates;
// what they check, write and say comes from the window model, as in the
// Qt window.
#ifndef MIKAWASE_APP_WIN32_WORD_DIALOGS_H_
#define MIKAWASE_APP_WIN32_WORD_DIALOGS_H_

#include <windows.h>

#include <string>

#include "mikawase/dictionary_folders.h"
#include "model/form1_texts.h"

namespace mikawase::win32 {

// Modal; true when a word was saved. `sentence` (UTF-8, CR LF) is
// rendered with the entry as a preview.
bool ShowAddWordDialog(HWND owner, const DictionaryFolders& folders, const std::string& sentence,
                       const std::string& kind, const std::string& key, const std::string& value,
                       bool changing);

void ShowMyWordsDialog(HWND owner, const DictionaryFolders& folders, const std::string& sentence);

void ShowReportDialog(HWND owner, const std::wstring& title, const std::string& report);

}  // namespace mikawase::win32

#endif  // MIKAWASE_APP_WIN32_WORD_DIALOGS_H_
