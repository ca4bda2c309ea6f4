// Checking the dictionaries as a whole, for the people who edit them.
//
// A translation stops at the first bad line it meets, and an entry that can
// never act (a capital letter in its key, a key an earlier line or a
// built-in rule always takes first) gives no sign at all. The check reads
// every file the translation would read and reports every problem at once.
#ifndef MIKAWASE_DICTIONARY_CHECK_H_
#define MIKAWASE_DICTIONARY_CHECK_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "mikawase/translate.h"

namespace mikawase {

struct DictionaryFinding {
  enum class Severity {
    kError,    // the translation would stop here
    kWarning,  // the entry can never act as its author meant
  };
  Severity severity;
  std::string file;      // the path as the translation would open it
  std::size_t line = 0;  // 1-based; 0 when the problem is the whole file
  std::string message;   // why, in plain words, and what to do
};

// Every problem of the dictionaries of `folders`, in the order the
// translation reads them: by file (each personal file that exists before
// its shipped one), then by line. Never throws for a bad dictionary; may
// throw std::bad_alloc.
std::vector<DictionaryFinding> CheckDictionaries(const DictionaryFolders& folders);

// The shipped dictionaries of `data_folder` alone.
std::vector<DictionaryFinding> CheckDictionaries(std::string_view data_folder);

// How many files CheckDictionaries(folders) looks at: the three shipped
// ones and each personal one that exists.
std::size_t CountDictionaryFiles(const DictionaryFolders& folders);

}  // namespace mikawase

#endif  // MIKAWASE_DICTIONARY_CHECK_H_
