#include "mikawase/translate.h"

#include <optional>

#include "error_messages.h"
#include "fast/fast_engine.h"
#include "literal/literal_engine.h"
#include "mikawase/app_folder.h"
#include "mikawase/trace.h"
#include "util/utf8.h"

namespace mikawase {

namespace {

// Rejected up front: the rules assume characters, and lowercasing and the
// window both need valid text.
void RequireValidUtf8(std::string_view input) {
  if (std::optional<std::size_t> bad = FindInvalidUtf8(input)) throw InvalidInputError(input, *bad);
}

}  // namespace

std::string TranslateWithDictionaries(std::string_view input, const DictionaryFolders& folders,
                                      Engine engine) {
  RequireValidUtf8(input);
  switch (engine) {
    case Engine::kFast:
      return TranslateFastFromFolders(input, folders);
    case Engine::kLiteral:
      break;
  }
  return TranslateLiterally(input, FolderLoader(folders));
}

std::string TranslateWithDataFolder(std::string_view input, std::string_view data_folder,
                                    Engine engine) {
  return TranslateWithDictionaries(input, {std::string(data_folder), ""}, engine);
}

std::string TranslateWithTrace(std::string_view input, const DictionaryFolders& folders,
                               const TraceObserver& observe) {
  struct Adapter : RuleObserver {
    const TraceObserver* observe;
    void Changed(const RuleOrigin& origin, std::string_view find, std::string_view replace,
                 std::size_t count, const std::string& text) override {
      (*observe)({.table = origin.table,
                  .file = origin.file,
                  .number = origin.file.empty() ? origin.rule : origin.line,
                  .find = find,
                  .replace = replace,
                  .count = count,
                  .text = text});
    }
  } adapter;
  adapter.observe = &observe;
  RequireValidUtf8(input);
  return TranslateLiterallyObserved(input, FolderLoader(folders), &adapter);
}

std::string Translate(std::string_view input, std::string_view AppFolder) {
  return TranslateWithDataFolder(input, DataFolderOf(AppFolder));
}

}  // namespace mikawase
