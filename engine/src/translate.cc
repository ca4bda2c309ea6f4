#include "mikawase/translate.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "fast/fast_engine.h"
#include "literal/literal_engine.h"
#include "mikawase/app_folder.h"
#include "mikawase/trace.h"
#include "util/utf8.h"

namespace mikawase {

namespace {

// Rejected up front: the rules assume characters, and lowercasing and the
// window both need valid text. The error names the line (counting LF) and
// the byte within it, so that a caller that knows the file can point there.
void RequireValidUtf8(std::string_view input) {
  std::optional<std::size_t> bad = FindInvalidUtf8(input);
  if (!bad) return;
  std::string_view before = input.substr(0, *bad);
  std::size_t line = 1 + static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n'));
  std::size_t line_start = before.rfind('\n');
  std::size_t column = line_start == std::string_view::npos ? *bad + 1 : *bad - line_start;
  char byte[8];
  std::snprintf(byte, sizeof byte, "0x%02X", static_cast<unsigned char>(input[*bad]));
  throw TranslationError(ErrorKind::kInvalidInput, "", line,
                         "the text is not valid UTF-8 (byte " + std::string(byte) +
                             " at byte " + std::to_string(column) + " of the line)");
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
