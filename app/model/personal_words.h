// The user's own words as the window manages them: which dictionary a
// word goes into, in plain words; the word to offer from the boxes; a
// preview of the rendering with a new entry before it is written; the
// refusals and findings in the user's language (through the window's
// Translate); and the dictionary check as one report.
#ifndef MIKAWASE_APP_MODEL_PERSONAL_WORDS_H_
#define MIKAWASE_APP_MODEL_PERSONAL_WORDS_H_

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "menu.h"
#include "mikawase/dictionary_folders.h"

namespace mikawase::model {

struct WordKind {
  const char* kind;       // as the filter's --add names it: noun, adjective, rome
  const char* file_name;  // noun.txt, adjective.txt, rome.txt
  Text words;             // Noun, Other word, Spelling
};

// In the order the dictionaries apply.
std::span<const WordKind> WordKinds();

// The English word to offer as a key: the selection when there is one
// (trimmed, lowercased), else the word of letters, digits, apostrophes and
// hyphens around byte `cursor` of `text`, lowercased; "" when the cursor
// is in no word.
std::string OfferedKey(std::string_view text, std::size_t cursor, std::string_view selection);

struct EntryPreview {
  std::string refusal;                // why the entry cannot be written; empty when it can
  std::vector<std::string> warnings;  // what the check says of the new line
  std::string rendering;              // `sentence` rendered with the entry, when not refused
};

// What writing `key` → `value` into the personal `file_name` would do,
// without writing it: the same refusals and warnings as the filter's --add,
// and `sentence` (UTF-8, CR LF) rendered with the entry in place. Works on
// a copy of the personal files in a scratch folder, which it removes.
EntryPreview PreviewEntry(std::string_view sentence, const DictionaryFolders& folders,
                          std::string_view file_name, std::string_view key,
                          std::string_view value);

// What the add-a-word dialog shows for its fields, in either window: the
// rendering with the entry, what is refused or can never act, and whether
// it can be saved. An empty value is refused with the reason once the user
// has written one (`value_was_written`), and quietly before.
struct AddWordView {
  std::string preview;
  std::string problems;
  bool can_save = false;
};
AddWordView ViewOfEntry(std::string_view sentence, const DictionaryFolders& folders,
                        std::string_view file_name, std::string_view key, std::string_view value,
                        bool value_was_written, const Translate& translate);

// The list of the user's words, for either window: each entry's dictionary
// in plain words, and the notes below the list (none yet; each bad line
// with its file and line).
std::string KindOfFile(std::string_view file_name, const Translate& translate);
std::string NotesOnEntries(std::size_t entries, const std::vector<std::string>& failures,
                           const Translate& translate);

// A refusal or a finding of the engine, which are English, in the user's
// language: in the window's own words for those it knows, else with the
// English kept after a lead-in; as the engine says it where the language
// has no words of its own for it (English).
std::string SayProblem(const std::string& english, const Translate& translate);

// Every finding of the dictionary check, one a line as "FILE:LINE: error:
// …" (or warning), then a summary line, in the user's language.
std::string CheckReport(const DictionaryFolders& folders, const Translate& translate);

// Makes the personal folder when it is missing; "" on success, else why
// not.
std::string MakePersonalFolder(const DictionaryFolders& folders, const Translate& translate);

}  // namespace mikawase::model

#endif  // MIKAWASE_APP_MODEL_PERSONAL_WORDS_H_
