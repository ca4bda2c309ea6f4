// Adding, listing and removing the words of the user's own dictionaries.
//
// The personal folder (PersonalDictionaryFolder() in app_folder.h) holds
// files with the shipped files' names and format; each one that exists is
// applied right before the shipped file of the same name, so its entries
// win. Writing a line there by hand means CP932 and a key padded with
// spaces to exactly 15 characters; this does it, and refuses what could
// never act or would spoil the file.
#ifndef MIKAWASE_PERSONAL_DICTIONARY_H_
#define MIKAWASE_PERSONAL_DICTIONARY_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "mikawase/translation_error.h"

namespace mikawase {

// The file names by the word the command line uses: "noun" is noun.txt,
// "adjective" adjective.txt, "rome" rome.txt; nullopt for any other word.
std::optional<std::string> DictionaryFileNamed(std::string_view kind);

struct AddedEntry {
  std::string refusal;     // why nothing was written; empty on success
  std::string path;        // the file written
  std::size_t line = 0;    // the line that now holds the entry, from 1
  bool replaced = false;   // an earlier line with this key was replaced
};

// Writes `key` and `value` (UTF-8) as one line into `folder` + `file_name`
// (the folder ending with the separator), creating the folder and the file
// when missing: CP932, the key padded with spaces to 15 characters, CR LF.
// If the file already has a line with this key, that line is replaced;
// otherwise the line is appended. The file is written whole through a
// temporary file, so it is never left half written. Refused, with the
// reason in `refusal`: a key longer than 15 characters, blank or starting
// with a space; a tab or line break in the key or the value; capital
// letters in a noun or adjective key; an empty value, which would delete
// the word from every text (RemovePersonalEntry takes an entry out);
// characters CP932 cannot hold; a file that has errors already.
AddedEntry AddPersonalEntry(std::string_view folder, std::string_view file_name,
                            std::string_view key, std::string_view value);

struct PersonalEntry {
  std::string file_name;  // noun.txt, adjective.txt or rome.txt
  std::string path;       // the folder + file_name
  std::size_t line = 0;   // from 1
  std::string key;        // UTF-8, trailing spaces removed
  std::string value;      // UTF-8, as written
};

struct PersonalEntries {
  std::vector<PersonalEntry> entries;     // file by file in the order they apply, line by line
  std::vector<TranslationError> failures;  // each bad line or unreadable file, naming it
};

// Every entry of the personal files in `folder` (ending with the
// separator). Missing files and a missing folder have none; a bad line is
// listed among the failures and the good lines around it still are
// entries, so that a user can see and mend the rest.
PersonalEntries ListPersonalEntries(std::string_view folder);

struct RemovedEntry {
  std::string refusal;    // why nothing was removed; empty on success
  std::string path;       // the file
  std::size_t line = 0;   // the first line that held the key, from 1
  std::size_t count = 0;  // how many lines held it
};

// Takes every line with `key` (UTF-8, trailing spaces ignored) out of
// `folder` + `file_name`, keeping every other line byte for byte and
// writing the file whole as AddPersonalEntry does. Refused, with the reason:
// no line has the key (a missing file has none); the file has errors
// already.
RemovedEntry RemovePersonalEntry(std::string_view folder, std::string_view file_name,
                                 std::string_view key);

}  // namespace mikawase

#endif  // MIKAWASE_PERSONAL_DICTIONARY_H_
