// Adding a word to the user's own dictionaries.
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
// letters in a noun or adjective key; characters CP932 cannot hold; a file
// that has errors already.
AddedEntry AddPersonalEntry(std::string_view folder, std::string_view file_name,
                            std::string_view key, std::string_view value);

}  // namespace mikawase

#endif  // MIKAWASE_PERSONAL_DICTIONARY_H_
