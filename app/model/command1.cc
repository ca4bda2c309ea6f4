#include "command1.h"

#include <algorithm>
#include <new>
#include <vector>

#include "mikawase/app_folder.h"
#include "mikawase/translate.h"

namespace mikawase::model {

DictionaryFolders Form1Folders(std::string_view AppFolder) {
  return {DataFolderOf(AppFolder), PersonalDictionaryFolder()};
}

std::string JoinParagraphLines(std::string_view text) {
  auto blank = [](std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
  };
  std::vector<std::string_view> lines;
  for (std::size_t start = 0;;) {
    std::size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) break;
    start = end + 2;
  }
  std::string joined;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    if (i > 0) {
      bool inside = !blank(lines[i - 1]) && !blank(line);
      if (inside) {
        while (joined.ends_with(' ') || joined.ends_with('\t')) joined.pop_back();
        line.remove_prefix(std::min(line.size(), line.find_first_not_of(" \t")));
        joined += ' ';
      } else {
        joined += "\r\n";
      }
    }
    joined += line;
  }
  return joined;
}

Command1Outcome Command1Action(std::string_view input, const DictionaryFolders& folders,
                               bool join_lines) {
  Command1Outcome outcome;
  try {
    std::string joined;
    if (join_lines) {
      joined = JoinParagraphLines(input);
      input = joined;
    }
    outcome.rendering = TranslateWithDictionaries(input, folders, Engine::kFast);
    outcome.translated = true;
  } catch (const TranslationError& error) {
    outcome.failure = {error.file(), error.line(), error.problem(),
                       !folders.personal.empty() && error.file().starts_with(folders.personal),
                       error.kind()};
  } catch (const std::bad_alloc&) {
    outcome.rendering.clear();
    outcome.failure = {
        {}, 0, "there is not enough memory to translate this text", false, std::nullopt};
  }
  return outcome;
}

}  // namespace mikawase::model
