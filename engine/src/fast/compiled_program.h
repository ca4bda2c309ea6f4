// The dictionaries compiled together with the built-in rules after
// lowercasing: what the fast engine runs, and what the on-disk cache keeps.
#ifndef MIKAWASE_COMPILED_PROGRAM_H_
#define MIKAWASE_COMPILED_PROGRAM_H_

#include <array>
#include <memory>
#include <optional>
#include <string_view>

#include "dictionary/dictionary_set.h"
#include "fast/rule_program.h"
#include "fast/word_windows.h"
#include "mikawase/translation_error.h"

namespace mikawase {

// The last rule of all, which removes every ASCII space, is not part of
// the program: it would join every word to its neighbours, and word by word
// it is simply applied to each word's result.
class CompiledProgram {
 public:
  // The mapped cache file whose bytes the tables below view, when the
  // program was loaded from one. Declared first, so that it goes last.
  std::shared_ptr<const void> image;
  // The dictionaries' bytes it was compiled from, by slot (empty where the
  // set has no file): views into the image, or into `sources_owner` for a
  // program compiled in this process. A later translation compares the
  // files with these, and a literal run parses them, so that the files'
  // bytes need not be kept a second time.
  std::shared_ptr<const void> sources_owner;
  std::array<std::string_view, kDictionarySlots> sources{};
  std::unique_ptr<RuleProgram> program;
  std::unique_ptr<WordWindows> windows;
  bool removes_spaces = false;
  std::optional<TranslationError> failure;
};

}  // namespace mikawase

#endif  // MIKAWASE_COMPILED_PROGRAM_H_
