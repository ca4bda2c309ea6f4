#include "command1.h"

#include <new>

#include "mikawase/app_folder.h"
#include "mikawase/translate.h"

namespace mikawase::model {

DictionaryFolders Form1Folders(std::string_view AppFolder) {
  return {DataFolderOf(AppFolder), PersonalDictionaryFolder()};
}

Command1Outcome Command1Action(std::string_view input, const DictionaryFolders& folders) {
  Command1Outcome outcome;
  try {
    outcome.rendering = TranslateWithDictionaries(input, folders, Engine::kFast);
    outcome.translated = true;
  } catch (const TranslationError& error) {
    outcome.failure = {error.file(), error.line(), error.problem(),
                       !folders.personal.empty() && error.file().starts_with(folders.personal)};
  } catch (const std::bad_alloc&) {
    outcome.rendering.clear();
    outcome.failure = {{}, 0, "there is not enough memory to translate this text", false};
  }
  return outcome;
}

}  // namespace mikawase::model
