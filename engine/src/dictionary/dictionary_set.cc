#include "dictionary/dictionary_set.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "util/utf8_path.h"

namespace mikawase {

std::vector<DictionarySource> ResolveDictionarySet(const DictionaryFolders& folders) {
  std::vector<DictionarySource> set;
  std::size_t stage = 0;
  for (const Stage& in_pipeline : kPipeline) {
    if (in_pipeline.action != StageAction::kDictionary) continue;
    for (DictionaryLayer layer : kDictionaryLayers) {
      bool personal = layer == DictionaryLayer::kPersonal;
      if (personal && folders.personal.empty()) continue;
      const std::string& folder = personal ? folders.personal : folders.shipped;
      set.push_back({in_pipeline.name, in_pipeline.mode, layer,
                     folder + std::string(in_pipeline.name),
                     personal ? kDictionaryStages + stage : stage});
    }
    ++stage;
  }
  return set;
}

bool IsSkipped(const DictionarySource& source) {
  std::error_code ignored;
  return source.layer == DictionaryLayer::kPersonal &&
         !std::filesystem::exists(PathFromUtf8(source.path), ignored);
}

std::optional<std::string> ReadSourceBytes(const DictionarySource& source) {
  try {
    return ReadDictionaryBytes(source.path);
  } catch (const TranslationError& error) {
    // The same rule as IsSkipped, read off the error: a file that goes
    // between the two calls is still skipped, not reported.
    if (source.layer == DictionaryLayer::kPersonal && error.kind() == ErrorKind::kMissingFile) {
      return std::nullopt;
    }
    throw;
  }
}

bool ReadSourceInBlocks(const DictionarySource& source,
                        const std::function<bool(std::string_view)>& take) {
  try {
    return ReadDictionaryInBlocks(source.path, take);
  } catch (const TranslationError& error) {
    // Skipped as ReadSourceBytes skips it: as an empty file.
    if (source.layer == DictionaryLayer::kPersonal && error.kind() == ErrorKind::kMissingFile) {
      return true;
    }
    throw;
  }
}

DictionaryLoader FolderLoader(DictionaryFolders folders) {
  return [set = ResolveDictionarySet(folders)](std::string_view file_name, DictionaryLayer layer) {
    for (const DictionarySource& source : set) {
      if (source.name != file_name || source.layer != layer) continue;
      std::optional<std::string> bytes = ReadSourceBytes(source);
      if (!bytes) {
        DictionaryContents none;
        none.path = source.path;
        return none;
      }
      return ParseDictionary(*bytes, source.path);
    }
    return DictionaryContents{};  // a personal layer without a personal folder
  };
}

}  // namespace mikawase
