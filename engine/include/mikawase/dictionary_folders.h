// Where a translation's dictionaries are read from.
#ifndef MIKAWASE_DICTIONARY_FOLDERS_H_
#define MIKAWASE_DICTIONARY_FOLDERS_H_

#include <string>

namespace mikawase {

// Each of the three files that exists in the user's own `personal` folder
// is applied right before the shipped file of the same name, in the same
// mode, so that its entries take their words first; one that does not
// exist is skipped, while a shipped one must exist. With no personal files
// the rendering is the shipped dictionaries' alone.
struct DictionaryFolders {
  std::string shipped;   // ends with the separator
  std::string personal;  // ends with the separator; empty for none
};

}  // namespace mikawase

#endif  // MIKAWASE_DICTIONARY_FOLDERS_H_
